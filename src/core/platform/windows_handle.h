// A Windows HANDLE kept in the platform-neutral `long long` of the classes that hold one (the
// headers that declare them include no <windows.h>). Included by the *_windows.cpp files only.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tev::os {

inline HANDLE as_handle(long long held) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(held)); }
inline long long held_handle(HANDLE handle) { return static_cast<long long>(reinterpret_cast<std::intptr_t>(handle)); }

}  // namespace tev::os

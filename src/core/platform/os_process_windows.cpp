#include "core/platform/os_process.h"

#include <windows.h>

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "core/platform/utf8_path.h"

namespace tev::os {

std::filesystem::path program_file() {
    std::wstring name(MAX_PATH, L'\0');
    while (true) {
        const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return {};
        if (n < name.size()) {
            name.resize(n);
            return std::filesystem::path(name);
        }
        name.resize(name.size() * 2);  // a long path: the name was cut short
    }
}

std::filesystem::path desktop_data_home() {
    PWSTR folder = nullptr;
    std::filesystem::path home;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder))) home = folder;
    ::CoTaskMemFree(folder);
    return home;
}

std::tm local_time(std::time_t t) {
    std::tm tm{};
    localtime_s(&tm, &t);
    return tm;
}

std::vector<std::string> utf8_arguments(int, char**) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(utf8_string(std::filesystem::path(wide[i])));
    ::LocalFree(wide);
    return args;
}

void use_utf8_console() {
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
}

}  // namespace tev::os

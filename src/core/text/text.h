// Text inside the program: one char32_t per character, so that every fixed-width layout counts
// characters, never bytes. UTF-8 appears only at the window and command-line boundaries, code
// page 932 only at the file boundary (see cp932.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tev {

using Text = std::u32string;
using TextView = std::u32string_view;

inline constexpr char32_t kWideBlank = U'\u3000';

// UTF-8 of `t`; characters outside Unicode are written as U+FFFD.
std::string to_utf8(TextView t);

// Characters of the UTF-8 string `s`; malformed sequences become U+FFFD.
Text from_utf8(std::string_view s);

// Characters of the UTF-8 string `s`, or nothing when it is not well-formed UTF-8.
std::optional<Text> from_utf8_strict(std::string_view s);

// Plain ASCII text (digits, file names) as Text.
Text ascii(std::string_view s);

}  // namespace tev

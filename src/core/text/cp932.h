// Code page 932 (Shift_JIS as Japanese Windows writes it), the encoding of every data file, so
// that season files stay exchangeable with other installations. The tables are the C library's
// iconv ("CP932"), generated once (tools/cp932_table) and the same on every platform.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/text/text.h"

namespace tev {

// The code page 932 bytes of `text`, or nothing when a character has no code there.
std::optional<std::string> encode_cp932(TextView text);

// The characters of the code page 932 bytes `bytes`, or nothing when they are not valid there.
std::optional<Text> decode_cp932(std::string_view bytes);

// True when every character of `text` can be written in code page 932.
bool fits_cp932(TextView text);

}  // namespace tev

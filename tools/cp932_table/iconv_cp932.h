// Code page 932 as the C library's iconv ("CP932") converts it, one code or one character at a
// time: the source the core's tables are generated from, and checked against.
#pragma once

#include <iconv.h>

#include <string>

namespace tev::cp932_source {

inline bool is_lead_byte(unsigned c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The character `bytes` decode to, or 0 when they are not one character of code page 932.
inline char32_t decode(iconv_t cd, const std::string& bytes) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char32_t out[2] = {0, 0};
    char* src = const_cast<char*>(bytes.data());
    std::size_t src_left = bytes.size();
    char* dst = reinterpret_cast<char*>(out);
    std::size_t dst_left = sizeof(out);
    if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1) || src_left != 0) return 0;
    return dst_left == sizeof(char32_t) ? out[0] : 0;
}

// The code `c` encodes to (one or two bytes, the lead byte high), or 0 when it has none.
inline unsigned encode(iconv_t cd, char32_t c) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char out[4] = {};
    char* src = reinterpret_cast<char*>(&c);
    std::size_t src_left = sizeof(c);
    char* dst = out;
    std::size_t dst_left = sizeof(out);
    if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1) || src_left != 0) return 0;
    const std::size_t n = sizeof(out) - dst_left;
    if (n == 1) return static_cast<unsigned char>(out[0]);
    if (n == 2) return static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]);
    return 0;
}

}  // namespace tev::cp932_source

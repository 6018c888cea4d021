#include "core/text/text.h"

#include <optional>
#include <utility>

namespace tev {

std::string to_utf8(TextView t) {
    std::string out;
    out.reserve(t.size() * 3);
    for (char32_t c : t) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

namespace {

// Length of the sequence a lead byte starts, or 0 when it cannot start one.
int utf8_length(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

}  // namespace

namespace {

// The character whose UTF-8 sequence starts at s[i], and the sequence's length; length 0 when
// the bytes there are not a well-formed sequence.
std::pair<char32_t, int> utf8_at(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const int len = utf8_length(lead);
    if (len == 0 || i + len > s.size()) return {0, 0};
    char32_t c = len == 1 ? lead : lead & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return {0, 0};
        c = (c << 6) | (b & 0x3F);
    }
    const bool overlong = (len == 3 && c < 0x800) || (len == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
    return {c, len};
}

}  // namespace

Text from_utf8(std::string_view s) {
    Text out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto [c, len] = utf8_at(s, i);
        out += len == 0 ? char32_t{0xFFFD} : c;
        i += len == 0 ? 1 : static_cast<std::size_t>(len);
    }
    return out;
}

std::optional<Text> from_utf8_strict(std::string_view s) {
    Text out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto [c, len] = utf8_at(s, i);
        if (len == 0) return std::nullopt;
        out += c;
        i += static_cast<std::size_t>(len);
    }
    return out;
}

Text ascii(std::string_view s) { return Text(s.begin(), s.end()); }

}  // namespace tev

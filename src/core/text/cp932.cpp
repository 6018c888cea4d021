#include "core/text/cp932.h"

#include <array>
#include <cstdint>

namespace tev {

namespace {

#include "core/text/cp932_table.inc"

// Code page 932 as two direct tables, built once from the generated lists: by code (a byte, or
// a pair with the lead byte high) the character, and by character (U+0000..U+FFFF) the code.
// 0 marks a code or a character that has none (ASCII is handled before the tables).
struct Tables {
    std::array<std::uint16_t, 0x10000> character_of{};
    std::array<std::uint16_t, 0x10000> code_of{};

    Tables() {
        for (const auto& [code, character] : kCp932Decoded) character_of[code] = character;
        for (const auto& [character, code] : kCp932Encoded) code_of[character] = code;
    }
};

const Tables& tables() {
    static const Tables built;
    return built;
}

bool all_ascii(std::string_view bytes) {
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) return false;
    return true;
}

// True when `b` starts a two-byte character of code page 932.
bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace

std::optional<std::string> encode_cp932(TextView text) {
    std::string out;
    out.reserve(text.size() * 2);  // at most two bytes a character
    const Tables* table = nullptr;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        if (table == nullptr) table = &tables();  // ASCII alone (most items) never builds them
        const std::uint16_t code = c <= 0xFFFF ? table->code_of[c] : 0;
        if (code == 0) return std::nullopt;
        if (code > 0xFF) out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    }
    return out;
}

std::optional<Text> decode_cp932(std::string_view bytes) {
    if (all_ascii(bytes)) return Text(bytes.begin(), bytes.end());
    const Tables& table = tables();
    Text out(bytes.size(), U'\0');  // never more characters than bytes
    char32_t* to = out.data();
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            *to++ = c;
            ++i;
            continue;
        }
        char32_t decoded = 0;
        if (is_lead_byte(c)) {
            if (i + 1 < n) decoded = table.character_of[c << 8 | b[i + 1]];
            i += 2;
        } else {
            decoded = table.character_of[c];
            ++i;
        }
        if (decoded == 0) return std::nullopt;
        *to++ = decoded;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

bool fits_cp932(TextView text) { return encode_cp932(text).has_value(); }

}  // namespace tev

// make-cp932-table > src/core/text/cp932_table.inc
// Writes the code page 932 tables the core converts with, taken from the C library's iconv
// ("CP932"): every code that decodes to one character, and the code iconv writes for every
// character it can encode. Built and run on a POSIX system; the tables it writes serve every
// platform, so that a year file has the same bytes wherever it is written.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "iconv_cp932.h"

namespace {

using namespace tev::cp932_source;

void print_table(const char* name, const std::vector<std::pair<unsigned, unsigned>>& entries) {
    std::printf("inline constexpr std::uint16_t %s[][2] = {\n", name);
    int column = 0;
    for (const auto& [from, to] : entries) {
        std::printf("%s{0x%X,0x%X},", column == 0 ? "    " : "", from, to);
        if (++column == 8) {
            std::printf("\n");
            column = 0;
        }
    }
    if (column != 0) std::printf("\n");
    std::printf("};\n");
}

}  // namespace

int main() {
    const iconv_t decoder = iconv_open("UTF-32LE", "CP932");
    const iconv_t encoder = iconv_open("CP932", "UTF-32LE");
    if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "make-cp932-table: this C library has no CP932\n");
        return 1;
    }
    std::vector<std::pair<unsigned, unsigned>> decoded, encoded;
    for (unsigned b = 0x80; b <= 0xFF; ++b)
        if (!is_lead_byte(b))
            if (const char32_t c = decode(decoder, std::string(1, static_cast<char>(b)))) decoded.emplace_back(b, c);
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!is_lead_byte(lead)) continue;
        for (unsigned trail = 0x40; trail <= 0xFF; ++trail) {
            if (trail == 0x7F) continue;
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            if (const char32_t c = decode(decoder, pair)) decoded.emplace_back(lead << 8 | trail, c);
        }
    }
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        if (const unsigned code = encode(encoder, c)) encoded.emplace_back(c, code);
    }
    std::printf("// Code page 932 as the C library's iconv (\"CP932\") has it, written by tools/cp932_table;\n"
                "// do not edit. ASCII stands for itself and is not listed.\n\n");
    std::printf("// Code (a byte, or a pair with the lead byte high) and the character it decodes to, by code.\n");
    print_table("kCp932Decoded", decoded);
    std::printf("\n// Character and the code written for it, by character.\n");
    print_table("kCp932Encoded", encoded);
    return 0;
}

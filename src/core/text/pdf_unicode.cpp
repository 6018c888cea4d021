#include "core/text/pdf_unicode.h"

#include <cctype>
#include <cstdio>

namespace tev {

namespace {

bool is_hex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// Replaces, in place, every "<XXXX>" between `from` and `to` whose character `drawn_as` maps.
void mend_section(std::string& pdf, std::size_t from, std::size_t to, const std::map<char32_t, char32_t>& drawn_as) {
    for (std::size_t at = pdf.find('<', from); at != std::string::npos && at + 5 < to; at = pdf.find('<', at + 1)) {
        if (pdf[at + 5] != '>' || !is_hex(pdf[at + 1]) || !is_hex(pdf[at + 2]) || !is_hex(pdf[at + 3]) || !is_hex(pdf[at + 4]))
            continue;
        const auto found = drawn_as.find(static_cast<char32_t>(std::stoul(pdf.substr(at + 1, 4), nullptr, 16)));
        if (found == drawn_as.end() || found->second > 0xFFFF) continue;
        char hex[5];
        std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(found->second));
        pdf.replace(at + 1, 4, hex);
    }
}

}  // namespace

std::string with_drawn_characters(std::string pdf, const std::map<char32_t, char32_t>& drawn_as) {
    if (drawn_as.empty()) return pdf;
    for (const char* section : {"bfrange", "bfchar"}) {
        const std::string begin = std::string("begin") + section, end = std::string("end") + section;
        for (std::size_t at = pdf.find(begin); at != std::string::npos; at = pdf.find(begin, at + 1)) {
            const std::size_t stop = pdf.find(end, at);
            if (stop == std::string::npos) break;
            mend_section(pdf, at + begin.size(), stop, drawn_as);
        }
    }
    return pdf;
}

}  // namespace tev

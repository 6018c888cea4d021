// The text a PDF gives back when it is copied or searched. A PDF writer names, for each glyph it
// draws, the character the glyph stands for (the font's ToUnicode map), and takes the first
// character the font maps to that glyph. A Japanese font draws a Kangxi radical (U+2F08 ⼈) and
// the ideograph (U+4EBA 人) with one glyph, so "巨人" would copy as "巨⼈" and a search for it
// would fail. The map is mended after writing: each character the map names is replaced by the
// character that was drawn with the same glyph. Only same-length replacements are made, so every
// object of the file keeps its place.
#pragma once

#include <map>
#include <string>

namespace tev {

// The PDF bytes `pdf` with every 4-digit hexadecimal character of its ToUnicode maps (between
// "beginbfrange"/"beginbfchar" and their ends) that is a key of `drawn_as` replaced by its value.
// Values outside the Basic Multilingual Plane are left out.
std::string with_drawn_characters(std::string pdf, const std::map<char32_t, char32_t>& drawn_as);

// Whether a character is one a font may share a glyph with an ideograph: a CJK radical (U+2E80 to
// U+2FDF) or a CJK compatibility ideograph (U+F900 to U+FAFF).
constexpr bool is_glyph_twin(char32_t c) {
    return (c >= 0x2E80 && c <= 0x2FDF) || (c >= 0xF900 && c <= 0xFAFF);
}

}  // namespace tev

// The text a PDF gives back when it is copied or searched. A PDF writer names, for each glyph it
// draws, the character the glyph stands for (the font's ToUnicode map), and takes the first
// character the font maps to that glyph. A Japanese font draws a Kangxi radical (U+2F08 ⼈) and
// the ideograph (U+4EBA 人) with one glyph, so "巨人" would copy as "巨⼈" and a search for it
// would fail. The map is mended after writing: each character the map names is replaced by the
// character that was drawn with the same glyph. Only same-length replacements are made, so every
// object of the file keeps its place.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>

namespace tev {

// The PDF bytes `pdf` with every 4-digit hexadecimal character of its ToUnicode maps (between
// "beginbfrange"/"beginbfchar" and their ends) that is a key of `drawn_as` replaced by its value.
// Values outside the Basic Multilingual Plane are left out.
std::string with_drawn_characters(std::string pdf, const std::map<char32_t, char32_t>& drawn_as);

// The characters a font may draw with an ideograph's glyph: the CJK radicals (U+2E80 to U+2FDF)
// and the CJK compatibility ideographs (U+F900 to U+FAFF), as first and last of each range.
inline constexpr std::array<std::pair<char32_t, char32_t>, 2> kGlyphTwinRanges{{{0x2E80, 0x2FDF}, {0xF900, 0xFAFF}}};

constexpr bool is_glyph_twin(char32_t c) {
    for (const auto& [first, last] : kGlyphTwinRanges)
        if (c >= first && c <= last) return true;
    return false;
}

}  // namespace tev

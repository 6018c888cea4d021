#include <gtest/gtest.h>

#include "core/text/pdf_unicode.h"

namespace tev {
namespace {

TEST(PdfUnicode, TheToUnicodeMapNamesTheCharactersDrawnAndNothingElseMoves) {
    const std::string pdf =
        "1 0 obj <2F08> endobj\n"
        "stream\n2 beginbfrange\n<0001> <0003> [<5DE8> <2F08> <2F47>]\nendbfrange\n"
        "1 beginbfchar\n<0004> <2EC4>\nendbfchar\nendstream\n<2F08>";
    const std::string mended = with_drawn_characters(pdf, {{U'\u2F08', U'人'}, {U'\u2F47', U'日'}, {U'\u2EC4', U'西'}});
    EXPECT_EQ(mended,
              "1 0 obj <2F08> endobj\n"
              "stream\n2 beginbfrange\n<0001> <0003> [<5DE8> <4EBA> <65E5>]\nendbfrange\n"
              "1 beginbfchar\n<0004> <897F>\nendbfchar\nendstream\n<2F08>");
    EXPECT_EQ(mended.size(), pdf.size());  // every object keeps its offset
    EXPECT_EQ(with_drawn_characters(pdf, {}), pdf);
    // A character beyond the Basic Multilingual Plane would need more digits: left as it was.
    EXPECT_EQ(with_drawn_characters(pdf, {{U'\u2F08', U'\U00020B9F'}}), pdf);
}

}  // namespace
}  // namespace tev

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/text/cp932.h"
#include "core/text/fixed_width.h"
#include "core/text/text.h"

namespace tev {
namespace {

TEST(FixedWidth, NumbersCarryASignBlankAndKeepTheirRightmostDigits) {
    EXPECT_EQ(num_text(5), U" 5");
    EXPECT_EQ(num_text(-80), U"-80");
    EXPECT_EQ(num_text(0), U" 0");
    EXPECT_EQ(right_num(5, 3), U"  5");
    EXPECT_EQ(right_num(-80, 4), U" -80");
    EXPECT_EQ(right_num(130, 3), U"130");
    EXPECT_EQ(right_num(1234, 3), U"234");  // wider than its field: rightmost digits
    EXPECT_EQ(right_num(25000000, 8), U"25000000");
    EXPECT_EQ(right_num(7, 0), U"");
}

TEST(FixedWidth, PaddingAndCuttingCountCharactersOfEitherWidth) {
    EXPECT_EQ(pad_ascii(U"斎藤", 5), U"斎藤   ");
    EXPECT_EQ(pad_ascii(U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝｽﾞ", 10), U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ");
    EXPECT_EQ(pad_wide(U"山田", 4), U"山田\u3000\u3000");
    EXPECT_EQ(pad_wide(U"", 2), U"\u3000\u3000");
    EXPECT_EQ(pad_ascii(U"abc", 0), U"");
    EXPECT_EQ(right_text(U"12345", 3), U"345");
    EXPECT_EQ(right_text(U"12", 5), U"   12");
}

TEST(FixedWidth, TrimmingRemovesBothKindsOfBlank) {
    EXPECT_EQ(trim_right(U"山田\u3000 \u3000"), U"山田");
    EXPECT_EQ(trim_right(U" a b "), U" a b");
    EXPECT_EQ(trim_both(U"\u3000 a b \u3000"), U"a b");
    EXPECT_EQ(trim_both(U"   "), U"");
}

TEST(FixedWidth, MidIsSafeOutsideTheText) {
    EXPECT_EQ(mid(U"abcdef", 2, 3), U"bcd");
    EXPECT_EQ(mid(U"abcdef", 5, 9), U"ef");
    EXPECT_EQ(mid(U"abc", 7, 2), U"");
    EXPECT_EQ(mid(U"abc", 0, 2), U"");
}

TEST(FixedWidth, NumbersReadWithBlanksIgnored) {
    EXPECT_EQ(read_number(U" 5"), 5);
    EXPECT_EQ(read_number(U"  "), 0);
    EXPECT_EQ(read_number(U""), 0);
    EXPECT_EQ(read_number(U"-12"), -12);
    EXPECT_EQ(read_number(U" X"), std::nullopt);
    EXPECT_EQ(read_number(U"1a"), std::nullopt);
    EXPECT_EQ(read_number(U"-"), std::nullopt);
    EXPECT_EQ(number_or_zero(U" X"), 0);
}

TEST(Cp932, RoundTripsFullAndHalfWidthText) {
    const Text text = U"巨　人ﾔｸﾙﾄ ﾃﾞｰﾀ参照「」ー～①";
    const auto bytes = encode_cp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(decode_cp932(*bytes), text);
    EXPECT_EQ(*encode_cp932(U"ﾔ"), "\xd4");             // half-width katakana: one byte
    EXPECT_EQ(*encode_cp932(U"\u3000"), "\x81\x40");    // full-width blank
    EXPECT_EQ(*encode_cp932(U"巨"), "\x8b\x90");
}

TEST(Cp932, TrailBytesInTheAsciiRangeStayWithTheirCharacter) {
    // 人 is 0x90 0x6C: its second byte is an ASCII letter, which must not be read as "l".
    EXPECT_EQ(decode_cp932("\"\x8b\x90\x90\x6c\",12\r\n\xd4 \x81\x40x"), U"\"巨人\",12\r\nﾔ \u3000x");
    EXPECT_EQ(decode_cp932("a\x83\x5c\\"), U"aソ\\");  // ソ ends in 0x5C, the backslash byte
    EXPECT_FALSE(decode_cp932("\"\x8b\"\r\n").has_value());  // a lead byte before a quote
    EXPECT_FALSE(decode_cp932("x\x8b").has_value());          // a lead byte at the end
}

TEST(Cp932, RefusesWhatTheCodePageCannotHold) {
    EXPECT_FALSE(encode_cp932(U"caf\u00e9").has_value());
    EXPECT_FALSE(encode_cp932(U"\U0001F600").has_value());
    EXPECT_FALSE(fits_cp932(U"한국"));
    EXPECT_TRUE(fits_cp932(U"日本ﾊﾑ"));
}

TEST(Cp932, RefusesBytesThatAreNotCodePage932) {
    EXPECT_FALSE(decode_cp932("\x81").has_value());        // lead byte without its trail
    EXPECT_FALSE(decode_cp932("ab\x81\x20").has_value());  // trail byte out of range
    EXPECT_FALSE(decode_cp932("\xff").has_value());
}

TEST(Utf8, RoundTripsAndReplacesMalformedSequences) {
    const Text text = U"成績一覧 ﾁｰﾑ \U0001F600";
    EXPECT_EQ(from_utf8(to_utf8(text)), text);
    EXPECT_EQ(from_utf8("a\xc3"), U"a\uFFFD");
    EXPECT_EQ(from_utf8("\xe0\x80\x80"), U"\uFFFD\uFFFD\uFFFD");  // overlong
}

}  // namespace
}  // namespace tev

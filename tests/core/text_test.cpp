#include <gtest/gtest.h>
#include <iconv.h>

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

// The decoder keeps a table made from iconv: every byte and every pair must decode as iconv
// itself decodes it, alone and between ASCII bytes, and fail where iconv fails.
TEST(Cp932, DecodesEveryByteAndPairAsIconvDoes) {
    iconv_t cd = iconv_open("UTF-32LE", "CP932");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    const auto by_iconv = [&](const std::string& bytes) -> std::optional<Text> {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        Text out(bytes.size() + 1, U'\0');
        char* src = const_cast<char*>(bytes.data());
        std::size_t src_left = bytes.size();
        char* dst = reinterpret_cast<char*>(out.data());
        std::size_t dst_left = out.size() * sizeof(char32_t);
        if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) return std::nullopt;
        out.resize(out.size() - dst_left / sizeof(char32_t));
        return out;
    };
    int checked = 0;
    for (int first = 0x80; first <= 0xFF; ++first) {
        std::vector<std::string> cases{std::string(1, static_cast<char>(first))};
        for (int second = 0; second <= 0xFF; ++second)
            cases.push_back(std::string{static_cast<char>(first), static_cast<char>(second)});
        for (const std::string& bytes : cases) {
            EXPECT_EQ(decode_cp932(bytes), by_iconv(bytes)) << std::hex << first << " " << bytes.size();
            EXPECT_EQ(decode_cp932("a" + bytes + "z"), by_iconv("a" + bytes + "z"));
            ++checked;
        }
    }
    iconv_close(cd);
    EXPECT_EQ(checked, 128 * 257);
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

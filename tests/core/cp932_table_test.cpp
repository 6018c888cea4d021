// The code page 932 tables the core converts with, against the C library's iconv they were
// generated from: every byte and pair decodes, and every character encodes, as iconv has it. A
// table made again from another C library, or edited by hand, fails here.
#if __has_include(<iconv.h>) && !defined(_WIN32)

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/text/cp932.h"
#include "cp932_table/iconv_cp932.h"

namespace tev {
namespace {

class Cp932TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        decoder = iconv_open("UTF-32LE", "CP932");
        encoder = iconv_open("CP932", "UTF-32LE");
        if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1))
            GTEST_SKIP() << "this C library has no CP932";
    }
    void TearDown() override {
        if (decoder != reinterpret_cast<iconv_t>(-1)) iconv_close(decoder);
        if (encoder != reinterpret_cast<iconv_t>(-1)) iconv_close(encoder);
    }
    iconv_t decoder = reinterpret_cast<iconv_t>(-1);
    iconv_t encoder = reinterpret_cast<iconv_t>(-1);
};

// Every byte and every pair decodes as iconv itself decodes it, alone and between ASCII bytes,
// and fails where iconv fails.
TEST_F(Cp932TableTest, EveryByteAndPairDecodesAsIconvHasIt) {
    const auto by_iconv = [&](const std::string& bytes) -> std::optional<Text> {
        iconv(decoder, nullptr, nullptr, nullptr, nullptr);
        Text out(bytes.size() + 1, U'\0');
        char* src = const_cast<char*>(bytes.data());
        std::size_t src_left = bytes.size();
        char* dst = reinterpret_cast<char*>(out.data());
        std::size_t dst_left = out.size() * sizeof(char32_t);
        if (iconv(decoder, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) return std::nullopt;
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
    EXPECT_EQ(checked, 128 * 257);
}

TEST_F(Cp932TableTest, EveryCharacterEncodesAsIconvHasIt) {
    int encodable = 0;
    for (char32_t c = 0x01; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const unsigned expected = cp932_source::encode(encoder, c);
        const auto encoded = encode_cp932(Text(1, c));
        ASSERT_EQ(encoded.has_value(), expected != 0) << std::hex << static_cast<unsigned>(c);
        if (!encoded) continue;
        std::string bytes;
        if (expected > 0xFF) bytes += static_cast<char>(expected >> 8);
        bytes += static_cast<char>(expected & 0xFF);
        ASSERT_EQ(*encoded, bytes) << std::hex << static_cast<unsigned>(c);
        ++encodable;
    }
    EXPECT_GT(encodable, 7000);
    EXPECT_FALSE(encode_cp932(U"\U0001F600").has_value());  // beyond the 16-bit characters
}

}  // namespace
}  // namespace tev

#endif

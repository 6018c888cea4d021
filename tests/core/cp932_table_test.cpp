// The code page 932 tables the core converts with, against the C library's iconv they were
// generated from: every byte and pair decodes, and every character encodes, as iconv has it. A
// table made again from another C library, or edited by hand, fails here.
#if __has_include(<iconv.h>) && !defined(_WIN32)

#include <gtest/gtest.h>

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

TEST_F(Cp932TableTest, EveryByteAndPairDecodesAsIconvHasIt) {
    int checked = 0;
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        if (!cp932_source::is_lead_byte(lead)) {
            const std::string one(1, static_cast<char>(lead));
            const char32_t expected = cp932_source::decode(decoder, one);
            const auto decoded = decode_cp932(one);
            EXPECT_EQ(decoded.has_value(), expected != 0) << std::hex << lead;
            if (decoded && expected != 0) {
                EXPECT_EQ(*decoded, Text(1, expected)) << std::hex << lead;
            }
            ++checked;
            continue;
        }
        for (unsigned trail = 0x00; trail <= 0xFF; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const char32_t expected = trail < 0x40 || trail == 0x7F ? 0 : cp932_source::decode(decoder, pair);
            const auto decoded = decode_cp932(pair);
            ASSERT_EQ(decoded.has_value(), expected != 0) << std::hex << lead << " " << trail;
            if (decoded) {
                ASSERT_EQ(*decoded, Text(1, expected)) << std::hex << lead << " " << trail;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 15000);
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

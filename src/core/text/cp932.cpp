#include "core/text/cp932.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <vector>

namespace tev {

namespace {

static_assert(std::endian::native == std::endian::little, "UTF-32LE is the host's char32_t");

// One iconv conversion of a whole buffer; nothing on any invalid or unmappable input.
std::optional<std::string> convert(const char* to, const char* from, const char* in,
                                   std::size_t in_size) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(in_size * 2 + 16, '\0');
    char* src = const_cast<char*>(in);
    std::size_t src_left = in_size;
    char* dst = out.data();
    std::size_t dst_left = out.size();
    bool ok = true;
    while (src_left > 0) {
        if (iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<std::size_t>(-1)) continue;
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        const std::size_t used = out.size() - dst_left;
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dst_left = out.size() - used;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(out.size() - dst_left);
    return out;
}

}  // namespace

std::optional<std::string> encode_cp932(TextView text) {
    if (text.empty()) return std::string();
    // ASCII alone needs no conversion; most items are numbers and blanks.
    bool plain = true;
    for (char32_t c : text) plain = plain && c < 0x80;
    if (plain) return std::string(text.begin(), text.end());
    return convert("CP932", "UTF-32LE", reinterpret_cast<const char*>(text.data()),
                   text.size() * sizeof(char32_t));
}

std::optional<Text> decode_cp932(std::string_view bytes) {
    bool plain = true;
    for (char b : bytes) plain = plain && static_cast<unsigned char>(b) < 0x80;
    if (plain) return Text(bytes.begin(), bytes.end());
    auto utf32 = convert("UTF-32LE", "CP932", bytes.data(), bytes.size());
    if (!utf32) return std::nullopt;
    Text out(utf32->size() / sizeof(char32_t), U'\0');
    std::copy(utf32->begin(), utf32->end(), reinterpret_cast<char*>(out.data()));
    return out;
}

bool fits_cp932(TextView text) { return encode_cp932(text).has_value(); }

}  // namespace tev

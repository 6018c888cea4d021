#include "core/text/cp932.h"

#include <iconv.h>

#include <bit>

namespace tev {

namespace {

static_assert(std::endian::native == std::endian::little, "UTF-32LE is the host's char32_t");

// One conversion descriptor per direction and thread, opened on first use: opening one costs
// more than converting a line, and the readers convert thousands of strings.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (usable()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole of `in` into `out` (which has room for all of it); false on any
    // invalid or unmappable input or when `out` is too small. `out_left` is what stays unused.
    bool convert(const char* in, std::size_t in_size, char* out, std::size_t& out_left) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a failed call may have left a shift state
        char* src = const_cast<char*>(in);
        std::size_t src_left = in_size;
        return iconv(cd_, &src, &src_left, &out, &out_left) != static_cast<std::size_t>(-1) &&
               src_left == 0;
    }

private:
    iconv_t cd_;
};

Converter& cp932_decoder() {
    thread_local Converter decoder("UTF-32LE", "CP932");
    return decoder;
}

Converter& cp932_encoder() {
    thread_local Converter encoder("CP932", "UTF-32LE");
    return encoder;
}

bool all_ascii(std::string_view bytes) {
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) return false;
    return true;
}

}  // namespace

std::optional<std::string> encode_cp932(TextView text) {
    if (text.empty()) return std::string();
    // ASCII alone needs no conversion; most items are numbers and blanks.
    bool plain = true;
    for (char32_t c : text) plain = plain && c < 0x80;
    if (plain) return std::string(text.begin(), text.end());
    Converter& encoder = cp932_encoder();
    if (!encoder.usable()) return std::nullopt;
    std::string out(text.size() * 2, '\0');  // at most two bytes a character
    std::size_t out_left = out.size();
    if (!encoder.convert(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char32_t),
                         out.data(), out_left))
        return std::nullopt;
    out.resize(out.size() - out_left);
    return out;
}

std::optional<Text> decode_cp932(std::string_view bytes) {
    if (all_ascii(bytes)) return Text(bytes.begin(), bytes.end());
    Converter& decoder = cp932_decoder();
    if (!decoder.usable()) return std::nullopt;
    Text out(bytes.size(), U'\0');  // never more characters than bytes
    std::size_t out_left = out.size() * sizeof(char32_t);
    if (!decoder.convert(bytes.data(), bytes.size(), reinterpret_cast<char*>(out.data()), out_left))
        return std::nullopt;
    out.resize(out.size() - out_left / sizeof(char32_t));
    return out;
}

bool fits_cp932(TextView text) { return encode_cp932(text).has_value(); }

}  // namespace tev

#include "core/text/cp932.h"

#include <iconv.h>

#include <array>
#include <bit>
#include <memory>
#include <vector>

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

    // Converts as much of `in` as is valid: `done` bytes; true when that is all of it.
    bool convert_prefix(const char* in, std::size_t in_size, char* out, std::size_t& out_left,
                        std::size_t& done) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        std::size_t src_left = in_size;
        const bool ok = iconv(cd_, &src, &src_left, &out, &out_left) != static_cast<std::size_t>(-1);
        done = in_size - src_left;
        return ok && src_left == 0;
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

namespace {

// True when `b` starts a two-byte character of code page 932.
bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The decoding table of code page 932, filled from iconv (the one source of truth for the code
// page) a row at a time as a file first needs it: one iconv pass per row instead of one call
// per run of characters, which costs more than the conversion itself. 0 marks a byte or pair
// that is not code page 932 (U+0000 is only ever the single byte 0x00).
class DecodeTable {
public:
    using Row = std::array<char32_t, 256>;

    // The character of the single byte `b` (0x80..0xFF, not a lead byte), or 0.
    char32_t single(unsigned char b) {
        if (!singles_) singles_ = fill_row(std::nullopt);
        return (*singles_)[b];
    }

    // The character of the pair `lead`, `trail`, or 0.
    char32_t pair(unsigned char lead, unsigned char trail) {
        auto& row = rows_[lead];
        if (!row) row = fill_row(lead);
        return (*row)[trail];
    }

private:
    // The row of `lead` (every trail byte after it), or of the single bytes 0x80..0xFF.
    static std::unique_ptr<Row> fill_row(std::optional<unsigned char> lead) {
        auto row = std::make_unique<Row>();
        row->fill(0);
        std::vector<unsigned char> codes;  // the second byte of a pair, or the single byte
        for (int c = lead ? 0x40 : 0x80; c <= 0xFF; ++c)
            if (lead ? c != 0x7F : !is_lead_byte(static_cast<unsigned char>(c))) codes.push_back(static_cast<unsigned char>(c));
        const std::size_t width = lead ? 2 : 1;
        std::string in;
        for (unsigned char c : codes) {
            if (lead) in += static_cast<char>(*lead);
            in += static_cast<char>(c);
        }
        Converter& decoder = cp932_decoder();
        if (!decoder.usable()) return row;
        // Converts codes [k, end) in one call where it can; an invalid code is skipped (left 0).
        std::size_t k = 0;
        while (k < codes.size()) {
            std::vector<char32_t> out(codes.size() - k);
            std::size_t room = out.size() * sizeof(char32_t);
            std::size_t done = 0;
            const bool whole = decoder.convert_prefix(in.data() + k * width, (codes.size() - k) * width,
                                                      reinterpret_cast<char*>(out.data()), room, done);
            const std::size_t made = out.size() - room / sizeof(char32_t);
            const std::size_t taken = done / width;
            if (made == taken && done % width == 0) {
                for (std::size_t j = 0; j < taken; ++j) (*row)[codes[k + j]] = out[j];
                k += taken;
            } else {
                // Not one character per code: convert these one at a time instead.
                for (std::size_t j = 0; j < taken; ++j) (*row)[codes[k + j]] = one(decoder, in, k + j, width);
                k += taken;
            }
            if (!whole) ++k;  // the code iconv stopped at is not code page 932
        }
        return row;
    }

    static char32_t one(Converter& decoder, const std::string& in, std::size_t k, std::size_t width) {
        char32_t c[2] = {0, 0};
        std::size_t room = sizeof(c);
        if (!decoder.convert(in.data() + k * width, width, reinterpret_cast<char*>(c), room)) return 0;
        return room == sizeof(char32_t) ? c[0] : 0;
    }

    std::unique_ptr<Row> singles_;
    std::array<std::unique_ptr<Row>, 256> rows_;
};

DecodeTable& decode_table() {
    thread_local DecodeTable table;
    return table;
}

}  // namespace

std::optional<Text> decode_cp932(std::string_view bytes) {
    if (all_ascii(bytes)) return Text(bytes.begin(), bytes.end());
    DecodeTable& table = decode_table();
    Text out(bytes.size(), U'\0');  // never more characters than bytes
    char32_t* to = out.data();
    // ASCII bytes stand for themselves in code page 932, as iconv maps them.
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            *to++ = c;
            ++i;
            continue;
        }
        char32_t decoded = 0;
        if (is_lead_byte(c)) {
            if (i + 1 < n) decoded = table.pair(c, b[i + 1]);
            i += 2;
        } else {
            decoded = table.single(c);
            ++i;
        }
        if (decoded == 0) return std::nullopt;
        *to++ = decoded;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

bool fits_cp932(TextView text) { return encode_cp932(text).has_value(); }

}  // namespace tev

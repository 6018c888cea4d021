#include "core/text/csv_read.h"

#include <optional>

#include "core/text/cp932.h"

namespace tev {

namespace {

// The file's characters: UTF-8 after a byte-order mark, else UTF-8 when the bytes are that,
// else code page 932. A file in code page 932 is almost never well-formed UTF-8 as well (its
// lead bytes 0x81-0x9F are UTF-8 continuation bytes), so the order decides nothing in practice.
Result<Text> decode(std::string_view bytes, const std::string& name) {
    if (bytes.find('\0') != std::string_view::npos)
        return Error{ErrorKind::damaged, name, 0, "テキストのファイルではありません"};
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, 3) == bom) {
        if (auto text = from_utf8_strict(bytes.substr(3))) return std::move(*text);
        return Error{ErrorKind::damaged, name, 0, "UTF-8として読めない文字があります"};
    }
    if (auto text = from_utf8_strict(bytes)) return std::move(*text);
    if (auto text = decode_cp932(bytes)) return std::move(*text);
    return Error{ErrorKind::damaged, name, 0, "文字コードがUTF-8でもシフトJIS（コードページ932）でもありません"};
}

class CsvParser {
public:
    CsvParser(TextView text, const std::string& name) : text_(text), name_(name) {}

    Result<std::vector<CsvRecord>> records() {
        std::vector<CsvRecord> out;
        while (at_ < text_.size()) {
            CsvRecord record{line_, {}};
            if (auto fault = read_record(record); fault) return *fault;
            const bool blank = record.fields.size() == 1 && record.fields[0].empty();
            if (!blank) out.push_back(std::move(record));
        }
        return out;
    }

private:
    // One record up to and including its line break.
    std::optional<Error> read_record(CsvRecord& record) {
        while (true) {
            Text field;
            if (auto fault = read_field(field); fault) return fault;
            record.fields.push_back(std::move(field));
            if (at_ >= text_.size()) return std::nullopt;
            const char32_t c = text_[at_];
            if (c == U',') {
                ++at_;
                continue;
            }
            end_line();
            return std::nullopt;
        }
    }

    // Steps over the line break at `at_` (CR LF, LF or a lone CR).
    void end_line() {
        if (text_[at_] == U'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == U'\n') ++at_;
        ++at_;
        ++line_;
    }

    std::optional<Error> read_field(Text& field) {
        if (at_ < text_.size() && text_[at_] == U'"') return read_quoted(field);
        while (at_ < text_.size() && text_[at_] != U',' && text_[at_] != U'\r' && text_[at_] != U'\n')
            field += text_[at_++];
        return std::nullopt;
    }

    std::optional<Error> read_quoted(Text& field) {
        const int opened = line_;
        ++at_;
        while (at_ < text_.size()) {
            const char32_t c = text_[at_];
            if (c == U'"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == U'"') {
                    field += U'"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                if (at_ < text_.size() && text_[at_] != U',' && text_[at_] != U'\r' && text_[at_] != U'\n')
                    return Error{ErrorKind::damaged, name_, line_, "閉じた引用符（\"）の後に文字があります"};
                return std::nullopt;
            }
            if (c == U'\r' || c == U'\n') {
                field += U'\n';
                end_line();
                continue;
            }
            field += c;
            ++at_;
        }
        return Error{ErrorKind::damaged, name_, opened, "引用符（\"）が閉じていません"};
    }

    TextView text_;
    const std::string& name_;
    std::size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

Result<std::vector<CsvRecord>> read_csv(std::string_view bytes, const std::string& name) {
    auto text = decode(bytes, name);
    if (!text) return text.error();
    return CsvParser(*text, name).records();
}

}  // namespace tev

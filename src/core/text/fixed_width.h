// Fixed-width text: every report line and every stored record is laid out with these helpers, so
// numbers and names are padded, cut and read the same way everywhere. Widths count characters.
#pragma once

#include <cstddef>
#include <optional>

#include "core/text/text.h"

namespace tev {

// The number as printed with a sign position: " 5", "-5", " 0".
Text num_text(long long value);

// The number without a sign position: "5", "-5".
Text plain_num(long long value);

// `num_text(value)` right-aligned in `width` characters: blanks in front, and when the text is
// wider than the field only its rightmost `width` characters are kept (123 in 2 gives "23").
Text right_num(long long value, std::size_t width);

// The digits of `value` right-aligned in at least `width` characters: the same text as
// `right_num` whenever the digits fit, but a wider number is kept whole, for counts whose digits
// must never be lost even if the column shifts.
Text right_num_uncut(long long value, std::size_t width);

// `text` right-aligned in `width` characters with ASCII blanks; rightmost characters kept.
Text right_text(TextView text, std::size_t width);

// `text` followed by ASCII blanks, cut to exactly `width` characters.
Text pad_ascii(TextView text, std::size_t width);

// `text` followed by full-width blanks (U+3000), cut to exactly `width` characters.
Text pad_wide(TextView text, std::size_t width);

// The columns a character takes in a fixed-width report: two for a full-width character, one for
// ASCII and half-width katakana.
inline int char_columns(char32_t c) {
    const bool half_kana = c >= 0xFF61 && c <= 0xFF9F;
    return c < 0x1100 || half_kana ? 1 : 2;
}

// The columns `text` takes in a fixed-width report.
int text_columns(TextView text);

// `text` followed by ASCII blanks up to `columns` columns (longer text is kept whole).
Text pad_columns(TextView text, int columns);

// `text` cut to at most `width` characters.
Text cut(TextView text, std::size_t width);

// `text` without trailing blanks of either kind (ASCII or U+3000).
Text trim_right(TextView text);

// `text` without leading or trailing blanks of either kind.
Text trim_both(TextView text);

// Characters `pos`..`pos + len - 1` of `text`, counting from 1; what lies outside is left out,
// so a short text gives a short (or empty) result instead of failing.
Text mid(TextView text, std::size_t pos, std::size_t len);

// The characters `mid` gives, as a view into `text` (valid while `text` is): for readers that
// only look at a field.
inline TextView mid_view(TextView text, std::size_t pos, std::size_t len) {
    if (pos == 0 || pos > text.size()) return TextView();
    return text.substr(pos - 1, len);
}

// `text` without trailing blanks of either kind, as a view into `text`.
TextView trim_right_view(TextView text);

// The number written in `text` with blanks ignored ("  " and "" read as 0), or nothing when
// anything but blanks, one leading minus sign and digits stands there.
// Inline: the readers and builders call it for every field of every game.
inline std::optional<long long> read_number(TextView text) {
    long long value = 0;
    bool negative = false;
    bool seen_digit = false;
    for (char32_t c : text) {
        if (c == U' ') continue;
        if (c == U'-' && !negative && !seen_digit) {
            negative = true;
        } else if (c >= U'0' && c <= U'9') {
            if (value > 100'000'000'000LL) return std::nullopt;  // far beyond any field
            value = value * 10 + (c - U'0');
            seen_digit = true;
        } else {
            return std::nullopt;
        }
    }
    if (negative && !seen_digit) return std::nullopt;
    return negative ? -value : value;
}

// The number written in `text`, or 0 when it is not one (" X", damaged fields).
inline long long number_or_zero(TextView text) { return read_number(text).value_or(0); }

// True when `c` is an ASCII blank or a full-width blank.
inline bool is_blank(char32_t c) { return c == U' ' || c == kWideBlank; }

}  // namespace tev

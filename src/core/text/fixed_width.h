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

// Columns of `c` in the report font: 1 for ASCII and half-width katakana (the characters code
// page 932 writes in one byte), 2 for every other character.
std::size_t columns_of(char32_t c);

// `text` cut to at most `columns` display columns (never inside a character) and filled to exactly
// that many: one ASCII blank when an odd column is left, then full-width blanks. For a text of
// full-width characters the same as `pad_wide(text, columns / 2)`; a name with half-width
// characters keeps the columns after it aligned.
Text pad_columns(TextView text, std::size_t columns);

// `text` cut to at most `width` characters.
Text cut(TextView text, std::size_t width);

// `text` without trailing blanks of either kind (ASCII or U+3000).
Text trim_right(TextView text);

// `text` without leading or trailing blanks of either kind.
Text trim_both(TextView text);

// Characters `pos`..`pos + len - 1` of `text`, counting from 1; what lies outside is left out,
// so a short text gives a short (or empty) result instead of failing.
Text mid(TextView text, std::size_t pos, std::size_t len);

// The number written in `text` with blanks ignored ("  " and "" read as 0), or nothing when
// anything but blanks, one leading minus sign and digits stands there.
std::optional<long long> read_number(TextView text);

// The number written in `text`, or 0 when it is not one (" X", damaged fields).
long long number_or_zero(TextView text);

// True when `c` is an ASCII blank or a full-width blank.
inline bool is_blank(char32_t c) { return c == U' ' || c == kWideBlank; }

}  // namespace tev

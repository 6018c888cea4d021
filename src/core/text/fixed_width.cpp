#include "core/text/fixed_width.h"

#include <algorithm>
#include <string>

namespace tev {

Text plain_num(long long value) { return ascii(std::to_string(value)); }

Text num_text(long long value) {
    if (value < 0) return plain_num(value);
    Text out(1, U' ');  // the sign blank; appended, since U" " + Text trips GCC 12's -Wrestrict
    out += plain_num(value);
    return out;
}

Text right_text(TextView text, std::size_t width) {
    if (text.size() >= width) return Text(text.substr(text.size() - width));
    return Text(width - text.size(), U' ') + Text(text);
}

Text right_num(long long value, std::size_t width) { return right_text(num_text(value), width); }

Text right_num_uncut(long long value, std::size_t width) {
    const Text text = plain_num(value);
    return text.size() >= width ? text : right_text(text, width);
}

Text cut(TextView text, std::size_t width) { return Text(text.substr(0, width)); }

Text pad_ascii(TextView text, std::size_t width) {
    Text out = cut(text, width);
    out.append(width - out.size(), U' ');
    return out;
}

Text pad_wide(TextView text, std::size_t width) {
    Text out = cut(text, width);
    out.append(width - out.size(), kWideBlank);
    return out;
}

TextView trim_right_view(TextView text) {
    std::size_t end = text.size();
    while (end > 0 && is_blank(text[end - 1])) --end;
    return text.substr(0, end);
}

Text trim_right(TextView text) { return Text(trim_right_view(text)); }

Text trim_both(TextView text) {
    std::size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin])) ++begin;
    return trim_right(text.substr(begin));
}

Text mid(TextView text, std::size_t pos, std::size_t len) {
    if (pos == 0 || pos > text.size()) return Text();
    return Text(text.substr(pos - 1, len));
}

int text_columns(TextView text) {
    int columns = 0;
    for (char32_t c : text) columns += char_columns(c);
    return columns;
}

Text pad_columns(TextView text, int columns) {
    const int used = text_columns(text);
    return Text(text) + Text(static_cast<std::size_t>(std::max(0, columns - used)), U' ');
}

}  // namespace tev

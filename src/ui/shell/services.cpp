#include "ui/shell/services.h"

#include "core/text/fixed_width.h"
#include "core/platform/utf8_path.h"

namespace tev::ui {

namespace {

Text two_digits(int n) {
    Text out = n < 10 ? Text(1, U'0') : Text();
    out += plain_num(n);
    return out;
}

}  // namespace

Text saved_status(const std::filesystem::path& file) { return U"保存しました：" + from_utf8(utf8_string(file)); }

Text short_date_text(const DateTime& t) {
    return plain_num(t.year) + U"/" + two_digits(t.month) + U"/" + two_digits(t.day);
}

Text short_time_text(const DateTime& t) {
    return two_digits(t.hour) + U":" + two_digits(t.minute) + U":" + two_digits(t.second);
}

}  // namespace tev::ui

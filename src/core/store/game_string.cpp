#include "core/store/game_string.h"

#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr std::size_t kFirstInnings = 40;
constexpr std::size_t kSecondInnings = 70;
constexpr std::size_t kDate = 100;

bool is_digits_with_blanks(TextView field) {
    bool digit_seen = false;
    for (char32_t c : field) {
        if (c >= U'0' && c <= U'9') {
            digit_seen = true;
        } else if (c != U' ' || digit_seen) {
            return false;  // blanks only before the digits: the field is right-aligned
        }
    }
    return true;
}

// Compared by hand: the shape check runs on all 30 cells of every stored game at each read.
bool is_inning_cell(TextView cell) {
    return (cell.size() == 2 && cell[0] == U' ' && cell[1] == U'X') || is_digits_with_blanks(cell);
}

}  // namespace

Text format_hr(const HrEntry& hr) {
    return right_num(hr.batter_team, 2) + pad_wide(hr.batter, 10) + right_num(hr.pitcher_team, 2) +
           pad_wide(hr.pitcher, 10);
}

HrEntry parse_hr(TextView record) {
    HrEntry hr;
    hr.batter_team = static_cast<int>(number_or_zero(mid(record, 1, 2)));
    hr.batter = trim_right(mid(record, 3, 10));
    hr.pitcher_team = static_cast<int>(number_or_zero(mid(record, 13, 2)));
    hr.pitcher = trim_right(mid(record, 15, 10));
    return hr;
}

Text format_game(const GameFields& game) {
    Text s;
    s.reserve(kGameLength + kHrLength * game.hr_records.size());
    s += right_num(game.first_runs, 2);
    s += right_num(game.second_runs, 2);
    s += pad_ascii(game.first_pitcher, 10);
    s += pad_ascii(game.second_pitcher, 10);
    s += pad_ascii(game.save_pitcher, 10);
    s += right_text(game.attendance, 5);
    s += pad_ascii(game.first_innings, 30);
    s += pad_ascii(game.second_innings, 30);
    s += pad_ascii(game.year, 4) + U"/" + right_num(game.month, 2) + U"/" + right_num(game.day, 2);
    for (const Text& record : game.hr_records) s += pad_wide(record, kHrLength);
    return s;
}

GameFields parse_game(TextView game) {
    GameFields f;
    f.first_runs = first_runs(game);
    f.second_runs = second_runs(game);
    f.first_pitcher = first_pitcher(game);
    f.second_pitcher = second_pitcher(game);
    f.save_pitcher = save_pitcher(game);
    f.attendance = mid(game, 35, 5);
    f.first_innings = mid(game, kFirstInnings, 30);
    f.second_innings = mid(game, kSecondInnings, 30);
    f.year = mid(game, kDate, 4);
    f.month = game_month(game);
    f.day = game_day(game);
    for (int j = 0; j < hr_count(game); ++j) f.hr_records.push_back(hr_at(game, j));
    return f;
}

std::optional<std::string> game_shape_error(TextView game) {
    if (game.size() < kGameLength) return "試合データが109文字より短くなっています";
    if ((game.size() - kGameLength) % kHrLength != 0) return "試合データの長さが正しくありません";
    if (hr_count(game) > kMaxHomeRuns) return "ホームランの記録が15件を超えています";
    if (!is_digits_with_blanks(mid_view(game, 1, 2)) || !is_digits_with_blanks(mid_view(game, 3, 2)))
        return "得点が数値ではありません";
    if (!is_digits_with_blanks(mid_view(game, 35, 5))) return "観客数が数値ではありません";
    for (int i = 1; i <= 15; ++i) {
        if (!is_inning_cell(mid_view(game, kFirstInnings + 2 * (i - 1), 2)) ||
            !is_inning_cell(mid_view(game, kSecondInnings + 2 * (i - 1), 2)))
            return "各回の得点が数値ではありません";
    }
    const TextView year = mid_view(game, kDate, 4);
    const bool year_ok = is_digits_with_blanks(year) && year.find(U' ') == TextView::npos;
    if (!year_ok || game[103] != U'/' || game[106] != U'/') return "日付が正しくありません";
    const auto month = read_number(mid_view(game, 105, 2));
    const auto day = read_number(mid_view(game, 108, 2));
    if (!is_digits_with_blanks(mid_view(game, 105, 2)) || !is_digits_with_blanks(mid_view(game, 108, 2)) ||
        !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return "日付が正しくありません";
    for (int j = 0; j < hr_count(game); ++j) {
        const TextView record = mid_view(game, kGameLength + 1 + kHrLength * j, kHrLength);
        const auto batter_team = read_number(mid_view(record, 1, 2));
        const auto pitcher_team = read_number(mid_view(record, 13, 2));
        if (!batter_team || !pitcher_team || *batter_team < 1 || *batter_team > 12 ||
            *pitcher_team < 1 || *pitcher_team > 12)
            return "ホームラン記録の球団番号が正しくありません";
    }
    return std::nullopt;
}

int hr_count(TextView game) {
    return game.size() < kGameLength ? 0 : static_cast<int>((game.size() - kGameLength) / kHrLength);
}

Text hr_at(TextView game, int j) {
    if (j < 0 || j >= hr_count(game)) return Text();
    return mid(game, kGameLength + 1 + kHrLength * j, kHrLength);
}

int first_runs(TextView game) { return static_cast<int>(number_or_zero(mid_view(game, 1, 2))); }
int second_runs(TextView game) { return static_cast<int>(number_or_zero(mid_view(game, 3, 2))); }
int game_month(TextView game) { return static_cast<int>(number_or_zero(mid_view(game, 105, 2))); }
int game_day(TextView game) { return static_cast<int>(number_or_zero(mid_view(game, 108, 2))); }
bool has_line_score(TextView game) { return !trim_right_view(mid_view(game, 40, 60)).empty(); }

long long game_attendance(TextView game) { return number_or_zero(mid_view(game, 35, 5)); }
Text first_pitcher(TextView game) { return trim_right(mid_view(game, 5, 10)); }
Text second_pitcher(TextView game) { return trim_right(mid_view(game, 15, 10)); }
Text save_pitcher(TextView game) { return trim_right(mid_view(game, 25, 10)); }
Text month_day_text(TextView game) { return mid(game, 105, 5); }

Text inning_cell(TextView game, bool first, int i) {
    return mid(game, (first ? kFirstInnings : kSecondInnings) + 2 * (i - 1), 2);
}

}  // namespace tev

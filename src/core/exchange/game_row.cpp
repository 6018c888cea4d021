#include "core/exchange/game_row.h"

#include <algorithm>

#include "core/exchange/club_lookup.h"
#include "core/text/calendar.h"
#include "core/text/cp932.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

bool blank(char32_t c) { return c == U' ' || c == U'\t' || c == kWideBlank; }

Text trimmed(TextView text) {
    std::size_t b = 0, e = text.size();
    while (b < e && blank(text[b])) ++b;
    while (e > b && blank(text[e - 1])) --e;
    return Text(text.substr(b, e - b));
}

// A count or a score as a table writes it: digits, full-width ones too; nothing otherwise.
std::optional<int> number_of(TextView text) {
    const Text folded = fold_name(text);
    if (folded.empty() || folded.size() > 6) return std::nullopt;
    int value = 0;
    for (char32_t c : folded) {
        if (c < U'0' || c > U'9') return std::nullopt;
        value = value * 10 + static_cast<int>(c - U'0');
    }
    return value;
}

// The parts of "2026-06-03" or "2026/6/3".
std::optional<std::array<int, 3>> date_parts(TextView text) {
    Text folded = fold_name(text);
    std::replace(folded.begin(), folded.end(), U'/', U'-');
    std::array<int, 3> parts{};
    std::size_t from = 0;
    for (int k = 0; k < 3; ++k) {
        const std::size_t dash = k < 2 ? folded.find(U'-', from) : folded.size();
        if (dash == Text::npos) return std::nullopt;
        auto n = number_of(TextView(folded).substr(from, dash - from));
        if (!n) return std::nullopt;
        parts[k] = *n;
        from = dash + 1;
    }
    return parts;
}

Text quoted(TextView text) { return U"「" + Text(text) + U"」"; }

class RowReader {
public:
    RowReader(const CsvRecord& record, const ColumnPlaces& places, const Season& season)
        : record_(record), places_(places), season_(season) {
        game_.line = record.line;
        game_.fields.year = ascii(season.disp_year);
    }

    RowReading read() {
        if (date() && clubs() && scores() && meeting() && innings() && pitchers() && attendance() && homers())
            return {std::move(game_), {}};
        return {std::nullopt, refusal_};
    }

private:
    Text at(GameColumn column) const {
        const auto& place = places_.of(column);
        if (!place || *place >= record_.fields.size()) return {};
        return trimmed(record_.fields[*place]);
    }

    bool refuse(Text why) {
        refusal_ = std::move(why);
        return false;
    }

    bool date() {
        const Text text = at(GameColumn::date);
        const auto parts = date_parts(text);
        if (!parts) return refuse(U"日付" + quoted(text) + U"が読めません（2026-06-03 か 2026/6/3 の形で書いて下さい）");
        const auto [year, month, day] = *parts;
        if (std::to_string(year) != season_.disp_year)
            return refuse(U"日付の年（" + ascii(std::to_string(year)) + U"）がこの年度（" + ascii(season_.disp_year) + U"）と違います");
        if (month < 1 || month > 12 || day < 1 || day > days_in_month(year, month))
            return refuse(U"日付" + quoted(text) + U"はありません");
        if (month < 3 || month > 10) return refuse(U"日付" + quoted(text) + U"がシーズン（3月から10月）の外です");
        game_.fields.month = month;
        game_.fields.day = day;
        return true;
    }

    bool club(GameColumn column, int& team) {
        const Text text = at(column);
        team = club_by_name(text, season_.clubs);
        if (team == 0) return refuse(U"球団" + quoted(text) + U"が分かりません");
        return true;
    }

    bool clubs() {
        if (!club(GameColumn::visitor, game_.visitor) || !club(GameColumn::home, game_.home)) return false;
        if (game_.visitor == game_.home)
            return refuse(U"先攻と後攻が同じ球団です（" + season_.clubs.team_short(game_.visitor) + U"）");
        if (game_.interleague() && season_.interleague_meetings == 0)
            return refuse(ascii(season_.disp_year) + U"年は交流戦のない年です（" + season_.clubs.team_short(game_.visitor) +
                          U" 対 " + season_.clubs.team_short(game_.home) + U"）");
        return true;
    }

    bool score(GameColumn column, const Text& who, int& runs) {
        const Text text = at(column);
        const auto n = number_of(text);
        if (!n || *n > 99) return refuse(who + U"得点" + quoted(text) + U"が0から99の数ではありません");
        runs = *n;
        return true;
    }

    bool scores() {
        return score(GameColumn::visitor_score, U"先攻", game_.fields.first_runs) &&
               score(GameColumn::home_score, U"後攻", game_.fields.second_runs);
    }

    bool meeting() {
        const Text text = at(GameColumn::meeting);
        if (text.empty()) return true;
        const auto n = number_of(text);
        const int most = meetings_of_pair(season_, game_.visitor, game_.home);
        if (!n || *n < 1) return refuse(U"回戦" + quoted(text) + U"が1からの数ではありません");
        if (*n > most)
            return refuse(season_.clubs.team_short(game_.visitor) + U" 対 " + season_.clubs.team_short(game_.home) +
                          U" は" + plain_num(most) + U"回戦までです（" + plain_num(*n) + U"回戦）");
        game_.meeting = *n;
        return true;
    }

    // The cells of one club's innings: numbers, "X" for a bottom half not played.
    bool cells(GameColumn column, const Text& who, std::vector<Text>& out) {
        Text text = at(column);
        std::replace(text.begin(), text.end(), U',', U' ');
        std::replace(text.begin(), text.end(), U'、', U' ');
        std::size_t from = 0;
        while (from < text.size()) {
            while (from < text.size() && blank(text[from])) ++from;
            std::size_t end = from;
            while (end < text.size() && !blank(text[end])) ++end;
            if (end == from) break;
            const Text cell = fold_name(TextView(text).substr(from, end - from));
            if (cell == U"x") out.push_back(U"X");
            else if (auto n = number_of(cell); n && *n <= 99) out.push_back(plain_num(*n));
            else return refuse(who + U"各回の" + quoted(TextView(text).substr(from, end - from)) + U"が0から99の数でもXでもありません");
            from = end;
        }
        if (out.size() > 15) return refuse(who + U"各回が15回を超えています");
        return true;
    }

    static int sum(const std::vector<Text>& cells) {
        int total = 0;
        for (const Text& c : cells)
            if (c != U"X") total += *number_of(c);
        return total;
    }

    static Text joined(const std::vector<Text>& cells) {
        Text out;
        for (const Text& c : cells) out += right_text(c, 2);
        return out;
    }

    bool innings() {
        std::vector<Text> first, second;
        if (!cells(GameColumn::visitor_innings, U"先攻", first) || !cells(GameColumn::home_innings, U"後攻", second))
            return false;
        if (first.empty() && second.empty()) return true;
        if (first.empty() || second.empty()) return refuse(U"各回の得点が先攻と後攻の一方にしかありません");
        if (first.size() != second.size()) return refuse(U"先攻と後攻の回の数が違います（" + plain_num(static_cast<long long>(first.size())) + U"回と" + plain_num(static_cast<long long>(second.size())) + U"回）");
        if (std::find(first.begin(), first.end(), U"X") != first.end()) return refuse(U"先攻各回にXがあります");
        const auto x = std::find(second.begin(), second.end(), U"X");
        if (x != second.end() && x + 1 != second.end()) return refuse(U"後攻各回のXが最終回ではありません");
        const int r1 = game_.fields.first_runs, r2 = game_.fields.second_runs;
        if (sum(first) != r1) return refuse(U"先攻各回の合計（" + plain_num(sum(first)) + U"）が先攻得点（" + plain_num(r1) + U"）と違います");
        if (sum(second) != r2) return refuse(U"後攻各回の合計（" + plain_num(sum(second)) + U"）が後攻得点（" + plain_num(r2) + U"）と違います");
        if (x != second.end() && r2 <= r1) return refuse(U"後攻の最終回がXですが、後攻が勝っていません");
        game_.fields.first_innings = joined(first);
        game_.fields.second_innings = joined(second);
        game_.line_score = true;
        return true;
    }

    // A name the data files can hold: at most `width` characters of code page 932, no quote.
    bool name_fits(const Text& name, const Text& what, std::size_t width) {
        if (name.size() > width) return refuse(what + quoted(name) + U"は" + plain_num(static_cast<long long>(width)) + U"文字までです");
        if (name.find(U'"') != Text::npos) return refuse(what + quoted(name) + U"に「\"」は使えません");
        if (!fits_cp932(name)) return refuse(what + quoted(name) + U"にデータファイルに書けない文字があります");
        return true;
    }

    bool pitchers() {
        const Text winner = at(GameColumn::winning_pitcher), loser = at(GameColumn::losing_pitcher);
        const Text saver = at(GameColumn::save_pitcher);
        Text first = at(GameColumn::visitor_pitcher), second = at(GameColumn::home_pitcher);
        using Named = std::pair<const Text*, const char32_t*>;
        for (const auto& [name, what] : {Named{&winner, U"勝利投手"}, Named{&loser, U"敗戦投手"}, Named{&saver, U"セーブ投手"},
                                         Named{&first, U"先攻投手"}, Named{&second, U"後攻投手"}})
            if (!name_fits(*name, what, 10)) return false;
        const int r1 = game_.fields.first_runs, r2 = game_.fields.second_runs;
        if (r1 == r2) {
            if (!winner.empty()) return refuse(U"引き分けに勝利投手" + quoted(winner) + U"があります");
            if (!loser.empty()) return refuse(U"引き分けに敗戦投手" + quoted(loser) + U"があります");
            if (!saver.empty()) return refuse(U"引き分けにセーブ投手" + quoted(saver) + U"があります");
        } else {
            // The winner's and the loser's clubs follow from the score.
            const Text& first_of_record = r1 > r2 ? winner : loser;
            const Text& second_of_record = r1 > r2 ? loser : winner;
            if (!first.empty() && !first_of_record.empty() && first != first_of_record)
                return refuse(U"先攻投手" + quoted(first) + U"が" + (r1 > r2 ? U"勝利投手" : U"敗戦投手") + quoted(first_of_record) + U"と違います");
            if (!second.empty() && !second_of_record.empty() && second != second_of_record)
                return refuse(U"後攻投手" + quoted(second) + U"が" + (r1 > r2 ? U"敗戦投手" : U"勝利投手") + quoted(second_of_record) + U"と違います");
            if (!first_of_record.empty()) first = first_of_record;
            if (!second_of_record.empty()) second = second_of_record;
        }
        game_.fields.first_pitcher = first;
        game_.fields.second_pitcher = second;
        game_.fields.save_pitcher = saver;
        return true;
    }

    bool attendance() {
        const Text text = at(GameColumn::attendance);
        if (text.empty()) return true;
        Text digits = fold_name(text);
        digits.erase(std::remove(digits.begin(), digits.end(), U','), digits.end());
        const auto n = number_of(digits);
        if (!n) return refuse(U"観客数" + quoted(text) + U"が数ではありません");
        if (*n > 99999) return refuse(U"観客数" + quoted(text) + U"は99999人までです");
        game_.fields.attendance = plain_num(*n);
        return true;
    }

    struct Homer {
        int order = 0;  // the place among the game's home runs, 0 when the row gave none
        HrEntry entry;
    };

    bool homers_of(GameColumn column, const Text& who, int batting, int pitching, std::vector<Homer>& out) {
        const Text text = at(column);
        std::size_t from = 0;
        int count = 0;
        while (from <= text.size() && !text.empty()) {
            std::size_t end = text.find_first_of(U";；", from);
            if (end == Text::npos) end = text.size();
            Text item = trimmed(TextView(text).substr(from, end - from));
            from = end + 1;
            if (item.empty()) continue;
            Homer homer;
            if (const std::size_t colon = item.find_first_of(U":："); colon != Text::npos) {
                const auto n = number_of(TextView(item).substr(0, colon));
                if (!n || *n < 1) return refuse(who + U"本塁打" + quoted(item) + U"の順番が読めません");
                homer.order = *n;
                item = trimmed(TextView(item).substr(colon + 1));
            }
            const std::size_t slash = item.find_first_of(U"/／");
            if (slash == Text::npos) return refuse(who + U"本塁打" + quoted(item) + U"が「打者/投手」の形ではありません");
            homer.entry = HrEntry{batting, trimmed(TextView(item).substr(0, slash)), pitching,
                                  trimmed(TextView(item).substr(slash + 1))};
            if (homer.entry.batter.empty() || homer.entry.pitcher.empty())
                return refuse(who + U"本塁打" + quoted(item) + U"の打者か投手がありません");
            if (!name_fits(homer.entry.batter, U"打者名", 10) || !name_fits(homer.entry.pitcher, U"投手名", 10)) return false;
            out.push_back(std::move(homer));
            ++count;
        }
        const int runs = batting == game_.visitor ? game_.fields.first_runs : game_.fields.second_runs;
        if (count > runs)
            return refuse(who + U"の本塁打（" + plain_num(count) + U"本）が得点（" + plain_num(runs) + U"）を超えています");
        return true;
    }

    bool homers() {
        std::vector<Homer> all;
        if (!homers_of(GameColumn::visitor_homers, U"先攻", game_.visitor, game_.home, all) ||
            !homers_of(GameColumn::home_homers, U"後攻", game_.home, game_.visitor, all))
            return false;
        if (all.size() > static_cast<std::size_t>(kMaxHomeRuns))
            return refuse(U"本塁打は1試合" + plain_num(kMaxHomeRuns) + U"本までです（" + plain_num(static_cast<long long>(all.size())) + U"本）");
        const bool ordered = std::any_of(all.begin(), all.end(), [](const Homer& h) { return h.order > 0; });
        if (ordered) {
            // Numbered home runs keep the game's order: 1..n, each once.
            std::vector<bool> seen(all.size() + 1, false);
            for (const Homer& h : all) {
                if (h.order < 1 || h.order > static_cast<int>(all.size()) || seen[h.order])
                    return refuse(U"本塁打の順番が1から" + plain_num(static_cast<long long>(all.size())) + U"までの一つずつではありません");
                seen[h.order] = true;
            }
            std::sort(all.begin(), all.end(), [](const Homer& a, const Homer& b) { return a.order < b.order; });
        }
        for (const Homer& h : all) game_.fields.hr_records.push_back(format_hr(h.entry));
        return true;
    }

    const CsvRecord& record_;
    const ColumnPlaces& places_;
    const Season& season_;
    ImportedGame game_;
    Text refusal_;
};

}  // namespace

int meetings_of_pair(const Season& season, int visitor, int home) {
    return league_of(visitor) == league_of(home) ? season.clubs.meetings : season.interleague_meetings;
}

RowReading read_game_row(const CsvRecord& record, const ColumnPlaces& places, const Season& season) {
    return RowReader(record, places, season).read();
}

}  // namespace tev

#include "season_gen.h"

#include <algorithm>
#include <memory>
#include <array>
#include <random>
#include <vector>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/homeruns/homerun_file.h"
#include "core/homeruns/homerun_make.h"
#include "core/pitchers/pitcher_make.h"
#include "core/stats/score_list.h"
#include "core/settings/settings.h"
#include "core/store/game_string.h"
#include "core/store/season_files.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev::gen {

namespace {

constexpr int kMeetingsPerPair = 26;
constexpr int kRounds = 5 * kMeetingsPerPair;  // each round every club plays once
constexpr int kSeasonDays = 195;               // 30 March .. 10 October

const std::array<Text, 24> kSurnames = {
    U"斎藤", U"桑田", U"槙原", U"川崎", U"石井", U"伊藤", U"高津", U"岡林", U"野村", U"盛田",
    U"佐々木", U"三浦", U"藪", U"川尻", U"中込", U"佐々岡", U"北別府", U"大野", U"山本", U"今中",
    U"宣", U"野口", U"星野", U"小島"};

// Foreign names of 9 or 10 half-width characters, the widest a name field holds.
const std::array<Text, 6> kLongNames = {U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ", U"ｸﾞﾘｰﾝｳｪﾙｽﾞ", U"ﾛｰｽﾞﾍﾞﾘｰﾄ", U"ｶﾞﾙﾍﾞｽｼﾞｭﾆ",
                                        U"ﾊﾞｰﾌｨｰﾙﾄﾞ", U"ﾌﾞﾗｯｸｳｪﾙ"};

const std::array<Text, 10> kGiven = {U"雅", U"真", U"明", U"健", U"一", U"和", U"正", U"浩", U"博", U"豊"};

using Rng = std::mt19937;

int pick(Rng& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

// Twelve pitchers per club: ten starters and relievers, two closers (the last two).
std::vector<Text> make_staff(Rng& rng, int team) {
    std::vector<Text> staff;
    while (staff.size() < 12) {
        Text name = staff.size() % 5 == 4 ? kLongNames[(team + staff.size()) % kLongNames.size()]
                                           : kSurnames[pick(rng, kSurnames.size())] + kGiven[pick(rng, kGiven.size())];
        if (std::find(staff.begin(), staff.end(), name) == staff.end()) staff.push_back(name);
    }
    return staff;
}

std::vector<Text> make_lineup(Rng& rng) {
    std::vector<Text> lineup;
    while (lineup.size() < 9) {
        Text name = kSurnames[pick(rng, kSurnames.size())] + kGiven[pick(rng, kGiven.size())] + U"郎";
        if (lineup.size() == 3) name = kLongNames[pick(rng, kLongNames.size())];
        if (std::find(lineup.begin(), lineup.end(), name) == lineup.end()) lineup.push_back(name);
    }
    return lineup;
}

int half_inning_runs(Rng& rng) {
    static const std::array<int, 8> weights = {720, 150, 70, 35, 15, 6, 3, 1};
    std::discrete_distribution<int> runs(weights.begin(), weights.end());
    return runs(rng);
}

struct Innings {
    Text first, second;
    int first_runs = 0, second_runs = 0;
};

// Nine innings, the bottom of the ninth " X" when the home club leads, extra innings up to the
// twelfth while level, a draw when still level after twelve.
Innings play_innings(Rng& rng) {
    Innings g;
    for (int inning = 1; inning <= 12; ++inning) {
        const int top = half_inning_runs(rng);
        g.first_runs += top;
        g.first += right_num(top, 2);
        if (inning >= 9 && g.second_runs > g.first_runs) {
            g.second += U" X";
            break;
        }
        const int bottom = half_inning_runs(rng);
        g.second_runs += bottom;
        g.second += right_num(bottom, 2);
        if (inning >= 9 && g.first_runs != g.second_runs) break;
    }
    return g;
}

struct Club {
    std::vector<Text> staff;
    std::vector<Text> lineup;
};

std::vector<Text> home_runs(Rng& rng, int first, int second, const Innings& g, const std::array<Club, 13>& clubs) {
    std::vector<Text> records;
    const int wanted = std::discrete_distribution<int>({40, 30, 15, 8, 4, 2, 1})(rng);
    for (int k = 0; k < wanted; ++k) {
        const bool first_bats = g.second_runs == 0 || (g.first_runs > 0 && pick(rng, 2) == 0);
        const int runs = first_bats ? g.first_runs : g.second_runs;
        int already = 0;
        for (const Text& r : records) already += parse_hr(r).batter_team == (first_bats ? first : second);
        if (runs == 0 || already >= runs) continue;
        const int bat = first_bats ? first : second;
        const int pit = first_bats ? second : first;
        records.push_back(format_hr(HrEntry{bat, clubs[bat].lineup[pick(rng, 9)], pit, clubs[pit].staff[pick(rng, 12)]}));
    }
    return records;
}

// Month and day of season day d (0 = 30 March).
std::pair<int, int> date_of(int d) {
    static const std::array<int, 8> lengths = {31, 30, 31, 30, 31, 31, 30, 31};  // March..October
    int month = 3, day = 30 + d;
    while (day > lengths[month - 3]) {
        day -= lengths[month - 3];
        ++month;
    }
    return {month, day};
}

// The pairs of round r of a six-club circle schedule (five rounds cover all fifteen pairs).
std::array<std::pair<int, int>, 3> round_pairs(int r) {
    std::array<int, 6> seat = {0, 1, 2, 3, 4, 5};
    for (int i = 0; i < r % 5; ++i) std::rotate(seat.begin() + 1, seat.begin() + 5, seat.end());
    return {{{seat[0], seat[5]}, {seat[1], seat[4]}, {seat[2], seat[3]}}};
}

void play_league(Rng& rng, Season& season, int league, const std::array<Club, 13>& clubs) {
    std::array<std::array<int, 6>, 6> meetings{};
    for (int r = 0; r < kRounds; ++r) {
        const auto [month, day] = date_of(r * kSeasonDays / kRounds);
        for (auto [x, y] : round_pairs(r)) {
            const int n = ++meetings[std::min(x, y)][std::max(x, y)];
            const bool swap = (n + x + y) % 2 == 0;  // both orientations, about half each
            const int first = team_of(league, (swap ? y : x) + 1);
            const int second = team_of(league, (swap ? x : y) + 1);
            const Innings g = play_innings(rng);
            GameFields f;
            f.first_runs = g.first_runs;
            f.second_runs = g.second_runs;
            if (g.first_runs != g.second_runs) {
                f.first_pitcher = clubs[first].staff[pick(rng, 10)];
                f.second_pitcher = clubs[second].staff[pick(rng, 10)];
                const int winner = g.first_runs > g.second_runs ? first : second;
                if (std::abs(g.first_runs - g.second_runs) <= 3 && pick(rng, 5) < 3)
                    f.save_pitcher = clubs[winner].staff[10 + pick(rng, 2)];
            }
            f.attendance = plain_num(15000 + 500 * pick(rng, 81));
            f.first_innings = g.first;
            f.second_innings = g.second;
            f.year = ascii(season.disp_year);
            f.month = month;
            f.day = day;
            f.hr_records = home_runs(rng, first, second, g, clubs);
            season.game_at(first, league_index(second), n) = format_game(f);
        }
    }
}

}  // namespace

Season generate_season(const std::string& year, std::uint32_t seed) {
    Rng rng(seed);
    Season season;
    season.disp_year = year;
    season.interleague_meetings = era_shape(year).interleague_meetings;  // as a year without the file reads
    std::array<Club, 13> clubs;
    for (int t = 1; t <= 12; ++t) clubs[t] = Club{make_staff(rng, t), make_lineup(rng)};
    play_league(rng, season, 1, clubs);
    play_league(rng, season, 2, clubs);
    return season;
}

Status write_generated(const std::filesystem::path& dir, const Season& games) {
    // The saved tables are built from the games, as the program's commit builds them.
    auto built = std::make_unique<Season>(games);
    Season& season = *built;
    season.pitcher_c = build_pitcher_table(season, 1, 6).table;
    season.pitcher_p = build_pitcher_table(season, 7, 12).table;
    season.pitcher_all = build_pitcher_table(season, 1, 12).table;
    season.score_list = build_score_list(season);
    season.homeruns = homerun_make(season).tables;
    const FileNames names = year_file_names(season.disp_year);
    if (auto saved = write_season_files(dir, names, season); !saved) return saved;
    const ItemWriter homeruns = homerun_file_writer(season.homeruns, names.homerun_file);
    const ItemWriter history = history_file_writer(history_make(season), names.history_file);
    if (auto written = commit_writers(dir, {&homeruns, &history}); !written) return written;
    return write_settings(dir, Settings{season.disp_year, "Regi Year= " + season.disp_year});
}

}  // namespace tev::gen

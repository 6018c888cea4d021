// The season history day by day on hand-built seasons, as golden files: one line per season day
// with its date, the places of the six Central and the six Pacific clubs, then their
// percentages. Also the history file's round trip and the files that must be rebuilt.
#include <gtest/gtest.h>

#include <memory>

#include "core/history/history_file.h"
#include "core/history/history_make.h"
#include "core/text/fixed_width.h"
#include "support/golden.h"
#include "support/season_builder.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::add_game;
using test::GameSpec;

std::string day_line(const History& h, int day) {
    const SeasonDate date = season_date(day);
    Text line = right_num(day, 3) + U" " + right_num(date.month, 2) + U"/" + right_num(date.day, 2) + U" |";
    for (int team = 1; team <= 12; ++team) line += (team == 7 ? U" |" : U"") + right_num(h.rank[day][team], 2);
    line += U" |";
    for (int team = 1; team <= 12; ++team) line += (team == 7 ? U" |" : U"") + right_num(h.pct[day][team], 6);
    return to_utf8(line);
}

std::vector<std::string> history_lines(const History& h) {
    std::vector<std::string> lines = {"day date  | Central places | Pacific places | Central percentages | Pacific"};
    for (int day = 0; day <= kHistoryDays; ++day) lines.push_back(day_line(h, day));
    return lines;
}

std::unique_ptr<History> built(const Season& season) { return std::make_unique<History>(history_make(season)); }

TEST(HistoryGolden, NoGamesStandsEveryClubFirstAtOneThousandOnEveryDay) {
    auto season = std::make_unique<Season>();
    EXPECT_TRUE(test::matches_golden("history/no-games.txt", history_lines(*built(*season))));
}

TEST(HistoryGolden, EqualPercentagesShareAPlaceAndTheNextTakesItsPosition) {
    // 1 May: 巨人 3-0; 阪神 and 中日 2-1 (places 2, 2); ヤクルト and 広島 1-2 (4, 4); 横浜 0-3.
    auto season = std::make_unique<Season>();
    const std::vector<std::pair<int, int>> wins = {{1, 2}, {1, 3}, {1, 5}, {4, 3}, {4, 2},
                                                   {6, 3}, {6, 5}, {2, 6}, {5, 4}};
    for (auto [winner, loser] : wins)
        add_game(*season, {.first = winner, .second = loser, .meet = 1, .first_runs = 4, .second_runs = 1,
                           .month = 5, .day = 1});
    const auto h = built(*season);
    const int d = season_day(5, 1);
    EXPECT_EQ(h->rank[d][1], 1);
    EXPECT_EQ(h->rank[d][4], 2);
    EXPECT_EQ(h->rank[d][6], 2);
    EXPECT_EQ(h->rank[d][2], 4);
    EXPECT_EQ(h->rank[d][5], 4);
    EXPECT_EQ(h->rank[d][3], 6);
    EXPECT_TRUE(test::matches_golden("history/shared-places.txt", history_lines(*h)));
}

TEST(HistoryGolden, ADrawChangesNoPercentage) {
    auto season = std::make_unique<Season>();
    add_game(*season, {.first = 8, .second = 9, .meet = 1, .first_runs = 3, .second_runs = 3, .month = 6, .day = 10});
    add_game(*season, {.first = 8, .second = 10, .meet = 1, .first_runs = 2, .second_runs = 5, .month = 6, .day = 12});
    add_game(*season, {.first = 9, .second = 8, .meet = 2, .first_runs = 1, .second_runs = 1, .month = 6, .day = 12});
    const auto h = built(*season);
    const int d = season_day(6, 10);
    EXPECT_EQ(h->pct[d][8], 10000);
    EXPECT_EQ(h->pct[d][9], 10000);
    EXPECT_EQ(h->pct[d + 2][8], 0);  // the loss counts, the second draw does not
    EXPECT_TRUE(test::matches_golden("history/draw.txt", history_lines(*h)));
}

TEST(HistoryGolden, AGameOnTheFirstOfAprilChangesDaysThirteenOnOnly) {
    auto march = std::make_unique<Season>();
    add_game(*march, {.first = 3, .second = 6, .meet = 1, .first_runs = 2, .second_runs = 0, .month = 3, .day = 22});
    add_game(*march, {.first = 10, .second = 7, .meet = 1, .first_runs = 0, .second_runs = 9, .month = 3, .day = 31});
    auto april = std::make_unique<Season>(*march);
    add_game(*april, {.first = 6, .second = 3, .meet = 2, .first_runs = 5, .second_runs = 4, .month = 4, .day = 1});
    add_game(*april, {.first = 7, .second = 10, .meet = 2, .first_runs = 0, .second_runs = 1, .month = 4, .day = 1});
    const auto before = built(*march), after = built(*april);
    for (int day = 0; day <= 12; ++day) EXPECT_EQ(day_line(*before, day), day_line(*after, day)) << day;
    for (int day = 13; day <= kHistoryDays; ++day) EXPECT_NE(day_line(*before, day), day_line(*after, day)) << day;
    EXPECT_TRUE(test::matches_golden("history/first-of-april.txt", history_lines(*after)));
}

TEST(HistoryGolden, AGameOnNineteenthMarchCountsFromDayOneOn) {
    auto season = std::make_unique<Season>();
    add_game(*season, {.first = 2, .second = 5, .meet = 1, .first_runs = 1, .second_runs = 6, .month = 3, .day = 19});
    const auto h = built(*season);
    EXPECT_EQ(h->pct[1][2], 0);      // ヤクルト lost on 19 March
    EXPECT_EQ(h->rank[1][2], 6);
    EXPECT_EQ(h->pct[226][5], 10000);
    EXPECT_EQ(h->rank[0][2], 0);     // day 0 itself is not recorded
    EXPECT_EQ(h->pct[0][2], 0);
    EXPECT_TRUE(test::matches_golden("history/nineteenth-of-march.txt", history_lines(*h)));
}

TEST(HistoryLeftOut, GamesWithoutASeasonDayAreLeftOutAndNamed) {
    auto season = std::make_unique<Season>();
    add_game(*season, {.first = 1, .second = 2, .meet = 1, .first_runs = 5, .second_runs = 0, .month = 3, .day = 18});
    add_game(*season, {.first = 1, .second = 2, .meet = 2, .first_runs = 5, .second_runs = 0, .month = 11, .day = 1});
    // Dates a handed-out file may hold: no month 13, no 35 October.
    add_game(*season, {.first = 7, .second = 8, .meet = 1, .first_runs = 5, .second_runs = 0, .month = 13, .day = 5});
    add_game(*season, {.first = 7, .second = 8, .meet = 2, .first_runs = 5, .second_runs = 0, .month = 10, .day = 35});
    add_game(*season, {.first = 7, .second = 8, .meet = 3, .first_runs = 5, .second_runs = 0, .month = 10, .day = 31});
    const auto h = built(*season);
    EXPECT_EQ(h->pct[226][1], 10000);
    EXPECT_EQ(h->pct[226][2], 10000);
    EXPECT_EQ(h->pct[226][8], 0);  // only the 31 October game counts
    EXPECT_EQ(h->pct[225][8], 10000);
    const std::vector<Slot> left = history_left_out(*season);
    EXPECT_EQ(left, (std::vector<Slot>{{1, 2, 1}, {1, 2, 2}, {7, 2, 1}, {7, 2, 2}}));
}

TEST(SeasonDate, TurnsDayNumbersBackIntoDates) {
    for (int day = 0; day <= kHistoryDays; ++day) {
        const SeasonDate d = season_date(day);
        EXPECT_EQ(season_day(d.month, d.day), day) << day;
    }
    EXPECT_EQ(season_date(185).month, 9);
    EXPECT_EQ(season_date(185).day, 20);
    EXPECT_EQ(season_date(224).day, 29);
    EXPECT_EQ(season_date(227).month, 0);
    EXPECT_EQ(season_date(-1).month, 0);
}

TEST(HistoryFileGolden, RoundTripsABuiltSeason) {
    test::TempDir dir;
    auto season = std::make_unique<Season>();
    add_game(*season, {.first = 1, .second = 4, .meet = 1, .first_runs = 3, .second_runs = 2, .month = 4, .day = 1});
    add_game(*season, {.first = 12, .second = 9, .meet = 1, .first_runs = 0, .second_runs = 2, .month = 8, .day = 3});
    const auto h = built(*season);
    const ItemWriter writer = history_file_writer(*h, "RIRE1996.DAT");
    ASSERT_TRUE(commit_writers(dir.path(), {&writer}).ok());
    const auto back = read_history_file(dir.path(), "RIRE1996.DAT");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->state, HistoryFileState::complete);
    EXPECT_FALSE(history_rebuild_needed(*back));
    EXPECT_EQ(history_lines(back->history), history_lines(*h));
}

// Each damaged value of a written file, one at a time: the read says so and keeps nothing.
TEST(HistoryFileGolden, ValuesOutOfRangeMakeTheFileDamaged) {
    test::TempDir dir;
    auto season = std::make_unique<Season>();
    const ItemWriter writer = history_file_writer(*built(*season), "RIRE1996.DAT");
    struct Case {
        int line;
        const char* text;
    };
    for (const Case& c : {Case{1, " 7"}, Case{2712, "-1"}, Case{2713, " 10001"}, Case{5424, "-5"}, Case{40, "x"},
                          Case{41, "\"3\""}, Case{42, " 1, 2"}}) {
        std::string bytes = writer.bytes();
        std::size_t start = 0;
        for (int i = 1; i < c.line; ++i) start = bytes.find("\r\n", start) + 2;
        bytes.replace(start, bytes.find("\r\n", start) - start, c.text);
        test::spit(dir / "RIRE1996.DAT", bytes);
        const auto read = read_history_file(dir.path(), "RIRE1996.DAT");
        ASSERT_TRUE(read.ok()) << c.line;
        EXPECT_EQ(read->state, HistoryFileState::damaged) << c.line;
        EXPECT_EQ(read->problem.line, c.line);
        EXPECT_TRUE(history_rebuild_needed(*read));
        EXPECT_EQ(read->history, History{}) << c.line;
    }
    // Place 0 and percentage 0 are values the file may hold.
    std::string bytes = writer.bytes();
    bytes.replace(0, 2, " 0");
    test::spit(dir / "RIRE1996.DAT", bytes);
    EXPECT_EQ(read_history_file(dir.path(), "RIRE1996.DAT")->state, HistoryFileState::complete);
}

// Files of other installations' line ends and end marks read as the program's own; items the
// plain lines do not cover still read as items.
TEST(HistoryFileGolden, LineEndsEndMarksAndItemFormsReadAlike) {
    test::TempDir dir;
    auto season = std::make_unique<Season>();
    add_game(*season, {.first = 2, .second = 5, .meet = 1, .first_runs = 4, .second_runs = 1, .month = 5, .day = 9});
    const auto h = built(*season);
    const std::string own = history_file_writer(*h, "RIRE1996.DAT").bytes();
    const auto read_back = [&](const std::string& bytes) {
        test::spit(dir / "RIRE1996.DAT", bytes);
        const auto read = read_history_file(dir.path(), "RIRE1996.DAT");
        EXPECT_TRUE(read.ok());
        return read.ok() ? std::make_unique<HistoryRead>(*read) : nullptr;
    };
    std::string lf_only = own, unsigned_numbers = own;
    for (std::size_t at; (at = lf_only.find("\r\n")) != std::string::npos;) lf_only.erase(at, 1);
    for (std::size_t at; (at = unsigned_numbers.find(" ")) != std::string::npos;) unsigned_numbers.erase(at, 1);
    std::string spaced = own;  // blanks after a number and a quoted-free item with a blank inside
    spaced.replace(0, 2, "1 ");
    const std::string no_last_line_end = own.substr(0, own.size() - 2);
    for (const std::string& bytes : {own, lf_only, unsigned_numbers, own + "\x1a", spaced, no_last_line_end,
                                     own + "1\r\n2\r\n"}) {
        const auto read = read_back(bytes);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->state, HistoryFileState::complete);
        EXPECT_EQ(history_lines(read->history), history_lines(*h));
    }
    // One line short ends early at that line; an empty line inside is no number.
    EXPECT_EQ(read_back(own.substr(0, own.rfind("\r\n", own.size() - 3) + 2))->state, HistoryFileState::ended_early);
    std::string empty_line = own;
    empty_line.insert(0, "\r\n");
    const auto damaged = read_back(empty_line);
    EXPECT_EQ(damaged->state, HistoryFileState::damaged);
    EXPECT_EQ(damaged->problem.line, 1);
}

}  // namespace
}  // namespace tev

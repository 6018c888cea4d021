#include <gtest/gtest.h>

#include "core/store/game_string.h"
#include "core/store/season.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {
namespace {

GameFields nine_innings() {
    GameFields f;
    f.first_runs = 5;
    f.second_runs = 3;
    f.first_pitcher = U"斎藤雅";
    f.second_pitcher = U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝｽﾞ";  // 12 characters: cut at 10
    f.attendance = U"32000";
    f.first_innings = U" 1 0 0 2 0 0 2 0 0";
    f.second_innings = U" 0 0 1 0 0 2 0 0 0";
    f.year = U"1996";
    f.month = 10;
    f.day = 5;
    return f;
}

TEST(GameString, LaysOutEveryFieldAtItsPosition) {
    const Text s = format_game(nine_innings());
    ASSERT_EQ(s.size(), 109u);
    EXPECT_EQ(mid(s, 1, 4), U" 5 3");
    EXPECT_EQ(mid(s, 5, 10), U"斎藤雅       ");
    EXPECT_EQ(mid(s, 15, 10), U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ");
    EXPECT_EQ(mid(s, 25, 10), Text(10, U' '));
    EXPECT_EQ(mid(s, 35, 5), U"32000");
    EXPECT_EQ(mid(s, 40, 30), U" 1 0 0 2 0 0 2 0 0            ");
    EXPECT_EQ(mid(s, 70, 30), U" 0 0 1 0 0 2 0 0 0            ");
    EXPECT_EQ(mid(s, 100, 10), U"1996/10/ 5");
    EXPECT_EQ(hr_count(s), 0);
}

TEST(GameString, ShortInningsAndSmallFieldsArePadded) {
    GameFields f = nine_innings();
    f.first_innings = U" 1 0 0";  // a game called after three innings
    f.second_innings = U" 0 0";
    f.attendance = U"12";
    f.month = 4;
    const Text s = format_game(f);
    ASSERT_EQ(s.size(), 109u);
    EXPECT_EQ(mid(s, 35, 5), U"   12");
    EXPECT_EQ(mid(s, 100, 10), U"1996/ 4/ 5");
    EXPECT_EQ(inning_cell(s, true, 3), U" 0");
    EXPECT_EQ(inning_cell(s, true, 4), U"  ");
}

TEST(GameString, AnUnplayedBottomNinthIsMarked) {
    GameFields f = nine_innings();
    f.second_innings = U" 0 0 1 0 0 2 0 3 X";
    const Text s = format_game(f);
    EXPECT_EQ(inning_cell(s, false, 9), U" X");
    EXPECT_EQ(game_shape_error(s), std::nullopt);
}

TEST(GameString, HomeRunRecordsFollowTheGame) {
    GameFields f = nine_innings();
    for (int k = 0; k < 3; ++k)
        f.hr_records.push_back(format_hr(HrEntry{1, U"松井秀", 4, U"藪恵壹"}));
    const Text s = format_game(f);
    EXPECT_EQ(s.size(), 181u);
    EXPECT_EQ(hr_count(s), 3);
    EXPECT_EQ(hr_at(s, 2), U" 1松井秀\u3000\u3000\u3000\u3000\u3000\u3000\u3000 4藪恵壹\u3000\u3000\u3000\u3000\u3000\u3000\u3000");
    const HrEntry hr = parse_hr(hr_at(s, 0));
    EXPECT_EQ(hr.batter_team, 1);
    EXPECT_EQ(hr.batter, U"松井秀");
    EXPECT_EQ(hr.pitcher_team, 4);
    EXPECT_EQ(hr.pitcher, U"藪恵壹");
    EXPECT_EQ(hr_at(s, 3), U"");
}

TEST(GameString, ParseGivesBackTheFields) {
    const GameFields f = parse_game(format_game(nine_innings()));
    EXPECT_EQ(f.first_runs, 5);
    EXPECT_EQ(f.second_runs, 3);
    EXPECT_EQ(f.first_pitcher, U"斎藤雅");
    EXPECT_EQ(f.second_pitcher, U"ﾏｸﾄﾞﾅﾙﾄﾞｿﾝ");
    EXPECT_EQ(f.save_pitcher, U"");
    EXPECT_EQ(f.attendance, U"32000");
    EXPECT_EQ(f.month, 10);
    EXPECT_EQ(f.day, 5);
    EXPECT_EQ(format_game(f), format_game(nine_innings()));
}

TEST(GameString, ShapeErrorsAreNamed) {
    const Text good = format_game(nine_innings());
    EXPECT_EQ(game_shape_error(good), std::nullopt);
    EXPECT_TRUE(game_shape_error(good.substr(0, 108)).has_value());
    EXPECT_TRUE(game_shape_error(good + U"abc").has_value());
    Text bad_runs = good;
    bad_runs[0] = U'x';
    EXPECT_TRUE(game_shape_error(bad_runs).has_value());
    Text bad_month = good;
    bad_month.replace(104, 2, U"13");
    EXPECT_TRUE(game_shape_error(bad_month).has_value());
    Text bad_day = good;
    bad_day.replace(107, 2, U"ab");
    EXPECT_TRUE(game_shape_error(bad_day).has_value());
    Text bad_hr = good + format_hr(HrEntry{13, U"a", 1, U"b"});
    EXPECT_TRUE(game_shape_error(bad_hr).has_value());
}

TEST(GameStore, MeetingsAreFoundInEitherOrientation) {
    Season season;
    const Text game = format_game(nine_innings());
    season.game_at(3, 5, 4) = game;  // team 3 batting first against team 5
    EXPECT_EQ(find_meeting(season, 5, 3, 4), (Slot{3, 5, 4}));
    EXPECT_EQ(find_meeting(season, 3, 5, 4), (Slot{3, 5, 4}));
    EXPECT_EQ(find_meeting(season, 3, 5, 5), std::nullopt);
    EXPECT_EQ(filing_slot(season, 5, 3, 4), (Slot{3, 5, 4}));  // re-filing keeps the stored slot
    EXPECT_EQ(filing_slot(season, 8, 12, 2), (Slot{8, 6, 2}));  // Pacific: home club's index
}

TEST(Teams, NamesAndIndexes) {
    EXPECT_EQ(league_index(8), 2);
    EXPECT_EQ(league_index(6), 6);
    EXPECT_EQ(league_of(7), 2);
    const ClubNames& names = default_club_names();
    EXPECT_EQ(names.team_name(1), U"巨　人　　");
    EXPECT_EQ(names.team_name(13), U"　　　　　");
    EXPECT_EQ(names.team_short(8), U"西  武");
    EXPECT_EQ(league_name(3), U"両リーグ");
    for (int t = 1; t <= 13; ++t) EXPECT_EQ(names.team_name(t).size(), 5u) << t;
    EXPECT_EQ(Season().clubs, names);  // a season starts with the default names
    EXPECT_EQ(slot_line({2, 4, 7}), 277);
}

}  // namespace
}  // namespace tev

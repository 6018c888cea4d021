// The graph model on hand-made histories: points, skipped days, tails, names and dates.
#include <gtest/gtest.h>

#include <memory>

#include "core/history/history_graph.h"
#include "core/history/past_years.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

std::unique_ptr<History> level_history() {
    auto h = std::make_unique<History>();
    for (int day = 1; day <= kHistoryDays; ++day)
        for (int team = 1; team <= 12; ++team) {
            h->rank[day][team] = 1;
            h->pct[day][team] = 10000;
        }
    return h;
}

TEST(GraphModel, TheRankGraphDrawsThirtyNineSegmentsPerClubFromDayV) {
    auto h = level_history();
    h->rank[50][3] = 6;
    const GraphPicture p = draw_league_graph(*h, GraphMode::rank, 11, 1);
    ASSERT_EQ(p.lines.size(), 6u * 39u);
    EXPECT_EQ(p.lines[0], (GraphLine{300, 1260, 500, 1260, 0x000080, 2}));
    // 横浜 (third club, cyan) reaches place 6 on day 50 = the window's 40th day, at x 8100.
    const GraphLine& last = p.lines[3 * 39 - 1];
    EXPECT_EQ(last, (GraphLine{7900, 1260, 8100, 5460, 0x008080, 2}));
    EXPECT_EQ(p.place_names[5], U"横　浜");
    EXPECT_EQ(p.place_names[0], U"中　日");  // the last of the clubs sharing place 1
}

TEST(GraphModel, ASingleClubLineHasNoTailNoReferenceAndNoName) {
    auto h = level_history();
    GraphPicture p;
    draw_club_line(p, *h, GraphMode::pct, 1, 9);
    ASSERT_EQ(p.lines.size(), 39u);
    EXPECT_EQ(p.lines.back(), (GraphLine{7900, 3000, 8100, 3000, 0x008080, 2}));  // 近鉄: colour 3
    for (const Text& name : p.place_names) EXPECT_TRUE(name.empty());
}

TEST(GraphModel, DatesOfTheWindowsEnds) {
    EXPECT_EQ(graph_left_date(1), U"3/20");
    EXPECT_EQ(graph_right_date(1), U" 4/28");
    EXPECT_EQ(graph_left_date(13), U"4/ 1");
    EXPECT_EQ(graph_left_date(185), U"9/20");
    EXPECT_EQ(graph_right_date(185), U"10/29");
}

TEST(GraphModel, ThePaletteIsTheStandardSixteenColours) {
    EXPECT_EQ(palette_color(1), 0x000080u);
    EXPECT_EQ(palette_color(6), 0x808000u);
    EXPECT_EQ(palette_color(10), 0x00FF00u);
    EXPECT_EQ(palette_color(15), 0xFFFFFFu);
}

TEST(PastYears, ReadsTheTwoBlocksAndKnowsSampleData) {
    const auto past = read_past_years(TEVARDIN_SHIPPED_DATA);
    ASSERT_TRUE(past.ok());
    EXPECT_TRUE(past->sample);
    EXPECT_EQ(std::count(past->first_block.begin(), past->first_block.end(), U'\n'), 6);
    EXPECT_EQ(std::count(past->second_block.begin(), past->second_block.end(), U'\n'), 10);
    EXPECT_EQ(past->first_block.substr(0, 8), U"1995年 セ1");
    EXPECT_EQ(past->first_block.substr(past->first_block.size() - 2), U"\r\n");
}

TEST(PastYears, AShortOrMissingFileIsAnError) {
    test::TempDir dir;
    EXPECT_EQ(read_past_years(dir.path()).error().kind, ErrorKind::missing);
    test::spit(dir / "record.dat", "heading\r\n1\r\n2\r\n");
    const auto short_file = read_past_years(dir.path());
    ASSERT_FALSE(short_file.ok());
    EXPECT_EQ(short_file.error().line, 4);
    std::string seventeen;
    for (int i = 1; i <= 17; ++i) seventeen += "line " + std::to_string(i) + "\r\n";
    test::spit(dir / "record.dat", seventeen);
    const auto plain = read_past_years(dir.path());
    ASSERT_TRUE(plain.ok());
    EXPECT_FALSE(plain->sample);  // a file of real records carries no sample note
    EXPECT_EQ(plain->second_block.substr(0, 6), U"line 8");
}

}  // namespace
}  // namespace tev

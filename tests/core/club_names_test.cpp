#include "core/store/club_names.h"

#include <gtest/gtest.h>

#include "core/store/club_file.h"
#include "core/text/cp932.h"
#include "core/text/fixed_width.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;

constexpr std::size_t kName = static_cast<std::size_t>(ClubForm::name);

// The club file of `names` as bytes.
std::string file_bytes(const ClubNames& names) { return club_file_writer(names, "Clubs_2026.DAT").bytes(); }

// `file` with line `line` (1-based) replaced by `text` (UTF-8, encoded to code page 932 here).
std::string with_line(const std::string& file, int line, const std::string& text) {
    std::string out;
    std::size_t at = 0;
    for (int n = 1; at < file.size(); ++n) {
        const std::size_t end = file.find("\r\n", at);
        const std::string current = file.substr(at, end - at);
        out += (n == line ? *encode_cp932(from_utf8(text)) : current) + "\r\n";
        at = end + 2;
    }
    return out;
}

TEST(ClubNames, TheDefaultsAreTheNamesTheReportsAlwaysShowed) {
    const ClubNames& d = default_club_names();
    EXPECT_EQ(d.team_name(9), U"近　鉄　　");
    EXPECT_EQ(d.team_short(12), U"ﾀﾞｲｴｰ");
    EXPECT_EQ(d.form(ClubForm::option, 10), U"日ﾊﾑ");
    EXPECT_EQ(d.form(ClubForm::hr_menu, 9), U"近　鉄");
    EXPECT_EQ(d.form(ClubForm::pitcher_menu, 9), U"近    鉄");
    EXPECT_EQ(d.form(ClubForm::pitcher_title, 3), U"             　　  横浜");
    EXPECT_EQ(d.form(ClubForm::hr_title, 3), U"               　　横浜");
    EXPECT_EQ(d.form(ClubForm::graph, 12), U"ﾀﾞｲｴｰ");
    EXPECT_EQ(d.meetings, 26);
    EXPECT_EQ(club_names_problem(d), Text());
}

TEST(ClubNames, TodaysClubsTakeTheOldClubsPlaces) {
    const ClubNames& t = todays_club_names();
    EXPECT_EQ(t.team_name(3), U"ＤｅＮＡ　");
    EXPECT_EQ(t.team_name(9), U"楽　天　　");
    EXPECT_EQ(t.team_name(12), U"ソフトＢ　");
    EXPECT_EQ(t.team_name(7), U"オリックス");
    EXPECT_EQ(t.form(ClubForm::pitcher_title, 12), U"           ソフトバンク");
    EXPECT_EQ(t.meetings, 25);
    EXPECT_EQ(club_names_problem(t), Text());
    for (int team = 1; team <= 12; ++team) EXPECT_EQ(t.team_name(team).size(), 5u) << team;
}

TEST(ClubNames, ANewYearStartsWithTheClubsOfItsEra) {
    EXPECT_EQ(club_names_of_new_year("2004"), default_club_names());
    const ClubNames y2005 = club_names_of_new_year("2005");
    EXPECT_EQ(y2005.team_name(3), U"横　浜　　");
    EXPECT_EQ(y2005.team_name(9), U"楽　天　　");
    EXPECT_EQ(y2005.meetings, 22);
    EXPECT_EQ(club_names_of_new_year("2012").team_name(3), U"ＤｅＮＡ　");
    EXPECT_EQ(club_names_of_new_year("2012").meetings, 24);
    EXPECT_EQ(club_names_of_new_year("2026"), todays_club_names());
}

TEST(ClubNames, WhatCannotBeHeldIsRefusedNotCut) {
    ClubNames n = default_club_names();
    n.forms[kName][8] = U"楽天ゴールデン";
    EXPECT_EQ(club_names_problem(n), U"球団9の球団名「楽天ゴールデン」が長すぎます（5文字まで）。");
    n = default_club_names();
    n.forms[kName][8] = U"楽\"天";
    EXPECT_EQ(club_names_problem(n), U"球団9の球団名「楽\"天」に「\"」は使えません。");
    n = default_club_names();
    n.forms[static_cast<std::size_t>(ClubForm::graph)][1] = U"燕😀";
    EXPECT_EQ(club_names_problem(n), U"球団2のグラフの名前「燕😀」にはデータファイルに書けない文字があります。");
    n = default_club_names();
    n.forms[kName][8] = U"西鉄　　　";  // 西武 (team 8) starts with 西 already
    EXPECT_EQ(club_names_problem(n), U"球団8「西　武」と球団9「西鉄」の球団名の最初の文字が同じです。");
    n = default_club_names();
    n.meetings = 31;
    EXPECT_EQ(club_names_problem(n), U"対戦数は1から30までです。");
    n = default_club_names();
    n.forms[static_cast<std::size_t>(ClubForm::pitcher_title)][0] = Text(23, U' ') + U"巨";  // 25 columns
    EXPECT_EQ(club_names_problem(n), U"球団1の投手成績一覧の見出し「" + Text(23, U' ') + U"巨」が長すぎます（24桁まで）。");
}

TEST(ClubNames, ATypedNameGetsEveryFormLaidOutAsTheDefaultsAre) {
    Text why;
    const auto forms = club_forms_from(U" 楽天 ", why);
    ASSERT_TRUE(forms.has_value()) << to_utf8(why);
    EXPECT_EQ((*forms)[0], U"楽　天　　");
    EXPECT_EQ((*forms)[1], U"楽天");
    EXPECT_EQ((*forms)[3], U"楽　天");
    EXPECT_EQ((*forms)[4], U"楽    天");
    EXPECT_EQ((*forms)[5], Text(19, U' ') + U"楽天");
    EXPECT_EQ((*forms)[7], U"楽　天");
    const auto wide = club_forms_from(U"ﾎｰｸｽ", why);
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ((*wide)[0], U"ﾎｰｸｽ　");
    EXPECT_EQ((*wide)[6], Text(19, U' ') + U"ﾎｰｸｽ");
    EXPECT_FALSE(club_forms_from(U"東北楽天ゴールデンイーグルス", why));
    EXPECT_EQ(why, U"「東北楽天ゴールデンイーグルス」が長すぎます（5文字まで）。");
    EXPECT_FALSE(club_forms_from(U"  ", why));
    EXPECT_EQ(why, U"球団名が入力されていません。");
}

TEST(ClubFile, NamesRoundTripThroughTheFile) {
    test::TempDir dir;
    spit(dir / "Clubs_2026.DAT", file_bytes(todays_club_names()));
    const auto read = read_club_file(dir.path(), "Clubs_2026.DAT");
    ASSERT_TRUE(read.ok()) << read.error().describe();
    ASSERT_TRUE(read->has_value());
    EXPECT_EQ(**read, todays_club_names());
    const std::string bytes = slurp(dir / "Clubs_2026.DAT");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "25\r\n");
}

TEST(ClubFile, AMissingFileMeansTheDefaults) {
    test::TempDir dir;
    const auto read = read_club_file(dir.path(), "Clubs_1996.DAT");
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read->has_value());
}

TEST(ClubFile, AShortNameInTheFileIsPadded) {
    test::TempDir dir;
    const std::string file = with_line(file_bytes(todays_club_names()), 9,
                                       R"("楽天","楽天","楽天","楽天","楽天","楽天","楽天","楽天")");
    spit(dir / "Clubs_2026.DAT", file);
    const auto read = read_club_file(dir.path(), "Clubs_2026.DAT");
    ASSERT_TRUE(read.ok()) << read.error().describe();
    EXPECT_EQ((*read)->team_name(9), U"楽天　　　");
}

TEST(ClubFile, DamagedOrRefusedFilesAreErrorsNamingTheFile) {
    test::TempDir dir;
    const std::string good = file_bytes(todays_club_names());
    const std::vector<std::pair<std::string, std::string>> cases = {
        {with_line(good, 3, R"("ＤｅＮＡ","DeNA")"), "Clubs_2026.DAT 3行目: 項目が8個ではありません"},
        {with_line(good, 13, R"("25")"), "Clubs_2026.DAT 13行目: 対戦数が数字ではありません"},
        {with_line(good, 13, "0"), "Clubs_2026.DAT: 対戦数は1から30までです。"},
        {with_line(good, 9, R"("楽天イーグルス","a","a","a","a","a","a","a")"),
         "Clubs_2026.DAT: 球団9の球団名「楽天イーグルス」が長すぎます（5文字まで）。"},
        {with_line(good, 9, R"("ソフト","a","a","a","a","a","a","a")"),
         "Clubs_2026.DAT: 球団9「ソフト」と球団12「ソフトＢ」の球団名の最初の文字が同じです。"},
        {good.substr(0, good.rfind("25\r\n")), "Clubs_2026.DAT: 行数が13行ではありません"},
    };
    for (const auto& [bytes, expected] : cases) {
        spit(dir / "Clubs_2026.DAT", bytes);
        const auto read = read_club_file(dir.path(), "Clubs_2026.DAT");
        ASSERT_FALSE(read.ok()) << expected;
        EXPECT_EQ(read.error().describe(), expected);
    }
}

TEST(ClubFile, TheWriterRefusesWhatTheFileCannotHold) {
    ClubNames n = todays_club_names();
    n.forms[kName][0] = U"巨😀";
    EXPECT_FALSE(club_file_writer(n, "Clubs_2026.DAT").ok());
}

}  // namespace
}  // namespace tev

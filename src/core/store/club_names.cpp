#include "core/store/club_names.h"

#include <algorithm>

#include "core/store/season_shape.h"
#include "core/text/cp932.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

using Forms = std::array<std::array<Text, 12>, kClubForms>;

ClubNames make_defaults() {
    ClubNames n;
    n.forms = Forms{{
        {U"巨　人　　", U"ヤクルト　", U"横　浜　　", U"阪　神　　", U"広　島　　", U"中　日　　",
         U"オリックス", U"西　武　　", U"近　鉄　　", U"日本ハム　", U"ロッテ　　", U"ダイエー　"},
        {U"巨人", U"ﾔｸﾙﾄ", U"横浜", U"阪神", U"広島", U"中日", U"ｵﾘｯｸｽ", U"西  武", U"近  鉄",
         U"日本ﾊﾑ", U"ロッテ", U"ﾀﾞｲｴｰ"},
        {U"巨人", U"ﾔｸﾙﾄ", U"横浜", U"阪神", U"広島", U"中日", U"ｵﾘｯｸｽ", U"西武", U"近鉄", U"日ﾊﾑ",
         U"ロッテ", U"ﾀﾞｲｴｰ"},
        {U"巨　人", U"ヤクルト", U"横　浜", U"阪　神", U"広　島", U"中　日", U"ｵﾘｯｸｽ", U"西武",
         U"近　鉄", U"日本ﾊﾑ", U"ロッテ", U"ﾀﾞｲｴｰ"},
        {U"巨    人", U"ヤクルト", U"横    浜", U"阪    神", U"広    島", U"中    日", U"ｵﾘｯｸｽ ",
         U"西    武", U"近    鉄", U"日本ﾊﾑ", U"ロ ッ テ", U"ﾀﾞｲｴｰ"},
        {U"             　　  巨人", U"               ヤクルト", U"             　　  横浜",
         U"             　　  阪神", U"             　　  広島", U"             　　  中日",
         U"             オリックス", U"             　　  西武", U"             　　  近鉄",
         U"           　  日本ﾊﾑ", U"           　　   ロッテ", U"               ダイエー"},
        {U"             　　  巨人", U"               ヤクルト", U"               　　横浜",
         U"              　 　阪神", U"          　　     広島", U"               　　中日",
         U"             オリックス", U"             　　  西武", U"             　　  近鉄",
         U"           　  日本ﾊﾑ", U"           　　   ロッテ", U"               ダイエー"},
        {U"巨　人", U"ヤクルト", U"横　浜", U"阪　神", U"広　島", U"中　日", U"ｵﾘｯｸｽ", U"西　武",
         U"近　鉄", U"日本ﾊﾑ", U"ロッテ", U"ﾀﾞｲｴｰ"},
    }};
    n.meetings = kDefaultMeetings;
    return n;
}

ClubNames make_todays() {
    ClubNames n;
    n.forms = Forms{{
        {U"巨　人　　", U"ヤクルト　", U"ＤｅＮＡ　", U"阪　神　　", U"広　島　　", U"中　日　　",
         U"オリックス", U"西　武　　", U"楽　天　　", U"日本ハム　", U"ロッテ　　", U"ソフトＢ　"},
        {U"巨人", U"ﾔｸﾙﾄ", U"DeNA", U"阪神", U"広島", U"中日", U"ｵﾘｯｸｽ", U"西  武", U"楽  天",
         U"日本ﾊﾑ", U"ロッテ", U"ｿﾌﾄB"},
        {U"巨人", U"ﾔｸﾙﾄ", U"DeNA", U"阪神", U"広島", U"中日", U"ｵﾘｯｸｽ", U"西武", U"楽天", U"日ﾊﾑ",
         U"ロッテ", U"ｿﾌﾄB"},
        {U"巨　人", U"ヤクルト", U"ＤｅＮＡ", U"阪　神", U"広　島", U"中　日", U"ｵﾘｯｸｽ", U"西武",
         U"楽　天", U"日本ﾊﾑ", U"ロッテ", U"ｿﾌﾄﾊﾞﾝｸ"},
        {U"巨    人", U"ヤクルト", U"ＤｅＮＡ", U"阪    神", U"広    島", U"中    日", U"ｵﾘｯｸｽ ",
         U"西    武", U"楽    天", U"日本ﾊﾑ", U"ロ ッ テ", U"ｿﾌﾄﾊﾞﾝｸ"},
        {U"             　　  巨人", U"               ヤクルト", U"               ＤｅＮＡ",
         U"             　　  阪神", U"             　　  広島", U"             　　  中日",
         U"             オリックス", U"             　　  西武", U"             　　  楽天",
         U"           　  日本ﾊﾑ", U"           　　   ロッテ", U"           ソフトバンク"},
        {U"             　　  巨人", U"               ヤクルト", U"               ＤｅＮＡ",
         U"              　 　阪神", U"          　　     広島", U"               　　中日",
         U"             オリックス", U"             　　  西武", U"             　　  楽天",
         U"           　  日本ﾊﾑ", U"           　　   ロッテ", U"           ソフトバンク"},
        {U"巨　人", U"ヤクルト", U"ＤｅＮＡ", U"阪　神", U"広　島", U"中　日", U"ｵﾘｯｸｽ", U"西　武",
         U"楽　天", U"日本ﾊﾑ", U"ロッテ", U"ｿﾌﾄB"},
    }};
    n.meetings = 25;
    return n;
}

// Widths of the forms as the program has always laid them out.
// The title prefixes count display columns: the widest of the defaults ("ロッテ") takes 24, the
// others 21..23; a typed name is right-aligned in 23.
constexpr std::array<std::size_t, kClubForms> kWidths = {5, 5, 5, 8, 8, 24, 24, 5};
constexpr std::size_t kTitleColumns = 23;

bool is_title(ClubForm f) { return f == ClubForm::pitcher_title || f == ClubForm::hr_title; }

const Text kBlankName = U"　　　　　";
const Text kNothing;

Text club_label(int team, ClubForm f) {
    return U"球団" + plain_num(team) + U"の" + club_form_label(f);
}

// The first fault of one text, or empty.
Text text_problem(const Text& text, int team, ClubForm f) {
    const std::size_t width = club_form_width(f);
    if (text.find(U'"') != Text::npos)
        return club_label(team, f) + U"「" + text + U"」に「\"」は使えません。";
    if (!fits_cp932(text))
        return club_label(team, f) + U"「" + text + U"」にはデータファイルに書けない文字があります。";
    if ((is_title(f) ? display_columns(text) : text.size()) > width)
        return club_label(team, f) + U"「" + text + U"」が長すぎます（" + plain_num(static_cast<long long>(width)) +
               (is_title(f) ? U"桁まで）。" : U"文字まで）。");
    if (f == ClubForm::name && (text.empty() || is_blank(text.front())))
        return club_label(team, f) + U"は空白で始められません。";
    return Text();
}

}  // namespace

const ClubNames& default_club_names() {
    static const ClubNames names = make_defaults();
    return names;
}

const ClubNames& todays_club_names() {
    static const ClubNames names = make_todays();
    return names;
}

const Text& ClubNames::form(ClubForm f, int team_no) const {
    return team_no >= 1 && team_no <= 12 ? forms[static_cast<std::size_t>(f)][team_no - 1] : kNothing;
}

const Text& ClubNames::team_name(int team_no) const {
    return team_no >= 1 && team_no <= 12 ? form(ClubForm::name, team_no) : kBlankName;
}

const Text& ClubNames::team_short(int team_no) const { return form(ClubForm::short_name, team_no); }

ClubNames club_names_of_new_year(const std::string& year) {
    const int y = year.size() == 4 && year.find_first_not_of("0123456789") == std::string::npos ? std::stoi(year) : 0;
    if (y < 2005) return default_club_names();
    ClubNames names = todays_club_names();
    if (y < 2012)
        for (int f = 0; f < kClubForms; ++f) names.forms[f][2] = default_club_names().forms[f][2];
    names.meetings = era_shape(y).league_meetings;
    return names;
}

std::size_t club_form_width(ClubForm f) { return kWidths[static_cast<std::size_t>(f)]; }

const Text& club_form_label(ClubForm f) {
    static const std::array<Text, kClubForms> labels = {
        U"球団名", U"略称", U"入力欄の名前", U"ホームランメニューの名前", U"投手成績メニューの名前",
        U"投手成績一覧の見出し", U"ホームラン成績一覧の見出し", U"グラフの名前"};
    return labels[static_cast<std::size_t>(f)];
}

Text club_names_problem(const ClubNames& names) {
    for (int f = 0; f < kClubForms; ++f)
        for (int team = 1; team <= 12; ++team) {
            const Text why = text_problem(names.forms[f][team - 1], team, static_cast<ClubForm>(f));
            if (!why.empty()) return why;
        }
    const auto& five = names.forms[static_cast<std::size_t>(ClubForm::name)];
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b)
            if (five[a].front() == five[b].front())
                return U"球団" + plain_num(a + 1) + U"「" + trim_right(five[a]) + U"」と球団" + plain_num(b + 1) +
                       U"「" + trim_right(five[b]) + U"」の球団名の最初の文字が同じです。";
    if (names.meetings < 1 || names.meetings > kMostMeetings)
        return U"対戦数は1から" + plain_num(kMostMeetings) + U"までです。";
    return Text();
}

std::optional<std::array<Text, kClubForms>> club_forms_from(const Text& typed, Text& why) {
    const Text n = trim_both(typed);
    why.clear();
    if (n.empty()) why = U"球団名が入力されていません。";
    else if (n.find(U'"') != Text::npos) why = U"「" + n + U"」に「\"」は使えません。";
    else if (!fits_cp932(n)) why = U"「" + n + U"」にはデータファイルに書けない文字があります。";
    else if (n.size() > 5) why = U"「" + n + U"」が長すぎます（5文字まで）。";
    if (!why.empty()) return std::nullopt;
    const bool pair = n.size() == 2;
    const auto spaced = [&](const Text& between) { return pair ? n.substr(0, 1) + between + n.substr(1) : n; };
    const std::size_t columns = display_columns(n);
    const Text title = Text(columns < kTitleColumns ? kTitleColumns - columns : 0, U' ') + n;
    return std::array<Text, kClubForms>{pad_wide(spaced(U"　"), 5), n, n, spaced(U"　"),
                                        spaced(U"    "), title, title, spaced(U"　")};
}

ClubNames padded(ClubNames names) {
    for (Text& name : names.forms[static_cast<std::size_t>(ClubForm::name)]) name = pad_wide(name, 5);
    return names;
}

const Text& league_name(int league) {
    static const std::array<Text, 3> names = {U"セントラルリーグ", U"パシフィックリーグ", U"両リーグ"};
    return league >= 1 && league <= 3 ? names[league - 1] : kNothing;
}

std::size_t display_columns(TextView text) {
    std::size_t columns = 0;
    for (char32_t c : text) columns += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
    return columns;
}

Text meeting_name(const ClubNames& clubs, int first, int second, int meeting) {
    return trim_right(clubs.team_short(first)) + U" 対 " + trim_right(clubs.team_short(second)) + U" " +
           plain_num(meeting) + U"回戦";
}

}  // namespace tev

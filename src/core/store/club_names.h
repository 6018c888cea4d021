// The clubs' names of one season: every form in which a pane, a menu, a caption or the graph
// shows a club, for each team number, and how many times a pair of clubs meets in the season.
// The season holds one table; the defaults are the names the program has always shown (1996's
// clubs, 26 meetings), and a year's own table comes from its club file (club_file.h) or the
// "球団名設定" dialog. A table is checked before it is used: every form keeps its width (a longer
// text is refused, never cut), the five-character names keep different first characters (the
// detail windows find a club by that character), and every text fits the data files.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/text/text.h"

namespace tev {

// The forms of a club's name, in the order of the club file's items.
enum class ClubForm : int {
    name,           // five full-width characters, padded with U+3000 (reports)
    short_name,     // the input panel's boxes and messages ("巨人", "西  武")
    option,         // the input panel's club option buttons ("日ﾊﾑ")
    hr_menu,        // the home-run club menu item ("近　鉄")
    pitcher_menu,   // the pitcher club menu item ("近    鉄")
    pitcher_title,  // the title prefix of a club's pitcher list, leading blanks included
    hr_title,       // the title prefix of a club's home-run list
    graph,          // the history graph's check boxes and name boxes ("近　鉄")
};
inline constexpr int kClubForms = 8;

// The default number of meetings of two clubs in a season, and the most the game store holds.
inline constexpr int kDefaultMeetings = 26;
inline constexpr int kMostMeetings = 30;

struct ClubNames {
    // forms[form][team - 1]
    std::array<std::array<Text, 12>, kClubForms> forms;
    int meetings = kDefaultMeetings;  // meetings of each pair of clubs in the season

    // The form `form` of team 1..12; empty for another number.
    const Text& form(ClubForm f, int team_no) const;
    // The five full-width characters of team 1..12; five U+3000 for 13 (or any other number).
    const Text& team_name(int team_no) const;
    // The short form of team 1..12; empty for another number.
    const Text& team_short(int team_no) const;

    friend bool operator==(const ClubNames&, const ClubNames&) = default;
};

// The names the program has always shown (1996's clubs), 26 meetings.
const ClubNames& default_club_names();

// Today's twelve clubs in their team-number places (楽天 where 近鉄 was, ソフトバンク where
// ダイエー was, ＤｅＮＡ where 横浜 was), in forms that fit, and 25 meetings.
const ClubNames& todays_club_names();

// The names a year starts with when it is created: the defaults before 2005; from 2005 楽天 and
// ソフトバンク (横浜 until 2011, ＤｅＮＡ from 2012), with that era's league meetings per pair
// (era_shape: 22 in 2005-2006, 24 in 2007-2014, 25 in 2015-2019, 24 in 2020, 25 from 2021).
// A year before 2005 keeps the default 26, so that it writes no club file: its files stay those
// of any installation. `year` is four digits.
ClubNames club_names_of_new_year(const std::string& year);

// The most characters form `f` holds; for the two title prefixes, the most display columns.
std::size_t club_form_width(ClubForm f);

// Every form of a club typed as `typed` (its name, blanks around it dropped), laid out as the
// default names lay out theirs: a two-character name spaced ("楽　天　　", "楽  天", "楽    天"),
// a title prefix right-aligned in 23 columns. Nothing when the name is empty, longer than five
// characters, holds a double quote or a character code page 932 lacks; `why` then says which.
std::optional<std::array<Text, kClubForms>> club_forms_from(const Text& typed, Text& why);

// The user's word for form `f` ("球団名", "略称" ...).
const Text& club_form_label(ClubForm f);

// Why `names` cannot be used, in the user's words (the first fault found), or empty when it can.
// The five-character names may be shorter than five: `padded` fills them.
Text club_names_problem(const ClubNames& names);

// `names` with each five-character name padded with U+3000 to five characters.
ClubNames padded(ClubNames names);

// "セントラルリーグ", "パシフィックリーグ", "両リーグ" for the selectors 1, 2, 3.
const Text& league_name(int league);

// The number of display columns of `text` (full-width characters take two, ASCII and half-width
// katakana one), for laying out header lines built from names.
std::size_t display_columns(TextView text);

// "巨人 対 阪神 5回戦": a meeting as the questions and the undo item name it.
Text meeting_name(const ClubNames& clubs, int first, int second, int meeting);

}  // namespace tev

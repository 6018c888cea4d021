#include "core/stats/head_to_head_report.h"

#include "core/stats/game_outcome.h"
#include "core/stats/standings_report.h"
#include "core/stats/stored_games.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

// [disp_size][league - 1]
const Text kGridHeaders[3][2] = {
    {U"           巨　人   ヤクルト  横  浜    阪  神   広  島   中  日   順位",
     U"           ｵﾘｯｸｽ    西  武   近  鉄   日本ﾊﾑ    ロッテ   ダイエー  順位"},
    {U"           巨　人   ヤクルト  横  浜    阪  神   広  島    中  日   順位",
     U"           ｵﾘｯｸｽ    西  武   近  鉄   日本ﾊﾑ    ロッテ   ダイエー   順位"},
    {U"           巨　人   ヤクルト  横  浜   阪  神    広  島   中  日   順位",
     U"           ｵﾘｯｸｽ    西  武   近  鉄   日本ﾊﾑ    ロッテ   ダイエー  順位"},
};
const Text kPctPacificHeader1 = U"           ｵﾘｯｸｽ    西  武   近  鉄    日本ﾊﾑ   ロッテ   ダイエー   順位";

const Text kMeetingRulers[3] = {
    U"    ﾁｰﾑ　          5       10      15      20       25",
    U"    ﾁｰﾑ　         5     10      15      20       25",
    U"    ﾁｰﾑ　        5       10      15      20       25",
};

int layout(int disp_size) { return disp_size >= 0 && disp_size <= 2 ? disp_size : 0; }

const LeagueTable& table_of(int league, const LeagueTable& central, const LeagueTable& pacific) {
    return league == 1 ? central : pacific;
}

const Text kInterleagueWord = U"交流戦";

// The columns of a grid: the club, its six cells against the rivals in club order, in a season
// with interleague play its cell against the other league, and its rank; the separators are
// blank cells that the columns' widths fill.
ReportColumns grid_columns(bool percentages, bool interleague) {
    const std::size_t cell = percentages ? 6 : 7;
    const std::size_t between = percentages ? 3 : 2;
    ReportColumns columns = {{U"チーム", 5}, {U"", percentages ? 2u : 1u}};
    for (int rival = 1; rival <= 6; ++rival) {
        columns.push_back({U"相手" + plain_num(rival), cell});
        columns.push_back({U"", rival < 6 ? between : 4u});
    }
    if (interleague) {
        columns.back().width = between;
        columns.push_back({kInterleagueWord, cell});
        columns.push_back({U"", 4});
    }
    columns.push_back({U"順位", 1});
    return columns;
}

const ReportColumns& grid_columns_of(bool percentages, bool interleague) {
    static const ReportColumns record = grid_columns(false, false), pct = grid_columns(true, false),
                               record_il = grid_columns(false, true), pct_il = grid_columns(true, true);
    if (interleague) return percentages ? pct_il : record_il;
    return percentages ? pct : record;
}

// The header of a grid with the interleague column: "交流戦" stands before "順位", as far right
// of its cells as the clubs' names stand of theirs, and "順位" moves over the rank.
Text with_interleague_header(const Text& header) {
    const Text rank = U"順位";
    const Text before = header.ends_with(rank) ? header.substr(0, header.size() - rank.size()) : header;
    return before + kInterleagueWord + U"   " + rank;
}

// True when the grids show the interleague column: the season has interleague play, or a club
// has a record against the other league.
bool shows_interleague(const TeamTallies& tallies, bool interleague_play) {
    if (interleague_play) return true;
    for (int team = 1; team <= 12; ++team)
        if (tallies.interleague_total(team).played()) return true;
    return false;
}

// One grid row: the club's name, its six cells with their separators, its cell against the
// other league when `interleague`, and its rank.
template <class Cell>
Text grid_row(const ClubNames& clubs, const TeamTallies& tallies, int league, int club, int rank,
              bool percentages, bool interleague, Cell cell) {
    const int team = team_of(league, club);
    std::vector<Text> cells = {clubs.team_name(team), Text()};
    for (int rival = 1; rival <= 6; ++rival) {
        cells.push_back(cell(tallies.vs_tally(league - 1, club, rival), rival == club));
        cells.emplace_back();
    }
    if (interleague) {
        cells.push_back(cell(tallies.interleague_total(team), false));
        cells.emplace_back();
    }
    cells.push_back(plain_num(rank));
    return join_cells(grid_columns_of(percentages, interleague), cells);
}

template <class Cell>
std::vector<Text> grid_lines(const TeamTallies& tallies, const LeagueTable& central, const LeagueTable& pacific,
                             const std::string& disp_year, int disp_size, bool percentages, bool interleague,
                             Cell cell, const ClubNames& clubs) {
    std::vector<Text> lines;
    for (int league : {1, 2}) {
        if (league == 2) lines.emplace_back();
        const Text header = vs_grid_header(league, disp_size, percentages, clubs);
        lines.push_back(interleague ? with_interleague_header(header) : header);
        const auto ranks = club_ranks(table_of(league, central, pacific), league == 1 && wins_ranked_year(disp_year));
        for (int club = 1; club <= 6; ++club)
            lines.push_back(grid_row(clubs, tallies, league, club, ranks[club], percentages, interleague, cell));
    }
    return lines;
}

// The empty mark string: full-width blanks with one ASCII blank at position 58.
Text blank_marks() { return Text(57, kWideBlank) + U" " + Text(3, kWideBlank); }

// [team 1..12][rival's club number 1..6]: every stored game marks its meeting number in both
// clubs' strings.
using MarkTable = std::array<std::array<Text, 7>, 13>;

MarkTable meeting_marks(const Season& season) {
    MarkTable marks;
    for (auto& row : marks) row.fill(blank_marks());
    for_each_game(season, 1, 12, [&](Slot slot, const Text& game) {
        const int outcome = first_club_outcome(game);
        marks[slot.team][slot.opp][slot.meet - 1] = outcome_mark(outcome);
        marks[home_team(slot)][league_index(slot.team)][slot.meet - 1] = outcome_mark(-outcome);
    });
    return marks;
}

// [team 1..12]: each club's string against the other league. Its places run rival by rival in
// club order, `meetings` places each, so a game's place is fixed by its rival and meeting as in
// the league strings.
std::array<Text, 13> interleague_marks(const Season& season) {
    std::array<Text, 13> marks;
    marks.fill(blank_marks());
    const int meetings = interleague_meetings_in_use(season);
    const auto place = [meetings](int rival, int meet) { return static_cast<std::size_t>((rival - 1) * meetings + meet - 1); };
    for_each_interleague_game(season, [&](Slot slot, const Text& game) {
        const int outcome = first_club_outcome(game);
        marks[slot.team][place(slot.opp, slot.meet)] = outcome_mark(outcome);
        marks[interleague_home(slot)][place(league_index(slot.team), slot.meet)] = outcome_mark(-outcome);
    });
    return marks;
}

}  // namespace

std::array<int, 7> club_ranks(const LeagueTable& table, bool wins_matter) {
    const auto by_position = standings_ranks(table, wins_matter);
    std::array<int, 7> ranks{};
    for (int p = 0; p < 6; ++p) {
        const int club = row_club(table[p]);
        if (club >= 1 && club <= 6) ranks[club] = by_position[p];
    }
    return ranks;
}

namespace {

// True when the league's clubs carry the names the fixed headers spell.
bool default_grid_names(int league, const ClubNames& clubs) {
    for (int club = 1; club <= 6; ++club) {
        const int team = team_of(league, club);
        if (clubs.form(ClubForm::graph, team) != default_club_names().form(ClubForm::graph, team)) return false;
    }
    return true;
}

// A header of the league's graph names, each padded to nine columns, then "順位".
Text built_grid_header(int league, const ClubNames& clubs) {
    Text header(11, U' ');
    for (int club = 1; club <= 6; ++club) {
        const Text& name = clubs.form(ClubForm::graph, team_of(league, club));
        const std::size_t columns = display_columns(name);
        header += name + Text(columns < 9 ? 9 - columns : 1, U' ');
    }
    return header + U"順位";
}

}  // namespace

Text vs_grid_header(int league, int disp_size, bool percentages, const ClubNames& clubs) {
    if (!default_grid_names(league, clubs)) return built_grid_header(league, clubs);
    if (percentages && league == 2 && layout(disp_size) == 1) return kPctPacificHeader1;
    return kGridHeaders[layout(disp_size)][league == 2 ? 1 : 0];
}

ReportTable vs_grid_table(int disp_size, bool percentages, const ClubNames& clubs, bool interleague) {
    ReportTable table;
    table.columns = grid_columns_of(percentages, interleague);
    name_league_rows(table);
    for (int league : {1, 2}) {
        const Text header = vs_grid_header(league, disp_size, percentages, clubs);
        ReportHeading heading{interleague ? with_interleague_header(header) : header, {U"チーム"}};
        for (int club = 1; club <= 6; ++club) heading.fields.push_back(trim_right(clubs.team_name(team_of(league, club))));
        if (interleague) heading.fields.push_back(kInterleagueWord);
        heading.fields.push_back(U"順位");
        table.headings.push_back(heading);
    }
    return table;
}

Text vs_pct_cell(const Tally& tally) {
    if (!tally.played()) return Text(6, U' ');
    return pct_text(tally.wins, tally.wins + tally.losses);
}

ReportPane vs_record_report(const TeamTallies& tallies, const LeagueTable& central, const LeagueTable& pacific,
                            const std::string& disp_year, int disp_size, const ClubNames& clubs, bool interleague_play) {
    const bool interleague = shows_interleague(tallies, interleague_play);
    ReportPane pane;
    pane.status = U"各チームの対戦カード別勝敗を表示中。";
    pane.caption = Text(kLineBreak) + U"       　　       両リーグ 　対　戦　別　勝　敗　一　覧";
    pane.lines = grid_lines(tallies, central, pacific, disp_year, disp_size, false, interleague,
                            [](const Tally& t, bool self) { return self ? Text(7, U' ') : tally_cell(t); }, clubs);
    pane.table = vs_grid_table(disp_size, false, clubs, interleague);
    return pane;
}

ReportPane vs_pct_report(const TeamTallies& tallies, const LeagueTable& central, const LeagueTable& pacific,
                         const std::string& disp_year, int disp_size, const ClubNames& clubs, bool interleague_play) {
    const bool interleague = shows_interleague(tallies, interleague_play);
    ReportPane pane;
    pane.status = U"各チームの対戦カード別勝率を表示中。";
    pane.caption = Text(kLineBreak) + U"       　　       両リーグ 　対　戦　別　勝　率　一　覧";
    pane.lines = grid_lines(tallies, central, pacific, disp_year, disp_size, true, interleague,
                            [](const Tally& t, bool self) { return self ? Text(6, U' ') : vs_pct_cell(t); }, clubs);
    pane.table = vs_grid_table(disp_size, true, clubs, interleague);
    return pane;
}

ReportPane meeting_status_report(const Season& season, int disp_size) {
    ReportPane pane;
    pane.status = U"各チームの対戦状況一覧を表示中。";
    pane.caption = Text(U"            　　       両リーグ  対戦状況一覧") + kLineBreak + kMeetingRulers[layout(disp_size)];
    const MarkTable marks = meeting_marks(season);
    const bool interleague = has_interleague_games(season);
    const std::array<Text, 13> inter = interleague ? interleague_marks(season) : std::array<Text, 13>{};
    for (int team = 1; team <= 12; ++team) {
        // The names are padded with full-width blanks, which the heading keeps.
        pane.lines.push_back(U"【" + season.clubs.team_name(team) + U"　ＶＳ　】");
        const int league = league_of(team);
        for (int club = 1; club <= 6; ++club) {
            const int rival = team_of(league, club);
            if (rival != team) pane.lines.push_back(season.clubs.team_name(rival) + U"〕" + marks[team][club]);
        }
        if (interleague) pane.lines.push_back(Text(kInterleagueLineName) + U"〕" + inter[team]);
        pane.lines.emplace_back();
    }
    return pane;
}

}  // namespace tev

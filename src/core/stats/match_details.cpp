#include "core/stats/match_details.h"

#include "core/stats/detail_lines.h"
#include "core/stats/game_outcome.h"
#include "core/stats/head_to_head_report.h"
#include "core/stats/stored_games.h"
#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

Text meeting_line(const Text& game, int meet, bool club_batted_first) {
    const Text own(club_batted_first ? first_runs_field(game) : second_runs_field(game));
    const Text other(club_batted_first ? second_runs_field(game) : first_runs_field(game));
    return right_num(meet, 3) + U"回戦  " + month_day_text(game) + U"  " + result_mark(own, other) + own + U"-" +
           other + U" " + pitcher_cells(game);
}

Text score_line(const ClubNames& clubs, const StoredGame& g) {
    const Text& game = *g.game;
    const Text& visitor = clubs.team_name(g.visitor);
    const Text& home = clubs.team_name(g.home);
    Text line = month_day_text(game);
    switch (first_club_outcome(game)) {
        case 1: line += U" ○" + visitor + U" 対 " + U"●" + home; break;
        case -1: line += U" ●" + visitor + U" 対 " + U"○" + home; break;
        default: line += U"   " + visitor + U" 対 " + U"  " + home; break;
    }
    return line + right_num(g.slot.meet, 3) + U"回戦  " + pitcher_cells(game);
}

// The club of the block holding line `line` (counting from 1): the number of club headings up to
// it. A block has a heading, the league rivals, in a season with interleague play the
// interleague line, and an empty line.
int block_club(int line, const std::vector<Text>& lines) {
    int club = 0;
    for (int i = 0; i < line; ++i)
        if (!lines[i].empty() && lines[i].front() == U'【') ++club;
    return club;
}

bool is_interleague_line(const Text& text) { return text.starts_with(Text(kInterleagueLineName) + U"〕"); }

Text meeting_heading(const Season& season, int club, const Text& rival_name) {
    return U"       " + season.clubs.team_name(club) + U"VS　　" + rival_name + U"　　対戦詳細一覧";
}

// The meetings of `club` and `rival` of one store, in meeting order, each from `club`'s side.
template <class GameAt>
void add_meetings(std::vector<Text>& lines, int club, int rival, int meetings, GameAt game_at) {
    for (int meet = 1; meet <= meetings; ++meet) {
        if (const Text& game = game_at(Slot{club, league_index(rival), meet}); !game.empty())
            lines.push_back(meeting_line(game, meet, true));
        if (const Text& game = game_at(Slot{rival, league_index(club), meet}); !game.empty())
            lines.push_back(meeting_line(game, meet, false));
    }
}

}  // namespace

std::optional<int> standings_line_club(int line, const LeagueTable& central, const LeagueTable& pacific) {
    if (line >= 2 && line <= 7) return row_club(central[line - 2]);
    if (line >= 9 && line <= 14) return row_club(pacific[line - 9]) + 6;
    return std::nullopt;
}

std::vector<Text> club_game_lines_as_of(const Season& season, int team, AsOfDate date) {
    return club_game_lines(season, team, [date](const Text& game) { return played_by(game, date); });
}

std::optional<std::vector<Text>> as_of_line_click(const Season& season, int line,
                                                  const LeagueTable& central_as_of,
                                                  const LeagueTable& pacific_as_of, AsOfDate date) {
    const auto team = standings_line_club(line, central_as_of, pacific_as_of);
    if (!team) return std::nullopt;
    return club_game_lines_as_of(season, *team, date);
}

std::optional<MeetingPick> meeting_status_click(int line, const std::vector<Text>& lines, const ClubNames& clubs) {
    if (line < 1 || line > static_cast<int>(lines.size())) return std::nullopt;
    const int club = block_club(line, lines);
    const Text& text = lines[line - 1];
    if (club < 1 || club > 12 || text.empty()) return std::nullopt;
    if (is_interleague_line(text)) return MeetingPick{club, kOtherLeague};
    for (int rival = 1; rival <= 12; ++rival) {
        if (clubs.team_name(rival).front() != text.front()) continue;
        if (rival == club || league_of(rival) != league_of(club)) return std::nullopt;
        return MeetingPick{club, rival};
    }
    return std::nullopt;
}

std::vector<Text> meeting_detail_lines(const Season& season, int club, int rival) {
    const bool known_club = club >= 1 && club <= 12;
    if (rival == kOtherLeague) {
        std::vector<Text> lines = {meeting_heading(season, club, kInterleagueLineName)};
        if (known_club) {
            const std::vector<Text> games = interleague_game_lines(season, club);
            lines.insert(lines.end(), games.begin(), games.end());
        }
        lines.emplace_back(kCloseLine);
        return lines;
    }
    std::vector<Text> lines = {meeting_heading(season, club, season.clubs.team_name(rival))};
    const bool two_clubs = known_club && rival >= 1 && rival <= 12 && club != rival;
    if (two_clubs && league_of(club) == league_of(rival))
        add_meetings(lines, club, rival, kMeetings, [&](Slot s) -> const Text& { return season.game_at(s); });
    else if (two_clubs)
        add_meetings(lines, club, rival, kMostInterleagueMeetings,
                     [&](Slot s) -> const Text& { return season.interleague_at(s); });
    lines.emplace_back(kCloseLine);
    return lines;
}

std::vector<Text> score_detail_lines(const Season& season, const Text& entry) {
    const Text high = mid(entry, 1, 2);
    const Text low = mid(entry, 5, 2);
    std::vector<Text> lines;
    for_each_stored_game(season, [&](const StoredGame& g) {
        const Text runs = mid(*g.game, 1, 4);
        if (runs == high + low || runs == low + high) lines.push_back(score_line(season.clubs, g));
    });
    lines.emplace_back(kCloseLine);
    return lines;
}

}  // namespace tev

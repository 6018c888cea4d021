#include "core/race/club_records.h"

#include <cmath>

#include "core/race/league_position.h"
#include "core/stats/detail_lines.h"
#include "core/stats/standings.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

void WinLossDraw::add(int outcome) {
    if (outcome > 0) ++wins;
    if (outcome < 0) ++losses;
    if (outcome == 0) ++draws;
}

double pythagorean_share(int scored, int allowed) {
    const double s = std::pow(static_cast<double>(scored), kPythagoreanExponent);
    const double a = std::pow(static_cast<double>(allowed), kPythagoreanExponent);
    return s + a > 0 ? s / (s + a) : 0.5;
}

ClubRecords club_records(const std::vector<ClubGame>& games) {
    ClubRecords r;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const ClubGame& g = games[i];
        (g.home ? r.home : r.road).add(g.outcome);
        if (g.interleague) r.interleague.add(g.outcome);
        if (games.size() - i <= 10) r.last_ten.add(g.outcome);
        if (std::abs(g.runs - g.rival_runs) == 1) r.one_run.add(g.outcome);
        if (g.innings > 9) r.extra_innings.add(g.outcome);
        if (g.outcome > 0 && g.rival_runs == 0) ++r.shutouts_won;
        if (g.outcome < 0 && g.runs == 0) ++r.shutouts_lost;
        r.scored += g.runs;
        r.allowed += g.rival_runs;
        if (g.outcome == 0) {
            r.streak = 0;
            ++r.streak_draws;
        } else {
            r.streak_draws = 0;
            r.streak = (r.streak * g.outcome > 0) ? r.streak + g.outcome : g.outcome;
        }
    }
    const int decided = r.home.wins + r.home.losses + r.road.wins + r.road.losses;
    r.expected_wins = static_cast<int>(std::lround(pythagorean_share(r.scored, r.allowed) * decided));
    r.expected_losses = decided - r.expected_wins;
    return r;
}

namespace {

Text count(int n, std::size_t width) { return right_text(plain_num(n), width); }

Text wld_cell(const WinLossDraw& r) {
    return U" " + count(r.wins, 2) + U"-" + count(r.losses, 2) + U"-" + count(r.draws, 2);
}

// Seven columns: "  3連勝", "  2連敗", "  1分　", or blanks before the first game.
Text streak_cell(const ClubRecords& r) {
    if (r.streak > 0) return count(r.streak, 3) + U"連勝";
    if (r.streak < 0) return count(-r.streak, 3) + U"連敗";
    if (r.streak_draws > 0) return count(r.streak_draws, 3) + U"分　";
    return U"   　　";
}

// The record against the other league, beside home and road, in a season with interleague play.
Text interleague_cell(const ClubRecords& r, bool interleague) { return interleague ? wld_cell(r.interleague) : Text(); }

Text club_line(const Season& season, int team, bool interleague) {
    const ClubRecords r = club_records(club_games(season, team));
    return U" " + season.clubs.team_name(team) + wld_cell(r.home) + wld_cell(r.road) +
           interleague_cell(r, interleague) + wld_cell(r.last_ten) + U" " +
           streak_cell(r) + wld_cell(r.one_run) + wld_cell(r.extra_innings) + count(r.shutouts_won, 6) +
           count(r.shutouts_lost, 6) + U"  " + count(r.expected_wins, 3) + U"-" + count(r.expected_losses, 3);
}

}  // namespace

ReportPane club_records_report(const Season& season) {
    const bool interleague = has_interleague_games(season);
    ReportPane pane;
    pane.caption = Text(U"            　　         両リーグ詳細成績") + kLineBreak +
                   U"  ﾁｰﾑ　          ﾎｰﾑ   ﾋﾞｼﾞﾀｰ" + (interleague ? U"   交流戦" : U"") +
                   U"   直近10    現在    1点差     延長  完封被完封  ﾋﾟﾀｺﾞﾗｽ";
    for (int league = 1; league <= 2; ++league) {
        pane.lines.emplace_back();
        const LeagueTable table = build_standings(season, first_team(league), last_team(league));
        for (const StandingRow& row : table) pane.lines.push_back(club_line(season, team_of(league, row_club(row)), interleague));
    }
    pane.status = U"両リーグの詳細成績です。";
    pane.lines.emplace_back(kCloseLine);
    return pane;
}

}  // namespace tev

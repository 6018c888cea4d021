// The interleague table (交流戦成績): the twelve clubs in the interleague ranking's places with
// their interleague games, wins, losses, draws, percentage, games behind the first club and runs,
// and below them each league's record against the other ("セ・リーグ  6勝  4敗 1分").
#pragma once

#include <optional>
#include <vector>

#include "core/race/league_position.h"
#include "core/stats/interleague_ranking.h"
#include "core/stats/report_pane.h"
#include "core/store/season.h"

namespace tev {

// The caption's title line and column header.
Text interleague_title();
Text interleague_header();

// The columns of a club's line; the league totals lines are cut at the same places.
const ReportColumns& interleague_columns();

// The record of `league`'s clubs (1 Central, 2 Pacific) in the ranking's lines, against the other
// league.
ClubRecord league_interleague_record(const std::vector<InterleagueLine>& lines, int league);

// A league's totals line: its name and its wins, losses and draws as newspapers give them.
Text league_totals_line(int league, const ClubRecord& record);

// The pane: caption (title and header), an empty line, the twelve clubs, an empty line and the
// two leagues' totals, then the closing line; for a season without interleague games the title,
// one line saying so and the closing line.
ReportPane interleague_report(const Season& season,
                              const std::optional<InterleaguePlaces>& previous);

}  // namespace tev

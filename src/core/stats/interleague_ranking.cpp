#include "core/stats/interleague_ranking.h"

#include <algorithm>
#include <functional>

#include "core/stats/interleague_records.h"

namespace tev {

namespace {

using Group = std::vector<int>;                    // team numbers level so far
using Better = std::function<bool(int a, int b)>;  // true when `a` ranks above `b`
using TieBreak = std::function<std::vector<Group>(const Group&)>;

// The group ordered by `better` (stable), cut wherever a club ranks below the one before it.
std::vector<Group> split(Group group, const Better& better) {
    std::stable_sort(group.begin(), group.end(), better);
    std::vector<Group> parts;
    for (int team : group) {
        if (parts.empty() || better(parts.back().back(), team)) parts.emplace_back();
        parts.back().push_back(team);
    }
    return parts;
}

// Each group of level clubs split by `rule`; a club alone keeps its place.
std::vector<Group> part_level(const std::vector<Group>& groups, const TieBreak& rule) {
    std::vector<Group> parted;
    for (const Group& group : groups) {
        if (group.size() < 2) {
            parted.push_back(group);
            continue;
        }
        for (Group& part : rule(group)) parted.push_back(std::move(part));
    }
    return parted;
}

// Wins over decided games compared without rounding; no decided game counts as 0.
bool better_percentage(const ClubRecord& a, const ClubRecord& b) {
    const long long decided_a = std::max(a.wins + a.losses, 1),
                    decided_b = std::max(b.wins + b.losses, 1);
    return static_cast<long long>(a.wins) * decided_b > static_cast<long long>(b.wins) * decided_a;
}

TieBreak by_percentage(const InterleagueRecords& records) {
    return [&records](const Group& group) {
        return split(group, [&](int a, int b) {
            return better_percentage(records.clubs[a].record, records.clubs[b].record);
        });
    };
}

TieBreak by_wins(const InterleagueRecords& records) {
    return [&records](const Group& group) {
        return split(group, [&](int a, int b) {
            return records.clubs[a].record.wins > records.clubs[b].record.wins;
        });
    };
}

// Only two level clubs are parted by their meetings; three or more go on to TQB.
TieBreak by_head_to_head(const InterleagueRecords& records) {
    return [&records](const Group& group) {
        if (group.size() != 2) return std::vector<Group>{group};
        return split(
            group, [&](int a, int b) { return records.wins_over[a][b] > records.wins_over[b][a]; });
    };
}

Tqb club_tqb(const InterleagueClub& club) {
    return tqb_of(club.scored, club.innings_batted, club.allowed, club.innings_pitched);
}

TieBreak by_tqb(const InterleagueRecords& records) {
    return [&records](const Group& group) {
        return split(group, [&](int a, int b) {
            return club_tqb(records.clubs[a]) > club_tqb(records.clubs[b]);
        });
    };
}

TieBreak by_previous_place(const std::optional<InterleaguePlaces>& previous) {
    return [&previous](const Group& group) {
        const bool known = previous && std::all_of(group.begin(), group.end(),
                                                   [&](int team) { return (*previous)[team] > 0; });
        if (!known) return std::vector<Group>{group};
        return split(group, [&](int a, int b) { return (*previous)[a] < (*previous)[b]; });
    };
}

}  // namespace

bool interleague_full_tiebreaks(const std::string& disp_year) {
    return disp_year >= "2011";
}

std::vector<InterleagueLine> interleague_ranking(const Season& season,
                                                 const std::optional<InterleaguePlaces>& previous) {
    const InterleagueRecords records = build_interleague_records(season);
    if (records.games == 0) return {};
    std::vector<Group> groups = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}};
    groups = part_level(groups, by_percentage(records));
    if (interleague_full_tiebreaks(season.disp_year)) {
        groups = part_level(groups, by_wins(records));
        groups = part_level(groups, by_head_to_head(records));
        groups = part_level(groups, by_tqb(records));
    }
    groups = part_level(groups, by_previous_place(previous));

    std::vector<InterleagueLine> lines;
    for (const Group& group : groups) {
        const int place = static_cast<int>(lines.size()) + 1;
        for (int team : group) {
            const InterleagueClub& club = records.clubs[team];
            lines.push_back({team, place, club.record, club.scored, club.allowed, club_tqb(club)});
        }
    }
    return lines;
}

InterleaguePlaces interleague_places(const Season& season,
                                     const std::optional<InterleaguePlaces>& previous) {
    InterleaguePlaces places{};
    for (const InterleagueLine& line : interleague_ranking(season, previous))
        places[line.team] = line.place;
    return places;
}

}  // namespace tev

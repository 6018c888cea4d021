#include "core/homeruns/homerun_make.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <vector>

#include "core/store/game_string.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

struct Tally {
    TextView key;  // team number and name field, 12 characters, a view into the season's game
    int count = 0;
};

// One league's tally of batters (key at record character 1) or pitchers (character 13).
class LeagueTally {
  public:
    explicit LeagueTally(std::size_t capacity) : capacity_(capacity) {}

    // `key` is a view into a game of the season, which outlives the tally: keys stay views
    // until the tables are filled, so that a season's tally allocates only its index.
    void add(TextView key) {
        if (const auto it = index_.find(key); it != index_.end()) {
            ++rows_[it->second].count;
            return;
        }
        if (rows_.size() == capacity_) {
            refused_.insert(key);
            return;
        }
        index_.emplace(key, rows_.size());
        rows_.push_back({key, 1});
    }

    std::vector<Tally>& rows() { return rows_; }
    int refused() const { return static_cast<int>(refused_.size()); }

  private:
    std::size_t capacity_;
    std::vector<Tally> rows_;
    std::unordered_map<TextView, std::size_t> index_;
    std::set<TextView> refused_;
};

void sort_by_count(std::vector<Tally>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Tally& a, const Tally& b) { return a.count > b.count; });
}

std::vector<Tally> tally_league(const Season& season, int first_team, int last_team,
                                std::size_t key_at, int& refused) {
    LeagueTally tally(kHrLeagueEntries);
    const auto record_key = [&](const Text& game, int j) {
        return mid_view(mid_view(game, kGameLength + 1 + kHrLength * static_cast<std::size_t>(j), kHrLength), key_at, 12);
    };
    for_each_game(season, first_team, last_team, [&](Slot, const Text& game) {
        for (int j = 0; j < hr_count(game); ++j) tally.add(record_key(game, j));
    });
    // In an interleague game only the records of this league's players count: the batter's club
    // (or the pitcher's) names the league.
    for_each_interleague_game(season, [&](Slot, const Text& game) {
        for (int j = 0; j < hr_count(game); ++j) {
            const TextView key = record_key(game, j);
            const auto team = number_or_zero(key.substr(0, 2));
            if (team >= first_team && team <= last_team) tally.add(key);
        }
    });
    refused = tally.refused();
    sort_by_count(tally.rows());
    return tally.rows();
}

// Central then Pacific, sorted stably; what does not fit is the lowest counts, met last.
std::vector<Tally> both_leagues(const std::vector<Tally>& central,
                                const std::vector<Tally>& pacific, int& refused) {
    std::vector<Tally> all = central;
    all.insert(all.end(), pacific.begin(), pacific.end());
    sort_by_count(all);
    refused = std::max(0, static_cast<int>(all.size()) - kHrBothEntries);
    if (refused > 0) all.resize(kHrBothEntries);
    return all;
}

// A table entry: the key, then the count right-aligned in two characters (held at 99). Made in
// one allocation, since a commit makes every entry of six tables.
Text entry_text(const Tally& row) {
    const int count = std::min(row.count, kHrMaxCount);
    Text entry;
    entry.reserve(row.key.size() + 2);
    entry.append(row.key);
    entry += count >= 10 ? static_cast<char32_t>(U'0' + count / 10) : U' ';
    entry += static_cast<char32_t>(U'0' + count % 10);
    return entry;
}

template <std::size_t N>
void fill(std::array<Text, N>& table, const std::vector<Tally>& rows, std::set<Text>& held) {
    for (std::size_t i = 0; i < rows.size() && i < N; ++i) {
        if (rows[i].count > kHrMaxCount) held.insert(Text(rows[i].key));
        table[i] = entry_text(rows[i]);
    }
}

void step(const std::function<void(int)>& progress, int n) {
    if (progress) progress(n);
}

}  // namespace

int tally_count(const Text& entry) {
    return static_cast<int>(number_or_zero(mid(entry, 13, 2)));
}

HomerunBuild homerun_make(const Season& season, const std::function<void(int step)>& progress) {
    HomerunBuild build;
    HomerunTables& t = build.tables;
    HomerunLeftOut& out = build.left_out;
    std::set<Text> held;

    const std::vector<Tally> bat_c = tally_league(season, 1, 6, 1, out.bat_c);
    step(progress, 1);
    const std::vector<Tally> bat_p = tally_league(season, 7, 12, 1, out.bat_p);
    step(progress, 2);
    const std::vector<Tally> bat_all = both_leagues(bat_c, bat_p, out.bat_all);
    step(progress, 3);
    const std::vector<Tally> pit_c = tally_league(season, 1, 6, 13, out.pit_c);
    step(progress, 4);
    const std::vector<Tally> pit_p = tally_league(season, 7, 12, 13, out.pit_p);
    step(progress, 5);
    const std::vector<Tally> pit_all = both_leagues(pit_c, pit_p, out.pit_all);
    step(progress, 6);

    fill(t.bat_c, bat_c, held);
    fill(t.bat_p, bat_p, held);
    fill(t.bat_all, bat_all, held);
    fill(t.pit_c, pit_c, held);
    fill(t.pit_p, pit_p, held);
    fill(t.pit_all, pit_all, held);
    out.held_at_99 = static_cast<int>(held.size());
    return build;
}

}  // namespace tev

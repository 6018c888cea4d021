#include "core/pitchers/pitcher_cum.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "core/pitchers/pitcher_report.h"
#include "core/settings/year_file.h"
#include "core/store/season_files.h"
#include "core/text/fixed_width.h"

namespace tev {

std::size_t year_slot_position(const std::string& year, std::size_t slot) {
    if (year.size() != 4 || year.find_first_not_of("0123456789") != std::string::npos) return 0;
    const int y = std::stoi(year);
    if (y < kFirstCumYear || y > kLastCumYear) return 0;
    return static_cast<std::size_t>(y - kFirstCumYear) * slot + 1;
}

namespace {

Text year_note(const std::string& year, const Text& text) {
    return ascii(year) + U"年: " + text;
}

// One pitcher's line of one year, equal keys of the year's table added together.
struct YearLine {
    Text key;
    int wins = 0, losses = 0, saves = 0;
};

std::vector<YearLine> year_lines(const PitcherTable& table) {
    std::vector<YearLine> lines;
    std::unordered_map<TextView, std::size_t> line_of;  // key -> its line, in first-seen order
    for (const PitcherRow& row : table) {
        if (row.key.empty()) continue;
        const auto [it, added] = line_of.try_emplace(row.key, lines.size());
        if (added) lines.push_back(YearLine{row.key});
        YearLine& line = lines[it->second];
        line.wins += row.wins;
        line.losses += row.losses;
        line.saves += row.saves;
    }
    return lines;
}

bool fits_slot(const YearLine& line) {
    for (int count : {line.wins, line.losses, line.saves})
        if (count < 0 || count > 99) return false;
    return true;
}

class CumBuilder {
  public:
    // The row of `key`, appended when new; nullptr once the table is full.
    PitcherCumRow* row_of(const Text& key) {
        // Rows are found through an index: 26 years of staffs fill the 1,000 rows.
        if (const auto it = row_index_.find(key); it != row_index_.end()) return &rows_[it->second];
        if (static_cast<int>(rows_.size()) == kCumRows) {
            refused_.insert(key);
            return nullptr;
        }
        row_index_.emplace(key, rows_.size());
        rows_.push_back(PitcherCumRow{key});
        return &rows_.back();
    }

    void add_year(const std::string& year, std::size_t pos, const PitcherTable& table,
                  std::vector<Text>& notes) {
        int too_big = 0;
        for (const YearLine& line : year_lines(table)) {
            if (!fits_slot(line)) {
                ++too_big;
                continue;
            }
            PitcherCumRow* row = row_of(line.key);
            if (row == nullptr) continue;
            row->wins = static_cast<std::int16_t>(row->wins + line.wins);
            row->losses = static_cast<std::int16_t>(row->losses + line.losses);
            row->saves = static_cast<std::int16_t>(row->saves + line.saves);
            write_slot(row->years, pos, year, {line.wins, line.losses, line.saves});
            last_end_ = std::max(last_end_, pos + kPitcherSlot - 1);
        }
        if (too_big > 0)
            notes.push_back(year_note(year, U"勝・敗・セーブの数が99を超える投手" +
                                                plain_num(too_big) + U"人を入れていません"));
    }

    PitcherCumBuild finish(std::vector<Text> notes) {
        if (!refused_.empty())
            notes.push_back(U"累計の表が" + plain_num(kCumRows) + U"人で一杯のため、" +
                            plain_num(static_cast<long long>(refused_.size())) +
                            U"人の投手成績を入れていません");
        even_years(rows_, last_end_);
        return PitcherCumBuild{std::move(rows_), std::move(notes)};
    }

    PitcherCum& rows() { return rows_; }

  private:
    // Writes the year and its three counts, right-aligned in two characters each, at `pos`.
    static void write_slot(Text& years, std::size_t pos, const std::string& year,
                           std::initializer_list<int> counts) {
        if (years.size() < pos + kPitcherSlot - 1) years.resize(pos + kPitcherSlot - 1, U'0');
        char32_t* at = years.data() + (pos - 1);
        for (char c : year) *at++ = static_cast<char32_t>(c);
        for (int count : counts) {  // 0..99, as fits_slot checked
            *at++ = count < 10 ? U' ' : static_cast<char32_t>(U'0' + count / 10);
            *at++ = static_cast<char32_t>(U'0' + count % 10);
        }
    }

    PitcherCum rows_;
    std::unordered_map<Text, std::size_t> row_index_;
    std::unordered_set<Text> refused_;
    std::size_t last_end_ = 0;  // the last character of the latest slot written
};

void sort_cum(PitcherCum& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const PitcherCumRow& a, const PitcherCumRow& b) {
        if (a.wins != b.wins) return a.wins > b.wins;
        return a.losses < b.losses;
    });
}

PitcherCumBuild make(const std::vector<PitcherYear>& years,
                     const std::function<void()>& after_first) {
    CumBuilder builder;
    std::vector<Text> notes;
    for (std::size_t i = 0; i < years.size(); ++i) {
        const PitcherYear& y = years[i];
        const std::size_t pos = year_slot_position(y.year, kPitcherSlot);
        if (!y.problem.empty() || y.table == nullptr) {
            notes.push_back(year_note(y.year, y.problem));
        } else if (pos == 0) {
            notes.push_back(year_note(y.year, U"累計に入る年度は1985年から2099年までです"));
        } else {
            builder.add_year(y.year, pos, *y.table, notes);
        }
        if (i == 0 && after_first) after_first();
    }
    return builder.finish(std::move(notes));
}

// Why a year file's both-league table cannot be used, or empty.
Text key_problem(const PitcherTable& table, const std::string& file) {
    for (int r = 0; r < kPitcherRows; ++r) {
        const Text& key = table[r].key;
        if (!key.empty() && (key.size() != 12 || key_team(key) == 0))
            return from_utf8(file + " " + std::to_string(r + 1) +
                             "行目: 投手の球団番号が正しくありません");
    }
    return Text();
}

}  // namespace

PitcherCumBuild pitcher_cum_make(const std::vector<PitcherYear>& years) {
    PitcherCumBuild build = make(years, {});
    sort_cum(build.table);
    return build;
}

PitcherCumBuild add_up_pitcher_years(const std::filesystem::path& dir,
                                     const std::vector<std::string>& years,
                                     const std::string& current_year,
                                     const PitcherTable& current_table,
                                     const std::function<void(CumStep)>& progress) {
    const auto step = [&](CumStep s) {
        if (progress) progress(s);
    };
    step(CumStep::reading);
    std::vector<std::unique_ptr<PitcherTable>> read;
    std::vector<PitcherYear> inputs;
    for (const std::string& year : years) {
        if (std::any_of(inputs.begin(), inputs.end(),
                        [&](const PitcherYear& y) { return y.year == year; }))
            continue;
        if (year == current_year) {
            inputs.push_back(PitcherYear{year, &current_table, Text()});
            continue;
        }
        const std::string name = existing_year_file(dir, "Pitcher_" + year + ".DAT");
        auto tables = read_pitcher_file(dir, name);
        if (!tables) {
            const Text why = tables.error().kind == ErrorKind::missing
                                 ? from_utf8(name) + U" が見つかりません"
                                 : from_utf8(tables.error().describe());
            inputs.push_back(PitcherYear{year, nullptr, why});
            continue;
        }
        read.push_back(std::make_unique<PitcherTable>((*tables)[2]));
        const Text bad_key = key_problem(*read.back(), name);
        inputs.push_back(PitcherYear{year, bad_key.empty() ? read.back().get() : nullptr, bad_key});
    }
    PitcherCumBuild build = make(inputs, [&] { step(CumStep::first_year); });
    if (inputs.empty()) step(CumStep::first_year);
    step(CumStep::all_years);
    sort_cum(build.table);
    step(CumStep::sorted);
    return build;
}

}  // namespace tev

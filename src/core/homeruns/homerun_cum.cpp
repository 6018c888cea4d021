#include "core/homeruns/homerun_cum.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "core/homeruns/homerun_file.h"
#include "core/settings/year_file.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

Text year_note(const std::string& year, const Text& text) {
    return ascii(year) + U"年: " + text;
}

class Side {
  public:
    explicit Side(const char32_t* what) : what_(what) {}

    // Adds `count` of `key` in the year whose slot starts at `pos`.
    void add(TextView key, int count, const std::string& year, std::size_t pos) {
        HomerunCumRow* row = row_of(key);
        if (row == nullptr) return;
        if (row->years.size() < pos + kHomerunSlot - 1) row->years.resize(pos + kHomerunSlot - 1, U'0');
        last_end_ = std::max(last_end_, pos + kHomerunSlot - 1);
        // A key twice in one year's table (only a damaged file has that) adds up in its slot too.
        const TextView slot = mid_view(row->years, pos, kHomerunSlot);
        const bool same_year = std::equal(year.begin(), year.end(), slot.begin(), slot.begin() + 4);
        const int before = same_year ? static_cast<int>(number_or_zero(mid_view(slot, 5, 2))) : 0;
        row->count = static_cast<std::int16_t>(row->count + count);
        if (before + count > 99) overfull_.push_back(year);  // the slot holds two digits
        const Text count_text = right_num(std::min(before + count, 99), 2);
        char32_t* at = row->years.data() + (pos - 1);
        for (char c : year) *at++ = static_cast<char32_t>(c);
        for (char32_t c : count_text) *at++ = c;
    }

    void sort() {
        std::stable_sort(
            rows_.begin(), rows_.end(),
            [](const HomerunCumRow& a, const HomerunCumRow& b) { return a.count > b.count; });
    }

    void note_refused(std::vector<Text>& notes) const {
        for (const std::string& year : overfull_)
            notes.push_back(year_note(year, what_ + U"のホームラン数が99を超えるため、その年度の欄は99としています"));
        if (!refused_.empty())
            notes.push_back(U"累計の表が" + plain_num(kCumRows) + U"人で一杯のため、" + what_ +
                            plain_num(static_cast<long long>(refused_.size())) +
                            U"人のホームランを入れていません");
    }

    // The rows, each years string as long as the latest slot of either side needs.
    HomerunCum take(std::size_t last_end) {
        even_years(rows_, last_end);
        return std::move(rows_);
    }

    std::size_t last_end() const { return last_end_; }

  private:
    HomerunCumRow* row_of(TextView key) {
        // Rows are found through an index: 26 years of batters fill the 1,000 rows.
        if (const auto it = row_index_.find(Text(key)); it != row_index_.end()) return &rows_[it->second];
        if (static_cast<int>(rows_.size()) == kCumRows) {
            refused_.emplace(key);
            return nullptr;
        }
        row_index_.emplace(Text(key), rows_.size());
        rows_.push_back(HomerunCumRow{Text(key)});
        return &rows_.back();
    }

    Text what_;
    HomerunCum rows_;
    std::unordered_map<Text, std::size_t> row_index_;
    std::unordered_set<Text> refused_;
    std::vector<std::string> overfull_;  // years whose slot of a player was cut to 99
    std::size_t last_end_ = 0;           // the last character of the latest slot written
};

struct Builder {
    Side batters{U"打者"};
    Side pitchers{U"投手"};
    std::vector<Text> notes;

    void add_year(const HomerunYear& y) {
        const std::size_t pos = year_slot_position(y.year, kHomerunSlot);
        if (!y.problem.empty() || y.tables == nullptr)
            return notes.push_back(year_note(y.year, y.problem));
        if (pos == 0)
            return notes.push_back(year_note(y.year, U"累計に入る年度は1985年から2099年までです"));
        for (int i = 0; i < kHrBothEntries; ++i) {
            const Text& bat = y.tables->bat_all[i];
            const Text& pit = y.tables->pit_all[i];
            if (bat.empty() && pit.empty()) break;
            if (!bat.empty())
                batters.add(mid_view(bat, 1, 12), static_cast<int>(number_or_zero(mid_view(bat, 13, 2))),
                            y.year, pos);
            if (!pit.empty())
                pitchers.add(mid_view(pit, 1, 12), static_cast<int>(number_or_zero(mid_view(pit, 13, 2))),
                             y.year, pos);
        }
    }

    HomerunCumBuild finish() {
        batters.note_refused(notes);
        pitchers.note_refused(notes);
        const std::size_t last_end = std::max(batters.last_end(), pitchers.last_end());
        return HomerunCumBuild{batters.take(last_end), pitchers.take(last_end), std::move(notes)};
    }
};

}  // namespace

HomerunCumBuild homerun_cum_make(const std::vector<HomerunYear>& years) {
    Builder builder;
    for (const HomerunYear& y : years) builder.add_year(y);
    builder.batters.sort();
    builder.pitchers.sort();
    return builder.finish();
}

HomerunCumBuild add_up_homerun_years(const std::filesystem::path& dir,
                                     const std::vector<std::string>& years,
                                     const std::string& current_year, const HomerunTables& current,
                                     const std::function<void(HrCumStep)>& progress) {
    const auto step = [&](HrCumStep s) {
        if (progress) progress(s);
    };
    step(HrCumStep::reading);
    Builder builder;
    step(HrCumStep::adding);
    std::vector<std::string> done;
    for (const std::string& year : years) {
        if (std::find(done.begin(), done.end(), year) != done.end()) continue;
        done.push_back(year);
        if (year == current_year) {
            builder.add_year(HomerunYear{year, &current, Text()});
        } else {
            const std::string name = existing_year_file(dir, "homerun_" + year + ".DAT");
            std::error_code ec;
            if (!std::filesystem::exists(dir / name, ec)) {
                builder.add_year(
                    HomerunYear{year, nullptr, from_utf8(name) + U" が見つかりません"});
            } else if (auto tables = read_homerun_file(dir, name); !tables) {
                builder.add_year(HomerunYear{year, nullptr, from_utf8(tables.error().describe())});
            } else {
                const auto held = std::make_unique<HomerunTables>(std::move(*tables));
                builder.add_year(HomerunYear{year, held.get(), Text()});
            }
        }
        if (done.size() == 1) step(HrCumStep::first_year);
    }
    if (done.empty()) step(HrCumStep::first_year);
    step(HrCumStep::sorting_batters);
    builder.batters.sort();
    step(HrCumStep::sorting_pitchers);
    builder.pitchers.sort();
    return builder.finish();
}

}  // namespace tev

#include "core/homeruns/homerun_file.h"

#include <algorithm>
#include <memory>

#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr int kLines = kHrLeagueEntries + kHrBothEntries;  // 452

// An entry is empty or 14 characters ending in a count.
bool is_tally_entry(const ItemView& item) {
    if (!item.quoted) return false;
    if (item.text.empty()) return true;
    if (item.text.size() != 14) return false;
    const auto team = read_number(item.text.substr(0, 2));
    const auto count = read_number(item.text.substr(12, 2));
    return team && count && *team >= 1 && *team <= 12 && *count >= 0;
}

}  // namespace

Result<HomerunTables> read_homerun_file(const std::filesystem::path& dir, const std::string& name) {
    auto tables = std::make_unique<HomerunTables>();
    auto lines = read_items(dir, name);
    if (!lines) {
        if (lines.error().kind == ErrorKind::missing) return *tables;
        return lines.error();
    }
    if (lines->size() != kLines)
        return Error{ErrorKind::damaged, name, static_cast<int>(std::min<std::size_t>(lines->size(), kLines)) + 1,
                     "行数が" + std::to_string(lines->size()) + "行です（452行必要）"};
    for (int i = 0; i < kLines; ++i) {
        const std::size_t expected = i < kHrLeagueEntries ? 4 : 2;
        if (lines->items_in(i) != expected)
            return Error{ErrorKind::damaged, name, i + 1, "項目数が正しくありません"};
        for (std::size_t k = 0; k < expected; ++k)
            if (!is_tally_entry(lines->item(i, k)))
                return Error{ErrorKind::damaged, name, i + 1, "ホームラン集計の項目が正しくありません"};
        const auto text = [&](std::size_t k) { return Text(lines->item(i, k).text); };
        if (i < kHrLeagueEntries) {
            tables->bat_c[i] = text(0);
            tables->bat_p[i] = text(1);
            tables->pit_c[i] = text(2);
            tables->pit_p[i] = text(3);
        } else {
            tables->bat_all[i - kHrLeagueEntries] = text(0);
            tables->pit_all[i - kHrLeagueEntries] = text(1);
        }
    }
    return *tables;
}

ItemWriter homerun_file_writer(const HomerunTables& tables, const std::string& name) {
    ItemWriter writer(name);
    for (int i = 0; i < kHrLeagueEntries; ++i) {
        writer.string(tables.bat_c[i]).string(tables.bat_p[i]).string(tables.pit_c[i]).string(tables.pit_p[i]);
        writer.end_line();
    }
    for (int i = 0; i < kHrBothEntries; ++i) {
        writer.string(tables.bat_all[i]).string(tables.pit_all[i]);
        writer.end_line();
    }
    return writer;
}

}  // namespace tev

#include "core/store/entry_journal.h"

#include "core/store/game_string.h"
#include "core/store/teams.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

Error damaged(const std::string& file, int line, const std::string& detail) {
    return make_error(ErrorKind::damaged, file, line, detail);
}

std::optional<long long> bare_number(const Item& item) {
    return item.quoted ? std::nullopt : read_number(item.text);
}

// The meetings the store of the two clubs holds: the game store for one league, the
// interleague store for two.
int most_meetings(int first, int second) {
    return league_of(first) == league_of(second) ? kMeetings : kMostInterleagueMeetings;
}

Result<JournalEntry> journal_line(const ItemLine& line, const std::string& file, int number) {
    if (line.size() != 4 || !line[3].quoted) return damaged(file, number, "項目が4個（球団、球団、回戦、試合）ではありません");
    const auto first = bare_number(line[0]), second = bare_number(line[1]), meeting = bare_number(line[2]);
    if (!first || !second || !meeting || *first < 1 || *first > 12 || *second < 1 || *second > 12 || *first == *second)
        return damaged(file, number, "球団番号が正しくありません");
    const int a = static_cast<int>(*first), b = static_cast<int>(*second);
    if (*meeting < 1 || *meeting > most_meetings(a, b)) return damaged(file, number, "回戦が正しくありません");
    if (auto why = game_shape_error(line[3].text)) return damaged(file, number, *why);
    return JournalEntry{a, b, static_cast<int>(*meeting), line[3].text};
}

}  // namespace

std::string entry_journal_name(const std::string& year) { return "Entry_" + year + ".DAT"; }

ItemWriter entry_journal_writer(const std::string& year, const std::vector<JournalEntry>& entries) {
    ItemWriter writer(entry_journal_name(year));
    writer.string(ascii(year));
    writer.end_line();
    for (const JournalEntry& entry : entries) {
        writer.integer(entry.first).integer(entry.second).integer(entry.meeting).string(entry.game);
        writer.end_line();
    }
    return writer;
}

Result<std::optional<std::vector<JournalEntry>>> read_entry_journal(const std::filesystem::path& dir,
                                                                    const std::string& year) {
    const std::string name = name_on_disk(dir, entry_journal_name(year));
    auto lines = read_item_file(dir, name);
    if (!lines) {
        if (lines.error().kind == ErrorKind::missing) return std::optional<std::vector<JournalEntry>>();
        return lines.error();
    }
    if (lines->empty() || (*lines)[0].size() != 1 || (*lines)[0][0].text != ascii(year))
        return damaged(name, 1, "この年度の控えではありません");
    std::vector<JournalEntry> entries;
    for (std::size_t i = 1; i < lines->size(); ++i) {
        auto entry = journal_line((*lines)[i], name, static_cast<int>(i) + 1);
        if (!entry) return entry.error();
        entries.push_back(std::move(*entry));
    }
    return std::optional<std::vector<JournalEntry>>(std::move(entries));
}

Status apply_journal(Season& season, const std::vector<JournalEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const JournalEntry& entry = entries[i];
        if (league_of(entry.first) != league_of(entry.second) && entry.meeting > season.interleague_meetings)
            return damaged(entry_journal_name(season.disp_year), static_cast<int>(i) + 2, "交流戦の対戦数を超える回戦の試合です");
    }
    for (const JournalEntry& entry : entries) season.filed_game(entry.first, entry.second, entry.meeting) = entry.game;
    return ok_status();
}

}  // namespace tev

#include "core/years/year_files.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/settings/settings.h"
#include "core/store/club_file.h"
#include "core/store/entry_journal.h"
#include "core/store/interleague_file.h"
#include "core/text/data_file.h"
#include "core/text/fixed_width.h"
#include "core/platform/utf8_path.h"

namespace tev {

namespace fs = std::filesystem;

namespace {

bool same_ignoring_case(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// True when `name` is `own` with its extension in any letter case.
bool is_own_file(const std::string& name, const std::string& own) {
    const std::size_t dot = own.rfind('.');
    return name.size() == own.size() && name.compare(0, dot, own, 0, dot) == 0 &&
           same_ignoring_case(name.substr(dot), own.substr(dot));
}

}  // namespace

std::vector<Text> registered_year_items(const std::string& rec_year) {
    std::vector<Text> items;
    for (const std::string& year : registered_years(rec_year)) items.push_back(ascii(year));
    items.emplace_back(kCancelItem);
    return items;
}

std::vector<Text> unregistered_year_items(const std::string& rec_year, int last_year) {
    std::vector<Text> items;
    for (int year = kFirstOfferedYear; year <= last_year; ++year)
        items.push_back(num_text(year));
    items.emplace_back(kCancelItem);
    for (const std::string& year : registered_years(rec_year)) {
        Text item(1, U' ');
        item += ascii(year);
        std::erase(items, item);
    }
    return items;
}

std::string year_of_item(const Text& item) {
    const Text tail = item.size() > 4 ? item.substr(item.size() - 4) : item;
    return to_utf8(tail);
}

std::vector<std::string> own_file_names(const std::string& year) {
    const FileNames names = year_file_names(year);
    return {names.game_file, names.best_file, names.pitcher_file, names.homerun_file,
            names.history_file, club_file_name(year), interleague_file_name(year),
            entry_journal_name(year)};
}

std::vector<std::string> year_files_present(const fs::path& dir, const std::string& year) {
    const std::vector<std::string> own = own_file_names(year);
    std::vector<std::string> present;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const std::string name = utf8_string(entry.path().filename());
        if (std::any_of(own.begin(), own.end(),
                        [&](const std::string& o) { return is_own_file(name, o); }))
            present.push_back(name);
    }
    std::sort(present.begin(), present.end());
    return present;
}

Status delete_year_files(const fs::path& dir, const std::string& year) {
    const std::vector<std::string> present = year_files_present(dir, year);
    if (present.empty()) return ok_status();
    return remove_files_durably(dir, present);
}

std::vector<std::string> years_with_game_file(const fs::path& dir, int last_year) {
    std::vector<std::string> years;
    std::error_code ec;
    for (int year = kFirstOfferedYear; year <= last_year; ++year) {
        const std::string name = "Tev_" + std::to_string(year) + ".dat";
        if (fs::exists(dir / name_on_disk(dir, name), ec)) years.push_back(std::to_string(year));
    }
    return years;
}

Text file_reference_text(const Text& title, int added) {
    Text text = title + U"\r\n\r\n\r\n" + U"        データファイルの検索中" + U"\r\n\r\n";
    if (added > 0)
        return text + U"                  " + num_text(added) + U"年分の" + U"\r\n" +
               U"            データを登録しました。";
    return text + U"           新規登録ファイルは" + U"\r\n" + U"             有りませんでした｡ ";
}

}  // namespace tev

#include "core/settings/settings.h"

#include "core/text/data_file.h"
#include "core/text/fixed_width.h"

namespace tev {

namespace {

constexpr std::size_t kKeyLength = 11;
const std::string kRegiKey = "Regi Year= ";

// The first item of a settings line, as plain bytes (the file is ASCII).
std::string first_item(const ItemLine& line) {
    return line.empty() ? std::string() : to_utf8(line.front().text);
}

}  // namespace

FileNames year_file_names(const std::string& disp_year) {
    return FileNames{"Tev_" + disp_year + ".DAT", "Best100_" + disp_year + ".DAT",
                     "Pitcher_" + disp_year + ".DAT", "homerun_" + disp_year + ".DAT",
                     "RIRE" + disp_year + ".DAT"};
}

Result<Settings> read_settings(const std::filesystem::path& dir) {
    auto lines = read_item_file(dir, kSettingsFile);
    if (!lines) {
        if (lines.error().kind != ErrorKind::missing) return lines.error();
        Settings defaults;
        auto written = write_settings(dir, defaults);
        if (!written) return written.error();
        return defaults;
    }
    if (lines->size() < 2)
        return Error{ErrorKind::damaged, kSettingsFile, static_cast<int>(lines->size()) + 1,
                     "2行に足りません"};
    const std::string line1 = first_item((*lines)[0]);
    Settings settings;
    settings.disp_year = line1.size() > kKeyLength ? line1.substr(kKeyLength, 4) : std::string();
    settings.rec_year = first_item((*lines)[1]);
    return settings;
}

Status write_settings(const std::filesystem::path& dir, const Settings& settings) {
    const std::string bytes = "Disp Year= " + settings.disp_year + "\r\n" + settings.rec_year + "\r\n";
    return write_files_atomically(dir, {{kSettingsFile, bytes}});
}

std::vector<std::string> registered_years(const std::string& rec_year) {
    std::vector<std::string> years;
    for (std::size_t pos = kKeyLength; pos + 4 <= rec_year.size(); pos += 4)
        years.push_back(rec_year.substr(pos, 4));
    return years;
}

std::string rec_year_with(const std::string& rec_year, const std::string& year) {
    return rec_year + year;
}

std::string rec_year_without(const std::string& rec_year, const std::string& year) {
    std::string out = kRegiKey;
    for (const std::string& y : registered_years(rec_year))
        if (y != year) out += y;
    return out;
}

}  // namespace tev

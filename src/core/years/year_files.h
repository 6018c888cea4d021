// The year files: which years the year list offers, the five files that belong to one year, the
// search for year files handed out by other installations, and the deletion of one year's files.
// A year is four digits; the registered years are the settings' `rec_year` (settings.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/text/error.h"
#include "core/text/text.h"

namespace tev {

// The first year the program offers for a new year or looks for in the folder, and the last one
// it offers at least, whatever the clock says.
inline constexpr int kFirstOfferedYear = 1985;
inline constexpr int kLastOfferedYear = 2010;

// The last year offered when the clock reads `this_year`: next year, so that a season can be
// set up before it starts, and never before 2010.
constexpr int last_offered_year(int this_year) {
    return this_year + 1 > kLastOfferedYear ? this_year + 1 : kLastOfferedYear;
}

// The year the program starts with: always registered, never deleted.
inline constexpr const char* kFirstSeasonYear = "1996";

// The last item of every year list.
inline constexpr const char32_t* kCancelItem = U"ｷｬﾝｾﾙ";

// The year list of "ﾃﾞｰﾀ読込" and "ﾃﾞｰﾀﾌｧｲﾙ削除": each registered year as four digits, in
// registration order, then "ｷｬﾝｾﾙ".
std::vector<Text> registered_year_items(const std::string& rec_year);

// The year list of "新規作成" (set_list3): " 1985" ... " <last_year>" with a leading blank,
// without the registered years, then "ｷｬﾝｾﾙ".
std::vector<Text> unregistered_year_items(const std::string& rec_year,
                                          int last_year = kLastOfferedYear);

// The year an item of the year list names: its last four characters (the whole item when it is
// shorter), as plain ASCII.
std::string year_of_item(const Text& item);

// The files of `year` as the program writes them: Tev_, Best100_, Pitcher_, homerun_, RIRE and
// the club file Clubs_ (written only for a year with names of its own), each ending in ".DAT".
std::vector<std::string> own_file_names(const std::string& year);

// The files of `dir` that are one of the five files of `year` with either letter case of the
// extension (both when both exist), sorted by name. Other files naming the year (a user's
// "old1997.dat") are not among them.
std::vector<std::string> year_files_present(const std::filesystem::path& dir,
                                            const std::string& year);

// Deletes every file of year_files_present. The error names the first file that could not be
// deleted (the others are still tried); success when there was nothing to delete.
Status delete_year_files(const std::filesystem::path& dir, const std::string& year);

// The years 1985..last_year, ascending, whose game file "Tev_<year>.dat" (either case of the
// extension) is in `dir`.
std::vector<std::string> years_with_game_file(const std::filesystem::path& dir,
                                              int last_year = kLastOfferedYear);

// The text of the year-file search dialog after `added` years were registered: `title`, the
// searching line and either the count registered or "no new files".
Text file_reference_text(const Text& title, int added);

}  // namespace tev

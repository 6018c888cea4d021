// One libFuzzer target per reader, chosen at build time by FUZZ_TARGET: the bytes of each input
// are the file the reader is given. A reader must return a value or an error, never crash, hang,
// leak or read out of bounds (the targets are built with AddressSanitizer and UBSan).
#include <cstddef>
#include <cstdint>

#include "core/exchange/game_export.h"
#include "core/exchange/game_import.h"
#include "core/history/history_file.h"
#include "core/history/past_years.h"
#include "core/homeruns/homerun_file.h"
#include "core/settings/settings.h"
#include "core/store/club_file.h"
#include "core/store/entry_journal.h"
#include "core/store/interleague_file.h"
#include "core/store/season_files.h"
#include "core/text/data_file.h"
#include "fuzz_support.h"

namespace {

using namespace tev;

void run(const std::uint8_t* data, std::size_t size) {
#if FUZZ_TARGET == 1  // settings
    fuzz::put(kSettingsFile, data, size);
    if (auto s = read_settings(fuzz::folder())) (void)year_file_names(s->disp_year);
#elif FUZZ_TARGET == 2  // game file
    fuzz::put("Tev_1996.DAT", data, size);
    Season season;
    (void)read_game_file(fuzz::folder(), year_file_names("1996"), season);
#elif FUZZ_TARGET == 3  // score list, read as read_season_files reads it after a sound game file
    fuzz::put("Best100_1996.DAT", data, size);
    Season season;
    (void)read_season_files(fuzz::folder(), year_file_names("1996"), season);
#elif FUZZ_TARGET == 4  // pitcher file
    fuzz::put("Pitcher_1996.DAT", data, size);
    (void)read_pitcher_file(fuzz::folder(), "Pitcher_1996.DAT");
#elif FUZZ_TARGET == 5  // home-run file
    fuzz::put("homerun_1996.DAT", data, size);
    (void)read_homerun_file(fuzz::folder(), "homerun_1996.DAT");
#elif FUZZ_TARGET == 6  // history file
    fuzz::put("RIRE1996.DAT", data, size);
    (void)history_file_readable(fuzz::folder(), "RIRE1996.DAT");
    (void)read_history_file(fuzz::folder(), "RIRE1996.DAT");
#elif FUZZ_TARGET == 7  // record.dat
    fuzz::put("record.dat", data, size);
    (void)read_past_years(fuzz::folder());
#elif FUZZ_TARGET == 8  // club file
    fuzz::put("Clubs_1996.DAT", data, size);
    (void)read_club_file(fuzz::folder(), "Clubs_1996.DAT");
#elif FUZZ_TARGET == 9  // interleague file
    fuzz::put("Kouryu_2026.DAT", data, size);
    (void)read_interleague_file(fuzz::folder(), "Kouryu_2026.DAT");
#elif FUZZ_TARGET == 10  // entry journal, and the season it would be filed into
    fuzz::put("Entry_2026.DAT", data, size);
    if (auto read = read_entry_journal(fuzz::folder(), "2026"); read.ok() && read->has_value()) {
        Season season;
        season.disp_year = "2026";
        season.interleague_meetings = 3;
        (void)apply_journal(season, **read);
    }
#elif FUZZ_TARGET == 11  // a results table: read, planned against a season, filed, written out again
    static const Season filed = [] {
        Season season;
        season.disp_year = "2026";
        season.clubs = todays_club_names();
        season.interleague_meetings = 3;
        season.game_at(1, 4, 1) = format_game(GameFields{3, 2, U"A", U"B", U"", U"30000", U"", U"", U"2026", 4, 3, {}});
        return season;
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto plan = plan_import(bytes, "t.csv", filed); plan.ok()) {
        Season season = filed;
        apply_import(season, *plan, true);
        (void)games_csv(season);
    }
#else
#error "FUZZ_TARGET names no reader"
#endif
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    run(data, size);
    return 0;
}

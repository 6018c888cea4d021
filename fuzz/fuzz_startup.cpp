// The whole start-up of a data folder through the window model: the first byte of an input picks
// which file of a sound season it replaces (the settings, one of the five year files, record.dat,
// a save marker, a club file, an interleague file or an entry journal), the rest is that file. The program must start or end with its
// message, never crash; when it starts, the standings and the topics are shown, as a user's first
// clicks would.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "ui/main_window.h"
#include "ui/shell/scripted_services.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tev;
    static const char* const kFiles[] = {"Tevardin.ini",     "Tev_1996.DAT",  "Best100_1996.DAT",
                                         "Pitcher_1996.DAT", "homerun_1996.DAT", "RIRE1996.DAT",
                                         "record.dat",       "Tevardin_1996.SAV", "Clubs_1996.DAT",
                                         "Kouryu_1996.DAT",  "Entry_1996.DAT"};
    if (size == 0) return 0;
    const std::string name = kFiles[data[0] % (sizeof kFiles / sizeof *kFiles)];
    fuzz::put(name, data + 1, size - 1);
    {
        ui::ScriptedServices services;
        ui::MainWindow window(fuzz::folder(), services);
        if (window.start()) {
            window.main().fire("Command11", -1, ui::Event::click);
            window.main().fire("Command9", -1, ui::Event::click);
        }
    }
    // The start may have mended or rebuilt files: every input starts from the sound season.
    for (const char* file : kFiles) fuzz::restore(file);
    return 0;
}

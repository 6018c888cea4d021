// What the running program asks of the system about itself: its own file, and the local time.
// One source file per platform implements them.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace tev::os {

// The program's own executable file (to find the data shipped beside it); empty when unknown.
std::filesystem::path program_file();

// The folder where the desktop keeps its users' program data when it names one of its own
// (Windows: the roaming application data folder); empty where the desktop's environment rule
// (XDG_DATA_HOME, HOME) applies.
std::filesystem::path desktop_data_home();

// `t` as a calendar time in the user's time zone.
std::tm local_time(std::time_t t);

// The program's command-line arguments after its name, as UTF-8 text (Windows hands `argv` over
// in its narrow code page, which cannot hold every name; the wide command line can).
std::vector<std::string> utf8_arguments(int argc, char** argv);

// Lets the console show the UTF-8 text the program writes (the code page Windows' console uses
// otherwise is not UTF-8); nothing to do elsewhere.
void use_utf8_console();

}  // namespace tev::os

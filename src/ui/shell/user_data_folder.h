// The user's own data folder, used when the program is started with no folder named (as from the
// desktop menu). It lives in the XDG data home ("$XDG_DATA_HOME/tevardin", by default
// "~/.local/share/tevardin") and is filled from the shipped data files on first start. A file
// already there is never overwritten, so a season the user keeps survives updates of the program.
#pragma once

#include <filesystem>
#include <string>

#include "core/text/error.h"

namespace tev::ui {

// The user's data folder: on a desktop that names a folder for program data (Windows) its
// "Tevardin" folder; elsewhere from the environment values given (XDG_DATA_HOME, HOME), empty
// when neither names a usable absolute folder.
std::filesystem::path user_data_folder(const char* xdg_data_home, const char* home);

// The shipped data folder for a program at `program_file`: `override_dir` when it is given (not
// empty), else "../share/tevardin/data" beside the program's bin/ folder.
std::filesystem::path shipped_data_folder(const std::filesystem::path& program_file,
                                          const char* override_dir);

// Makes `target` (and its parents) and copies into it each plain file of `shipped` that `target`
// lacks; returns the error of the first step that failed. A missing `shipped` folder is no error:
// the program then starts on an empty folder, as it does on any new folder.
Status seed_user_data(const std::filesystem::path& shipped, const std::filesystem::path& target);

// A folder the user names: made from the shipped data, as the user's own folder is, when it does
// not exist yet or holds nothing. A folder with anything in it is left as it is: one that holds
// part of a season is the user's to mend, and the program says what is missing.
Status seed_new_folder(const std::filesystem::path& shipped, const std::filesystem::path& target);

}  // namespace tev::ui

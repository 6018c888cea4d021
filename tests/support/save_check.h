// The rule every save must keep across an interruption, checked on a data folder as the next
// start would find it: the program starts, the season it shows is one of the seasons the test
// expects (the one before the save or the one after it), every derived file of the shown year
// agrees with its game file, and nothing the save wrote on the way is left over.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tev::test {

// The files of `dir` by name with their bytes.
std::map<std::string, std::string> folder_files(const std::filesystem::path& dir);

// Copies every file of `from` into `to` (created when missing), replacing what is there.
void copy_folder(const std::filesystem::path& from, const std::filesystem::path& to);

// What is wrong with the derived files of `year` in `dir` (the score list, pitcher, home-run and
// history files compared byte for byte with what the builders make from the game file), or ""
// when they all agree.
std::string derived_files_fault(const std::filesystem::path& dir, const std::string& year);

// Temporaries and save markers left in `dir` (names), which must be none after a start.
std::vector<std::string> leftovers(const std::filesystem::path& dir);

}  // namespace tev::test

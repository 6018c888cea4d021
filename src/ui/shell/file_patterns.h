// File deletion by wildcard pattern, as the year-file operations delete a year's files.
#pragma once

#include <filesystem>
#include <string>

namespace tev::ui {

// True when `name` matches `pattern`, whose '*' stands for any run of characters and '?' for
// one character (letters compared without regard to case, as the original system did).
bool matches_pattern(const std::string& name, const std::string& pattern);

// Deletes every regular file of `dir` whose name matches `pattern`; returns how many.
int delete_matching_files(const std::filesystem::path& dir, const std::string& pattern);

}  // namespace tev::ui

// Per-year files as they are found on disk: the program writes "….DAT", while files handed out by
// other installations may end in "….dat". On a file system that tells letter case apart the
// readers must find either.
#pragma once

#include <filesystem>
#include <string>

namespace tev {

// The name under which the per-year file `name` (ending in ".DAT") exists in `dir`: `name`
// itself, else the same name ending in ".dat"; `name` when neither exists.
std::string existing_year_file(const std::filesystem::path& dir, const std::string& name);

}  // namespace tev

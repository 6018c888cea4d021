// What every fuzz target shares: a private data folder (in memory where the system offers one)
// laid out once per process with a sound generated season, and the writing of one fuzz input as
// one of its files, so that each target drives a real reader exactly as a start-up does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tev::fuzz {

// The folder, holding a sound 1996 season (all five files and the settings) on first use.
const std::filesystem::path& folder();

// Writes `size` bytes of `data` as `name` in the folder, replacing it.
void put(const std::string& name, const std::uint8_t* data, std::size_t size);

// Puts the sound file `name` back as it was when the folder was laid out; a file the sound season
// does not have (a save marker, a club file) is removed.
void restore(const std::string& name);

}  // namespace tev::fuzz

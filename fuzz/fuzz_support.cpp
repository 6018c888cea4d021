#include "fuzz_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "season_gen.h"

namespace tev::fuzz {

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string>& sound_files() {
    static std::map<std::string, std::string> files;
    return files;
}

fs::path make_folder() {
    const fs::path shm = "/dev/shm";
    const fs::path base = fs::exists(shm) ? shm : fs::temp_directory_path();
    const fs::path dir = base / ("tevardin-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    // Two clubs' games of a generated season: every kind of record, and a start-up fast enough
    // to run thousands of times a minute.
    Season season = gen::generate_season("1996", 7);
    for (std::size_t slot = 2 * 6 * 30; slot < season.games.size(); ++slot) season.games[slot].clear();
    if (!gen::write_generated(dir, season).ok()) std::abort();
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        sound_files()[entry.path().filename().string()] = bytes.str();
    }
    return dir;
}

void remove_folder() {
    std::error_code ec;
    fs::remove_all(folder(), ec);
}

}  // namespace

const fs::path& folder() {
    static const fs::path dir = make_folder();
    // Registered after `dir` is made, so it runs at exit before `dir` is destroyed.
    static const bool removed_at_exit = std::atexit(remove_folder) == 0;
    (void)removed_at_exit;
    return dir;
}

void put(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(folder() / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void restore(const std::string& name) {
    const auto sound = sound_files().find(name);
    if (sound == sound_files().end()) {
        std::error_code ec;
        fs::remove(folder() / name, ec);
        return;
    }
    const std::string& bytes = sound->second;
    put(name, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace tev::fuzz

// tevardin-gen YEAR SEED DIR   writes a generated season of YEAR into DIR.
// tevardin-gen --empty YEAR DIR writes the empty season of YEAR, as a new installation has it.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "season_gen.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: tevardin-gen YEAR SEED DIR\n       tevardin-gen --empty YEAR DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    const bool empty = std::string(argv[1]) == "--empty";
    const std::string year = empty ? argv[2] : argv[1];
    if (year.size() != 4 || year.find_first_not_of("0123456789") != std::string::npos) return usage();
    const std::filesystem::path dir = argv[3];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    tev::Season season;
    season.disp_year = year;
    if (!empty) season = tev::gen::generate_season(year, static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    const auto written = tev::gen::write_generated(dir, season);
    if (!written) {
        std::fprintf(stderr, "tevardin-gen: %s\n", written.error().describe().c_str());
        return 1;
    }
    return 0;
}

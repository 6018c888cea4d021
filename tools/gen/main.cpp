// tevardin-gen YEAR SEED DIR: writes a generated season of YEAR into DIR.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "season_gen.h"

int main(int argc, char** argv) {
    if (argc != 4 || std::string(argv[1]).size() != 4) {
        std::fprintf(stderr, "usage: tevardin-gen YEAR SEED DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[3];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const auto season = tev::gen::generate_season(argv[1], static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    const auto written = tev::gen::write_generated(dir, season);
    if (!written) {
        std::fprintf(stderr, "tevardin-gen: %s\n", written.error().describe().c_str());
        return 1;
    }
    return 0;
}

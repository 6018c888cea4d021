#include "core/platform/os_process.h"

namespace tev::os {

std::filesystem::path program_file() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec);
}

std::filesystem::path desktop_data_home() { return {}; }

std::tm local_time(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void use_utf8_console() {}

}  // namespace tev::os

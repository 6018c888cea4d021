#include <iostream>

#include "core/platform/os_process.h"
#include "driver.h"

int main(int argc, char** argv) {
    tev::os::use_utf8_console();
    return tev::cli::run_driver(tev::os::utf8_arguments(argc, argv), std::cout, std::cerr);
}

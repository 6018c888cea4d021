#include <iostream>

#include "driver.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tev::cli::run_driver(args, std::cout, std::cerr);
}

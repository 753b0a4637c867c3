// vyn-cli entry point.
#include "cli.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> argumenty(argv + 1, argv + argc);
    return vyn::cli::Uruchom(argumenty, std::cout, std::cerr);
}

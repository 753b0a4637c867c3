// vyn-cli: the command-line front end over the core. Kept apart from main() so that tests can
// run it with arguments and read what it prints.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vyn::cli {

enum KodWyjscia {
    Sukces = 0,
    BladWeryfikacji = 1, // --verify found a form that is not the function
    ZleDane = 2,         // bad arguments or bad input: one line on stderr
    PrzekroczonaPojemnosc = 3,
};

int Uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie, std::ostream& bledy);

} // namespace vyn::cli

// vyn-cli run in the test's own process, and a folder of files for one test.
#pragma once

#include "cli.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace testy {

struct Wynik {
    int kod;
    std::string wyjscie, bledy;
};

inline Wynik Cli(std::vector<std::string> argumenty) {
    std::ostringstream o, e;
    const int kod = vyn::cli::Uruchom(argumenty, o, e);
    return {kod, o.str(), e.str()};
}

// A folder of its own for the files of one test (ctest runs each test in a process of its own),
// removed at the end.
class PlikiTymczasowe {
  public:
    PlikiTymczasowe() { std::filesystem::create_directories(katalog_); }
    ~PlikiTymczasowe() { std::filesystem::remove_all(katalog_); }
    std::string Sciezka(const std::string& nazwa) const { return (katalog_ / nazwa).string(); }
    std::string Plik(const std::string& nazwa, const std::string& tresc) const {
        std::ofstream(katalog_ / nazwa, std::ios::binary) << tresc;
        return Sciezka(nazwa);
    }

  private:
    std::filesystem::path katalog_ =
        std::filesystem::temp_directory_path() / ("vyn_cli_" + std::to_string(::getpid()));
};

} // namespace testy

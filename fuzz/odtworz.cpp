// Replays a fuzzer's corpus without libFuzzer, so the committed inputs run in every test run
// under any compiler: each file of the given folders (or each file given) is fed once to
// LLVMFuzzerTestOneInput, where a broken rule aborts.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> pliki;
    for (int i = 1; i < argc; ++i) {
        std::error_code blad;
        if (!fs::is_directory(argv[i], blad)) {
            pliki.emplace_back(argv[i]);
            continue;
        }
        for (const auto& e : fs::directory_iterator(argv[i]))
            if (e.is_regular_file())
                pliki.push_back(e.path());
    }
    if (pliki.empty()) {
        std::fprintf(stderr, "usage: %s <corpus folder or file>...\n", argv[0]);
        return 2;
    }
    std::sort(pliki.begin(), pliki.end());
    for (const auto& p : pliki) {
        std::ifstream we(p, std::ios::binary);
        if (!we) {
            std::fprintf(stderr, "cannot read %s\n", p.c_str());
            return 2;
        }
        const std::vector<char> dane{std::istreambuf_iterator<char>(we), {}};
        std::printf("%s\n", p.filename().c_str());
        std::fflush(stdout); // the name of an input that aborts is the last line shown
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dane.data()), dane.size());
    }
    std::printf("%zu inputs replayed\n", pliki.size());
    return 0;
}

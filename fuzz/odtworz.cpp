// Replays a fuzzer's corpus without libFuzzer, so the committed inputs run in every test run
// under any compiler: each file of the given folder is fed once to LLVMFuzzerTestOneInput, where
// a broken rule aborts.
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
    std::error_code blad;
    if (argc != 2 || !fs::is_directory(argv[1], blad)) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> pliki;
    for (const auto& e : fs::directory_iterator(argv[1]))
        if (e.is_regular_file())
            pliki.push_back(e.path());
    std::sort(pliki.begin(), pliki.end());
    for (const auto& p : pliki) {
        std::ifstream we(p, std::ios::binary);
        const std::vector<char> dane{std::istreambuf_iterator<char>(we), {}};
        std::printf("%s\n", p.filename().c_str());
        std::fflush(stdout); // the name of an input that aborts is the last line shown
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dane.data()), dane.size());
    }
    std::printf("%zu inputs replayed\n", pliki.size());
    return pliki.empty() ? 2 : 0;
}

// Writing a term word as letters.
#include "qm/slowo.h"

#include <algorithm>
#include <cctype>

namespace vyn {

std::string SkladnikNaLitery(std::string_view kodowanie, std::uint32_t wartosc,
                             std::uint32_t maska) {
    std::string wynik;
    wynik.reserve(kodowanie.size());
    // Walk the encoding from its last letter (bit 0) upwards and prepend, as the letters come
    // out in encoding order that way.
    const int l = static_cast<int>(kodowanie.size());
    for (int p = l - 1, bit = 0; p >= 0; --p, ++bit) {
        const std::uint32_t w = 1u << bit;
        if (maska & w)
            continue;
        const char litera = kodowanie[static_cast<std::size_t>(p)];
        wynik.push_back((wartosc & w) ? static_cast<char>(std::toupper(litera))
                                      : static_cast<char>(std::tolower(litera)));
    }
    std::reverse(wynik.begin(), wynik.end());
    return wynik;
}

} // namespace vyn

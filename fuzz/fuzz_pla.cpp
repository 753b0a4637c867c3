// Fuzzes the PLA reader: any text gives a message or a file whose outputs expand to sorted,
// disjoint ON and don't-care sets inside the input space, which export and import again unchanged.
#include "files/pla.h"
#include "granice.h"
#include "reguly.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

using namespace vyn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    PlikPla pla;
    if (auto blad = CzytajPla(tekst, pla)) {
        fuzz::Sprawdz(!blad->empty(), "pusty komunikat błędu");
        return 0;
    }
    fuzz::Sprawdz(pla.Wejscia >= 1 && pla.Wejscia <= MaksWejscPla, "liczba wejść poza zakresem");
    if (pla.Wejscia > 16 && pla.Wejscia <= MaksLiter)
        return 0; // the bit sets of a larger space cost more than a fuzzer's input is worth
    constexpr std::size_t Limit = 4096;
    for (int k = 0; k < std::min(pla.Wyjscia, 3); ++k) {
        FunkcjaPla f;
        if (RozwinWyjscie(pla, k, Limit, f))
            continue;
        // A wide file's output is over the inputs its cubes name, at least one of them.
        const std::size_t wejscia = f.Kodowanie.size();
        fuzz::Sprawdz(pla.Wejscia <= MaksLiter
                          ? wejscia == static_cast<std::size_t>(pla.Wejscia)
                          : wejscia >= 1 && wejscia <= static_cast<std::size_t>(MaksLiter),
                      "kodowanie złej długości");
        if (wejscia > 16)
            continue;
        const std::uint32_t przestrzen = 1u << wejscia;
        auto poprawny = [&](const std::vector<std::uint32_t>& v) {
            return std::is_sorted(v.begin(), v.end()) &&
                   std::adjacent_find(v.begin(), v.end()) == v.end() &&
                   (v.empty() || v.back() < przestrzen);
        };
        fuzz::Sprawdz(poprawny(f.Wlaczone) && poprawny(f.Obojetne), "zbiór nieuporządkowany");
        fuzz::Sprawdz(f.Wlaczone.size() + f.Obojetne.size() <= Limit, "limit przekroczony");
        std::vector<std::uint32_t> wspolne;
        std::set_intersection(f.Wlaczone.begin(), f.Wlaczone.end(), f.Obojetne.begin(),
                              f.Obojetne.end(), std::back_inserter(wspolne));
        fuzz::Sprawdz(wspolne.empty(), "minterm i ON, i obojętny");

        PlikPla znowu;
        FunkcjaPla g;
        fuzz::Sprawdz(!CzytajPla(ZapiszPlaFunkcji(f.Kodowanie, f.Wlaczone, f.Obojetne), znowu) &&
                          !RozwinWyjscie(znowu, 0, Limit, g),
                      "eksport nieczytelny");
        fuzz::Sprawdz(g.Wlaczone == f.Wlaczone && g.Obojetne == f.Obojetne &&
                          g.Kodowanie == f.Kodowanie,
                      "eksport i import zmieniają funkcję");
    }
    return 0;
}

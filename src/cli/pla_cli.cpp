// A PLA output turned into the decimal text vyn-cli minimises; the free memory of the machine.
#include "pla_cli.h"

#include "files/pla.h"

#include <fstream>
#include <sstream>

namespace vyn::cli {

namespace {

void DopiszLiczby(std::string& t, const std::vector<std::uint32_t>& liczby) {
    for (std::size_t i = 0; i < liczby.size(); ++i) {
        if (i)
            t.push_back(',');
        t += std::to_string(liczby[i]);
    }
}

} // namespace

std::optional<std::string> WczytajPla(std::string_view bajty,
                                      const std::optional<std::string>& wyjscie,
                                      std::size_t maksMintermow, FunkcjaZPla& wynik) {
    PlikPla pla;
    if (auto blad = CzytajPla(bajty, pla))
        return blad;
    int k = 0;
    if (wyjscie) {
        const auto znalezione = ZnajdzWyjscie(pla, *wyjscie);
        if (!znalezione)
            return "plik PLA nie ma wyjścia " + *wyjscie;
        k = *znalezione;
    } else if (pla.Wyjscia > 1) {
        std::string t =
            "plik PLA ma " + std::to_string(pla.Wyjscia) + " wyjść; wybierz jedno opcją --output:";
        for (int i = 0; i < pla.Wyjscia; ++i)
            t += (i ? ", " : " ") + NazwaWyjscia(pla, i);
        return t;
    }
    FunkcjaPla f;
    if (auto blad = RozwinWyjscie(pla, k, maksMintermow, f))
        return blad;
    if (f.Wlaczone.empty())
        return "wyjście " + NazwaWyjscia(pla, k) + " pliku PLA nie ma żadnego mintermu ON";
    wynik = FunkcjaZPla{};
    DopiszLiczby(wynik.Funkcja, f.Wlaczone);
    if (!f.Obojetne.empty()) {
        wynik.Funkcja.push_back(';');
        DopiszLiczby(wynik.Funkcja, f.Obojetne);
    }
    wynik.Kodowanie = f.Kodowanie;
    for (std::size_t i = 0; i < f.NazwyWejsc.size() && i < f.Kodowanie.size(); ++i) {
        if (i)
            wynik.Legenda += ", ";
        wynik.Legenda += std::string(1, f.Kodowanie[i]) + " = " + f.NazwyWejsc[i];
    }
    return std::nullopt;
}

std::optional<std::uint64_t> DostepnaPamiec() {
    std::ifstream plik("/proc/meminfo");
    std::string wiersz;
    while (std::getline(plik, wiersz)) {
        std::istringstream s(wiersz);
        std::string klucz;
        std::uint64_t kB = 0;
        if (s >> klucz >> kB && klucz == "MemAvailable:")
            return kB * 1024;
    }
    return std::nullopt;
}

} // namespace vyn::cli

// A PLA output turned into the decimal text vyn-cli minimises.
#include "pla_cli.h"

#include "files/pla.h"

namespace vyn::cli {

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
    const TekstPla t = TekstFunkcjiPla(f);
    wynik = FunkcjaZPla{t.Funkcja, t.Kodowanie, t.Legenda, f.Wlaczone.empty()};
    return std::nullopt;
}

} // namespace vyn::cli

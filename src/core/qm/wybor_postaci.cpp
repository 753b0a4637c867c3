// Driving the chart, the ordering and the search, and settling the results.
#include "qm/wybor_postaci.h"

#include "qm/porzadek_wierszy.h"
#include "qm/slowo.h"
#include "qm/szukaj_pokrycia.h"
#include "qm/tablica_pokryc.h"
#include "text/funkcja.h"

namespace vyn {

WynikWyboru WybierzPostacieMinimalne(const std::vector<std::uint32_t>& prosteWartosci,
                                     const std::vector<std::uint32_t>& prosteMaski,
                                     const std::vector<std::uint32_t>& mintermy,
                                     std::string_view kodowanie, ObserwatorPrzebiegu& obserwator,
                                     FlagaPrzerwania& flaga, bool przycinaj,
                                     std::size_t maksPostaci) {
    WynikWyboru wynik;
    Odpytywanie odpytywanie(obserwator, flaga);
    for (std::size_t i = 0; i < prosteWartosci.size(); ++i) {
        if (odpytywanie.Praca(kodowanie.size())) {
            wynik.ProsteImplikanty.clear();
            wynik.Przerwano = true;
            return wynik;
        }
        if (i)
            wynik.ProsteImplikanty.push_back(',');
        wynik.ProsteImplikanty += SkladnikNaLitery(kodowanie, prosteWartosci[i], prosteMaski[i]);
    }
    obserwator.ImplikantyGotowe(wynik.ProsteImplikanty);

    WynikIstotnych istotne;
    if (auto blad =
            UsunIstotne(prosteWartosci, prosteMaski, mintermy, kodowanie, istotne, &odpytywanie)) {
        wynik.Blad = blad;
        return wynik;
    }
    if (istotne.Przerwano) {
        wynik.Przerwano = true;
        return wynik;
    }
    std::string& tekstIstotnych = istotne.ImplikantyIstotne; // each followed by "+"

    if (istotne.Rdzen.IloscWierszy() == 0) {
        if (!tekstIstotnych.empty())
            tekstIstotnych.pop_back();
        if (tekstIstotnych.empty())
            tekstIstotnych.assign(1, '1');
        wynik.ImplikantyIstotne = tekstIstotnych;
        wynik.PostacieMinimalne.Dodaj(tekstIstotnych);
        wynik.KosztPostaci = wynik.DowiedzionaGranica =
            IloscZnakow(tekstIstotnych) + PoliczGrupy(tekstIstotnych);
        wynik.MinimalnaDowiedziona = true;
        return wynik;
    }

    auto przerwac = [&] {
        obserwator.PrzetworzZdarzenia();
        return flaga.Ustawiona();
    };
    const int iloscLiter = static_cast<int>(kodowanie.size());
    std::optional<int> dolnaGranica = UporzadkujWiersze(istotne.Rdzen, iloscLiter, odpytywanie);
    if (dolnaGranica) {
        wynik.DolnaGranica = *dolnaGranica;
        KontekstSzukania kontekst;
        kontekst.Kodowanie = kodowanie;
        kontekst.ImplikantyIstotne = tekstIstotnych;
        kontekst.Przerwac = przerwac;
        kontekst.NaStarcie = [&] { obserwator.Etap("Wybieranie postaci minimalnych"); };
        kontekst.Etykieta = [&](int nr, const std::string& t) { obserwator.Etykieta(nr, t); };
        kontekst.Oszacowanie = [&](int koszt, int granica) {
            obserwator.Oszacowanie(koszt, granica);
        };
        kontekst.Przycinaj = przycinaj;
        kontekst.MaksPostaci = maksPostaci;
        WynikSzukania szukanie = SzukajPokrycia(istotne.Rdzen, kontekst);
        for (std::string& reszta : szukanie.Reszty)
            wynik.PostacieMinimalne.Dodaj(std::move(reszta));
        wynik.NajlepszaDlugosc = szukanie.NajlepszaDlugosc;
        wynik.Obcieto = szukanie.Obcieto;
        wynik.Przerwano = szukanie.Przerwano;
        wynik.KosztPostaci = szukanie.KosztPostaci;
        wynik.DowiedzionaGranica = szukanie.Granica;
        wynik.MinimalnaDowiedziona = szukanie.Dowiedziona;
    } else {
        // Stopped while ordering: as if stopped before the first search step.
        wynik.Przerwano = true;
    }

    if (!tekstIstotnych.empty())
        tekstIstotnych.pop_back();
    if (wynik.PostacieMinimalne.empty())
        wynik.PostacieMinimalne.Dodaj(tekstIstotnych.empty() ? "1" : "");
    wynik.PostacieMinimalne.UstawIstotne(tekstIstotnych);
    wynik.ImplikantyIstotne = tekstIstotnych;
    obserwator.Etykieta(2, "");
    obserwator.Etykieta(3, "");
    return wynik;
}

} // namespace vyn

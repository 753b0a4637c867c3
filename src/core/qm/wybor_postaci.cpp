// Driving the chart, the ordering and the search, and settling the results.
#include "qm/wybor_postaci.h"

#include "qm/porzadek_wierszy.h"
#include "qm/slowo.h"
#include "qm/szukaj_pokrycia.h"
#include "qm/tablica_pokryc.h"
#include "text/funkcja.h"

#include <algorithm>
#include <climits>

namespace vyn {

namespace {

// A first cover of the core, found before its rows are ordered: the user sees a cost at once,
// and a stop while the rows are ordered still leaves a form. Each column not yet covered takes,
// of the rows covering it, the one with the most uncovered columns per unit of cost; rows that
// end up redundant go again. Empty when stopped or when some column has no row.
std::vector<int> PierwszePokrycie(const RdzenPokryc& r, int iloscLiter, Odpytywanie& odp) {
    const int w = r.Slowa;
    std::vector<std::vector<int>> wierszeKolumny(static_cast<std::size_t>(r.IloscKolumn));
    for (int id = 0; id < r.IloscWierszy(); ++id) {
        const std::uint64_t* b = r.Wiersz(id);
        for (int k = 0; k < w; ++k)
            for (std::uint64_t x = b[k]; x; x &= x - 1)
                wierszeKolumny[static_cast<std::size_t>(k * 64 + __builtin_ctzll(x))].push_back(id);
        if (odp.Praca(static_cast<std::size_t>(w)))
            return {};
    }
    std::vector<std::uint64_t> pokryte(static_cast<std::size_t>(w), 0);
    std::vector<int> wybrane;
    for (int c = 0; c < r.IloscKolumn; ++c) {
        if ((pokryte[static_cast<std::size_t>(c / 64)] >> (c % 64)) & 1)
            continue;
        int najlepszy = -1;
        double ocena = -1;
        for (int id : wierszeKolumny[static_cast<std::size_t>(c)]) {
            const std::uint64_t* b = r.Wiersz(id);
            int nowe = 0;
            for (int k = 0; k < w; ++k)
                nowe += Jedynki(b[k] & ~pokryte[static_cast<std::size_t>(k)]);
            const double o =
                nowe /
                (IloscLiterSkladnika(iloscLiter, r.Maski[static_cast<std::size_t>(id)]) + 1.0);
            if (o > ocena) {
                ocena = o;
                najlepszy = id;
            }
            if (odp.Praca(static_cast<std::size_t>(w)))
                return {};
        }
        if (najlepszy < 0)
            return {};
        wybrane.push_back(najlepszy);
        for (int k = 0; k < w; ++k)
            pokryte[static_cast<std::size_t>(k)] |= r.Wiersz(najlepszy)[k];
    }
    std::vector<int> ile(static_cast<std::size_t>(r.IloscKolumn), 0);
    auto dlaKolumn = [&](int id, auto&& f) {
        for (int k = 0; k < w; ++k)
            for (std::uint64_t x = r.Wiersz(id)[k]; x; x &= x - 1)
                f(k * 64 + __builtin_ctzll(x));
    };
    for (int id : wybrane)
        dlaKolumn(id, [&](int c) { ++ile[static_cast<std::size_t>(c)]; });
    std::vector<int> zostaja;
    for (auto it = wybrane.rbegin(); it != wybrane.rend(); ++it) {
        bool zbedny = true;
        dlaKolumn(*it, [&](int c) { zbedny = zbedny && ile[static_cast<std::size_t>(c)] > 1; });
        if (zbedny)
            dlaKolumn(*it, [&](int c) { --ile[static_cast<std::size_t>(c)]; });
        else
            zostaja.push_back(*it);
    }
    std::sort(zostaja.begin(), zostaja.end());
    return zostaja;
}

} // namespace

WynikWyboru WybierzPostacieMinimalne(const std::vector<std::uint32_t>& prosteWartosci,
                                     const std::vector<std::uint32_t>& prosteMaski,
                                     const std::vector<std::uint32_t>& mintermy,
                                     std::string_view kodowanie, ObserwatorPrzebiegu& obserwator,
                                     FlagaPrzerwania& flaga, bool przycinaj,
                                     std::size_t maksPostaci, std::size_t progDokladnych) {
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
        wynik.KosztPostaci = wynik.DowiedzionaGranica = KosztTekstu(tekstIstotnych);
        wynik.MinimalnaDowiedziona = true;
        return wynik;
    }

    auto przerwac = [&] {
        obserwator.PrzetworzZdarzenia();
        return flaga.Ustawiona();
    };
    const int iloscLiter = static_cast<int>(kodowanie.size());

    // The costs shown only ever fall and the bound only ever rises, whichever stage finds them.
    int pokazanyKoszt = INT_MAX, pokazanaGranica = 0;
    auto oszacowanie = [&](int koszt, int granica) {
        if (koszt >= pokazanyKoszt && granica <= pokazanaGranica)
            return;
        pokazanyKoszt = std::min(pokazanyKoszt, koszt);
        pokazanaGranica = std::max(pokazanaGranica, granica);
        obserwator.Oszacowanie(pokazanyKoszt, std::min(pokazanaGranica, pokazanyKoszt));
    };
    const int kosztIstotnych = KosztTekstu(tekstIstotnych);
    std::string pierwsza; // the first cover's rows, joined by "+"
    int kosztPierwszej = 0, granicaPierwszej = 0;
    for (int id : PierwszePokrycie(istotne.Rdzen, iloscLiter, odpytywanie)) {
        const std::uint32_t maska = istotne.Rdzen.Maski[static_cast<std::size_t>(id)];
        if (!pierwsza.empty())
            pierwsza.push_back('+');
        pierwsza += SkladnikNaLitery(kodowanie,
                                     istotne.Rdzen.Wartosci[static_cast<std::size_t>(id)], maska);
        kosztPierwszej += IloscLiterSkladnika(iloscLiter, maska) + 1;
    }
    if (!pierwsza.empty()) {
        // Some row is needed at least, and none costs less than 2 (a letter and its group).
        kosztPierwszej += kosztIstotnych;
        granicaPierwszej = kosztIstotnych + 2;
        oszacowanie(kosztPierwszej, granicaPierwszej);
    }

    std::optional<int> dolnaGranica = UporzadkujWiersze(istotne.Rdzen, iloscLiter, odpytywanie);
    if (dolnaGranica) {
        wynik.DolnaGranica = *dolnaGranica;
        KontekstSzukania kontekst;
        kontekst.Kodowanie = kodowanie;
        kontekst.ImplikantyIstotne = tekstIstotnych;
        kontekst.Przerwac = przerwac;
        kontekst.NaStarcie = [&] { obserwator.Etap("Wybieranie postaci minimalnych"); };
        kontekst.Etykieta = [&](int nr, const std::string& t) { obserwator.Etykieta(nr, t); };
        kontekst.Oszacowanie = oszacowanie;
        kontekst.Przycinaj = przycinaj;
        kontekst.MaksPostaci = maksPostaci;
        kontekst.ProgDokladnych = progDokladnych;
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
    if (wynik.Przerwano && !pierwsza.empty() &&
        (wynik.KosztPostaci == 0 || wynik.KosztPostaci > kosztPierwszej)) {
        // The first cover is still the cheapest known: a stop never gives a dearer form.
        wynik.PostacieMinimalne = {};
        wynik.PostacieMinimalne.Dodaj(pierwsza);
        wynik.Obcieto = false;
        wynik.KosztPostaci = kosztPierwszej;
        wynik.MinimalnaDowiedziona = false;
    }
    if (!pierwsza.empty()) // both bounds hold: the better one is shown
        wynik.DowiedzionaGranica = std::max(wynik.DowiedzionaGranica, granicaPierwszej);

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

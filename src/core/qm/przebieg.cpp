// The run driver: stages in order, gauge values, stage texts, details rows, abort handling.
#include "qm/przebieg.h"

#include "qm/kanoniczna.h"
#include "qm/obojetne.h"
#include "qm/odpytywanie.h"
#include "qm/pojemnosc.h"
#include "qm/slowo.h"
#include "qm/tablica_pomocnicza.h"
#include "qm/weryfikacja.h"
#include "qm/wybor_postaci.h"
#include "text/funkcja.h"
#include "zaokraglenie.h"

#include <algorithm>
#include <utility>

namespace vyn {

const char* const KomunikatSameObojetne = "Wszystkie składniki funkcji są stanami obojętnymi";

int KrokWskaznika(int iloscLiter) {
    return static_cast<int>(ZaokraglijDoParzystej(70.0 / iloscLiter));
}

WynikMinimalizacji Minimalizuj(const ZadanieMinimalizacji& zadanie, ObserwatorPrzebiegu& obserwator,
                               FlagaPrzerwania& flaga) {
    WynikMinimalizacji wynik;
    if (zadanie.Funkcja.empty())
        return wynik;
    wynik.Kodowanie = zadanie.Kodowanie;
    if (auto blad = SprawdzFunkcje(zadanie.Funkcja, zadanie.TrybDziesietny, zadanie.Kodowanie)) {
        wynik.Stan = StanPrzebiegu::Odrzucony;
        wynik.Komunikat = *blad;
        return wynik;
    }
    flaga.Wyczysc();
    const int l = static_cast<int>(zadanie.Kodowanie.size());
    obserwator.Postep(20);
    const int krok = KrokWskaznika(l);
    obserwator.Etap(EtapKanoniczna);

    // One work count for the stages up to the search, so that the polls keep their pace
    // across stage boundaries.
    Odpytywanie odpytywanie(obserwator, flaga);
    KanonicznaZObojetnymi obie;
    if (auto blad =
            TworzKanonicznaZObojetnymi(zadanie.Funkcja, zadanie.TrybDziesietny, zadanie.Kodowanie,
                                       obie, &odpytywanie, zadanie.Pojemnosc)) {
        wynik.Stan = StanPrzebiegu::Odrzucony;
        wynik.Komunikat = *blad;
        return wynik;
    }
    PostacKanoniczna& kanoniczna = obie.Wymagane;
    if (kanoniczna.Przerwano) {
        // The user asked to stop: a partial canonical form is no result, nor is anything
        // built from it.
        wynik.Stan = StanPrzebiegu::Zakonczony;
        wynik.Przerwano = true;
        wynik.PostacieNiepelne = true;
        obserwator.Postep(100);
        return wynik;
    }
    if (kanoniczna.Mintermy.empty()) {
        wynik.Stan = StanPrzebiegu::Odrzucony;
        wynik.Komunikat = KomunikatSameObojetne;
        return wynik;
    }
    wynik.KanonicznaLiterowa = kanoniczna.KanonicznaLiterowa;
    wynik.KanonicznaDziesietna = kanoniczna.KanonicznaDziesietna;
    wynik.ObojetneLiterowo = obie.Obojetne.KanonicznaLiterowa;
    wynik.ObojetneDziesietnie = obie.Obojetne.KanonicznaDziesietna;
    wynik.IloscObojetnych = obie.IloscObojetnych;
    obserwator.KanonicznaGotowa(wynik.KanonicznaLiterowa, wynik.KanonicznaDziesietna);
    if (wynik.IloscObojetnych > 0)
        obserwator.ObojetneGotowe(wynik.ObojetneLiterowo, wynik.ObojetneDziesietnie);
    // A stop found here ends the first pass before its first term.
    odpytywanie.Odpytaj();

    TablicaSkladnikow a, b;
    a.Wartosci = kanoniczna.Mintermy;
    // Don't-cares join the first table, so that primes grow through them.
    a.Wartosci.insert(a.Wartosci.end(), obie.Obojetne.Mintermy.begin(),
                      obie.Obojetne.Mintermy.end());
    a.Maski.assign(a.Wartosci.size(), 0);
    ListaProstych proste;
    PamiecPrzejscia pamiec;
    for (int n = 1; n <= l; ++n) {
        if (l > 4) {
            obserwator.Postep(20 + n * krok);
            obserwator.Etap(EtapTablica + std::to_string(n));
            odpytywanie.Odpytaj();
        }
        TablicaSkladnikow& zrodlo = (n % 2 == 1) ? a : b;
        TablicaSkladnikow& cel = (n % 2 == 1) ? b : a;
        std::string wiersz;
        switch (TablicaPomocnicza(n, zrodlo, cel, proste, l, wiersz, &odpytywanie, &pamiec,
                                  zadanie.Pojemnosc)) {
        case ZakonczeniePrzejscia::Pelne:
            wynik.Szczegoly.push_back(wiersz);
            obserwator.Szczegol(wiersz);
            break;
        case ZakonczeniePrzejscia::Przerwane:
            flaga.Ustaw(); // cleared below with the rest of the stop
            break;
        case ZakonczeniePrzejscia::Przepelnione:
            // Forms built from an incomplete prime list would not be the function.
            wynik.Stan = StanPrzebiegu::PrzekroczonaPojemnosc;
            wynik.Komunikat = KomunikatTablicy(zadanie.Pojemnosc);
            obserwator.Komunikat(wynik.Komunikat);
            obserwator.Postep(100);
            return wynik;
        }
        if (flaga.Ustawiona()) {
            flaga.Wyczysc();
            wynik.Przerwano = true;
            break;
        }
    }
    a = {};
    b = {};
    if (wynik.IloscObojetnych > 0)
        wynik.PominieteProste = PominProsteObojetne(proste, kanoniczna.Mintermy);

    obserwator.Etap(EtapMinimalna);
    obserwator.PrzetworzZdarzenia();
    WynikWyboru wybor = WybierzPostacieMinimalne(proste.Wartosci, proste.Maski, kanoniczna.Mintermy,
                                                 zadanie.Kodowanie, obserwator, flaga, true,
                                                 zadanie.MaksPostaci, zadanie.ProgDokladnych);
    if (wybor.Blad) {
        wynik.Stan = StanPrzebiegu::Odrzucony;
        wynik.Komunikat = *wybor.Blad;
        wynik.ProsteImplikanty = std::move(wybor.ProsteImplikanty);
        obserwator.Postep(100);
        return wynik;
    }
    wynik.ProsteImplikanty = std::move(wybor.ProsteImplikanty);
    wynik.ImplikantyIstotne = std::move(wybor.ImplikantyIstotne);
    wynik.PostacieMinimalne = std::move(wybor.PostacieMinimalne);
    wynik.DolnaGranica = wybor.DolnaGranica;
    wynik.NajlepszaDlugosc = wybor.NajlepszaDlugosc;
    wynik.Obcieto = wybor.Obcieto;
    wynik.Przerwano = wynik.Przerwano || wybor.Przerwano;
    wynik.KosztPostaci = wybor.KosztPostaci;
    wynik.DowiedzionaGranica = wybor.DowiedzionaGranica;
    wynik.MinimalnaDowiedziona = wybor.MinimalnaDowiedziona && !wynik.Przerwano;
    if (wynik.Przerwano && wynik.PostacieMinimalne.empty()) {
        wynik.PostacieNiepelne = true; // stopped before any form: say so as for a partial one
    } else if (wynik.Przerwano) {
        std::vector<std::uint32_t> mintermy;
        for (std::uint32_t m : kanoniczna.Mintermy)
            mintermy.push_back(m & MaskaWartosci);
        std::sort(mintermy.begin(), mintermy.end());
        mintermy.erase(std::unique(mintermy.begin(), mintermy.end()), mintermy.end());
        std::vector<std::uint32_t> obojetne;
        for (std::uint32_t m : obie.Obojetne.Mintermy)
            obojetne.push_back(m & MaskaWartosci);
        std::sort(obojetne.begin(), obojetne.end());
        wynik.PostacieNiepelne =
            SprawdzPostac(wynik.PostacieMinimalne[0], zadanie.Kodowanie, mintermy, obojetne)
                .has_value();
        // Stopped while the forms of a proven least cost were listed: those kept are minimal,
        // only their list may be short.
        wynik.MinimalnaDowiedziona = !wynik.PostacieNiepelne && wynik.KosztPostaci > 0 &&
                                     wynik.KosztPostaci == wynik.DowiedzionaGranica;
    }
    obserwator.Postep(100);
    obserwator.PrzetworzZdarzenia();
    wynik.Stan = StanPrzebiegu::Zakonczony;
    return wynik;
}

} // namespace vyn

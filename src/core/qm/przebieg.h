// The minimisation run: from the function text to every minimal form.
//
// text -> check -> canonical form -> one auxiliary table pass per letter -> chart, essential
// implicants, ordering, search -> results. Progress goes to an observer; the caller stops the
// run through the abort flag: a pass ends at its next term (its primes are not collected) and
// the run goes on to the search with the primes it has; the search ends at its next step and
// keeps the forms found. A table that reaches its capacity ends the run without forms.
#pragma once

#include "granice.h"
#include "qm/lista_postaci.h"
#include "qm/obserwator.h"

#include <string>
#include <vector>

namespace vyn {

struct ZadanieMinimalizacji {
    std::string Funkcja;
    bool TrybDziesietny = false;
    std::string Kodowanie; // the letters confirmed for the run, most significant first
    std::size_t MaksPostaci = vyn::MaksPostaci; // forms kept; tests lower it
    // Relaxations without a form before the listing settles branches exactly; tests set 0.
    std::size_t ProgDokladnych = ProgDokladnegoCiecia;
    // Places per auxiliary table and minterms of the canonical form (raised by the user).
    std::size_t Pojemnosc = PojemnoscTablicy;
};

enum class StanPrzebiegu {
    Pusty,                 // empty function: nothing ran
    Zakonczony,            // results complete (or as far as an abort let them come)
    Odrzucony,             // bad input; `Komunikat` says why; no results
    PrzekroczonaPojemnosc, // an auxiliary table reached its capacity; no forms
};

struct WynikMinimalizacji {
    StanPrzebiegu Stan = StanPrzebiegu::Pusty;
    std::string Komunikat;
    std::string Kodowanie;
    std::string KanonicznaLiterowa;
    std::string KanonicznaDziesietna;
    // The don't-care part's canonical form, empty when the function has none. The required
    // texts above then leave out every minterm that is also a don't-care.
    std::string ObojetneLiterowo;
    std::string ObojetneDziesietnie;
    int IloscObojetnych = 0; // distinct don't-care minterms (they are in the first table too)
    // Primes that cover only don't-cares: left out of the chart and of ProsteImplikanty.
    int PominieteProste = 0;
    std::vector<std::string> Szczegoly; // details rows "n N C"
    std::string ProsteImplikanty;
    std::string ImplikantyIstotne;
    ListaPostaci PostacieMinimalne; // forms 1..IloscMinimalnych
    int DolnaGranica = 0;
    int NajlepszaDlugosc = 0;
    bool Przerwano = false;
    bool Obcieto = false;
    // A stop before any complete cover was found leaves the essential part (or "1") as the
    // only form; that form is then not the function and must not be shown as minimal.
    bool PostacieNiepelne = false;
    // The cost (letters + groups of the whole form, essential part included) of the forms kept,
    // the best lower bound on the least cost that the search proved, and whether the forms are
    // proved minimal (then the two are equal). After a stop the forms may cost more than the
    // bound; the gap is at most KosztPostaci - DowiedzionaGranica. 0 and false when no search ran
    // to a cover.
    int KosztPostaci = 0;
    int DowiedzionaGranica = 0;
    bool MinimalnaDowiedziona = false;

    int IloscMinimalnych() const { return static_cast<int>(PostacieMinimalne.size()); }
};

// Stage texts of the progress dialog.
inline constexpr const char* EtapKanoniczna = "Tworzenie postaci kanonicznej funkcji";
inline constexpr const char* EtapTablica =
    "Znajdowanie prostych implikantów, tablica pomocnicza nr ";
inline constexpr const char* EtapMinimalna = "Obliczanie postaci minimalnej";

// A function whose every required minterm is also a don't-care: nothing to cover.
extern const char* const KomunikatSameObojetne;

// Gauge step per pass for L letters: 70 / L rounded half to even.
int KrokWskaznika(int iloscLiter);

WynikMinimalizacji Minimalizuj(const ZadanieMinimalizacji& zadanie, ObserwatorPrzebiegu& obserwator,
                               FlagaPrzerwania& flaga);

} // namespace vyn

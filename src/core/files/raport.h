// The text shown in the report preview: the report's lines and the tips.
//
// A report is plain lines built from the function, the results of the last run and the seven
// choices of the configuration window; every value is one line in its stored form. The tips
// window reuses the preview, so its fifteen lines live here too. Lines are UTF-8.
#pragma once

#include "qm/lista_postaci.h"

#include <string>
#include <vector>

namespace vyn {

// The seven check boxes of the configuration window, as they stand at start.
struct WyborRaportu {
    bool FunkcjaWejsciowa = true;    // CheckBox1 "funkcja wejściowa,"
    bool KanonicznaLiterowa = false; // CheckBox2 "jej postać kanoniczna literowa"
    bool KanonicznaLiczbowa = false; // CheckBox3 "i kanoniczna liczbowa"
    bool ProsteImplikanty = true;    // CheckBox4 "proste implikanty"
    bool ImplikantyIstotne = false;  // CheckBox8 "implikanty istotne"
    bool PostacieMinimalne = true;   // CheckBox5 "końcowe postacie minimalne"
    bool CzasMinimalizacji = false;  // CheckBox6 "czas minimalizacji"
};

// What "domyślne" does: the usual sections and the time; the essential implicants keep
// whatever the user chose.
void UstawDomyslne(WyborRaportu& wybor);

// The values a report reads, in their stored text forms.
struct DaneRaportu {
    std::string Funkcja;
    std::string KanonicznaLiterowa;
    std::string KanonicznaDziesietna;
    std::string ProsteImplikanty;
    std::string ImplikantyIstotne;
    ListaPostaci PostacieMinimalne; // forms 1..IloscMinimalnych, as a run leaves them
    std::string CzasMinimalizacji;  // already written as a time of day
    // Last, so that the fields above keep their places: the don't-care terms, apart from the
    // required ones (empty when the function has none), and for a function imported from PLA
    // whose input names are not letters, the legend "A = x0, B = x1". Their "{}" keeps brace
    // initialisation that names only the fields above free of warnings.
    std::string ObojetneLiterowo{};
    std::string ObojetneDziesietnie{};
    std::string LegendaWejsc{};
};

// Heading of the decimal canonical form, printed under "i kanoniczna liczbowa".
inline constexpr const char* NaglowekKanonicznejLiczbowej = "Postać kanoniczna liczbowa funkcji";
// Headings of the don't-care terms, each under its canonical section when there are any.
inline constexpr const char* NaglowekObojetnych = "Stany obojętne funkcji";
inline constexpr const char* NaglowekObojetnychLiczbowo = "Stany obojętne funkcji (liczbowo)";
inline constexpr const char* NaglowekLegendy = "Wejścia pliku PLA";

std::vector<std::string> LinieRaportu(const DaneRaportu& dane, const WyborRaportu& wybor);

inline constexpr const char* TytulPodgladuRaportu = "Podgląd Raportu";
inline constexpr const char* TytulWskazowek = "Wskazówki, wskazówki, wskazówki ...";

// The fifteen lines of the tips window.
std::vector<std::string> LinieWskazowek();

} // namespace vyn

// The report's lines for the configuration choices.
#include "files/raport.h"

#include <gtest/gtest.h>

using namespace vyn;
using L = std::vector<std::string>;

namespace {

DaneRaportu Dane(std::vector<std::string> postacie) {
    DaneRaportu d;
    d.Funkcja = "AB+aC+BC";
    d.KanonicznaLiterowa = "abC+aBC+ABc+ABC";
    d.KanonicznaDziesietna = "1,3,6,7";
    d.ProsteImplikanty = "aC,AB";
    d.ImplikantyIstotne = "aC,AB";
    for (auto& p : postacie)
        d.PostacieMinimalne.Dodaj(std::move(p));
    d.CzasMinimalizacji = "00:00:01";
    return d;
}

WyborRaportu Nic() {
    WyborRaportu w;
    w.FunkcjaWejsciowa = w.ProsteImplikanty = w.PostacieMinimalne = false;
    return w;
}

} // namespace

TEST(raport_test, default_choice_with_two_forms_gives_the_seventeen_lines) {
    WyborRaportu w;
    UstawDomyslne(w);
    EXPECT_EQ(LinieRaportu(Dane({"aC+AB", "AB+aC"}), w),
              (L{"Funkcja wejściowa", "AB+aC+BC", "", "Proste implikanty", "aC,AB", "", "",
                 "Funkcji minimalnych równoważnych: 2", "", "1)", "aC+AB", "", "2)", "AB+aC", "",
                 "", "Czas minimalizacji: 00:00:01"}));
}

TEST(raport_test, every_section_in_screen_order) {
    WyborRaportu w;
    w.KanonicznaLiterowa = w.KanonicznaLiczbowa = w.ImplikantyIstotne = w.CzasMinimalizacji = true;
    std::string linie;
    for (const auto& l : LinieRaportu(Dane({"aC+AB"}), w))
        linie += l + "|";
    EXPECT_EQ(linie, "Funkcja wejściowa|AB+aC+BC||Postać kanoniczna funkcji|abC+aBC+ABc+ABC||"
                     "Postać kanoniczna liczbowa funkcji|1,3,6,7||Proste implikanty|aC,AB||"
                     "Implikanty istotne|aC,AB|||Funkcja minimalna|aC+AB||"
                     "Czas minimalizacji: 00:00:01|");
}

TEST(raport_test, single_choices) {
    const auto dane = Dane({"aC+AB"});
    EXPECT_EQ(LinieRaportu(dane, Nic()), L{});

    auto w = Nic();
    w.CzasMinimalizacji = true;
    EXPECT_EQ(LinieRaportu(dane, w), L{"Czas minimalizacji: 00:00:01"});

    w = Nic();
    w.KanonicznaLiczbowa = true;
    EXPECT_EQ(LinieRaportu(dane, w), (L{"Postać kanoniczna liczbowa funkcji", "1,3,6,7", ""}));

    // The forms alone are set off by an empty line above and one below.
    w = Nic();
    w.PostacieMinimalne = true;
    EXPECT_EQ(LinieRaportu(Dane({"1"}), w), (L{"", "Funkcja minimalna", "1", ""}));

    // Forms that share their essential implicants are printed whole.
    DaneRaportu wspolne;
    wspolne.PostacieMinimalne.UstawIstotne("AB");
    wspolne.PostacieMinimalne.Dodaj("c");
    wspolne.PostacieMinimalne.Dodaj("");
    EXPECT_EQ(LinieRaportu(wspolne, w), (L{"", "Funkcji minimalnych równoważnych: 2", "", "1)",
                                           "AB+c", "", "2)", "AB", "", ""}));
}

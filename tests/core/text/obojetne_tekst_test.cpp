// The don't-care part of the text (typed key by key in edytor_test, read from files in
// plik_vyn_test): counted apart and shown apart in the report.
#include "files/raport.h"
#include "text/edytor.h"
#include "text/funkcja.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace vyn;

TEST(obojetne_tekst_test, counts_keep_the_function_part_and_give_the_dont_cares_apart) {
    StanEdytora s;
    for (char c : std::string("AB+aC;Abc+D"))
        NacisnijKlawisz(s, c == ';' ? Klawisz::Srednik : std::toupper(c), c >= 'a');
    ASSERT_EQ(s.Funkcja, "AB+aC;Abc+D");
    EXPECT_EQ(s.IloscLiter, 4);
    EXPECT_EQ(PoliczGrupy(s.Funkcja), 2);
    const auto o = PoliczObojetne(s.Funkcja);
    EXPECT_EQ(o.Grupy, 2);
    EXPECT_EQ(o.Znaki, 4);
    EXPECT_EQ(PoliczObojetne("0,1").Grupy, 0);
}

TEST(obojetne_tekst_test, report_shows_dont_cares_under_each_canonical_section_only_when_present) {
    DaneRaportu d;
    d.Funkcja = "0,1;3";
    d.KanonicznaLiterowa = "ab+aB";
    d.KanonicznaDziesietna = "0,1";
    WyborRaportu wybor;
    wybor.KanonicznaLiterowa = wybor.KanonicznaLiczbowa = true;
    const auto bez = LinieRaportu(d, wybor);
    d.ObojetneLiterowo = "AB";
    d.ObojetneDziesietnie = "3";
    auto z = LinieRaportu(d, wybor);
    const auto literowa = std::find(z.begin(), z.end(), "ab+aB") - z.begin();
    const auto liczbowa = std::find(z.begin(), z.end(), "0,1") - z.begin();
    EXPECT_EQ(z[literowa + 2], NaglowekObojetnych);
    EXPECT_EQ(z[literowa + 3], "AB");
    EXPECT_EQ(z[liczbowa + 2], NaglowekObojetnychLiczbowo);
    EXPECT_EQ(z[liczbowa + 3], "3");
    z.erase(z.begin() + liczbowa + 2, z.begin() + liczbowa + 5);
    z.erase(z.begin() + literowa + 2, z.begin() + literowa + 5);
    EXPECT_EQ(z, bez);
}

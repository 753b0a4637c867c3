// The don't-care part of the text: typed key by key, counted apart, read from and written to
// .vyn files, and shown apart in the report.
#include "files/plik_vyn.h"
#include "files/raport.h"
#include "text/edytor.h"
#include "text/funkcja.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vyn;

namespace {

// Keys as characters: ";" the semicolon key, "<" Backspace, "{" "}" the arrows, "^" Home,
// "\n" Enter; small letters are typed with Shift.
WynikKlawisza Wpisz(StanEdytora& s, const std::string& klawisze) {
    WynikKlawisza w;
    for (char c : klawisze) {
        int kod = static_cast<unsigned char>(c);
        const bool shift = c >= 'a' && c <= 'z';
        if (shift)
            kod = c - 'a' + 'A';
        else if (c == ';')
            kod = Klawisz::Srednik;
        else if (c == '<')
            kod = Klawisz::Backspace;
        else if (c == '{')
            kod = Klawisz::Lewo;
        else if (c == '}')
            kod = Klawisz::Prawo;
        else if (c == '^')
            kod = Klawisz::Home;
        else if (c == '\n')
            kod = Klawisz::Enter;
        w = NacisnijKlawisz(s, kod, shift);
    }
    return w;
}

struct Przypadek {
    const char* Klawisze;
    const char* Tekst;
    std::string Komunikat; // of the last key
};

const std::string Obie1 = "Liczba 1 jest i w funkcji, i wśród stanów obojętnych";

} // namespace

TEST(obojetne_tekst_test, editor_takes_one_semicolon_and_refuses_the_slips) {
    const Przypadek przypadki[] = {
        {";", "", KomunikatSrednikNaPoczatku},
        {"0,1;3", "0,1;3", ""},
        {"0,1;3;", "0,1;3", KomunikatDrugiSrednik},
        {"0,1,;", "0,1,;", ""}, // the function may end with a separator
        {"1;,", "1;", ""},      // no separator right after ";"
        {"1,3{{;", "1,3", KomunikatSrednikSeparator},
        {"0,1;1,", "0,1;1", Obie1},        // ended by a separator: refused
        {"0,1;1\n", "0,1;1", Obie1},       // and by Enter
        {"0,1;12,", "0,1;12,", ""},        // a longer number is not the same
        {"0,2;1{{,1\n", "0,2,1;1", Obie1}, // the other way round
        {"^1;0", "1;0", ""},               // Home in a one-character text, then ";" after it
        {"0,1;67108864,", "0,1;67108864", KomunikatZakresu},
        {"AB+aC;BA+", "AB+aC;BA", "Grupa AB jest i w funkcji, i wśród stanów obojętnych"},
        {"AB;A", "AB;A", ""}, // a new group after ";"
        {"AB;AA", "AB;A", KomunikatPowtorzenie},
        {"AB;bA{{<", "AB;bA", KomunikatPowtorzenie}, // deleting ";" would join AB and bA
        {"AB;C{<", "ABC", ""},
        {"0,1;3<", "0,1;", ""},
        {"1;3{{<", "1;3", KomunikatSrednikNaPoczatku}, // the function part never empties
        {"0,1;3,4{{<", "0,1;4", ""},                   // the number goes with its separator
        {"0,1;3{{<", "0,;3", ""},
        {"0,1{;", "0,;1", ""}, // ";" splits a typed text
        {"31,3{{{;", "31,3", "Liczba 3 jest i w funkcji, i wśród stanów obojętnych"},
    };
    for (const auto& p : przypadki) {
        StanEdytora s;
        const auto w = Wpisz(s, p.Klawisze);
        EXPECT_EQ(s.Funkcja, p.Tekst) << p.Klawisze;
        EXPECT_EQ(w.Komunikat, p.Komunikat) << p.Klawisze;
        // The count the window shows for the function leaves the don't-cares out.
        EXPECT_EQ(s.IloscLiter, IloscZnakow(PodzielFunkcje(s.Funkcja).Wymagana)) << p.Klawisze;
    }
}

TEST(obojetne_tekst_test, counts_keep_the_function_part_and_give_the_dont_cares_apart) {
    StanEdytora s;
    Wpisz(s, "AB+aC;Abc+D");
    EXPECT_EQ(s.IloscLiter, 4);
    EXPECT_EQ(PoliczGrupy(s.Funkcja), 2);
    const auto o = PoliczObojetne(s.Funkcja);
    EXPECT_EQ(o.Grupy, 2);
    EXPECT_EQ(o.Znaki, 4);
    EXPECT_EQ(PoliczObojetne("0,1").Grupy, 0);
}

TEST(obojetne_tekst_test, vyn_files_keep_the_text_as_typed_and_refuse_a_misplaced_semicolon) {
    for (const std::string f : {"0,1;3,4", "AB+aC;Abc", "0,1,;"}) {
        PlikFunkcji plik;
        ASSERT_FALSE(CzytajPlikFunkcji(ZapisPlikuFunkcji(f), RegulaCzyszczenia::Otwieranie, plik))
            << f;
        EXPECT_EQ(plik.Funkcja, f);
        EXPECT_EQ(plik.TrybDziesietny, f[0] == '0');
        EXPECT_EQ(plik.IloscLiter, f[0] == '0' ? 2 : 4);
    }
    const std::pair<std::string, std::string> zle[] = {
        {"0,1;2;3", KomunikatDrugiSrednik},
        {";1", KomunikatSrednikNaPoczatku},
        {"0,1;,3", "Znak ',' po średniku w funkcji"},
        {"AB;+C", "Znak '+' po średniku w funkcji"},
        {"AB;CC", "Stany obojętne: Symbol C powtarza się w grupie CC"},
    };
    for (const auto& [tekst, komunikat] : zle) {
        PlikFunkcji plik;
        const auto blad = CzytajPlikFunkcji(tekst + "\r\n", RegulaCzyszczenia::Otwieranie, plik);
        EXPECT_EQ(blad.value_or(""), komunikat) << tekst;
    }
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

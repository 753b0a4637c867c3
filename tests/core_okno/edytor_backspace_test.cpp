// Backspace keeps the function well formed: it never leaves two separators side by side and never
// joins two groups that share a letter (both found by fuzzing the editor).
#include "edytor.h"

#include <gtest/gtest.h>

using namespace vyn;

namespace {

StanEdytora Wpisany(const std::string& klawisze) {
    StanEdytora s;
    for (char c : klawisze) {
        const bool shift = c >= 'a' && c <= 'z';
        NacisnijKlawisz(s, c == ' ' ? Klawisz::Spacja : (shift ? c - 'a' + 'A' : c), shift);
    }
    return s;
}

void Lewo(StanEdytora& s, int ile) {
    for (int i = 0; i < ile; ++i)
        NacisnijKlawisz(s, Klawisz::Lewo, false);
}

} // namespace

TEST(edytor_backspace_test, deleting_a_whole_group_takes_its_separator_along) {
    struct Przypadek {
        const char* klawisze;
        int wLewo; // cursor moved left from the end before Backspace
        const char* zostaje;
        int pozycja;
    };
    for (const auto& p : {Przypadek{"A B C", 2, "A+C", 1}, Przypadek{"1 2 3", 2, "1,3", 1},
                          Przypadek{"AB c DE", 3, "AB+DE", 2}}) {
        StanEdytora s = Wpisany(p.klawisze);
        Lewo(s, p.wLewo);
        const auto w = NacisnijKlawisz(s, Klawisz::Backspace, false);
        EXPECT_EQ(s.Funkcja, p.zostaje) << p.klawisze;
        EXPECT_EQ(s.PozycjaKursora, p.pozycja) << p.klawisze;
        EXPECT_EQ(s.KolumnaKursora, s.PozycjaKursora + s.PrzesuniecieWidoku);
        EXPECT_EQ(s.IloscLiter, p.klawisze[0] == '1' ? 2 : static_cast<int>(s.Funkcja.size()) - 1);
        EXPECT_TRUE(w.Przebuduj);
        EXPECT_EQ(w.Komunikat, "");
    }
    // At either end a lone separator may stay: "+B" and "A+" are the editor's own texts.
    StanEdytora poczatek = Wpisany("A B");
    Lewo(poczatek, 2);
    NacisnijKlawisz(poczatek, Klawisz::Backspace, false);
    EXPECT_EQ(poczatek.Funkcja, "+B");
    StanEdytora koniec = Wpisany("A B");
    NacisnijKlawisz(koniec, Klawisz::Backspace, false);
    EXPECT_EQ(koniec.Funkcja, "A+");
}

TEST(edytor_backspace_test, a_separator_between_groups_sharing_a_letter_stays) {
    StanEdytora s = Wpisany("aBZ z");
    Lewo(s, 1);
    const StanEdytora przed = s;
    const auto w = NacisnijKlawisz(s, Klawisz::Backspace, false);
    EXPECT_EQ(w.Komunikat, KomunikatPowtorzenie);
    EXPECT_FALSE(w.Przebuduj);
    EXPECT_EQ(s.Funkcja, "aBZ+z");
    EXPECT_EQ(s.PozycjaKursora, przed.PozycjaKursora);
    EXPECT_EQ(s.IloscLiter, 4);

    // Groups without a common letter join; in the decimal notation two numbers join into one.
    StanEdytora t = Wpisany("AB cd");
    Lewo(t, 2);
    NacisnijKlawisz(t, Klawisz::Backspace, false);
    EXPECT_EQ(t.Funkcja, "ABcd");
    StanEdytora d = Wpisany("12 34");
    Lewo(d, 2);
    NacisnijKlawisz(d, Klawisz::Backspace, false);
    EXPECT_EQ(d.Funkcja, "1234");
}

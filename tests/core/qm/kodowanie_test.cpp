// The encoding in its three modes and the encoding dialog's OK checks.
#include "qm/kodowanie.h"

#include <gtest/gtest.h>

using namespace vyn;

TEST(kodowanie_test, letters_used_or_as_many_as_the_largest_number_needs_in_either_order) {
    using enum TrybKodowania;
    struct Przypadek {
        TrybKodowania tryb;
        const char* f;
        bool dziesietny;
        const char *uzytkownika, *kodowanie;
    };
    const Przypadek przypadki[] = {
        {Rosnaco, "cA+Bd", false, "", "ABCD"},
        {Malejaco, "cA+Bd", false, "", "DCBA"},
        {Rosnaco, "B+b", false, "", "B"},
        {Rosnaco, "F+a+C", false, "", "ACF"},
        {Malejaco, "F+a+C", false, "", "FCA"},
        {Rosnaco, "", false, "", ""},
        {Rosnaco, "1,5,4", true, "", "ABC"},
        {Malejaco, "1,5,4", true, "", "CBA"},
        {Rosnaco, "8", true, "", "ABCD"},
        {Rosnaco, "7", true, "", "ABC"},
        {Rosnaco, "1", true, "", "A"},
        {Rosnaco, "2", true, "", "AB"},
        {Rosnaco, "0", true, "", "A"},
        {Rosnaco, "0,0", true, "", "A"},
        {Rosnaco, "", true, "", ""},
        {Rosnaco, ",", true, "", ""},
        {Uzytkownika, "AB+c", false, "cab", "CAB"}, // the typed order in capitals
        {Uzytkownika, "1,2", true, "EDIT1", "EDIT1"},
        {Rosnaco, "67108864", true, "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}, // never past Z
    };
    for (const auto& p : przypadki) {
        const auto w = UstalKodowanie(p.tryb, p.f, p.dziesietny, p.uzytkownika);
        EXPECT_FALSE(w.Blad) << p.f;
        EXPECT_EQ(w.Kodowanie, p.kodowanie) << p.f;
    }
    EXPECT_EQ(UstalKodowanie(Rosnaco, "1,x", true, "").Blad, "'x' is not a valid integer value");
    EXPECT_EQ(SzerokoscWskaznika(4), 42);
    EXPECT_EQ(SzerokoscWskaznika(0), 10);
}

TEST(kodowanie_test, ok_accepts_a_permutation_and_warns_with_the_polish_count) {
    struct Przypadek {
        const char *wpisane, *potrzebne;
        bool uzytkownika, dziesietna;
        const char* ostrzezenie; // "" accepted
    };
    const Przypadek przypadki[] = {
        {"CAB", "ABC", true, false, ""},
        {"AB", "ABC", true, false, "Za mało liter kodujących.\nFunkcja wymaga ich trzy."},
        {"ABCD", "ABC", true, false, "Zbyt dużo liter kodujących.\nFunkcja wymaga ich tylko trzy."},
        {"ABD", "ABC", true, false,
         "Nie wszystkie litery występują w równaniu funkcji\nWybierz spośród ABC"},
        // Outside the user mode a length mismatch has its own wording.
        {"ABCD", "ABC", false, false, "Zbyt mało liter.\nPowinno ich być trzy."},
        {"", "AB", false, false, "Zbyt mało liter.\nPowinno ich być dwa."},
        // A decimal function needs only distinct letters.
        {"XYZ", "ABC", true, true, ""},
        // Too many letters for an empty function: nothing needs them, nothing is said.
        {"AB", "", true, false, ""},
    };
    for (const auto& p : przypadki) {
        const auto z = ZatwierdzKodowanie(p.wpisane, p.potrzebne, p.uzytkownika, p.dziesietna);
        EXPECT_EQ(z.Ostrzezenie, p.ostrzezenie) << p.wpisane;
    }
    EXPECT_TRUE(ZatwierdzKodowanie("CAB", "ABC", true, false).ZmienNapis);
    EXPECT_FALSE(ZatwierdzKodowanie("AB", "ABC", true, false).ZmienNapis);
    EXPECT_FALSE(ZatwierdzKodowanie("XX1", "ABC", true, true).Przyjete());
}

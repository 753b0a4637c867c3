// The encoding in its three modes and the encoding dialog's OK checks.
#include "qm/kodowanie.h"

#include <gtest/gtest.h>

using namespace vyn;

namespace {
std::string Kod(TrybKodowania t, const char* f, bool dziesietny, const char* uzytkownika = "") {
    auto w = UstalKodowanie(t, f, dziesietny, uzytkownika);
    EXPECT_FALSE(w.Blad);
    return w.Kodowanie;
}
} // namespace

TEST(kodowanie_test, letter_notation_orders_the_letters_used) {
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "cA+Bd", false), "ABCD");
    EXPECT_EQ(Kod(TrybKodowania::Malejaco, "cA+Bd", false), "DCBA");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "B+b", false), "B");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "F+a+C", false), "ACF"); // unused letters get no place
    EXPECT_EQ(Kod(TrybKodowania::Malejaco, "F+a+C", false), "FCA");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "", false), "");
    EXPECT_EQ(SzerokoscWskaznika(4), 42);
    EXPECT_EQ(SzerokoscWskaznika(0), 10);
}

TEST(kodowanie_test, decimal_notation_takes_as_many_letters_as_the_largest_number_needs) {
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "1,5,4", true), "ABC");
    EXPECT_EQ(Kod(TrybKodowania::Malejaco, "1,5,4", true), "CBA");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "8", true), "ABCD");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "7", true), "ABC");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "1", true), "A");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "2", true), "AB");
    for (const char* zero : {"0", "0,", "0,0"})
        EXPECT_EQ(Kod(TrybKodowania::Rosnaco, zero, true), "A") << zero;
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "", true), "");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, ",", true), "");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "67108863", true), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(Kod(TrybKodowania::Malejaco, "67108863", true), "ZYXWVUTSRQPONMLKJIHGFEDCBA");
    EXPECT_EQ(Kod(TrybKodowania::Rosnaco, "67108864", true).size(), 26u); // never past Z
}

TEST(kodowanie_test, decimal_text_with_a_stray_character_is_an_error) {
    auto w = UstalKodowanie(TrybKodowania::Rosnaco, "1,x", true, "");
    EXPECT_EQ(w.Blad, "'x' is not a valid integer value");
}

TEST(kodowanie_test, user_mode_takes_the_typed_order_in_capitals) {
    EXPECT_EQ(Kod(TrybKodowania::Uzytkownika, "AB+c", false, "cab"), "CAB");
    EXPECT_EQ(Kod(TrybKodowania::Uzytkownika, "1,2", true, "EDIT1"), "EDIT1");
}

TEST(kodowanie_test, ok_accepts_a_permutation_of_the_letters) {
    auto z = ZatwierdzKodowanie("CAB", "ABC", true, false);
    EXPECT_TRUE(z.Przyjete());
    EXPECT_TRUE(z.ZmienNapis);
}

TEST(kodowanie_test, ok_warns_with_the_polish_count) {
    auto za_malo = ZatwierdzKodowanie("AB", "ABC", true, false);
    EXPECT_EQ(za_malo.Ostrzezenie, "Za mało liter kodujących.\nFunkcja wymaga ich trzy.");
    EXPECT_FALSE(za_malo.ZmienNapis);

    auto za_duzo = ZatwierdzKodowanie("ABCD", "ABC", true, false);
    EXPECT_EQ(za_duzo.Ostrzezenie, "Zbyt dużo liter kodujących.\nFunkcja wymaga ich tylko trzy.");
    EXPECT_FALSE(za_duzo.ZmienNapis);

    auto obca = ZatwierdzKodowanie("ABD", "ABC", true, false);
    EXPECT_EQ(obca.Ostrzezenie,
              "Nie wszystkie litery występują w równaniu funkcji\nWybierz spośród ABC");

    // Outside the user mode a length mismatch has its own wording.
    auto alfabetycznie = ZatwierdzKodowanie("ABCD", "ABC", false, false);
    EXPECT_EQ(alfabetycznie.Ostrzezenie, "Zbyt mało liter.\nPowinno ich być trzy.");
}

TEST(kodowanie_test, decimal_function_needs_only_distinct_letters) {
    EXPECT_TRUE(ZatwierdzKodowanie("XYZ", "ABC", true, true).Przyjete()); // no letter check
    EXPECT_FALSE(ZatwierdzKodowanie("XX1", "ABC", true, true).Przyjete());
    // Too many letters for an empty function: nothing needs them, nothing is said.
    EXPECT_TRUE(ZatwierdzKodowanie("AB", "", true, false).Przyjete());
    EXPECT_EQ(ZatwierdzKodowanie("", "AB", false, false).Ostrzezenie,
              "Zbyt mało liter.\nPowinno ich być dwa.");
}

// Two separators side by side, which the editor cannot type, are refused when a file is read
// (found by fuzzing the reader); the characters in between do not matter.
#include "plik_vyn.h"

#include <gtest/gtest.h>

using namespace vyn;

TEST(plik_vyn_separatory_test, two_separators_side_by_side_are_refused) {
    struct Przypadek {
        const char* bajty;
        RegulaCzyszczenia regula;
        const char* komunikat;
    };
    for (const auto& p : {
             Przypadek{"2,51,,6,3\r\n", RegulaCzyszczenia::Otwieranie,
                       "Dwa znaki ',' obok siebie w funkcji"},
             Przypadek{"1.,2\r\n", RegulaCzyszczenia::Otwieranie, // "." is read as ","
                       "Dwa znaki ',' obok siebie w funkcji"},
             Przypadek{"A+ +B\r\n", RegulaCzyszczenia::WierszPolecen, // the blank is dropped
                       "Dwa znaki '+' obok siebie w funkcji"},
             Przypadek{"++\r\n", RegulaCzyszczenia::Otwieranie,
                       "Dwa znaki '+' obok siebie w funkcji"},
         }) {
        PlikFunkcji plik{"AB", false, 2};
        EXPECT_EQ(CzytajPlikFunkcji(p.bajty, p.regula, plik), std::string(p.komunikat)) << p.bajty;
        EXPECT_EQ(plik.Funkcja, "AB");
    }
    // A single separator at either end, or alone, is still read.
    for (const char* dobre : {"+A+\r\n", ",5,\r\n", ",\r\n"}) {
        PlikFunkcji plik;
        EXPECT_FALSE(CzytajPlikFunkcji(dobre, RegulaCzyszczenia::Otwieranie, plik)) << dobre;
    }
}

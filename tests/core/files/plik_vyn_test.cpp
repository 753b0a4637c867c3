// The own function file: text lines, cleaning, notation, refusals, writing and round trips.
#include "files/plik_vyn.h"

#include "text/funkcja.h"

#include <gtest/gtest.h>

using namespace vyn;
using L = std::vector<std::string>;

TEST(plik_vyn_test, lines_end_at_cr_crlf_and_the_end_of_text_byte) {
    EXPECT_EQ(CzytajLinie("a\rb\r\nc", 50), (L{"a", "b", "c"}));
    EXPECT_EQ(CzytajLinie("a\r\n", 50), (L{"a"})); // no empty line after the last end
    EXPECT_EQ(CzytajLinie("a\r\r\nb", 50), (L{"a", "", "b"}));
    EXPECT_EQ(CzytajLinie("a\nb\n", 50), (L{"a\nb\n"}));   // a lone LF is text
    EXPECT_EQ(CzytajLinie("a\r\n\n", 50), (L{"a", "\n"})); // only one LF goes with the CR
    EXPECT_EQ(CzytajLinie("a\rb\x1A\rc\r", 50), (L{"a", "b"}));
    EXPECT_EQ(CzytajLinie("1\r2\r3\r4", 2), (L{"1", "2"}));
    // A reader of a file in pieces may stop once the lines it needs are complete.
    EXPECT_FALSE(MaLinie("AB+c", 1));
    EXPECT_TRUE(MaLinie("AB+c\r", 1));
    EXPECT_FALSE(MaLinie("a\rb\r\nc", 3));
    EXPECT_TRUE(MaLinie("a\x1A", 50));
    EXPECT_FALSE(MaLinie("a\nb\nc\n", 2));
}

// Each file's first line as Open and as the command line read it: the function (and its
// notation and count) or the message; a refused file leaves the function as it was.
TEST(plik_vyn_test, open_and_command_line_clean_and_refuse_by_their_own_ranges) {
    const char* const Odmowa = nullptr;
    struct Przypadek {
        std::string bajty;
        const char* otwarcie; // function or message
        const char* wiersz;   // the same for the command line; Odmowa: refused
        bool dziesietna = false;
    };
    const std::string Przecinki = "Dwa znaki ',' obok siebie w funkcji";
    const Przypadek przypadki[] = {
        {"0,1,5\r\n", "0,1,5", "0,1,5", true},
        {" 5,7\r\n", "5,7", "5,7", true}, // the digit after the blank decides, then the blank goes
        {"AB\r\nnot read\r\n", "AB", "AB"},
        {"AB+\nCd\n", "AB+Cd", "AB+Cd"}, // LF-ended lines are joined
        {"A\tB + \x01\xC4\x85"
         "c",
         "AB+c", "AB+c"},
        {"A\x1A"
         "B",
         "A", "A"},
        {"", "", ""},
        {"\r\nAB\r\n", "", ""},
        {"  \t\r\n", "", ""},
        // "." becomes "," and "{" (7Bh), "&" (26h), "*" (2Ah) are dropped by Open only; "+"
        // (2Bh) and "z" (7Ah) are kept by both.
        {"1.3", "1,3", "Niedozwolony znak '.' w funkcji", true},
        {"AB{", "AB", Odmowa},
        {"A&B", "AB", Odmowa},
        {"2*3", "23", Odmowa, true},
        {"z+A", "z+A", "z+A"},
        {"1,2x,3", "Niedozwolony znak 'x' w funkcji", Odmowa},
        {"A1", "Niedozwolony znak 'A' w funkcji", Odmowa}, // a digit second: decimal
        {"AB-c", "Niedozwolony znak '-' w funkcji", Odmowa},
        {"A+aCA+D", "Symbol A powtarza się w grupie aCA", Odmowa},
        // Two separators side by side, which the editor cannot type.
        {"2,51,,6,3", Przecinki.c_str(), Odmowa},
        {"1.,2", Przecinki.c_str(), "Niedozwolony znak '.' w funkcji"},
        {"A+ +B", "Dwa znaki '+' obok siebie w funkcji", Odmowa}, // the blank is dropped
        // What the editor can make: a separator first or last, leading zeros.
        {"+", "+", "+"},
        {"+A", "+A", "+A"},
        {"A+", "A+", "A+"},
        {",", ",", ",", true},
        {",5", ",5", ",5", true},
        {"5,", "5,", "5,", true},
        {"007,3", "007,3", "007,3", true},
        // The don't-care part follows one ";" and keeps the notation's rules.
        {"0,1;3,4", "0,1;3,4", "0,1;3,4", true},
        {"AB+aC;Abc", "AB+aC;Abc", "AB+aC;Abc"},
        {"0,1,;", "0,1,;", "0,1,;", true},
        {"0,1;2;3", KomunikatDrugiSrednik, Odmowa},
        {";1", KomunikatSrednikNaPoczatku, Odmowa},
        {"0,1;,3", "Znak ',' po średniku w funkcji", Odmowa},
        {"AB;+C", "Znak '+' po średniku w funkcji", Odmowa},
        {"AB;CC", "Stany obojętne: Symbol C powtarza się w grupie CC", Odmowa},
    };
    for (const auto& p : przypadki)
        for (auto regula : {RegulaCzyszczenia::Otwieranie, RegulaCzyszczenia::WierszPolecen}) {
            const char* oczekiwane =
                regula == RegulaCzyszczenia::Otwieranie ? p.otwarcie : p.wiersz;
            PlikFunkcji plik{"AB", false, 2};
            const auto blad = CzytajPlikFunkcji(p.bajty, regula, plik);
            SCOPED_TRACE(p.bajty);
            if (blad) {
                EXPECT_EQ(*blad, oczekiwane ? oczekiwane : *blad);
                EXPECT_EQ(plik.Funkcja, "AB");
                EXPECT_EQ(plik.IloscLiter, 2);
            } else {
                ASSERT_TRUE(oczekiwane);
                EXPECT_EQ(plik.Funkcja, oczekiwane);
                EXPECT_EQ(plik.TrybDziesietny, p.dziesietna);
                EXPECT_EQ(plik.IloscLiter, IloscZnakow(PodzielFunkcje(plik.Funkcja).Wymagana));
                // What Save writes reads back the same.
                PlikFunkcji znowu;
                EXPECT_FALSE(CzytajPlikFunkcji(ZapisPlikuFunkcji(plik.Funkcja), regula, znowu));
                EXPECT_EQ(znowu.Funkcja, plik.Funkcja);
            }
        }
}

TEST(plik_vyn_test, save_writes_the_text_and_a_crlf) {
    EXPECT_EQ(ZapisPlikuFunkcji(""), "\r\n");
    EXPECT_EQ(ZapisPlikuFunkcji("AB+c"), "AB+c\r\n");
}

TEST(plik_vyn_test, the_reader_is_chosen_by_the_exact_extension_of_the_name) {
    EXPECT_EQ(RodzajPoRozszerzeniu("/tmp/f.vyn"), RodzajPliku::Vyn);
    EXPECT_EQ(RodzajPoRozszerzeniu("mapa.old.hal"), RodzajPliku::Halor);
    EXPECT_EQ(RodzajPoRozszerzeniu("/tmp/.vyn"), RodzajPliku::Vyn);
    for (const char* inne :
         {"F.VYN", "f.Hal", "f.vyn.txt", "f.vyn ", "/d.vyn/f", "C:\\d.hal\\f", "f"})
        EXPECT_EQ(RodzajPoRozszerzeniu(inne), RodzajPliku::Nieznany) << inne;

    PlikFunkcji p;
    ASSERT_FALSE(CzytajFunkcjeZPliku("f.vyn", "1.3\r\n", p));
    EXPECT_EQ(p.Funkcja, "1,3");
    ASSERT_FALSE(CzytajFunkcjeZPliku("m.hal", "AB\r\n2\r\n\r\n01\r\n10\r\n", p));
    EXPECT_EQ(p.Funkcja, "1,2");
    EXPECT_TRUE(p.TrybDziesietny);
    EXPECT_EQ(CzytajFunkcjeZPliku("f.VYN", "AB\r\n", p), KomunikatNieznanegoTypu);
    EXPECT_EQ(p.Funkcja, "1,2");
}

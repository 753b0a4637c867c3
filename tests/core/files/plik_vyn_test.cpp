// The own function file: text lines, cleaning, notation, refusals, writing and round trips.
#include "files/plik_vyn.h"

#include "text/funkcja.h"

#include <gtest/gtest.h>

using namespace vyn;
using namespace std::string_literals;
using L = std::vector<std::string>;

namespace {

std::optional<std::string> Czytaj(const std::string& bajty, PlikFunkcji& p,
                                  RegulaCzyszczenia regula = RegulaCzyszczenia::Otwieranie) {
    return CzytajPlikFunkcji(bajty, regula, p);
}

PlikFunkcji Wczytaj(const std::string& bajty) {
    PlikFunkcji p;
    const auto blad = Czytaj(bajty, p);
    EXPECT_FALSE(blad) << *blad;
    return p;
}

std::string Blad(const std::string& bajty,
                 RegulaCzyszczenia regula = RegulaCzyszczenia::Otwieranie) {
    PlikFunkcji p{"AB", false, 2};
    const auto blad = Czytaj(bajty, p, regula);
    EXPECT_EQ(p.Funkcja, "AB"); // a refused file leaves nothing half-read behind
    EXPECT_EQ(p.IloscLiter, 2);
    return blad.value_or("(przyjęty)");
}

} // namespace

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

TEST(plik_vyn_test, notation_comes_from_the_first_two_characters_as_read) {
    auto p = Wczytaj("0,1,5\r\n");
    EXPECT_EQ(p.Funkcja, "0,1,5");
    EXPECT_TRUE(p.TrybDziesietny);

    p = Wczytaj("AB+c\r\n");
    EXPECT_FALSE(p.TrybDziesietny);
    EXPECT_EQ(p.IloscLiter, 3);

    // The blank is first: the digit after it still decides, then the blank goes.
    p = Wczytaj(" 5,7\r\n");
    EXPECT_EQ(p.Funkcja, "5,7");
    EXPECT_TRUE(p.TrybDziesietny);
}

TEST(plik_vyn_test, only_the_first_line_counts_and_cleaning_removes_the_rest) {
    EXPECT_EQ(Wczytaj("AB\r\nnot read\r\n").Funkcja, "AB");
    EXPECT_EQ(Wczytaj("AB+\nCd\n").Funkcja, "AB+Cd"); // LF-ended lines are joined
    EXPECT_EQ(Wczytaj("A\tB + \x01\xC4\x85"
                      "c")
                  .Funkcja,
              "AB+c");
    EXPECT_EQ(Wczytaj("A\x1A"
                      "B")
                  .Funkcja,
              "A");
}

TEST(plik_vyn_test, open_and_command_line_keep_different_ranges) {
    struct {
        std::string bajty;
        const char* poOtwarciu; // nullptr: refused
        const char* zWiersza;
    } const przypadki[] = {
        {"1.3", "1,3", nullptr}, // "." becomes "," only for Open
        {"AB{", "AB", nullptr},  // "{" (7Bh), "&" (26h), "*" (2Ah): dropped by Open only
        {"A&B", "AB", nullptr},  {"2*3", "23", nullptr},
        {"z+A", "z+A", "z+A"}, // "+" (2Bh) and "z" (7Ah) are kept by both
    };
    for (const auto& p : przypadki)
        for (auto [regula, oczekiwana] :
             {std::pair{RegulaCzyszczenia::Otwieranie, p.poOtwarciu},
              std::pair{RegulaCzyszczenia::WierszPolecen, p.zWiersza}}) {
            PlikFunkcji plik;
            const auto blad = Czytaj(p.bajty, plik, regula);
            EXPECT_EQ(blad.has_value(), oczekiwana == nullptr) << p.bajty;
            if (oczekiwana) {
                EXPECT_EQ(plik.Funkcja, oczekiwana);
            }
        }
}

TEST(plik_vyn_test, an_empty_first_line_is_the_empty_function) {
    for (const auto& bajty : {""s, "\r\n"s, "\r\nAB\r\n"s, "  \t\r\n"s, "\x1A"s}) {
        const auto p = Wczytaj(bajty);
        EXPECT_EQ(p.Funkcja, "");
        EXPECT_FALSE(p.TrybDziesietny);
        EXPECT_EQ(p.IloscLiter, 0);
    }
}

TEST(plik_vyn_test, text_a_run_could_not_take_is_refused_and_changes_nothing) {
    EXPECT_EQ(Blad("67108864"), KomunikatZakresu);
    EXPECT_EQ(Blad("1,99999999999999999999"), KomunikatZakresu);
    EXPECT_EQ(Blad("1,2x,3"), "Niedozwolony znak 'x' w funkcji");
    EXPECT_EQ(Blad("A1"), "Niedozwolony znak 'A' w funkcji"); // a digit second: decimal
    EXPECT_EQ(Blad("AB-c"), "Niedozwolony znak '-' w funkcji");
    EXPECT_EQ(Blad("A+aCA+D"), "Symbol A powtarza się w grupie aCA");
    EXPECT_EQ(Blad("1.3", RegulaCzyszczenia::WierszPolecen), "Niedozwolony znak '.' w funkcji");
    // Two separators side by side, which the editor cannot type (found by fuzzing the reader).
    EXPECT_EQ(Blad("2,51,,6,3"), "Dwa znaki ',' obok siebie w funkcji");
    EXPECT_EQ(Blad("1.,2"), "Dwa znaki ',' obok siebie w funkcji"); // "." is read as ","
    EXPECT_EQ(Blad("A+ +B", RegulaCzyszczenia::WierszPolecen),      // the blank is dropped
              "Dwa znaki '+' obok siebie w funkcji");
    EXPECT_EQ(Blad("++"), "Dwa znaki '+' obok siebie w funkcji");
    EXPECT_EQ(Wczytaj("67108863,0").Funkcja, "67108863,0"); // the limit itself is fine
}

TEST(plik_vyn_test, what_the_editor_makes_is_saved_and_read_back_the_same) {
    EXPECT_EQ(ZapisPlikuFunkcji(""), "\r\n");
    EXPECT_EQ(ZapisPlikuFunkcji("AB+c"), "AB+c\r\n");

    const std::vector<std::pair<std::string, bool>> funkcje = {
        {"+", false}, {"+A", false}, {"A+", false},   {",", true},
        {",5", true}, {"5,", true},  {"007,3", true}, {"AbC+aBc+Z", false}};
    for (const auto& [funkcja, dziesietna] : funkcje)
        for (auto regula : {RegulaCzyszczenia::Otwieranie, RegulaCzyszczenia::WierszPolecen}) {
            PlikFunkcji p;
            const auto blad = Czytaj(ZapisPlikuFunkcji(funkcja), p, regula);
            ASSERT_FALSE(blad) << funkcja << ": " << *blad;
            EXPECT_EQ(p.Funkcja, funkcja);
            EXPECT_EQ(p.TrybDziesietny, dziesietna) << funkcja;
            // The editor counts every character it typed that is not a separator.
            const auto separatory = std::count_if(funkcja.begin(), funkcja.end(),
                                                  [](char c) { return c == '+' || c == ','; });
            EXPECT_EQ(p.IloscLiter, static_cast<int>(funkcja.size()) - separatory) << funkcja;
        }
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

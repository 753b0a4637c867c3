// The Halor map import: examples, the Karnaugh numbering of every map size, and bad files.
#include "files/halor.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

using namespace vyn;

namespace {

std::vector<std::string> Mapa(const std::string& n, const std::string& orientacja,
                              std::vector<std::string> wiersze) {
    std::vector<std::string> linie = {"ABCDEFGHIJ", n, orientacja};
    linie.insert(linie.end(), wiersze.begin(), wiersze.end());
    return linie;
}

std::string Importuj(const std::vector<std::string>& linie) {
    PlikFunkcji p;
    const auto blad = ImportujHalor(linie, p);
    EXPECT_FALSE(blad) << *blad;
    EXPECT_TRUE(p.TrybDziesietny);
    return p.Funkcja;
}

std::string Blad(const std::vector<std::string>& linie) {
    PlikFunkcji p{"A+b", false, 2};
    const auto blad = ImportujHalor(linie, p);
    EXPECT_EQ(p.Funkcja, "A+b"); // nothing half-imported
    EXPECT_FALSE(p.TrybDziesietny);
    return blad.value_or("(przyjęty)");
}

} // namespace

TEST(halor_test, maps_read_row_by_row_in_gray_code_order) {
    EXPECT_EQ(Importuj(Mapa("3", "poziome", {"0110", "0001"})), "1,3,6");
    EXPECT_EQ(Importuj(Mapa("2", "", {"11", "11"})), "0,1,2,3");
    EXPECT_EQ(Importuj(Mapa("4", "", {"0000", "0000", "1111", "0000"})), "12,13,15,14");
    EXPECT_EQ(Importuj(Mapa("3", "pionowe", {"01", "00", "10", "00"})), "1,6");
    EXPECT_EQ(Importuj(Mapa("3", "Poziome", {"1000", "0000"})), "0");
    EXPECT_EQ(Importuj(Mapa("1", "Pionowe", {"0", "1"})), "1");
    EXPECT_EQ(Importuj(Mapa("1", "poziome", {"11"})), "0,1");
    // Only "1" marks a cell; longer rows and lines after the map do not matter.
    EXPECT_EQ(Importuj(Mapa("2", "ignored for even N", {"x1junk", "0 ", "trailing"})), "1");
}

TEST(halor_test, a_map_without_a_one_is_the_empty_function) {
    PlikFunkcji p;
    ASSERT_FALSE(ImportujHalor(Mapa("4", "", {"0000", "0000", "0000", "0000"}), p));
    EXPECT_EQ(p.Funkcja, "");
    EXPECT_TRUE(p.TrybDziesietny);
    EXPECT_EQ(p.IloscLiter, 0);
}

// Every size and orientation must number its cells with each minterm exactly once, and cells
// that touch on the map (the edges wrapping round) must differ in exactly one variable.
TEST(halor_test, every_map_is_a_karnaugh_map) {
    for (int n = 1; n <= 10; ++n)
        for (const char* orientacja : {"poziome", "pionowe"}) {
            if (n % 2 == 0 && std::string(orientacja) == "pionowe")
                continue;
            const int polowa = 1 << (n / 2);
            const bool poziome = std::string(orientacja) == "poziome";
            const int r = n % 2 == 0 ? polowa : (poziome ? polowa : 2 * polowa);
            const int c = n % 2 == 0 ? polowa : (poziome ? 2 * polowa : polowa);
            std::vector<std::vector<int>> numer(static_cast<std::size_t>(r),
                                                std::vector<int>(static_cast<std::size_t>(c)));
            std::set<int> wszystkie;
            for (int i = 0; i < r; ++i)
                for (int j = 0; j < c; ++j) {
                    std::vector<std::string> wiersze(static_cast<std::size_t>(r),
                                                     std::string(static_cast<std::size_t>(c), '0'));
                    wiersze[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = '1';
                    const std::string f = Importuj(Mapa(std::to_string(n), orientacja, wiersze));
                    ASSERT_EQ(f.find(','), std::string::npos) << f;
                    numer[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = std::stoi(f);
                    wszystkie.insert(std::stoi(f));
                }
            ASSERT_EQ(wszystkie.size(), std::size_t{1} << n) << n << orientacja;
            EXPECT_EQ(*wszystkie.rbegin(), (1 << n) - 1);
            auto jedenBit = [](int a, int b) {
                return std::popcount(static_cast<unsigned>(a ^ b)) == 1;
            };
            for (int i = 0; i < r; ++i)
                for (int j = 0; j < c; ++j) {
                    const int tu = numer[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
                    if (c > 1) {
                        EXPECT_TRUE(jedenBit(tu, numer[static_cast<std::size_t>(i)]
                                                      [static_cast<std::size_t>((j + 1) % c)]));
                    }
                    if (r > 1) {
                        EXPECT_TRUE(jedenBit(tu, numer[static_cast<std::size_t>((i + 1) % r)]
                                                      [static_cast<std::size_t>(j)]));
                    }
                }
        }
}

TEST(halor_test, line_two_must_be_a_whole_number) {
    EXPECT_EQ(Blad(Mapa("abc", "", {"11", "11"})), "'abc' is not a valid integer value");
    EXPECT_EQ(Blad(Mapa("2.0", "", {"11", "11"})), "'2.0' is not a valid integer value");
    EXPECT_EQ(Blad(Mapa("", "", {})), "'' is not a valid integer value");
    EXPECT_EQ(Blad({"AB"}), "'' is not a valid integer value"); // a one-line file
    EXPECT_EQ(Importuj(Mapa(" 2 ", "", {"10", "00"})), "0");    // blanks around are fine
    EXPECT_EQ(Importuj(Mapa("+2", "", {"10", "00"})), "0");
}

TEST(halor_test, a_file_with_lf_line_ends_is_one_line) {
    PlikFunkcji p;
    EXPECT_EQ(CzytajPlikHalora("AB\n2\n\n11\n11\n", p), "'' is not a valid integer value");
    ASSERT_FALSE(CzytajPlikHalora("AB\r\n2\r\n\r\n11\r\n11\r\n", p));
    EXPECT_EQ(p.Funkcja, "0,1,2,3");
}

TEST(halor_test, bad_maps_are_refused_with_a_reason) {
    const std::string zakres = "Mapa Halora może mieć od 1 do 10 zmiennych, a plik podaje ";
    EXPECT_EQ(Blad(Mapa("0", "", {})), zakres + "0");
    EXPECT_EQ(Blad(Mapa("11", "poziome", {})), zakres + "11");
    EXPECT_EQ(Blad(Mapa("-4", "", {})), zakres + "-4");
    EXPECT_EQ(Blad(Mapa("99999999999999", "", {})).rfind(zakres, 0), 0u);

    // Odd N needs one of the four orientation words, exactly.
    for (const char* zla : {"POZIOME", "poziome ", "", "pion"})
        EXPECT_EQ(Blad(Mapa("3", zla, {"0110", "0001"})),
                  "Nieznana orientacja mapy Halora '" + std::string(zla) +
                      "' (linia 3 pliku): dla nieparzystej liczby zmiennych musi to być "
                      "poziome albo pionowe");

    EXPECT_EQ(Blad(Mapa("4", "", {"0000", "0110", "0000"})),
              "Mapa Halora jest niepełna: wiersz 4 (linia 7 pliku) powinien mieć 4 znaki, a ma 0");
    EXPECT_EQ(Blad(Mapa("3", "poziome", {"0110", "00"})),
              "Mapa Halora jest niepełna: wiersz 2 (linia 5 pliku) powinien mieć 4 znaki, a ma 2");
    EXPECT_EQ(Blad(Mapa("5", "pionowe", {"111"})),
              "Mapa Halora jest niepełna: wiersz 1 (linia 4 pliku) powinien mieć 4 znaki, a ma 3");
    EXPECT_EQ(Blad(Mapa("6", "", {"1111"})),
              "Mapa Halora jest niepełna: wiersz 1 (linia 4 pliku) powinien mieć 8 znaków, a ma 4");
    EXPECT_EQ(Blad(Mapa("2", "", {"11", "1"})),
              "Mapa Halora jest niepełna: wiersz 2 (linia 5 pliku) powinien mieć 2 znaki, a ma 1");
}

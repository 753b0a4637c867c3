// The Halor map import: maps of one to four variables in both orientations, and bad files.
#include "files/halor.h"
#include "text/funkcja.h"

#include <gtest/gtest.h>

using namespace vyn;

namespace {

std::vector<std::string> Mapa(const std::string& n, const std::string& orientacja,
                              std::vector<std::string> wiersze) {
    std::vector<std::string> linie = {"ABCDEFGHIJ", n, orientacja};
    linie.insert(linie.end(), wiersze.begin(), wiersze.end());
    return linie;
}

// The function of an accepted map, or the message of a refused one (which leaves the function
// as it was).
std::string Importuj(const std::vector<std::string>& linie) {
    PlikFunkcji p{"A+b", false, 2};
    if (const auto blad = ImportujHalor(linie, p)) {
        EXPECT_EQ(p.Funkcja, "A+b");
        EXPECT_FALSE(p.TrybDziesietny);
        return *blad;
    }
    EXPECT_TRUE(p.TrybDziesietny);
    EXPECT_EQ(p.IloscLiter, IloscZnakow(p.Funkcja));
    return p.Funkcja;
}

} // namespace

TEST(halor_test, maps_read_row_by_row_in_gray_code_order_or_are_refused_with_a_reason) {
    const std::string zakres = "Mapa Halora może mieć od 1 do 10 zmiennych, a plik podaje ";
    const std::string niepelna = "Mapa Halora jest niepełna: wiersz ";
    const std::string orientacja = "' (linia 3 pliku): dla nieparzystej liczby zmiennych musi to "
                                   "być poziome albo pionowe";
    const std::pair<std::vector<std::string>, std::string> przypadki[] = {
        {Mapa("3", "poziome", {"0110", "0001"}), "1,3,6"},
        {Mapa("2", "", {"11", "11"}), "0,1,2,3"},
        {Mapa("4", "", {"0000", "0000", "1111", "0000"}), "12,13,15,14"},
        {Mapa("3", "pionowe", {"01", "00", "10", "00"}), "1,6"},
        {Mapa("3", "Poziome", {"1000", "0000"}), "0"},
        {Mapa("1", "Pionowe", {"0", "1"}), "1"},
        {Mapa("1", "poziome", {"11"}), "0,1"},
        {Mapa("4", "", {"0000", "0000", "0000", "0000"}), ""}, // no "1": the empty function
        // Only "1" marks a cell; longer rows and lines after the map do not matter.
        {Mapa("2", "ignored for even N", {"x1junk", "0 ", "trailing"}), "1"},
        // Line 2 is a whole number, blanks and a sign allowed.
        {Mapa(" 2 ", "", {"10", "00"}), "0"},
        {Mapa("+2", "", {"10", "00"}), "0"},
        {Mapa("abc", "", {"11", "11"}), "'abc' is not a valid integer value"},
        {Mapa("2.0", "", {"11", "11"}), "'2.0' is not a valid integer value"},
        {{"AB"}, "'' is not a valid integer value"}, // a one-line file
        {Mapa("0", "", {}), zakres + "0"},
        {Mapa("11", "poziome", {}), zakres + "11"},
        {Mapa("-4", "", {}), zakres + "-4"},
        // Odd N needs one of the four orientation words, exactly.
        {Mapa("3", "POZIOME", {"0110", "0001"}),
         "Nieznana orientacja mapy Halora 'POZIOME" + orientacja},
        {Mapa("3", "poziome ", {"0110", "0001"}),
         "Nieznana orientacja mapy Halora 'poziome " + orientacja},
        {Mapa("3", "", {"0110", "0001"}), "Nieznana orientacja mapy Halora '" + orientacja},
        {Mapa("4", "", {"0000", "0110", "0000"}),
         niepelna + "4 (linia 7 pliku) powinien mieć 4 znaki, a ma 0"},
        {Mapa("3", "poziome", {"0110", "00"}),
         niepelna + "2 (linia 5 pliku) powinien mieć 4 znaki, a ma 2"},
        {Mapa("5", "pionowe", {"111"}),
         niepelna + "1 (linia 4 pliku) powinien mieć 4 znaki, a ma 3"},
        {Mapa("6", "", {"1111"}), niepelna + "1 (linia 4 pliku) powinien mieć 8 znaków, a ma 4"},
        {Mapa("2", "", {"11", "1"}), niepelna + "2 (linia 5 pliku) powinien mieć 2 znaki, a ma 1"},
    };
    for (const auto& [linie, wynik] : przypadki)
        EXPECT_EQ(Importuj(linie), wynik) << linie[1] << " " << linie.back();
    EXPECT_EQ(Importuj(Mapa("99999999999999", "", {})).rfind(zakres, 0), 0u);

    // A file is cut into lines at CR LF: with LF alone it is one line.
    PlikFunkcji p;
    EXPECT_EQ(CzytajPlikHalora("AB\n2\n\n11\n11\n", p), "'' is not a valid integer value");
    ASSERT_FALSE(CzytajPlikHalora("AB\r\n2\r\n\r\n11\r\n11\r\n", p));
    EXPECT_EQ(p.Funkcja, "0,1,2,3");
}

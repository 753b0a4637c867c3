// The table pass: the worked example, the details rows and a stop inside a pass.
#include "qm/tablica_pomocnicza.h"

#include "qm/slowo.h"

#include <gtest/gtest.h>

using namespace vyn;

namespace {
TablicaSkladnikow Mintermy(std::initializer_list<std::uint32_t> m) {
    TablicaSkladnikow t;
    for (auto v : m) {
        t.Wartosci.push_back(v | FlagaObecnosci);
        t.Maski.push_back(0);
    }
    return t;
}
std::vector<std::pair<std::uint32_t, std::uint32_t>> Termy(const TablicaSkladnikow& t) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> w;
    for (std::size_t i = 0; i < t.Rozmiar(); ++i)
        w.emplace_back(t.Wartosci[i] & MaskaWartosci, t.Maski[i]);
    return w;
}
using Pary = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
} // namespace

TEST(tablica_pomocnicza_test, worked_example_three_passes) {
    auto a = Mintermy({1, 7, 6, 5, 4});
    TablicaSkladnikow b;
    ListaProstych proste;
    std::string wiersz;
    ASSERT_EQ(TablicaPomocnicza(1, a, b, proste, 3, wiersz, {}), ZakonczeniePrzejscia::Pelne);
    EXPECT_EQ(wiersz, "1 5 10");
    // "bC", "AB", "AC", "Ac", "Ab" in order of first production.
    EXPECT_EQ(Termy(b), (Pary{{5, 4}, {7, 1}, {7, 2}, {6 | 2, 2}, {5 | 1, 1}}));
    for (auto v : a.Wartosci)
        EXPECT_TRUE(v & FlagaPolaczenia);
    EXPECT_TRUE(proste.Wartosci.empty());

    ASSERT_EQ(TablicaPomocnicza(2, b, a, proste, 3, wiersz, {}), ZakonczeniePrzejscia::Pelne);
    EXPECT_EQ(wiersz, "2 5 10");
    EXPECT_EQ(Termy(a), (Pary{{7, 3}})); // "A" stored once though two pairs make it
    ASSERT_EQ(proste.Wartosci.size(), 1u);
    EXPECT_EQ(SkladnikNaLitery("ABC", proste.Wartosci[0], proste.Maski[0]), "bC");

    ASSERT_EQ(TablicaPomocnicza(3, a, b, proste, 3, wiersz, {}), ZakonczeniePrzejscia::Pelne);
    EXPECT_EQ(wiersz, "3 1 0");
    ASSERT_EQ(proste.Wartosci.size(), 2u);
    EXPECT_EQ(SkladnikNaLitery("ABC", proste.Wartosci[1], proste.Maski[1]), "A");
}

TEST(tablica_pomocnicza_test, details_row_counts_pairs_in_thousands_from_9999_terms) {
    EXPECT_EQ(WierszSzczegolow(1, 0), "1 0 0");
    EXPECT_EQ(WierszSzczegolow(2, 1), "2 1 0");
    EXPECT_EQ(WierszSzczegolow(1, 9998), "1 9998 49975003");
    EXPECT_EQ(WierszSzczegolow(1, 9999), "1 9999 49985000"); // 49985001 pairs: 49985.001 thousand
    EXPECT_EQ(WierszSzczegolow(1, 10000), "1 10000 49995000");
    // 100000 terms: 4999950000 pairs, exactly 4999950 thousand.
    EXPECT_EQ(WierszSzczegolow(3, 100000), "3 100000 4999950000");
    // Halves go to the even neighbour: 53825.5 thousand up, 60494.5 thousand down.
    EXPECT_EQ(WierszSzczegolow(1, 10376), "1 10376 53826000");
    EXPECT_EQ(WierszSzczegolow(1, 11000), "1 11000 60494000");
}

TEST(tablica_pomocnicza_test, abort_before_a_term_ends_the_pass_without_row_or_primes) {
    auto a = Mintermy({0, 1, 2, 4, 7});
    TablicaSkladnikow b;
    ListaProstych proste;
    std::string wiersz = "nietknięty";
    int pytania = 0;
    // A budget of one unit polls at every count.
    Odpytywanie przerwij_przy_trzecim([&] { return ++pytania == 3; }, 1);
    EXPECT_EQ(TablicaPomocnicza(1, a, b, proste, 3, wiersz, &przerwij_przy_trzecim),
              ZakonczeniePrzejscia::Przerwane);
    EXPECT_EQ(wiersz, "nietknięty");
    EXPECT_TRUE(proste.Wartosci.empty());
}

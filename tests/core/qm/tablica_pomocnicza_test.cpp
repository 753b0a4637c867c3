// The table pass: the worked example, the details rows, repeats, and the hashing pass against
// the literal all-pairs pass.
#include "qm/tablica_pomocnicza.h"

#include "literalny.h"
#include "pomocnicze.h"
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

TEST(tablica_pomocnicza_test, pairs_merge_only_with_equal_masks_and_one_differing_bit) {
    auto a = Mintermy({0, 3}); // two bits apart
    TablicaSkladnikow b;
    ListaProstych proste;
    std::string wiersz;
    TablicaPomocnicza(1, a, b, proste, 2, wiersz, {});
    EXPECT_EQ(b.Rozmiar(), 0u);
    EXPECT_EQ(proste.Wartosci.size(), 2u);

    // 0-0 (mask 2 over A?B) and 1 with mask 0: values one bit apart, masks differ.
    TablicaSkladnikow c;
    c.Wartosci = {2 | FlagaObecnosci, 3 | FlagaObecnosci};
    c.Maski = {2, 0};
    TablicaPomocnicza(2, c, b, proste, 2, wiersz, {});
    EXPECT_EQ(b.Rozmiar(), 0u);
}

TEST(tablica_pomocnicza_test, repeated_minterms_merge_once_and_give_one_prime) {
    auto a = Mintermy({3, 3, 0});
    TablicaSkladnikow b;
    ListaProstych proste;
    std::string wiersz;
    TablicaPomocnicza(1, a, b, proste, 2, wiersz, {});
    EXPECT_EQ(wiersz, "1 3 3");
    EXPECT_EQ(b.Rozmiar(), 0u);
    // 3 twice, 0 once: the prime list keeps 3 once.
    EXPECT_EQ(Termy({proste.Wartosci, proste.Maski}), (Pary{{3, 0}, {0, 0}}));
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

TEST(tablica_pomocnicza_test, capacity_is_reached_when_the_last_place_is_filled) {
    // A 16-letter cube of 65536 minterms gives 16 * 32768 = 524288 merged terms.
    TablicaSkladnikow a, b;
    for (std::uint32_t v = 0; v < 65536; ++v) {
        a.Wartosci.push_back(v | FlagaObecnosci);
        a.Maski.push_back(0);
    }
    ListaProstych proste;
    std::string wiersz;
    EXPECT_EQ(TablicaPomocnicza(1, a, b, proste, 16, wiersz, {}),
              ZakonczeniePrzejscia::Przepelnione);
    EXPECT_EQ(b.Rozmiar(), 100000u);
    EXPECT_TRUE(wiersz.empty());
}

namespace {

// Runs every pass of a random table through both implementations and compares the
// destination tables (flags included), the combined flags of the source, the primes and the
// rows.
void PorownajPrzejscia(const std::vector<std::uint32_t>& mintermy, int l) {
    const std::size_t poj = mintermy.size() * static_cast<std::size_t>(l) + 4;
    std::vector<std::uint32_t> VA(poj + 2), MA(poj + 2), VB(poj + 2), MB(poj + 2), PW(poj + 2),
        PM(poj + 2);
    for (std::size_t i = 0; i < mintermy.size(); ++i)
        VA[i + 1] = mintermy[i] | FlagaObecnosci;
    int licznik = 1;

    TablicaSkladnikow a, b;
    for (auto m : mintermy) {
        a.Wartosci.push_back(m | FlagaObecnosci);
        a.Maski.push_back(0);
    }
    ListaProstych proste;
    for (int n = 1; n <= l; ++n) {
        auto& rv = n % 2 ? VA : VB;
        auto& rm = n % 2 ? MA : MB;
        auto& rv2 = n % 2 ? VB : VA;
        auto& rm2 = n % 2 ? MB : MA;
        std::string wr, wp;
        ASSERT_TRUE(ref::TablicaPomocnicza(n, rv, rm, rv2, rm2, PW, PM, licznik, wr, poj));
        auto& zr = n % 2 ? a : b;
        auto& cel = n % 2 ? b : a;
        ASSERT_EQ(TablicaPomocnicza(n, zr, cel, proste, l, wp, {}), ZakonczeniePrzejscia::Pelne);
        EXPECT_EQ(wp, wr);
        for (std::size_t i = 0; i < zr.Rozmiar(); ++i)
            ASSERT_EQ(zr.Wartosci[i], rv[i + 1]) << "combined flags differ, pass " << n;
        ASSERT_EQ(cel.Rozmiar() + 1 < rv2.size() ? !(rv2[cel.Rozmiar() + 1] & FlagaObecnosci)
                                                 : true,
                  true);
        for (std::size_t i = 0; i < cel.Rozmiar(); ++i) {
            ASSERT_EQ(cel.Wartosci[i], rv2[i + 1]) << "destination order differs, pass " << n;
            ASSERT_EQ(cel.Maski[i], rm2[i + 1]);
        }
    }
    ASSERT_EQ(proste.Wartosci.size(), static_cast<std::size_t>(licznik - 1));
    for (std::size_t i = 0; i < proste.Wartosci.size(); ++i) {
        EXPECT_EQ(proste.Wartosci[i], PW[i + 1]);
        EXPECT_EQ(proste.Maski[i], PM[i + 1]);
    }
}

} // namespace

TEST(tablica_pomocnicza_test, hashing_pass_equals_all_pairs_pass_on_random_tables) {
    std::mt19937 los(7);
    for (int proba = 0; proba < 200; ++proba) {
        const int l = 2 + static_cast<int>(los() % 8);
        const std::uint32_t zakres = 1u << l;
        const int ile = 1 + static_cast<int>(los() % (zakres + zakres / 2));
        std::vector<std::uint32_t> m;
        for (int i = 0; i < ile; ++i)
            m.push_back(static_cast<std::uint32_t>(los() % zakres)); // repeats included
        SCOPED_TRACE("proba " + std::to_string(proba));
        PorownajPrzejscia(m, l);
        if (HasFatalFailure())
            return;
    }
}

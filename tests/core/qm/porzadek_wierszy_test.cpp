// The row ordering against its plain double loops on cores the differential runs never reach:
// hundreds of rows of one Pokrycie1, with few distinct Pokrycie3 keys and with many, rows
// repeated (several keys 0 in one pass), and rows sharing half their columns (keys spread
// below the top one, so the rows passed keep low keys).
#include "qm/porzadek_wierszy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vyn;

namespace {

// The three sorts as written: every i against every j, swapping on a strict comparison.
std::vector<int> PorzadekWprost(const RdzenPokryc& r) {
    const int n = r.IloscWierszy();
    std::vector<int> w(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        w[static_cast<std::size_t>(i)] = i;
    auto nowe = [&](int id, const std::vector<std::uint64_t>& bez) {
        int k = 0;
        for (int s = 0; s < r.Slowa; ++s)
            k += __builtin_popcountll(r.Wiersz(id)[s] & ~bez[static_cast<std::size_t>(s)]);
        return k;
    };
    const std::vector<std::uint64_t> nic(static_cast<std::size_t>(r.Slowa), 0);
    std::vector<int> p1(w.size()), p2(w.size()), p3(w.size(), 0);
    auto sortuj = [&](const std::vector<int>& p) {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                if (p[static_cast<std::size_t>(w[static_cast<std::size_t>(i)])] >
                    p[static_cast<std::size_t>(w[static_cast<std::size_t>(j)])])
                    std::swap(w[static_cast<std::size_t>(i)], w[static_cast<std::size_t>(j)]);
    };
    for (int id = 0; id < n; ++id)
        p1[static_cast<std::size_t>(id)] = nowe(id, nic);
    sortuj(p1);
    std::vector<std::uint64_t> pokryte(nic);
    for (int a = 0; a < n;) {
        int b = a;
        while (b < n && p1[static_cast<std::size_t>(w[static_cast<std::size_t>(b)])] ==
                            p1[static_cast<std::size_t>(w[static_cast<std::size_t>(a)])])
            ++b;
        for (int p = a; p < b; ++p)
            p2[static_cast<std::size_t>(w[static_cast<std::size_t>(p)])] =
                a == 0 ? p1[static_cast<std::size_t>(w[static_cast<std::size_t>(p)])]
                       : nowe(w[static_cast<std::size_t>(p)], pokryte);
        for (int p = a; p < b; ++p)
            for (int s = 0; s < r.Slowa; ++s)
                pokryte[static_cast<std::size_t>(s)] |= r.Wiersz(w[static_cast<std::size_t>(p)])[s];
        a = b;
    }
    sortuj(p2);
    auto P1 = [&](int p) { return p1[static_cast<std::size_t>(w[static_cast<std::size_t>(p)])]; };
    p3[static_cast<std::size_t>(w[0])] = P1(0);
    for (int i = 0; i + 1 < n; ++i) {
        std::vector<std::uint64_t> odn(r.Wiersz(w[static_cast<std::size_t>(i) + 1]),
                                       r.Wiersz(w[static_cast<std::size_t>(i) + 1]) + r.Slowa);
        for (int m = i + 1; m < n; ++m)
            p3[static_cast<std::size_t>(w[static_cast<std::size_t>(m)])] =
                nowe(w[static_cast<std::size_t>(m)], odn);
        for (int b = i + 1; b < n; ++b)
            for (int d = 0; d < n && P1(d) == P1(b); ++d)
                if (p3[static_cast<std::size_t>(w[static_cast<std::size_t>(b)])] >
                    p3[static_cast<std::size_t>(w[static_cast<std::size_t>(d)])])
                    std::swap(w[static_cast<std::size_t>(b)], w[static_cast<std::size_t>(d)]);
    }
    return w;
}

struct Rdzen {
    const char* Nazwa;
    int Kolumny;
    int Duze;      // rows of the largest Pokrycie1, whose third sort is the costly one
    int Pokrycie1; // their column count
    int Mniejsze;  // further rows, of fewer columns
};

class porzadek_wierszy_test : public ::testing::TestWithParam<Rdzen> {};

TEST_P(porzadek_wierszy_test, three_sorts_match_their_double_loops) {
    const Rdzen& p = GetParam();
    std::mt19937 los(static_cast<unsigned>(p.Kolumny * 31 + p.Pokrycie1));
    RdzenPokryc r;
    r.IloscKolumn = p.Kolumny;
    r.Slowa = (p.Kolumny + 63) / 64;
    auto dodaj = [&](int ile) {
        std::vector<int> c(static_cast<std::size_t>(p.Kolumny));
        for (int i = 0; i < p.Kolumny; ++i)
            c[static_cast<std::size_t>(i)] = i;
        std::shuffle(c.begin(), c.end(), los);
        const auto id = static_cast<int>(r.Kolejnosc.size());
        r.Bity.resize(r.Bity.size() + static_cast<std::size_t>(r.Slowa), 0);
        for (int i = 0; i < ile; ++i)
            r.Bity[static_cast<std::size_t>(id * r.Slowa + c[static_cast<std::size_t>(i)] / 64)] |=
                std::uint64_t{1} << (c[static_cast<std::size_t>(i)] % 64);
        r.Wartosci.push_back(0);
        r.Maski.push_back(0);
        r.Kolejnosc.push_back(id);
    };
    // Large and small rows interleaved, so the sorts have to move them.
    for (int i = 0; i < p.Duze + p.Mniejsze; ++i)
        dodaj(i % 3 == 0 && i / 3 < p.Mniejsze ? 1 + static_cast<int>(los() % (p.Pokrycie1 - 1))
                                               : p.Pokrycie1);
    const std::vector<int> oczekiwany = PorzadekWprost(r);
    ASSERT_TRUE(UporzadkujWiersze(r, 20, std::function<bool()>{}));
    EXPECT_EQ(r.Kolejnosc, oczekiwany);
}

INSTANTIATE_TEST_SUITE_P(, porzadek_wierszy_test,
                         ::testing::Values(Rdzen{"klucze_nieliczne", 90, 170, 6, 20},
                                           Rdzen{"klucze_nieliczne_waskie", 300, 140, 3, 10},
                                           Rdzen{"wiersze_powtorzone", 10, 120, 2, 10},
                                           Rdzen{"wiersze_zachodzace", 20, 150, 10, 10},
                                           Rdzen{"klucze_liczne", 200, 110, 80, 15}),
                         [](const auto& info) { return std::string(info.param.Nazwa); });

} // namespace

// The cheapest cover on functions too large for the literal rules: the least cost of 9- to
// 12-variable functions against an independent answer (every prime implicant from a walk of the
// cube lattice written here, the cover solved as a 0-1 program by COIN-OR's Cbc, a solver the
// engine does not use), and what a stop at any moment leaves (a form no dearer than with less
// work, shown costs that only fall, bounds that only rise and never pass the least cost).
#include "qm/najtansze_pokrycie.h"
#include "qm/przebieg.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"
#include "uruchom.h"

#include <CbcModel.hpp>
#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vyn;

namespace {

// A random function of n variables with the given number of minterms, in decimal notation.
std::string Losowa(int n, int ile, unsigned ziarno) {
    std::mt19937 los(ziarno);
    std::vector<int> wszystkie(std::size_t{1} << n);
    for (std::size_t i = 0; i < wszystkie.size(); ++i)
        wszystkie[i] = static_cast<int>(i);
    std::shuffle(wszystkie.begin(), wszystkie.end(), los);
    wszystkie.resize(static_cast<std::size_t>(ile));
    std::sort(wszystkie.begin(), wszystkie.end());
    std::string t;
    for (int m : wszystkie)
        t += (t.empty() ? "" : ",") + std::to_string(m);
    return t;
}

// The least cost of the 0-1 covering program: columns of `macierz` are the rows of the cover
// problem, its rows the columns to cover.
int NajmniejszyKosztCbc(const CoinPackedMatrix& macierz, const std::vector<double>& koszt) {
    const std::vector<double> zera(koszt.size(), 0.0), jedynki(koszt.size(), 1.0),
        popyt(static_cast<std::size_t>(macierz.getNumRows()), 1.0);
    OsiClpSolverInterface lp;
    lp.loadProblem(macierz, zera.data(), jedynki.data(), koszt.data(), popyt.data(), nullptr);
    for (std::size_t j = 0; j < koszt.size(); ++j)
        lp.setInteger(static_cast<int>(j));
    CbcModel model(lp);
    model.setLogLevel(0);
    model.branchAndBound();
    EXPECT_TRUE(model.isProvenOptimal());
    return static_cast<int>(std::lround(model.getObjValue()));
}

// The least cost (letters + groups) of a sum of products of the function `jest`.
int NajmniejszyKoszt(int n, const std::vector<char>& jest) {
    // Cube c in base 3, digit 2 a free variable: an implicant when both halves of its first
    // free variable are; prime when no fixed variable can be freed.
    std::vector<int> p3{1};
    for (int i = 0; i < n; ++i)
        p3.push_back(p3.back() * 3);
    auto cyfra = [&](int c, int i) { return c / p3[static_cast<std::size_t>(i)] % 3; };
    std::vector<char> imp(static_cast<std::size_t>(p3.back()));
    for (int c = 0; c < p3.back(); ++c) {
        int wolna = -1, m = 0;
        for (int i = n - 1; i >= 0; --i) {
            wolna = cyfra(c, i) == 2 ? i : wolna;
            m |= (cyfra(c, i) == 1) << i;
        }
        imp[static_cast<std::size_t>(c)] =
            wolna < 0
                ? jest[static_cast<std::size_t>(m)]
                : imp[static_cast<std::size_t>(c - 2 * p3[static_cast<std::size_t>(wolna)])] &&
                      imp[static_cast<std::size_t>(c - p3[static_cast<std::size_t>(wolna)])];
    }
    std::vector<int> kolumna(jest.size(), -1);
    int kolumny = 0;
    for (std::size_t m = 0; m < jest.size(); ++m)
        kolumna[m] = jest[m] ? kolumny++ : -1;
    CoinPackedMatrix macierz(true, 0, 0);
    macierz.setDimensions(kolumny, 0);
    std::vector<double> koszt;
    for (int c = 0; c < p3.back(); ++c) {
        bool pierwszy = imp[static_cast<std::size_t>(c)];
        int litery = 0;
        for (int i = 0; i < n && pierwszy; ++i)
            if (cyfra(c, i) != 2) {
                ++litery;
                pierwszy = !imp[static_cast<std::size_t>(c + (2 - cyfra(c, i)) *
                                                                 p3[static_cast<std::size_t>(i)])];
            }
        if (!pierwszy)
            continue;
        std::vector<int> wiersze;
        for (std::size_t m = 0; m < jest.size(); ++m) {
            bool w = jest[m];
            for (int i = 0; i < n && w; ++i)
                w = cyfra(c, i) == 2 || cyfra(c, i) == static_cast<int>(m >> i & 1);
            if (w)
                wiersze.push_back(kolumna[m]);
        }
        const std::vector<double> jedynki(wiersze.size(), 1.0);
        macierz.appendCol(static_cast<int>(wiersze.size()), wiersze.data(), jedynki.data());
        koszt.push_back(litery + 1);
    }
    return NajmniejszyKosztCbc(macierz, koszt);
}

struct Przypadek {
    int Zmienne, Mintermy;
    unsigned Ziarno;
};

class najmniejszy_koszt_test : public ::testing::TestWithParam<Przypadek> {};

TEST_P(najmniejszy_koszt_test, run_proves_the_least_cost_of_the_independent_program) {
    const auto [n, ile, ziarno] = GetParam();
    const std::string f = Losowa(n, ile, ziarno);
    const std::string kodowanie =
        std::string("ABCDEFGHIJKL").substr(0, static_cast<std::size_t>(n));
    const auto mintermy = MintermyFunkcji(f, true, kodowanie);
    std::vector<char> jest(std::size_t{1} << n, 0);
    for (const auto m : mintermy)
        jest[m] = 1;
    const int najmniej = NajmniejszyKoszt(n, jest);
    const auto w = testy::Uruchom(f, TrybKodowania::Uzytkownika, kodowanie);
    EXPECT_EQ(w.KosztPostaci, najmniej);
    EXPECT_EQ(w.DowiedzionaGranica, najmniej);
    EXPECT_TRUE(w.MinimalnaDowiedziona);
    ASSERT_GT(w.IloscMinimalnych(), 0);
    for (const std::string& p : w.PostacieMinimalne.Wszystkie()) {
        EXPECT_EQ(IloscZnakow(p) + PoliczGrupy(p), najmniej) << p;
        EXPECT_EQ(SprawdzPostac(p, kodowanie, mintermy), std::nullopt) << p;
    }
}

// Densities where the cover search branches (cyclic cores of hundreds of rows).
INSTANTIATE_TEST_SUITE_P(losowe, najmniejszy_koszt_test,
                         ::testing::Values(Przypadek{9, 380, 3}, Przypadek{10, 512, 5},
                                           Przypadek{11, 820, 7}, Przypadek{12, 1230, 9}),
                         [](const auto& i) { return "n" + std::to_string(i.param.Zmienne); });

// Covering problems unlike the cores of functions: random rows, often over more than one
// 64-bit word of columns, costs 1 to 9. Small enough for the first covers to be cheapest mostly,
// but some two hundred of them, so the branching itself has to find the cheapest cover now and
// then, and the relaxation's rows at 1 are not always in it. The least cost against Cbc, then
// the cut-off search at that cost (none cheaper exists) and one above it (a cover of that cost
// is found).
TEST(najtansze_pokrycie_test, random_weighted_covers_match_the_independent_program) {
    for (unsigned ziarno = 1; ziarno <= 200; ++ziarno) {
        std::mt19937 los(ziarno);
        const int kolumny = 20 + static_cast<int>(los() % 110);
        const int n = 30 + static_cast<int>(los() % 60);
        const int slowa = (kolumny + 63) / 64;
        const double gestosc = 0.06 + 0.01 * (los() % 8);
        std::vector<std::uint64_t> wiersze(static_cast<std::size_t>(n * slowa), 0);
        std::vector<int> koszt;
        CoinPackedMatrix macierz(true, 0, 0);
        macierz.setDimensions(kolumny, 0);
        std::vector<double> kosztCbc;
        std::vector<int> ile(static_cast<std::size_t>(kolumny), 0);
        std::vector<std::vector<int>> kolumnyWiersza(static_cast<std::size_t>(n));
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < kolumny; ++c)
                if (std::uniform_real_distribution<>(0, 1)(los) < gestosc)
                    kolumnyWiersza[static_cast<std::size_t>(r)].push_back(c);
            koszt.push_back(1 + static_cast<int>(los() % 9));
        }
        // Every column in at least two rows, so a cover exists and no row is forced at once.
        for (int c = 0; c < kolumny; ++c)
            for (auto& kw : kolumnyWiersza)
                if (std::count(kw.begin(), kw.end(), c))
                    ++ile[static_cast<std::size_t>(c)];
        for (int c = 0; c < kolumny; ++c)
            for (int k = ile[static_cast<std::size_t>(c)]; k < 2; ++k) {
                auto& kw = kolumnyWiersza[los() % static_cast<unsigned>(n)];
                if (!std::count(kw.begin(), kw.end(), c))
                    kw.push_back(c);
            }
        for (int r = 0; r < n; ++r) {
            auto& kw = kolumnyWiersza[static_cast<std::size_t>(r)];
            std::sort(kw.begin(), kw.end());
            for (int c : kw)
                wiersze[static_cast<std::size_t>(r * slowa + c / 64)] |= std::uint64_t{1}
                                                                         << (c % 64);
            const std::vector<double> jedynki(kw.size(), 1.0);
            macierz.appendCol(static_cast<int>(kw.size()), kw.data(), jedynki.data());
            kosztCbc.push_back(koszt[static_cast<std::size_t>(r)]);
        }
        const int najmniej = NajmniejszyKosztCbc(macierz, kosztCbc);
        auto pokrywa = [&](const std::vector<int>& wybrane) {
            std::vector<char> pokryta(static_cast<std::size_t>(kolumny), 0);
            int suma = 0;
            for (int r : wybrane) {
                suma += koszt[static_cast<std::size_t>(r)];
                for (int c : kolumnyWiersza[static_cast<std::size_t>(r)])
                    pokryta[static_cast<std::size_t>(c)] = 1;
            }
            return std::count(pokryta.begin(), pokryta.end(), 0) == 0 ? suma : -1;
        };
        const std::function<bool()> nigdy;
        const NajtanszePokrycie p = ZnajdzNajtanszePokrycie(wiersze, kolumny, slowa, koszt, nigdy);
        EXPECT_TRUE(p.Dokladny) << "ziarno " << ziarno;
        EXPECT_EQ(p.Koszt, najmniej) << "ziarno " << ziarno;
        EXPECT_EQ(p.Granica, najmniej) << "ziarno " << ziarno;
        EXPECT_EQ(pokrywa(p.Wiersze), najmniej) << "ziarno " << ziarno;
        const NajtanszePokrycie brak =
            ZnajdzNajtanszePokrycie(wiersze, kolumny, slowa, koszt, nigdy, {}, najmniej);
        EXPECT_TRUE(brak.Dokladny && brak.Wiersze.empty()) << "ziarno " << ziarno;
        const NajtanszePokrycie jest =
            ZnajdzNajtanszePokrycie(wiersze, kolumny, slowa, koszt, nigdy, {}, najmniej + 1);
        EXPECT_EQ(pokrywa(jest.Wiersze), najmniej) << "ziarno " << ziarno;
    }
}

// A run stopped at the k-th poll of its cover search (k growing fourfold): the forms are the
// function, the cost never rises with k, the bound stays below the least cost, and a stopped run
// is called minimal only once the bound has met the cost.
TEST(najtansze_pokrycie_anytime_test, stopped_run_keeps_its_best_form) {
    struct Przerywajacy : testy::Zapis {
        long long k = 0, odpytania = 0;
        bool wSzukaniu = false;
        FlagaPrzerwania flaga;
        int koszt = 1 << 30, granica = 0;
        void Etap(const std::string& t) override {
            wSzukaniu = wSzukaniu || t == "Wybieranie postaci minimalnych";
        }
        void PrzetworzZdarzenia() override {
            if (wSzukaniu && ++odpytania > k)
                flaga.Ustaw();
        }
        void Oszacowanie(int kk, int g) override {
            EXPECT_LE(kk, koszt);
            EXPECT_GE(g, granica);
            EXPECT_LE(g, kk);
            koszt = kk;
            granica = g;
        }
    };
    const std::string f = Losowa(9, 320, 11);
    const auto mintermy = MintermyFunkcji(f, true, "ABCDEFGHI");
    const auto pelny = testy::Uruchom(f);
    ASSERT_TRUE(pelny.MinimalnaDowiedziona);
    int poprzedni = 1 << 30;
    bool bylaPostac = false;
    for (long long k = 1;; k *= 4) {
        Przerywajacy o;
        o.k = k;
        const auto w = Minimalizuj({f, true, "ABCDEFGHI"}, o, o.flaga);
        EXPECT_LE(w.DowiedzionaGranica, pelny.KosztPostaci);
        if (w.KosztPostaci > 0) {
            bylaPostac = true;
            EXPECT_LE(w.KosztPostaci, poprzedni) << "k=" << k;
            EXPECT_LE(w.DowiedzionaGranica, w.KosztPostaci);
            EXPECT_EQ(SprawdzPostac(w.PostacieMinimalne[0], "ABCDEFGHI", mintermy), std::nullopt);
            EXPECT_EQ(o.koszt, w.KosztPostaci);
            poprzedni = w.KosztPostaci;
        } else {
            EXPECT_FALSE(bylaPostac) << "k=" << k;
        }
        if (!w.Przerwano) {
            EXPECT_EQ(w.PostacieMinimalne, pelny.PostacieMinimalne);
            EXPECT_TRUE(w.MinimalnaDowiedziona);
            break;
        }
        EXPECT_EQ(w.MinimalnaDowiedziona,
                  w.KosztPostaci > 0 && w.KosztPostaci == w.DowiedzionaGranica);
    }
    EXPECT_TRUE(bylaPostac);
}

// What one search learnt about branching reaches the next through the rows' own numbers: a
// part taken for some rows holds their lessons (none for rows not met yet), and what the part
// learns goes back to those rows only.
TEST(zyski_galezi_test, part_for_some_rows_carries_their_lessons_both_ways) {
    ZyskiGalezi calosc;
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 2; ++k) {
            calosc.Suma.push_back(10 * r + k);
            calosc.Ile.push_back(r + k + 1);
        }
    calosc.SumaWszystkich[1] = 7;
    calosc.IleWszystkich[0] = 3;
    const std::vector<int> wiersze{3, 1, 6};
    ZyskiGalezi czesc = calosc.Wybierz(wiersze);
    EXPECT_EQ(czesc.Suma, (std::vector<double>{30, 31, 10, 11, 0, 0}));
    EXPECT_EQ(czesc.Ile, (std::vector<int>{4, 5, 2, 3, 0, 0}));
    EXPECT_EQ(czesc.SumaWszystkich[1], 7);
    EXPECT_EQ(czesc.IleWszystkich[0], 3);

    czesc.Suma = {1, 2, 3, 4, 5, 6};
    czesc.Ile = {9, 9, 9, 9, 8, 8};
    czesc.IleWszystkich[1] = 12;
    calosc.Przyjmij(czesc, wiersze);
    EXPECT_EQ(calosc.Suma, (std::vector<double>{0, 1, 3, 4, 20, 21, 1, 2, 0, 0, 0, 0, 5, 6}));
    EXPECT_EQ(calosc.Ile, (std::vector<int>{1, 2, 9, 9, 3, 4, 9, 9, 0, 0, 0, 0, 8, 8}));
    EXPECT_EQ(calosc.IleWszystkich[1], 12);
}

} // namespace

// The cheapest cover on functions too large for the literal rules: what a stop at any moment
// leaves (a cover no dearer than with less work, bounds that only rise and never pass the least
// cost), on a chart built here by the textbook's merging of pairs.
#include "qm/najtansze_pokrycie.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"
#include "uruchom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

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

// The prime implicants' chart of a set of minterms, found by merging pairs as in the
// textbook: rows are bit sets over the minterms, each row paying its letters + 1.
struct Tablica {
    std::vector<std::uint64_t> Wiersze;
    int Kolumny = 0, Slowa = 0;
    std::vector<int> Koszt;
    bool Ma(std::size_t r, int c) const {
        return Wiersze[r * static_cast<std::size_t>(Slowa) + static_cast<std::size_t>(c / 64)] >>
                   (c % 64) &
               1;
    }
    // The cost of the rows when they cover every column, else -1.
    int KosztPokrycia(const std::vector<int>& wiersze) const {
        int koszt = 0;
        std::vector<char> pokryta(static_cast<std::size_t>(Kolumny), 0);
        for (int r : wiersze) {
            koszt += Koszt[static_cast<std::size_t>(r)];
            for (int c = 0; c < Kolumny; ++c)
                pokryta[static_cast<std::size_t>(c)] |= Ma(static_cast<std::size_t>(r), c);
        }
        return std::count(pokryta.begin(), pokryta.end(), 0) ? -1 : koszt;
    }
};

Tablica Wykres(const std::vector<std::uint32_t>& mintermy, int n) {
    std::set<std::pair<std::uint32_t, std::uint32_t>> biezace, proste; // (value, free bits)
    for (std::uint32_t m : mintermy)
        biezace.insert({m, 0});
    while (!biezace.empty()) {
        std::set<std::pair<std::uint32_t, std::uint32_t>> dalej, uzyte;
        for (const auto& [v, d] : biezace)
            for (std::uint32_t bit = 1; bit < (1u << n); bit <<= 1)
                if (!(d & bit) && !(v & bit) && biezace.count({v | bit, d})) {
                    dalej.insert({v, d | bit});
                    uzyte.insert({v, d});
                    uzyte.insert({v | bit, d});
                }
        for (const auto& p : biezace)
            if (!uzyte.count(p))
                proste.insert(p);
        biezace = std::move(dalej);
    }
    Tablica t;
    t.Kolumny = static_cast<int>(mintermy.size());
    t.Slowa = (t.Kolumny + 63) / 64;
    for (const auto& [v, d] : proste) {
        std::vector<std::uint64_t> w(static_cast<std::size_t>(t.Slowa), 0);
        for (std::size_t c = 0; c < mintermy.size(); ++c)
            if ((mintermy[c] & ~d) == v)
                w[c / 64] |= std::uint64_t{1} << (c % 64);
        t.Wiersze.insert(t.Wiersze.end(), w.begin(), w.end());
        t.Koszt.push_back(n - __builtin_popcount(d) + 1);
    }
    return t;
}

// Stopped after k polls, for k doubling until the search ends on its own: each answer is a
// cover, the shown costs only fall and the bounds only rise, the bound never passes the cost or
// the least cost; once a cover is known, every later stop keeps one no dearer.
TEST(najtansze_pokrycie_anytime_test, more_work_never_gives_a_dearer_cover) {
    const std::string f = Losowa(9, 320, 11);
    const Tablica t = Wykres(MintermyFunkcji(f, true, "ABCDEFGHI"), 9);
    const auto pelne = ZnajdzNajtanszePokrycie(t.Wiersze, t.Kolumny, t.Slowa, t.Koszt, {});
    ASSERT_TRUE(pelne.Dokladny);
    int poprzedni = 0, zatrzymane = 0;
    for (long long k = 1;; k *= 2) {
        long long odpytania = 0;
        int koszt = 1 << 30, granica = 0;
        const auto w = ZnajdzNajtanszePokrycie(
            t.Wiersze, t.Kolumny, t.Slowa, t.Koszt, [&] { return ++odpytania > k; },
            [&](const std::vector<int>& wiersze, int kk, int g) {
                EXPECT_EQ(t.KosztPokrycia(wiersze), kk);
                EXPECT_LE(kk, koszt);
                EXPECT_GE(g, granica);
                koszt = kk;
                granica = g;
            });
        EXPECT_LE(w.Granica, pelne.Koszt);
        if (poprzedni > 0) {
            ASSERT_GT(w.Koszt, 0) << "k=" << k;
            EXPECT_LE(w.Koszt, poprzedni) << "k=" << k;
        }
        if (w.Koszt > 0) {
            EXPECT_EQ(t.KosztPokrycia(w.Wiersze), w.Koszt);
            EXPECT_LE(w.Granica, w.Koszt);
            poprzedni = w.Koszt;
        }
        if (!w.Przerwano) {
            EXPECT_EQ(w.Koszt, pelne.Koszt);
            EXPECT_EQ(w.Granica, pelne.Koszt);
            break;
        }
        ++zatrzymane;
    }
    EXPECT_GE(zatrzymane, 3); // the stops did land inside the search
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

} // namespace

// The cheapest cover on a function too large for the literal rules: what a stop at any moment
// leaves (a form no dearer than with less work, shown costs that only fall, bounds that only rise
// and never pass the least cost).
#include "qm/przebieg.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"
#include "uruchom.h"

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

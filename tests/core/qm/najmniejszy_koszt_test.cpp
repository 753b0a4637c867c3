// The least cost of functions of 9 to 12 variables against an independent answer: every prime
// implicant found by a ternary walk of the cube lattice written here, and the cover problem
// solved as a 0-1 program by COIN-OR's Cbc, a solver the engine does not use.
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

struct Przypadek {
    int Zmienne, Mintermy;
    unsigned Ziarno;
};

// The least cost (letters + groups) of a sum of products of the function `jest`.
int NajmniejszyKoszt(int n, const std::vector<char>& jest) {
    // Cube c in base 3, digit 2 a free variable: an implicant when both halves of its first
    // free variable are; prime when no fixed variable can be freed.
    int kostki = 1;
    for (int i = 0; i < n; ++i)
        kostki *= 3;
    std::vector<char> implikant(static_cast<std::size_t>(kostki));
    std::vector<int> potega(static_cast<std::size_t>(n) + 1, 1);
    for (int i = 1; i <= n; ++i)
        potega[static_cast<std::size_t>(i)] = potega[static_cast<std::size_t>(i) - 1] * 3;
    for (int c = 0; c < kostki; ++c) {
        int wolna = -1, minterm = 0;
        for (int i = 0; i < n; ++i) {
            const int cyfra = c / potega[static_cast<std::size_t>(i)] % 3;
            if (cyfra == 2 && wolna < 0)
                wolna = i;
            minterm |= (cyfra == 1) << i;
        }
        const auto p =
            static_cast<std::size_t>(potega[static_cast<std::size_t>(wolna < 0 ? 0 : wolna)]);
        implikant[static_cast<std::size_t>(c)] =
            wolna < 0 ? jest[static_cast<std::size_t>(minterm)]
                      : implikant[static_cast<std::size_t>(c) - 2 * p] &&
                            implikant[static_cast<std::size_t>(c) - p];
    }
    std::vector<int> kolumna(jest.size(), -1);
    int kolumny = 0;
    for (std::size_t m = 0; m < jest.size(); ++m)
        if (jest[m])
            kolumna[m] = kolumny++;
    CoinPackedMatrix macierz(true, 0, 0);
    macierz.setDimensions(kolumny, 0);
    std::vector<double> koszt;
    for (int c = 0; c < kostki; ++c) {
        if (!implikant[static_cast<std::size_t>(c)])
            continue;
        int litery = 0;
        bool pierwszy = true;
        for (int i = 0; i < n && pierwszy; ++i) {
            const int cyfra = c / potega[static_cast<std::size_t>(i)] % 3;
            litery += cyfra != 2;
            if (cyfra != 2)
                pierwszy = !implikant[static_cast<std::size_t>(
                    c + (2 - cyfra) * potega[static_cast<std::size_t>(i)])];
        }
        if (!pierwszy)
            continue;
        std::vector<int> wiersze;
        for (std::size_t m = 0; m < jest.size(); ++m) {
            bool w = jest[m];
            for (int i = 0; i < n && w; ++i) {
                const int cyfra = c / potega[static_cast<std::size_t>(i)] % 3;
                w = cyfra == 2 || cyfra == static_cast<int>(m >> i & 1);
            }
            if (w)
                wiersze.push_back(kolumna[m]);
        }
        macierz.appendCol(static_cast<int>(wiersze.size()), wiersze.data(),
                          std::vector<double>(wiersze.size(), 1.0).data());
        koszt.push_back(litery + 1);
    }
    const auto k = static_cast<int>(koszt.size());
    OsiClpSolverInterface lp;
    lp.loadProblem(macierz, std::vector<double>(static_cast<std::size_t>(k), 0.0).data(),
                   std::vector<double>(static_cast<std::size_t>(k), 1.0).data(), koszt.data(),
                   std::vector<double>(static_cast<std::size_t>(kolumny), 1.0).data(), nullptr);
    for (int j = 0; j < k; ++j)
        lp.setInteger(j);
    CbcModel model(lp);
    model.setLogLevel(0);
    model.messageHandler()->setLogLevel(0);
    model.branchAndBound();
    EXPECT_TRUE(model.isProvenOptimal());
    return static_cast<int>(std::lround(model.getObjValue()));
}

class najmniejszy_koszt_test : public ::testing::TestWithParam<Przypadek> {};

TEST_P(najmniejszy_koszt_test, run_proves_the_least_cost_of_the_independent_program) {
    const auto [n, ile, ziarno] = GetParam();
    std::mt19937 los(ziarno);
    std::vector<int> wszystkie(std::size_t{1} << n);
    for (std::size_t i = 0; i < wszystkie.size(); ++i)
        wszystkie[i] = static_cast<int>(i);
    std::shuffle(wszystkie.begin(), wszystkie.end(), los);
    wszystkie.resize(static_cast<std::size_t>(ile));
    std::sort(wszystkie.begin(), wszystkie.end());
    std::string f;
    std::vector<char> jest(std::size_t{1} << n, 0);
    for (int m : wszystkie) {
        f += (f.empty() ? "" : ",") + std::to_string(m);
        jest[static_cast<std::size_t>(m)] = 1;
    }
    const int najmniej = NajmniejszyKoszt(n, jest);
    const std::string kodowanie =
        std::string("ABCDEFGHIJKL").substr(0, static_cast<std::size_t>(n));
    const auto mintermy = MintermyFunkcji(f, true, kodowanie);
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

} // namespace

// The engine's random differential test: seeded random functions (letter and decimal, repeats
// included, all three letter orders, a lowered forms limit, stops at random points) must satisfy
// every property of wlasnosci.h, the literal rules included.
#include "wlasnosci.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vyn;

namespace {

struct Rodzaj {
    const char* Nazwa;
    bool Dziesietny;
    int MinLiter, MaxLiter;
    bool Powtorzenia;
    int Proby;
    bool WszystkieLitery = true; // false: a user order may name letters the function lacks
};

// `ile` numbers below 2^l, the largest always 2^l - 1 so that the ascending encoding has l
// letters; repeats allowed when `powtorzenia`.
std::string LosowaDziesietna(std::mt19937& los, int l, int ile, bool powtorzenia) {
    const std::uint32_t zakres = 1u << l;
    std::vector<char> jest(zakres, 0);
    std::string f = std::to_string(zakres - 1);
    jest[zakres - 1] = 1;
    for (int n = 1; n < ile;) {
        const std::uint32_t v = los() % zakres;
        if (jest[v] && !powtorzenia)
            continue;
        jest[v] = 1;
        // Inserted at the front or the back, so the largest number is not always first.
        f = los() % 2 ? f + "," + std::to_string(v) : std::to_string(v) + "," + f;
        ++n;
    }
    return f;
}

// Up to six groups of random letters among the first l, negated half the time; every letter
// occurs somewhere unless the kind says otherwise.
std::string LosowaLiterowa(std::mt19937& los, const Rodzaj& r, int l) {
    const unsigned gestosc = 30 + los() % 50; // percent
    std::string f;
    for (int g = 1 + static_cast<int>(los() % 6); g > 0; --g) {
        const int pierwsza = static_cast<int>(los() % static_cast<unsigned>(l));
        std::string grupa(1, static_cast<char>((los() % 2 ? 'a' : 'A') + pierwsza));
        for (int i = 0; i < l; ++i)
            if (los() % 100 < gestosc && i != pierwsza)
                grupa.push_back(static_cast<char>((los() % 2 ? 'a' : 'A') + i));
        std::shuffle(grupa.begin(), grupa.end(), los);
        f += (f.empty() ? "" : "+") + grupa;
    }
    for (int i = 0; i < l && r.WszystkieLitery; ++i)
        if (f.find(static_cast<char>('A' + i)) == std::string::npos &&
            f.find(static_cast<char>('a' + i)) == std::string::npos)
            f += "+" + std::string(1, static_cast<char>((los() % 2 ? 'A' : 'a') + i));
    return f;
}

std::string Kodowanie(std::mt19937& los, int l) {
    std::string k =
        std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ").substr(0, static_cast<std::size_t>(l));
    if (los() % 3 == 1)
        std::reverse(k.begin(), k.end());
    else if (los() % 2)
        std::shuffle(k.begin(), k.end(), los);
    return k;
}

class roznicowy_test : public ::testing::TestWithParam<Rodzaj> {};

} // namespace

TEST_P(roznicowy_test, runs_keep_every_property_and_equal_the_literal_rules) {
    const Rodzaj r = GetParam();
    std::mt19937 los(static_cast<unsigned>(r.MinLiter * 1000 + r.MaxLiter * 7 + r.Dziesietny));
    int przerwane = 0;
    for (int proba = 0; proba < r.Proby; ++proba) {
        const int l = r.MinLiter + static_cast<int>(los() % (r.MaxLiter - r.MinLiter + 1u));
        ZadanieMinimalizacji z;
        z.Kodowanie = Kodowanie(los, l);
        z.Funkcja = r.Dziesietny ? LosowaDziesietna(los, l, 1 + static_cast<int>(los() % (1u << l)),
                                                    r.Powtorzenia)
                                 : LosowaLiterowa(los, r, l);
        z.TrybDziesietny = r.Dziesietny;
        z.MaksPostaci = los() % 4 == 0 ? 1 + los() % 3 : MaksPostaci;
        z.ProgDokladnych = proba % 2 ? ProgDokladnegoCiecia : 0; // every branch settled exactly
        // Small functions poll a few times only: stop at one of the first polls.
        const int przerwijPo = los() % 6 == 0 ? static_cast<int>(los() % 6) : -1;
        SCOPED_TRACE(z.Funkcja + " over " + z.Kodowanie + ", forms kept " +
                     std::to_string(z.MaksPostaci) + ", stop at " + std::to_string(przerwijPo));
        FlagaPrzerwania flaga;
        wlasnosci::Obserwator o(flaga, przerwijPo);
        const auto w = Minimalizuj(z, o, flaga);
        ASSERT_EQ(wlasnosci::BladPrzebiegu(z, w, o, 8), "");
        przerwane += w.Przerwano;
    }
    EXPECT_GT(przerwane, 0);
}

INSTANTIATE_TEST_SUITE_P(
    losowe, roznicowy_test,
    ::testing::Values(Rodzaj{"litery_1_4", false, 1, 4, false, 400},
                      Rodzaj{"litery_5_6", false, 5, 6, false, 250},
                      Rodzaj{"litery_7", false, 7, 7, false, 60},
                      Rodzaj{"liczby_1_4", true, 1, 4, false, 400},
                      Rodzaj{"liczby_5", true, 5, 5, false, 200},
                      Rodzaj{"liczby_z_powtorzeniami", true, 2, 5, true, 300},
                      Rodzaj{"litery_z_nadmiarem", false, 2, 6, false, 200, false}),
    [](const ::testing::TestParamInfo<Rodzaj>& i) { return std::string(i.param.Nazwa); });

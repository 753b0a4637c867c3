// The engine's random differential test: seeded random functions (letter and decimal, repeats
// included, all three letter orders, a lowered forms limit, stops at random points) must satisfy
// every property of wlasnosci.h, the literal rules included, and each form must have the
// function's truth table by an evaluator of the test's own. Also: the search's cuts change
// nothing that is recorded.
#include "literalny.h"
#include "pomocnicze.h"
#include "qm/kanoniczna.h"
#include "qm/tablica_pomocnicza.h"
#include "qm/wybor_postaci.h"
#include "uruchom.h"
#include "wlasnosci.h"

#include <gtest/gtest.h>

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

std::string Kodowanie(std::mt19937& los, int l) {
    std::string k =
        std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ").substr(0, static_cast<std::size_t>(l));
    if (los() % 3 == 1)
        std::reverse(k.begin(), k.end());
    else if (los() % 2)
        std::shuffle(k.begin(), k.end(), los);
    return k;
}

std::string Funkcja(std::mt19937& los, const Rodzaj& r, int l) {
    if (r.Dziesietny)
        return testy::LosowaDziesietna(los, l, 1 + static_cast<int>(los() % (1u << l)),
                                       r.Powtorzenia);
    std::string f = testy::LosowaLiterowa(los, l, 1 + static_cast<int>(los() % 6),
                                          0.3 + 0.5 * (los() % 100) / 100.0);
    // Make sure every letter occurs, so the encoding has l letters.
    for (int i = 0; i < l && r.WszystkieLitery; ++i)
        if (f.find(static_cast<char>('A' + i)) == std::string::npos &&
            f.find(static_cast<char>('a' + i)) == std::string::npos)
            f += "+" + std::string(1, static_cast<char>(los() % 2 ? 'A' + i : 'a' + i));
    return f;
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
        z.Funkcja = Funkcja(los, r, l);
        z.TrybDziesietny = r.Dziesietny;
        z.MaksPostaci = los() % 4 == 0 ? 1 + los() % 3 : MaksPostaci;
        // Small functions poll a few times only: stop at one of the first polls.
        const int przerwijPo = los() % 6 == 0 ? static_cast<int>(los() % 6) : -1;
        SCOPED_TRACE(z.Funkcja + " over " + z.Kodowanie + ", forms kept " +
                     std::to_string(z.MaksPostaci) + ", stop at " + std::to_string(przerwijPo));

        FlagaPrzerwania flaga;
        wlasnosci::Obserwator o(flaga, przerwijPo);
        const auto w = Minimalizuj(z, o, flaga);
        ASSERT_EQ(wlasnosci::BladPrzebiegu(z, w, o, 8), "");
        przerwane += w.Przerwano;
        if (w.PostacieNiepelne)
            continue;
        const auto prawda = r.Dziesietny ? testy::TablicaPrawdyLiczb(z.Funkcja, l)
                                         : testy::TablicaPrawdyLiter(z.Funkcja, z.Kodowanie);
        for (const auto& p : w.PostacieMinimalne)
            ASSERT_EQ(testy::TablicaPrawdyLiter(p, z.Kodowanie), prawda) << "form " << p;
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

namespace {

// The table stage on its own, for functions too large for the literal search.
void ProsteIMintermy(const std::string& f, bool dziesietny, const std::string& k,
                     ListaProstych& proste, std::vector<std::uint32_t>& mintermy) {
    PostacKanoniczna p;
    ASSERT_FALSE(TworzKanoniczna(f, dziesietny, k, p));
    mintermy = p.Mintermy;
    TablicaSkladnikow a, b;
    a.Wartosci = p.Mintermy;
    a.Maski.assign(a.Wartosci.size(), 0);
    for (int n = 1; n <= static_cast<int>(k.size()); ++n) {
        std::string wiersz;
        ASSERT_EQ(TablicaPomocnicza(n, n % 2 ? a : b, n % 2 ? b : a, proste,
                                    static_cast<int>(k.size()), wiersz, {}),
                  ZakonczeniePrzejscia::Pelne);
    }
}

} // namespace

TEST(roznicowy_cuts_test, cutting_branches_changes_nothing_that_is_recorded) {
    std::mt19937 los(99);
    int zRdzeniem = 0;
    for (int proba = 0; proba < 80; ++proba) {
        const int l = 5 + static_cast<int>(los() % 2);
        const std::string k = std::string("ABCDEFG").substr(0, static_cast<std::size_t>(l));
        const std::string f = testy::LosowaDziesietna(
            los, l, static_cast<int>((1u << l) * (0.2 + 0.5 * (los() % 10) / 10.0)), false);
        SCOPED_TRACE(f);
        ListaProstych proste;
        std::vector<std::uint32_t> mintermy;
        ProsteIMintermy(f, true, k, proste, mintermy);
        testy::Zapis z1, z2;
        FlagaPrzerwania flaga;
        const auto z = WybierzPostacieMinimalne(proste.Wartosci, proste.Maski, mintermy, k, z1,
                                                flaga, true, 200);
        const auto bez = WybierzPostacieMinimalne(proste.Wartosci, proste.Maski, mintermy, k, z2,
                                                  flaga, false, 200);
        EXPECT_EQ(z.PostacieMinimalne, bez.PostacieMinimalne);
        EXPECT_EQ(z.NajlepszaDlugosc, bez.NajlepszaDlugosc);
        EXPECT_EQ(z.Obcieto, bez.Obcieto);
        // The same labels at the end (the cut search finds the least cost first, so it
        // reports fewer covers on the way).
        auto ostatnia = [](const std::vector<std::string>& etykiety) {
            for (auto it = etykiety.rbegin(); it != etykiety.rend(); ++it)
                if (!it->empty())
                    return *it;
            return std::string();
        };
        for (int nr : {2, 3, 4})
            EXPECT_EQ(ostatnia(z1.Etykiety[nr]), ostatnia(z2.Etykiety[nr])) << nr;
        if (z.NajlepszaDlugosc)
            ++zRdzeniem;
    }
    EXPECT_GT(zRdzeniem, 40);
}

// The run driver: stage order, gauge values, stage texts, details rows and refusals (what a stop
// leaves is checked by the differential and the stop-latency tests).
#include "qm/przebieg.h"
#include "text/funkcja.h"
#include "uruchom.h"

#include <gtest/gtest.h>

using namespace vyn;
using testy::Zapis;

namespace {

// Records a run, and how often the don't-care panes are told their texts.
struct Przebieg : Zapis {
    int Obojetne = 0;
    void ObojetneGotowe(const std::string&, const std::string&) override { ++Obojetne; }
    WynikMinimalizacji Uruchom(const std::string& f, bool dziesietny, const std::string& k) {
        FlagaPrzerwania flaga;
        return Minimalizuj({f, dziesietny, k}, *this, flaga);
    }
};

} // namespace

// The gauge's rule (also checked by the differential test up to 7 letters): from 20, one step
// per table above 4 letters, with halves of 70 / L rounded to even.
TEST(przebieg_test, seven_letters_step_the_gauge_per_table) {
    Przebieg z;
    z.Uruchom("ABCDEFG+abcdefg", false, "ABCDEFG");
    EXPECT_EQ(z.Wskaznik, (std::vector<int>{20, 30, 40, 50, 60, 70, 80, 90, 100}));
    ASSERT_EQ(z.Etapy.size(), 9u);
    EXPECT_EQ(z.Etapy[0], EtapKanoniczna);
    EXPECT_EQ(z.Etapy[1], "Znajdowanie prostych implikantów, tablica pomocnicza nr 1");
    EXPECT_EQ(z.Etapy[7], "Znajdowanie prostych implikantów, tablica pomocnicza nr 7");
    EXPECT_EQ(z.Etapy[8], EtapMinimalna);
    EXPECT_EQ(z.Szczegoly.size(), 7u); // one row per table, empty ones included
    EXPECT_EQ(z.Szczegoly.back(), "7 0 0");
    EXPECT_EQ(z.Obojetne, 0); // the don't-care panes are told only when there are some
    Przebieg d;
    d.Uruchom("1,2;3", true, "AB");
    EXPECT_EQ(d.Obojetne, 1);
    EXPECT_EQ(KrokWskaznika(5), 14);
    EXPECT_EQ(KrokWskaznika(11), 6); // ends at 86
    EXPECT_EQ(KrokWskaznika(20), 4); // 3.5 rounds to 4: ends at 100
    EXPECT_EQ(KrokWskaznika(26), 3); // ends at 98
    EXPECT_EQ(KrokWskaznika(28), 2); // 2.5 rounds to 2
}

TEST(przebieg_test, bad_input_is_refused_before_any_stage) {
    const std::tuple<const char*, bool, const char*, const char*> przypadki[] = {
        {"AB+C", false, "AB", "Litera C nie występuje w kodowaniu AB"},
        {"", false, "", ""},
        {"9", true, "AB",
         "Liczba 9 wymaga więcej liter niż ma kodowanie AB (największa możliwa to 3)"},
        {"1,x2", true, "AB", "'x2' is not a valid integer value"},
    };
    for (const auto& [f, dziesietny, k, komunikat] : przypadki) {
        Przebieg z;
        const auto w = z.Uruchom(f, dziesietny, k);
        EXPECT_EQ(w.Stan, *f ? StanPrzebiegu::Odrzucony : StanPrzebiegu::Pusty) << f;
        EXPECT_EQ(w.Komunikat, komunikat);
        EXPECT_TRUE(w.PostacieMinimalne.empty());
        EXPECT_TRUE(z.Wskaznik.empty()) << "no stage may start for " << f;
    }
}

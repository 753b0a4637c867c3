// The run driver: stage order, gauge values, stage texts, details rows, refusals and what an
// abort at each stage leaves.
#include "funkcje_graniczne.h"
#include "qm/przebieg.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"
#include "uruchom.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vyn;
using testy::Zapis;

namespace {

// Raises the abort flag at the first event point where `Kiedy` says so.
struct Przerywajacy : Zapis {
    FlagaPrzerwania Flaga;
    std::function<bool(const Przerywajacy&)> Kiedy = [](auto&) { return false; };
    int Zdarzenia = 0, Obojetne = 0;
    void ObojetneGotowe(const std::string&, const std::string&) override { ++Obojetne; }
    void PrzetworzZdarzenia() override {
        ++Zdarzenia;
        if (Kiedy(*this))
            Flaga.Ustaw();
    }
    WynikMinimalizacji Uruchom(const std::string& f, bool dziesietny, const std::string& k) {
        return Minimalizuj({f, dziesietny, k}, *this, Flaga);
    }
};

} // namespace

// The gauge's rule (also checked by the differential test up to 7 letters): from 20, one step
// per table above 4 letters, with halves of 70 / L rounded to even.
TEST(przebieg_test, seven_letters_step_the_gauge_per_table) {
    Przerywajacy z;
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
    Przerywajacy d;
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
        Przerywajacy z;
        const auto w = z.Uruchom(f, dziesietny, k);
        EXPECT_EQ(w.Stan, *f ? StanPrzebiegu::Odrzucony : StanPrzebiegu::Pusty) << f;
        EXPECT_EQ(w.Komunikat, komunikat);
        EXPECT_TRUE(w.PostacieMinimalne.empty());
        EXPECT_TRUE(z.Wskaznik.empty()) << "no stage may start for " << f;
    }
}

TEST(przebieg_test, abort_in_a_table_keeps_earlier_primes_and_ends) {
    // Stop in the third pass of a 10-letter function: two rows, primes of two passes; the
    // search over them must end although some minterms are covered by no collected prime.
    std::string f;
    for (int m = 0; m < 1024; ++m)
        if ((m * 2654435761u >> 7) % 3)
            f += (f.empty() ? "" : ",") + std::to_string(m);
    Przerywajacy z;
    z.Kiedy = [](const Przerywajacy& p) { return p.Szczegoly.size() == 2 && p.Zdarzenia > 0; };
    const auto w = z.Uruchom(f, true, "ABCDEFGHIJ");
    EXPECT_TRUE(w.Przerwano);
    EXPECT_EQ(w.Szczegoly.size(), 2u);
    EXPECT_EQ(w.Stan, StanPrzebiegu::Zakonczony);
    ASSERT_EQ(w.IloscMinimalnych(), 1);
    // Only primes from tables 1 and 2: terms with at most one of the ten letters eliminated.
    ASSERT_NE(w.ProsteImplikanty, "");
    for (std::size_t od = 0, koniec; od <= w.ProsteImplikanty.size(); od = koniec + 1) {
        koniec = std::min(w.ProsteImplikanty.find(',', od), w.ProsteImplikanty.size());
        EXPECT_GE(koniec - od, 9u) << w.ProsteImplikanty.substr(od, koniec - od);
    }
}

TEST(przebieg_test, abort_in_the_search_keeps_the_forms_found) {
    // A function with many equal covers: stop as soon as the first one is recorded.
    const std::string f = granice::Suma(granice::Czterdziesci, granice::Czterdziesci);
    Przerywajacy z;
    z.Kiedy = [](const Przerywajacy& p) { return !p.Etykiety[4].empty(); };
    const auto w = z.Uruchom(f, true, "ABCDEFGHIJ");
    EXPECT_TRUE(w.Przerwano);
    ASSERT_EQ(w.IloscMinimalnych(), 1);
    EXPECT_FALSE(
        SprawdzPostac(w.PostacieMinimalne[0], w.Kodowanie, MintermyFunkcji(f, true, w.Kodowanie)));
    EXPECT_FALSE(w.PostacieNiepelne);
    EXPECT_EQ(z.Wskaznik.back(), 100);
}

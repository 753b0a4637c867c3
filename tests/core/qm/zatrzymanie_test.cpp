// A stop that stops: on large functions every stage polls within a budget of counted work, and
// a stop raised at any poll ends the run with a sound result. Work is counted, not timed: the
// observer adds up the units the stages report before each poll, and the totals are checked
// against the least work each stage must do, worked out here from the function itself.
#include "qm/kanoniczna.h"
#include "qm/kodowanie.h"
#include "qm/odpytywanie.h"
#include "qm/porzadek_wierszy.h"
#include "qm/przebieg.h"
#include "qm/slowo.h"
#include "qm/tablica_pokryc.h"
#include "qm/tablica_pomocnicza.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace vyn;

namespace {

constexpr std::size_t Luz = 2 * BudzetOdpytania; // a budget plus the largest single count

enum Stadium { Kanoniczny, Tablice, Wybor, IleStadiow };

// Counts the work reported between polls, per stage; raises the flag at poll `Przy` (from 1)
// and at every poll after it, as the window and vyn-cli do, and optionally as soon as the
// minimal-form stage begins (then no search runs).
struct Licznik : ObserwatorPrzebiegu {
    FlagaPrzerwania Flaga;
    std::size_t Przy = 0;
    bool PrzedWyborem = false;
    Stadium Biezacy = Kanoniczny;
    std::size_t Odpytania = 0, PracaPoZatrzymaniu = 0, OdpytaniaPrzedZatrzymaniem = 0;
    bool Zatrzymano = false;
    std::size_t Najwiecej[IleStadiow] = {}, Razem[IleStadiow] = {}, Polls[IleStadiow] = {};

    void Etap(const std::string& t) override {
        Biezacy = t == EtapKanoniczna ? Kanoniczny : t.rfind(EtapTablica, 0) == 0 ? Tablice : Wybor;
        if (Biezacy == Wybor && PrzedWyborem)
            Zatrzymaj();
    }
    void Odpytanie(std::size_t praca) override {
        Najwiecej[Biezacy] = std::max(Najwiecej[Biezacy], praca);
        Razem[Biezacy] += praca;
        ++Polls[Biezacy];
        if (Zatrzymano)
            PracaPoZatrzymaniu += praca;
    }
    void PrzetworzZdarzenia() override {
        if (++Odpytania == Przy || Zatrzymano)
            Zatrzymaj();
    }
    void Zatrzymaj() {
        if (!Zatrzymano)
            OdpytaniaPrzedZatrzymaniem = Odpytania;
        Zatrzymano = true;
        Flaga.Ustaw();
    }
};

// `ile` distinct numbers below 2^bity, spread by a bijective mix of 0, 1, 2, ...
std::string Losowe(int bity, std::size_t ile, std::uint32_t ziarno) {
    const std::uint32_t maska = (1u << bity) - 1;
    std::string f;
    for (std::uint32_t i = 0; i < ile; ++i) {
        std::uint32_t x = (i * 0x9E3779B1u + ziarno) & maska;
        x ^= x >> (bity / 2);
        x = (x * 0x85EBCA6Bu) & maska;
        f += (i ? "," : "") + std::to_string(x);
    }
    return f;
}

// The same 11-free-letter group again and again, then one term naming all 26 letters: a huge
// expansion of few distinct minterms.
std::string DlugieRozwiniecie(int powtorzenia) {
    std::string f;
    for (int i = 0; i < powtorzenia; ++i)
        f += "ABCDEFGHIJKLMNO+";
    return f + "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
}

struct Przypadek {
    const char* Nazwa;
    std::string Funkcja;
    bool Dziesietny;
    std::size_t Rozwiniecie; // terms the canonical stage must at least expand or read
};

std::vector<Przypadek> Przypadki() {
    return {
        {"n26_100000", Losowe(26, 100000, 12345), true, 100000},
        {"n14_8000", Losowe(14, 8000, 777), true, 8000},
        {"litery_4000x2048", DlugieRozwiniecie(4000), false, 4000u * 2048u},
    };
}

// A run of the case with the ascending encoding; `o` stops it as set.
WynikMinimalizacji Uruchom(const Przypadek& p, Licznik& o) {
    const auto k = UstalKodowanie(TrybKodowania::Rosnaco, p.Funkcja, p.Dziesietny, "");
    return Minimalizuj({p.Funkcja, p.Dziesietny, k.Kodowanie}, o, o.Flaga);
}

std::size_t SumaTablic(const WynikMinimalizacji& w) {
    std::size_t suma = 0;
    for (const std::string& wiersz : w.Szczegoly)
        suma += std::stoul(wiersz.substr(wiersz.find(' ') + 1));
    return suma;
}

class Zatrzymanie : public ::testing::TestWithParam<Przypadek> {};

TEST_P(Zatrzymanie, every_stage_polls_within_its_budget_and_a_stop_at_any_poll_ends_the_run) {
    const Przypadek& p = GetParam();
    // Up to the minimal-form stage, unstopped.
    Licznik o;
    o.PrzedWyborem = true;
    const auto pelny = Uruchom(p, o);
    ASSERT_FALSE(pelny.KanonicznaLiterowa.empty());
    ASSERT_EQ(pelny.Szczegoly.size(), pelny.Kodowanie.size());
    for (int e : {Kanoniczny, Tablice})
        EXPECT_LE(o.Najwiecej[e], Luz) << "stage " << e;
    // Each term expanded or read counts once at least, each table term once per pass.
    EXPECT_GE(o.Razem[Kanoniczny], p.Rozwiniecie);
    EXPECT_GE(o.Razem[Tablice], SumaTablic(pelny));
    EXPECT_GE(o.Polls[Kanoniczny], p.Rozwiniecie / Luz);
    const std::size_t polls = o.OdpytaniaPrzedZatrzymaniem;
    ASSERT_GT(polls, 2u);

    const auto mintermy = MintermyFunkcji(p.Funkcja, p.Dziesietny, pelny.Kodowanie);
    for (std::size_t przy : {std::size_t{1}, std::size_t{2}, polls / 3, 2 * polls / 3, polls}) {
        Licznik r;
        r.Przy = przy;
        r.PrzedWyborem = true;
        const auto w = Uruchom(p, r);
        SCOPED_TRACE("stop at poll " + std::to_string(przy) + " of " + std::to_string(polls));
        EXPECT_TRUE(w.Przerwano);
        EXPECT_EQ(w.Stan, StanPrzebiegu::Zakonczony);
        // Ends at the poll that saw the flag: at most the work left before the next one.
        EXPECT_LE(r.PracaPoZatrzymaniu, Luz);
        // A canonical form is the whole one or none.
        if (!w.KanonicznaLiterowa.empty()) {
            EXPECT_EQ(w.KanonicznaLiterowa, pelny.KanonicznaLiterowa);
            EXPECT_EQ(w.KanonicznaDziesietna, pelny.KanonicznaDziesietna);
        } else {
            EXPECT_TRUE(w.KanonicznaDziesietna.empty());
            EXPECT_TRUE(w.Szczegoly.empty());
            EXPECT_TRUE(w.PostacieMinimalne.empty());
            EXPECT_TRUE(w.PostacieNiepelne); // shown as stopped before any form
        }
        // Forms are the function unless flagged as not.
        if (!w.PostacieNiepelne) {
            for (const std::string& postac : w.PostacieMinimalne)
                EXPECT_FALSE(SprawdzPostac(postac, w.Kodowanie, mintermy));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, Zatrzymanie, ::testing::ValuesIn(Przypadki()),
                         [](const auto& info) { return std::string(info.param.Nazwa); });

// Three to six ones of nine letters: 1680 primes of eight columns each, whose ordering is
// mostly the third sort.
std::string Symetryczna9() {
    std::string f;
    for (int m = 0; m < 512; ++m)
        if (const int j = __builtin_popcount(static_cast<unsigned>(m)); j >= 3 && j <= 6)
            f += (f.empty() ? "" : ",") + std::to_string(m);
    return f;
}

// The chart, the essential rows and the ordering on functions whose cyclic cores are large.
TEST(zatrzymanie_test, chart_and_ordering_poll_within_their_budget_and_stop_at_any_poll) {
    for (const auto& przypadek :
         {std::pair{Losowe(13, 3000, 777), 13}, std::pair{Symetryczna9(), 9}}) {
        const std::string& f = przypadek.first;
        const int l = przypadek.second;
        const std::string k = std::string("ABCDEFGHIJKLM").substr(0, static_cast<std::size_t>(l));
        SCOPED_TRACE(l);
        PostacKanoniczna kanoniczna;
        ASSERT_FALSE(TworzKanoniczna(f, true, k, kanoniczna));
        TablicaSkladnikow a, b;
        a.Wartosci = kanoniczna.Mintermy;
        a.Maski.assign(a.Wartosci.size(), 0);
        ListaProstych proste;
        for (int n = 1; n <= l; ++n) {
            std::string wiersz;
            ASSERT_EQ(
                TablicaPomocnicza(n, n % 2 ? a : b, n % 2 ? b : a, proste, l, wiersz, nullptr),
                ZakonczeniePrzejscia::Pelne);
        }
        std::size_t wpisy = 0; // chart entries: every minterm of every prime
        for (std::uint32_t m : proste.Maski)
            wpisy += std::size_t{1} << Jedynki(m);

        auto istotne = [&](Licznik& o, WynikIstotnych& w) {
            Odpytywanie odp(o, o.Flaga);
            EXPECT_FALSE(
                UsunIstotne(proste.Wartosci, proste.Maski, kanoniczna.Mintermy, k, w, &odp));
            return w.Przerwano ? std::nullopt : UporzadkujWiersze(w.Rdzen, l, odp);
        };
        Licznik pelny;
        WynikIstotnych w;
        ASSERT_TRUE(istotne(pelny, w));
        ASSERT_GT(w.Rdzen.IloscWierszy(), 1000) << "a core large enough for several polls";
        EXPECT_LE(pelny.Najwiecej[Kanoniczny], Luz);
        // The sorts take every core row in turn, twice.
        const auto n = static_cast<std::size_t>(w.Rdzen.IloscWierszy());
        EXPECT_GE(pelny.Razem[Kanoniczny], wpisy + 2 * n);
        ASSERT_GT(pelny.Odpytania, 5u);

        for (std::size_t przy : {std::size_t{1}, pelny.Odpytania / 2, pelny.Odpytania}) {
            Licznik o;
            o.Przy = przy;
            WynikIstotnych z;
            EXPECT_FALSE(istotne(o, z)) << "stop at poll " << przy;
            EXPECT_EQ(o.PracaPoZatrzymaniu, 0u) << "stop at poll " << przy;
        }
    }
}

} // namespace

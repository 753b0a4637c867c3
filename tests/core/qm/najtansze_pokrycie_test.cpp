// The cheapest cover: its least cost against a plain exhaustive search written here, the
// bound it proves, and what a stop at any moment leaves (the best cover so far, never dearer
// with more work).
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

using Bity = std::vector<std::uint64_t>;

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
};

Tablica Wykres(const std::vector<std::uint32_t>& mintermy, int n) {
    std::set<std::pair<std::uint32_t, std::uint32_t>> biezace, proste; // (value, free bits)
    for (std::uint32_t m : mintermy)
        biezace.insert({m, 0});
    while (!biezace.empty()) {
        std::set<std::pair<std::uint32_t, std::uint32_t>> dalej, uzyte;
        for (const auto& [v, d] : biezace)
            for (int b = 0; b < n; ++b) {
                const std::uint32_t bit = 1u << b;
                if ((d & bit) || (v & bit) || !biezace.count({v | bit, d}))
                    continue;
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
        Bity w(static_cast<std::size_t>(t.Slowa), 0);
        for (std::size_t c = 0; c < mintermy.size(); ++c)
            if ((mintermy[c] & ~d) == v)
                w[c / 64] |= std::uint64_t{1} << (c % 64);
        t.Wiersze.insert(t.Wiersze.end(), w.begin(), w.end());
        t.Koszt.push_back(n - __builtin_popcount(d) + 1);
    }
    return t;
}

// The least cost by plain branch and bound: the uncovered column with the fewest usable rows,
// each of its rows in turn (tried rows left out of the later branches), cut by the cheapest
// rows of columns that share no usable row.
class Wyczerpujaco {
  public:
    explicit Wyczerpujaco(const Tablica& t) : t_(t) {}
    int Najmniej() {
        Bity wolne(static_cast<std::size_t>(t_.Slowa), 0);
        for (int c = 0; c < t_.Kolumny; ++c)
            wolne[static_cast<std::size_t>(c / 64)] |= std::uint64_t{1} << (c % 64);
        Szukaj(wolne, std::vector<char>(t_.Koszt.size(), 1), 0);
        return najlepszy_;
    }

  private:
    bool Ma(int r, int c) const {
        return t_.Wiersze[static_cast<std::size_t>(r * t_.Slowa + c / 64)] >> (c % 64) & 1;
    }
    void Szukaj(const Bity& wolne, std::vector<char> dostepne, int koszt) {
        int kolumna = -1, najmniej = 1 << 30, granica = 0;
        std::vector<char> uzyte(dostepne.size(), 0);
        for (int c = 0; c < t_.Kolumny; ++c) {
            if (!(wolne[static_cast<std::size_t>(c / 64)] >> (c % 64) & 1))
                continue;
            int ile = 0, tanio = 1 << 30;
            bool wspolny = false;
            for (std::size_t r = 0; r < dostepne.size(); ++r)
                if (dostepne[r] && Ma(static_cast<int>(r), c)) {
                    ++ile;
                    tanio = std::min(tanio, t_.Koszt[r]);
                    wspolny = wspolny || uzyte[r];
                }
            if (ile == 0)
                return;
            if (!wspolny) {
                granica += tanio;
                for (std::size_t r = 0; r < dostepne.size(); ++r)
                    uzyte[r] = uzyte[r] || (dostepne[r] && Ma(static_cast<int>(r), c));
            }
            if (ile < najmniej) {
                najmniej = ile;
                kolumna = c;
            }
        }
        if (kolumna < 0) {
            najlepszy_ = std::min(najlepszy_, koszt);
            return;
        }
        if (koszt + granica >= najlepszy_)
            return;
        for (std::size_t r = 0; r < dostepne.size(); ++r) {
            if (!dostepne[r] || !Ma(static_cast<int>(r), kolumna))
                continue;
            Bity dalej = wolne;
            for (int s = 0; s < t_.Slowa; ++s)
                dalej[static_cast<std::size_t>(s)] &=
                    ~t_.Wiersze[r * static_cast<std::size_t>(t_.Slowa) +
                                static_cast<std::size_t>(s)];
            dostepne[r] = 0;
            Szukaj(dalej, dostepne, koszt + t_.Koszt[r]);
        }
    }
    const Tablica& t_;
    int najlepszy_ = 1 << 30;
};

// Whether the rows cover every column, and what they cost.
bool Pokrywa(const Tablica& t, const std::vector<int>& wiersze) {
    Bity suma(static_cast<std::size_t>(t.Slowa), 0);
    for (int r : wiersze)
        for (int s = 0; s < t.Slowa; ++s)
            suma[static_cast<std::size_t>(s)] |=
                t.Wiersze[static_cast<std::size_t>(r * t.Slowa + s)];
    for (int c = 0; c < t.Kolumny; ++c)
        if (!(suma[static_cast<std::size_t>(c / 64)] >> (c % 64) & 1))
            return false;
    return true;
}
int Koszt(const Tablica& t, const std::vector<int>& wiersze) {
    int k = 0;
    for (int r : wiersze)
        k += t.Koszt[static_cast<std::size_t>(r)];
    return k;
}

struct Przypadek {
    int Zmienne, Mintermy;
    unsigned Ziarno;
};

class najtansze_pokrycie_test : public ::testing::TestWithParam<Przypadek> {};

// Functions of 9 to 12 variables with cores small enough for the plain search: the run's
// least cost, every form's cost, and the bounds agree with it.
TEST_P(najtansze_pokrycie_test, least_cost_matches_the_plain_search) {
    const auto [n, ile, ziarno] = GetParam();
    const std::string f = Losowa(n, ile, ziarno);
    const std::string kodowanie =
        std::string("ABCDEFGHIJKL").substr(0, static_cast<std::size_t>(n));
    const auto mintermy = MintermyFunkcji(f, true, kodowanie);
    const Tablica t = Wykres(mintermy, n);
    const int najmniej = Wyczerpujaco(t).Najmniej();

    const auto sam = ZnajdzNajtanszePokrycie(t.Wiersze, t.Kolumny, t.Slowa, t.Koszt, {});
    EXPECT_TRUE(sam.Dokladny);
    EXPECT_EQ(sam.Koszt, najmniej);
    EXPECT_EQ(sam.Granica, najmniej);
    EXPECT_TRUE(Pokrywa(t, sam.Wiersze));
    EXPECT_EQ(Koszt(t, sam.Wiersze), najmniej);

    testy::Zapis z;
    FlagaPrzerwania flaga;
    const auto w = Minimalizuj({f, true, kodowanie}, z, flaga);
    EXPECT_EQ(w.KosztPostaci, najmniej);
    EXPECT_EQ(w.DowiedzionaGranica, najmniej);
    EXPECT_TRUE(w.MinimalnaDowiedziona);
    ASSERT_GT(w.IloscMinimalnych(), 0);
    for (std::size_t k = 0; k < w.PostacieMinimalne.size(); ++k) {
        const std::string p = w.PostacieMinimalne[k];
        EXPECT_EQ(IloscZnakow(p) + PoliczGrupy(p), najmniej) << p;
        EXPECT_EQ(SprawdzPostac(p, kodowanie, mintermy), std::nullopt) << p;
    }
}

INSTANTIATE_TEST_SUITE_P(losowe, najtansze_pokrycie_test,
                         ::testing::Values(Przypadek{9, 120, 2}, Przypadek{10, 160, 4},
                                           Przypadek{11, 200, 6}, Przypadek{11, 300, 6},
                                           Przypadek{12, 300, 8}, Przypadek{12, 400, 8}));

// Stopped after k polls, for k doubling until the search ends on its own: each answer is a
// cover, the best cost never rises with k, and the bound never passes the cost or the least
// cost; once a cover is known, every later stop keeps one.
TEST(najtansze_pokrycie_anytime_test, more_work_never_gives_a_dearer_cover) {
    const int n = 9;
    const std::string f = Losowa(n, 320, 11);
    const auto mintermy = MintermyFunkcji(f, true, "ABCDEFGHI");
    const Tablica t = Wykres(mintermy, n);
    const auto pelne = ZnajdzNajtanszePokrycie(t.Wiersze, t.Kolumny, t.Slowa, t.Koszt, {});
    ASSERT_TRUE(pelne.Dokladny);
    int poprzedni = 0, zatrzymane = 0;
    for (long long k = 1;; k *= 2) {
        long long odpytania = 0;
        std::vector<std::pair<int, int>> postep;
        const auto w = ZnajdzNajtanszePokrycie(
            t.Wiersze, t.Kolumny, t.Slowa, t.Koszt, [&] { return ++odpytania > k; },
            [&](const std::vector<int>& wiersze, int koszt, int granica) {
                EXPECT_TRUE(Pokrywa(t, wiersze));
                EXPECT_EQ(Koszt(t, wiersze), koszt);
                postep.emplace_back(koszt, granica);
            });
        for (std::size_t i = 1; i < postep.size(); ++i) {
            EXPECT_LE(postep[i].first, postep[i - 1].first);
            EXPECT_GE(postep[i].second, postep[i - 1].second);
        }
        EXPECT_LE(w.Granica, pelne.Koszt);
        if (poprzedni > 0) {
            ASSERT_GT(w.Koszt, 0) << "k=" << k;
            EXPECT_LE(w.Koszt, poprzedni) << "k=" << k;
        }
        if (w.Koszt > 0) {
            EXPECT_TRUE(Pokrywa(t, w.Wiersze));
            EXPECT_EQ(Koszt(t, w.Wiersze), w.Koszt);
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
// function, the cost never rises with k, the bound stays below the least cost, and a stopped run is
// not called minimal.
TEST(najtansze_pokrycie_anytime_test, stopped_run_keeps_its_best_form) {
    struct Przerywajacy : testy::Zapis {
        long long k = 0, odpytania = 0;
        bool wSzukaniu = false;
        FlagaPrzerwania* flaga = nullptr;
        int koszt = 1 << 30, granica = 0;
        void Etap(const std::string& t) override {
            wSzukaniu = wSzukaniu || t == "Wybieranie postaci minimalnych";
        }
        void PrzetworzZdarzenia() override {
            if (wSzukaniu && ++odpytania > k)
                flaga->Ustaw();
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
        FlagaPrzerwania flaga;
        o.k = k;
        o.flaga = &flaga;
        const auto w = Minimalizuj({f, true, "ABCDEFGHI"}, o, flaga);
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
        // A stop leaves the forms proved minimal only once the bound has met their cost.
        EXPECT_EQ(w.MinimalnaDowiedziona,
                  w.KosztPostaci > 0 && w.KosztPostaci == w.DowiedzionaGranica);
    }
    EXPECT_TRUE(bylaPostac);
}

} // namespace

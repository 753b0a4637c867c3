// The feasibility pump on symmetric functions, whose relaxations are degenerate: every point
// of the relaxation's value spreads over many primes alike, so rounding it gives nothing near
// the least cost, while the pump reaches the least cost itself.
#include "qm/pokrycie_lp.h"
#include "qm/pompa_pokrycia.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

using namespace vyn;

namespace {

// The cover problem of the function of n variables true when from `od` to `do_` of them are
// (0 < od, do_ < n): its primes fix `od` variables true and n - `do_` others false.
struct Symetryczna {
    int kolumny = 0, slowa = 0;
    std::vector<std::uint64_t> wiersze;
    std::vector<int> koszt;

    Symetryczna(int n, int od, int do_) {
        std::vector<int> kolumna(std::size_t{1} << n, -1);
        for (std::size_t m = 0; m < kolumna.size(); ++m)
            if (const int k = std::popcount(m); k >= od && k <= do_)
                kolumna[m] = kolumny++;
        slowa = (kolumny + 63) / 64;
        for (unsigned p = 0; p < 1u << n; ++p) {
            if (std::popcount(p) != od)
                continue;
            const unsigned reszta = ((1u << n) - 1) & ~p;
            for (unsigned q = reszta;; q = (q - 1) & reszta) {
                if (std::popcount(q) != n - do_) {
                    if (!q)
                        break;
                    continue;
                }
                std::vector<std::uint64_t> w(static_cast<std::size_t>(slowa), 0);
                for (unsigned m = 0; m < 1u << n; ++m)
                    if ((m & p) == p && !(m & q)) {
                        const int c = kolumna[m];
                        w[static_cast<std::size_t>(c / 64)] |= std::uint64_t{1} << (c % 64);
                    }
                wiersze.insert(wiersze.end(), w.begin(), w.end());
                koszt.push_back(od + n - do_ + 1);
                if (!q)
                    break;
            }
        }
    }
    int Wiersze() const { return static_cast<int>(koszt.size()); }
    bool Ma(int r, int c) const {
        return wiersze[static_cast<std::size_t>(r) * slowa + c / 64] >> (c % 64) & 1;
    }
    // The rows at 1 completed by, for each column still open, the first row through it; the
    // cost when that covers every column.
    int Dopelnij(std::vector<char> z) const {
        for (int c = 0; c < kolumny; ++c) {
            bool pokryta = false;
            for (int r = 0; r < Wiersze() && !pokryta; ++r)
                pokryta = z[static_cast<std::size_t>(r)] && Ma(r, c);
            for (int r = 0; r < Wiersze() && !pokryta; ++r)
                if (Ma(r, c)) {
                    z[static_cast<std::size_t>(r)] = 1;
                    pokryta = true;
                }
        }
        int suma = 0;
        for (int r = 0; r < Wiersze(); ++r)
            suma += z[static_cast<std::size_t>(r)] ? koszt[static_cast<std::size_t>(r)] : 0;
        return suma;
    }
};

struct Relaksacja {
    int granica = 0;
    std::vector<double> punkt;
};

Relaksacja Rozwiaz(const Symetryczna& s) {
    LpPokrycia lp(s.wiersze, s.kolumny, s.slowa, s.koszt, {});
    EXPECT_EQ(lp.Rozwiaz(), LpPokrycia::Wynik::Optimum);
    return {CalaGranica(lp.Wartosc()),
            std::vector<double>(lp.Wartosci(), lp.Wartosci() + s.Wiersze())};
}

} // namespace

TEST(pompa_pokrycia_test, reaches_the_relaxation_value_where_rounding_does_not) {
    // 4 to 7 of 11: the relaxation's value is the least cost (cbc proves 2970).
    const Symetryczna s(11, 4, 7);
    const Relaksacja r = Rozwiaz(s);
    std::vector<char> wGore(r.punkt.size());
    for (std::size_t j = 0; j < r.punkt.size(); ++j)
        wGore[j] = r.punkt[j] > 1e-6;
    const int zaokraglenie = s.Dopelnij(wGore);
    ASSERT_GT(zaokraglenie, r.granica); // the point itself is no cover of its value

    int najlepszy = 0, wywolania = 0;
    PompaPokrycia pompa(s.wiersze, s.kolumny, s.slowa, s.koszt, {});
    pompa.Pompuj(r.punkt, 30, [&](const std::vector<char>& z, const std::vector<double>& x) {
        ++wywolania;
        EXPECT_EQ(z.size(), r.punkt.size());
        EXPECT_EQ(x.size(), r.punkt.size());
        const int k = s.Dopelnij(z);
        if (najlepszy == 0 || k < najlepszy)
            najlepszy = k;
        return najlepszy;
    });
    EXPECT_EQ(najlepszy, r.granica);
    EXPECT_LE(wywolania, 31);
}

TEST(pompa_pokrycia_test, stops_when_asked_and_when_nothing_cheaper_exists) {
    const Symetryczna s(9, 3, 6);
    const Relaksacja r = Rozwiaz(s);
    for (const bool stop : {true, false}) {
        int wywolania = 0;
        PompaPokrycia pompa(s.wiersze, s.kolumny, s.slowa, s.koszt, [&] { return stop; });
        // Told the best cover costs the relaxation's value, no point is cheaper: one check.
        pompa.Pompuj(r.punkt, 30, [&](const std::vector<char>&, const std::vector<double>&) {
            ++wywolania;
            return stop ? 100000 : r.granica;
        });
        EXPECT_EQ(wywolania, 1) << stop;
    }
}

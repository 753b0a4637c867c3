// Don't-care terms in the run: least cost against an exhaustive search over every implicant,
// the seven-segment decoder's textbook cases and the canonical texts.
#include "../uruchom.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vyn;

namespace {

// A cube over l variables: the bits it fixes and their values; bit l-1 is letter A.
struct Kostka {
    std::uint32_t Ustalone = 0, Wartosc = 0;
    bool Zawiera(std::uint32_t m) const { return (m & Ustalone) == Wartosc; }
    int Koszt() const { return std::popcount(Ustalone) + 1; } // its letters and its group
};

// The least letters + groups of any set of implicants of (r ∪ d) that covers r: a dynamic
// program over the subsets of r, every one of the 3^l cubes tried. Knows nothing of primes.
int NajmniejszyKoszt(int l, const std::vector<std::uint32_t>& r,
                     const std::vector<std::uint32_t>& d) {
    const std::uint32_t przestrzen = 1u << l;
    std::vector<char> dozwolony(przestrzen, 0);
    for (auto m : r)
        dozwolony[m] = 1;
    for (auto m : d)
        dozwolony[m] = 1;
    std::vector<std::uint32_t> zasieg; // each implicant as the subset of r it covers
    std::vector<int> koszt;
    for (std::uint32_t u = 0; u < przestrzen; ++u)
        for (std::uint32_t w = u;; w = (w - 1) & u) {
            const Kostka k{u, w};
            bool implikant = true;
            std::uint32_t pokryte = 0;
            for (std::uint32_t m = 0; m < przestrzen && implikant; ++m)
                if (k.Zawiera(m))
                    implikant = dozwolony[m];
            for (std::size_t i = 0; i < r.size(); ++i)
                if (k.Zawiera(r[i]))
                    pokryte |= 1u << i;
            if (implikant && pokryte) {
                zasieg.push_back(pokryte);
                koszt.push_back(k.Koszt());
            }
            if (w == 0)
                break;
        }
    const std::uint32_t wszystkie = (1u << r.size()) - 1;
    std::vector<int> dp(wszystkie + 1, 1 << 20);
    dp[0] = 0;
    for (std::uint32_t s = 1; s <= wszystkie; ++s) {
        const std::uint32_t najnizszy = s & (~s + 1); // some implicant must cover it
        for (std::size_t i = 0; i < zasieg.size(); ++i)
            if (zasieg[i] & najnizszy)
                dp[s] = std::min(dp[s], koszt[i] + dp[s & ~zasieg[i]]);
    }
    return dp[wszystkie];
}

int KosztPostaci(const std::string& p) {
    return p == "1" ? 1 : IloscZnakow(p) + PoliczGrupy(p);
}

std::string Lista(const std::vector<std::uint32_t>& v) {
    std::string t;
    for (auto m : v)
        t += (t.empty() ? "" : ",") + std::to_string(m);
    return t;
}

// Runs "r;d" over l letters: every form has the least cost and covers r within r and d.
void SprawdzFunkcje(int l, const std::vector<std::uint32_t>& r,
                    const std::vector<std::uint32_t>& d) {
    const std::string f = Lista(r) + (d.empty() ? "" : ";" + Lista(d));
    const std::string kodowanie = std::string("ABCDE").substr(0, static_cast<std::size_t>(l));
    const auto w = testy::Uruchom(f, TrybKodowania::Uzytkownika, kodowanie);
    ASSERT_EQ(w.Stan, StanPrzebiegu::Zakonczony) << f << ": " << w.Komunikat;
    ASSERT_FALSE(w.PostacieMinimalne.empty()) << f;
    const int najmniej = NajmniejszyKoszt(l, r, d);
    auto dSort = d;
    std::sort(dSort.begin(), dSort.end());
    const auto wymagane = MintermyFunkcji(f, true, kodowanie);
    for (std::size_t k = 0; k < w.PostacieMinimalne.size(); ++k) {
        const std::string p = w.PostacieMinimalne[k];
        EXPECT_EQ(KosztPostaci(p), najmniej) << f << " form " << p;
        EXPECT_FALSE(SprawdzPostac(p, kodowanie, wymagane, dSort)) << f << " form " << p;
    }
}

} // namespace

TEST(obojetne_test, least_cost_equals_the_exhaustive_search_over_random_splits) {
    std::mt19937 los(14);
    for (int proba = 0; proba < 60; ++proba) {
        const int l = 3 + proba % 2;
        std::vector<std::uint32_t> r, d;
        for (std::uint32_t m = 0; m < (1u << l); ++m) {
            const auto rzut = los() % 4; // 0 off, 1 required, 2..3 split by the round
            if (rzut == 1 || (rzut == 2 && proba % 3 == 0))
                r.push_back(m);
            else if (rzut >= 2)
                d.push_back(m);
        }
        if (r.empty())
            continue;
        std::shuffle(r.begin(), r.end(), los);
        SCOPED_TRACE("l=" + std::to_string(l) + " r=" + Lista(r) + " d=" + Lista(d));
        SprawdzFunkcje(l, r, d);
    }
}

// A BCD digit on seven segments; the codes 10..15 never occur.
TEST(obojetne_test, seven_segment_decoder_with_the_six_unused_codes) {
    // Segments a to g: the digits that light each.
    for (const auto& s : std::vector<std::vector<std::uint32_t>>{{0, 2, 3, 5, 6, 7, 8, 9},
                                                                 {0, 1, 2, 3, 4, 7, 8, 9},
                                                                 {0, 1, 3, 4, 5, 6, 7, 8, 9},
                                                                 {0, 2, 3, 5, 6, 8, 9},
                                                                 {0, 2, 6, 8},
                                                                 {0, 4, 5, 6, 8, 9},
                                                                 {2, 3, 4, 5, 6, 8, 9}}) {
        SCOPED_TRACE(Lista(s));
        SprawdzFunkcje(4, s, {10, 11, 12, 13, 14, 15});
    }
    // Segment a: A + C + BD + b'd' is the textbook's only minimal form.
    const auto w = testy::Uruchom("0,2,3,5,6,7,8,9;10,11,12,13,14,15");
    ASSERT_EQ(w.IloscMinimalnych(), 1);
    auto znaki = [](std::string p) {
        std::sort(p.begin(), p.end());
        return p;
    };
    EXPECT_EQ(znaki(w.PostacieMinimalne[0]), znaki("A+C+BD+bd")); // in any order
    EXPECT_EQ(w.IloscObojetnych, 6);
    EXPECT_EQ(w.ObojetneDziesietnie, "10,11,12,13,14,15");
    EXPECT_EQ(w.ObojetneLiterowo, "AbCd+AbCD+ABcd+ABcD+ABCd+ABCD");
    EXPECT_EQ(w.KanonicznaDziesietna, "0,2,3,5,6,7,8,9");
    // Details count the first table with its don't-cares: 8 + 6 terms.
    EXPECT_EQ(w.Szczegoly.front(), "1 14 91");
}

TEST(obojetne_test, a_minterm_in_both_parts_is_a_dont_care_and_primes_over_dont_cares_go) {
    // A = Ab + AB; AB is a don't-care: the required part keeps Ab alone.
    const auto w = testy::Uruchom("A;AB");
    EXPECT_EQ(w.KanonicznaLiterowa, "Ab");
    EXPECT_EQ(w.KanonicznaDziesietna, "2");
    EXPECT_EQ(w.ObojetneLiterowo, "AB");
    EXPECT_EQ(w.ObojetneDziesietnie, "3");
    EXPECT_EQ(w.PostacieMinimalne.front(), "A");

    // 0 with the don't-care 3: the prime AB covers no required minterm and leaves the chart.
    const auto d = testy::Uruchom("0;3", TrybKodowania::Uzytkownika, "AB");
    EXPECT_EQ(d.ProsteImplikanty, "ab");
    EXPECT_EQ(d.PominieteProste, 1);
    EXPECT_EQ(d.PostacieMinimalne.front(), "ab");

    // Nothing left to cover.
    const auto n = testy::Uruchom("1,2;2,1");
    EXPECT_EQ(n.Stan, StanPrzebiegu::Odrzucony);
    EXPECT_EQ(n.Komunikat, KomunikatSameObojetne);
}

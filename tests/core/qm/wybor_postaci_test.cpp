// The minimal form stage: essential implicants, the forms and their order, the cost rule,
// the forms limit and the mended completeness test.
#include "text/funkcja.h"
#include "literalny.h"
#include "pomocnicze.h"
#include "uruchom.h"
#include "qm/weryfikacja.h"

#include <gtest/gtest.h>

using namespace vyn;
using testy::Uruchom;
using Postacie = std::vector<std::string>;

TEST(wybor_postaci_test, all_primes_essential_gives_the_single_form) {
    auto w = Uruchom("A+bC");
    EXPECT_EQ(w.ProsteImplikanty, "bC,A");
    EXPECT_EQ(w.ImplikantyIstotne, "bC+A");
    EXPECT_EQ(w.PostacieMinimalne, Postacie{"bC+A"});
}

TEST(wybor_postaci_test, cyclic_function_keeps_both_covers_in_search_order) {
    auto w = Uruchom("0,1,2,5,6,7");
    EXPECT_EQ(w.ProsteImplikanty, "ab,ac,bC,Bc,AC,AB");
    EXPECT_EQ(w.ImplikantyIstotne, "");
    EXPECT_EQ(w.DolnaGranica, 6);
    EXPECT_EQ(w.PostacieMinimalne, (Postacie{"ab+Bc+AC", "bC+AB+ac"}));
    EXPECT_EQ(w.NajlepszaDlugosc, 9); // three rows of two letters and "+"
}

TEST(wybor_postaci_test, progress_labels_report_the_best_cover) {
    testy::Zapis z;
    FlagaPrzerwania f;
    Minimalizuj({"0,1,2,5,6,7", true, "ABC"}, z, f);
    ASSERT_GE(z.Etykiety[2].size(), 2u);
    EXPECT_EQ(z.Etykiety[2].end()[-2], "liter: 6");
    EXPECT_EQ(z.Etykiety[3].end()[-2], "grup: 3");
    EXPECT_EQ(z.Etykiety[2].back(), ""); // emptied at the end
    EXPECT_EQ(z.Etykiety[3].back(), "");
    EXPECT_EQ(z.Etykiety[4].back(), "minimalnych: 2");
}

TEST(wybor_postaci_test, redundant_prime_left_after_the_sweeps_gives_the_essentials) {
    auto w = Uruchom("AB+aC+BC");
    EXPECT_EQ(w.ProsteImplikanty, "aC,BC,AB");
    EXPECT_EQ(w.ImplikantyIstotne, "aC+AB");
    EXPECT_EQ(w.PostacieMinimalne, Postacie{"aC+AB"});
}

TEST(wybor_postaci_test, constant_one_has_the_form_1) {
    for (const char* f : {"A+a", "0,1,2,3", "+B"}) {
        auto w = Uruchom(f);
        EXPECT_EQ(w.ProsteImplikanty, "") << f;
        EXPECT_EQ(w.ImplikantyIstotne, "1") << f;
        EXPECT_EQ(w.PostacieMinimalne, Postacie{"1"}) << f;
    }
}

TEST(wybor_postaci_test, single_minterm_is_its_own_form) {
    auto w = Uruchom("5");
    EXPECT_EQ(w.Szczegoly, (std::vector<std::string>{"1 1 0", "2 0 0", "3 0 0"}));
    EXPECT_EQ(w.PostacieMinimalne, Postacie{"AbC"});
}

TEST(wybor_postaci_test, letters_plus_groups_decide_not_groups_alone) {
    // Every recorded form has the smallest letters+groups among all covers; check by brute
    // force over the primes of small random cyclic functions.
    std::mt19937 los(11);
    int z_rdzeniem = 0;
    for (int proba = 0; proba < 150; ++proba) {
        const int l = 3 + static_cast<int>(los() % 3);
        const std::string f =
            testy::LosowaDziesietna(los, l, 3 + static_cast<int>(los() % (1u << (l - 1))), false);
        auto w = Uruchom(f);
        const std::string k = w.Kodowanie;
        // All primes by name.
        std::vector<std::string> proste;
        for (std::size_t i = 0, j; i <= w.ProsteImplikanty.size(); i = j + 1) {
            j = w.ProsteImplikanty.find(',', i);
            if (j == std::string::npos)
                j = w.ProsteImplikanty.size();
            proste.push_back(w.ProsteImplikanty.substr(i, j - i));
        }
        if (proste.size() > 16 || w.ImplikantyIstotne.empty())
            continue;
        const auto mintermy = MintermyFunkcji(f, true, k);
        int najtanszy = 1 << 30;
        for (std::uint32_t zbior = 1; zbior < (1u << proste.size()); ++zbior) {
            std::string postac;
            for (std::size_t i = 0; i < proste.size(); ++i)
                if (zbior >> i & 1)
                    postac += (postac.empty() ? "" : "+") + proste[i];
            if (!SprawdzPostac(postac, k, mintermy))
                najtanszy = std::min(najtanszy, static_cast<int>(postac.size()) + 1);
        }
        ++z_rdzeniem;
        for (const auto& p : w.PostacieMinimalne)
            EXPECT_EQ(static_cast<int>(p.size()) + 1, najtanszy) << f << " -> " << p;
    }
    EXPECT_GT(z_rdzeniem, 20);
}

TEST(wybor_postaci_test, short_covers_below_the_estimate_are_still_found) {
    // DolnaGranica (46) overestimates here: the literal rule never tests the shorter covers
    // and ends with one of cost 70; the cheapest cover costs 68.
    const std::string f = "23,9,51,29,26,38,55,32,22,19,28,4,62,17,0,54,10,57,63,31,61,47,49,56,"
                          "21,27,53,30,1,45,18,24,41,37,15,11,20,42,52,46,6,39,35";
    auto w = Uruchom(f, TrybKodowania::Uzytkownika, "ABCDEF");
    EXPECT_EQ(w.DolnaGranica, 46);
    ASSERT_EQ(w.IloscMinimalnych(), 1);
    const std::string p = w.PostacieMinimalne[0];
    EXPECT_EQ(p, "bcdef+AcEF+BcD+aBE+ADF+ADE+abdeF+bCdEf+BCdef+aBD+acDf+ACeF+aCEF+BcF");
    EXPECT_EQ(PoliczLitery(p) + PoliczGrupy(p), 68);
    EXPECT_FALSE(SprawdzPostac(p, "ABCDEF", MintermyFunkcji(f, true, "ABCDEF")));

    auto literalnie = ref::Minimalizuj(f, true, "ABCDEF", /*naprawionaGranica=*/false);
    ASSERT_EQ(literalnie.PostacieMinimalne.size(), 1u);
    const std::string& q = literalnie.PostacieMinimalne[0];
    EXPECT_EQ(PoliczLitery(q) + PoliczGrupy(q), 70);
}

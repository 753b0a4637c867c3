// The minimal form stage (its texts are compared with the literal rules by the differential
// test): the search's stage and labels, the mended completeness test and the verification.
#include "literalny.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"
#include "uruchom.h"

#include <gtest/gtest.h>

using namespace vyn;
using testy::Uruchom;
using Postacie = std::vector<std::string>;

TEST(wybor_postaci_test, a_search_adds_its_stage_and_labels_report_the_best_cover) {
    testy::Zapis z;
    FlagaPrzerwania f;
    Minimalizuj({"0,1,2,5,6,7", true, "ABC"}, z, f);
    EXPECT_EQ(z.Etapy, (Postacie{EtapKanoniczna, EtapMinimalna, "Wybieranie postaci minimalnych"}));
    ASSERT_GE(z.Etykiety[2].size(), 2u);
    EXPECT_EQ(z.Etykiety[2].end()[-2], "liter: 6");
    EXPECT_EQ(z.Etykiety[3].end()[-2], "grup: 3");
    EXPECT_EQ(z.Etykiety[2].back(), ""); // emptied at the end
    EXPECT_EQ(z.Etykiety[3].back(), "");
    EXPECT_EQ(z.Etykiety[4].back(), "minimalnych: 2");
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

TEST(wybor_postaci_test, verification_names_what_a_form_misses_or_adds) {
    EXPECT_EQ(SprawdzPostac("B", "AB", {0, 1, 3}).value_or(""), "minterm 0 nie jest pokryty");
    EXPECT_EQ(SprawdzPostac("b+B", "AB", {0, 1, 3}).value_or(""),
              "składnik b obejmuje minterm 2, którego funkcja nie ma");
    EXPECT_FALSE(SprawdzPostac("A", "AB", {2}, {3})); // a don't-care may be covered
    EXPECT_EQ(SprawdzPostac("1", "AB", {0, 1}, {2}).value_or(""),
              "postać 1, a funkcja nie jest stale prawdziwa");
    EXPECT_FALSE(SprawdzPostac("1", "AB", {0, 1}, {2, 3}));
}

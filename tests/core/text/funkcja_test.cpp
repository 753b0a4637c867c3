// The function text model: group and letter counts, the editor's group test, number reading
// and the input check of a run.
#include "text/funkcja.h"

#include <gtest/gtest.h>

using namespace vyn;

TEST(funkcja_test, groups_count_separators_followed_by_something_else) {
    EXPECT_EQ(PoliczGrupy(""), 0);
    EXPECT_EQ(PoliczGrupy("A"), 1);
    EXPECT_EQ(PoliczGrupy("AB+C"), 2);
    EXPECT_EQ(PoliczGrupy("AB+C+"), 2); // trailing separator adds nothing
    EXPECT_EQ(PoliczGrupy("+A"), 2);    // a leading one adds a group
    EXPECT_EQ(PoliczGrupy("A++B"), 2);  // a run counts once
    EXPECT_EQ(PoliczGrupy("1,5,7"), 3);
    EXPECT_EQ(PoliczGrupy("1,5,"), 2);
    EXPECT_EQ(PoliczGrupy("+"), 1);
}

TEST(funkcja_test, letter_in_group_looks_both_ways_up_to_plus) {
    // "A+BC", cursor just after the "+": the group at the cursor is "BC".
    EXPECT_TRUE(LiteraWGrupie("A+BC", 'B', 2));
    EXPECT_FALSE(LiteraWGrupie("A+BC", 'A', 2));
    // "aB+C", cursor after "B": both cases of A count.
    EXPECT_TRUE(LiteraWGrupie("aB+C", 'A', 2));
    EXPECT_TRUE(LiteraWGrupie("aB+C", 'B', 2));
    EXPECT_FALSE(LiteraWGrupie("aB+C", 'C', 2));
    EXPECT_FALSE(LiteraWGrupie("", 'A', 0));
    EXPECT_TRUE(LiteraWGrupie("AB+C", 'c', 4));
    EXPECT_TRUE(LiteraWGrupie("AB", 'A', 0)); // cursor at the start sees the whole group
}

TEST(funkcja_test, letters_are_counted_in_either_case) {
    EXPECT_EQ(PoliczLitery("aB+c"), 3);
    EXPECT_EQ(PoliczLitery("0,1,5"), 0);
    EXPECT_EQ(PoliczLitery(""), 0);
}

TEST(funkcja_test, numbers_keep_their_digits_and_skip_every_comma) {
    std::vector<LiczbaDziesietna> l;
    ASSERT_FALSE(CzytajLiczby(",007,,3,", l));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].Wartosc, 7u);
    EXPECT_EQ(l[0].Cyfry, "007");
    EXPECT_EQ(l[1].Wartosc, 3u);
    // Far too many digits saturate instead of wrapping round to a small number.
    ASSERT_FALSE(CzytajLiczby("99999999999999999999999", l));
    EXPECT_GT(l[0].Wartosc, 67108863u);
}

TEST(funkcja_test, a_stray_character_names_the_piece_it_spoils) {
    std::vector<LiczbaDziesietna> l;
    EXPECT_EQ(CzytajLiczby("1,2x,3", l), "'2x' is not a valid integer value");
    EXPECT_EQ(CzytajLiczby("1, 2", l), "' 2' is not a valid integer value");
    EXPECT_EQ(CzytajLiczby("1.3", l), "'1.3' is not a valid integer value");
}

TEST(funkcja_test, run_check_accepts_what_the_editor_makes) {
    EXPECT_FALSE(SprawdzFunkcje("A+bC", false, "ABC"));
    EXPECT_FALSE(SprawdzFunkcje("+B", false, "AB"));
    EXPECT_FALSE(SprawdzFunkcje("A+", false, "A"));
    EXPECT_FALSE(SprawdzFunkcje("AB", false, "CBA")); // a user order may hold more letters
    EXPECT_FALSE(SprawdzFunkcje("0,7", true, "ABC"));
    EXPECT_FALSE(SprawdzFunkcje("67108863", true, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
}

TEST(funkcja_test, run_check_refuses_input_that_would_corrupt_a_run) {
    EXPECT_EQ(SprawdzFunkcje("AB+C", false, "AB"), "Litera C nie występuje w kodowaniu AB");
    EXPECT_EQ(SprawdzFunkcje("Aa", false, "A"), "Symbol A powtarza się w grupie Aa");
    EXPECT_EQ(SprawdzFunkcje("A*B", false, "AB"), "Niedozwolony znak '*' w funkcji");
    EXPECT_EQ(SprawdzFunkcje("+", false, ""), "Funkcja nie zawiera żadnej litery");
    EXPECT_EQ(SprawdzFunkcje("AB", false, "AA"), "Litera A powtarza się w kodowaniu AA");
    EXPECT_EQ(SprawdzFunkcje("1,2", true, "A1"),
              "Kodowanie A1 może składać się tylko z wielkich liter A-Z");
    EXPECT_EQ(SprawdzFunkcje("1,a", true, "AB"), "'a' is not a valid integer value");
    EXPECT_EQ(SprawdzFunkcje(",", true, "A"), "Funkcja nie zawiera żadnej liczby");
    EXPECT_EQ(SprawdzFunkcje("67108864", true, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), KomunikatZakresu);
    EXPECT_EQ(SprawdzFunkcje("4", true, "AB"),
              "Liczba 4 wymaga więcej liter niż ma kodowanie AB (największa możliwa to 3)");
    EXPECT_FALSE(SprawdzFunkcje("3", true, "AB")); // the largest the letters name
}

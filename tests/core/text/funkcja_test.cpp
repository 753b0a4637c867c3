// The function text model: group and letter counts, the editor's group test, number reading
// and the input check of a run.
#include "text/funkcja.h"

#include <gtest/gtest.h>

using namespace vyn;

TEST(funkcja_test, groups_count_separators_followed_by_something_else) {
    const std::pair<const char*, int> przypadki[] = {
        {"", 0},     {"A", 1},    {"AB+C", 2}, {"AB+C+", 2}, // a trailing separator adds nothing
        {"+A", 2},   {"A++B", 2}, {"+", 1},    {"1,5,7", 3}, // a leading one adds a group
        {"1,5,", 2}, {"A++", 1},  {"1,5,,", 2}};             // nor does a trailing run
    for (const auto& [tekst, grupy] : przypadki)
        EXPECT_EQ(PoliczGrupy(tekst), grupy) << tekst;
    EXPECT_EQ(PoliczLitery("aB+c"), 3);
    EXPECT_EQ(PoliczLitery("0,1,5"), 0);
}

TEST(funkcja_test, letter_in_group_looks_both_ways_up_to_plus) {
    EXPECT_TRUE(LiteraWGrupie("A+BC", 'B', 2)); // cursor after "+": the group is "BC"
    EXPECT_FALSE(LiteraWGrupie("A+BC", 'A', 2));
    EXPECT_TRUE(LiteraWGrupie("aB+C", 'A', 2)); // either case counts
    EXPECT_FALSE(LiteraWGrupie("aB+C", 'C', 2));
    EXPECT_FALSE(LiteraWGrupie("", 'A', 0));
    EXPECT_TRUE(LiteraWGrupie("AB+C", 'c', 4));
    EXPECT_TRUE(LiteraWGrupie("AB", 'A', 0)); // cursor at the start sees the whole group
}

TEST(funkcja_test, numbers_keep_their_digits_and_a_stray_character_names_its_piece) {
    std::vector<LiczbaDziesietna> l;
    ASSERT_FALSE(CzytajLiczby(",007,,3,", l));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].Wartosc, 7u);
    EXPECT_EQ(l[0].Cyfry, "007");
    EXPECT_EQ(l[1].Wartosc, 3u);
    // Far too many digits saturate instead of wrapping round to a small number.
    ASSERT_FALSE(CzytajLiczby("99999999999999999999999", l));
    EXPECT_GT(l[0].Wartosc, 67108863u);
    EXPECT_EQ(CzytajLiczby("1,2x,3", l), "'2x' is not a valid integer value");
    EXPECT_EQ(CzytajLiczby("1, 2", l), "' 2' is not a valid integer value");
    EXPECT_EQ(CzytajLiczby("1.3", l), "'1.3' is not a valid integer value");
}

TEST(funkcja_test, run_check_accepts_what_the_editor_makes_and_refuses_what_corrupts_a_run) {
    struct Przypadek {
        const char *f, *k;
        bool dziesietny;
        const char* blad; // "" accepted
    };
    const Przypadek przypadki[] = {
        {"A+bC", "ABC", false, ""},
        {"+B", "AB", false, ""},
        {"A+", "A", false, ""},
        {"AB", "CBA", false, ""}, // a user order may hold more letters
        {"0,7", "ABC", true, ""},
        {"3", "AB", true, ""}, // the largest the letters name
        {"4", "AB", true,
         "Liczba 4 wymaga więcej liter niż ma kodowanie AB (największa możliwa to 3)"},
        {"AB+C", "AB", false, "Litera C nie występuje w kodowaniu AB"},
        {"Aa", "A", false, "Symbol A powtarza się w grupie Aa"},
        {"A*B", "AB", false, "Niedozwolony znak '*' w funkcji"},
        {"+", "", false, "Funkcja nie zawiera żadnej litery"},
        {"AB", "AA", false, "Litera A powtarza się w kodowaniu AA"},
        {"1,2", "A1", true, "Kodowanie A1 może składać się tylko z wielkich liter A-Z"},
        {"1,a", "AB", true, "'a' is not a valid integer value"},
        {",", "A", true, "Funkcja nie zawiera żadnej liczby"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(SprawdzFunkcje(p.f, p.dziesietny, p.k).value_or(""), p.blad) << p.f;
}

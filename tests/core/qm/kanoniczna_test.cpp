// The canonical form in letters and numbers, and the letter path's minterm limit.
#include "qm/kanoniczna.h"

#include "qm/slowo.h"

#include <gtest/gtest.h>

using namespace vyn;

TEST(kanoniczna_test, texts_of_the_letter_and_decimal_paths) {
    struct Przypadek {
        const char* f;
        bool dziesietny;
        const char *k, *literowa, *dziesietna;
    };
    const Przypadek przypadki[] = {
        // Groups expand in order; numbers are read backwards.
        {"A+bC", false, "ABC", "Abc+AbC+ABc+ABC+abC", "1,7,6,5,4"},
        {"A+B", false, "AB", "Ab+AB+aB", "1,3,2"}, // shared minterms kept once, first seen
        {"cA", false, "ABC", "Abc+ABc", "6,4"},
        {"AbCd", false, "DCBA", "dCbA", "5"},          // letters and numbers follow the encoding
        {"+B", false, "AB", "ab+aB+Ab+AB", "3,2,1,0"}, // a leading "+" means everything
        {"A+", false, "AB", "Ab+AB", "3,2"},           // a trailing one nothing
        // The decimal path keeps the typed order, repeats and zeros.
        {"007,3", true, "ABC", "ABC+aBC", "007,3"},
        {"3,3", true, "AB", "AB+AB", "3,3"},
    };
    for (const auto& p : przypadki) {
        PostacKanoniczna w;
        ASSERT_FALSE(TworzKanoniczna(p.f, p.dziesietny, p.k, w)) << p.f;
        EXPECT_EQ(w.KanonicznaLiterowa, p.literowa) << p.f;
        EXPECT_EQ(w.KanonicznaDziesietna, p.dziesietna) << p.f;
        EXPECT_EQ(w.Mintermy.size(),
                  std::count(p.dziesietna, p.dziesietna + strlen(p.dziesietna), ',') + 1u);
    }
}

TEST(kanoniczna_test, minterm_capacity_at_the_limit_and_one_past) {
    // Disjoint groups over 17 letters: 65536 + 2 * 16384 + 1024 + 512 + 128 + 32 = 100000.
    const std::string k = "ABCDEFGHIJKLMNOPQ";
    const std::string granica = "a+Abc+ABc+AbCdefg+AbCdefGh+AbCdefGHij+AbCdefGHiJkl";
    PostacKanoniczna p;
    EXPECT_FALSE(TworzKanoniczna(granica, false, k, p));
    EXPECT_EQ(p.Mintermy.size(), 100000u);
    EXPECT_EQ(TworzKanoniczna(granica + "+AbCdefGHIJKLMNOPQ", false, k, p),
              std::string(KomunikatZbytWieluMintermow));
    EXPECT_TRUE(p.Mintermy.empty());
    // Repeats do not count: the same groups twice stay at the limit.
    EXPECT_FALSE(TworzKanoniczna(granica + "+" + granica, false, k, p));
    // 26 letters, one letter named: refused without expanding 2^25 terms.
    EXPECT_EQ(TworzKanoniczna("A", false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", p),
              std::string(KomunikatZbytWieluMintermow));
}

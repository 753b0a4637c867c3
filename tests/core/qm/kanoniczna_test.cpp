// The canonical form in letters and numbers, and the minterm list it leaves for the tables.
#include "qm/kanoniczna.h"

#include "literalny.h"
#include "pomocnicze.h"
#include "qm/slowo.h"

#include <gtest/gtest.h>

using namespace vyn;

namespace {
PostacKanoniczna Kanoniczna(const char* f, bool dziesietny, const char* k) {
    PostacKanoniczna p;
    EXPECT_FALSE(TworzKanoniczna(f, dziesietny, k, p));
    return p;
}
std::vector<std::uint32_t> Wartosci(const PostacKanoniczna& p) {
    std::vector<std::uint32_t> w;
    for (auto m : p.Mintermy) {
        EXPECT_TRUE(m & FlagaObecnosci);
        w.push_back(m & MaskaWartosci);
    }
    return w;
}
} // namespace

TEST(kanoniczna_test, term_letters_follow_the_encoding) {
    EXPECT_EQ(SkladnikNaLitery("ABC", 5, 0), "AbC");
    EXPECT_EQ(SkladnikNaLitery("CBA", 5, 0), "CbA");
    EXPECT_EQ(SkladnikNaLitery("ABC", 7, 3), "A");
    EXPECT_EQ(SkladnikNaLitery("ABC", 5, 7), "");
    EXPECT_EQ(SkladnikNaLitery("ABC", 5 | FlagaObecnosci | FlagaPolaczenia, 0), "AbC");
}

TEST(kanoniczna_test, letter_path_expands_groups_in_order_and_reads_numbers_backwards) {
    auto p = Kanoniczna("A+bC", false, "ABC");
    EXPECT_EQ(p.KanonicznaLiterowa, "Abc+AbC+ABc+ABC+abC");
    EXPECT_EQ(p.KanonicznaDziesietna, "1,7,6,5,4");
    EXPECT_EQ(Wartosci(p), (std::vector<std::uint32_t>{1, 7, 6, 5, 4}));
}

TEST(kanoniczna_test, shared_minterms_are_kept_once_at_first_appearance) {
    auto p = Kanoniczna("A+B", false, "AB");
    EXPECT_EQ(p.KanonicznaLiterowa, "Ab+AB+aB");
    EXPECT_EQ(p.KanonicznaDziesietna, "1,3,2");
}

TEST(kanoniczna_test, groups_typed_out_of_order_or_complete) {
    EXPECT_EQ(Kanoniczna("cA", false, "ABC").KanonicznaLiterowa, "Abc+ABc");
    EXPECT_EQ(Kanoniczna("CbA", false, "ABC").KanonicznaLiterowa, "AbC");
    // The encoding's order decides the numbers: A.b.C.d is 10 over ABCD and 5 over DCBA.
    EXPECT_EQ(Kanoniczna("AbCd", false, "ABCD").KanonicznaDziesietna, "10");
    EXPECT_EQ(Kanoniczna("AbCd", false, "DCBA").KanonicznaDziesietna, "5");
}

TEST(kanoniczna_test, leading_plus_means_everything_trailing_plus_nothing) {
    auto plus_b = Kanoniczna("+B", false, "AB");
    EXPECT_EQ(plus_b.KanonicznaLiterowa, "ab+aB+Ab+AB");
    EXPECT_EQ(plus_b.KanonicznaDziesietna, "3,2,1,0");
    auto a_plus = Kanoniczna("A+", false, "AB");
    EXPECT_EQ(a_plus.KanonicznaLiterowa, "Ab+AB");
    EXPECT_EQ(a_plus.KanonicznaDziesietna, "3,2");
}

TEST(kanoniczna_test, decimal_path_keeps_typed_order_repeats_and_zeros) {
    auto p = Kanoniczna("5,2", true, "ABC");
    EXPECT_EQ(p.KanonicznaLiterowa, "AbC+aBc");
    EXPECT_EQ(p.KanonicznaDziesietna, "5,2");
    auto zera = Kanoniczna("007,3", true, "ABC");
    EXPECT_EQ(zera.KanonicznaDziesietna, "007,3");
    EXPECT_EQ(zera.KanonicznaLiterowa, "ABC+aBC");
    auto powtorka = Kanoniczna("3,3", true, "AB");
    EXPECT_EQ(powtorka.KanonicznaLiterowa, "AB+AB");
    EXPECT_EQ(powtorka.KanonicznaDziesietna, "3,3");
    EXPECT_EQ(Wartosci(powtorka).size(), 2u);
}

TEST(kanoniczna_test, minterm_capacity_at_the_limit_and_one_past) {
    // Disjoint groups over 17 letters: 65536 + 2 * 16384 + 1024 + 512 + 128 + 32 = 100000.
    const std::string k = "ABCDEFGHIJKLMNOPQ";
    const std::string granica = "a+Abc+ABc+AbCdefg+AbCdefGh+AbCdefGHij+AbCdefGHiJkl";
    PostacKanoniczna p;
    EXPECT_FALSE(TworzKanoniczna(granica, false, k, p));
    EXPECT_EQ(p.Mintermy.size(), 100000u);
    // One minterm more.
    EXPECT_EQ(TworzKanoniczna(granica + "+AbCdefGHIJKLMNOPQ", false, k, p),
              std::string(KomunikatZbytWieluMintermow));
    EXPECT_TRUE(p.Mintermy.empty());
    // Repeats do not count: the same groups twice stay at the limit.
    EXPECT_FALSE(TworzKanoniczna(granica + "+" + granica, false, k, p));
    // 26 letters, one letter named: refused without expanding 2^25 terms.
    EXPECT_EQ(TworzKanoniczna("A", false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", p),
              std::string(KomunikatZbytWieluMintermow));
}

TEST(kanoniczna_test, decimal_capacity_counts_every_typed_number) {
    std::string f;
    for (int i = 0; i < 100000; ++i)
        f += (i ? "," : "") + std::to_string(i % 7);
    PostacKanoniczna p;
    EXPECT_FALSE(TworzKanoniczna(f, true, "ABC", p));
    EXPECT_EQ(p.Mintermy.size(), 100000u);
    EXPECT_EQ(TworzKanoniczna(f + ",1", true, "ABC", p), std::string(KomunikatZbytWieluMintermow));
}

TEST(kanoniczna_test, same_as_the_literal_expansion_with_substring_search) {
    std::mt19937 los(2024);
    for (int proba = 0; proba < 300; ++proba) {
        const int l = 1 + static_cast<int>(los() % 7);
        const std::string k = std::string("ABCDEFG").substr(0, static_cast<std::size_t>(l));
        std::string f = testy::LosowaLiterowa(los, l, 1 + static_cast<int>(los() % 5), 0.5);
        if (los() % 5 == 0)
            f = "+" + f;
        PostacKanoniczna p;
        ASSERT_FALSE(TworzKanoniczna(f, false, k, p));
        const auto r = ref::Minimalizuj(f, false, k);
        EXPECT_EQ(p.KanonicznaLiterowa, r.KanonicznaLiterowa) << f;
        EXPECT_EQ(p.KanonicznaDziesietna, r.KanonicznaDziesietna) << f;
    }
}

// PLA files: the meaning of each output character per type, the refusals, output choice, and
// export followed by import giving the same function back.
#include "files/pla.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace vyn;

namespace {

FunkcjaPla Rozwin(const std::string& tekst, int wyjscie = 0, std::size_t limit = 100000) {
    PlikPla pla;
    const auto blad = CzytajPla(tekst, pla);
    EXPECT_FALSE(blad) << *blad;
    FunkcjaPla f;
    const auto blad2 = RozwinWyjscie(pla, wyjscie, limit, f);
    EXPECT_FALSE(blad2) << *blad2;
    return f;
}

using Zbior = std::vector<std::uint32_t>;

struct Typ {
    const char* typ;
    Zbior wlaczone, obojetne;
};

// Over AB: "1-" gives 2 and 3, "01" gives 1, "00" gives 0, "11" gives 3.
// Cubes: 1- 1 / 01 - / 00 0 / 11 2. Minterm 3 is ON and don't-care at once: a don't-care.
class TypPla : public testing::TestWithParam<Typ> {};

TEST_P(TypPla, EachOutputCharacterMeansWhatItsTypeSays) {
    const Typ& t = GetParam();
    const FunkcjaPla f = Rozwin(std::string(".i 2\n.o 1\n.type ") + t.typ +
                                "\n# komentarz\n1- 1\n01 -  # po kostce\n00 0\n11 2\n.e\n10 1\n");
    EXPECT_EQ(f.Wlaczone, t.wlaczone);
    EXPECT_EQ(f.Obojetne, t.obojetne);
    EXPECT_EQ(f.Kodowanie, "AB");
}

INSTANTIATE_TEST_SUITE_P(
    Typy, TypPla,
    testing::Values(Typ{"f", {2, 3}, {}},     // "-", "2" and "0" mean nothing
                    Typ{"fd", {2}, {1, 3}},   // "-" and "2" are don't-cares
                    Typ{"fr", {2, 3}, {1}},   // 0 is OFF, 1 in no set is a don't-care
                    Typ{"fdr", {2}, {1, 3}}), // both
    [](const auto& info) { return std::string(info.param.typ); });

TEST(pla, DefaultTypeIsFdAndTheFirstInputIsTheMostSignificantBit) {
    const FunkcjaPla f = Rozwin(".i 3\n.o 1\n100 1\n021 -\n");
    EXPECT_EQ(f.Wlaczone, Zbior({4}));
    EXPECT_EQ(f.Obojetne, Zbior({1, 3}));
}

TEST(pla, MultiOutputFilesNameTheirOutputsByNumberOrName) {
    const std::string tekst = ".i 2\n.o 3\n.ob x y z\n11 100\n00 011\n01 0-1\n";
    PlikPla pla;
    ASSERT_FALSE(CzytajPla(tekst, pla));
    EXPECT_EQ(ZnajdzWyjscie(pla, "1"), 0);
    EXPECT_EQ(ZnajdzWyjscie(pla, "z"), 2);
    EXPECT_EQ(ZnajdzWyjscie(pla, "4"), std::nullopt);
    EXPECT_EQ(ZnajdzWyjscie(pla, "w"), std::nullopt);
    EXPECT_EQ(Rozwin(tekst, 1).Wlaczone, Zbior({0}));
    EXPECT_EQ(Rozwin(tekst, 1).Obojetne, Zbior({1}));
    EXPECT_EQ(Rozwin(tekst, 2).Wlaczone, Zbior({0, 1}));
    EXPECT_EQ(NazwaWyjscia(pla, 1), "y");
}

TEST(pla, InputNamesBecomeTheLettersOnlyWhenTheyAreDistinctSingleLetters) {
    EXPECT_EQ(Rozwin(".i 3\n.ilb Q X C\n111 1\n").Kodowanie, "QXC");
    const FunkcjaPla nazwy = Rozwin(".i 3\n.ilb a0 a1 en\n111 1\n");
    EXPECT_EQ(nazwy.Kodowanie, "ABC");
    EXPECT_EQ(nazwy.NazwyWejsc, std::vector<std::string>({"a0", "a1", "en"}));
    EXPECT_EQ(Rozwin(".i 2\n.ilb Q Q\n11 1\n").Kodowanie, "AB");
}

struct Odmowa {
    const char* nazwa;
    std::string tekst;
    const char* fragment; // the message names the line and the reason
};

class OdmowaPla : public testing::TestWithParam<Odmowa> {};

TEST_P(OdmowaPla, MalformedFilesAreRefusedWithLineAndReason) {
    const Odmowa& o = GetParam();
    PlikPla pla;
    auto blad = CzytajPla(o.tekst, pla);
    if (!blad) {
        FunkcjaPla f;
        blad = RozwinWyjscie(pla, 0, 1000, f);
    }
    ASSERT_TRUE(blad) << o.nazwa;
    EXPECT_NE(blad->find(o.fragment), std::string::npos) << *blad;
}

INSTANTIATE_TEST_SUITE_P(
    Bledy, OdmowaPla,
    testing::Values(
        Odmowa{"szerokosc", ".i 3\n.o 1\n11 1\n", "wiersz 3: oczekiwano 3"},
        Odmowa{"znakWejscia", ".i 2\n.o 1\n1x 1\n", "wiersz 3: nieznany znak wejścia 'x'"},
        Odmowa{"znakWyjscia", ".i 2\n.o 1\n11 x\n", "nieznany znak wyjścia 'x'"},
        Odmowa{"zaDuzoWejsc", ".i 27\n", "wiersz 1: więcej niż 26 wejść"},
        Odmowa{"wielowartosciowy", ".mv 3 1 2 2\n", "(.mv) nie są obsługiwane"},
        Odmowa{"symboliczny", ".i 2\n.symbolic a b ;\n", "wiersz 2"},
        Odmowa{"nieznanyTyp", ".i 2\n.type fx\n", "nieznany typ"},
        Odmowa{"nieznaneSlowo", ".i 2\n.phase 1\n", "nieznane słowo kluczowe .phase"},
        Odmowa{"bezI", "11 1\n", "iloczyn przed .i"},
        Odmowa{"pusty", "", "nie podaje liczby wejść"},
        Odmowa{"nazwyWejsc", ".i 2\n.ilb A\n", ".ilb podaje 1"},
        Odmowa{"onIOff", ".i 2\n.type fr\n1- 1\n11 0\n", "wiersz 4: minterm 3 należy i do"},
        // 11 free inputs are 2048 minterms, over the limit of 1000 given here.
        Odmowa{"kostkaPozaLimitem", ".i 11\n----------- 1\n", "wiersz 2: więcej niż 1000"},
        // Cubes of 512 minterms each: the third passes the limit.
        Odmowa{"sumaPozaLimitem", ".i 11\n00--------- 1\n01--------- -\n10--------- 1\n",
               "więcej niż 1000"},
        // fr: the don't-cares are everything not ON or OFF.
        Odmowa{"reszta", ".i 11\n.type fr\n00000000000 1\n", "więcej niż 1000"}),
    [](const auto& info) { return std::string(info.param.nazwa); });

TEST(pla, OverlappingCubesCountEachMintermOnce) {
    // Eight copies of a 512-minterm cube stay 512 minterms, under a limit of 1000.
    std::string tekst = ".i 10\n.o 1\n";
    for (int i = 0; i < 8; ++i)
        tekst += "1--------- 1\n";
    EXPECT_EQ(Rozwin(tekst, 0, 1000).Wlaczone.size(), 512u);
}

TEST(pla, ExportThenImportGivesTheSameFunctionAndForm) {
    std::mt19937 los(2026);
    for (int proba = 0; proba < 60; ++proba) {
        const int l = 1 + proba % 8;
        std::string kodowanie;
        for (int i = 0; i < l; ++i)
            kodowanie.push_back(static_cast<char>('A' + i));
        Zbior wlaczone, obojetne;
        for (std::uint32_t m = 0; m < (1u << l); ++m) {
            const auto r = los() % 4;
            if (r == 0)
                wlaczone.push_back(m);
            else if (r == 1)
                obojetne.push_back(m);
        }
        const FunkcjaPla f = Rozwin(ZapiszPlaFunkcji(kodowanie, wlaczone, obojetne));
        EXPECT_EQ(f.Wlaczone, wlaczone);
        EXPECT_EQ(f.Obojetne, obojetne);
        EXPECT_EQ(f.Kodowanie, kodowanie);
    }
    // A form's groups are its cubes: "aC" over ABC is 001 and 011.
    EXPECT_EQ(Rozwin(ZapiszPlaPostaci("ABC", "aC+AbC")).Wlaczone, Zbior({1, 3, 5}));
    EXPECT_EQ(Rozwin(ZapiszPlaPostaci("ABC", "1")).Wlaczone.size(), 8u);
}

} // namespace

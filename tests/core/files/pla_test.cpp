// PLA files: the meaning of each output character per type, the refusals, output choice, and
// export followed by import giving the same function back.
#include "files/pla.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

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

// Over AB: "1-" gives 2 and 3, "01" gives 1, "00" gives 0, "11" gives 3.
// Cubes: 1- 1 / 01 - / 00 0 / 11 2. Minterm 3 is ON and don't-care at once: a don't-care.
TEST(pla, EachOutputCharacterMeansWhatItsTypeSays) {
    const std::tuple<const char*, Zbior, Zbior> typy[] = {
        {"f", {2, 3}, {}},     // "-", "2" and "0" mean nothing
        {"fd", {2}, {1, 3}},   // "-" and "2" are don't-cares
        {"fr", {2, 3}, {1}},   // 0 is OFF, 1 in no set is a don't-care
        {"fdr", {2}, {1, 3}}}; // both
    for (const auto& [typ, wlaczone, obojetne] : typy) {
        const FunkcjaPla f =
            Rozwin(std::string(".i 2\n.o 1\n.type ") + typ +
                   "\n# komentarz\n1- 1\n01 -  # po kostce\n00 0\n11 2\n.e\n10 1\n");
        EXPECT_EQ(f.Wlaczone, wlaczone) << typ;
        EXPECT_EQ(f.Obojetne, obojetne) << typ;
        EXPECT_EQ(f.Kodowanie, "AB");
    }
}

TEST(pla, DefaultTypeIsFdAndTheFirstInputIsTheMostSignificantBit) {
    const FunkcjaPla f = Rozwin(".i 3\n.o 1\n100 1\n021 -\n");
    EXPECT_EQ(f.Wlaczone, Zbior({4}));
    EXPECT_EQ(f.Obojetne, Zbior({1, 3}));
}

// Files from any system: lines ended by LF, CR LF or a lone CR read alike, and a refusal names
// the same line.
TEST(pla, LineEndingsOfEverySystemReadAlike) {
    for (const std::string k : {"\n", "\r\n", "\r"}) {
        const FunkcjaPla f = Rozwin(".i 3" + k + ".o 1" + k + "100 1" + k + "021 -" + k);
        EXPECT_EQ(f.Wlaczone, Zbior({4})) << k.size();
        EXPECT_EQ(f.Obojetne, Zbior({1, 3})) << k.size();
        PlikPla pla;
        const auto blad = CzytajPla(".i 3" + k + ".o 1" + k + "100 1" + k + "11 1" + k, pla);
        ASSERT_TRUE(blad);
        EXPECT_NE(blad->find("wiersz 4:"), std::string::npos) << *blad;
    }
}

TEST(pla, InputNamesBecomeTheLettersOnlyWhenTheyAreDistinctSingleLetters) {
    EXPECT_EQ(Rozwin(".i 3\n.ilb Q X C\n111 1\n").Kodowanie, "QXC");
    const FunkcjaPla nazwy = Rozwin(".i 3\n.ilb a0 a1 en\n111 1\n");
    EXPECT_EQ(nazwy.Kodowanie, "ABC");
    EXPECT_EQ(nazwy.NazwyWejsc, std::vector<std::string>({"a0", "a1", "en"}));
    EXPECT_EQ(Rozwin(".i 2\n.ilb Q Q\n11 1\n").Kodowanie, "AB");
}

TEST(pla, MalformedFilesAreRefusedWithLineAndReason) {
    const std::pair<std::string, const char*> odmowy[] = {
        {".i 3\n.o 1\n11 1\n", "wiersz 3: oczekiwano 3"},
        {".i 2\n.o 1\n1x 1\n", "wiersz 3: nieznany znak wejścia 'x'"},
        {".i 2\n.o 1\n11 x\n", "nieznany znak wyjścia 'x'"},
        {".i 4097\n", "wiersz 1: więcej niż 4096 wejść"},
        // 27 inputs, and the one output depends on each of them.
        {".i 27\n" + std::string(27, '1') + " 1\n", "wyjście 1 zależy od 27 wejść, więcej niż 26"},
        {".mv 3 1 2 2\n", "(.mv) nie są obsługiwane"},
        {".i 2\n.symbolic a b ;\n", "wiersz 2"},
        {".i 2\n.type fx\n", "nieznany typ"},
        {".i 2\n.phase 1\n", "nieznane słowo kluczowe .phase"},
        {"11 1\n", "iloczyn przed .i"},
        {"", "nie podaje liczby wejść"},
        {".i 2\n.ilb A\n", ".ilb podaje 1"},
        {".i 2\n.type fr\n1- 1\n11 0\n", "wiersz 4: minterm 3 należy i do"},
        // 11 free inputs are 2048 minterms, over the limit of 1000 given here.
        {".i 11\n----------- 1\n", "wiersz 2: więcej niż 1000"},
        // Cubes of 512 minterms each: the third passes the limit.
        {".i 11\n00--------- 1\n01--------- -\n10--------- 1\n", "więcej niż 1000"},
        // fr: the don't-cares are everything not ON or OFF.
        {".i 11\n.type fr\n00000000000 1\n", "więcej niż 1000"}};
    for (const auto& [tekst, fragment] : odmowy) {
        PlikPla pla;
        auto blad = CzytajPla(tekst, pla);
        if (!blad) {
            FunkcjaPla f;
            blad = RozwinWyjscie(pla, 0, 1000, f);
        }
        ASSERT_TRUE(blad) << tekst;
        EXPECT_NE(blad->find(fragment), std::string::npos) << *blad;
    }
}

// A file of more inputs than letters: each output over the inputs its own cubes (ON, don't-care,
// OFF) name, in column order, keeping their names; one that names none is over the first.
TEST(pla, WideFileGivesEachOutputOverTheInputsItDependsOn) {
    // 30 inputs; output 1 uses columns 3 and 28, and column 1 only in its don't-care cube;
    // output 2 uses column 30 only in its OFF cube; output 3 nothing.
    auto kostka = [](std::initializer_list<std::pair<int, char>> znaki, const char* wyjscia) {
        std::string w(30, '-');
        for (auto [kolumna, z] : znaki)
            w[static_cast<std::size_t>(kolumna - 1)] = z;
        return w + " " + wyjscia + "\n";
    };
    const std::string tekst = ".i 30\n.o 3\n.type fdr\n" + kostka({{3, '1'}, {28, '0'}}, "1~~") +
                              kostka({{28, '1'}}, "-~~") + kostka({{1, '1'}}, "-~~") +
                              kostka({{29, '0'}, {30, '0'}}, "~0~") + kostka({{29, '1'}}, "~1~");
    const std::tuple<int, const char*, std::vector<std::string>, Zbior, Zbior> wyjscia[] = {
        {0, "ABC", {"x1", "x3", "x28"}, {2}, {0, 1, 3, 4, 5, 6, 7}}, // 0 is in no set
        {1, "AB", {"x29", "x30"}, {2, 3}, {1}},
        {2, "A", {"x1"}, {}, {0, 1}}};
    for (const auto& [k, kodowanie, nazwy, wlaczone, obojetne] : wyjscia) {
        const FunkcjaPla f = Rozwin(tekst, k);
        EXPECT_EQ(f.Kodowanie, kodowanie) << k;
        EXPECT_EQ(f.NazwyWejsc, nazwy) << k;
        EXPECT_EQ(f.Wlaczone, wlaczone) << k;
        EXPECT_EQ(f.Obojetne, obojetne) << k;
    }
    // In a file of type f a "-" or "0" output says nothing, so its cube's inputs do not count.
    const FunkcjaPla f = Rozwin(".i 30\n.o 1\n.type f\n" + kostka({{2, '1'}}, "1") +
                                kostka({{7, '1'}}, "-") + kostka({{9, '0'}}, "0"));
    EXPECT_EQ(f.NazwyWejsc, std::vector<std::string>({"x2"}));
    EXPECT_EQ(f.Wlaczone, Zbior({1}));
    // An output over exactly 26 inputs is taken.
    std::string kostka26 = kostka({}, "1");
    std::fill(kostka26.begin() + 2, kostka26.begin() + 28, '1');
    const FunkcjaPla pelna = Rozwin(".i 30\n.o 1\n" + kostka26);
    EXPECT_EQ(pelna.Kodowanie.size(), 26u);
    EXPECT_EQ(pelna.Wlaczone, Zbior({(1u << 26) - 1}));
    // Named inputs keep their names.
    std::string ilb = ".i 30\n.ilb";
    for (int i = 1; i <= 30; ++i)
        ilb += " in" + std::to_string(i);
    EXPECT_EQ(Rozwin(ilb + "\n" + kostka({{5, '1'}}, "1")).NazwyWejsc,
              std::vector<std::string>({"in5"}));
}

TEST(pla, OverlappingCubesCountEachMintermOnce) {
    // Eight copies of a 512-minterm cube stay 512 minterms, under a limit of 1000.
    std::string tekst = ".i 10\n.o 1\n";
    for (int i = 0; i < 8; ++i)
        tekst += "1--------- 1\n";
    EXPECT_EQ(Rozwin(tekst, 0, 1000).Wlaczone.size(), 512u);
}

TEST(pla, ExportThenImportGivesTheSameFunctionAndForm) {
    const FunkcjaPla f = Rozwin(ZapiszPlaFunkcji("ABC", {1, 2, 7}, {0, 5}));
    EXPECT_EQ(f.Wlaczone, Zbior({1, 2, 7}));
    EXPECT_EQ(f.Obojetne, Zbior({0, 5}));
    // A form's groups are its cubes: "aC" over ABC is 001 and 011.
    EXPECT_EQ(Rozwin(ZapiszPlaPostaci("ABC", "aC+AbC")).Wlaczone, Zbior({1, 3, 5}));
    EXPECT_EQ(Rozwin(ZapiszPlaPostaci("ABC", "1")).Wlaczone.size(), 8u);
}

} // namespace

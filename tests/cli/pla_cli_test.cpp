// vyn-cli with PLA files (import, export of a form), don't-cares in its output, and the memory
// check of a raised capacity.
#include "../core/funkcje_graniczne.h"
#include "cli_uruchom.h"
#include "qm/pojemnosc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using testy::Cli;
using testy::PlikiTymczasowe;

namespace {

// The value of a one-line text key of the JSON output.
std::string Klucz(const std::string& json, const std::string& klucz) {
    const std::string poczatek = "\"" + klucz + "\": \"";
    const auto p = json.find(poczatek);
    if (p == std::string::npos)
        return "<brak>";
    const auto od = p + poczatek.size();
    return json.substr(od, json.find('"', od) - od);
}

std::set<int> Liczby(const std::string& tekst) {
    std::set<int> s;
    for (const int n : granice::Liczby(tekst))
        s.insert(n);
    return s;
}

const char* const DwaWyjscia = ".i 3\n.o 2\n.ilb x0 x1 x2\n.ob f g\n"
                               "1-1 10\n01- 01\n000 1-\n.e\n";

} // namespace

TEST(pla_cli_test, form_written_as_pla_is_a_function_between_required_and_dont_cares) {
    PlikiTymczasowe pliki;
    const std::string pla = pliki.Sciezka("postac.pla");
    const auto w = Cli({"--pla-out", pla, "--pla-out-form", "0,2,3,5,6,7,8,9;10,11,12,13,14,15"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    const auto po = Cli({"--json", "--file", pla});
    ASSERT_EQ(po.kod, 0) << po.bledy;
    const auto m = Liczby(Klucz(po.wyjscie, "KanonicznaDziesietna"));
    const std::set<int> wymagane = {0, 2, 3, 5, 6, 7, 8, 9};
    EXPECT_TRUE(std::includes(m.begin(), m.end(), wymagane.begin(), wymagane.end()));
    EXPECT_TRUE(std::all_of(m.begin(), m.end(), [](int x) { return x <= 15; }));
    EXPECT_EQ(Klucz(po.wyjscie, "Obojetne"), "<brak>");
}

TEST(pla_cli_test, outputs_names_and_exit_codes) {
    PlikiTymczasowe pliki;
    const std::string dwa = pliki.Plik("dwa.pla", DwaWyjscia);
    const auto bez = Cli({"--file", dwa});
    EXPECT_EQ(bez.kod, vyn::cli::ZleDane);
    EXPECT_NE(bez.bledy.find("wybierz jedno opcją --output: f, g"), std::string::npos) << bez.bledy;

    // Output g: ON 01- (2, 3), don't-care 000 (0); the names are not letters: a legend.
    const auto g = Cli({"--file", dwa, "--output", "g"});
    ASSERT_EQ(g.kod, 0) << g.bledy;
    EXPECT_NE(g.wyjscie.find("Wejścia PLA: A = x0, B = x1, C = x2\n"), std::string::npos);
    EXPECT_NE(g.wyjscie.find("Postać kanoniczna dziesiętna: 2,3\n"), std::string::npos);
    EXPECT_NE(g.wyjscie.find("Stany obojętne dziesiętnie: 0\n"), std::string::npos);
    EXPECT_EQ(Cli({"--file", dwa, "--output", "2"}).wyjscie, g.wyjscie);

    const std::pair<std::vector<std::string>, int> przypadki[] = {
        {{"--capacity", "99999", "0,1"}, vyn::cli::ZleDane},
        {{"--capacity", "50000001", "0,1"}, vyn::cli::ZleDane},
        {{"--capacity", "12x", "0,1"}, vyn::cli::ZleDane},
        {{"--capacity", "-5", "0,1"}, vyn::cli::ZleDane},
        {{"--file", dwa, "--output", "3"}, vyn::cli::ZleDane},
        {{"--file", dwa, "--output", "1"}, vyn::cli::Sukces},
        {{"--file", pliki.Plik("zly.pla", ".i 2\n.o 1\n1 1\n")}, vyn::cli::ZleDane},
        {{"--file", pliki.Plik("zero.pla", ".i 2\n.o 1\n11 0\n")}, vyn::cli::ZleDane},
        {{"--output", "1", "0,1"}, vyn::cli::ZleDane},
        {{"--pla-out-form", "0,1"}, vyn::cli::ZleDane},
        {{"--pla-out", pliki.Sciezka("brak/x.pla"), "0,1"}, vyn::cli::ZleDane},
    };
    for (const auto& [argumenty, kod] : przypadki)
        EXPECT_EQ(Cli(argumenty).kod, kod) << argumenty[0] << " " << argumenty.back();
    EXPECT_NE(Cli({"--file", pliki.Sciezka("zly.pla")}).bledy.find("wiersz 3"), std::string::npos);
}

TEST(pla_cli_test, memory_estimate_refuses_what_the_machine_lacks) {
    using vyn::SprawdzPojemnosc;
    EXPECT_FALSE(SprawdzPojemnosc(vyn::PojemnoscTablicy, 26, 0)); // the default is never refused
    EXPECT_FALSE(SprawdzPojemnosc(1000000, 20, std::nullopt));    // nothing known: not checked
    const std::uint64_t potrzeba = vyn::SzacunekPamieci(1000000, 20);
    EXPECT_GT(potrzeba, 1000000u * 16u); // at least the two tables' words
    EXPECT_FALSE(SprawdzPojemnosc(1000000, 20, potrzeba));
    const auto brak = SprawdzPojemnosc(1000000, 20, potrzeba - 1);
    ASSERT_TRUE(brak);
    EXPECT_NE(brak->find("Pojemność 1000000"), std::string::npos) << *brak;
    EXPECT_TRUE(SprawdzPojemnosc(vyn::MaksPojemnosc + 1, 20, std::nullopt));
}

// vyn-cli: the JSON object and the text report of the worked examples, the options, files
// (.vyn, .hal, PLA in and out), and the exit statuses with their one-line messages.
#include "../core/funkcje_graniczne.h"
#include "cli_uruchom.h"
#include "qm/pojemnosc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using testy::Cli;
using testy::PlikiTymczasowe;
namespace cli = vyn::cli;

namespace {
const char* const DwaWyjscia = ".i 3\n.o 2\n.ilb x0 x1 x2\n.ob f g\n1-1 10\n01- 01\n000 1-\n.e\n";
} // namespace

TEST(cli_test, json_of_a_cyclic_function_has_exactly_the_promised_keys) {
    auto w = Cli({"--json", "0,1,2,5,6,7"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    EXPECT_EQ(w.wyjscie, "{\n"
                         "  \"Kodowanie\": \"ABC\",\n"
                         "  \"KanonicznaLiterowa\": \"abc+abC+aBc+AbC+ABc+ABC\",\n"
                         "  \"KanonicznaDziesietna\": \"0,1,2,5,6,7\",\n"
                         "  \"Szczegoly\": [\"1 6 15\", \"2 6 15\", \"3 0 0\"],\n"
                         "  \"ProsteImplikanty\": \"ab,ac,bC,Bc,AC,AB\",\n"
                         "  \"ImplikantyIstotne\": \"\",\n"
                         "  \"PostacieMinimalne\": [\"ab+Bc+AC\", \"bC+AB+ac\"],\n"
                         "  \"IloscMinimalnych\": 2,\n"
                         "  \"DolnaGranica\": 6,\n"
                         "  \"Przerwano\": false,\n"
                         "  \"Obcieto\": false,\n"
                         "  \"KosztPostaci\": 9,\n"
                         "  \"DowiedzionaGranica\": 9,\n"
                         "  \"MinimalnaDowiedziona\": true\n"
                         "}\n");
}

// What each run prints (a fragment of the text or JSON output), typed or from a file read as
// the Open command reads it.
TEST(cli_test, text_report_options_and_files_give_what_the_typed_function_gives) {
    PlikiTymczasowe pliki;
    const std::string dwa = pliki.Plik("dwa.pla", DwaWyjscia);
    const std::string zero = pliki.Plik("zero.pla", ".i 2\n.o 1\n11 0\n1- -\n");
    const std::pair<std::vector<std::string>, std::vector<std::string>> przypadki[] = {
        {{"--verify", "A+bC"},
         {"Postać kanoniczna literowa: Abc+AbC+ABc+ABC+abC\n",
          "Postać kanoniczna dziesiętna: 1,7,6,5,4\n", "  3 1 0\n",
          "Postać minimalna jedyna: bC+A  (liter: 3, grup: 2)\n", "Weryfikacja"}},
        {{"0,1,2,5,6,7"}, {"Postać minimalna 2 z 2: bC+AB+ac"}},
        {{"--json", "--order", "desc", "AbCd"}, {"\"KanonicznaDziesietna\": \"5\""}},
        {{"--json", "--order", "cab", "AB+c"}, {"\"Kodowanie\": \"CAB\""}},
        // Zero seconds: the run stops before any cover is known; the essential part it falls
        // back on is not the function, so no form is offered.
        {{"--json", "--verify", "--time-limit", "0", "0,1,2,5,6,7,9,12,14,15"},
         {"\"Przerwano\": true", "\"PostacieMinimalne\": []", "\"IloscMinimalnych\": 0"}},
        {{"--time-limit", "0", "0,1,2,5,6,7,9,12,14,15"}, {"Postać minimalna: brak"}},
        // Output g of a PLA file: ON 01- (2, 3), don't-care 000 (0); names that are not
        // letters get a legend; an output is named or numbered.
        {{"--file", dwa, "--output", "g"},
         {"Wejścia PLA: A = x0, B = x1, C = x2\n", "Postać kanoniczna dziesiętna: 2,3\n",
          "Stany obojętne dziesiętnie: 0\n"}},
        {{"--file", dwa, "--output", "2"}, {"Postać kanoniczna dziesiętna: 2,3\n"}},
        {{"--file", dwa, "--output", "1"}, {"Wejścia PLA: A = x0, B = x1, C = x2\n"}},
        // An output that is never 1 (its don't-cares need no cover): the constant 0, free.
        {{"--verify", "--file", zero},
         {"Kodowanie: AB\n", "Postać minimalna jedyna: 0  (liter: 0, grup: 0)\n", "Weryfikacja"}},
        {{"--json", "--file", zero},
         {"\"PostacieMinimalne\": [\"0\"]", "\"KosztPostaci\": 0",
          "\"MinimalnaDowiedziona\": true"}},
    };
    for (const auto& [argumenty, fragmenty] : przypadki) {
        const auto w = Cli(argumenty);
        EXPECT_EQ(w.kod, cli::Sukces) << argumenty.back() << ": " << w.bledy;
        for (const auto& f : fragmenty)
            EXPECT_NE(w.wyjscie.find(f), std::string::npos) << argumenty.back() << ": " << f;
    }

    struct Plik {
        std::string nazwa, tresc, jakWpisana;
    };
    for (const auto& p : std::vector<Plik>{
             {"litery.vyn", "A+bC\r\nAB\r\n", "A+bC"}, // lines after the first are ignored
             // "." becomes "," and the blank goes; the digit in second place makes it decimal.
             {"kropki.vyn", " 0.1.2,5,6,7\r\n", "0,1,2,5,6,7"},
             // A 3-variable map: rows 0110 and 0001 are minterms 1, 3 and 6.
             {"mapa.hal", "ABC\r\n3\r\npoziome\r\n0110\r\n0001\r\n", "1,3,6"},
         }) {
        const auto z = Cli({"--json", "--file", pliki.Plik(p.nazwa, p.tresc)});
        ASSERT_EQ(z.kod, 0) << p.nazwa << ": " << z.bledy;
        EXPECT_EQ(z.wyjscie, Cli({"--json", p.jakWpisana}).wyjscie) << p.nazwa;
    }
    // The options apply to a function from a file as to a typed one.
    const auto plik = pliki.Plik("f.vyn", "AbCd\r\n");
    EXPECT_EQ(Cli({"--order", "desc", "--json", "--file", plik}).wyjscie,
              Cli({"--order", "desc", "--json", "AbCd"}).wyjscie);
}

TEST(cli_test, bad_arguments_and_files_exit_2_with_one_line) {
    PlikiTymczasowe pliki;
    std::filesystem::create_directories(pliki.Sciezka("folder.vyn"));
    const std::string dwa = pliki.Plik("dwa.pla", DwaWyjscia);
    const std::pair<std::vector<std::string>, std::string> przypadki[] = {
        {{"--order", "AB", "AB+C"}, ""},
        {{"1,x"}, "vyn-cli: 'x' is not a valid integer value\n"},
        {{}, ""},
        {{"--bogus", "A"}, ""},
        {{"--time-limit", "-1", "A"}, ""},
        {{"A", "B"}, ""},
        {{"A**"}, ""},
        {{"--capacity", "99999", "0,1"}, ""},
        {{"--capacity", "50000001", "0,1"}, ""},
        {{"--capacity", "12x", "0,1"}, ""},
        {{"--capacity", "-5", "0,1"}, ""},
        // The extension is compared exactly, as by Open.
        {{"--file", pliki.Plik("F.VYN", "AB\r\n")}, "Nie mogę otworzyć pliku tego typu"},
        {{"--file", pliki.Plik("f.txt", "AB\r\n")}, "Nie mogę otworzyć pliku tego typu"},
        {{"--file", pliki.Sciezka("brak.vyn")}, "brak.vyn"},
        {{"--file", pliki.Sciezka("folder.vyn")}, "folder"},
        {{"--file", pliki.Plik("zla.hal", "AB\r\nabc\r\n")}, "'abc' is not a valid integer value"},
        {{"--file", pliki.Plik("pusta.vyn", "\r\n")}, "nie zawiera funkcji"}, // an empty save
        {{"--file", pliki.Plik("g.vyn", "AB\r\n"), "AB"}, "nie oba"},
        {{"--file"}, "--file"},
        {{"--file", dwa}, "wybierz jedno opcją --output: f, g"},
        {{"--file", dwa, "--output", "3"}, ""},
        {{"--file", pliki.Plik("zly.pla", ".i 2\n.o 1\n1 1\n")}, "wiersz 3"},
        {{"--output", "1", "0,1"}, ""},
        {{"--pla-out-form", "0,1"}, ""},
        {{"--pla-out", pliki.Sciezka("brak/x.pla"), "0,1"}, ""},
    };
    for (const auto& [argumenty, wBledzie] : przypadki) {
        const auto w = Cli(argumenty);
        const std::string opis = argumenty.empty() ? "" : argumenty.back();
        EXPECT_EQ(w.kod, cli::ZleDane) << opis;
        EXPECT_TRUE(w.wyjscie.empty()) << opis;
        EXPECT_NE(w.bledy.find(wBledzie), std::string::npos) << w.bledy;
        EXPECT_EQ(w.bledy.find('\n'), w.bledy.size() - 1) << w.bledy;
    }
}

TEST(cli_test, form_written_as_pla_is_a_function_between_required_and_dont_cares) {
    PlikiTymczasowe pliki;
    const std::string pla = pliki.Sciezka("postac.pla");
    const auto w = Cli({"--pla-out", pla, "--pla-out-form", "0,2,3,5,6,7,8,9;10,11,12,13,14,15"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    const auto po = Cli({"--json", "--file", pla});
    ASSERT_EQ(po.kod, 0) << po.bledy;
    const std::string klucz = "\"KanonicznaDziesietna\": \"";
    const auto od = po.wyjscie.find(klucz) + klucz.size();
    std::set<int> m;
    for (int n : granice::Liczby(po.wyjscie.substr(od, po.wyjscie.find('"', od) - od)))
        m.insert(n);
    const std::set<int> wymagane = {0, 2, 3, 5, 6, 7, 8, 9};
    EXPECT_TRUE(std::includes(m.begin(), m.end(), wymagane.begin(), wymagane.end()));
    EXPECT_LE(*m.rbegin(), 15);
    EXPECT_EQ(po.wyjscie.find("\"Obojetne"), std::string::npos);
}

TEST(cli_test, memory_estimate_refuses_what_the_machine_lacks) {
    using vyn::SprawdzPojemnosc;
    EXPECT_FALSE(SprawdzPojemnosc(vyn::PojemnoscTablicy, 26, 0)); // the default is never refused
    EXPECT_FALSE(SprawdzPojemnosc(1000000, 20, std::nullopt));    // nothing known: not checked
    const std::uint64_t potrzeba = vyn::SzacunekPamieci(1000000, 20);
    EXPECT_GT(potrzeba, 1000000u * 16u); // at least the two tables' words
    EXPECT_FALSE(SprawdzPojemnosc(1000000, 20, potrzeba));
    const auto brak = SprawdzPojemnosc(1000000, 20, potrzeba - 1);
    ASSERT_TRUE(brak);
    EXPECT_NE(brak->find("Pojemność 1000000"), std::string::npos) << *brak;
    // Mebibytes rounded up.
    EXPECT_TRUE(SprawdzPojemnosc(1000000, 20, 3u << 20)->ends_with(" jest 3 MiB"));
    EXPECT_TRUE(SprawdzPojemnosc(1000000, 20, (3u << 20) + 1)->ends_with(" jest 4 MiB"));
    EXPECT_FALSE(SprawdzPojemnosc(vyn::MaksPojemnosc, 20, std::nullopt)); // both ends allowed
    EXPECT_TRUE(SprawdzPojemnosc(vyn::MaksPojemnosc + 1, 20, std::nullopt));
}

// vyn-cli: the JSON object for the worked examples, the options, and the exit statuses.
#include "cli_uruchom.h"

#include <gtest/gtest.h>

using testy::Cli;
using testy::PlikiTymczasowe;

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

TEST(cli_test, text_report_names_each_stage_and_the_options_choose_the_encoding) {
    const auto w = Cli({"--verify", "A+bC"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    for (const char* linia :
         {"Postać kanoniczna literowa: Abc+AbC+ABc+ABC+abC\n",
          "Postać kanoniczna dziesiętna: 1,7,6,5,4\n", "  3 1 0\n",
          "Postać minimalna jedyna: bC+A  (liter: 3, grup: 2)\n", "Weryfikacja"})
        EXPECT_NE(w.wyjscie.find(linia), std::string::npos) << linia;
    EXPECT_NE(Cli({"0,1,2,5,6,7"}).wyjscie.find("Postać minimalna 2 z 2: bC+AB+ac"),
              std::string::npos);
    EXPECT_NE(
        Cli({"--json", "--order", "desc", "AbCd"}).wyjscie.find("\"KanonicznaDziesietna\": \"5\""),
        std::string::npos);
    EXPECT_NE(Cli({"--json", "--order", "cab", "AB+c"}).wyjscie.find("\"Kodowanie\": \"CAB\""),
              std::string::npos);
}

TEST(cli_test, bad_input_exits_2_with_one_line) {
    for (const auto& argumenty : std::vector<std::vector<std::string>>{{"--order", "AB", "AB+C"},
                                                                       {"1,x"},
                                                                       {},
                                                                       {"--bogus", "A"},
                                                                       {"--time-limit", "-1", "A"},
                                                                       {"A", "B"},
                                                                       {"A**"}}) {
        auto w = Cli(argumenty);
        EXPECT_EQ(w.kod, 2);
        EXPECT_TRUE(w.wyjscie.empty());
        ASSERT_FALSE(w.bledy.empty());
        EXPECT_EQ(w.bledy.find('\n'), w.bledy.size() - 1) << w.bledy;
    }
    EXPECT_EQ(Cli({"1,x"}).bledy, "vyn-cli: 'x' is not a valid integer value\n");
}

TEST(cli_test, time_limit_stops_the_run_and_never_offers_a_non_cover) {
    // Zero seconds: the run stops at its first check, before any cover is known; the
    // essential part it falls back on is not the function, so no form is offered.
    auto w = Cli({"--json", "--verify", "--time-limit", "0", "0,1,2,5,6,7,9,12,14,15"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    EXPECT_NE(w.wyjscie.find("\"Przerwano\": true"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("\"PostacieMinimalne\": []"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("\"IloscMinimalnych\": 0"), std::string::npos);
    auto tekst = Cli({"--time-limit", "0", "0,1,2,5,6,7,9,12,14,15"});
    EXPECT_NE(tekst.wyjscie.find("Postać minimalna: brak"), std::string::npos);
}

TEST(cli_test, file_is_read_as_the_open_command_reads_it_then_runs_as_typed) {
    PlikiTymczasowe pliki;
    struct Przypadek {
        std::string nazwa, tresc, jakWpisana;
    };
    for (const auto& p : std::vector<Przypadek>{
             // Lines after the first are ignored.
             {"litery.vyn", "A+bC\r\nAB\r\n", "A+bC"},
             // The Open command's cleaning: "." becomes "," and the blank goes; the digit in
             // second place makes the notation decimal.
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
    EXPECT_EQ(Cli({"--verify", "--file", plik}).kod, 0);
}

TEST(cli_test, file_that_cannot_give_a_function_exits_2_with_one_line) {
    PlikiTymczasowe pliki;
    std::filesystem::create_directories(pliki.Sciezka("folder.vyn"));
    struct Przypadek {
        std::vector<std::string> argumenty;
        std::string wBledzie;
    };
    for (const auto& p : std::vector<Przypadek>{
             // The extension is compared exactly, as by Open.
             {{"--file", pliki.Plik("F.VYN", "AB\r\n")}, "Nie mogę otworzyć pliku tego typu"},
             {{"--file", pliki.Plik("f.txt", "AB\r\n")}, "Nie mogę otworzyć pliku tego typu"},
             {{"--file", pliki.Sciezka("brak.vyn")}, "brak.vyn"},
             {{"--file", pliki.Sciezka("folder.vyn")}, "folder"},
             {{"--file", pliki.Plik("zla.hal", "AB\r\nabc\r\n")},
              "'abc' is not a valid integer value"},
             // What saving an empty function writes.
             {{"--file", pliki.Plik("pusta.vyn", "\r\n")}, "nie zawiera funkcji"},
             {{"--file", pliki.Plik("g.vyn", "AB\r\n"), "AB"}, "nie oba"},
             {{"--file"}, "--file"},
         }) {
        const auto w = Cli(p.argumenty);
        EXPECT_EQ(w.kod, 2) << p.wBledzie;
        EXPECT_TRUE(w.wyjscie.empty()) << p.wBledzie;
        EXPECT_NE(w.bledy.find(p.wBledzie), std::string::npos) << w.bledy;
        EXPECT_EQ(w.bledy.find('\n'), w.bledy.size() - 1) << w.bledy;
    }
}

// vyn-cli: the JSON object for the worked examples, the options, and the exit statuses.
#include "cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Wynik {
    int kod;
    std::string wyjscie, bledy;
};

Wynik Cli(std::vector<std::string> argumenty) {
    std::ostringstream o, e;
    const int kod = vyn::cli::Uruchom(argumenty, o, e);
    return {kod, o.str(), e.str()};
}

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
                         "  \"Obcieto\": false\n"
                         "}\n");
}

TEST(cli_test, text_report_names_each_stage_and_the_caption_data) {
    auto w = Cli({"--verify", "A+bC"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    EXPECT_NE(w.wyjscie.find("Postać kanoniczna literowa: Abc+AbC+ABc+ABC+abC\n"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("Postać kanoniczna dziesiętna: 1,7,6,5,4\n"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("  3 1 0\n"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("Postać minimalna jedyna: bC+A  (liter: 3, grup: 2)\n"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("Weryfikacja"), std::string::npos);

    auto dwie = Cli({"0,1,2,5,6,7"});
    EXPECT_NE(dwie.wyjscie.find("Postać minimalna 2 z 2: bC+AB+ac"), std::string::npos);
}

TEST(cli_test, order_option_chooses_the_encoding) {
    auto malejaco = Cli({"--json", "--order", "desc", "AbCd"});
    EXPECT_NE(malejaco.wyjscie.find("\"KanonicznaDziesietna\": \"5\""), std::string::npos);
    auto wlasne = Cli({"--json", "--order", "cab", "AB+c"});
    EXPECT_NE(wlasne.wyjscie.find("\"Kodowanie\": \"CAB\""), std::string::npos);
}

TEST(cli_test, bad_input_exits_2_with_one_line) {
    for (const auto& argumenty : std::vector<std::vector<std::string>>{
             {"--order", "AB", "AB+C"}, {"67108864"}, {"1,x"}, {}, {"--bogus", "A"},
             {"--time-limit", "-1", "A"}, {"A", "B"}, {"A**"}}) {
        auto w = Cli(argumenty);
        EXPECT_EQ(w.kod, 2);
        EXPECT_TRUE(w.wyjscie.empty());
        ASSERT_FALSE(w.bledy.empty());
        EXPECT_EQ(w.bledy.find('\n'), w.bledy.size() - 1) << w.bledy;
    }
    EXPECT_EQ(Cli({"1,x"}).bledy, "vyn-cli: 'x' is not a valid integer value\n");
}

TEST(cli_test, full_table_exits_3) {
    auto w = Cli({"abcd+ABCDEFGHIJKLMNOPQRST"});
    EXPECT_EQ(w.kod, 3);
    EXPECT_EQ(w.bledy, "vyn-cli: Przekroczona pojemność tablicy\n");
}

TEST(cli_test, time_limit_stops_the_run_and_keeps_a_form) {
    // Zero seconds: the run stops at its first check and still reports a single form.
    auto w = Cli({"--json", "--time-limit", "0", "0,1,2,5,6,7,9,12,14,15"});
    ASSERT_EQ(w.kod, 0) << w.bledy;
    EXPECT_NE(w.wyjscie.find("\"Przerwano\": true"), std::string::npos);
    EXPECT_NE(w.wyjscie.find("\"IloscMinimalnych\": 1"), std::string::npos);
}

TEST(cli_test, help_and_version) {
    EXPECT_EQ(Cli({"--help"}).kod, 0);
    EXPECT_NE(Cli({"--help"}).wyjscie.find("--time-limit"), std::string::npos);
    EXPECT_EQ(Cli({"--version"}).wyjscie.rfind("vyn-cli ", 0), 0u);
}

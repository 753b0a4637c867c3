// Each limit of the program at the limit and one step past it: what vyn-cli (and through it the
// engine), the editor and the file reader do there, and the message the user gets.
#include "cli_uruchom.h"
#include "files/plik_vyn.h"
#include "funkcje_graniczne.h"
#include "qm/kanoniczna.h"
#include "qm/kodowanie.h"
#include "qm/przebieg.h"
#include "qm/tablica_pomocnicza.h"
#include "text/edytor.h"
#include "text/funkcja.h"
#include "uruchom.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vyn;
using testy::Cli;

namespace {

std::size_t Linie(const std::string& tekst, const std::string& poczatek) {
    std::size_t ile = 0;
    std::istringstream s(tekst);
    for (std::string l; std::getline(s, l);)
        ile += l.rfind(poczatek, 0) == 0;
    return ile;
}

WynikKlawisza Wpisz(StanEdytora& s, const std::string& klawisze) {
    WynikKlawisza w;
    for (char c : klawisze)
        w = NacisnijKlawisz(s, c == ' ' ? Klawisz::Spacja : c, false);
    return w;
}

std::string Male(std::string t) {
    for (char& c : t)
        c = static_cast<char>(c - 'A' + 'a');
    return t;
}

const std::string Litery26 = granice::Alfabet + "+" + Male(granice::Alfabet);
const std::string Kanoniczna = "Postać kanoniczna funkcji ma więcej niż ";

struct Granica {
    std::vector<std::string> Argumenty; // vyn-cli's; "--verify" is added to the accepted ones
    int Kod;
    std::string Bledy;         // after "vyn-cli: "; empty for an accepted run
    std::string WWyjsciu = {}; // a text the output must hold
};

} // namespace

TEST(granice_test, each_limit_is_accepted_at_the_limit_and_refused_one_step_past) {
    // The function that needs the 100000th place, as a PLA file (written though its run fails).
    const testy::PlikiTymczasowe pliki;
    const std::string pla = pliki.Sciezka("tablica.pla");
    Cli({"--pla-out", pla, granice::FunkcjaTablicy(PojemnoscTablicy)});
    const Granica tabela[] = {
        // 26 letters: two minterms far apart, one form of 52 letters.
        {{Litery26}, cli::Sukces, "", "  (liter: 52, grup: 2)\n"},
        {{"--order", granice::Alfabet + "A", Litery26},
         cli::ZleDane,
         "Kodowanie " + granice::Alfabet + "A ma więcej niż 26 liter"},
        // The largest number takes all 26 letters.
        {{"0,67108863"}, cli::Sukces, "", "Kodowanie: " + granice::Alfabet + "\n"},
        {{"67108864"}, cli::ZleDane, KomunikatZakresu},
        // The first merged table gets 99999 terms; every cube is an essential prime.
        {{granice::FunkcjaTablicy(PojemnoscTablicy - 1)}, cli::Sukces, "", "\n  2 99999 "},
        // One term more needs the 100000th place: no forms.
        {{granice::FunkcjaTablicy(PojemnoscTablicy)},
         cli::PrzekroczonaPojemnosc,
         "Przekroczona pojemność tablicy"},
        // No two of these minterms merge: 100000 groups in the form.
        {{granice::OdosobnioneMintermy(PojemnoscTablicy)}, cli::Sukces, "", "grup: 100000)\n"},
        {{granice::OdosobnioneMintermy(PojemnoscTablicy + 1)},
         cli::ZleDane,
         Kanoniczna + "100000 składników"},
        // A raised capacity holds its own limit the same way.
        {{"--capacity", "120000", granice::OdosobnioneMintermy(120000)}, cli::Sukces, ""},
        {{"--capacity", "120000", granice::OdosobnioneMintermy(120001)},
         cli::ZleDane,
         Kanoniczna + "120000 składników"},
        {{"--capacity", "120000", granice::FunkcjaTablicy(119999)}, cli::Sukces, ""},
        {{"--capacity", "120000", granice::FunkcjaTablicy(120000)},
         cli::PrzekroczonaPojemnosc,
         "Przekroczona pojemność tablicy (120000 miejsc)"},
        // A PLA import takes the capacity the free memory allows, unless one is given.
        {{"--file", pla}, cli::Sukces, ""},
        {{"--capacity", "100000", "--file", pla},
         cli::PrzekroczonaPojemnosc,
         "Przekroczona pojemność tablicy"},
        // An empty group between two "+" would make the function always true unnoticed.
        {{"A++B"}, cli::ZleDane, "Dwa znaki '+' obok siebie w funkcji"},
        {{"+A+"}, cli::Sukces, ""}, // a separator at either end is the editor's own doing
    };
    for (const auto& g : tabela) {
        auto argumenty = g.Argumenty;
        if (g.Kod == cli::Sukces)
            argumenty.insert(argumenty.begin(), "--verify");
        const auto w = Cli(argumenty);
        SCOPED_TRACE(g.Argumenty.back().substr(0, 60));
        EXPECT_EQ(w.kod, g.Kod);
        EXPECT_EQ(w.bledy, g.Bledy.empty() ? "" : "vyn-cli: " + g.Bledy + "\n");
        if (g.Kod == cli::Sukces) {
            EXPECT_EQ(Linie(w.wyjscie, "Weryfikacja: "), 1u);
        } else {
            EXPECT_EQ(Linie(w.wyjscie, "Postać minimalna"), 0u);
        }
        EXPECT_NE(w.wyjscie.find(g.WWyjsciu), std::string::npos) << w.wyjscie.substr(0, 400);
    }
}

TEST(granice_test, the_editor_and_the_file_reader_at_the_letter_and_number_limits) {
    // A group holding every letter takes no further letter, in either case.
    StanEdytora s;
    Wpisz(s, granice::Alfabet);
    ASSERT_EQ(s.IloscLiter, 26);
    for (char c : granice::Alfabet)
        for (bool shift : {false, true}) {
            EXPECT_EQ(NacisnijKlawisz(s, c, shift).Komunikat, KomunikatPowtorzenie);
            EXPECT_EQ(s.Funkcja, granice::Alfabet);
        }
    // A 27th letter in a typed order: the encoding dialog warns.
    const auto ok = ZatwierdzKodowanie(granice::Alfabet + "A", granice::Alfabet, true, false);
    EXPECT_FALSE(ok.ZmienNapis);
    EXPECT_EQ(ok.Ostrzezenie,
              "Zbyt dużo liter kodujących.\nFunkcja wymaga ich tylko dwadzieścia sześć.");

    // Each key is judged by the text before it: the ninth digit is accepted, the next key not.
    StanEdytora d;
    EXPECT_EQ(Wpisz(d, "67108863 ").Komunikat, "");
    Wpisz(d, "67108864");
    EXPECT_EQ(d.Funkcja, "67108863,67108864");
    for (int kod :
         {int{' '}, int{'1'}, Klawisz::Num0, Klawisz::Enter, Klawisz::Home, Klawisz::End}) {
        const auto w = NacisnijKlawisz(d, kod, false);
        EXPECT_EQ(w.Komunikat, KomunikatZakresu) << kod;
        EXPECT_FALSE(w.Minimalizuj || w.Rysuj);
        EXPECT_EQ(d.Funkcja, "67108863,67108864");
    }
    // Moving the cursor is no key for a number; Backspace takes the digit away.
    EXPECT_EQ(NacisnijKlawisz(d, Klawisz::Lewo, false).Komunikat, "");
    NacisnijKlawisz(d, Klawisz::Prawo, false);
    NacisnijKlawisz(d, Klawisz::Backspace, false);
    EXPECT_EQ(Wpisz(d, "3").Komunikat, "");
    EXPECT_EQ(d.Funkcja, "67108863,67108863");

    // A file holding the number loads; one more, or far more, is refused with the same message.
    for (const auto& [bajty, blad] : std::vector<std::pair<std::string, std::string>>{
             {"67108863,0\r\n", ""},
             {"67108864\r\n", KomunikatZakresu},
             {"1,99999999999999999999", KomunikatZakresu}}) {
        PlikFunkcji plik;
        EXPECT_EQ(CzytajPlikFunkcji(bajty, RegulaCzyszczenia::Otwieranie, plik).value_or(""), blad);
    }
}

TEST(granice_test, a_thousand_forms_are_kept_and_more_are_said_to_be_left_out) {
    auto formy = [](const char* f) { return testy::Uruchom(f).IloscMinimalnych(); };
    ASSERT_EQ(formy(granice::Czterdziesci) * formy(granice::DwadziesciaPiec), 1000);
    ASSERT_EQ(formy(granice::Czterdziesci) * formy(granice::DwadziesciaSzesc), 1040);
    const std::string uwaga =
        "Uwaga: zachowano pierwsze 1000 postaci minimalnych; jest ich więcej.";

    const std::string przy = granice::Suma(granice::Czterdziesci, granice::DwadziesciaPiec);
    const auto a = Cli({"--verify", przy});
    EXPECT_EQ(a.kod, cli::Sukces) << a.bledy;
    EXPECT_EQ(Linie(a.wyjscie, "Postać minimalna "), 1000u);
    EXPECT_EQ(Linie(a.wyjscie, "Postać minimalna 1000 z 1000: "), 1u);
    EXPECT_EQ(Linie(a.wyjscie, uwaga), 0u);

    const std::string za = granice::Suma(granice::Czterdziesci, granice::DwadziesciaSzesc);
    const auto b = Cli({"--verify", za});
    EXPECT_EQ(b.kod, cli::Sukces) << b.bledy;
    EXPECT_EQ(Linie(b.wyjscie, "Postać minimalna "), 1000u);
    EXPECT_EQ(Linie(b.wyjscie, uwaga), 1u);
    const auto j = Cli({"--json", za});
    EXPECT_NE(j.wyjscie.find("\"IloscMinimalnych\": 1000"), std::string::npos);
    EXPECT_NE(j.wyjscie.find("\"Obcieto\": true"), std::string::npos);

    // Without the limit the search finds every pairing, and the kept forms are its first ones.
    const auto z = testy::Uruchom(za);
    testy::Zapis zapis;
    FlagaPrzerwania flaga;
    ZadanieMinimalizacji bez_granicy{za, true, z.Kodowanie};
    bez_granicy.MaksPostaci = 5000;
    const auto wszystkie = Minimalizuj(bez_granicy, zapis, flaga);
    EXPECT_EQ(wszystkie.IloscMinimalnych(), 1040);
    EXPECT_FALSE(wszystkie.Obcieto);
    auto pierwsze = wszystkie.PostacieMinimalne.Wszystkie();
    pierwsze.resize(1000);
    EXPECT_EQ(z.PostacieMinimalne, pierwsze);
}

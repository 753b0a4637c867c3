// Each limit of the program at the limit and one step past it: what the engine, the editor, the
// file reader and vyn-cli do there, and the message the user gets.
#include "cli_uruchom.h"
#include "files/plik_vyn.h"
#include "funkcje_graniczne.h"
#include "qm/kanoniczna.h"
#include "qm/kodowanie.h"
#include "qm/przebieg.h"
#include "qm/tablica_pomocnicza.h"
#include "qm/weryfikacja.h"
#include "text/edytor.h"
#include "text/funkcja.h"
#include "uruchom.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vyn;

namespace {

struct Przebieg {
    WynikMinimalizacji Wynik;
    std::vector<std::string> Komunikaty;
};

// A run as the main window starts it, with the ascending encoding unless letters are given.
Przebieg Uruchom(const std::string& f, bool dziesietna, std::string kodowanie = "") {
    if (kodowanie.empty())
        kodowanie = UstalKodowanie(TrybKodowania::Rosnaco, f, dziesietna, "").Kodowanie;
    testy::Zapis z;
    FlagaPrzerwania flaga;
    auto w = Minimalizuj({f, dziesietna, kodowanie}, z, flaga);
    return {std::move(w), z.Komunikaty};
}

// Every form of a finished run is exactly the function.
void FormyToFunkcja(const std::string& f, bool dziesietna, const WynikMinimalizacji& w) {
    ASSERT_EQ(w.Stan, StanPrzebiegu::Zakonczony) << w.Komunikat;
    ASSERT_GE(w.IloscMinimalnych(), 1);
    const auto mintermy = MintermyFunkcji(f, dziesietna, w.Kodowanie);
    for (const auto& p : w.PostacieMinimalne) {
        const auto blad = SprawdzPostac(p, w.Kodowanie, mintermy);
        ASSERT_FALSE(blad) << *blad;
    }
}

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

} // namespace

TEST(granice_test, twenty_six_letters_run_and_a_twenty_seventh_is_refused_everywhere) {
    std::string male = granice::Alfabet;
    for (char& c : male)
        c = static_cast<char>(c - 'A' + 'a');
    const std::string litery = granice::Alfabet + "+" + male;
    const auto w = Uruchom(litery, false).Wynik;
    EXPECT_EQ(w.Kodowanie, granice::Alfabet);
    EXPECT_EQ(w.Szczegoly.size(), 26u); // one pass per letter
    FormyToFunkcja(litery, false, w);
    EXPECT_EQ(w.PostacieMinimalne.front().size(), 53u); // two minterms far apart: 52 letters

    // The largest number takes all 26 letters as well.
    const auto d = Uruchom("0,67108863", true).Wynik;
    EXPECT_EQ(d.Kodowanie, granice::Alfabet);
    FormyToFunkcja("0,67108863", true, d);

    // A group holding every letter takes no further letter, in either case.
    StanEdytora s;
    Wpisz(s, granice::Alfabet);
    ASSERT_EQ(s.IloscLiter, 26);
    for (char c : granice::Alfabet)
        for (bool shift : {false, true}) {
            EXPECT_EQ(NacisnijKlawisz(s, c, shift).Komunikat, KomunikatPowtorzenie);
            EXPECT_EQ(s.Funkcja, granice::Alfabet);
        }

    // A 27th letter in a typed order: the encoding dialog warns, the run and vyn-cli refuse.
    const std::string dwadziescia_siedem = granice::Alfabet + "A";
    const auto ok = ZatwierdzKodowanie(dwadziescia_siedem, granice::Alfabet, true, false);
    EXPECT_FALSE(ok.ZmienNapis);
    EXPECT_EQ(ok.Ostrzezenie,
              "Zbyt dużo liter kodujących.\nFunkcja wymaga ich tylko dwadzieścia sześć.");
    const std::string komunikat = "Kodowanie " + dwadziescia_siedem + " ma więcej niż 26 liter";
    EXPECT_EQ(Uruchom(litery, false, dwadziescia_siedem).Wynik.Komunikat, komunikat);
    const auto c = testy::Cli({"--order", dwadziescia_siedem, litery});
    EXPECT_EQ(c.kod, cli::ZleDane);
    EXPECT_EQ(c.bledy, "vyn-cli: " + komunikat + "\n");
    EXPECT_EQ(testy::Cli({"--verify", litery}).kod, cli::Sukces);
}

TEST(granice_test, largest_number_at_the_limit_and_one_past) {
    // Each key is judged by the text before it: the ninth digit is accepted, the next key not.
    StanEdytora s;
    EXPECT_EQ(Wpisz(s, "67108863 ").Komunikat, "");
    EXPECT_EQ(s.Funkcja, "67108863,");
    Wpisz(s, "67108864");
    EXPECT_EQ(s.Funkcja, "67108863,67108864");
    for (int kod :
         {int{' '}, int{'1'}, Klawisz::Num0, Klawisz::Enter, Klawisz::Home, Klawisz::End}) {
        const auto w = NacisnijKlawisz(s, kod, false);
        EXPECT_EQ(w.Komunikat, KomunikatZakresu) << kod;
        EXPECT_FALSE(w.Minimalizuj || w.Rysuj);
        EXPECT_EQ(s.Funkcja, "67108863,67108864");
    }
    // Moving the cursor is no key for a number; Backspace takes the digit away.
    EXPECT_EQ(NacisnijKlawisz(s, Klawisz::Lewo, false).Komunikat, "");
    NacisnijKlawisz(s, Klawisz::Prawo, false);
    NacisnijKlawisz(s, Klawisz::Backspace, false);
    EXPECT_EQ(Wpisz(s, "3").Komunikat, "");
    EXPECT_EQ(s.Funkcja, "67108863,67108863");

    // A file holding the number loads; one more is refused with the editor's message.
    PlikFunkcji plik;
    EXPECT_FALSE(CzytajPlikFunkcji("67108863\r\n", RegulaCzyszczenia::Otwieranie, plik));
    EXPECT_EQ(plik.Funkcja, "67108863");
    EXPECT_EQ(CzytajPlikFunkcji("67108864\r\n", RegulaCzyszczenia::Otwieranie, plik),
              std::string(KomunikatZakresu));

    // The run and vyn-cli.
    const auto przebieg = Uruchom("67108864", true, granice::Alfabet).Wynik;
    EXPECT_EQ(przebieg.Stan, StanPrzebiegu::Odrzucony);
    EXPECT_EQ(przebieg.Komunikat, KomunikatZakresu);
    EXPECT_EQ(testy::Cli({"--verify", "67108863"}).kod, cli::Sukces);
    const auto c = testy::Cli({"67108864"});
    EXPECT_EQ(c.kod, cli::ZleDane);
    EXPECT_EQ(c.bledy, "vyn-cli: " + std::string(KomunikatZakresu) + "\n");
}

TEST(granice_test, a_table_takes_terms_up_to_its_last_place_and_the_run_stops_at_the_next) {
    // The first merged table gets 99999 terms: the run goes on to the forms.
    const std::size_t przy = PojemnoscTablicy - 1;
    ASSERT_EQ(granice::TerminyPierwszejTablicy(granice::WymiaryKostek(przy)), przy);
    const std::string f = granice::FunkcjaTablicy(przy);
    const auto w = Uruchom(f, false);
    FormyToFunkcja(f, false, w.Wynik);
    ASSERT_GE(w.Wynik.Szczegoly.size(), 2u);
    EXPECT_EQ(w.Wynik.Szczegoly[1].rfind("2 " + std::to_string(przy) + " ", 0), 0u)
        << w.Wynik.Szczegoly[1];
    EXPECT_TRUE(w.Komunikaty.empty());
    // Every cube is a prime implicant of its own and essential: one form.
    EXPECT_EQ(w.Wynik.IloscMinimalnych(), 1);
    EXPECT_EQ(PoliczGrupy(w.Wynik.PostacieMinimalne.front()), PoliczGrupy(f));

    // One term more needs the 100000th place: the message, once, and no form at all.
    const std::string za = granice::FunkcjaTablicy(PojemnoscTablicy);
    const auto z = Uruchom(za, false);
    EXPECT_EQ(z.Wynik.Stan, StanPrzebiegu::PrzekroczonaPojemnosc);
    EXPECT_EQ(z.Wynik.Komunikat, "Przekroczona pojemność tablicy");
    EXPECT_EQ(z.Komunikaty, std::vector<std::string>{"Przekroczona pojemność tablicy"});
    EXPECT_TRUE(z.Wynik.PostacieMinimalne.empty());
    EXPECT_TRUE(z.Wynik.ProsteImplikanty.empty());
    EXPECT_FALSE(z.Wynik.KanonicznaDziesietna.empty());

    EXPECT_EQ(testy::Cli({"--verify", f}).kod, cli::Sukces);
    const auto c = testy::Cli({za});
    EXPECT_EQ(c.kod, cli::PrzekroczonaPojemnosc);
    EXPECT_EQ(c.bledy, "vyn-cli: Przekroczona pojemność tablicy\n");
    EXPECT_EQ(Linie(c.wyjscie, "Postać minimalna"), 0u);
}

TEST(granice_test, canonical_form_holds_100000_minterms_and_refuses_one_more) {
    const std::string f = granice::OdosobnioneMintermy(PojemnoscTablicy);
    const auto w = Uruchom(f, true).Wynik;
    FormyToFunkcja(f, true, w);
    EXPECT_EQ(PoliczGrupy(w.KanonicznaDziesietna), 100000);
    EXPECT_EQ(PoliczGrupy(w.PostacieMinimalne.front()), 100000); // none merges with another

    const std::string za = granice::OdosobnioneMintermy(PojemnoscTablicy + 1);
    const auto z = Uruchom(za, true).Wynik;
    EXPECT_EQ(z.Stan, StanPrzebiegu::Odrzucony);
    EXPECT_EQ(z.Komunikat, "Postać kanoniczna funkcji ma więcej niż 100000 składników");
    EXPECT_TRUE(z.KanonicznaDziesietna.empty());

    // Such a text only fits in a file: vyn-cli reads it as the Open command would.
    const testy::PlikiTymczasowe pliki;
    const auto przy = pliki.Plik("przy.vyn", ZapisPlikuFunkcji(f));
    const auto ponad = pliki.Plik("ponad.vyn", ZapisPlikuFunkcji(za));
    EXPECT_EQ(testy::Cli({"--verify", "--file", przy}).kod, cli::Sukces);
    const auto c = testy::Cli({"--file", ponad});
    EXPECT_EQ(c.kod, cli::ZleDane);
    EXPECT_EQ(c.bledy, "vyn-cli: Postać kanoniczna funkcji ma więcej niż 100000 składników\n");
}

TEST(granice_test, a_thousand_forms_are_kept_and_more_are_said_to_be_left_out) {
    auto formy = [](const char* f) { return Uruchom(f, true).Wynik.IloscMinimalnych(); };
    ASSERT_EQ(formy(granice::Czterdziesci) * formy(granice::DwadziesciaPiec), 1000);
    ASSERT_EQ(formy(granice::Czterdziesci) * formy(granice::DwadziesciaSzesc), 1040);

    const std::string przy = granice::Suma(granice::Czterdziesci, granice::DwadziesciaPiec);
    const auto a = testy::Cli({"--verify", przy});
    EXPECT_EQ(a.kod, cli::Sukces) << a.bledy;
    EXPECT_EQ(Linie(a.wyjscie, "Postać minimalna "), 1000u);
    EXPECT_EQ(Linie(a.wyjscie, "Postać minimalna 1000 z 1000: "), 1u);
    EXPECT_EQ(a.wyjscie.find("Uwaga"), std::string::npos);

    const std::string za = granice::Suma(granice::Czterdziesci, granice::DwadziesciaSzesc);
    const auto b = testy::Cli({"--verify", za});
    EXPECT_EQ(b.kod, cli::Sukces) << b.bledy;
    EXPECT_EQ(Linie(b.wyjscie, "Postać minimalna "), 1000u);
    EXPECT_EQ(
        Linie(b.wyjscie, "Uwaga: zachowano pierwsze 1000 postaci minimalnych; jest ich więcej."),
        1u);
    const auto j = testy::Cli({"--json", za});
    EXPECT_NE(j.wyjscie.find("\"IloscMinimalnych\": 1000"), std::string::npos);
    EXPECT_NE(j.wyjscie.find("\"Obcieto\": true"), std::string::npos);

    EXPECT_FALSE(Uruchom(przy, true).Wynik.Obcieto);
    const auto z = Uruchom(za, true).Wynik;
    EXPECT_TRUE(z.Obcieto);
    // Without the limit the search finds every pairing, and the kept forms are its first ones.
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

TEST(granice_test, text_the_editor_cannot_make_is_refused_with_a_message) {
    // An empty group between two "+" would make the function always true unnoticed.
    EXPECT_EQ(SprawdzFunkcje("A++B", false, "AB"), "Dwa znaki '+' obok siebie w funkcji");
    const auto c = testy::Cli({"A++B"});
    EXPECT_EQ(c.kod, cli::ZleDane);
    EXPECT_EQ(c.bledy, "vyn-cli: Dwa znaki '+' obok siebie w funkcji\n");
    // A separator at either end is the editor's own doing and stays allowed.
    EXPECT_FALSE(SprawdzFunkcje("+A+", false, "A"));
}

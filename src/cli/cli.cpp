// Argument handling, the run, and the text and JSON reports of vyn-cli.
#include "cli.h"

#include "files/pla.h"
#include "files/plik_vyn.h"
#include "json.h"
#include "pla_cli.h"
#include "qm/kodowanie.h"
#include "qm/pojemnosc.h"
#include "qm/przebieg.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

#ifndef VYN_VERSION
#define VYN_VERSION "0"
#endif

namespace vyn::cli {

namespace {

constexpr const char* Uzycie =
    "Użycie: vyn-cli [--order asc|desc|LITERY] [--json] [--verify] [--time-limit SEKUNDY] "
    "FUNKCJA\n"
    "       vyn-cli [opcje jak wyżej] --file PLIK\n"
    "       vyn-cli [opcje jak wyżej] --file PLIK.pla [--output K]\n"
    "\n"
    "Minimalizuje funkcję logiczną metodą Quine'a-McCluskeya.\n"
    "FUNKCJA: grupy liter połączone \"+\" (mała litera to negacja), np. AB+aC,\n"
    "         albo numery mintermów połączone \",\", np. 0,1,2,5,6,7.\n"
    "         Stany obojętne po jednym \";\" w tym samym zapisie, np. 0,1,2,5;3,4\n"
    "         albo AB+aC;Abc.\n"
    "\n"
    "  --file PLIK              funkcja z pliku .vyn albo mapy Halora .hal, czytana jak\n"
    "                           poleceniem Otwórz programu vyn\n"
    "  --order asc|desc|LITERY  kolejność liter kodowania (domyślnie asc)\n"
    "  --json                   wynik jako jeden obiekt JSON\n"
    "  --verify                 sprawdza, że każda postać minimalna jest funkcją\n"
    "  --time-limit SEKUNDY     przerywa minimalizację po tym czasie\n"
    "  --output K               wyjście pliku .pla: numer od 1 albo nazwa z .ob\n"
    "  --pla-out PLIK           zapisuje funkcję jako plik PLA (.type fd)\n"
    "  --pla-out-form           z --pla-out: zapisuje pierwszą postać minimalną (.type f)\n"
    "  --capacity N             pojemność tablic i liczba mintermów (100000..50000000);\n"
    "                           dla pliku .pla domyślnie tyle, ile zmieści pamięć\n"
    "  --help, --version\n"
    "\n"
    "Kod wyjścia: 0 sukces, 1 błąd weryfikacji, 2 złe dane, 3 przekroczona pojemność tablicy.\n";

struct Opcje {
    TrybKodowania Tryb = TrybKodowania::Rosnaco;
    std::string Litery;
    bool Json = false;
    bool Weryfikuj = false;
    std::optional<double> LimitCzasu;
    std::string Funkcja;
    bool JestFunkcja = false;
    std::optional<std::string> Plik;
    std::optional<std::string> Wyjscie; // --output
    std::optional<std::string> PlaOut;  // --pla-out
    bool PlaOutPostac = false;          // --pla-out-form
    std::size_t Pojemnosc = PojemnoscTablicy;
    bool PojemnoscPodana = false;
};

// Polls the clock at the run's event points and raises the abort flag once the limit has
// passed, again after the run clears it, so that a stopped run stays stopped.
class ObserwatorCzasu : public ObserwatorPrzebiegu {
  public:
    ObserwatorCzasu(FlagaPrzerwania& flaga, std::optional<double> limit) : flaga_(flaga) {
        if (limit)
            koniec_ = std::chrono::steady_clock::now() +
                      std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                          std::chrono::duration<double>(*limit));
    }
    void PrzetworzZdarzenia() override {
        // Polls are a few milliseconds of work apart; reading the clock costs far less.
        if (!koniec_)
            return;
        if (std::chrono::steady_clock::now() >= *koniec_)
            flaga_.Ustaw();
    }

  private:
    FlagaPrzerwania& flaga_;
    std::optional<std::chrono::steady_clock::time_point> koniec_;
};

int Blad(std::ostream& bledy, const std::string& tekst) {
    bledy << "vyn-cli: " << tekst << '\n';
    return ZleDane;
}

// The whole file; a message when it cannot be read.
std::optional<std::string> CzytajPlik(const std::string& nazwa, std::string& bajty) {
    const std::string poczatek = "nie mogę odczytać pliku " + nazwa + ": ";
    std::error_code kod;
    if (std::filesystem::is_directory(nazwa, kod))
        return poczatek + "to jest folder";
    std::ifstream plik(nazwa, std::ios::binary);
    if (!plik)
        return poczatek + std::strerror(errno);
    bajty.assign(std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>());
    if (plik.bad())
        return poczatek + "błąd odczytu";
    return std::nullopt;
}

std::optional<std::string> ZapiszPlik(const std::string& nazwa, const std::string& bajty) {
    std::ofstream plik(nazwa, std::ios::binary);
    if (plik)
        plik << bajty;
    if (!plik)
        return "nie mogę zapisać pliku " + nazwa + ": " + std::strerror(errno);
    return std::nullopt;
}

// One line on stderr, whatever the reader's message holds.
std::string JednaLinia(std::string tekst) {
    for (char& c : tekst)
        if (c == '\n' || c == '\r')
            c = ' ';
    return tekst;
}

std::string PodpisPostaci(std::size_t k, std::size_t n) {
    if (n == 1)
        return "Postać minimalna jedyna";
    return "Postać minimalna " + std::to_string(k) + " z " + std::to_string(n);
}

void PiszTekst(const WynikMinimalizacji& w, const std::string& legenda, std::ostream& o) {
    o << "Kodowanie: " << w.Kodowanie << '\n';
    if (!legenda.empty())
        o << "Wejścia PLA: " << legenda << '\n';
    o << "Postać kanoniczna literowa: " << w.KanonicznaLiterowa << '\n';
    o << "Postać kanoniczna dziesiętna: " << w.KanonicznaDziesietna << '\n';
    if (w.IloscObojetnych > 0) {
        o << "Stany obojętne literowo: " << w.ObojetneLiterowo << '\n';
        o << "Stany obojętne dziesiętnie: " << w.ObojetneDziesietnie << '\n';
    }
    o << "Tablica nr / Ilość składników / Liczba porównań:\n";
    for (const auto& wiersz : w.Szczegoly)
        o << "  " << wiersz << '\n';
    if (w.Stan != StanPrzebiegu::Zakonczony)
        return;
    o << "Proste implikanty: " << w.ProsteImplikanty << '\n';
    o << "Implikanty istotne: " << w.ImplikantyIstotne << '\n';
    o << "DolnaGranica: " << w.DolnaGranica << '\n';
    const auto n = w.PostacieMinimalne.size();
    for (std::size_t k = 1; k <= n; ++k) {
        const std::string p = w.PostacieMinimalne[k - 1];
        const bool zero = p == "0"; // the constant 0 has neither letters nor groups
        o << PodpisPostaci(k, n) << ": " << p << "  (liter: " << (zero ? 0 : IloscZnakow(p))
          << ", grup: " << (zero ? 0 : PoliczGrupy(p)) << ")\n";
    }
    if (w.Obcieto)
        o << "Uwaga: zachowano pierwsze " << n << " postaci minimalnych; jest ich więcej.\n";
    if (w.Przerwano && n == 0)
        o << "Postać minimalna: brak – minimalizację przerwano przed znalezieniem pokrycia "
             "funkcji.\n";
    else if (w.Przerwano && w.KosztPostaci > 0 && w.KosztPostaci == w.DowiedzionaGranica)
        o << "Uwaga: minimalizację przerwano; koszt postaci " << w.KosztPostaci
          << " jest dowiedzionym minimum, lecz lista postaci minimalnych może być niepełna.\n";
    else if (w.Przerwano && w.KosztPostaci > 0)
        o << "Uwaga: minimalizację przerwano; koszt postaci " << w.KosztPostaci
          << ", dowiedziona dolna granica " << w.DowiedzionaGranica << " (różnica co najwyżej "
          << w.KosztPostaci - w.DowiedzionaGranica << ").\n";
    else if (w.Przerwano)
        o << "Uwaga: minimalizację przerwano; wynik może nie być minimalny.\n";
}

void PiszJson(const WynikMinimalizacji& w, const std::string& legenda, std::ostream& o) {
    JsonObject j;
    j.add("Kodowanie", w.Kodowanie)
        .add("KanonicznaLiterowa", w.KanonicznaLiterowa)
        .add("KanonicznaDziesietna", w.KanonicznaDziesietna);
    // Only for the functions that have them: the rest keep their output as it was.
    if (!legenda.empty())
        j.add("WejsciaPla", legenda);
    if (w.IloscObojetnych > 0)
        j.add("Obojetne", w.ObojetneDziesietnie)
            .add("ObojetneLiterowo", w.ObojetneLiterowo)
            .add("IloscObojetnych", static_cast<long long>(w.IloscObojetnych));
    j.add("Szczegoly", w.Szczegoly)
        .add("ProsteImplikanty", w.ProsteImplikanty)
        .add("ImplikantyIstotne", w.ImplikantyIstotne)
        .add("PostacieMinimalne",
             [&w](std::ostream& out) {
                 out << "[";
                 for (std::size_t i = 0; i < w.PostacieMinimalne.size(); ++i)
                     out << (i ? ", " : "") << JsonString(w.PostacieMinimalne[i]);
                 out << "]";
             })
        .add("IloscMinimalnych", static_cast<long long>(w.IloscMinimalnych()))
        .add("DolnaGranica", static_cast<long long>(w.DolnaGranica))
        .add("Przerwano", w.Przerwano)
        .add("Obcieto", w.Obcieto)
        .add("KosztPostaci", static_cast<long long>(w.KosztPostaci))
        .add("DowiedzionaGranica", static_cast<long long>(w.DowiedzionaGranica))
        .add("MinimalnaDowiedziona", w.MinimalnaDowiedziona);
    j.write(o);
    o << '\n';
}

// A PLA output that is never 1 (circuits have such bits, a square's bit 1 for one): its one
// form is the constant 0, of no cost, with nothing to minimise. Its don't-cares need no cover.
int StalaZero(const Opcje& opcje, const FunkcjaZPla& f, std::ostream& wyjscie,
              std::ostream& bledy) {
    WynikMinimalizacji zero;
    zero.Stan = StanPrzebiegu::Zakonczony;
    zero.Kodowanie = f.Kodowanie;
    zero.PostacieMinimalne.Dodaj("0");
    zero.MinimalnaDowiedziona = true;
    if (opcje.PlaOut)
        if (auto blad = ZapiszPlik(*opcje.PlaOut, ZapiszPlaFunkcji(f.Kodowanie, {}, {})))
            return Blad(bledy, *blad);
    if (opcje.Json) {
        PiszJson(zero, f.Legenda, wyjscie);
        return Sukces;
    }
    PiszTekst(zero, f.Legenda, wyjscie);
    if (opcje.Weryfikuj)
        wyjscie << "Weryfikacja: każda postać minimalna jest funkcją (1).\n";
    return Sukces;
}

} // namespace

int Uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie, std::ostream& bledy) {
    Opcje opcje;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        auto wartosc = [&]() -> std::optional<std::string> {
            if (i + 1 >= argumenty.size())
                return std::nullopt;
            return argumenty[++i];
        };
        if (a == "--help" || a == "-h") {
            wyjscie << Uzycie;
            return Sukces;
        } else if (a == "--version") {
            wyjscie << "vyn-cli " << VYN_VERSION << '\n';
            return Sukces;
        } else if (a == "--json") {
            opcje.Json = true;
        } else if (a == "--verify") {
            opcje.Weryfikuj = true;
        } else if (a == "--order") {
            auto v = wartosc();
            if (!v)
                return Blad(bledy, "--order wymaga wartości asc, desc lub liter");
            if (*v == "asc") {
                opcje.Tryb = TrybKodowania::Rosnaco;
            } else if (*v == "desc") {
                opcje.Tryb = TrybKodowania::Malejaco;
            } else {
                opcje.Tryb = TrybKodowania::Uzytkownika;
                opcje.Litery = *v;
            }
        } else if (a == "--time-limit") {
            auto v = wartosc();
            char* koniec = nullptr;
            const double s = v ? std::strtod(v->c_str(), &koniec) : -1;
            if (!v || v->empty() || *koniec != '\0' || !(s >= 0))
                return Blad(bledy, "--time-limit wymaga nieujemnej liczby sekund");
            opcje.LimitCzasu = s;
        } else if (a == "--output") {
            auto v = wartosc();
            if (!v || v->empty())
                return Blad(bledy, "--output wymaga numeru lub nazwy wyjścia");
            opcje.Wyjscie = *v;
        } else if (a == "--pla-out") {
            auto v = wartosc();
            if (!v || v->empty())
                return Blad(bledy, "--pla-out wymaga nazwy pliku");
            opcje.PlaOut = *v;
        } else if (a == "--pla-out-form") {
            opcje.PlaOutPostac = true;
        } else if (a == "--capacity") {
            auto v = wartosc();
            char* koniec = nullptr;
            errno = 0;
            const unsigned long long n = v ? std::strtoull(v->c_str(), &koniec, 10) : 0;
            if (!v || v->empty() || (*v)[0] == '-' || *koniec != '\0' || errno == ERANGE ||
                n < PojemnoscTablicy || n > MaksPojemnosc)
                return Blad(bledy, "--capacity wymaga liczby od " +
                                       std::to_string(PojemnoscTablicy) + " do " +
                                       std::to_string(MaksPojemnosc));
            opcje.Pojemnosc = static_cast<std::size_t>(n);
            opcje.PojemnoscPodana = true;
        } else if (a == "--file") {
            auto v = wartosc();
            if (!v || v->empty())
                return Blad(bledy, "--file wymaga nazwy pliku");
            if (opcje.Plik)
                return Blad(bledy, "podaj jeden plik (zobacz --help)");
            opcje.Plik = *v;
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return Blad(bledy, "nieznana opcja " + a + " (zobacz --help)");
        } else if (!opcje.JestFunkcja) {
            opcje.Funkcja = a;
            opcje.JestFunkcja = true;
        } else {
            return Blad(bledy, "podaj jedną funkcję (zobacz --help)");
        }
    }
    if (opcje.PlaOutPostac && !opcje.PlaOut)
        return Blad(bledy, "--pla-out-form wymaga --pla-out PLIK");
    const bool plikPla = opcje.Plik && RozszerzeniePliku(*opcje.Plik) == ".pla";
    if (opcje.Wyjscie && !plikPla)
        return Blad(bledy, "--output dotyczy tylko pliku .pla");
    bool dziesietny = false;
    std::string legenda;
    if (plikPla) {
        if (opcje.JestFunkcja)
            return Blad(bledy, "podaj funkcję albo --file, nie oba (zobacz --help)");
        std::string bajty;
        if (auto blad = CzytajPlik(*opcje.Plik, bajty))
            return Blad(bledy, *blad);
        // Circuits come as PLA files, and their tables often outgrow the default capacity:
        // unless told otherwise, a PLA import gets what the memory free now can hold.
        if (!opcje.PojemnoscPodana)
            opcje.Pojemnosc = NajwiekszaPojemnosc(MaksLiter, DostepnaPamiec());
        FunkcjaZPla f;
        if (auto blad = WczytajPla(bajty, opcje.Wyjscie, opcje.Pojemnosc, f))
            return Blad(bledy, JednaLinia(*opcje.Plik + ": " + *blad));
        if (f.Zero)
            return StalaZero(opcje, f, wyjscie, bledy);
        opcje.Funkcja = f.Funkcja;
        // The file's inputs are the encoding, column 1 the most significant.
        opcje.Tryb = TrybKodowania::Uzytkownika;
        opcje.Litery = f.Kodowanie;
        legenda = f.Legenda;
        dziesietny = true;
    } else if (opcje.Plik) {
        if (opcje.JestFunkcja)
            return Blad(bledy, "podaj funkcję albo --file, nie oba (zobacz --help)");
        // Read as the program's Open command reads it, the notation with it.
        std::string bajty;
        PlikFunkcji plik;
        if (auto blad = CzytajPlik(*opcje.Plik, bajty))
            return Blad(bledy, *blad);
        if (auto blad = CzytajFunkcjeZPliku(*opcje.Plik, bajty, plik))
            return Blad(bledy, JednaLinia(*opcje.Plik + ": " + *blad));
        if (plik.Funkcja.empty())
            return Blad(bledy, "plik " + *opcje.Plik + " nie zawiera funkcji");
        opcje.Funkcja = plik.Funkcja;
        dziesietny = plik.TrybDziesietny;
    } else {
        if (!opcje.JestFunkcja || opcje.Funkcja.empty())
            return Blad(bledy, "brak funkcji (zobacz --help)");
        // As in the editor, the first character decides the notation.
        dziesietny = opcje.Funkcja[0] >= '0' && opcje.Funkcja[0] <= '9';
    }
    const WynikKodowania kodowanie =
        UstalKodowanie(opcje.Tryb, opcje.Funkcja, dziesietny, opcje.Litery);
    if (kodowanie.Blad)
        return Blad(bledy, *kodowanie.Blad);

    if (opcje.PojemnoscPodana && opcje.Pojemnosc != PojemnoscTablicy)
        if (auto blad = SprawdzPojemnosc(
                opcje.Pojemnosc, static_cast<int>(kodowanie.Kodowanie.size()), DostepnaPamiec()))
            return Blad(bledy, *blad);

    // The function itself needs no run: it is written even when the run fails.
    if (opcje.PlaOut && !opcje.PlaOutPostac) {
        if (auto blad = SprawdzFunkcje(opcje.Funkcja, dziesietny, kodowanie.Kodowanie))
            return Blad(bledy, *blad);
        if (auto blad = ZapiszPlik(
                *opcje.PlaOut,
                ZapiszPlaFunkcji(kodowanie.Kodowanie,
                                 MintermyFunkcji(opcje.Funkcja, dziesietny, kodowanie.Kodowanie),
                                 ObojetneFunkcji(opcje.Funkcja, dziesietny, kodowanie.Kodowanie))))
            return Blad(bledy, *blad);
    }

    FlagaPrzerwania flaga;
    ObserwatorCzasu obserwator(flaga, opcje.LimitCzasu);
    ZadanieMinimalizacji zadanie{opcje.Funkcja, dziesietny, kodowanie.Kodowanie};
    zadanie.Pojemnosc = opcje.Pojemnosc;
    WynikMinimalizacji wynik = Minimalizuj(zadanie, obserwator, flaga);
    // A run stopped before any cover was found has no form to offer.
    if (wynik.PostacieNiepelne) {
        wynik.PostacieMinimalne.Wyczysc();
        wynik.KosztPostaci = wynik.DowiedzionaGranica = 0;
    }
    if (wynik.Stan == StanPrzebiegu::Odrzucony)
        return Blad(bledy, wynik.Komunikat);

    if (opcje.Json)
        PiszJson(wynik, legenda, wyjscie);
    else
        PiszTekst(wynik, legenda, wyjscie);
    if (wynik.Stan == StanPrzebiegu::PrzekroczonaPojemnosc) {
        bledy << "vyn-cli: " << wynik.Komunikat << '\n';
        return PrzekroczonaPojemnosc;
    }

    if (opcje.Weryfikuj) {
        const auto mintermy = MintermyFunkcji(opcje.Funkcja, dziesietny, wynik.Kodowanie);
        const auto obojetne = ObojetneFunkcji(opcje.Funkcja, dziesietny, wynik.Kodowanie);
        int zle = 0;
        for (std::size_t k = 0; k < wynik.PostacieMinimalne.size(); ++k)
            if (auto blad = SprawdzPostac(wynik.PostacieMinimalne[k], wynik.Kodowanie, mintermy,
                                          obojetne)) {
                bledy << "vyn-cli: postać " << k + 1 << " (" << wynik.PostacieMinimalne[k]
                      << ") nie jest funkcją: " << *blad << '\n';
                ++zle;
            }
        if (zle)
            return BladWeryfikacji;
        if (!opcje.Json)
            wyjscie << "Weryfikacja: każda postać minimalna jest funkcją ("
                    << wynik.PostacieMinimalne.size() << ").\n";
    }
    if (opcje.PlaOut && opcje.PlaOutPostac) {
        if (wynik.PostacieMinimalne.empty())
            return Blad(bledy, "brak postaci minimalnej do zapisania w " + *opcje.PlaOut);
        if (auto blad = ZapiszPlik(*opcje.PlaOut,
                                   ZapiszPlaPostaci(wynik.Kodowanie, wynik.PostacieMinimalne[0])))
            return Blad(bledy, *blad);
    }
    return Sukces;
}

} // namespace vyn::cli

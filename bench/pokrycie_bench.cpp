// vyn-bench-pokrycie: the cover search against `cbc` on the same cover problem.
//
// For each function of a seeded suite (and the .vyn files of a folder given with --cases) the
// whole run is timed in-process: the time from the start of the search to its first cover, to
// the proven least cost, and to the end (all forms listed). Then the cyclic core left after the
// essential implicants (rows: the other primes that cover a remaining minterm, cost letters + 1;
// columns: the remaining minterms) is written as a 0-1 LP file and solved by the `cbc` command
// with the same time limit. The least costs must agree wherever both proved them.
#include "files/plik_vyn.h"
#include "qm/kodowanie.h"
#include "qm/przebieg.h"
#include "text/funkcja.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace vyn;
using Zegar = std::chrono::steady_clock;

namespace {

struct Przypadek {
    std::string Nazwa;
    std::string Funkcja; // decimal minterm numbers
};

// Exactly round(d * 2^n) distinct minterms, a seeded random subset.
Przypadek Losowa(int n, int procent, unsigned ziarno) {
    std::mt19937 los(ziarno);
    std::vector<std::uint32_t> wszystkie(std::size_t{1} << n);
    std::iota(wszystkie.begin(), wszystkie.end(), 0u);
    std::shuffle(wszystkie.begin(), wszystkie.end(), los);
    const std::size_t ile = (wszystkie.size() * static_cast<std::size_t>(procent) + 50) / 100;
    wszystkie.resize(ile);
    std::sort(wszystkie.begin(), wszystkie.end());
    std::string tekst;
    for (std::uint32_t m : wszystkie) {
        if (!tekst.empty())
            tekst.push_back(',');
        tekst += std::to_string(m);
    }
    char nazwa[64];
    std::snprintf(nazwa, sizeof nazwa, "n%d_d%02d_z%u", n, procent, ziarno);
    return {nazwa, tekst};
}

// A function of n variables given by its formula: the minterms where `f` holds.
template <class F> Przypadek Wzorem(const char* nazwa, int n, F&& f) {
    std::string tekst;
    for (std::uint32_t m = 0; m < (std::uint32_t{1} << n); ++m)
        if (f(m))
            tekst += (tekst.empty() ? "" : ",") + std::to_string(m);
    return {nazwa, tekst};
}

// Output bits of circuits: a multiplier's middle bits and the count of ones (symmetric
// functions). Their cores are unlike random ones: thousands of primes of one size, or long
// covers whose forms the listing has to reach in order.
std::vector<Przypadek> Uklady() {
    auto iloczyn = [](int k, int bit) {
        return [=](std::uint32_t m) { return ((m >> k) * (m & ((1u << k) - 1)) >> bit) & 1; };
    };
    auto jedynki = [](int od, int doo) {
        return [=](std::uint32_t m) {
            const int j = __builtin_popcount(m);
            return j >= od && j <= doo;
        };
    };
    return {Wzorem("mul6_b6", 12, iloczyn(6, 6)),  Wzorem("mul6_b7", 12, iloczyn(6, 7)),
            Wzorem("mul6_b8", 12, iloczyn(6, 8)),  Wzorem("mul7_b11", 14, iloczyn(7, 11)),
            Wzorem("sym9_3_6", 9, jedynki(3, 6)),  Wzorem("sym10_4_7", 10, jedynki(4, 7)),
            Wzorem("sym11_4_7", 11, jedynki(4, 7))};
}

// Records when the search starts, finds its first cover and proves its least cost.
class Stoper : public ObserwatorPrzebiegu {
  public:
    // `zatrzymaj`: raised once the least cost is proved (the forms are not listed).
    Stoper(Zegar::time_point start, bool slad, FlagaPrzerwania* zatrzymaj = nullptr)
        : slad_(slad), zatrzymaj_(zatrzymaj), start_(start) {}
    void Etap(const std::string& tekst) override {
        if (tekst == EtapMinimalna && !szukanie_)
            szukanie_ = Teraz();
    }
    void Etykieta(int nr, const std::string& t) override {
        if (nr == 2 && !t.empty() && !pierwsza_)
            pierwsza_ = Teraz();
    }
    void Oszacowanie(int koszt, int granica) override {
        if (slad_ && (koszt != koszt_ || granica != granica_))
            std::fprintf(stderr, "  %8.3f s  koszt %d  granica %d\n", Teraz(), koszt, granica);
        koszt_ = koszt;
        granica_ = granica;
        if (!pierwsza_)
            pierwsza_ = Teraz();
        if (koszt == granica && !dowod_) {
            dowod_ = Teraz();
            if (zatrzymaj_)
                zatrzymaj_->Ustaw();
        }
    }
    double Teraz() const { return std::chrono::duration<double>(Zegar::now() - start_).count(); }

    std::optional<double> szukanie_, pierwsza_, dowod_;

  private:
    bool slad_;
    FlagaPrzerwania* zatrzymaj_;
    int koszt_ = 0, granica_ = 0;
    Zegar::time_point start_;
};

// Raises the flag after `limit` seconds unless the run ends first.
class Straznik {
  public:
    Straznik(FlagaPrzerwania& flaga, double limit)
        : watek_([this, &flaga, limit] {
              std::unique_lock blokada(m_);
              if (!cv_.wait_for(blokada, std::chrono::duration<double>(limit),
                                [this] { return koniec_; }))
                  flaga.Ustaw();
          }) {}
    ~Straznik() {
        {
            std::lock_guard blokada(m_);
            koniec_ = true;
        }
        cv_.notify_all();
        watek_.join();
    }

  private:
    std::mutex m_;
    std::condition_variable cv_;
    bool koniec_ = false;
    std::thread watek_;
};

struct Skladnik {
    std::uint32_t Wartosc = 0, Maska = 0; // Maska: the variables the term does not name
    int Koszt = 0;                        // letters + 1
};

Skladnik CzytajSkladnik(const std::string& litery, const std::string& kodowanie) {
    const int l = static_cast<int>(kodowanie.size());
    Skladnik s;
    s.Maska = (l == 32 ? ~0u : (1u << l) - 1);
    for (char c : litery) {
        const auto p = kodowanie.find(static_cast<char>(c & ~0x20));
        const std::uint32_t bit = 1u << (l - 1 - static_cast<int>(p));
        s.Maska &= ~bit;
        if (c >= 'A' && c <= 'Z')
            s.Wartosc |= bit;
    }
    s.Koszt = static_cast<int>(litery.size()) + 1;
    return s;
}

std::vector<std::string> Podziel(const std::string& tekst, char separator) {
    std::vector<std::string> czesci;
    std::stringstream ss(tekst);
    for (std::string c; std::getline(ss, c, separator);)
        if (!c.empty())
            czesci.push_back(c);
    return czesci;
}

struct ProblemPokrycia {
    std::vector<std::vector<int>> Kolumny; // the rows covering each column
    std::vector<int> Koszt;                // of each row
    int KosztIstotnych = 0;
};

// The cover problem left after the essential implicants, from the run's own texts.
ProblemPokrycia Rdzen(const WynikMinimalizacji& w) {
    ProblemPokrycia p;
    std::vector<Skladnik> istotne;
    if (w.ImplikantyIstotne != "1")
        for (const auto& t : Podziel(w.ImplikantyIstotne, '+'))
            istotne.push_back(CzytajSkladnik(t, w.Kodowanie));
    for (const auto& s : istotne)
        p.KosztIstotnych += s.Koszt;
    std::set<std::string> nazwyIstotnych;
    for (const auto& t : Podziel(w.ImplikantyIstotne, '+'))
        nazwyIstotnych.insert(t);
    std::vector<Skladnik> wiersze;
    for (const auto& t : Podziel(w.ProsteImplikanty, ','))
        if (!nazwyIstotnych.count(t))
            wiersze.push_back(CzytajSkladnik(t, w.Kodowanie));
    auto pokrywa = [](const Skladnik& s, std::uint32_t m) {
        return ((m ^ s.Wartosc) & ~s.Maska) == 0;
    };
    std::set<std::uint32_t> mintermy;
    for (const auto& t : Podziel(w.KanonicznaDziesietna, ','))
        mintermy.insert(static_cast<std::uint32_t>(std::stoul(t)));
    std::vector<int> uzyty(wiersze.size(), -1);
    for (std::uint32_t m : mintermy) {
        if (std::any_of(istotne.begin(), istotne.end(),
                        [&](const Skladnik& s) { return pokrywa(s, m); }))
            continue;
        std::vector<int> kolumna;
        for (std::size_t r = 0; r < wiersze.size(); ++r)
            if (pokrywa(wiersze[r], m)) {
                if (uzyty[r] < 0) {
                    uzyty[r] = static_cast<int>(p.Koszt.size());
                    p.Koszt.push_back(wiersze[r].Koszt);
                }
                kolumna.push_back(uzyty[r]);
            }
        p.Kolumny.push_back(std::move(kolumna));
    }
    return p;
}

void ZapiszLp(const ProblemPokrycia& p, const std::string& plik) {
    std::ofstream f(plik);
    f << "Minimize\n obj:";
    for (std::size_t j = 0; j < p.Koszt.size(); ++j)
        f << (j % 12 == 11 ? "\n " : " ") << (j ? "+ " : "") << p.Koszt[j] << " x" << j;
    f << "\nSubject To\n";
    for (std::size_t i = 0; i < p.Kolumny.size(); ++i) {
        f << " c" << i << ":";
        for (std::size_t k = 0; k < p.Kolumny[i].size(); ++k)
            f << (k % 16 == 15 ? "\n " : " ") << (k ? "+ " : "") << "x" << p.Kolumny[i][k];
        f << " >= 1\n";
    }
    f << "Binary\n";
    for (std::size_t j = 0; j < p.Koszt.size(); ++j)
        f << " x" << j << (j % 16 == 15 ? "\n" : "");
    f << "\nEnd\n";
}

struct WynikCbc {
    double Czas = 0;
    std::optional<long> Koszt;
    bool Dowiedziony = false;
};

WynikCbc UruchomCbc(const std::string& plik, double limit) {
    WynikCbc w;
    const std::string wyjscie = plik + ".out";
    const std::string polecenie = "cbc -import " + plik + " -sec " + std::to_string(limit) +
                                  " -solve -quit > " + wyjscie + " 2>&1";
    const auto start = Zegar::now();
    const int kod = std::system(polecenie.c_str());
    w.Czas = std::chrono::duration<double>(Zegar::now() - start).count();
    if (kod != 0)
        return w;
    std::ifstream f(wyjscie);
    for (std::string linia; std::getline(f, linia);) {
        if (linia.rfind("Result - Optimal solution found", 0) == 0)
            w.Dowiedziony = true;
        if (linia.rfind("Objective value:", 0) == 0)
            w.Koszt = std::lround(std::stod(linia.substr(16)));
    }
    return w;
}

int KosztPostaci(const std::string& postac) {
    if (postac == "1" || postac.empty())
        return 0;
    return IloscZnakow(postac) + PoliczGrupy(postac);
}

std::string Czas(std::optional<double> t) {
    if (!t)
        return "–";
    char b[32];
    std::snprintf(b, sizeof b, "%.3f", *t);
    return b;
}

void Zmierz(const Przypadek& p, double limit, bool zCbc, bool slad, bool doDowodu,
            const std::string& katalog) {
    ZadanieMinimalizacji z;
    z.Funkcja = p.Funkcja;
    z.TrybDziesietny = true;
    z.Kodowanie = UstalKodowanie(TrybKodowania::Rosnaco, p.Funkcja, true, "").Kodowanie;
    FlagaPrzerwania flaga;
    const auto start = Zegar::now();
    Stoper stoper(start, slad, doDowodu ? &flaga : nullptr);
    WynikMinimalizacji w;
    {
        Straznik straznik(flaga, limit);
        w = Minimalizuj(z, stoper, flaga);
    }
    const double calosc = stoper.Teraz();
    if (w.Stan != StanPrzebiegu::Zakonczony) {
        std::printf("%-16s odrzucony: %s\n", p.Nazwa.c_str(), w.Komunikat.c_str());
        return;
    }
    const double t0 = stoper.szukanie_.value_or(0);
    auto odSzukania = [&](std::optional<double> t) -> std::optional<double> {
        if (!t)
            return std::nullopt;
        return *t - t0;
    };
    const bool dowiedziony = !w.Przerwano || (doDowodu && stoper.dowod_);
    const int koszt = KosztPostaci(w.PostacieMinimalne[0]);
    std::optional<double> dowod = odSzukania(stoper.dowod_);
    if (!dowod && dowiedziony)
        dowod = calosc - t0;

    const ProblemPokrycia problem = Rdzen(w);
    WynikCbc cbc;
    std::string zgodnosc = "";
    if (zCbc && !problem.Kolumny.empty()) {
        const std::string plik = katalog + "/" + p.Nazwa + ".lp";
        ZapiszLp(problem, plik);
        cbc = UruchomCbc(plik, limit);
        if (cbc.Koszt && dowiedziony && cbc.Dowiedziony)
            zgodnosc = (*cbc.Koszt + problem.KosztIstotnych == koszt) ? "tak" : "NIE";
    } else if (problem.Kolumny.empty()) {
        zgodnosc = "rdzeń pusty";
    }
    char iloraz[32] = "–";
    if (dowod && cbc.Dowiedziony && cbc.Czas > 0)
        std::snprintf(iloraz, sizeof iloraz, "%.3f", *dowod / cbc.Czas);
    std::printf(
        "%-16s %6zu %6zu %5zu %6d%s %5d %9s %9s %9s | %6s%s %8.3f | %6s %s\n", p.Nazwa.c_str(),
        Podziel(w.KanonicznaDziesietna, ',').size(), Podziel(w.ProsteImplikanty, ',').size(),
        problem.Koszt.size(), koszt, dowiedziony ? " " : "?", w.IloscMinimalnych(),
        Czas(odSzukania(stoper.pierwsza_)).c_str(), Czas(dowod).c_str(), Czas(calosc).c_str(),
        cbc.Koszt ? std::to_string(*cbc.Koszt + problem.KosztIstotnych).c_str() : "–",
        cbc.Dowiedziony ? " " : "?", cbc.Czas, iloraz, zgodnosc.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    double limit = 120;
    bool zCbc = true, szybko = false, slad = false, doDowodu = false;
    std::string przypadki, tylko;
    // --losowe N,D,K: K more random functions of N variables at D %, from seeds not in the suite.
    std::vector<Przypadek> dodatkowe;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--limit" && i + 1 < argc)
            limit = std::stod(argv[++i]);
        else if (a == "--cases" && i + 1 < argc)
            przypadki = argv[++i];
        else if (a == "--tylko" && i + 1 < argc)
            tylko = argv[++i];
        else if (int n, d, k; a == "--losowe" && i + 1 < argc &&
                              std::sscanf(argv[++i], "%d,%d,%d", &n, &d, &k) == 3)
            for (int z = 1; z <= k; ++z)
                dodatkowe.push_back(Losowa(n, d, 1000003u + static_cast<unsigned>(z)));
        else if (a == "--bez-cbc")
            zCbc = false;
        else if (a == "--slad")
            slad = true;
        else if (a == "--do-dowodu")
            doDowodu = true;
        else if (a == "--szybko")
            szybko = true;
        else {
            std::fprintf(stderr, "Użycie: vyn-bench-pokrycie [--limit SEKUNDY] [--cases KATALOG] "
                                 "[--bez-cbc] [--szybko] [--tylko CZĘŚĆ_NAZWY] [--slad] "
                                 "[--do-dowodu] [--losowe N,D,K]\n");
            return 2;
        }
    }
    if (zCbc && std::system("command -v cbc > /dev/null 2>&1") != 0) {
        std::fprintf(stderr, "vyn-bench-pokrycie: no cbc command (Debian coinor-cbc); "
                             "measuring vyn alone\n");
        zCbc = false;
    }
    const std::string katalog = std::filesystem::temp_directory_path() / "vyn-bench-pokrycie";
    std::filesystem::create_directories(katalog);

    std::vector<Przypadek> suite;
    for (int n = 8; n <= (szybko ? 10 : 12); ++n)
        for (int d : {25, 50, 75})
            for (unsigned k = 1; k <= 2; ++k)
                suite.push_back(Losowa(n, d, 7919u * static_cast<unsigned>(n) + 31u * d + k));
    for (Przypadek& p : Uklady())
        suite.push_back(std::move(p));
    for (Przypadek& p : dodatkowe)
        suite.push_back(std::move(p));
    if (!przypadki.empty() && std::filesystem::is_directory(przypadki)) {
        std::vector<std::filesystem::path> pliki;
        for (const auto& e : std::filesystem::directory_iterator(przypadki))
            if (e.path().extension() == ".vyn")
                pliki.push_back(e.path());
        std::sort(pliki.begin(), pliki.end());
        for (const auto& plik : pliki) {
            std::ifstream f(plik, std::ios::binary);
            std::string bajty((std::istreambuf_iterator<char>(f)), {});
            const auto linia = bajty.substr(0, bajty.find_first_of("\r\n"));
            suite.push_back({plik.stem().string(), linia});
        }
    }

    std::printf("Pokrycie: vyn wobec cbc na tym samym problemie pokrycia (limit %.0f s). Czasy w "
                "sekundach od początku szukania; ? = niedowiedzione.\n",
                limit);
    std::printf("%-16s %6s %6s %5s %7s %5s %9s %9s %9s | %7s %8s | %6s %s\n", "funkcja", "minterm",
                "proste", "rdzeń", "koszt", "post.", "pierwsze", "dowód", "całość", "cbc", "czas",
                "iloraz", "zgodne");
    for (const auto& p : suite)
        if (p.Nazwa.find(tylko) != std::string::npos)
            Zmierz(p, limit, zCbc, slad, doDowodu, katalog);
    return 0;
}

// vyn-bench: (a) the hashing table pass against the literal all-pairs pass on random tables,
// (b) full runs of a fixed, seeded suite of functions with median times and peak memory.
// Each full run is measured in a child process so that its peak resident size is its own.
#include "text/funkcja.h"
#include "qm/kodowanie.h"
#include "literalny.h"
#include "qm/przebieg.h"
#include "qm/slowo.h"
#include "qm/tablica_pomocnicza.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

using namespace vyn;
using Zegar = std::chrono::steady_clock;

namespace {

double Sekundy(Zegar::time_point od) {
    return std::chrono::duration<double>(Zegar::now() - od).count();
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::vector<std::uint32_t> LosoweMintermy(std::mt19937& los, int l, std::size_t ile) {
    std::unordered_set<std::uint32_t> zbior;
    std::vector<std::uint32_t> wynik;
    while (wynik.size() < ile) {
        const std::uint32_t m = static_cast<std::uint32_t>(los()) & ((1u << l) - 1);
        if (zbior.insert(m).second)
            wynik.push_back(m);
    }
    return wynik;
}

// ---- (a) one table pass ----

void PorownajPrzejscia() {
    std::printf("(a) Tablica pomocnicza nr 1: haszowanie wobec porównania wszystkich par\n");
    std::printf("%8s %6s %12s %12s %14s %10s\n", "termy", "liter", "wynik", "haszowanie",
                "wszystkie pary", "krotnie");
    struct Rozmiar {
        std::size_t n;
        int l;
    };
    double poprzedniCzas = 0;
    std::size_t poprzednieN = 0;
    for (Rozmiar r :
         {Rozmiar{1000, 16}, Rozmiar{5000, 18}, Rozmiar{20000, 20}, Rozmiar{100000, 22}}) {
        std::mt19937 los(static_cast<unsigned>(r.n));
        const auto mintermy = LosoweMintermy(los, r.l, r.n);

        std::vector<double> czasy;
        TablicaSkladnikow cel;
        ListaProstych proste;
        PamiecPrzejscia pamiec; // as in a run, the working memory serves pass after pass
        for (int powtorzenie = 0; powtorzenie < 7; ++powtorzenie) {
            TablicaSkladnikow zrodlo;
            for (auto m : mintermy) {
                zrodlo.Wartosci.push_back(m | FlagaObecnosci);
                zrodlo.Maski.push_back(0);
            }
            proste = ListaProstych{};
            std::string wiersz;
            const auto start = Zegar::now();
            TablicaPomocnicza(1, zrodlo, cel, proste, r.l, wiersz, {}, &pamiec);
            czasy.push_back(Sekundy(start));
        }
        const double produkt = Mediana(czasy);

        // The literal pass grows with the square of the table: predict it from the last size.
        const double przewidywany = poprzednieN ? poprzedniCzas * static_cast<double>(r.n * r.n) /
                                                      static_cast<double>(poprzednieN * poprzednieN)
                                                : 0;
        char wynik[32] = "-";
        std::snprintf(wynik, sizeof wynik, "%zu", cel.Rozmiar());
        if (przewidywany > 60) {
            std::printf("%8zu %6d %12s %10.2f ms %14s %10s   (literalne pominięte: ok. %.0f s)\n",
                        r.n, r.l, wynik, produkt * 1e3, "-", "-", przewidywany);
            continue;
        }
        const std::size_t poj = PojemnoscTablicy;
        std::vector<std::uint32_t> V(poj + 2), M(poj + 2), V2(poj + 2), M2(poj + 2), PW(poj + 2),
            PM(poj + 2);
        for (std::size_t i = 0; i < mintermy.size(); ++i)
            V[i + 1] = mintermy[i] | FlagaObecnosci;
        int licznik = 1;
        std::string wiersz;
        const auto start = Zegar::now();
        ref::TablicaPomocnicza(1, V, M, V2, M2, PW, PM, licznik, wiersz, poj);
        const double literalnie = Sekundy(start);
        poprzedniCzas = literalnie;
        poprzednieN = r.n;
        // Same destination, same order.
        bool zgodne = true;
        for (std::size_t i = 0; i < cel.Rozmiar(); ++i)
            zgodne = zgodne && cel.Wartosci[i] == V2[i + 1] && cel.Maski[i] == M2[i + 1];
        std::printf("%8zu %6d %12s %10.2f ms %11.1f ms %9.0fx%s\n", r.n, r.l, wynik, produkt * 1e3,
                    literalnie * 1e3, literalnie / produkt, zgodne ? "" : "  RÓŻNE WYNIKI!");
    }
    std::printf("\n");
}

// ---- (b) full runs ----

struct Przypadek {
    std::string Nazwa;
    std::string Funkcja;
    int Powtorzenia;
};

std::string Dziesietnie(const std::vector<std::uint32_t>& m) {
    std::string f;
    for (auto v : m) {
        if (!f.empty())
            f.push_back(',');
        f += std::to_string(v);
    }
    return f;
}

// Random minterms at a given density, the top minterm included so that the ascending
// encoding takes all l letters.
std::string LosowaGestosc(std::mt19937& los, int l, double gestosc) {
    auto m = LosoweMintermy(los, l, static_cast<std::size_t>(gestosc * (1u << l)));
    if (std::find(m.begin(), m.end(), (1u << l) - 1) == m.end())
        m.push_back((1u << l) - 1);
    return Dziesietnie(m);
}

// A union of random product terms with `wolne` free letters each, in the letter notation,
// plus one full minterm so that every letter occurs.
std::string SumaKostek(std::mt19937& los, int l, int ile, int minWolne, int maxWolne) {
    std::string f;
    for (int k = 0; k < ile; ++k) {
        std::vector<int> litery(static_cast<std::size_t>(l));
        for (int i = 0; i < l; ++i)
            litery[static_cast<std::size_t>(i)] = i;
        std::shuffle(litery.begin(), litery.end(), los);
        const int wolne =
            minWolne + static_cast<int>(los() % static_cast<unsigned>(maxWolne - minWolne + 1));
        if (!f.empty())
            f.push_back('+');
        for (int i = 0; i < l - wolne; ++i) {
            const int z = litery[static_cast<std::size_t>(i)];
            f.push_back(static_cast<char>((los() & 1 ? 'A' : 'a') + z));
        }
    }
    f.push_back('+');
    for (int i = 0; i < l; ++i)
        f.push_back(static_cast<char>('A' + i));
    return f;
}

// 100000 minterms over 20 letters in 50000 adjacent pairs and nothing else adjacent: the
// pairs differ in bit 0 and their other 19 bits have even parity.
std::string Pary20() {
    std::vector<std::uint32_t> m;
    for (std::uint32_t reszta = 0; m.size() < 100000; ++reszta)
        if (__builtin_popcount(reszta) % 2 == 0) {
            m.push_back(reszta << 1);
            m.push_back((reszta << 1) | 1);
        }
    m.push_back((1u << 20) - 1); // odd parity of its upper bits: an isolated minterm, all letters
    m.pop_back();
    std::string f = Dziesietnie(m);
    // Make the top minterm present without passing the limit: replace the last pair's mate.
    f = f.substr(0, f.rfind(',')) + "," + std::to_string((1u << 20) - 1);
    return f;
}

std::vector<Przypadek> Zestaw() {
    std::mt19937 los(2026);
    std::vector<Przypadek> z;
    z.push_back({"8 liter, rzadka (25%)", LosowaGestosc(los, 8, 0.25), 5});
    z.push_back({"8 liter, gęsta (75%)", LosowaGestosc(los, 8, 0.75), 5});
    z.push_back({"12 liter, rzadka (5%)", LosowaGestosc(los, 12, 0.05), 5});
    z.push_back({"12 liter, gęsta (40 kostek)", SumaKostek(los, 12, 40, 3, 6), 5});
    z.push_back({"16 liter, rzadka (1%)", LosowaGestosc(los, 16, 0.01), 5});
    z.push_back({"16 liter, gęsta (100 kostek)", SumaKostek(los, 16, 100, 4, 7), 3});
    z.push_back(
        {"20 liter, rzadka (20000 losowych)", LosowaGestosc(los, 20, 20000.0 / (1 << 20)), 3});
    z.push_back({"20 liter, 100000 mintermów w parach", Pary20(), 3});
    z.push_back(
        {"26 liter, rzadka (5000 losowych)", LosowaGestosc(los, 26, 5000.0 / (1 << 26)), 3});
    z.push_back({"26 liter, 100000 losowych", LosowaGestosc(los, 26, 99999.0 / (1 << 26)), 3});
    z.push_back({"26 liter, gęsta (200 kostek)", SumaKostek(los, 26, 200, 4, 6), 3});
    return z;
}

struct Zegarek : ObserwatorPrzebiegu {
    FlagaPrzerwania* Flaga;
    Zegar::time_point Koniec;
    unsigned Licznik = 0;
    void PrzetworzZdarzenia() override {
        if ((Licznik++ & 1023) == 0 && Zegar::now() > Koniec)
            Flaga->Ustaw();
    }
};

// Runs in the child: the run repeated, one summary line to the pipe.
void ZmierzWDziecku(const Przypadek& p, int potok) {
    const bool dziesietny = p.Funkcja[0] >= '0' && p.Funkcja[0] <= '9';
    const auto k = UstalKodowanie(TrybKodowania::Rosnaco, p.Funkcja, dziesietny, "");
    std::vector<double> czasy;
    WynikMinimalizacji w;
    for (int i = 0; i < p.Powtorzenia; ++i) {
        FlagaPrzerwania flaga;
        Zegarek z;
        z.Flaga = &flaga;
        z.Koniec = Zegar::now() + std::chrono::seconds(60);
        const auto start = Zegar::now();
        w = Minimalizuj({p.Funkcja, dziesietny, k.Kodowanie}, z, flaga);
        czasy.push_back(Sekundy(start));
        if (w.Przerwano)
            break;
    }
    const int mintermy = PoliczGrupy(w.KanonicznaDziesietna);
    const int proste = w.ProsteImplikanty.empty() ? 0 : PoliczGrupy(w.ProsteImplikanty);
    const int istotne = w.ImplikantyIstotne.empty() || w.ImplikantyIstotne == "1"
                            ? 0
                            : PoliczGrupy(w.ImplikantyIstotne);
    char linia[512];
    const char* uwaga = w.Stan == StanPrzebiegu::PrzekroczonaPojemnosc ? " pojemność!"
                        : w.Przerwano                                  ? " przerwano po 60 s"
                        : w.Obcieto                                    ? " >1000 postaci"
                                                                       : "";
    std::snprintf(linia, sizeof linia, "%2zu %7d %7d %7d %6d %10.1f%s", k.Kodowanie.size(),
                  mintermy, proste, istotne, w.IloscMinimalnych(), Mediana(czasy) * 1e3, uwaga);
    if (write(potok, linia, std::strlen(linia)) < 0)
        _exit(2);
}

void PelneUruchomienia() {
    std::printf("(b) Pełna minimalizacja: mediana czasu i szczytowa pamięć (osobny proces)\n");
    std::printf("%-38s %2s %7s %7s %7s %6s %10s %9s\n", "funkcja", "L", "minterm", "proste",
                "istotne", "postaci", "czas ms", "pamięć MB");
    for (const Przypadek& p : Zestaw()) {
        int potok[2];
        if (pipe(potok) != 0)
            return;
        std::fflush(stdout);
        const pid_t dziecko = fork();
        if (dziecko == 0) {
            close(potok[0]);
            ZmierzWDziecku(p, potok[1]);
            _exit(0);
        }
        close(potok[1]);
        char bufor[512] = {};
        std::size_t przeczytane = 0;
        ssize_t n;
        while ((n = read(potok[0], bufor + przeczytane, sizeof bufor - 1 - przeczytane)) > 0)
            przeczytane += static_cast<std::size_t>(n);
        close(potok[0]);
        int stan = 0;
        rusage zuzycie{};
        wait4(dziecko, &stan, 0, &zuzycie);
        std::string linia(bufor, przeczytane);
        // Put the memory column before the remark.
        std::string uwaga;
        const auto miejsce = linia.find_first_of("pr>", 50);
        if (miejsce != std::string::npos) {
            uwaga = " " + linia.substr(miejsce);
            linia = linia.substr(0, miejsce);
            while (!linia.empty() && linia.back() == ' ')
                linia.pop_back();
        }
        std::printf("%-38s %s %9.1f%s\n", p.Nazwa.c_str(), linia.c_str(),
                    zuzycie.ru_maxrss / 1024.0, uwaga.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool tylkoA = argc > 1 && std::strcmp(argv[1], "--pass") == 0;
    const bool tylkoB = argc > 1 && std::strcmp(argv[1], "--runs") == 0;
    if (!tylkoB)
        PorownajPrzejscia();
    if (!tylkoA)
        PelneUruchomienia();
    return 0;
}

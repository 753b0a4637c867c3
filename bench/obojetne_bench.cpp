// vyn-bench-obojetne: (a) 16-variable functions with don't-cares beside the same functions
// without them, (b) importing a 16-input, 10-output PLA file, (c) a 20-variable function whose
// first merged table is past the default capacity, run with the capacity raised. Each run of
// (c) is measured in a child process so that its peak resident size is its own.
#include "files/pla.h"
#include "granice.h"
#include "qm/kodowanie.h"
#include "qm/przebieg.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace vyn;
using Zegar = std::chrono::steady_clock;

namespace {

double Sekundy(Zegar::time_point od) {
    return std::chrono::duration<double>(Zegar::now() - od).count();
}

// A product of `litery` of the l variables, its letters in encoding order.
std::string Iloczyn(std::mt19937& los, int l, int litery) {
    std::vector<int> zmienne(static_cast<std::size_t>(l));
    for (int i = 0; i < l; ++i)
        zmienne[static_cast<std::size_t>(i)] = i;
    std::shuffle(zmienne.begin(), zmienne.end(), los);
    zmienne.resize(static_cast<std::size_t>(litery));
    std::sort(zmienne.begin(), zmienne.end());
    std::string g;
    for (int z : zmienne)
        g.push_back(static_cast<char>((los() & 1 ? 'A' : 'a') + z));
    return g;
}

std::string Suma(std::mt19937& los, int l, int iloczyny, int od, int doLiter) {
    std::string f;
    for (int i = 0; i < iloczyny; ++i) {
        const int k = od + static_cast<int>(los() % static_cast<unsigned>(doLiter - od + 1));
        f += (i ? "+" : "") + Iloczyn(los, l, k);
    }
    return f;
}

std::string Alfabet(int l) {
    return std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ").substr(0, static_cast<std::size_t>(l));
}

struct Pomiar {
    double Czas = 0;
    int Koszt = 0;
    int Postaci = 0;
    std::string Stan;
};

Pomiar Uruchom(const std::string& f, bool dziesietny, const std::string& kodowanie,
               std::size_t pojemnosc = PojemnoscTablicy) {
    ObserwatorPrzebiegu obserwator;
    FlagaPrzerwania flaga;
    ZadanieMinimalizacji z{f, dziesietny, kodowanie};
    z.Pojemnosc = pojemnosc;
    const auto start = Zegar::now();
    const auto w = Minimalizuj(z, obserwator, flaga);
    Pomiar p;
    p.Czas = Sekundy(start);
    p.Postaci = w.IloscMinimalnych();
    if (!w.PostacieMinimalne.empty()) {
        const std::string postac = w.PostacieMinimalne[0];
        p.Koszt = IloscZnakow(postac) + PoliczGrupy(postac);
    }
    p.Stan = w.Stan == StanPrzebiegu::Zakonczony ? "ok" : w.Komunikat;
    return p;
}

std::string Liczby(const std::vector<std::uint32_t>& v) {
    std::string t;
    for (auto m : v)
        t += (t.empty() ? "" : ",") + std::to_string(m);
    return t;
}

// ---- (a) don't-cares ----

void Obojetne() {
    std::printf("(a) 16 zmiennych, 40 iloczynów po 9-12 liter: bez stanów obojętnych i z nimi "
                "(20%% i 50%% liczby mintermów funkcji, całymi kostkami obok jej iloczynów)\n");
    std::printf("%4s %9s | %9s %6s | %9s %6s %6s | %9s %6s %6s\n", "nr", "mintermy", "czas [s]",
                "koszt", "czas [s]", "koszt", "+20%", "czas [s]", "koszt", "+50%");
    const int l = 16;
    const std::string kod = Alfabet(l);
    std::mt19937 los(2026);
    double suma[3] = {0, 0, 0}, udzial[3] = {0, 0, 0};
    int koszty[3] = {0, 0, 0};
    for (int nr = 1; nr <= 8; ++nr) {
        const std::string f = Suma(los, l, 40, 9, 12);
        // The function's minterms, and the rest of the space to draw don't-cares from.
        const auto on = MintermyFunkcji(f, false, kod);
        // Don't-cares in whole cubes next to the function's own: a product of the function
        // with one letter negated, its minterms outside the function, cube after cube until
        // the share is reached (the last cube may pass it a little).
        std::vector<std::string> iloczyny;
        for (std::size_t i = 0, j; i <= f.size(); i = j + 1) {
            j = std::min(f.find('+', i), f.size());
            iloczyny.push_back(f.substr(i, j - i));
        }
        auto obojetne = [&](std::size_t ile) {
            std::set<std::uint32_t> dc;
            std::mt19937 los2(static_cast<unsigned>(nr * 7 + ile));
            while (dc.size() < ile) {
                std::string g = iloczyny[los2() % iloczyny.size()];
                char& c = g[los2() % g.size()];
                c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? c + 32
                                                                                  : c - 32);
                for (std::uint32_t m : MintermyFunkcji(g, false, kod))
                    if (!std::binary_search(on.begin(), on.end(), m))
                        dc.insert(m);
            }
            return std::vector<std::uint32_t>(dc.begin(), dc.end());
        };
        const std::string tekst = Liczby(on);
        Pomiar p[3];
        p[0] = Uruchom(tekst, true, kod);
        for (int i = 1; i <= 2; ++i) {
            const auto dc = obojetne(on.size() * (i == 1 ? 20 : 50) / 100);
            p[i] = Uruchom(tekst + ";" + Liczby(dc), true, kod);
            udzial[i] += static_cast<double>(dc.size()) / static_cast<double>(on.size());
        }
        std::printf("%4d %9zu | %9.3f %6d | %9.3f %6d %6s | %9.3f %6d %6s\n", nr, on.size(),
                    p[0].Czas, p[0].Koszt, p[1].Czas, p[1].Koszt, p[1].Stan.c_str(), p[2].Czas,
                    p[2].Koszt, p[2].Stan.c_str());
        for (int i = 0; i < 3; ++i) {
            suma[i] += p[i].Czas;
            koszty[i] += p[i].Koszt;
        }
    }
    std::printf("razem: czas %.3f / %.3f / %.3f s, koszt %d / %d / %d; obojętnych średnio "
                "%.0f%% / %.0f%% liczby mintermów\n\n",
                suma[0], suma[1], suma[2], koszty[0], koszty[1], koszty[2], udzial[1] * 100 / 8,
                udzial[2] * 100 / 8);
}

// ---- (b) PLA import ----

void ImportPla() {
    const int wejscia = 16, wyjscia = 10, linie = 3000;
    std::mt19937 los(16);
    std::string t = ".i 16\n.o 10\n.type fd\n.p " + std::to_string(linie) + "\n";
    for (int i = 0; i < linie; ++i) {
        for (int k = 0; k < wejscia; ++k) {
            const auto r = los() % 10;
            t.push_back(r < 3 ? '-' : r < 6 ? '0' : '1'); // about 5 free inputs a line
        }
        t.push_back(' ');
        for (int k = 0; k < wyjscia; ++k) {
            const auto r = los() % 10;
            t.push_back(r < 3 ? '1' : r < 4 ? '-' : '0');
        }
        t.push_back('\n');
    }
    t += ".e\n";
    const auto start = Zegar::now();
    PlikPla pla;
    if (auto blad = CzytajPla(t, pla)) {
        std::printf("(b) błąd: %s\n", blad->c_str());
        return;
    }
    const double czytanie = Sekundy(start);
    std::size_t on = 0, dc = 0;
    for (int k = 0; k < wyjscia; ++k) {
        FunkcjaPla f;
        if (auto blad = RozwinWyjscie(pla, k, PojemnoscTablicy, f))
            std::printf("(b) wyjście %d: %s\n", k + 1, blad->c_str());
        on += f.Wlaczone.size();
        dc += f.Obojetne.size();
    }
    std::printf("(b) PLA 16 wejść, 10 wyjść, %d wierszy (%zu bajtów): odczyt %.4f s, odczyt i "
                "rozwinięcie wszystkich 10 wyjść %.4f s (ON %zu, obojętnych %zu mintermów)\n\n",
                linie, t.size(), czytanie, Sekundy(start), on, dc);
}

// ---- (c) past the default capacity ----

void DuzaPojemnosc() {
    std::mt19937 los(150);
    const std::string f = Suma(los, 20, 150, 11, 14);
    const std::string kod = Alfabet(20);
    std::printf("(c) 20 zmiennych, 150 iloczynów po 11-14 liter\n");
    for (std::size_t pojemnosc : {PojemnoscTablicy, std::size_t{2000000}}) {
        std::fflush(stdout);
        int rura[2];
        if (pipe(rura) != 0)
            return;
        const pid_t dziecko = fork();
        if (dziecko == 0) {
            close(rura[0]);
            ObserwatorPrzebiegu o;
            FlagaPrzerwania fl;
            ZadanieMinimalizacji z{f, false, kod};
            z.Pojemnosc = pojemnosc;
            const auto start = Zegar::now();
            const auto w = Minimalizuj(z, o, fl);
            const double czas = Sekundy(start);
            std::string opis = w.Stan == StanPrzebiegu::Zakonczony ? "ok" : w.Komunikat;
            std::string tablice;
            for (const auto& s : w.Szczegoly)
                tablice += " [" + s + "]";
            char bufor[4096];
            const std::string postac = w.PostacieMinimalne.empty() ? "" : w.PostacieMinimalne[0];
            const int n = std::snprintf(
                bufor, sizeof bufor, "%.3f s, %s, postaci %d, koszt %d, tablice:%s", czas,
                opis.c_str(), w.IloscMinimalnych(),
                postac.empty() ? 0 : IloscZnakow(postac) + PoliczGrupy(postac), tablice.c_str());
            if (write(rura[1], bufor, static_cast<std::size_t>(n)) < 0)
                _exit(1);
            _exit(0);
        }
        close(rura[1]);
        std::string wynik;
        char bufor[4096];
        for (ssize_t n; (n = read(rura[0], bufor, sizeof bufor)) > 0;)
            wynik.append(bufor, static_cast<std::size_t>(n));
        close(rura[0]);
        int stan = 0;
        rusage zuzycie{};
        wait4(dziecko, &stan, 0, &zuzycie);
        std::printf("  pojemność %zu: %s; szczyt pamięci %.1f MiB\n", pojemnosc, wynik.c_str(),
                    static_cast<double>(zuzycie.ru_maxrss) / 1024.0);
    }
}

} // namespace

int main() {
    Obojetne();
    ImportPla();
    DuzaPojemnosc();
    return 0;
}

// What every run of the engine must satisfy, checked on any function: shared by the random
// differential test and the engine fuzzer. Each check returns what is wrong, or "" when nothing.
//   - it refuses exactly what the input check refuses, with no results;
//   - a finished run reaches 100 on the gauge in the steps 20 + n * round(70 / L), n = 1..L
//     (for L > 4 letters), keeps 1..limit forms, each exactly the function, all of the same
//     cost and distinct, that cost proved least;
//   - a stopped run keeps forms of the function, or only the fallback (the essential part or
//     "1") marked as incomplete;
//   - up to 4 letters: the forms have the least cost and are every cheapest cover (brute force);
//   - up to `literyWzorca` letters: everything equals the literal rules.
#pragma once

#include "granice.h"
#include "literalny.h"
#include "qm/przebieg.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace wlasnosci {

// Records the gauge and the messages; raises the stop flag at the `przerwijPo`-th event point.
class Obserwator : public vyn::ObserwatorPrzebiegu {
  public:
    Obserwator(vyn::FlagaPrzerwania& flaga, int przerwijPo) : flaga_(flaga), po_(przerwijPo) {}
    void PrzetworzZdarzenia() override {
        if (po_ >= 0 && punkty_++ >= po_)
            flaga_.Ustaw(); // stays in force, as the stop button keeps it
    }
    void Postep(int w) override { Wskaznik.push_back(w); }
    void Komunikat(const std::string&) override { ++Komunikaty; }
    // The search's labels: 2 the letters, 3 the groups, 4 the forms found (or emptied).
    void Etykieta(int nr, const std::string& t) override {
        static const char* const Poczatki[] = {"liter: ", "grup: ", "minimalnych: "};
        if (nr < 2 || nr > 4 || (!t.empty() && t.rfind(Poczatki[nr - 2], 0) != 0))
            ZlaEtykieta = std::to_string(nr) + " " + t;
        if (nr == 4)
            OstatniaCzwarta = t;
    }
    std::vector<int> Wskaznik;
    std::string ZlaEtykieta, OstatniaCzwarta;
    int Komunikaty = 0;

  private:
    vyn::FlagaPrzerwania& flaga_;
    int po_;
    int punkty_ = 0;
};

// Letters plus groups: the cost by which forms compete ("1" costs 1).
inline int Koszt(const std::string& postac) {
    int litery = 0;
    for (char c : postac)
        litery += (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return litery + vyn::PoliczGrupy(postac);
}

struct Optimum {
    int Koszt = 0;
    std::size_t Ile = 0; // cheapest covers
};

// By brute force over the prime implicants of a function of up to 4 letters (`prawda` bit m set
// for minterm m): the least cost of a cover and how many covers have it. Nothing when there are
// too many primes to try every subset.
inline std::optional<Optimum> NajtanszePokrycia(std::uint32_t prawda, int l) {
    const std::uint32_t n = 1u << l;
    auto kostka = [&](std::uint32_t v, std::uint32_t m) {
        std::uint32_t bity = 0, pod = 0;
        do {
            bity |= 1u << (v | pod);
            pod = (pod - m) & m;
        } while (pod);
        return bity;
    };
    std::vector<std::pair<std::uint32_t, int>> proste; // minterms, cost
    for (std::uint32_t m = 0; m < n; ++m)
        for (std::uint32_t v = 0; v < n; ++v) {
            const std::uint32_t b = (v & m) ? 0 : kostka(v, m);
            if (!b || (b & prawda) != b)
                continue;
            bool prosty = true;
            for (int bit = 0; bit < l && prosty; ++bit)
                if (!(m >> bit & 1) && (kostka(v & ~(1u << bit), m | (1u << bit)) & ~prawda) == 0)
                    prosty = false;
            if (prosty)
                proste.push_back({b, l - __builtin_popcount(m) + 1});
        }
    if (proste.size() > 16)
        return std::nullopt;
    Optimum o{1 << 30, 0};
    for (std::uint32_t zbior = 1; zbior < (1u << proste.size()); ++zbior) {
        std::uint32_t bity = 0;
        int koszt = 0;
        for (std::size_t i = 0; i < proste.size(); ++i)
            if (zbior >> i & 1) {
                bity |= proste[i].first;
                koszt += proste[i].second;
            }
        if (bity != prawda || koszt > o.Koszt)
            continue;
        if (koszt < o.Koszt)
            o = {koszt, 0};
        ++o.Ile;
    }
    return o;
}

// The gauge of a finished run of L letters, from its rule.
inline std::vector<int> WskaznikWedlugReguly(int l) {
    std::vector<int> w{20};
    const int krok = static_cast<int>(std::nearbyint(70.0 / l)); // ties to even
    for (int n = 1; l > 4 && n <= l; ++n)
        w.push_back(20 + n * krok);
    w.push_back(100);
    return w;
}

inline std::string BladPostaci(const vyn::WynikMinimalizacji& w,
                               const std::vector<std::uint32_t>& mintermy) {
    std::set<std::string> rozne;
    for (const std::string& p : w.PostacieMinimalne) {
        if (const auto blad = vyn::SprawdzPostac(p, w.Kodowanie, mintermy))
            return "postać " + p + " nie jest funkcją: " + *blad;
        if (Koszt(p) != Koszt(w.PostacieMinimalne.front()))
            return "postacie o różnym koszcie: " + p;
        if (!rozne.insert(p).second)
            return "postać zapisana dwa razy: " + p;
    }
    return {};
}

// Everything a run of `z` (forms limit z.MaksPostaci) must satisfy; `o` is its observer.
inline std::string BladPrzebiegu(const vyn::ZadanieMinimalizacji& z,
                                 const vyn::WynikMinimalizacji& w, const Obserwator& o,
                                 int literyWzorca) {
    using vyn::StanPrzebiegu;
    const std::string& f = z.Funkcja;
    if (f.empty())
        return w.Stan == StanPrzebiegu::Pusty ? "" : "pusta funkcja uruchomiła przebieg";
    if (const auto odmowa = vyn::SprawdzFunkcje(f, z.TrybDziesietny, z.Kodowanie)) {
        if (w.Stan != StanPrzebiegu::Odrzucony || w.Komunikat != *odmowa)
            return "przebieg nie odmówił jak sprawdzenie funkcji";
        return w.PostacieMinimalne.empty() && o.Wskaznik.empty() ? ""
                                                                 : "odrzucony przebieg ma wyniki";
    }
    if (w.Stan != StanPrzebiegu::Zakonczony)
        return "przebieg nie doszedł do końca: " + w.Komunikat;
    const std::size_t ile = w.PostacieMinimalne.size();
    if (ile < 1 || ile > z.MaksPostaci)
        return "liczba postaci poza 1..granica";
    if (w.Obcieto && ile != z.MaksPostaci)
        return "obcięto, a nie ma granicy postaci";
    const int l = static_cast<int>(z.Kodowanie.size());
    const auto mintermy = vyn::MintermyFunkcji(f, z.TrybDziesietny, z.Kodowanie);

    if (w.Przerwano) {
        // Forms found before the stop are the function; otherwise only the fallback.
        if (!vyn::SprawdzPostac(w.PostacieMinimalne.front(), z.Kodowanie, mintermy))
            return w.PostacieNiepelne ? "pełne postacie oznaczone jako niepełne"
                                      : BladPostaci(w, mintermy);
        const std::string zastepcza = w.ImplikantyIstotne.empty() ? "1" : w.ImplikantyIstotne;
        if (ile != 1 || w.PostacieMinimalne.front() != zastepcza || !w.PostacieNiepelne)
            return "przerwany przebieg pokazał postać, która nie jest funkcją";
        return {};
    }
    if (o.Wskaznik != WskaznikWedlugReguly(l) || o.Komunikaty != 0)
        return "wskaźnik nie według reguły albo był komunikat";
    if (!o.ZlaEtykieta.empty())
        return "etykieta " + o.ZlaEtykieta;
    if (!o.OstatniaCzwarta.empty() && o.OstatniaCzwarta != "minimalnych: " + std::to_string(ile))
        return "ostatnia etykieta " + o.OstatniaCzwarta + " przy " + std::to_string(ile) +
               " postaciach";
    if (w.PostacieNiepelne)
        return "zakończony przebieg ma postacie niepełne";
    if (auto blad = BladPostaci(w, mintermy); !blad.empty())
        return blad;
    // A finished run has proved its forms' cost least.
    if (!w.MinimalnaDowiedziona || w.DowiedzionaGranica != w.KosztPostaci ||
        w.KosztPostaci != Koszt(w.PostacieMinimalne.front()))
        return "zakończony przebieg bez dowiedzionego kosztu swoich postaci";

    if (l <= 4) {
        std::uint32_t prawda = 0;
        for (std::uint32_t m : mintermy)
            prawda |= 1u << m;
        if (mintermy.size() == (std::size_t{1} << l)) {
            if (ile != 1 || w.PostacieMinimalne.front() != "1")
                return "funkcja stale prawdziwa bez postaci 1";
        } else if (const auto opt = NajtanszePokrycia(prawda, l)) {
            if (Koszt(w.PostacieMinimalne.front()) != opt->Koszt)
                return "postać nie jest najtańsza";
            if (ile != std::min(opt->Ile, z.MaksPostaci) || w.Obcieto != (opt->Ile > z.MaksPostaci))
                return "nie każde najtańsze pokrycie zapisane";
        }
    }
    if (l <= literyWzorca) {
        const auto r = ref::Minimalizuj(f, z.TrybDziesietny, z.Kodowanie, true,
                                        vyn::PojemnoscTablicy, z.MaksPostaci);
        if (w.KanonicznaLiterowa != r.KanonicznaLiterowa ||
            w.KanonicznaDziesietna != r.KanonicznaDziesietna)
            return "postać kanoniczna inna niż według reguł";
        if (w.Szczegoly != r.Szczegoly)
            return "wiersze szczegółów inne niż według reguł";
        if (w.ProsteImplikanty != r.ProsteImplikanty || w.ImplikantyIstotne != r.ImplikantyIstotne)
            return "implikanty inne niż według reguł";
        if (w.PostacieMinimalne != r.PostacieMinimalne || w.DolnaGranica != r.DolnaGranica ||
            w.Obcieto != r.Obcieto)
            return "postacie minimalne inne niż według reguł";
    }
    return {};
}

} // namespace wlasnosci

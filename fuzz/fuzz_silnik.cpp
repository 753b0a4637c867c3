// Fuzzes the engine on small functions of up to 8 letters, in both notations and all three letter
// orders, with a lowered forms limit and stops at random points. A run refuses exactly what the
// input check refuses; every form it records is exactly the function, all have the least cost
// (for up to 4 letters: every cheapest cover of the prime implicants, counted by brute force),
// no more are kept than the limit allows, and the results equal the literal rules'. A stopped
// run keeps forms of the function, or falls back on the essential part alone.
#include "text/funkcja.h"
#include "granice.h"
#include "qm/kodowanie.h"
#include "literalny.h"
#include "qm/przebieg.h"
#include "reguly.h"
#include "qm/weryfikacja.h"

#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>

using namespace vyn;

namespace {

class Obserwator : public ObserwatorPrzebiegu {
  public:
    Obserwator(FlagaPrzerwania& flaga, int przerwijPo) : flaga_(flaga), przerwijPo_(przerwijPo) {}
    // The stop request stays in force once made, as the program's stop button keeps it.
    void PrzetworzZdarzenia() override {
        if (przerwijPo_ >= 0 && punkty_++ >= przerwijPo_)
            flaga_.Ustaw();
    }
    void Postep(int wartosc) override {
        fuzz::Sprawdz(wartosc >= 0 && wartosc <= 100, "wskaźnik poza 0..100");
        fuzz::Sprawdz(wartosc >= ostatni, "wskaźnik się cofnął");
        ostatni = wartosc;
    }
    void Etykieta(int nr, const std::string&) override {
        fuzz::Sprawdz(nr >= 2 && nr <= 4, "etykieta spoza Label2..Label4");
    }
    void Komunikat(const std::string&) override { ++komunikaty; }
    int ostatni = 0;
    int komunikaty = 0;

  private:
    FlagaPrzerwania& flaga_;
    int przerwijPo_;
    int punkty_ = 0;
};

int Litery(std::string_view t) {
    int n = 0;
    for (char c : t)
        n += fuzz::Litera(c);
    return n;
}

// Letters plus groups: the cost by which forms compete.
int Koszt(const std::string& postac) {
    return Litery(postac) + PoliczGrupy(postac);
}

struct Optimum {
    int Koszt = 0;
    std::size_t Ile = 0; // cheapest covers
};

// By brute force over the prime implicants of a function of up to 4 letters (`prawda` bit m set
// for minterm m): the least cost of a cover and how many covers have it. Nothing when the
// function has too many primes to try every subset.
std::optional<Optimum> NajtanszePokrycia(std::uint32_t prawda, int l) {
    const std::uint32_t n = 1u << l;
    auto kostka = [&](std::uint32_t v, std::uint32_t m) {
        std::uint32_t bity = 0, pod = 0;
        do {
            bity |= 1u << (v | pod);
            pod = (pod - m) & m;
        } while (pod);
        return bity;
    };
    struct Prosty {
        std::uint32_t Bity;
        int Koszt;
    };
    std::vector<Prosty> proste;
    for (std::uint32_t m = 0; m < n; ++m)
        for (std::uint32_t v = 0; v < n; ++v) {
            if (v & m)
                continue;
            const std::uint32_t b = kostka(v, m);
            if ((b & prawda) != b)
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
                bity |= proste[i].Bity;
                koszt += proste[i].Koszt;
            }
        if (bity != prawda || koszt > o.Koszt)
            continue;
        if (koszt < o.Koszt)
            o = {koszt, 0};
        ++o.Ile;
    }
    return o;
}

std::string Funkcja(FuzzedDataProvider& we, bool dziesietna, const std::string& litery) {
    const int l = static_cast<int>(litery.size());
    const std::size_t maksDlugosc = l <= 6 ? 64 : 24;
    std::string f;
    while (f.size() < maksDlugosc && we.remaining_bytes() > 0) {
        const auto b = we.ConsumeIntegral<std::uint8_t>();
        if (dziesietna) {
            if (b < 200) {
                f += std::to_string(we.ConsumeIntegralInRange<std::uint32_t>(0, (1u << l) - 1));
                f += ',';
            } else if (b < 225) {
                f += ','; // separators side by side or first
            } else if (b < 250) {
                f += '0'; // a leading zero
            } else {
                f += std::to_string(1u << l); // one past what the letters name: refused
            }
        } else if (b < 200) {
            const char c = litery[b % static_cast<unsigned>(l)];
            f += (b / l) % 2 ? static_cast<char>(c - 'A' + 'a') : c;
        } else if (b < 250) {
            f += '+';
        } else {
            f += b % 2 ? '*' : 'Q'; // a foreign character, or a letter outside a user's order
        }
    }
    if (dziesietna && we.ConsumeBool() && !f.empty())
        f.pop_back(); // no trailing comma
    return f;
}

void SprawdzPostacie(const WynikMinimalizacji& w, const std::vector<std::uint32_t>& mintermy,
                     const std::string& f) {
    std::set<std::string> rozne;
    for (const std::string& p : w.PostacieMinimalne) {
        const auto blad = SprawdzPostac(p, w.Kodowanie, mintermy);
        fuzz::Sprawdz(!blad, "postać " + p + " nie jest funkcją: " + blad.value_or(""), f);
        fuzz::Sprawdz(Koszt(p) == Koszt(w.PostacieMinimalne.front()),
                      "postacie równoważne o różnym koszcie: " + p, f);
        fuzz::Sprawdz(rozne.insert(p).second, "postać zapisana dwa razy: " + p, f);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    FuzzedDataProvider we(dane, rozmiar);
    const bool dziesietna = we.ConsumeBool();
    const int l = we.ConsumeIntegralInRange(1, 8);
    const int tryb = we.ConsumeIntegralInRange(0, 2);
    // L distinct letters from anywhere in the alphabet.
    std::string alfabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < l; ++i)
        std::swap(alfabet[static_cast<std::size_t>(i)],
                  alfabet[static_cast<std::size_t>(we.ConsumeIntegralInRange(i, 25))]);
    const std::string litery = alfabet.substr(0, static_cast<std::size_t>(l));
    const std::size_t maks = we.ConsumeBool() ? MaksPostaci : we.ConsumeIntegralInRange(1, 4);
    const int przerwijPo =
        we.ConsumeIntegralInRange(0, 3) == 0 ? we.ConsumeIntegralInRange(0, 400) : -1;
    const std::string f = Funkcja(we, dziesietna, litery);

    ZadanieMinimalizacji z;
    z.Funkcja = f;
    z.TrybDziesietny = dziesietna;
    z.MaksPostaci = maks;
    if (tryb == 2) {
        z.Kodowanie = litery; // the user's order, whatever the function holds
    } else {
        const auto k = UstalKodowanie(tryb ? TrybKodowania::Malejaco : TrybKodowania::Rosnaco, f,
                                      dziesietna, "");
        fuzz::Sprawdz(!k.Blad, "kodowanie odrzuciło liczby", f);
        z.Kodowanie = k.Kodowanie;
    }

    FlagaPrzerwania flaga;
    Obserwator obserwator(flaga, przerwijPo);
    const auto w = Minimalizuj(z, obserwator, flaga);
    const auto odmowa = SprawdzFunkcje(f, dziesietna, z.Kodowanie);
    if (f.empty()) {
        fuzz::Sprawdz(w.Stan == StanPrzebiegu::Pusty, "pusta funkcja uruchomiła przebieg");
        return 0;
    }
    if (odmowa) {
        fuzz::Sprawdz(w.Stan == StanPrzebiegu::Odrzucony && w.Komunikat == *odmowa,
                      "przebieg nie odmówił jak sprawdzenie funkcji", f);
        fuzz::Sprawdz(w.PostacieMinimalne.empty() && obserwator.ostatni == 0,
                      "odrzucony przebieg ma wyniki", f);
        return 0;
    }
    fuzz::Sprawdz(w.Stan == StanPrzebiegu::Zakonczony,
                  "przebieg nie doszedł do końca: " + w.Komunikat, f);
    fuzz::Sprawdz(obserwator.ostatni == 100 && obserwator.komunikaty == 0,
                  "wskaźnik nie doszedł do 100 albo był komunikat", f);
    const std::size_t ile = w.PostacieMinimalne.size();
    fuzz::Sprawdz(ile >= 1 && ile <= maks, "liczba postaci poza 1..granica", f);
    fuzz::Sprawdz(!w.Obcieto || ile == maks, "obcięto, a nie ma granicy postaci", f);
    const auto mintermy = MintermyFunkcji(f, dziesietna, z.Kodowanie);

    if (w.Przerwano) {
        // Forms found before the stop are the function; otherwise only the fallback.
        const auto blad = SprawdzPostac(w.PostacieMinimalne.front(), z.Kodowanie, mintermy);
        if (blad) {
            const std::string zastepcza = w.ImplikantyIstotne.empty() ? "1" : w.ImplikantyIstotne;
            fuzz::Sprawdz(ile == 1 && w.PostacieMinimalne.front() == zastepcza,
                          "przerwany przebieg pokazał postać, która nie jest funkcją", f);
        } else {
            SprawdzPostacie(w, mintermy, f);
        }
        return 0;
    }
    SprawdzPostacie(w, mintermy, f);

    const int litery_kodowania = static_cast<int>(z.Kodowanie.size());
    if (litery_kodowania <= 4) {
        std::uint32_t prawda = 0;
        for (std::uint32_t m : mintermy)
            prawda |= 1u << m;
        if (mintermy.size() == (std::size_t{1} << litery_kodowania)) {
            fuzz::Sprawdz(ile == 1 && w.PostacieMinimalne.front() == "1",
                          "funkcja stale prawdziwa bez postaci 1", f);
        } else if (const auto o = NajtanszePokrycia(prawda, litery_kodowania)) {
            fuzz::Sprawdz(Koszt(w.PostacieMinimalne.front()) == o->Koszt,
                          "postać nie jest najtańsza", f);
            fuzz::Sprawdz(ile == std::min(o->Ile, maks), "nie każde najtańsze pokrycie zapisane",
                          f);
            fuzz::Sprawdz(w.Obcieto == (o->Ile > maks), "Obcieto nie zgadza się z liczbą pokryć",
                          f);
        }
    }
    if (litery_kodowania <= 6) {
        const auto r = ref::Minimalizuj(f, dziesietna, z.Kodowanie, true, 8192, maks);
        fuzz::Sprawdz(w.KanonicznaLiterowa == r.KanonicznaLiterowa &&
                          w.KanonicznaDziesietna == r.KanonicznaDziesietna,
                      "postać kanoniczna inna niż według reguł", f);
        fuzz::Sprawdz(w.Szczegoly == r.Szczegoly, "wiersze szczegółów inne niż według reguł", f);
        fuzz::Sprawdz(w.ProsteImplikanty == r.ProsteImplikanty &&
                          w.ImplikantyIstotne == r.ImplikantyIstotne,
                      "implikanty inne niż według reguł", f);
        fuzz::Sprawdz(w.PostacieMinimalne == r.PostacieMinimalne,
                      "postacie minimalne inne niż według reguł", f);
    }
    return 0;
}

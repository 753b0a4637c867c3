// The three orderings of the cyclic core and the length estimate `DolnaGranica`.
#include "qm/porzadek_wierszy.h"

#include "qm/slowo.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <span>
#include <utility>

namespace vyn {

namespace {

int Policz(const std::uint64_t* wiersz, const std::uint64_t* bez, int slowa, Odpytywanie& odp) {
    odp.Praca(static_cast<std::size_t>(slowa)); // a stop found here is taken at the next check
    int ile = 0;
    for (int k = 0; k < slowa; ++k)
        ile += Jedynki(bez ? (wiersz[k] & ~bez[k]) : wiersz[k]);
    return ile;
}

// Pokrycie3 keys up to this many are kept as queues rather than in the tree.
constexpr int MaksKluczaKolejek = 64;

// The rows of each column are listed for the third sort while the lists stay this long.
constexpr std::size_t MaksWpisowList = std::size_t{1} << 26;

// The least key over each range of positions, so that the next position whose key is below a
// given one is found without stepping over every position between.
class DrzewoMinimow {
  public:
    template <class Klucz> DrzewoMinimow(std::size_t n, Klucz&& klucz) : n_(n) {
        while (liscie_ < n)
            liscie_ *= 2;
        t_.assign(2 * liscie_, INT_MAX);
        for (std::size_t p = 0; p < n; ++p)
            t_[liscie_ + p] = klucz(p);
        for (std::size_t w = liscie_ - 1; w > 0; --w)
            t_[w] = std::min(t_[2 * w], t_[2 * w + 1]);
    }
    void Ustaw(std::size_t p, int klucz) {
        p += liscie_;
        t_[p] = klucz;
        for (p /= 2; p > 0; p /= 2) {
            const int m = std::min(t_[2 * p], t_[2 * p + 1]);
            if (t_[p] == m)
                break; // the ranges above keep their least key
            t_[p] = m;
        }
    }
    // The first position from `od` on whose key is below `k`; the size when there is none.
    std::size_t PierwszaPonizej(std::size_t od, int k) const {
        const std::size_t p = Szukaj(1, 0, liscie_, od, k);
        return std::min(p, n_);
    }
    // Tree levels: the work of one update or search.
    int Glebokosc() const { return std::countr_zero(liscie_) + 1; }

  private:
    std::size_t Szukaj(std::size_t w, std::size_t od_, std::size_t do_, std::size_t od,
                       int k) const {
        if (do_ <= od || t_[w] >= k)
            return SIZE_MAX;
        if (do_ - od_ == 1)
            return od_;
        const std::size_t s = (od_ + do_) / 2;
        const std::size_t p = Szukaj(2 * w, od_, s, od, k);
        return p != SIZE_MAX ? p : Szukaj(2 * w + 1, s, do_, od, k);
    }
    std::size_t n_, liscie_ = 1;
    std::vector<int> t_;
};

// One reference row's pass of the third sort when every key is at most a small `maks`.
// Symmetric functions give thousands of rows of one Pokrycie1 with only a handful of keys.
// Let S_k be the positions whose key is below k. Row b meets, in turn, the first position of
// S_v (v its key), then the first of S_k for the key k found there, and so on down to a key 0:
// the first position of each S_k for k from v down to 1. After the swaps each of those S_k
// has lost its first position and gained b, and the others have kept b. Position b - 1 holds a
// key 0 whenever b is taken (the reference row at i + 1, then each row passed), so every first
// position is before b and each S_k is a queue: the positions up to i + 1 whose key was below
// k, in order, then the positions passed, in order. A row costs one step per key below its
// own, however far the positions it swaps with lie apart. `w` holds the rows of the group,
// `kp` their keys by position, and both stay so.
bool PrzeniesKolejkami(std::span<int> w, std::span<int> kp, std::size_t i, int maks,
                       Odpytywanie& odp) {
    // The positions up to i + 1 below the top key: few, as earlier passes leave the top key
    // on the rows there.
    std::vector<std::size_t> poczatek;
    std::vector<int> kluczPoczatku;
    for (std::size_t p = 0; p <= i + 1; ++p)
        if (kp[p] < maks) {
            poczatek.push_back(p);
            kluczPoczatku.push_back(kp[p]);
        }
    if (odp.Praca(i + 2))
        return false;
    // For each k, the index in `poczatek` of the first position of S_k, and then how many of
    // the passed positions S_k has lost.
    const auto poziomy = static_cast<std::size_t>(maks) + 1;
    std::vector<std::size_t> indeks(poziomy, poczatek.size()), zabrane(poziomy, 0);
    int najnizszy = maks; // the keys above it have their first position
    for (std::size_t e = 0; e < poczatek.size(); ++e) {
        for (int k = kluczPoczatku[e] + 1; k <= najnizszy; ++k)
            indeks[static_cast<std::size_t>(k)] = e;
        najnizszy = std::min(najnizszy, kluczPoczatku[e]);
    }
    const std::size_t pierwszyPrzebyty = i + 2;
    for (std::size_t b = pierwszyPrzebyty; b < w.size(); ++b) {
        const int v = kp[b];
        int wiersz = w[b], klucz = v;
        std::size_t ostatnia = SIZE_MAX;
        for (auto k = static_cast<std::size_t>(v); k >= 1; --k) {
            std::size_t& e = indeks[k];
            std::size_t f;
            if (e < poczatek.size()) {
                f = poczatek[e];
                do
                    ++e;
                while (e < poczatek.size() && kluczPoczatku[e] >= static_cast<int>(k));
            } else {
                f = pierwszyPrzebyty + zabrane[k]++;
            }
            if (f != ostatnia) { // the next position of the chain: the row carried moves in
                std::swap(wiersz, w[f]);
                std::swap(klucz, kp[f]);
                ostatnia = f;
            }
        }
        w[b] = wiersz;
        kp[b] = klucz;
        if (odp.Praca(1 + static_cast<std::size_t>(v)))
            return false;
    }
    return true;
}

// One step of the double loop: row i against every row j in turn, swapped whenever row i's key
// is the greater. Row i's key only falls as the swaps go on, so the swaps happen exactly at the
// positions whose key is below the key row i holds then: found through the tree, each one
// found in a few steps. `drzewo` holds the key of the row at each position and stays so.
template <class Drzewo, class Klucz>
std::size_t Przenies(std::span<int> w, std::size_t i, Drzewo& drzewo, Klucz&& klucz) {
    std::size_t zamiany = 0;
    for (std::size_t j = drzewo.PierwszaPonizej(0, klucz(w[i])); j < w.size();
         j = drzewo.PierwszaPonizej(j + 1, klucz(w[i]))) {
        std::swap(w[i], w[j]);
        drzewo.Ustaw(i, klucz(w[i]));
        drzewo.Ustaw(j, klucz(w[j]));
        ++zamiany;
    }
    return zamiany;
}

// The double loop over all rows: every i against every j, swapping when row i's key is greater.
bool SortujMalejaco(std::vector<int>& w, const std::vector<int>& klucz, Odpytywanie& odp) {
    auto k = [&](int id) { return klucz[static_cast<std::size_t>(id)]; };
    DrzewoMinimow drzewo(w.size(), [&](std::size_t p) { return k(w[p]); });
    for (std::size_t i = 0; i < w.size(); ++i) {
        const std::size_t zamiany = Przenies(w, i, drzewo, k);
        if (odp.Praca((1 + 2 * zamiany) * static_cast<std::size_t>(drzewo.Glebokosc())))
            return false;
    }
    return true;
}

} // namespace

std::optional<int> UporzadkujWiersze(RdzenPokryc& rdzen, int iloscLiter,
                                     const std::function<bool()>& przerwac) {
    if (przerwac && przerwac())
        return std::nullopt;
    Odpytywanie odp(przerwac);
    return UporzadkujWiersze(rdzen, iloscLiter, odp);
}

std::optional<int> UporzadkujWiersze(RdzenPokryc& rdzen, int iloscLiter, Odpytywanie& odp) {
    std::vector<int>& w = rdzen.Kolejnosc;
    const std::size_t n = w.size();
    const int slowa = rdzen.Slowa;
    if (n == 0)
        return 0;
    auto wiersz = [&](int id) { return rdzen.Wiersz(id); };

    std::vector<int> p1(n), p2(n, 0), p3(n, 0);
    for (std::size_t id = 0; id < n; ++id)
        p1[id] = Policz(wiersz(static_cast<int>(id)), nullptr, slowa, odp);
    if (odp.Praca(0) || !SortujMalejaco(w, p1, odp))
        return std::nullopt;

    // Count groups: runs of equal Pokrycie1. Each group's rows count only the columns that
    // the groups above leave uncovered.
    std::vector<std::uint64_t> pokryte(static_cast<std::size_t>(slowa), 0);
    std::size_t poczatek = 0;
    std::size_t koniec = 0;
    while (koniec < n &&
           p1[static_cast<std::size_t>(w[koniec])] == p1[static_cast<std::size_t>(w[0])])
        ++koniec;
    for (std::size_t p = 0; p < koniec; ++p)
        p2[static_cast<std::size_t>(w[p])] = p1[static_cast<std::size_t>(w[p])];
    while (koniec < n) {
        for (std::size_t p = poczatek; p < koniec; ++p) {
            if (odp.Praca(static_cast<std::size_t>(slowa)))
                return std::nullopt;
            const std::uint64_t* r = wiersz(w[p]);
            for (int k = 0; k < slowa; ++k)
                pokryte[static_cast<std::size_t>(k)] |= r[k];
        }
        std::size_t dalej = koniec;
        while (dalej < n &&
               p1[static_cast<std::size_t>(w[dalej])] == p1[static_cast<std::size_t>(w[koniec])])
            ++dalej;
        for (std::size_t p = koniec; p < dalej; ++p)
            p2[static_cast<std::size_t>(w[p])] = Policz(wiersz(w[p]), pokryte.data(), slowa, odp);
        poczatek = koniec;
        koniec = dalej;
    }
    if (odp.Praca(0) || !SortujMalejaco(w, p2, odp))
        return std::nullopt;

    // Against each next row in turn as the reference, rows with the first row's Pokrycie1
    // move forward past those that add fewer columns to the reference. Swaps only exchange
    // rows of equal Pokrycie1, so the Pokrycie1 sequence by position stays as it is.
    // After the second sort the rows of the first Pokrycie1 are exactly the first g positions
    // (every other row counts fewer new columns than they do), so only they can move and
    // only their counts are ever compared.
    p3[static_cast<std::size_t>(w[0])] = p1[static_cast<std::size_t>(w[0])];
    auto P1 = [&](std::size_t pozycja) { return p1[static_cast<std::size_t>(w[pozycja])]; };
    std::size_t g = 1;
    while (g < n && P1(g) == P1(0))
        ++g;
    // With few columns a row, a row's count is its Pokrycie1 less the columns it shares with the
    // reference, and only rows through the reference's columns share any: listed per column,
    // they make the work follow the reference rather than every row's words.
    // Every key counts columns of one row of this Pokrycie1, so none is above it.
    const bool malo = P1(0) <= MaksKluczaKolejek;
    const bool listy = malo && g * static_cast<std::size_t>(P1(0)) <= MaksWpisowList;
    std::vector<std::size_t> odKolumny(listy ? static_cast<std::size_t>(rdzen.IloscKolumn) + 1 : 0);
    std::vector<int> rzedy, wspolne(listy ? n : 0, 0);
    auto kolumny = [&](int id, auto&& f) {
        for (int s = 0; s < slowa; ++s)
            for (std::uint64_t x = wiersz(id)[s]; x; x &= x - 1)
                f(static_cast<std::size_t>(s * 64 + __builtin_ctzll(x)));
    };
    if (listy) {
        for (std::size_t p = 0; p < g; ++p)
            kolumny(w[p], [&](std::size_t c) { ++odKolumny[c + 1]; });
        for (std::size_t c = 0; c + 1 < odKolumny.size(); ++c)
            odKolumny[c + 1] += odKolumny[c];
        rzedy.resize(odKolumny.back());
        std::vector<std::size_t> wolne(odKolumny.begin(), odKolumny.end() - 1);
        for (std::size_t p = 0; p < g; ++p)
            kolumny(w[p], [&](std::size_t c) { rzedy[wolne[c]++] = w[p]; });
    }
    // Where the keys are few they are kept by position, beside the rows; otherwise by row.
    std::vector<int> kp(malo ? g : 0, 0);
    if (malo)
        kp[0] = P1(0);
    auto ustawKlucz = [&](std::size_t m, int klucz) {
        (malo ? kp[m] : p3[static_cast<std::size_t>(w[m])]) = klucz;
    };
    for (std::size_t i = 0; i + 1 < g; ++i) {
        if (odp.Praca(0))
            return std::nullopt;
        const std::uint64_t* odniesienie = wiersz(w[i + 1]);
        if (listy) {
            auto dzielone = [&](int zmiana) {
                kolumny(w[i + 1], [&](std::size_t c) {
                    for (std::size_t k = odKolumny[c]; k < odKolumny[c + 1]; ++k)
                        wspolne[static_cast<std::size_t>(rzedy[k])] += zmiana;
                    odp.Praca(odKolumny[c + 1] - odKolumny[c]);
                });
            };
            dzielone(1);
            for (std::size_t m = i + 1; m < g; ++m) {
                const auto id = static_cast<std::size_t>(w[m]);
                ustawKlucz(m, p1[id] - wspolne[id]);
            }
            odp.Praca(g - i);
            dzielone(-1);
        } else {
            for (std::size_t m = i + 1; m < g; ++m)
                ustawKlucz(m, Policz(wiersz(w[m]), odniesienie, slowa, odp));
        }
        // Only the first g positions share row b's Pokrycie1.
        const std::span<int> pierwsze(w.data(), g);
        if (malo) {
            if (!PrzeniesKolejkami(pierwsze, kp, i, P1(0), odp))
                return std::nullopt;
            continue;
        }
        auto k = [&](int id) { return p3[static_cast<std::size_t>(id)]; };
        DrzewoMinimow drzewo(g, [&](std::size_t p) { return k(pierwsze[p]); });
        for (std::size_t b = i + 1; b < g; ++b) {
            const std::size_t zamiany = Przenies(pierwsze, b, drzewo, k);
            if (odp.Praca((1 + 2 * zamiany) * static_cast<std::size_t>(drzewo.Glebokosc())))
                return std::nullopt;
        }
    }

    // The length of the texts of rows 2, 3, ... taken until their counts (row 1's counted
    // twice) reach the number of columns. A row beyond the last reads as all L letters
    // negated.
    long long suma = P1(0);
    std::size_t indeks = 0;
    int dolnaGranica = 0;
    while (indeks < n && rdzen.IloscKolumn > suma) {
        suma += P1(indeks);
        ++indeks;
        dolnaGranica +=
            (indeks < n
                 ? IloscLiterSkladnika(iloscLiter, rdzen.Maski[static_cast<std::size_t>(w[indeks])])
                 : iloscLiter) +
            1;
    }
    return dolnaGranica;
}

} // namespace vyn

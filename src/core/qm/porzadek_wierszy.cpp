// The three orderings of the cyclic core and the length estimate `DolnaGranica`.
#include "qm/porzadek_wierszy.h"

#include "qm/slowo.h"

#include <algorithm>
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

// The double loop: every i against every j, swapping when row i's key is greater.
bool SortujMalejaco(std::vector<int>& w, const std::vector<int>& klucz, Odpytywanie& odp) {
    constexpr std::size_t Blok = 4096; // comparisons between two counts
    const std::size_t n = w.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t od = 0; od < n; od += Blok) {
            const std::size_t doo = std::min(n, od + Blok);
            if (odp.Praca(doo - od))
                return false;
            for (std::size_t j = od; j < doo; ++j)
                if (klucz[static_cast<std::size_t>(w[i])] > klucz[static_cast<std::size_t>(w[j])])
                    std::swap(w[i], w[j]);
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
    for (std::size_t i = 0; i + 1 < g; ++i) {
        if (odp.Praca(0))
            return std::nullopt;
        const std::uint64_t* odniesienie = wiersz(w[i + 1]);
        for (std::size_t m = i + 1; m < g; ++m)
            p3[static_cast<std::size_t>(w[m])] = Policz(wiersz(w[m]), odniesienie, slowa, odp);
        for (std::size_t b = i + 1; b < g; ++b) {
            if (odp.Praca(g))
                return std::nullopt;
            for (std::size_t d = 0; d < n && P1(d) == P1(b); ++d)
                if (p3[static_cast<std::size_t>(w[b])] > p3[static_cast<std::size_t>(w[d])])
                    std::swap(w[b], w[d]);
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

// The table pass by hashing (mask, value) of every term.
#include "qm/tablica_pomocnicza.h"

#include "granice.h"
#include "qm/slowo.h"
#include "zaokraglenie.h"

#include <algorithm>
#include <utility>

namespace vyn {

const char* const KomunikatPojemnosci = "Przekroczona pojemność tablicy";

std::string WierszSzczegolow(int nr, std::size_t iloscSkladnikow) {
    const std::uint64_t n = iloscSkladnikow;
    const std::uint64_t pary = n == 0 ? 0 : n * (n - 1) / 2;
    std::string porownania =
        n < 9999 ? std::to_string(pary) : std::to_string(PodzielZaokraglij(pary, 1000)) + "000";
    return std::to_string(nr) + " " + std::to_string(n) + " " + porownania;
}

ZakonczeniePrzejscia TablicaPomocnicza(int nr, TablicaSkladnikow& zrodlo, TablicaSkladnikow& cel,
                                       ListaProstych& proste, int iloscLiter, std::string& wiersz,
                                       Odpytywanie* odpytywanie, PamiecPrzejscia* pamiec,
                                       std::size_t pojemnosc) {
    Odpytywanie bez;
    Odpytywanie& odp = odpytywanie ? *odpytywanie : bez;
    PamiecPrzejscia wlasna;
    PamiecPrzejscia& pm = pamiec ? *pamiec : wlasna;
    cel.Wartosci.clear();
    cel.Maski.clear();
    const std::size_t n = zrodlo.Rozmiar();
    auto& V = zrodlo.Wartosci;
    const auto& M = zrodlo.Maski;

    // Each source term by its key; repeats (possible in the first table only) are chained in
    // table order.
    HashIndex& indeks = pm.Zrodlo;
    indeks.reset(n);
    std::vector<std::uint32_t>& nastepny = pm.Nastepny;
    std::vector<std::uint32_t>& koniecLancucha = pm.KoniecLancucha;
    nastepny.assign(n, HashIndex::Missing);
    koniecLancucha.assign(n, HashIndex::Missing);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (odp.Praca())
            return ZakonczeniePrzejscia::Przerwane;
        const std::uint64_t klucz = TermKey(V[i], M[i]);
        const std::uint32_t glowa = indeks.find(klucz);
        if (glowa == HashIndex::Missing) {
            indeks.insert(klucz, i);
            koniecLancucha[i] = i;
        } else {
            nastepny[koniecLancucha[glowa]] = i;
            koniecLancucha[glowa] = i;
        }
    }

    // Most flipped values are not in the table; a small bit filter (about eight bits a term,
    // so it stays in cache) turns those away without probing the index.
    int bityFiltra = 9;
    while ((std::size_t{1} << bityFiltra) < n * 8)
        ++bityFiltra;
    std::vector<std::uint64_t>& filtr = pm.Filtr;
    filtr.assign(std::size_t{1} << (bityFiltra - 6), 0);
    auto miejsceWFiltrze = [bityFiltra](std::uint64_t klucz) {
        return static_cast<std::size_t>((klucz * 0x9E3779B97F4A7C15ull) >> (64 - bityFiltra));
    };
    for (std::uint32_t i = 0; i < n; ++i) {
        if (odp.Praca())
            return ZakonczeniePrzejscia::Przerwane;
        const std::size_t m = miejsceWFiltrze(TermKey(V[i], M[i]));
        filtr[m / 64] |= std::uint64_t{1} << (m % 64);
    }

    HashIndex& wCelu = pm.Cel;
    wCelu.reset(n / 4);
    auto& partnerzy = pm.Partnerzy; // (position j, merged bit)
    for (std::uint32_t i = 0; i < n; ++i) {
        if (odp.Praca(static_cast<std::size_t>(iloscLiter)))
            return ZakonczeniePrzejscia::Przerwane;
        const std::uint32_t v = V[i] & MaskaWartosci;
        const std::uint32_t m = M[i];
        partnerzy.clear();
        for (int b = 0; b < iloscLiter; ++b) {
            const std::uint32_t bit = 1u << b;
            if (m & bit)
                continue;
            const std::uint64_t klucz = TermKey(v ^ bit, m);
            const std::size_t f = miejsceWFiltrze(klucz);
            if (!(filtr[f / 64] >> (f % 64) & 1))
                continue;
            for (std::uint32_t j = indeks.find(klucz); j != HashIndex::Missing; j = nastepny[j])
                if (j > i)
                    partnerzy.emplace_back(j, b);
        }
        // The pairs (i, j) are met in increasing j: that fixes the destination order.
        std::sort(partnerzy.begin(), partnerzy.end());
        odp.Praca(partnerzy.size()); // a stop found here is taken at the next term
        for (const auto& [j, b] : partnerzy) {
            const std::uint32_t maska = m | (1u << b);
            const std::uint32_t wartosc = v | FlagaObecnosci | maska;
            if (wCelu.insert(TermKey(wartosc, maska), static_cast<std::uint32_t>(cel.Rozmiar()))) {
                cel.Wartosci.push_back(wartosc);
                cel.Maski.push_back(maska);
                if (cel.Rozmiar() >= pojemnosc)
                    return ZakonczeniePrzejscia::Przepelnione;
            }
            V[i] |= FlagaPolaczenia;
            V[j] |= FlagaPolaczenia;
        }
    }

    wiersz = WierszSzczegolow(nr, n);

    for (std::size_t i = 0; i < n; ++i) {
        odp.Praca();
        if (V[i] & FlagaPolaczenia)
            continue;
        if (proste.Indeks.insert(TermKey(V[i], M[i]),
                                 static_cast<std::uint32_t>(proste.Wartosci.size()))) {
            proste.Wartosci.push_back(V[i]);
            proste.Maski.push_back(M[i]);
        }
    }
    return ZakonczeniePrzejscia::Pelne;
}

} // namespace vyn

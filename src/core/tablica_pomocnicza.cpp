// The table pass by hashing (mask, value) of every term.
#include "tablica_pomocnicza.h"

#include "granice.h"
#include "slowo.h"
#include "zaokraglenie.h"

#include <algorithm>
#include <utility>

namespace vyn {

const char* const KomunikatPojemnosci = "Przekroczona pojemność tablicy";

std::string WierszSzczegolow(int nr, std::size_t iloscSkladnikow) {
    const std::uint64_t n = iloscSkladnikow;
    const std::uint64_t pary = n == 0 ? 0 : n * (n - 1) / 2;
    std::string porownania = n < 9999 ? std::to_string(pary)
                                      : std::to_string(PodzielZaokraglij(pary, 1000)) + "000";
    return std::to_string(nr) + " " + std::to_string(n) + " " + porownania;
}

ZakonczeniePrzejscia TablicaPomocnicza(int nr, TablicaSkladnikow& zrodlo, TablicaSkladnikow& cel,
                                       ListaProstych& proste, int iloscLiter, std::string& wiersz,
                                       const std::function<bool()>& przerwac) {
    cel.Wartosci.clear();
    cel.Maski.clear();
    const std::size_t n = zrodlo.Rozmiar();
    auto& V = zrodlo.Wartosci;
    const auto& M = zrodlo.Maski;

    // Each source term by its key; repeats (possible in the first table only) are chained in
    // table order.
    HashIndex indeks(n);
    std::vector<std::uint32_t> nastepny(n, HashIndex::Missing);
    {
        std::vector<std::uint32_t> koniecLancucha(n, HashIndex::Missing);
        for (std::uint32_t i = 0; i < n; ++i) {
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
    }

    HashIndex wCelu(std::min<std::size_t>(n * 2, PojemnoscTablicy));
    std::vector<std::pair<std::uint32_t, int>> partnerzy; // (position j, merged bit)
    for (std::uint32_t i = 0; i < n; ++i) {
        if (przerwac && przerwac())
            return ZakonczeniePrzejscia::Przerwane;
        const std::uint32_t v = V[i] & MaskaWartosci;
        const std::uint32_t m = M[i];
        partnerzy.clear();
        for (int b = 0; b < iloscLiter; ++b) {
            const std::uint32_t bit = 1u << b;
            if (m & bit)
                continue;
            for (std::uint32_t j = indeks.find(TermKey(v ^ bit, m)); j != HashIndex::Missing;
                 j = nastepny[j])
                if (j > i)
                    partnerzy.emplace_back(j, b);
        }
        // The pairs (i, j) are met in increasing j: that fixes the destination order.
        std::sort(partnerzy.begin(), partnerzy.end());
        for (const auto& [j, b] : partnerzy) {
            const std::uint32_t maska = m | (1u << b);
            const std::uint32_t wartosc = v | FlagaObecnosci | maska;
            if (wCelu.insert(TermKey(wartosc, maska), static_cast<std::uint32_t>(cel.Rozmiar()))) {
                cel.Wartosci.push_back(wartosc);
                cel.Maski.push_back(maska);
                if (cel.Rozmiar() >= PojemnoscTablicy)
                    return ZakonczeniePrzejscia::Przepelnione;
            }
            V[i] |= FlagaPolaczenia;
            V[j] |= FlagaPolaczenia;
        }
    }

    wiersz = WierszSzczegolow(nr, n);

    for (std::size_t i = 0; i < n; ++i) {
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

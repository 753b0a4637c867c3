// Building the chart sparsely and sweeping out the essential rows.
#include "qm/tablica_pokryc.h"

#include "qm/hash_index.h"
#include "qm/slowo.h"

namespace vyn {

namespace {

// Largest cyclic core kept as bit sets: 2^27 words, 1 GiB.
constexpr std::size_t MaksSlowRdzenia = std::size_t{1} << 27;

// Columns covered by each row, as column ids, in compressed rows.
struct Pokrycia {
    std::vector<std::size_t> Poczatek; // row id -> first entry; one extra at the end
    std::vector<std::uint32_t> Kolumny;
};

// Nothing when stopped.
std::optional<Pokrycia> ZbudujPokrycia(const std::vector<std::uint32_t>& wartosci,
                                       const std::vector<std::uint32_t>& maski,
                                       const std::vector<std::uint32_t>& mintermy,
                                       Odpytywanie& odp) {
    // Columns by minterm value; a repeated minterm's further columns are linked after the first.
    HashIndex indeks(mintermy.size());
    std::vector<std::uint32_t> nastepna(mintermy.size(), HashIndex::Missing);
    for (std::uint32_t c = 0; c < mintermy.size(); ++c) {
        if (odp.Praca())
            return std::nullopt;
        const std::uint64_t klucz = mintermy[c] & MaskaWartosci;
        const std::uint32_t glowa = indeks.find(klucz);
        if (glowa == HashIndex::Missing) {
            indeks.insert(klucz, c);
        } else {
            nastepna[c] = nastepna[glowa];
            nastepna[glowa] = c;
        }
    }
    Pokrycia p;
    p.Poczatek.reserve(wartosci.size() + 1);
    for (std::size_t r = 0; r < wartosci.size(); ++r) {
        p.Poczatek.push_back(p.Kolumny.size());
        const std::uint32_t maska = maski[r];
        if (odp.Praca(std::size_t{1} << Jedynki(maska)))
            return std::nullopt;
        const std::uint32_t baza = wartosci[r] & MaskaWartosci & ~maska;
        // Every assignment of the eliminated variables: all of them are minterms of the
        // function, since a prime implicant is built from its minterms.
        std::uint32_t pod = 0;
        do {
            for (std::uint32_t c = indeks.find(baza | pod); c != HashIndex::Missing;
                 c = nastepna[c])
                p.Kolumny.push_back(c);
            pod = (pod - maska) & maska;
        } while (pod != 0);
    }
    p.Poczatek.push_back(p.Kolumny.size());
    return p;
}

} // namespace

std::optional<std::string> UsunIstotne(const std::vector<std::uint32_t>& prosteWartosci,
                                       const std::vector<std::uint32_t>& prosteMaski,
                                       const std::vector<std::uint32_t>& mintermy,
                                       std::string_view kodowanie, WynikIstotnych& wynik,
                                       Odpytywanie* odpytywanie) {
    wynik = WynikIstotnych{};
    Odpytywanie bez;
    Odpytywanie& odp = odpytywanie ? *odpytywanie : bez;
    auto przerwij = [&] {
        wynik = WynikIstotnych{};
        wynik.Przerwano = true;
        return std::nullopt;
    };
    const std::optional<Pokrycia> zbudowane =
        ZbudujPokrycia(prosteWartosci, prosteMaski, mintermy, odp);
    if (!zbudowane)
        return przerwij();
    const Pokrycia& pokrycia = *zbudowane;
    auto kolumnyWiersza = [&](int id) {
        const auto* poczatek =
            pokrycia.Kolumny.data() + pokrycia.Poczatek[static_cast<std::size_t>(id)];
        const auto* koniec =
            pokrycia.Kolumny.data() + pokrycia.Poczatek[static_cast<std::size_t>(id) + 1];
        return std::pair{poczatek, koniec};
    };

    std::vector<int> wiersze(prosteWartosci.size());
    for (std::size_t r = 0; r < wiersze.size(); ++r)
        wiersze[r] = static_cast<int>(r);
    std::vector<std::uint32_t> kolumny(mintermy.size());
    for (std::size_t c = 0; c < kolumny.size(); ++c)
        kolumny[c] = static_cast<std::uint32_t>(c);
    std::vector<char> kolumnaObecna(mintermy.size(), 1);

    std::vector<int> ile(mintermy.size());
    std::vector<int> jedyny(mintermy.size());
    std::vector<char> pokryta(mintermy.size());
    for (int przebieg = 0; przebieg < 2; ++przebieg) {
        std::fill(ile.begin(), ile.end(), 0);
        std::fill(pokryta.begin(), pokryta.end(), 0);
        for (std::size_t p = 0; p < wiersze.size(); ++p) {
            auto [od, doo] = kolumnyWiersza(wiersze[p]);
            if (odp.Praca(static_cast<std::size_t>(doo - od) + 1))
                return przerwij();
            for (auto* c = od; c != doo; ++c)
                if (kolumnaObecna[*c]) {
                    ++ile[*c];
                    jedyny[*c] = static_cast<int>(p);
                }
        }
        std::vector<char> istotny(wiersze.size(), 0);
        for (std::uint32_t c : kolumny) {
            if (odp.Praca())
                return przerwij();
            if (ile[c] == 1) {
                istotny[static_cast<std::size_t>(jedyny[c])] = 1;
                pokryta[c] = 1;
            }
        }
        for (std::size_t p = 0; p < wiersze.size(); ++p) {
            if (!istotny[p])
                continue;
            const int id = wiersze[p];
            auto [od, doo] = kolumnyWiersza(id);
            if (odp.Praca(static_cast<std::size_t>(doo - od) + kodowanie.size()))
                return przerwij();
            wynik.ImplikantyIstotne +=
                SkladnikNaLitery(kodowanie, prosteWartosci[static_cast<std::size_t>(id)],
                                 prosteMaski[static_cast<std::size_t>(id)]);
            wynik.ImplikantyIstotne.push_back('+');
            for (auto* c = od; c != doo; ++c)
                if (kolumnaObecna[*c])
                    pokryta[*c] = 1;
        }
        // A removed entry's place goes to the last entry, which is then examined in turn.
        for (std::size_t c = 0; c < kolumny.size();) {
            if (odp.Praca())
                return przerwij();
            if (!pokryta[kolumny[c]]) {
                ++c;
                continue;
            }
            kolumnaObecna[kolumny[c]] = 0;
            kolumny[c] = kolumny.back();
            kolumny.pop_back();
        }
        for (std::size_t p = 0; p < wiersze.size();) {
            if (odp.Praca())
                return przerwij();
            if (!istotny[p]) {
                ++p;
                continue;
            }
            wiersze[p] = wiersze.back();
            istotny[p] = istotny.back();
            wiersze.pop_back();
            istotny.pop_back();
        }
    }

    RdzenPokryc& rdzen = wynik.Rdzen;
    rdzen.IloscKolumn = static_cast<int>(kolumny.size());
    rdzen.Slowa = (rdzen.IloscKolumn + 63) / 64;
    if (wiersze.size() * static_cast<std::size_t>(rdzen.Slowa) > MaksSlowRdzenia)
        return "Tablica pokryć jest zbyt duża (" + std::to_string(wiersze.size()) +
               " implikantów, " + std::to_string(kolumny.size()) + " mintermów)";
    std::vector<int> pozycjaKolumny(mintermy.size(), -1);
    for (std::size_t c = 0; c < kolumny.size(); ++c) {
        if (odp.Praca())
            return przerwij();
        pozycjaKolumny[kolumny[c]] = static_cast<int>(c);
    }
    // Zeroed row by row: the core may take up to 1 GiB.
    rdzen.Bity.reserve(wiersze.size() * static_cast<std::size_t>(rdzen.Slowa));
    for (std::size_t p = 0; p < wiersze.size(); ++p) {
        const int id = wiersze[p];
        auto [od, doo] = kolumnyWiersza(id);
        if (odp.Praca(static_cast<std::size_t>(rdzen.Slowa) + static_cast<std::size_t>(doo - od)))
            return przerwij();
        rdzen.Wartosci.push_back(prosteWartosci[static_cast<std::size_t>(id)]);
        rdzen.Maski.push_back(prosteMaski[static_cast<std::size_t>(id)]);
        rdzen.Kolejnosc.push_back(static_cast<int>(p));
        rdzen.Bity.resize(rdzen.Bity.size() + static_cast<std::size_t>(rdzen.Slowa), 0);
        std::uint64_t* bity = rdzen.Bity.data() + p * static_cast<std::size_t>(rdzen.Slowa);
        for (auto* c = od; c != doo; ++c) {
            const int k = pozycjaKolumny[*c];
            if (k >= 0)
                bity[k / 64] |= std::uint64_t{1} << (k % 64);
        }
    }
    return std::nullopt;
}

} // namespace vyn

// Messages and the memory estimate of raised capacities, and the memory the machine has free.
#include "qm/pojemnosc.h"

#include "granice.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vyn {

namespace {

// Per place: value and mask words of the source and destination tables with vector growth
// (32), their hash indexes and chains (48), the prime list and its index (24), the chart's
// column lists and bookkeeping (64), canonical texts and minterm words (about 2 * (L + 1) + 16).
constexpr std::uint64_t BajtyNaMiejsce = 168;

// The cyclic core's bit sets are capped by the chart at 2^27 words.
constexpr std::uint64_t MaksBajtowRdzenia = std::uint64_t{1} << 30;

std::string MiB(std::uint64_t bajty) {
    return std::to_string((bajty + (1u << 20) - 1) >> 20) + " MiB";
}

} // namespace

std::string KomunikatMintermow(std::size_t pojemnosc) {
    return "Postać kanoniczna funkcji ma więcej niż " + std::to_string(pojemnosc) + " składników";
}

std::string KomunikatTablicy(std::size_t pojemnosc) {
    std::string t = "Przekroczona pojemność tablicy";
    if (pojemnosc != PojemnoscTablicy)
        t += " (" + std::to_string(pojemnosc) + " miejsc)";
    return t;
}

std::uint64_t SzacunekPamieci(std::size_t pojemnosc, int iloscLiter) {
    const std::uint64_t n = pojemnosc;
    const std::uint64_t l = static_cast<std::uint64_t>(std::clamp(iloscLiter, 0, 26));
    const std::uint64_t mapa = (std::uint64_t{1} << l) / 8; // repeats of the letter expansion
    const std::uint64_t rdzen = std::min(MaksBajtowRdzenia, n / 8 * n);
    return n * (BajtyNaMiejsce + 2 * (l + 1)) + mapa + rdzen;
}

std::optional<std::string> SprawdzPojemnosc(std::size_t pojemnosc, int iloscLiter,
                                            std::optional<std::uint64_t> dostepnaPamiec) {
    if (pojemnosc < PojemnoscTablicy || pojemnosc > MaksPojemnosc)
        return "Pojemność tablicy musi leżeć między " + std::to_string(PojemnoscTablicy) + " a " +
               std::to_string(MaksPojemnosc);
    if (pojemnosc == PojemnoscTablicy || !dostepnaPamiec)
        return std::nullopt;
    const std::uint64_t potrzeba = SzacunekPamieci(pojemnosc, iloscLiter);
    if (potrzeba > *dostepnaPamiec)
        return "Pojemność " + std::to_string(pojemnosc) + " może wymagać około " + MiB(potrzeba) +
               " pamięci, a dostępne jest " + MiB(*dostepnaPamiec);
    return std::nullopt;
}

std::size_t NajwiekszaPojemnosc(int iloscLiter, std::optional<std::uint64_t> dostepnaPamiec) {
    if (!dostepnaPamiec)
        return PojemnoscTablicy;
    // The estimate grows with the capacity: the last one that fits, by halving the range.
    std::size_t miesci = PojemnoscTablicy, za = MaksPojemnosc + 1;
    if (SzacunekPamieci(MaksPojemnosc, iloscLiter) <= *dostepnaPamiec)
        return MaksPojemnosc;
    while (za - miesci > 1) {
        const std::size_t s = miesci + (za - miesci) / 2;
        (SzacunekPamieci(s, iloscLiter) <= *dostepnaPamiec ? miesci : za) = s;
    }
    return miesci;
}

std::optional<std::uint64_t> DostepnaPamiec() {
    std::ifstream plik("/proc/meminfo");
    std::string wiersz;
    while (std::getline(plik, wiersz)) {
        std::istringstream s(wiersz);
        std::string klucz;
        std::uint64_t kB = 0;
        if (s >> klucz >> kB && klucz == "MemAvailable:")
            return kB * 1024;
    }
    return std::nullopt;
}

} // namespace vyn

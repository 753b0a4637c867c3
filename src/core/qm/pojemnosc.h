// Capacities above the default: the messages that name the limit in force and the memory
// estimate a front end compares with what the machine has before such a run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vyn {

// "Postać kanoniczna funkcji ma więcej niż N składników"; the default capacity gives the
// message the program has always given.
std::string KomunikatMintermow(std::size_t pojemnosc);

// "Przekroczona pojemność tablicy", with the limit named when it was raised.
std::string KomunikatTablicy(std::size_t pojemnosc);

// Bytes a run over `iloscLiter` variables can take when its tables fill `pojemnosc` places:
// both auxiliary tables with their hash indexes, the prime list, the chart's column lists,
// the canonical texts and the largest cyclic core the chart keeps.
std::uint64_t SzacunekPamieci(std::size_t pojemnosc, int iloscLiter);

// Checks a requested capacity: within PojemnoscTablicy..MaksPojemnosc and, when raised, an
// estimate within `dostepnaPamiec` bytes (nothing known: not checked). The message, or nothing.
std::optional<std::string> SprawdzPojemnosc(std::size_t pojemnosc, int iloscLiter,
                                            std::optional<std::uint64_t> dostepnaPamiec);

// The largest capacity, up to MaksPojemnosc, whose estimate for `iloscLiter` variables fits in
// `dostepnaPamiec` bytes; the default when nothing is known or nothing larger fits.
std::size_t NajwiekszaPojemnosc(int iloscLiter, std::optional<std::uint64_t> dostepnaPamiec);

// MemAvailable of /proc/meminfo in bytes; nothing where it cannot be read.
std::optional<std::uint64_t> DostepnaPamiec();

} // namespace vyn

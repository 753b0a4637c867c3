// One pass of the Quine-McCluskey merging: auxiliary table n in, table n+1 out, and the
// terms of table n that merged with nothing appended to the prime implicant list.
//
// The result is the one of comparing every pair i < j of the source table in order and
// searching the destination linearly: destination terms stand in order of their first
// production, both terms of every merging pair get the combined flag, primes keep table
// order. Partners are found by hashing instead, O(N * L) per pass.
#pragma once

#include "granice.h"
#include "qm/hash_index.h"
#include "qm/odpytywanie.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vyn {

// An auxiliary table: parallel value and mask words (see slowo.h), in table order.
struct TablicaSkladnikow {
    std::vector<std::uint32_t> Wartosci;
    std::vector<std::uint32_t> Maski;
    std::size_t Rozmiar() const { return Wartosci.size(); }
};

// The prime implicant list in insertion order, with an index that keeps each term once.
struct ListaProstych {
    std::vector<std::uint32_t> Wartosci;
    std::vector<std::uint32_t> Maski;
    HashIndex Indeks;
};

enum class ZakonczeniePrzejscia {
    Pelne,        // the pass ran through; its details row and primes are in
    Przerwane,    // a poll found the stop requested before the primes were collected
    Przepelnione, // the destination reached its capacity
};

// Working memory of a pass, kept between the passes of a run so that large buffers are
// allocated once.
struct PamiecPrzejscia {
    HashIndex Zrodlo, Cel;
    std::vector<std::uint32_t> Nastepny, KoniecLancucha;
    std::vector<std::uint64_t> Filtr;
    std::vector<std::pair<std::uint32_t, int>> Partnerzy;
};

// The details row "n N C": table number, its terms, the pairs compared (in thousands,
// written with "000", from 9999 terms on).
std::string WierszSzczegolow(int nr, std::size_t iloscSkladnikow);

// Pass number `nr` over a source table of terms over `iloscLiter` variables. Counts a unit
// per term indexed and per partner looked up. The source gets its combined flags; the
// destination is replaced. On Przerwane or Przepelnione no row is written and no prime is
// collected. Collecting the primes is not cut short: a stop found then is left in the flag.
ZakonczeniePrzejscia TablicaPomocnicza(int nr, TablicaSkladnikow& zrodlo, TablicaSkladnikow& cel,
                                       ListaProstych& proste, int iloscLiter, std::string& wiersz,
                                       Odpytywanie* odpytywanie, PamiecPrzejscia* pamiec = nullptr,
                                       std::size_t pojemnosc = PojemnoscTablicy);

extern const char* const KomunikatPojemnosci;

} // namespace vyn

// The least cost of a cover of the cyclic core, found by branch and bound before the ordered
// search. Knowing it from the start, the search cuts every branch that cannot reach that cost
// and stops once the list of forms of that cost has overflowed.
//
// Branching is on the uncovered column with the fewest rows, taking each of its rows in turn
// (cheapest share first) and leaving the rows already tried out of the later branches; a
// branch ends when its cost plus a lower bound (each uncovered column pays at least the
// cheapest share cost / new columns of a row that covers it) reaches the best cover known.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vyn {

struct NajtanszePokrycie {
    int Koszt = 0;            // 0: no cover exists (or none was found before a stop)
    std::vector<int> Wiersze; // the rows of the cheapest cover found, in increasing order
    bool Dokladny = false;    // Koszt is proven least; otherwise it is only an upper bound
    bool Przerwano = false;   // stopped by the caller
};

// Rows are bit sets of `slowa` 64-bit words over `kolumny` columns, one after another. The
// search gives up after `maksWezlow` branches and then returns the best cover it has, so that
// hard cores cost a bounded, repeatable amount of work here.
NajtanszePokrycie ZnajdzNajtanszePokrycie(const std::vector<std::uint64_t>& wiersze, int kolumny,
                                          int slowa, const std::vector<int>& koszt,
                                          const std::function<bool()>& przerwac,
                                          long long maksWezlow = 200000);

} // namespace vyn

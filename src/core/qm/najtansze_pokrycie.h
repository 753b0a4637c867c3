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
#include <memory>
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
// `lepsze` hears of every cheaper cover found on the way (its rows, in no particular order).
NajtanszePokrycie
ZnajdzNajtanszePokrycie(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
                        const std::vector<int>& koszt, const std::function<bool()>& przerwac,
                        long long maksWezlow = 200000,
                        const std::function<void(const std::vector<int>&)>& lepsze = {});

class Galezie;

// The same branch and bound as a test for the ordered search: whether the columns still
// uncovered can be covered with the rows from `od` on within a budget. The vectors given must
// outlive the object.
class OszacowaniePokrycia {
  public:
    // After `maksWezlow` branches a test gives up and answers true.
    OszacowaniePokrycia(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
                        const std::vector<int>& koszt, long long maksWezlow);
    ~OszacowaniePokrycia();
    // `niepokryte`: `slowa` words with the columns still to cover. True when they can be
    // covered at a cost of at most `budzet`, or when the branches allowed did not settle it.
    bool Mozliwe(const std::uint64_t* niepokryte, int od, int budzet);

  private:
    std::function<bool()> brak_; // never stops: the ordered search polls for stops itself
    std::unique_ptr<Galezie> galezie_;
};

} // namespace vyn

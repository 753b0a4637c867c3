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

class UkladPokrycia;
class Galezie;

// The same reductions (forced rows, dominated rows and columns) and bound, as a test for the
// ordered search: a lower bound on the cost of covering the columns still uncovered with the
// rows from `od` on. The vectors given must outlive the object.
class OszacowaniePokrycia {
  public:
    OszacowaniePokrycia(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
                        const std::vector<int>& koszt);
    ~OszacowaniePokrycia();
    // `niepokryte`: `slowa` words with the columns still to cover. A very large number when
    // they cannot be covered at all.
    int Ograniczenie(const std::uint64_t* niepokryte, int od) const;
    // Whether those columns can be covered with the rows from `od` on at a cost of at most
    // `budzet`, by the full branch and bound; true as well when `maksWezlow` branches did not
    // settle it.
    bool Mozliwe(const std::uint64_t* niepokryte, int od, int budzet, long long maksWezlow);

  private:
    std::unique_ptr<UkladPokrycia> uklad_;
    std::unique_ptr<Galezie> galezie_;
    const std::vector<std::uint64_t>& wiersze_;
    int kolumny_, slowa_;
    const std::vector<int>& koszt_;
    std::function<bool()> brak_;
};

} // namespace vyn

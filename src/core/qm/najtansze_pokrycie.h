// The least cost of a cover of the cyclic core (rows = prime implicants, columns = minterms,
// each row paying its letters + 1), found before the ordered search so that the search cuts
// every branch that cannot reach it.
//
// A branch and bound on the linear relaxation (see pokrycie_lp.h): a first cover at once
// (greedy, then redundant rows dropped and rows swapped for cheaper ones), better ones as the
// search meets them, and a lower bound that only rises. Stopped at any moment, it still
// answers with the best cover found and the bound proven so far.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vyn {

struct NajtanszePokrycie {
    int Koszt = 0;            // 0: no cover exists (or none was found before a stop)
    std::vector<int> Wiersze; // the rows of the cheapest cover found, in increasing order
    int Granica = 0;          // proven: no cover costs less
    bool Dokladny = false;    // searched to the end: Koszt is the least (0: there is no cover)
    bool Przerwano = false;   // stopped by the caller
};

// Hears of every cheaper cover and every higher bound: the cover's rows (increasing), its cost,
// and the bound.
using PostepPokrycia = std::function<void(const std::vector<int>&, int, int)>;

// What branching on each row gained per unit of change in the searches so far, two entries
// per row (out, in): learnt by one search, a head start for the next on a related problem.
struct ZyskiGalezi {
    std::vector<double> Suma;          // gain per unit, summed
    std::vector<int> Ile;              // how many gains the sum holds
    double SumaWszystkich[2] = {0, 0}; // over all rows, each way
    long long IleWszystkich[2] = {0, 0};

    // The lessons for rows `wiersze` of this table, as a table of their own (rows it has not
    // met start with none).
    ZyskiGalezi Wybierz(const std::vector<int>& wiersze) const;
    // Takes back what `czesc`, made by Wybierz(wiersze), has learnt since.
    void Przyjmij(const ZyskiGalezi& czesc, const std::vector<int>& wiersze);
};

// Rows are bit sets of `slowa` 64-bit words over `kolumny` columns, one after another;
// `przerwac` is polled at every node and every few simplex iterations. With `odciecie` > 0
// only a cover cheaper than it is wanted, and the first one found ends the search; Koszt 0 with
// Dokladny then says that none exists.
// `baza`, when it holds a status for each row and then each column (in the solver's coding),
// is a basis of a related relaxation for the first relaxation to start from. `zyski`, when
// given, is what earlier searches learnt (sized for these rows, or empty); it comes back with
// this search's lessons added.
NajtanszePokrycie ZnajdzNajtanszePokrycie(const std::vector<std::uint64_t>& wiersze, int kolumny,
                                          int slowa, const std::vector<int>& koszt,
                                          const std::function<bool()>& przerwac,
                                          const PostepPokrycia& postep = {}, int odciecie = 0,
                                          const std::vector<unsigned char>& baza = {},
                                          ZyskiGalezi* zyski = nullptr);

} // namespace vyn

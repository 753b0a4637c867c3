// Ordering the rows of the cyclic core before the search, and `DolnaGranica`.
//
// Three passes order the rows: by the number of columns each covers (`Pokrycie1`), by the
// columns each adds to the count groups above it (`Pokrycie2`), and, within equal
// `Pokrycie1`, by the columns each adds to one reference row (`Pokrycie3`). The sorts are a
// double loop over all rows with a strict comparison; its tie order is part of the result, so
// its swaps are made exactly as the loop makes them (only found faster than by trying every
// pair). The order decides which equal-cost forms the search meets first.
#pragma once

#include "qm/odpytywanie.h"
#include "qm/tablica_pokryc.h"

#include <functional>
#include <optional>

namespace vyn {

// Reorders `rdzen.Kolejnosc` and returns `DolnaGranica` for a core over `iloscLiter` letters,
// or nothing when a poll found the stop requested. Counts a unit per word of a row counted
// and per step through the swaps' search tree.
std::optional<int> UporzadkujWiersze(RdzenPokryc& rdzen, int iloscLiter, Odpytywanie& odp);

// The same, polling through `przerwac` (events processed, then whether to stop).
std::optional<int> UporzadkujWiersze(RdzenPokryc& rdzen, int iloscLiter,
                                     const std::function<bool()>& przerwac);

} // namespace vyn

// The visible slice of a result pane: which characters of a long text a dragged pane shows.
//
// A result pane shows whole characters from its left edge. Its drag offset, in pixels, picks
// the first character; both the count of cells and the first character are rounded to the
// nearest integer with halves to even, so a drag moves the text in whole cells.
#pragma once

#include <cstddef>

namespace vyn {

struct Wycinek {
    std::size_t Poczatek = 0; // index of the first character shown, from 0
    std::size_t Ilosc = 0;    // characters shown; 0 for an empty slice
    bool Pusty() const { return Ilosc == 0; }
};

// The slice of a text of `dlugosc` characters in a pane `szerokoscPanelu` pixels wide dragged
// by `przesuniecie` pixels, with cells `szerokoscZnaku` pixels wide.
Wycinek WidocznyWycinek(std::size_t dlugosc, int szerokoscPanelu, long long przesuniecie,
                        int szerokoscZnaku);

} // namespace vyn

// The visible slice of a dragged result pane.
#include "geometry/wycinek.h"

#include "zaokraglenie.h"

#include <algorithm>

namespace vyn {

Wycinek WidocznyWycinek(std::size_t dlugosc, int szerokoscPanelu, long long przesuniecie,
                        int szerokoscZnaku) {
    Wycinek w;
    if (dlugosc == 0 || szerokoscZnaku <= 0 || szerokoscPanelu <= 0)
        return w;
    const long long ilosc =
        ZaokraglijDoParzystej(static_cast<double>(szerokoscPanelu) / szerokoscZnaku);
    // Counted from 1 as the user sees the text; anything before the first character is 1.
    const long long pierwszy = std::max<long long>(
        1, ZaokraglijDoParzystej(-static_cast<double>(przesuniecie) / szerokoscZnaku));
    if (ilosc <= 0 || pierwszy > static_cast<long long>(dlugosc))
        return w;
    w.Poczatek = static_cast<std::size_t>(pierwszy - 1);
    w.Ilosc = std::min(static_cast<std::size_t>(ilosc), dlugosc - w.Poczatek);
    return w;
}

} // namespace vyn

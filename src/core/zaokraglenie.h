// Rounding to the nearest integer with halves to even, as every layout and count of VYN rounds.
#pragma once

#include <cmath>
#include <cstdint>

namespace vyn {

inline long long ZaokraglijDoParzystej(double x) {
    double dol = std::floor(x);
    double reszta = x - dol;
    if (reszta > 0.5)
        return static_cast<long long>(dol) + 1;
    if (reszta < 0.5)
        return static_cast<long long>(dol);
    long long d = static_cast<long long>(dol);
    return (d % 2 == 0) ? d : d + 1;
}

// a / b rounded half to even, exactly, for non-negative integers.
inline std::uint64_t PodzielZaokraglij(std::uint64_t a, std::uint64_t b) {
    std::uint64_t q = a / b;
    std::uint64_t r = a % b;
    if (2 * r > b || (2 * r == b && q % 2 == 1))
        ++q;
    return q;
}

} // namespace vyn

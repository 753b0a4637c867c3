// Fixed capacities of VYN: the largest function and the largest results it handles.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vyn {

// Variables are the letters A..Z, one bit each of a minterm number.
inline constexpr int MaksLiter = 26;

// The largest minterm number that 26 variables encode (2^26 - 1).
inline constexpr std::uint32_t MaksLiczba = 67108863;

// Inputs a PLA file may have. Each output is minimised over the inputs it depends on, which
// must be at most MaksLiter.
inline constexpr int MaksWejscPla = 4096;

// Terms per auxiliary table, minterms of the canonical form and entries of the prime list.
inline constexpr std::size_t PojemnoscTablicy = 100000;

// The most a run may raise that capacity to (vyn-cli --capacity); far beyond it the tables
// alone would not fit in any ordinary machine's memory.
inline constexpr std::size_t MaksPojemnosc = 50000000;

// Equivalent minimal forms kept by one run; further forms of the same cost are only counted.
inline constexpr std::size_t MaksPostaci = 1000;

// Not a limit but a setting of the listing of forms: relaxations solved without a form
// recorded, after which each branch the relaxation does not cut is settled exactly.
inline constexpr std::size_t ProgDokladnegoCiecia = 32;

} // namespace vyn

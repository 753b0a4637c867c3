// Import of the Karnaugh-map files of the program Halor (.hal) as a decimal function.
//
// Line 1 names the variables (not used: the encoding is rebuilt from the numbers), line 2 is
// N, the number of variables, line 3 the orientation of a map of odd N ("poziome"/"Poziome"
// for rows half as many as columns, "pionowe"/"Pionowe" for the other way round), and the map's
// rows follow, one character per cell, "1" where the function is 1. Rows and columns run in
// reflected Gray code: the cell in row r and column c is minterm g(r) * C + g(c). At most 50
// lines are read, which with 32 rows and columns at most allows 1 <= N <= 10.
#pragma once

#include "files/plik_vyn.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// The reflected Gray code g(i) = i xor (i >> 1) of 0..31.
inline constexpr std::array<int, 32> KodGraya = {0,  1,  3,  2,  6,  7,  5,  4,  12, 13, 15,
                                                 14, 10, 11, 9,  8,  24, 25, 27, 26, 30, 31,
                                                 29, 28, 20, 21, 23, 22, 18, 19, 17, 16};

inline constexpr std::size_t MaksLiniiHalora = 50;

// Imports the lines of a Halor file (line 1 first; lines missing at the end count as empty).
// The numbers come in map order, row by row, joined by ",". On an error (line 2 not a whole
// number, N outside 1..10, an unknown orientation for odd N, a map row missing or short)
// returns the message for the user and leaves `plik` untouched.
std::optional<std::string> ImportujHalor(const std::vector<std::string>& linie, PlikFunkcji& plik);

// Splits a Halor file's contents into its first 50 lines and imports them.
std::optional<std::string> CzytajPlikHalora(std::string_view bajty, PlikFunkcji& plik);

} // namespace vyn

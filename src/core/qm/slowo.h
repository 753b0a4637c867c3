// The term word shared by the canonical form, the auxiliary tables and the chart.
//
// A term is a pair of 32-bit words, its value word and its mask word:
//   value bits 0..25  one bit per variable; the first letter of the encoding is the most
//                     significant of the L bits in use, the last letter is bit 0;
//   value bit 26      combined flag: the entry was merged with another in its table;
//   value bit 27      present flag: every stored term carries it;
//   mask bits 0..25   set where the variable is eliminated; a minterm's mask is 0.
// Inside a table the value word holds 1 at every masked position, so two terms are equal
// exactly when their masks and their value bits are equal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vyn {

inline constexpr std::uint32_t MaskaWartosci = 0x3FFFFFF;
inline constexpr std::uint32_t FlagaPolaczenia = 0x4000000;
inline constexpr std::uint32_t FlagaObecnosci = 0x8000000;

// The letters of one term in encoding order: upper case for a 1, lower case for a 0, nothing
// for an eliminated variable. Only the encoding's L bits are looked at.
std::string SkladnikNaLitery(std::string_view kodowanie, std::uint32_t wartosc,
                             std::uint32_t maska);

// Bits set in a word, inline: without a popcount instruction in the target the builtin becomes
// a library call, and the reductions count bits at every node.
inline int Jedynki(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

// Number of letters SkladnikNaLitery writes for a term over L letters.
inline int IloscLiterSkladnika(int iloscLiter, std::uint32_t maska) {
    std::uint32_t uzywane = iloscLiter >= 32 ? ~0u : ((1u << iloscLiter) - 1);
    return iloscLiter - Jedynki(maska & uzywane);
}

} // namespace vyn

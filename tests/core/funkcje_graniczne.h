// Functions that sit exactly at one of the program's limits, or one step past it, built so that
// everything else about them stays small: the tests of the core, of vyn-cli and of the windows
// run them and check what the user gets.
#pragma once

#include "granice.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace granice {

inline bool ParzystaLiczbaJedynek(std::uint32_t x) {
    return __builtin_popcount(x) % 2 == 0;
}

// The first `ile` numbers of 18 bits with an even number of ones, in decimal: any two differ in
// at least two bits, so no two merge and each is a prime implicant and essential.
inline std::string OdosobnioneMintermy(std::size_t ile) {
    std::string f;
    std::size_t n = 0;
    for (std::uint32_t x = 0; n < ile; ++x)
        if (ParzystaLiczbaJedynek(x)) {
            f += (n++ ? "," : "") + std::to_string(x);
        }
    return f;
}

// A letter function over A..Q whose first merged table gets `terminy` terms: one group per
// cube of k = 4..1 free letters (k * 2^(k-1) edges, as many large cubes as fit), then a single
// minterm naming N..Q, so that the ascending encoding has all 17 letters. A..M name each cube's
// corner by an even-parity word (so two cubes never merge), N..Q are the cube's own letters, its
// k free ones left out from Q backwards and the others negated.
inline std::string FunkcjaTablicy(std::size_t terminy) {
    std::vector<int> wymiary;
    for (int k = 4; k >= 1; --k)
        for (const std::size_t krawedzie = static_cast<std::size_t>(k) << (k - 1);
             terminy >= krawedzie; terminy -= krawedzie)
            wymiary.push_back(k);
    wymiary.push_back(0);
    std::string f;
    std::uint32_t naroznik = 0;
    for (int k : wymiary) {
        while (!ParzystaLiczbaJedynek(naroznik))
            ++naroznik;
        if (!f.empty())
            f += '+';
        for (int b = 0; b < 13; ++b)
            f += static_cast<char>(((naroznik >> (12 - b)) & 1 ? 'A' : 'a') + b);
        for (int b = 0; b < 4 - k; ++b)
            f += static_cast<char>('n' + b);
        ++naroznik;
    }
    return f;
}

// Two functions of five letters with 40 and 25 equivalent minimal forms, and one with 26. The OR
// of two of them over disjoint letters has every pairing of their forms as its forms: 40 * 25 =
// 1000 (the limit) or 40 * 26 = 1040 (past it). The tests count each part's forms themselves.
inline const char* const Czterdziesci = "0,1,2,4,7,9,10,11,12,13,14,16,18,21,22,23,24,26,27,29,31";
inline const char* const DwadziesciaPiec = "0,1,2,3,4,5,7,8,12,13,14,15,18,19,20,21,23,24,27,30,31";
inline const char* const DwadziesciaSzesc =
    "1,2,4,6,7,8,12,13,15,16,17,18,19,20,21,22,26,27,28,29,30,31";

inline std::vector<int> Liczby(const std::string& tekst) {
    std::vector<int> v;
    std::size_t i = 0;
    while (i < tekst.size()) {
        std::size_t j = tekst.find(',', i);
        if (j == std::string::npos)
            j = tekst.size();
        v.push_back(std::stoi(tekst.substr(i, j - i)));
        i = j + 1;
    }
    return v;
}

// The OR of two five-letter functions in decimal over ten letters, the first in the high bits.
inline std::string Suma(const std::string& pierwsza, const std::string& druga) {
    const auto g1 = Liczby(pierwsza), g2 = Liczby(druga);
    std::string f;
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y)
            if (std::count(g1.begin(), g1.end(), x) || std::count(g2.begin(), g2.end(), y))
                f += (f.empty() ? "" : ",") + std::to_string(x * 32 + y);
    return f;
}

inline const std::string Alfabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

} // namespace granice

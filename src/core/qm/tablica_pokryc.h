// The prime implicant chart and its essential implicants.
//
// Rows are the prime implicants in list order, columns the minterm list's entries (repeats
// included). A row covers a column when both agree on every variable the row keeps. Two
// sweeps take out the essential rows: a column that one row alone covers makes that row
// essential; its letters go to `ImplikantyIstotne`, the columns it covers and the row itself
// leave the chart, each removed entry's place taken by the chart's last entry. The second
// sweep finds rows that became essential after the first. What is left is the cyclic core,
// kept as one bit set per row over the remaining columns.
#pragma once

#include "qm/odpytywanie.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

struct RdzenPokryc {
    int IloscKolumn = 0;
    int Slowa = 0;                       // 64-bit words of one row's bit set
    std::vector<std::uint64_t> Bity;     // the rows' bit sets, by row id
    std::vector<std::uint32_t> Wartosci; // the rows' terms, by row id
    std::vector<std::uint32_t> Maski;
    std::vector<int> Kolejnosc; // row order: row position -> row id

    int IloscWierszy() const { return static_cast<int>(Kolejnosc.size()); }
    const std::uint64_t* Wiersz(int id) const {
        return Bity.data() + static_cast<std::size_t>(id) * static_cast<std::size_t>(Slowa);
    }
};

struct WynikIstotnych {
    std::string ImplikantyIstotne; // letters of each essential row followed by "+"
    RdzenPokryc Rdzen;
    bool Przerwano = false; // a poll found the stop requested; nothing above is whole
};

// Runs the two sweeps over the primes and minterm words. Refuses, with a message, a core too
// large to hold in memory. Counts a unit per chart entry visited and per word of the core.
std::optional<std::string> UsunIstotne(const std::vector<std::uint32_t>& prosteWartosci,
                                       const std::vector<std::uint32_t>& prosteMaski,
                                       const std::vector<std::uint32_t>& mintermy,
                                       std::string_view kodowanie, WynikIstotnych& wynik,
                                       Odpytywanie* odpytywanie = nullptr);

} // namespace vyn

// The canonical form: the function as its sum of minterms, in letters and in decimal numbers,
// and the minterm list that the auxiliary tables and the chart read.
//
// Letter path: each group expands over its missing letters (0 before 1, in encoding order),
// terms are written in encoding order and kept once, in order of first appearance; the
// decimal text and the minterm list hold them in reverse order. Decimal path: the numbers
// as typed, in typed order, repeats and leading zeros kept.
#pragma once

#include "granice.h"
#include "qm/odpytywanie.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

struct PostacKanoniczna {
    std::string KanonicznaLiterowa;
    std::string KanonicznaDziesietna;
    // Minterm words (value with the present flag) in list order; the first auxiliary table
    // and the chart's columns.
    std::vector<std::uint32_t> Mintermy;
    // Stopped before the form was whole: everything above is then empty.
    bool Przerwano = false;
};

// Builds the canonical form of a function that SprawdzFunkcje accepted (one part of it: no
// ";"). Refuses, with the message for the user, a function of more than `pojemnosc` minterms;
// the expansion stops as soon as that is certain. Counts a unit per term expanded and per letter
// written; a stop found by `odpytywanie` leaves `wynik` empty with Przerwano set.
std::optional<std::string> TworzKanoniczna(std::string_view funkcja, bool trybDziesietny,
                                           std::string_view kodowanie, PostacKanoniczna& wynik,
                                           Odpytywanie* odpytywanie = nullptr,
                                           std::size_t pojemnosc = PojemnoscTablicy);

extern const char* const KomunikatZbytWieluMintermow;

} // namespace vyn

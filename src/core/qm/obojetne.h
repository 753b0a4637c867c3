// Don't-care terms in the run: the canonical form of a function with them (the required
// minterms and the don't-care minterms apart, each in letters and in decimal numbers), and
// the primes the chart keeps.
//
// Each part is expanded as a function of its own. A minterm in both parts is a don't-care (as
// in PLA files), so it leaves the required part, texts included. Without a don't-care part the
// result is exactly TworzKanoniczna's.
#pragma once

#include "granice.h"
#include "qm/kanoniczna.h"
#include "qm/tablica_pomocnicza.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

struct KanonicznaZObojetnymi {
    PostacKanoniczna Wymagane; // the chart's columns
    PostacKanoniczna Obojetne; // they join the first auxiliary table only
    int IloscObojetnych = 0;   // distinct don't-care minterms
};

// Refuses, with the message for the user, more than `pojemnosc` minterms in the two parts
// together (the first auxiliary table holds both). A stop found by `odpytywanie` leaves the
// result empty with `Wymagane.Przerwano` set.
std::optional<std::string> TworzKanonicznaZObojetnymi(std::string_view funkcja, bool trybDziesietny,
                                                      std::string_view kodowanie,
                                                      KanonicznaZObojetnymi& wynik,
                                                      Odpytywanie* odpytywanie = nullptr,
                                                      std::size_t pojemnosc = PojemnoscTablicy);

// Keeps only the primes that cover at least one of the minterm words (the required ones):
// a prime over don't-cares alone has no column in the chart. Returns how many went.
int PominProsteObojetne(ListaProstych& proste, const std::vector<std::uint32_t>& mintermy);

} // namespace vyn

// The depth-first search for every cheapest cover of the cyclic core (`SzukajPokrycia`).
//
// From each row in turn, rows are added in increasing row order; a row must add coverage, a
// branch costlier than the best complete cover is dropped, a complete cover is never
// extended. The cost of a cover is the length of its text, each row written as its letters
// and "+": letters plus groups. Every cover of the best cost is recorded in the order met.
// Two cuts save work without changing what is recorded: a branch in which some column can
// no longer be covered, and a branch whose cost plus a lower bound on the rows it still
// needs exceeds the best cost (the relaxation's, or prices raised toward it by subgradient
// steps where solving it is dear). Where the bound is loose and the search meets no form for
// long, the next row of a level is settled exactly before it is entered, for ranges of rows
// at once.
#pragma once

#include "granice.h"
#include "qm/tablica_pokryc.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

struct WynikSzukania {
    // The rows each recorded form adds to the essential part, joined by "+"; at most
    // MaksPostaci.
    std::vector<std::string> Reszty;
    int NajlepszaDlugosc = 0; // 0: no complete cover found
    bool Obcieto = false;     // more forms of the best cost than were kept
    bool Przerwano = false;
    // Whole-form cost (essential part included) of the forms kept, the proven lower bound on
    // the least cost, and whether the two meet with the search run to its end.
    int KosztPostaci = 0;
    int Granica = 0;
    bool Dowiedziona = false;
};

struct KontekstSzukania {
    std::string_view Kodowanie;
    std::string_view ImplikantyIstotne;                    // each followed by "+"
    std::function<bool()> Przerwac;                        // polled at every step
    std::function<void()> NaStarcie;                       // before each top-level row
    std::function<void(int, const std::string&)> Etykieta; // progress labels 2, 3, 4
    std::function<void(int, int)> Oszacowanie; // best whole-form cost and bound, as they improve
    bool Przycinaj = true; // apply the two cuts (tests compare with and without)
    std::size_t MaksPostaci = vyn::MaksPostaci;
    // Relaxations solved with no form recorded, after which a branch the relaxation does not
    // cut is settled by the branch and bound: whether any cover of it fits the least cost.
    std::size_t ProgDokladnych = ProgDokladnegoCiecia;
};

WynikSzukania SzukajPokrycia(const RdzenPokryc& rdzen, const KontekstSzukania& kontekst);

} // namespace vyn

// The minimal form stage (`WybierzPostacieMinimalne`): the prime implicants as text, the
// essential implicants, the ordering of the cyclic core, the search, and the forms as the
// main window shows them. A function that is always true has the single form "1".
#pragma once

#include "granice.h"
#include "qm/lista_postaci.h"
#include "qm/obserwator.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

struct WynikWyboru {
    std::string ProsteImplikanty;   // joined by ","
    std::string ImplikantyIstotne;  // joined by "+"
    ListaPostaci PostacieMinimalne; // forms 1..n, at most MaksPostaci
    int DolnaGranica = 0;
    int NajlepszaDlugosc = 0;
    bool Obcieto = false;
    bool Przerwano = false;
    int KosztPostaci = 0;       // whole form: letters + groups
    int DowiedzionaGranica = 0; // no form costs less
    bool MinimalnaDowiedziona = false;
    std::optional<std::string> Blad; // the chart would not fit in memory
};

WynikWyboru WybierzPostacieMinimalne(const std::vector<std::uint32_t>& prosteWartosci,
                                     const std::vector<std::uint32_t>& prosteMaski,
                                     const std::vector<std::uint32_t>& mintermy,
                                     std::string_view kodowanie, ObserwatorPrzebiegu& obserwator,
                                     FlagaPrzerwania& flaga, bool przycinaj = true,
                                     std::size_t maksPostaci = MaksPostaci,
                                     std::size_t progDokladnych = ProgDokladnegoCiecia);

} // namespace vyn

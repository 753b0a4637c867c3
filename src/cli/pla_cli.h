// vyn-cli's PLA side: one output of a PLA file as a function text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vyn::cli {

struct FunkcjaZPla {
    std::string Funkcja;   // decimal: ON minterms, then ";" and the don't-cares when any
    std::string Kodowanie; // the file's letters, input column 1 most significant
    std::string Legenda;   // "A = x0, B = x1" when the .ilb names are not the letters
    bool Zero = false;     // the output has no ON minterm: it is the constant 0
};

// Reads a PLA file and takes the output named by `wyjscie` (number from 1 or .ob name; none
// for a one-output file). The message names the file's line, or lists the outputs to choose.
std::optional<std::string> WczytajPla(std::string_view bajty,
                                      const std::optional<std::string>& wyjscie,
                                      std::size_t maksMintermow, FunkcjaZPla& wynik);

} // namespace vyn::cli

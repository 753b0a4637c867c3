// The two-level PLA text format: reading a file's product terms, expanding one output into its
// ON and don't-care minterms, and writing a function or a minimal form back as PLA text.
//
// A file holds keywords (`.i` inputs, `.o` outputs, `.ilb`/`.ob` their names, `.p` the number of
// products, `.type` f, fd (the default), fr or fdr, `.e`/`.end`), comments from "#" to the end of
// the line, and product lines: one character per input ("0", "1", "-", or "2" for "-") and one per
// output. In the output part "1" puts the cube in the ON set; "-" or "2" in the don't-care set for
// fd and fdr; "0" in the OFF set for fr and fdr; "~" means nothing. For fr and fdr the minterms in
// no set are don't-cares. A minterm both ON and don't-care is a don't-care; ON and OFF at once is
// an error. Input column 1 is the most significant bit of a minterm number. A file may have more
// inputs than letters; an output of such a file is a function of the inputs it depends on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

struct KostkaPla {
    std::string Wejscie; // one of "01-" per input
    std::string Wyjscie; // one of "01-2~" per output
    int Wiersz = 0;      // line number in the file, from 1
};

struct PlikPla {
    int Wejscia = 0;
    int Wyjscia = 1;
    std::vector<std::string> NazwyWejsc; // .ilb, empty when the file has none
    std::vector<std::string> NazwyWyjsc; // .ob, empty when the file has none
    std::string Typ = "fd";
    std::vector<KostkaPla> Kostki;
};

// One output of a file as a function.
struct FunkcjaPla {
    std::string Kodowanie;               // the encoding's letters, input column 1 first
    std::vector<std::string> NazwyWejsc; // the .ilb names when they are not the letters
    std::vector<std::uint32_t> Wlaczone; // ON minterms, ascending, don't-cares left out
    std::vector<std::uint32_t> Obojetne; // don't-care minterms, ascending
};

// Reads the text of a PLA file. On an error returns the message, naming the line and the reason.
std::optional<std::string> CzytajPla(std::string_view tekst, PlikPla& pla);

// The output a user names: its number counted from 1, or its .ob name. Nothing when no output
// has that name or number.
std::optional<int> ZnajdzWyjscie(const PlikPla& pla, std::string_view nazwa);

// The name of output k (from 0) as a user sees it: its .ob name, or its number from 1.
std::string NazwaWyjscia(const PlikPla& pla, int k);

// Expands output k (from 0); in a file of more than 26 inputs, over only the inputs its cubes
// name (their names kept, or "x" and the column number). Refuses, with a message, more than 26
// such inputs, more ON and don't-care minterms together than `maksMintermow`, and a minterm
// that is both ON and OFF.
std::optional<std::string> RozwinWyjscie(const PlikPla& pla, int k, std::size_t maksMintermow,
                                         FunkcjaPla& wynik);

// One output as the texts a front end loads: the decimal function (ON minterms, then ";" and
// the don't-cares when any), the encoding and, when the .ilb names are not the letters, the
// legend "A = x0, B = x1".
struct TekstPla {
    std::string Funkcja;
    std::string Kodowanie;
    std::string Legenda;
};
TekstPla TekstFunkcjiPla(const FunkcjaPla& f);

// The function as PLA text, one product line per minterm, `.type fd`.
std::string ZapiszPlaFunkcji(std::string_view kodowanie, const std::vector<std::uint32_t>& wlaczone,
                             const std::vector<std::uint32_t>& obojetne);

// A minimal form (groups joined by "+", or "1") as PLA text, one cube per group, `.type f`.
std::string ZapiszPlaPostaci(std::string_view kodowanie, std::string_view postac);

} // namespace vyn

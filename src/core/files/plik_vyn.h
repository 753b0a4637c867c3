// The function files: text lines of a file, the program's own format (.vyn) and the choice of
// reader by the file's extension.
//
// A .vyn file holds one line, the function text exactly as typed (its don't-care part after
// ";" included), ended by CR LF. Reading takes
// the first text line (a line ends at CR, an LF right after it going with it, or at the byte
// 1Ah, which ends the text; a lone LF is text), decides the notation from its first two
// characters as read, drops every byte outside the range the reading command keeps, and then
// refuses a text that the editor could not have typed, so that nothing half-read or
// unreadable reaches the encoding or a run. A .hal file is a Karnaugh map (halor.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// The text lines of file contents, at most `maksLinii` of them. The text after the last line
// end is a line of its own when it is not empty.
std::vector<std::string> CzytajLinie(std::string_view bajty, std::size_t maksLinii);

// Whether the contents hold `ileLinii` complete lines or the end-of-text byte: a caller that
// reads a file piece by piece may stop there, the rest cannot matter.
bool MaLinie(std::string_view bajty, std::size_t ileLinii);

enum class RegulaCzyszczenia {
    Otwieranie,   // the Open command: keeps "+".."z" and turns every "." into ","
    WierszPolecen // a file named on the command line: keeps "&".."{"
};

// A function as loaded from a file.
struct PlikFunkcji {
    std::string Funkcja;
    bool TrybDziesietny = false;
    // Characters that are not separators (letters, or digits in the decimal notation), as the
    // editor counts them while typing, so that deleting them later never counts below zero.
    int IloscLiter = 0;
};

// Reads a .vyn file's contents. On an error returns the message for the user and leaves
// `plik` untouched. An empty first line is the empty function (what saving one writes).
std::optional<std::string> CzytajPlikFunkcji(std::string_view bajty, RegulaCzyszczenia regula,
                                             PlikFunkcji& plik);

// The bytes of a .vyn file for a function: the text and CR LF.
std::string ZapisPlikuFunkcji(std::string_view funkcja);

enum class RodzajPliku { Vyn, Halor, Nieznany };

// The extension of a file name, dot included, from the last "." after the last folder
// separator; empty when there is none.
std::string_view RozszerzeniePliku(std::string_view nazwa);

// ".vyn" and ".hal", compared exactly, letter case included.
RodzajPliku RodzajPoRozszerzeniu(std::string_view nazwa);

// What the Open command says of a file whose extension it does not know.
inline constexpr const char* KomunikatNieznanegoTypu = "Nie mogę otworzyć pliku tego typu";

// Reads a file as the Open command does: a .vyn file with the Open command's cleaning, a .hal
// file through the Halor import, anything else refused with KomunikatNieznanegoTypu.
std::optional<std::string> CzytajFunkcjeZPliku(std::string_view nazwa, std::string_view bajty,
                                               PlikFunkcji& plik);

// How many lines a reader needs from a file of this kind (MaLinie tells when they are in).
std::size_t PotrzebneLinie(RodzajPliku rodzaj);

} // namespace vyn

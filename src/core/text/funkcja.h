// The function text in its two notations.
//
// Letter notation: "A".."Z" a plain variable, "a".."z" the negated one, "+" between groups
// (product terms). Decimal notation: minterm numbers in decimal separated by ",". The text
// carries no prefix; the notation is a separate flag. This header counts groups and letters,
// answers the editor's group test, reads the decimal numbers and checks that a text is fit
// for a minimisation run.
//
// Don't-care terms follow the function after one ";" in the same notation: "0,1,2,5;3,4" or
// "AB+aC;Abc". A minterm that is both required and don't-care is a don't-care.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// The separator between the function and its don't-care terms.
inline constexpr char SeparatorObojetnych = ';';

// A function text split at its first ";": the required part and the don't-care part.
struct CzesciFunkcji {
    std::string_view Wymagana;
    std::string_view Obojetna;
    bool MaObojetne = false; // the text holds ";" (the don't-care part may still be empty)
};
CzesciFunkcji PodzielFunkcje(std::string_view tekst);

// Number of groups (letter notation) or numbers (decimal notation) of a text, up to its
// don't-care part. A trailing separator adds nothing, a leading one adds one, a run of equal
// separators counts once.
int PoliczGrupy(std::string_view tekst);

// The counts of a text's don't-care part, as the window labels them apart.
struct LicznikiObojetnych {
    int Grupy = 0; // groups or numbers
    int Znaki = 0; // letters or digits
};
LicznikiObojetnych PoliczObojetne(std::string_view tekst);

// Whether the letter (either case) already stands in the group that holds the cursor;
// `pozycja` is the number of characters before the cursor. Only "+" bounds a group.
bool LiteraWGrupie(std::string_view tekst, char litera, int pozycja);

// Characters of a text other than the separators "+" and ",": the count the editor keeps as
// `IloscLiter` (digits count too) and the letter count of a form.
int IloscZnakow(std::string_view tekst);

// The cost by which forms compete: letters plus groups ("1", the constant true, is one group
// without letters).
int KosztTekstu(std::string_view postac);

// Letters "A".."Z" and "a".."z" of a text: the letter count of a loaded function.
int PoliczLitery(std::string_view tekst);

// One number of a decimal text: its value (saturated far above every limit) and its digits
// exactly as typed, leading zeros included.
struct LiczbaDziesietna {
    std::uint64_t Wartosc = 0;
    std::string_view Cyfry;
};

// The message of a piece of text that is not a whole number.
std::string NieJestLiczba(std::string_view tekst);

// Reads the numbers of a decimal text in order. Every "," is stepped over; any piece between
// separators that is not all digits is an error, reported with that piece.
std::optional<std::string> CzytajLiczby(std::string_view tekst,
                                        std::vector<LiczbaDziesietna>& liczby);

// Messages for a second ";" and for a ";" with no function before it.
extern const char* const KomunikatDrugiSrednik;
extern const char* const KomunikatSrednikNaPoczatku;

// The editor's range message for a number above MaksLiczba.
extern const char* const KomunikatZakresu;

// Reads the numbers of a decimal text (both parts) and checks them against MaksLiczba: the message
// for the first piece that is not a number, or KomunikatZakresu for a number out of range. The
// numbers read are left in `liczby` when it is given.
std::optional<std::string> SprawdzZakres(std::string_view tekst,
                                         std::vector<LiczbaDziesietna>* liczby = nullptr);

// The first number (decimal) or group (letters, the same letters in any order) that stands
// both in the function and in its don't-care part, as the editor's message; nothing when
// there is none. Only this plain typing slip is refused: overlapping groups are allowed, and a
// minterm both required and don't-care is a don't-care.
std::optional<std::string> PowtorzenieObojetnych(std::string_view tekst, bool trybDziesietny);

// The letter notation's own rules: letters and "+" only, no two "+" side by side (an empty
// group would make the function always true), no variable twice in a group.
std::optional<std::string> SprawdzGrupy(std::string_view tekst);

// Checks everything a run needs before it touches the function: at most one ";" with a
// non-empty function before it, the characters of the notation (in both parts), no letter twice in
// a group, numbers within range and within what the encoding's letters can name, an encoding of
// distinct letters A..Z that holds every letter of the function. Returns the message for the user,
// or nothing when the run may go on.
std::optional<std::string> SprawdzFunkcje(std::string_view funkcja, bool trybDziesietny,
                                          std::string_view kodowanie);

} // namespace vyn

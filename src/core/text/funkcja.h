// The function text in its two notations.
//
// Letter notation: "A".."Z" a plain variable, "a".."z" the negated one, "+" between groups
// (product terms). Decimal notation: minterm numbers in decimal separated by ",". The text
// carries no prefix; the notation is a separate flag. This header counts groups and letters,
// answers the editor's group test, reads the decimal numbers and checks that a text is fit
// for a minimisation run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// Number of groups (letter notation) or numbers (decimal notation) of a text. A trailing
// separator adds nothing, a leading one adds one, a run of equal separators counts once.
int PoliczGrupy(std::string_view tekst);

// Whether the letter (either case) already stands in the group that holds the cursor;
// `pozycja` is the number of characters before the cursor. Only "+" bounds a group.
bool LiteraWGrupie(std::string_view tekst, char litera, int pozycja);

// Characters of a text other than the separators "+" and ",": the count the editor keeps as
// `IloscLiter` (digits count too) and the letter count of a form.
int IloscZnakow(std::string_view tekst);

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

// The editor's range message for a number above MaksLiczba.
extern const char* const KomunikatZakresu;

// Reads the numbers of a decimal text and checks them against MaksLiczba: the message for the
// first piece that is not a number, or KomunikatZakresu for a number out of range. The numbers
// read are left in `liczby` when it is given.
std::optional<std::string> SprawdzZakres(std::string_view tekst,
                                         std::vector<LiczbaDziesietna>* liczby = nullptr);

// The letter notation's own rules: letters and "+" only, no two "+" side by side (an empty
// group would make the function always true), no variable twice in a group.
std::optional<std::string> SprawdzGrupy(std::string_view tekst);

// Checks everything a run needs before it touches the function: the characters of the
// notation, no letter twice in a group, numbers within range and within what the encoding's
// letters can name, an encoding of distinct letters A..Z that holds every letter of the
// function. Returns the message for the user, or nothing when the run may go on.
std::optional<std::string> SprawdzFunkcje(std::string_view funkcja, bool trybDziesietny,
                                          std::string_view kodowanie);

} // namespace vyn

// The letter encoding: which letter names which bit of a minterm number.
//
// `Kodowanie` lists the variables' letters in bit order, most significant first. It follows
// the function in the two alphabetical modes and is typed by the user in the third. This
// header also holds the encoding dialog's OK checks and their Polish number words.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vyn {

enum class TrybKodowania {
    Rosnaco,    // "alfabetycznie rosnąco (ABCD)"
    Malejaco,   // "alfabetycznie malejąco (DCBA)"
    Uzytkownika // "ustawienia użytkownika": the order typed in the dialog
};

struct WynikKodowania {
    std::string Kodowanie;
    std::optional<std::string> Blad; // a decimal text that cannot be read as numbers
};

// Rebuilds the encoding from the function. In the user mode the result is the typed order in
// upper case, whatever the function holds.
WynikKodowania UstalKodowanie(TrybKodowania tryb, std::string_view funkcja, bool trybDziesietny,
                              std::string_view tekstUzytkownika);

// Width in pixels of the encoding indicator for L letters.
inline int SzerokoscWskaznika(int iloscLiter) {
    return 8 * iloscLiter + 10;
}

// The Polish word for a number of letters, as the dialog's warnings write it ("trzy").
std::string LiczbaSlownie(int n);

// What the encoding dialog's OK button decides, t being the typed order and r the indicator's
// letters when the dialog opened.
struct ZatwierdzenieKodowania {
    bool ZmienNapis = false; // the indicator takes t
    std::string Ostrzezenie; // warning text, lines separated by '\n'; empty when accepted
    bool Przyjete() const { return Ostrzezenie.empty(); }
};

ZatwierdzenieKodowania ZatwierdzKodowanie(std::string_view t, std::string_view r,
                                          bool trybUzytkownika, bool funkcjaDziesietna);

} // namespace vyn

// The formula editor: one key or mouse press at a time over the function text and its view.
//
// The function pane is a one-line view of fixed-width cells. Character i (from 1) of
// `Funkcja` stands in view cell `PrzesuniecieWidoku` + i - 1; the cursor sits `PozycjaKursora`
// characters into the text and `KolumnaKursora` cells into the view, and every operation
// keeps KolumnaKursora = PozycjaKursora + PrzesuniecieWidoku. Keys arrive as the platform's
// virtual-key codes; the editor answers with what the window has to do (status text, rebuild
// of the encoding, redraw, a run, a notation switch). Nothing here knows about a window.
#pragma once

#include <optional>
#include <string>

namespace vyn {

// Virtual-key codes the editor understands; letters and main-keyboard digits are their
// upper-case ASCII codes.
namespace Klawisz {
inline constexpr int Backspace = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Enter = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Ctrl = 0x11;
inline constexpr int Alt = 0x12;
inline constexpr int CapsLock = 0x14;
inline constexpr int Escape = 0x1B;
inline constexpr int Spacja = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Lewo = 0x25;
inline constexpr int Gora = 0x26;
inline constexpr int Prawo = 0x27;
inline constexpr int Dol = 0x28;
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
inline constexpr int Num0 = 0x60; // keypad digits 0x60..0x69
inline constexpr int NumRazy = 0x6A;
inline constexpr int NumPlus = 0x6B;
inline constexpr int NumMinus = 0x6D;
inline constexpr int NumPrzecinek = 0x6E;
inline constexpr int NumDziel = 0x6F;
inline constexpr int F1 = 0x70;    // F1..F12 0x70..0x7B
inline constexpr int Srednik = 0xBA; // ";": the don't-care terms follow
inline constexpr int Nieznany = 0; // any key the editor has no name for
} // namespace Klawisz

struct StanEdytora {
    std::string Funkcja;
    bool TrybDziesietny = false;
    int PozycjaKursora = 0;
    int KolumnaKursora = 0;
    int PrzesuniecieWidoku = 0;
    int SzerokoscWidoku = 40;
    bool TrybPrzewijania = false;
    int IloscLiter = 0; // letters or digits of the function, its don't-care part left out
};

// Status-bar texts of the editor.
inline constexpr const char* KomunikatPlus = "Nie rozpoczynaj od plusa";
inline constexpr const char* KomunikatPowtorzenie = "Symbol powtarza się w tej grupie";
inline constexpr const char* KomunikatCtrl = "negacja z SHIFTem";
inline constexpr const char* KomunikatCapsLock = "nie musisz przełączać CAPS LOCKa";
inline constexpr const char* KomunikatSrednikSeparator =
    "Po średniku nie może stać znak '+' ani ','";

// What one key asks of the window. The status message is cleared at every key, so an empty
// `Komunikat` clears it.
struct WynikKlawisza {
    std::string Komunikat;
    bool Przebuduj = false;      // rebuild the encoding, then redraw the function pane
    bool Rysuj = false;          // redraw the function pane (implied by Przebuduj)
    bool Minimalizuj = false;    // Enter: start a run before the rebuild
    std::optional<bool> Notacja; // the first character chose a notation: true decimal
    bool WyczyscNotacje = false; // the text became empty: the notation label is cleared
};

// Handles one key press. `kod` is the virtual-key code, `shift` whether Shift is held.
WynikKlawisza NacisnijKlawisz(StanEdytora& stan, int kod, bool shift);

// A mouse press at x pixels in the function pane places the cursor on the nearest cell
// boundary within the text; returns whether the cursor moved (the pane is then redrawn).
bool UmiescKursor(StanEdytora& stan, int x, int szerokoscZnaku);

// The function pane's redraw limits the cursor column to the view.
void OgraniczKolumne(StanEdytora& stan);

// Brings a cursor column that was cut back to the view (a narrower pane) together with the
// cursor's place in the text again by scrolling the view, so that the cursor stays where it
// is in the text and is drawn where typing will insert.
void ZsynchronizujKursor(StanEdytora& stan);

} // namespace vyn

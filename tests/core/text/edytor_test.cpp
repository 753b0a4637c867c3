// The formula editor driven key by key, as the main window drives it: a table
// of key sequences and where they leave the text, the cursor and the view, then
// the mouse and Backspace's rules.
#include "text/edytor.h"

#include "text/funkcja.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace vyn;

namespace {

// Presses keys: capitals are letter keys, small letters the same keys with Shift, digits the
// main keyboard's, ' ' the space bar; '#d' a keypad digit, '&' keypad plus, '.' keypad comma,
// '<' '>' arrows, '^' Home, '$' End, '~' Backspace, '!' Delete, '|' up, '@' Ctrl, '%' Caps Lock,
// ';' the semicolon key, '\n' Enter.
WynikKlawisza Wpisz(StanEdytora& s, const std::string& klawisze) {
    static const std::string Znaki = "&.<>^$~!|@%;\n";
    static const int Kody[] = {
        Klawisz::NumPlus,  Klawisz::NumPrzecinek, Klawisz::Lewo,   Klawisz::Prawo, Klawisz::Home,
        Klawisz::End,      Klawisz::Backspace,    Klawisz::Delete, Klawisz::Gora,  Klawisz::Ctrl,
        Klawisz::CapsLock, Klawisz::Srednik,      Klawisz::Enter};
    WynikKlawisza w;
    for (std::size_t i = 0; i < klawisze.size(); ++i) {
        const char c = klawisze[i];
        const auto z = Znaki.find(c);
        const bool shift = c >= 'a' && c <= 'z';
        const int kod = c == '#'                 ? Klawisz::Num0 + (klawisze[++i] - '0')
                        : z != std::string::npos ? Kody[z]
                        : shift                  ? c - 'a' + 'A'
                                                 : static_cast<unsigned char>(c);
        w = NacisnijKlawisz(s, kod, shift);
    }
    return w;
}

constexpr int N = -9999; // not checked

struct Wiersz {
    std::string Klawisze;
    const char* Tekst; // nullptr: not checked
    int Pozycja, Przesuniecie;
    const char* Komunikat = nullptr; // of the last key; nullptr: not checked
    int Szerokosc = 40;
    bool Przewijanie = false; // the scrolling flag set before the keys
    int PrzewijaniePo = N;    // 0 or 1: the flag after them
};

const std::string Obie1Tekst = "Liczba 1 jest i w funkcji, i wśród stanów obojętnych";
const char* const Obie1 = Obie1Tekst.c_str();

const std::string Dlugi = "AB CD EF GH IJ KL MN OP QR ST UV WX YZ AB CDE"; // 45 characters

const Wiersz Wiersze[] = {
    // The first character chooses the notation; keypad digits are digits.
    {"B c", "B+c", 3, 0, ""},
    {"AB>>", "AB", 2, 0},        // Right at the end of the text goes no further
    {"AB;", "AB;", 3, 0, "", 3}, // ";" reaching the right edge does not scroll yet
    {"1 5", "1,5", 3, 0, ""},
    {"#7#9#0", "790", 3, 0, ""},
    // An empty text refuses a plus and ignores other keys.
    {" ", "", 0, 0, KomunikatPlus},
    {"&", "", 0, 0, KomunikatPlus},
    {".!|", "", 0, 0, ""},
    // Separators never stand side by side; a leading one is allowed; foreign
    // keys do nothing.
    {"A  B", "A+B", 3, 0},
    {"A  B<< ", "A+B", N, N},
    {"A  B<< ^ ", "+A+B", N, N},
    {"A  B<< ^ 19", "+A+B", N, N},
    {"1 &.", "1,", N, N},
    {"1 &.XYz", "1,", N, N},
    // A letter already in the cursor's group, before or after the cursor, is
    // refused.
    {"AB Cc", "AB+C", N, N, KomunikatPowtorzenie},
    {"AB CC", "AB+C", N, N, KomunikatPowtorzenie},
    {"AB CA", "AB+CA", N, N},
    {"A BC<<b", "A+BC", N, N, KomunikatPowtorzenie},
    {"A BC<<a", "A+aBC", 3, N},
    // The view scrolls past its right edge; Home and End return; Left past the
    // first column
    // scrolls the hidden text back in.
    {Dlugi, nullptr, 45, -5, nullptr, 40, false, 1},
    {Dlugi + "^", nullptr, 0, 0},
    {Dlugi + "^$", nullptr, 45, -5},
    {Dlugi + "^$" + std::string(41, '<'), nullptr, 4, -4},
    // End in scrolling mode puts a short text at the right edge, without it at
    // the left.
    {"AB$", "AB", 2, 38, nullptr, 40, true},
    {"AB$<<<", "AB", 0, 38, nullptr, 40, true},
    {"AB^$", "AB", 2, 0},
    {"$", "", 0, 40, nullptr, 40, true},
    {"$A", "A", 1, 39, nullptr, 40, true},
    {"$AB", "AB", 2, 38, nullptr, 40, true},
    // End scrolls a text lengthened in the middle; Backspace in a scrolled
    // view.
    {"AB^CD$", "CDAB", 4, -1, nullptr, 3},
    {"AB CD<<<~", "A+CD", N, -1, nullptr, 3, false, 1},
    {"AB~", "A", 1, 0, nullptr, 40, true, 1}, // the flag stays until the text fills the view
    {"AB CD<<<~^>>>~", "A+D", N, N, nullptr, 3, false, 0},
    {"AB CD<<<~^>>>~~$", nullptr, 2, 0, nullptr, 3},
    // Backspace to empty; hints in the status line, cleared by the next key.
    {"A b~~", "A", 1, 0},
    {"A b~~~~", "", 0, 0},
    {"A b~~~3", "3", 1, 0},
    {"A@", "A", N, N, KomunikatCtrl},
    {"A%", "A", N, N, KomunikatCapsLock},
    {"A%!", "A", N, N, ""},
    // Backspace keeps the text well formed (both found by fuzzing the editor): a group deleted
    // down to nothing takes its separator along, and a "+" between groups sharing a letter stays.
    {"A B C<<~", "A+C", 1, N, ""},
    {"1 2 3<<~", "1,3", 1, N, ""},
    {"AB c DE<<<~", "AB+DE", 2, N, ""},
    {"A B<<~", "+B", 0, N, ""},
    {"A B~", "A+", 2, N, ""},
    {"AB cd<<~", "ABcd", 2, N, ""},
    {"12 34<<~", "1234", 2, N, ""},
    {"aBZ z<~", "aBZ+z", 4, N, KomunikatPowtorzenie},
    // One ";" starts the don't-care part; the slips around it are refused.
    {";", "", N, N, KomunikatSrednikNaPoczatku},
    {"0,1;3", "0,1;3", N, N, ""},
    {"0,1;3;", "0,1;3", N, N, KomunikatDrugiSrednik},
    {"0,1,;", "0,1,;", N, N, ""}, // the function may end with a separator
    {"1;,", "1;", N, N, ""},      // no separator right after ";"
    {"1,3<<;", "1,3", N, N, KomunikatSrednikSeparator},
    {"0,1;1,", "0,1;1", N, N, Obie1},        // ended by a separator: refused
    {"0,1;1\n", "0,1;1", N, N, Obie1},       // and by Enter
    {"0,1;12,", "0,1;12,", N, N, ""},        // a longer number is not the same
    {"0,2;1<<,1\n", "0,2,1;1", N, N, Obie1}, // the other way round
    {"31,3<<<;", "31,3", N, N, "Liczba 3 jest i w funkcji, i wśród stanów obojętnych"},
    {"^1;0", "1;0", N, N, ""}, // Home in a one-character text, then ";" after it
    {"0,1;67108864,", "0,1;67108864", N, N, KomunikatZakresu},
    {"AB+aC;BA+", "AB+aC;BA", N, N, "Grupa AB jest i w funkcji, i wśród stanów obojętnych"},
    {"AB;A", "AB;A", N, N, ""}, // a new group after ";"
    {"AB;AA", "AB;A", N, N, KomunikatPowtorzenie},
    {"AB;bA<<~", "AB;bA", N, N, KomunikatPowtorzenie}, // deleting ";" would join AB and bA
    {"AB;C<~", "ABC", N, N, ""},
    {"0,1;3~", "0,1;", N, N, ""},
    {"1;3<<~", "1;3", N, N, KomunikatSrednikNaPoczatku}, // the function part never empties
    {"0,1;3,4<<~", "0,1;4", N, N, ""},                   // the number goes with its separator
    {"0,1;3<<~", "0,;3", N, N, ""},
    {"0,1<;", "0,;1", N, N, ""}, // ";" splits a typed text
};

} // namespace

TEST(okno_edytor_test, key_sequences_leave_the_text_cursor_and_view_as_their_rules_say) {
    for (const Wiersz& w : Wiersze) {
        SCOPED_TRACE(w.Klawisze);
        StanEdytora s;
        s.SzerokoscWidoku = w.Szerokosc;
        s.TrybPrzewijania = w.Przewijanie;
        const auto wynik = Wpisz(s, w.Klawisze);
        if (w.Tekst) {
            EXPECT_EQ(s.Funkcja, w.Tekst);
        }
        if (w.Pozycja != N) {
            EXPECT_EQ(s.PozycjaKursora, w.Pozycja);
        }
        if (w.Przesuniecie != N) {
            EXPECT_EQ(s.PrzesuniecieWidoku, w.Przesuniecie);
        }
        if (w.Komunikat) {
            EXPECT_EQ(wynik.Komunikat, w.Komunikat);
        }
        if (w.PrzewijaniePo != N) {
            EXPECT_EQ(s.TrybPrzewijania, w.PrzewijaniePo == 1);
        }
        // What holds after any keys: cursor column, the count of the function part, notation.
        EXPECT_EQ(s.KolumnaKursora, s.PozycjaKursora + s.PrzesuniecieWidoku);
        EXPECT_LE(s.KolumnaKursora, s.SzerokoscWidoku);
        EXPECT_EQ(s.IloscLiter, IloscZnakow(PodzielFunkcje(s.Funkcja).Wymagana));
        if (!s.Funkcja.empty()) {
            EXPECT_EQ(s.TrybDziesietny,
                      s.Funkcja.find_first_of("0123456789,") != std::string::npos);
        }
    }
}

TEST(okno_edytor_test, shift_does_not_matter_for_digits_and_backspace_to_empty_frees_the_notation) {
    StanEdytora d;
    EXPECT_EQ(NacisnijKlawisz(d, '1', true).Notacja, true);
    EXPECT_EQ(d.Funkcja, "1");

    StanEdytora s;
    Wpisz(s, "A b~~");
    auto w = Wpisz(s, "~");
    EXPECT_TRUE(w.WyczyscNotacje && w.Przebuduj);
    w = Wpisz(s, "~"); // at position 0: nothing at all
    EXPECT_FALSE(w.Rysuj || w.WyczyscNotacje);
    EXPECT_EQ(Wpisz(s, "3").Notacja, true);
    EXPECT_TRUE(s.TrybDziesietny);
    EXPECT_FALSE(Wpisz(s, " 4").Minimalizuj); // only Enter asks for a run
    EXPECT_TRUE(Wpisz(s, "\n").Minimalizuj);
}

// A press puts the cursor on the nearest boundary within the text (halves to the even one);
// one beyond the last whole cell scrolls the view to the cursor.
TEST(okno_edytor_test, a_mouse_press_puts_the_cursor_on_the_nearest_boundary_in_the_text) {
    StanEdytora s;
    Wpisz(s, "ABCD");
    const std::tuple<int, int, bool, int> naciski[] = {
        {2 * 12 + 5, 12, true, 2}, // left half of the third cell
        {30, 12, true, 2},         // 2.5 cells
        {18, 12, true, 2},         // 1.5 cells
        {5 * 12, 12, false, 2},    // right of the last character
        {3, 1, true, 3},           // any cell width will do, down to one pixel
        {3, 0, false, 3},          // but none measured yet places nothing
        {5, 12, true, 0},          // the first boundary too
        {2 * 12, 12, true, 2},
    };
    for (const auto& [x, komorka, przyjety, pozycja] : naciski) {
        EXPECT_EQ(UmiescKursor(s, x, komorka), przyjety) << x;
        EXPECT_EQ(s.PozycjaKursora, pozycja) << x;
        EXPECT_EQ(s.KolumnaKursora, pozycja) << x;
    }
    s.PrzesuniecieWidoku = -2; // two characters hidden at the left
    s.KolumnaKursora = 0;
    EXPECT_TRUE(UmiescKursor(s, 0, 12));
    EXPECT_EQ(s.PozycjaKursora, 2);
    EXPECT_FALSE(UmiescKursor(s, 3 * 12, 12)); // would be after a 5th character

    StanEdytora w;
    w.SzerokoscWidoku = 3;
    Wpisz(w, "ABCD^");
    ASSERT_TRUE(UmiescKursor(w, 4 * 12, 12)); // boundary 4 lies beyond the 3-cell view
    EXPECT_EQ(w.PozycjaKursora, 4);
    EXPECT_EQ(w.KolumnaKursora, 3);
    EXPECT_EQ(w.PrzesuniecieWidoku, -1); // drawn where the next key inserts
}

// The formula editor driven key by key, as the main window drives it.
#include "text/edytor.h"

#include "text/funkcja.h"

#include <gtest/gtest.h>

using namespace vyn;

namespace {

// Types a string: capitals are letter keys, small letters the same keys with Shift, " " the
// space bar, digits the main-keyboard digits. Returns the result of the last key.
WynikKlawisza Wpisz(StanEdytora& s, const std::string& klawisze) {
    WynikKlawisza w;
    for (char c : klawisze) {
        const bool shift = c >= 'a' && c <= 'z';
        const int kod = shift ? c - 'a' + 'A' : static_cast<unsigned char>(c);
        w = NacisnijKlawisz(s, kod, shift);
    }
    return w;
}

WynikKlawisza Klawisze(StanEdytora& s, std::initializer_list<int> kody) {
    WynikKlawisza w;
    for (int k : kody)
        w = NacisnijKlawisz(s, k, false);
    return w;
}

} // namespace

TEST(okno_edytor_test, the_first_character_chooses_the_notation) {
    StanEdytora s;
    auto w = Wpisz(s, "B");
    EXPECT_EQ(w.Notacja, false);
    Wpisz(s, " c");
    EXPECT_EQ(s.Funkcja, "B+c");
    EXPECT_FALSE(s.TrybDziesietny);
    EXPECT_EQ(s.IloscLiter, 2);
    EXPECT_EQ(PoliczGrupy(s.Funkcja), 2);

    StanEdytora d;
    EXPECT_EQ(NacisnijKlawisz(d, '1', true).Notacja, true); // Shift does not matter for digits
    Wpisz(d, " 5");
    EXPECT_EQ(d.Funkcja, "1,5");
    EXPECT_TRUE(d.TrybDziesietny);
    EXPECT_EQ(d.IloscLiter, 2);

    StanEdytora k; // keypad digits count as digits
    EXPECT_EQ(NacisnijKlawisz(k, Klawisz::Num0 + 7, false).Notacja, true);
    EXPECT_EQ(k.Funkcja, "7");
}

TEST(okno_edytor_test, an_empty_text_refuses_a_plus_and_ignores_other_keys) {
    StanEdytora s;
    for (int plus : {int{Klawisz::Spacja}, int{Klawisz::NumPlus}}) {
        auto w = NacisnijKlawisz(s, plus, false);
        EXPECT_EQ(w.Komunikat, KomunikatPlus);
        EXPECT_FALSE(w.Rysuj); // a refused key ends before the rebuild
    }
    auto w = Klawisze(s, {Klawisz::NumPrzecinek, Klawisz::Delete, Klawisz::Gora});
    EXPECT_EQ(s.Funkcja, "");
    EXPECT_EQ(w.Komunikat, "");
    EXPECT_TRUE(w.Przebuduj); // keys without a meaning still pass through the common tail
    EXPECT_FALSE(w.Notacja.has_value());
}

TEST(okno_edytor_test, separators_never_stand_side_by_side_and_foreign_characters_are_ignored) {
    StanEdytora s;
    Wpisz(s, "A  B");
    EXPECT_EQ(s.Funkcja, "A+B");
    Klawisze(s, {Klawisz::Lewo, Klawisz::Lewo}); // cursor just before "+"
    Wpisz(s, " ");
    EXPECT_EQ(s.Funkcja, "A+B");
    Klawisze(s, {Klawisz::Home});
    Wpisz(s, " "); // a leading "+" in front of a non-empty text is allowed
    EXPECT_EQ(s.Funkcja, "+A+B");
    EXPECT_EQ(s.IloscLiter, 2);

    Wpisz(s, "19"); // digits have no place in the letter notation, nor letters in the other
    EXPECT_EQ(s.Funkcja, "+A+B");

    StanEdytora d;
    Wpisz(d, "1");
    Klawisze(d, {Klawisz::Spacja, Klawisz::NumPlus, Klawisz::NumPrzecinek});
    EXPECT_EQ(d.Funkcja, "1,"); // all three separators become one ","
    Wpisz(d, "XYz");
    EXPECT_EQ(d.Funkcja, "1,");
}

TEST(okno_edytor_test, a_letter_already_in_the_cursor_group_is_refused) {
    StanEdytora s;
    Wpisz(s, "AB C");
    for (const char* klawisz : {"c", "C"}) {
        auto w = Wpisz(s, klawisz);
        EXPECT_EQ(w.Komunikat, KomunikatPowtorzenie) << klawisz;
        EXPECT_EQ(s.Funkcja, "AB+C");
    }
    Wpisz(s, "A");
    EXPECT_EQ(s.Funkcja, "AB+CA");

    // The group after the cursor counts too: "A+BC" with the cursor just after "+".
    StanEdytora t;
    Wpisz(t, "A BC");
    Klawisze(t, {Klawisz::Lewo, Klawisz::Lewo});
    EXPECT_EQ(Wpisz(t, "b").Komunikat, KomunikatPowtorzenie);
    Wpisz(t, "a");
    EXPECT_EQ(t.Funkcja, "A+aBC");
    EXPECT_EQ(t.PozycjaKursora, 3);
}

TEST(okno_edytor_test, range_is_checked_on_the_text_before_the_key) {
    StanEdytora s;
    auto w = Wpisz(s, "67108864"); // the last digit is judged by "6710886", within range
    EXPECT_EQ(w.Komunikat, "");
    EXPECT_EQ(s.Funkcja, "67108864");
    for (int kod : {int{'1'}, int{Klawisz::Spacja}, int{Klawisz::Home}, int{Klawisz::End},
                    int{Klawisz::Enter}, int{Klawisz::Num0}}) {
        auto r = NacisnijKlawisz(s, kod, false);
        EXPECT_EQ(r.Komunikat, KomunikatZakresu) << kod;
        EXPECT_FALSE(r.Minimalizuj);
        EXPECT_FALSE(r.Rysuj);
    }
    EXPECT_EQ(s.Funkcja, "67108864");
    EXPECT_EQ(s.PozycjaKursora, 8);

    Klawisze(s, {Klawisz::Lewo, Klawisz::Prawo, Klawisz::Backspace});
    EXPECT_EQ(s.Funkcja, "6710886");
    EXPECT_EQ(Wpisz(s, "3").Komunikat, ""); // 67108863 is the largest number allowed
    EXPECT_EQ(Wpisz(s, " ").Komunikat, "");
    EXPECT_EQ(s.Funkcja, "67108863,");
}

TEST(okno_edytor_test, the_view_scrolls_past_its_right_edge_and_home_end_return) {
    StanEdytora s;                                                             // SzerokoscWidoku 40
    const std::string grupy = "AB CD EF GH IJ KL MN OP QR ST UV WX YZ AB CDE"; // 45 characters
    ASSERT_EQ(grupy.size(), 45u);
    Wpisz(s, grupy);
    EXPECT_EQ(s.Funkcja.size(), 45u);
    EXPECT_EQ(s.PrzesuniecieWidoku, -5);
    EXPECT_EQ(s.KolumnaKursora, 40);
    EXPECT_TRUE(s.TrybPrzewijania);

    Klawisze(s, {Klawisz::Home});
    EXPECT_EQ(s.PrzesuniecieWidoku, 0);
    EXPECT_EQ(s.KolumnaKursora, 0);
    EXPECT_EQ(s.PozycjaKursora, 0);

    Klawisze(s, {Klawisz::End});
    EXPECT_EQ(s.PrzesuniecieWidoku, -5);
    EXPECT_EQ(s.KolumnaKursora, 40);
    EXPECT_EQ(s.PozycjaKursora, 45);

    // Left to the first column, then once more scrolls the hidden text back in.
    for (int i = 0; i < 41; ++i)
        NacisnijKlawisz(s, Klawisz::Lewo, false);
    EXPECT_EQ(s.KolumnaKursora, 0);
    EXPECT_EQ(s.PrzesuniecieWidoku, -4);
    EXPECT_EQ(s.PozycjaKursora, 4);
}

TEST(okno_edytor_test, end_in_scrolling_mode_puts_a_short_text_at_the_right_edge) {
    StanEdytora s;
    s.TrybPrzewijania = true;
    Wpisz(s, "AB");
    Klawisze(s, {Klawisz::End});
    EXPECT_EQ(s.PrzesuniecieWidoku, 38); // "A" in cell 38, "B" in cell 39
    EXPECT_EQ(s.KolumnaKursora, 40);
    Klawisze(s, {Klawisz::Lewo, Klawisz::Lewo, Klawisz::Lewo});
    EXPECT_EQ(s.PozycjaKursora, 0);
    EXPECT_EQ(s.KolumnaKursora, 38); // stops in front of "A"

    StanEdytora z; // without the flag End goes to the end of the unscrolled text
    Wpisz(z, "AB");
    Klawisze(z, {Klawisz::Home, Klawisz::End});
    EXPECT_EQ(z.PrzesuniecieWidoku, 0);
    EXPECT_EQ(z.KolumnaKursora, 2);
}

TEST(okno_edytor_test, the_first_character_typed_at_the_right_edge_stays_in_view) {
    StanEdytora s;
    s.TrybPrzewijania = true;
    Klawisze(s, {Klawisz::End}); // an empty text: the cursor goes to the right edge
    EXPECT_EQ(s.KolumnaKursora, 40);
    Wpisz(s, "A");
    EXPECT_EQ(s.PrzesuniecieWidoku, 39); // "A" in the last cell, the cursor after it
    EXPECT_EQ(s.KolumnaKursora, 40);
    Wpisz(s, "B");
    EXPECT_EQ(s.PrzesuniecieWidoku, 38);
    EXPECT_EQ(s.KolumnaKursora, 40);
}

TEST(okno_edytor_test, end_scrolls_a_text_lengthened_in_the_middle) {
    StanEdytora s;
    s.SzerokoscWidoku = 3;
    Wpisz(s, "AB");
    Klawisze(s, {Klawisz::Home});
    Wpisz(s, "CD"); // "CDAB": longer than the view, but the cursor never passed its edge
    ASSERT_FALSE(s.TrybPrzewijania);
    Klawisze(s, {Klawisz::End});
    EXPECT_EQ(s.PozycjaKursora, 4);
    EXPECT_EQ(s.KolumnaKursora, 3);
    EXPECT_EQ(s.PrzesuniecieWidoku, -1); // the last character in the last cell
}

TEST(okno_edytor_test, backspace_to_empty_lets_the_next_character_choose_again) {
    StanEdytora s;
    Wpisz(s, "A b");
    Klawisze(s, {Klawisz::Backspace, Klawisz::Backspace});
    EXPECT_EQ(s.IloscLiter, 1); // the "+" was not counted
    auto w = NacisnijKlawisz(s, Klawisz::Backspace, false);
    EXPECT_TRUE(w.WyczyscNotacje);
    EXPECT_TRUE(w.Przebuduj);
    EXPECT_EQ(s.Funkcja, "");
    EXPECT_EQ(s.IloscLiter, 0);

    w = NacisnijKlawisz(s, Klawisz::Backspace, false); // at position 0: nothing at all
    EXPECT_FALSE(w.Rysuj);
    EXPECT_FALSE(w.WyczyscNotacje);

    EXPECT_EQ(Wpisz(s, "3").Notacja, true);
    EXPECT_TRUE(s.TrybDziesietny);
}

TEST(okno_edytor_test, backspace_in_a_scrolled_view_and_the_scrolling_flag) {
    StanEdytora s;
    s.SzerokoscWidoku = 3;
    Wpisz(s, "AB CD"); // scrolled by two
    Klawisze(s, {Klawisz::Lewo, Klawisz::Lewo, Klawisz::Lewo});
    ASSERT_EQ(s.KolumnaKursora, 0);
    NacisnijKlawisz(s, Klawisz::Backspace, false); // deletes "B", hidden at the left
    EXPECT_EQ(s.Funkcja, "A+CD");
    EXPECT_EQ(s.PrzesuniecieWidoku, -1); // the hidden text comes back by one
    EXPECT_TRUE(s.TrybPrzewijania);      // the view was scrolled when the text shrank

    Klawisze(s, {Klawisz::Home, Klawisz::Prawo, Klawisz::Prawo, Klawisz::Prawo});
    NacisnijKlawisz(s, Klawisz::Backspace, false); // unscrolled, and now as long as the view
    EXPECT_EQ(s.Funkcja, "A+D");
    EXPECT_FALSE(s.TrybPrzewijania);
    Klawisze(s, {Klawisz::Backspace, Klawisz::End}); // End no longer pushes "AD" right
    EXPECT_EQ(s.PrzesuniecieWidoku, 0);
    EXPECT_EQ(s.KolumnaKursora, 2);
}

TEST(okno_edytor_test, hints_enter_and_the_status_line) {
    StanEdytora s;
    Wpisz(s, "A");
    EXPECT_EQ(NacisnijKlawisz(s, Klawisz::Ctrl, false).Komunikat, KomunikatCtrl);
    EXPECT_EQ(NacisnijKlawisz(s, Klawisz::CapsLock, false).Komunikat, KomunikatCapsLock);
    EXPECT_EQ(NacisnijKlawisz(s, Klawisz::Delete, false).Komunikat, ""); // cleared by any key

    auto w = NacisnijKlawisz(s, Klawisz::Enter, false);
    EXPECT_TRUE(w.Minimalizuj);
    EXPECT_TRUE(w.Przebuduj);
    EXPECT_EQ(s.Funkcja, "A");
    EXPECT_FALSE(NacisnijKlawisz(s, Klawisz::Prawo, false).Przebuduj); // arrows only redraw
}

TEST(okno_edytor_test, a_mouse_press_puts_the_cursor_on_the_nearest_boundary_in_the_text) {
    StanEdytora s;
    Wpisz(s, "ABCD");
    EXPECT_TRUE(UmiescKursor(s, 2 * 12 + 5, 12)); // left half of the third cell
    EXPECT_EQ(s.PozycjaKursora, 2);
    EXPECT_EQ(s.KolumnaKursora, 2);
    EXPECT_TRUE(UmiescKursor(s, 30, 12)); // 2.5 cells: halves go to the even boundary
    EXPECT_EQ(s.PozycjaKursora, 2);
    EXPECT_TRUE(UmiescKursor(s, 18, 12)); // 1.5 cells
    EXPECT_EQ(s.PozycjaKursora, 2);
    EXPECT_FALSE(UmiescKursor(s, 5 * 12, 12)); // right of the last character
    EXPECT_EQ(s.PozycjaKursora, 2);

    s.PrzesuniecieWidoku = -2; // two characters hidden at the left
    s.KolumnaKursora = 0;
    EXPECT_TRUE(UmiescKursor(s, 0, 12));
    EXPECT_EQ(s.PozycjaKursora, 2);
    EXPECT_FALSE(UmiescKursor(s, 3 * 12, 12)); // would be after a 5th character
}

TEST(okno_edytor_test, a_press_beyond_the_last_whole_cell_scrolls_the_view_to_the_cursor) {
    StanEdytora s;
    s.SzerokoscWidoku = 3;
    Wpisz(s, "ABCD");
    Klawisze(s, {Klawisz::Home});
    ASSERT_TRUE(UmiescKursor(s, 4 * 12, 12)); // boundary 4 lies beyond the 3-cell view
    EXPECT_EQ(s.PozycjaKursora, 4);
    EXPECT_EQ(s.KolumnaKursora, 3);
    EXPECT_EQ(s.PrzesuniecieWidoku, -1); // drawn where the next key inserts
}

// Backspace keeps the text well formed (both found by fuzzing the editor): a group deleted down
// to nothing takes its separator along, and a "+" between groups sharing a letter stays.
TEST(okno_edytor_test, backspace_never_leaves_two_separators_or_joins_groups_sharing_a_letter) {
    struct Przypadek {
        const char* klawisze;
        int wLewo; // cursor moved left from the end before Backspace
        const char* zostaje;
        int pozycja;
    };
    for (const auto& p : {Przypadek{"A B C", 2, "A+C", 1}, Przypadek{"1 2 3", 2, "1,3", 1},
                          Przypadek{"AB c DE", 3, "AB+DE", 2}, Przypadek{"A B", 2, "+B", 0},
                          Przypadek{"A B", 0, "A+", 2}, Przypadek{"AB cd", 2, "ABcd", 2},
                          Przypadek{"12 34", 2, "1234", 2}}) {
        StanEdytora s;
        Wpisz(s, p.klawisze);
        for (int i = 0; i < p.wLewo; ++i)
            Klawisze(s, {Klawisz::Lewo});
        const auto w = Klawisze(s, {Klawisz::Backspace});
        EXPECT_EQ(s.Funkcja, p.zostaje) << p.klawisze;
        EXPECT_EQ(s.PozycjaKursora, p.pozycja) << p.klawisze;
        EXPECT_EQ(s.KolumnaKursora, s.PozycjaKursora + s.PrzesuniecieWidoku);
        EXPECT_TRUE(w.Przebuduj);
        EXPECT_EQ(w.Komunikat, "");
    }
    StanEdytora s;
    Wpisz(s, "aBZ z");
    Klawisze(s, {Klawisz::Lewo});
    const auto w = Klawisze(s, {Klawisz::Backspace});
    EXPECT_EQ(w.Komunikat, KomunikatPowtorzenie);
    EXPECT_FALSE(w.Przebuduj);
    EXPECT_EQ(s.Funkcja, "aBZ+z");
    EXPECT_EQ(s.PozycjaKursora, 4);
    EXPECT_EQ(s.IloscLiter, 4);
}

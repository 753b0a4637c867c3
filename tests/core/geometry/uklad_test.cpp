// The main window's layout rules at the design size and across their thresholds.
#include "geometry/uklad.h"
#include "qm/kodowanie.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vyn;

namespace {
Uklad Dla(int w, int h, bool upDown = false, int wskaznik = 129) {
    WejscieUkladu we;
    we.Szerokosc = w;
    we.Wysokosc = h;
    we.UpDownWidoczny = upDown;
    we.SzerokoscWskaznika = wskaznik;
    return ObliczUklad(we);
}
} // namespace

// The window tests check the design size and the thresholds on the controls themselves;
// here what they do not reach: fields left alone and the values just past the thresholds.
TEST(okno_uklad_test, height_and_width_thresholds_and_what_they_leave_in_place) {
    const Uklad niskie = Dla(640, 300);
    EXPECT_FALSE(niskie.GroupBox1Visible);
    EXPECT_FALSE(niskie.GroupBox3Top.has_value()); // left where it was
    EXPECT_FALSE(niskie.GroupBox1Height.has_value());
    EXPECT_EQ(niskie.GroupBox3Height, 66);
    EXPECT_EQ(Dla(640, 301).GroupBox3Top, 80);
    EXPECT_EQ(Dla(640, 413).GroupBox3Top, 192);
    EXPECT_EQ(*Dla(640, 308).GroupBox1Height, 0); // shown from 301, but without room to 308
    EXPECT_EQ(*Dla(640, 309).GroupBox1Height, 1);
    EXPECT_EQ(Dla(640, 413).GroupBox1Height, 105);
    // A narrow window: the short Minimize caption and no encoding label.
    for (const auto& [w, etykieta, napis] :
         {std::tuple{400, false, "M"}, std::tuple{401, true, "Minimalizacja"}}) {
        EXPECT_EQ(Dla(w, 413).LabelKodowanieVisible, etykieta) << w;
        EXPECT_EQ(Dla(w, 413).IEButton1Caption, napis) << w;
    }
}

TEST(okno_uklad_test,
     the_stepper_takes_32_pixels_of_the_minimal_form_pane_and_halves_round_to_even) {
    const Uklad bez = Dla(640, 413, false);
    const Uklad z = Dla(640, 413, true);
    EXPECT_EQ(bez.PaintBox5Left, 15);
    EXPECT_EQ(z.PaintBox5Left, 47);
    EXPECT_EQ(bez.PaintBox5Width - z.PaintBox5Width, 32);
    EXPECT_EQ(bez.Bevel2Left, 12);
    EXPECT_EQ(z.Bevel2Left, 44);
    EXPECT_EQ(bez.LabelMinGrupLeft, 16);
    EXPECT_EQ(z.LabelMinGrupLeft, 48);
    EXPECT_EQ(z.LabelMinLiterLeft, 280 + 47); // 561 * 0.5 = 280.5 goes to the even 280
    EXPECT_EQ(bez.LabelMinLiterLeft, 296 + 15);
    EXPECT_EQ(Dla(641, 413).Label6Left, 244);   // 489 / 2 = 244.5
    EXPECT_EQ(Dla(643, 413).Label6Left, 246);   // 491 / 2 = 245.5
    EXPECT_EQ(SzerokoscWidokuDla(450, 12), 36); // 36.5
    EXPECT_EQ(SzerokoscWidokuDla(474, 12), 38); // 38.5
    EXPECT_EQ(SzerokoscWidokuDla(486, 12), 40); // 39.5
}

TEST(okno_uklad_test, the_indicator_follows_its_width_and_a_tiny_window_has_no_view) {
    const Uklad u = Dla(640, 413, false, SzerokoscWskaznika(4));
    EXPECT_EQ(u.SBznakiLeft + SzerokoscWskaznika(4), Bevel1Left + u.Bevel1Width);
    EXPECT_EQ(u.LabelKodowanieLeft, 640 - 42 - 170);
    const UkladWskaznika w = UlozWskaznik(640, 529, 10);
    EXPECT_EQ(w.SBznakiLeft, 527);
    EXPECT_EQ(w.LabelKodowanieLeft, 460);
    // A tiny window gives no negative view.
    EXPECT_LT(Dla(60, 40, true).PaintBox1Width, 0);
    EXPECT_EQ(Dla(60, 40, true).SzerokoscWidoku, 0);
    EXPECT_EQ(SzerokoscWidokuDla(100, 0), 0);
}

TEST(okno_uklad_test, a_narrower_view_keeps_the_cursor_in_the_text_and_scrolls) {
    StanEdytora s;
    s.Funkcja = std::string(45, 'A');
    s.PozycjaKursora = 45;
    s.KolumnaKursora = 40;
    s.PrzesuniecieWidoku = -5;
    ZmienSzerokoscWidoku(s, 30);
    EXPECT_EQ(s.PozycjaKursora, 45);
    EXPECT_EQ(s.KolumnaKursora, 30);
    EXPECT_EQ(s.PrzesuniecieWidoku, -15);
    EXPECT_FALSE(s.TrybPrzewijania);

    ZmienSzerokoscWidoku(s, 45); // as wide as the text: it fills the view, no flag yet
    EXPECT_FALSE(s.TrybPrzewijania);
    ZmienSzerokoscWidoku(s, 60); // wider: nothing to bring back; the short text sets the flag
    EXPECT_EQ(s.KolumnaKursora, 30);
    EXPECT_EQ(s.PrzesuniecieWidoku, -15);
    EXPECT_TRUE(s.TrybPrzewijania);

    // A column already cut back by a redraw is brought together with the text position.
    s.KolumnaKursora = 10;
    s.PrzesuniecieWidoku = -5;
    s.PozycjaKursora = 20;
    ZmienSzerokoscWidoku(s, 10);
    EXPECT_EQ(s.KolumnaKursora, 10);
    EXPECT_EQ(s.PrzesuniecieWidoku, -10);
}

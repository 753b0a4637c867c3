// The visible slice of a dragged result pane.
#include "geometry/wycinek.h"

#include <gtest/gtest.h>

#include <string>

using namespace vyn;

namespace {
// The characters a pane shows.
std::string Widac(const std::string& tekst, int szerokosc, long long przesuniecie, int w = 12) {
    const Wycinek s = WidocznyWycinek(tekst.size(), szerokosc, przesuniecie, w);
    return tekst.substr(s.Poczatek, s.Ilosc);
}
const std::string Alfabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
} // namespace

TEST(okno_wycinek_test, the_cell_count_rounds_half_to_even) {
    EXPECT_EQ(WidocznyWycinek(100, 593, 0, 12).Ilosc, 49u); // 49.42
    EXPECT_EQ(WidocznyWycinek(100, 594, 0, 12).Ilosc, 50u); // 49.5
    EXPECT_EQ(WidocznyWycinek(100, 606, 0, 12).Ilosc, 50u); // 50.5
    EXPECT_EQ(WidocznyWycinek(100, 5, 0, 12).Ilosc, 0u);    // less than half a cell
}

TEST(okno_wycinek_test, offsets_above_one_and_a_half_cells_show_the_start) {
    for (long long o : {0LL, 100LL, -12LL, -17LL})
        EXPECT_EQ(Widac(Alfabet, 48, o), "ABCD") << o;
    EXPECT_EQ(Widac(Alfabet, 48, -18), "BCDE"); // 1.5 cells: the even 2
    EXPECT_EQ(Widac(Alfabet, 48, -30), "BCDE"); // 2.5 cells: the even 2
    EXPECT_EQ(Widac(Alfabet, 48, -42), "DEFG"); // 3.5 cells: the even 4
    EXPECT_EQ(Widac(Alfabet, 48, -36), "CDEF"); // a drag of three whole cells
}

TEST(okno_wycinek_test, the_end_of_the_text_shortens_and_then_empties_the_slice) {
    EXPECT_EQ(Widac(Alfabet, 48, -25 * 12), "YZ");
    EXPECT_EQ(Widac(Alfabet, 48, -26 * 12), "Z");
    for (long long c : {27, 28, 40}) // past the last character: nothing, however far
        EXPECT_TRUE(WidocznyWycinek(26, 48, -c * 12, 12).Pusty()) << c;
    EXPECT_TRUE(WidocznyWycinek(0, 48, 0, 12).Pusty());
    EXPECT_TRUE(WidocznyWycinek(26, 0, 0, 12).Pusty());
    EXPECT_TRUE(WidocznyWycinek(26, 48, 0, 0).Pusty());
}

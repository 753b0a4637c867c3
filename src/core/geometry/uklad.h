// The main window's layout as arithmetic: from the window size to every place and size.
//
// W and H are the window's outer size in design pixels (640 x 413 at start). The layout is a
// function of W, H, whether the minimal-form stepper is shown, the width of the encoding
// indicator and the pane character width; the window applies the result to its controls.
// Sizes can come out zero or negative in a tiny window; the window shows such controls empty.
#pragma once

#include "text/edytor.h"

#include <optional>
#include <string>

namespace vyn {

struct WejscieUkladu {
    int Szerokosc = 640;
    int Wysokosc = 413;
    bool UpDownWidoczny = false;
    int SzerokoscWskaznika = 129; // SBznaki
    int SzerokoscZnaku = 12;
};

// Controls whose place never changes, as the layout needs them.
inline constexpr int Bevel1Left = 8;
inline constexpr int WysokoscPelna = 413;    // the full window
inline constexpr int WysokoscZwinieta = 230; // the compact window

struct Uklad {
    int Panel1Width = 0;
    int SBzoomLeft = 0, SBzoomTop = 0;
    int StatusBar1Width = 0, StatusBar1Top = 0;
    bool GroupBox1Visible = true;
    std::optional<int> GroupBox1Height; // left as it was when the group is hidden
    int GroupBox3Height = 0;
    std::optional<int> GroupBox3Top; // left as it was in a low window
    int GroupBox2Top = 0;
    int PaintBox1Width = 0;
    int Bevel1Width = 0;
    int IEButton1Left = 0, IEButton1Width = 0;
    std::string IEButton1Caption;
    bool LabelKodowanieVisible = true;
    int GroupBoxWidth = 0; // GroupBox1, GroupBox2 and GroupBox3
    int PaintBoxWidth = 0; // PaintBox2, PaintBox3 and PaintBox4
    int Label6Left = 0;
    int PaintBox5Left = 0, PaintBox5Width = 0;
    int Bevel2Left = 0, Bevel2Width = 0;
    int LabelMinGrupLeft = 0;
    int LabelMinLiterLeft = 0;
    int LabelKodowanieLeft = 0;
    int SBznakiLeft = 0;
    int SzerokoscWidoku = 0; // cells of the function pane's view
};

Uklad ObliczUklad(const WejscieUkladu& we);

// Cells of the function view for a pane width: width / W - 1 rounded half to even, never
// below 0 (a pane narrower than two cells shows no whole cell).
int SzerokoscWidokuDla(int szerokoscPanelu, int szerokoscZnaku);

// The encoding indicator and its label, placed for the indicator's width: the indicator's
// right edge meets Bevel1's, the label stands 170 pixels left of the indicator's width.
struct UkladWskaznika {
    int SBznakiLeft = 0;
    int LabelKodowanieLeft = 0;
};
UkladWskaznika UlozWskaznik(int szerokoscOkna, int bevel1Width, int szerokoscWskaznika);

// The editor's part of a resize: the new view width; a text shorter than the view turns on
// End's right-edge placement; a cursor column beyond the view is brought back.
void ZmienSzerokoscWidoku(StanEdytora& stan, int szerokoscWidoku);

} // namespace vyn

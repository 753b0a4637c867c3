// The main window's layout rules for a window size.
#include "geometry/uklad.h"

#include "zaokraglenie.h"

#include <algorithm>

namespace vyn {

namespace {
int Polowa(int x) {
    return static_cast<int>(ZaokraglijDoParzystej(x * 0.5));
}
} // namespace

int SzerokoscWidokuDla(int szerokoscPanelu, int szerokoscZnaku) {
    if (szerokoscZnaku <= 0)
        return 0;
    const double komorki = static_cast<double>(szerokoscPanelu) / szerokoscZnaku - 1.0;
    return static_cast<int>(std::max<long long>(0, ZaokraglijDoParzystej(komorki)));
}

UkladWskaznika UlozWskaznik(int szerokoscOkna, int bevel1Width, int szerokoscWskaznika) {
    UkladWskaznika u;
    u.SBznakiLeft = Bevel1Left + bevel1Width - szerokoscWskaznika;
    u.LabelKodowanieLeft = szerokoscOkna - szerokoscWskaznika - 170;
    return u;
}

Uklad ObliczUklad(const WejscieUkladu& we) {
    const int W = we.Szerokosc;
    const int H = we.Wysokosc;
    Uklad u;

    u.Panel1Width = W - 12;
    u.SBzoomLeft = W - 30;
    u.SBzoomTop = H - 64;
    u.StatusBar1Width = W - 35;
    u.StatusBar1Top = H - 66;

    u.GroupBox2Top = H - 149;
    if (H > 300) {
        u.GroupBox1Height = H - 308;
        u.GroupBox3Height = 65;
        u.GroupBox3Top = H - 221;
        u.GroupBox1Visible = true;
    } else {
        u.GroupBox3Height = H - 234;
        u.GroupBox1Visible = false;
    }

    if (W > 400) {
        u.PaintBox1Width = W - 152;
        u.Bevel1Width = W - 111;
        u.IEButton1Left = W - 96;
        u.IEButton1Width = 73;
        u.IEButton1Caption = "Minimalizacja";
        u.LabelKodowanieVisible = true;
    } else {
        u.LabelKodowanieVisible = false;
        u.PaintBox1Width = W - 102;
        u.Bevel1Width = W - 61;
        u.IEButton1Left = W - 46;
        u.IEButton1Width = 23;
        u.IEButton1Caption = "M";
    }

    u.GroupBoxWidth = W - 12;
    u.PaintBoxWidth = W - 47;
    u.Label6Left = Polowa(u.PaintBox1Width);

    if (we.UpDownWidoczny) {
        u.PaintBox5Width = W - 79;
        u.PaintBox5Left = 47;
        u.Bevel2Width = W - 70;
        u.Bevel2Left = 44;
        u.LabelMinGrupLeft = 48;
    } else {
        u.PaintBox5Width = W - 47;
        u.PaintBox5Left = 15;
        u.Bevel2Width = W - 38;
        u.Bevel2Left = 12;
        u.LabelMinGrupLeft = 16;
    }
    u.LabelMinLiterLeft = Polowa(u.PaintBox5Width) + u.PaintBox5Left;

    const UkladWskaznika wskaznik = UlozWskaznik(W, u.Bevel1Width, we.SzerokoscWskaznika);
    u.LabelKodowanieLeft = wskaznik.LabelKodowanieLeft;
    u.SBznakiLeft = wskaznik.SBznakiLeft;

    u.SzerokoscWidoku = SzerokoscWidokuDla(u.PaintBox1Width, we.SzerokoscZnaku);
    return u;
}

void ZmienSzerokoscWidoku(StanEdytora& stan, int szerokoscWidoku) {
    stan.SzerokoscWidoku = std::max(0, szerokoscWidoku);
    if (static_cast<int>(stan.Funkcja.size()) < stan.SzerokoscWidoku)
        stan.TrybPrzewijania = true;
    if (stan.KolumnaKursora > stan.SzerokoscWidoku ||
        stan.KolumnaKursora - stan.PrzesuniecieWidoku != stan.PozycjaKursora)
        ZsynchronizujKursor(stan);
}

} // namespace vyn

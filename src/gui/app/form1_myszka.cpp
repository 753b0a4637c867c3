// The mouse over the panes: cursor placement, drag-scrolling and the popup menu.
#include "app/form1.h"

#include "display/panel.h"

#include <QMenu>

#include <limits>

namespace vyn::gui {

namespace {

// The drag state of one result pane.
struct Przeciagany {
    long long& Przesuniecie;
    bool& Flaga;
    void (TForm1::*Rysuj)();
};

long long Dodaj(long long a, long long b) {
    // The offset has no bounds, but it must not overflow under a very long drag.
    constexpr long long granica = std::numeric_limits<int>::max();
    return std::clamp(a + b, -granica, granica);
}

} // namespace

void TForm1::PolaczPanele() {
    connect(PaintBox1, &TPaintBox::Nacisnieto, this,
            [this](Qt::MouseButton, int x, int) { PaintBox1MouseDown(x); });

    TPaintBox* panele[] = {PaintBox2, PaintBox3, PaintBox4, PaintBox5};
    for (int nr = 0; nr < 4; ++nr) {
        TPaintBox* p = panele[nr];
        connect(p, &TPaintBox::Nacisnieto, this,
                [this, nr](Qt::MouseButton b, int x, int) { MyszNacisnieta(nr, x, b); });
        connect(p, &TPaintBox::Przesunieto, this,
                [this, nr](int x, int) { MyszPrzesunieta(nr, x); });
        connect(p, &TPaintBox::Zwolniono, this,
                [this, nr](Qt::MouseButton, int, int) { MyszZwolniona(nr); });
    }

    // The popup menu of the panes; the prime implicant pane has none.
    for (TPaintBox* p : {PaintBox1, PaintBox2, PaintBox3, PaintBox5}) {
        p->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(p, &TPaintBox::customContextMenuRequested, this,
                [this, p](const QPoint& gdzie) { PokazMenuPanelu(p, gdzie); });
    }
}

void TForm1::PokazMenuPanelu(TPaintBox* panel, const QPoint& gdzie) {
    PanelMenu = panel;
    PopupMenu1->popup(panel->mapToGlobal(gdzie));
}

// The right button opens the popup menu of the panes that have one and starts no drag
// there: the menu takes the button's release, which would leave the drag running.
void TForm1::MyszNacisnieta(int panel, int x, Qt::MouseButton przycisk) {
    if (przycisk == Qt::RightButton && panel != 2)
        return;
    OstatnieX = x;
    bool* flagi[] = {&PrzeciaganieLiterowej, &PrzeciaganieDziesietnej, &PrzeciaganieImplikantow,
                     &PrzeciaganieMinimalnej};
    *flagi[panel] = true;
}

void TForm1::MyszPrzesunieta(int panel, int x) {
    Przeciagany panele[] = {
        {PrzesuniecieLiterowej, PrzeciaganieLiterowej, &TForm1::RysujKanonicznaLiterowa},
        {PrzesuniecieDziesietnej, PrzeciaganieDziesietnej, &TForm1::RysujKanonicznaDziesietna},
        {PrzesuniecieImplikantow, PrzeciaganieImplikantow, &TForm1::RysujImplikanty},
        {PrzesuniecieMinimalnej, PrzeciaganieMinimalnej, &TForm1::RysujMinimalna}};
    Przeciagany& p = panele[panel];
    if (!p.Flaga)
        return;
    p.Przesuniecie = Dodaj(p.Przesuniecie, x - OstatnieX);
    (this->*p.Rysuj)();
    OstatnieX = x;
}

void TForm1::MyszZwolniona(int panel) {
    bool* flagi[] = {&PrzeciaganieLiterowej, &PrzeciaganieDziesietnej, &PrzeciaganieImplikantow,
                     &PrzeciaganieMinimalnej};
    *flagi[panel] = false;
}

} // namespace vyn::gui

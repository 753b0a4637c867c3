// The main window's layout, the zoom switch, activation and the results of a run.
#include "app/form1.h"

#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "display/panel.h"
#include "display/updown.h"
#include "geometry/uklad.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace vyn::gui {

namespace {

// Sizes that come out negative in a tiny window leave the control empty.
void Szerokosc(QWidget* w, int szerokosc) {
    w->resize(std::max(0, szerokosc), w->height());
}
void Wysokosc(QWidget* w, int wysokosc) {
    w->resize(w->width(), std::max(0, wysokosc));
}
void Lewa(QWidget* w, int x) {
    w->move(x, w->y());
}
void Gora(QWidget* w, int y) {
    w->move(w->x(), y);
}

} // namespace

QSize TForm1::RozmiarOkna() const {
    const int menu = menuBar()->isHidden() ? 0 : menuBar()->sizeHint().height();
    return {width() + RamkaPozioma, height() - menu + RamkaPionowa};
}

void TForm1::UstawRozmiarOkna(int szerokosc, int wysokosc) {
    const int menu = menuBar()->isHidden() ? 0 : menuBar()->sizeHint().height();
    resize(std::max(0, szerokosc - RamkaPozioma), std::max(0, wysokosc - RamkaPionowa) + menu);
    // A hidden window gets its resize event only when shown; the layout must not wait.
    if (!isVisible())
        FormResize();
}

void TForm1::resizeEvent(QResizeEvent* zdarzenie) {
    QMainWindow::resizeEvent(zdarzenie);
    FormResize();
}

void TForm1::FormResize() {
    const QSize rozmiar = RozmiarOkna();
    vyn::WejscieUkladu we;
    we.Szerokosc = rozmiar.width();
    we.Wysokosc = rozmiar.height();
    we.UpDownWidoczny = !UpDown1->isHidden();
    we.SzerokoscWskaznika = SBznaki->width();
    we.SzerokoscZnaku = SzerokoscZnaku;
    const vyn::Uklad u = vyn::ObliczUklad(we);

    Szerokosc(Panel1, u.Panel1Width);
    SBzoom->move(u.SBzoomLeft, u.SBzoomTop);
    Szerokosc(StatusBar1, u.StatusBar1Width);
    Gora(StatusBar1, u.StatusBar1Top);

    if (u.GroupBox1Height)
        Wysokosc(GroupBox1, *u.GroupBox1Height);
    Wysokosc(GroupBox3, u.GroupBox3Height);
    if (u.GroupBox3Top)
        Gora(GroupBox3, *u.GroupBox3Top);
    Gora(GroupBox2, u.GroupBox2Top);
    GroupBox1->setVisible(u.GroupBox1Visible);

    Szerokosc(PaintBox1, u.PaintBox1Width);
    Szerokosc(Bevel1, u.Bevel1Width);
    Lewa(IEButton1, u.IEButton1Left);
    Szerokosc(IEButton1, u.IEButton1Width);
    IEButton1->setText(QString::fromStdString(u.IEButton1Caption));
    kodowanieWidoczne_ = u.LabelKodowanieVisible;

    for (QWidget* g : {static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(GroupBox2),
                       static_cast<QWidget*>(GroupBox3)})
        Szerokosc(g, u.GroupBoxWidth);
    for (TPaintBox* p : {PaintBox2, PaintBox3, PaintBox4})
        Szerokosc(p, u.PaintBoxWidth);
    label6Lewa_ = u.Label6Left;

    Szerokosc(PaintBox5, u.PaintBox5Width);
    Lewa(PaintBox5, u.PaintBox5Left);
    Szerokosc(Bevel2, u.Bevel2Width);
    Lewa(Bevel2, u.Bevel2Left);
    Lewa(LabelMinGrup, u.LabelMinGrupLeft);
    Lewa(LabelMinLiter, u.LabelMinLiterLeft);

    Lewa(LabelKodowanie, u.LabelKodowanieLeft);
    Lewa(SBznaki, u.SBznakiLeft);

    vyn::ZmienSzerokoscWidoku(Edytor, u.SzerokoscWidoku);

    RysujFunkcje();
    RysujKanonicznaLiterowa();
    RysujKanonicznaDziesietna();
    update();
}

void TForm1::SBzoomClick() {
    const bool zwiniete = SBzoom->isChecked();
    GroupBox1->setVisible(!zwiniete);
    GroupBox3->setVisible(!zwiniete);
    UstawRozmiarOkna(RozmiarOkna().width(), zwiniete ? vyn::WysokoscZwinieta : vyn::WysokoscPelna);
}

void TForm1::FormActivate() {
    PobierzMetryki();
    UstalKodowanie();
    RysujFunkcje();
    RysujKanonicznaLiterowa();
    RysujKanonicznaDziesietna();
}

QString TForm1::Postac(int n) const {
    if (n < 1 || n > IloscMinimalnych || static_cast<std::size_t>(n) > PostacieMinimalne.size())
        return {};
    return QString::fromStdString(PostacieMinimalne[static_cast<std::size_t>(n - 1)]);
}

void TForm1::UpDown1Changing(int pozycja) {
    if (pozycja < 1 || pozycja > IloscMinimalnych)
        return;
    // Only the form on show is put together; the others stay in the run's compact list.
    PostacMinimalna = Postac(pozycja);
    GroupBox2->setTitle(
        QStringLiteral("Postać minimalna %1 z %2").arg(pozycja).arg(IloscMinimalnych));
    RysujMinimalna();
}

void TForm1::PokazWyniki(vyn::WynikMinimalizacji wynik) {
    KanonicznaLiterowa = QString::fromStdString(wynik.KanonicznaLiterowa);
    KanonicznaDziesietna = QString::fromStdString(wynik.KanonicznaDziesietna);
    ObojetneLiterowo = QString::fromStdString(wynik.ObojetneLiterowo);
    ObojetneDziesietnie = QString::fromStdString(wynik.ObojetneDziesietnie);
    ProsteImplikanty = QString::fromStdString(wynik.ProsteImplikanty);
    ImplikantyIstotne = QString::fromStdString(wynik.ImplikantyIstotne);
    PostacieMinimalne = std::move(wynik.PostacieMinimalne);
    IloscMinimalnych = static_cast<int>(PostacieMinimalne.size());
    PostacMinimalna = Postac(1);
    PrzesuniecieLiterowej = 0;

    if (IloscMinimalnych == 0) {
        GroupBox2->setTitle(QStringLiteral("Postać minimalna 0 z 0"));
        PokazZeroweLiczniki();
    } else if (IloscMinimalnych == 1) {
        GroupBox2->setTitle(QStringLiteral("Postać minimalna jedyna"));
    } else {
        GroupBox2->setTitle(QStringLiteral("Postać minimalna 1 z %1").arg(IloscMinimalnych));
    }
    UpDown1->UstawZakres(1, std::max(1, IloscMinimalnych));
    UpDown1->UstawPozycje(1);
    UpDown1->setVisible(IloscMinimalnych >= 2);

    RysujKanonicznaLiterowa();
    RysujKanonicznaDziesietna();
    RysujImplikanty();
    RysujMinimalna();
    FormResize();
}

void TForm1::WyczyscWyniki() {
    PokazWyniki({});
    CzasMinimalizacji = QTime(0, 0, 0);
}

void TForm1::PokazZeroweLiczniki() {
    // No form to count: the labels must not go on describing an earlier one.
    opisanaPostac_.clear();
    for (auto [l, tekst] : {std::pair{LabelMinGrup, QStringLiteral("Ilość grup : 0")},
                            std::pair{LabelMinLiter, QStringLiteral("Ilość liter : 0")}}) {
        l->setText(tekst);
        l->adjustSize();
        l->show();
    }
}

} // namespace vyn::gui

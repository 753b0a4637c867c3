// The main window's side of the formula editor, the notation, New and the encoding.
#include "app/form1.h"

#include "app/aplikacja.h"
#include "controls/transbtn.h"
#include "display/panel.h"
#include "geometry/uklad.h"
#include "input/formkod.h"
#include "input/klawisze.h"
#include "qm/kodowanie.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

namespace vyn::gui {

bool TForm1::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::WindowActivate)
        FormActivate();
    // Tab belongs to the editor like any other key, not to focus changes.
    if (zdarzenie->type() == QEvent::KeyPress) {
        auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        if (klawisz->key() == Qt::Key_Tab || klawisz->key() == Qt::Key_Backtab) {
            keyPressEvent(klawisz);
            return true;
        }
    }
    return QMainWindow::event(zdarzenie);
}

void TForm1::keyPressEvent(QKeyEvent* zdarzenie) {
    FormKeyDown(KodWirtualny(zdarzenie->key(), zdarzenie->modifiers()),
                zdarzenie->modifiers().testFlag(Qt::ShiftModifier));
}

void TForm1::FormKeyDown(int kod, bool shift) {
    // The function stays as the run took it until the run ends.
    if (przebiegTrwa_)
        return;
    const vyn::WynikKlawisza w = vyn::NacisnijKlawisz(Edytor, kod, shift);
    UstawKomunikat(QString::fromStdString(w.Komunikat));
    if (w.Notacja)
        UstawNotacje(*w.Notacja);
    if (w.WyczyscNotacje)
        LabelSigma->clear();
    if (w.Minimalizuj)
        SpeedButton3Click();
    if (w.Przebuduj)
        UstalKodowanie();
    if (w.Rysuj)
        RysujFunkcje();
}

void TForm1::PaintBox1MouseDown(int x) {
    if (vyn::UmiescKursor(Edytor, x, SzerokoscZnaku))
        RysujFunkcje();
}

void TForm1::UstawNotacje(bool dziesietny) {
    Edytor.TrybDziesietny = dziesietny;
    Label6->setVisible(!dziesietny);
    RozsunEtykiety();
    // A real capital sigma: no font maps "S" to it on every system.
    LabelSigma->setText(dziesietny ? QStringLiteral("Σ=") : QStringLiteral("F="));
    UlozSigme();
}

void TForm1::UlozSigme() {
    // The pane's font at the pane's top, so "F=" and "Σ=" stand on the function's baseline.
    LabelSigma->setFont(CzcionkaKomorki(NazwaCzcionki, RozmiarCzcionki));
    LabelSigma->adjustSize();
    LabelSigma->move(LabelSigma->x(), PaintBox1->y());
}

void TForm1::Nowa1Click() {
    Edytor.Funkcja.clear();
    Edytor.PrzesuniecieWidoku = 0;
    Edytor.PozycjaKursora = 0;
    Edytor.KolumnaKursora = 0;
    Edytor.IloscLiter = 0;

    UstalKodowanie();
    LabelSigma->clear();
    RysujFunkcje();
    setWindowTitle(TytulAplikacji);
    UstawTytulAplikacji(TytulAplikacji);
    // The results belong to the function that is gone, the report's sections too.
    WyczyscWyniki();
}

void TForm1::UstalKodowanie() {
    const vyn::TrybKodowania tryb = FormKod->Tryb();
    const vyn::WynikKodowania w = vyn::UstalKodowanie(tryb, Edytor.Funkcja, Edytor.TrybDziesietny,
                                                      FormKod->TekstUzytkownika().toStdString());
    // A decimal text with a stray character (only a file can bring one) cannot be encoded;
    // the status line says why, without a box on every activation of the window.
    if (w.Blad)
        UstawKomunikat(QString::fromStdString(*w.Blad));
    Kodowanie = QString::fromStdString(w.Kodowanie);
    // In the user's order the indicator shows the letters last confirmed in the dialog.
    if (tryb == vyn::TrybKodowania::Uzytkownika)
        return;
    const int szerokosc = vyn::SzerokoscWskaznika(static_cast<int>(Kodowanie.size()));
    const vyn::UkladWskaznika u =
        vyn::UlozWskaznik(RozmiarOkna().width(), Bevel1->width(), szerokosc);
    SBznaki->setText(Kodowanie);
    SBznaki->setGeometry(u.SBznakiLeft, SBznaki->y(), szerokosc, SBznaki->height());
    LabelKodowanie->move(u.LabelKodowanieLeft, LabelKodowanie->y());
    RozsunEtykiety();
}

void TForm1::SBznakiClick() {
    OtworzKodowanie();
}

void TForm1::Kodowanie1Click() {
    OtworzKodowanie();
}

void TForm1::OtworzKodowanie() {
    FormKod->exec();
    // The window is active again: the encoding follows the mode chosen.
    FormActivate();
}

} // namespace vyn::gui

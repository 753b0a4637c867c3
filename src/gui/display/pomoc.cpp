// Help mode and the wiring of the main window's help menu and clipboard copy.
#include "display/pomoc.h"

#include "app/form1.h"
#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "display/formabout.h"
#include "display/panel.h"
#include "display/schowek.h"
#include "display/updown.h"
#include "report/podglad_raportu.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QToolButton>
#include <QToolTip>

namespace vyn::gui {

std::vector<Podpowiedz> Podpowiedzi() {
    return {
        {"IEButton1", QStringLiteral("Przycisk rozpoczynający\nproces minimalizacji")},
        {"SBznaki", QStringLiteral("Wciśnij lewy klawisz myszy\naby zmienić sposób kodowania")},
        {"Label6", QStringLiteral("Ilość liter\nfunkcji przed minimalizacją")},
        {"Label5", QStringLiteral("Ilość grup\nfunkcji przed minimalizacją")},
        {"PaintBox2", QStringLiteral("Funkcja w literowej postaci kanonicznej")},
        {"PaintBox3", QStringLiteral("Funkcja w dziesiętnej postaci kanonicznej")},
        {"PaintBox4", QStringLiteral("Proste implikanty funkcji")},
        {"PaintBox5", QStringLiteral("Postać minimalna funkcji,\njedna lub wiele")},
        {"UpDown1", QStringLiteral("Przełącznik kolejnych\npostaci minimalnych")},
        {"LabelMinLiter", QStringLiteral("Ilość liter\nfunkcji minimalnej")},
        {"LabelMinGrup", QStringLiteral("Ilość grup\nfunkcji minimalnej")},
        {"SBzoom", QStringLiteral("Przełącznik wielkości\nokna programu")},
        // Not one of the window's first twelve hints: how to type, don't-cares included.
        {"PaintBox1", QStringLiteral("Funkcja: grupy liter (Spacja to +, Shift to negacja)\n"
                                     "lub liczby; po średniku ; stany obojętne")},
    };
}

TTrybPomocy::TTrybPomocy(TForm1& okno) : QObject(&okno), okno_(okno) {
    setObjectName(QStringLiteral("TrybPomocy"));
    QWidget* const wszystkie[] = {
        okno.IEButton1,    okno.SBznaki,   okno.Label6,    okno.Label5,  okno.PaintBox2,
        okno.PaintBox3,    okno.PaintBox4, okno.PaintBox5, okno.UpDown1, okno.LabelMinLiter,
        okno.LabelMinGrup, okno.SBzoom,    okno.PaintBox1};
    const auto teksty = Podpowiedzi();
    for (std::size_t i = 0; i < teksty.size(); ++i) {
        kontrolki_.emplace_back(wszystkie[i], teksty[i].Tekst);
        wszystkie[i]->installEventFilter(this);
    }

    QPalette paleta = QToolTip::palette();
    paleta.setColor(QPalette::ToolTipBase, QColor(255, 255, 0));
    paleta.setColor(QPalette::ToolTipText, QColor(0, 0, 0));
    QToolTip::setPalette(paleta);

    pauza_.setSingleShot(true);
    pauza_.setInterval(PauzaMs);
    connect(&pauza_, &QTimer::timeout, this, &TTrybPomocy::Pokaz);
}

TTrybPomocy::~TTrybPomocy() {
    if (wlaczony_)
        QGuiApplication::restoreOverrideCursor();
}

void TTrybPomocy::Przelacz() {
    // The menu item is checkable, so a click has already moved its mark; a direct call has
    // not. The mode's own flag decides and the mark follows it.
    wlaczony_ = !wlaczony_;
    okno_.Tematypomocy1->setChecked(wlaczony_);
    if (wlaczony_)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WhatsThisCursor));
    else
        QGuiApplication::restoreOverrideCursor();
    for (const auto& [kontrolka, tekst] : kontrolki_)
        kontrolka->setToolTip(wlaczony_ ? tekst : QString());
    if (!wlaczony_) {
        pauza_.stop();
        nad_ = nullptr;
        QToolTip::hideText();
    }
}

bool TTrybPomocy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (!wlaczony_)
        return false;
    auto* kontrolka = static_cast<QWidget*>(obiekt);
    switch (zdarzenie->type()) {
    case QEvent::Enter:
        nad_ = kontrolka;
        gdzie_ = static_cast<QEnterEvent*>(zdarzenie)->globalPosition().toPoint();
        pauza_.start();
        break;
    case QEvent::MouseMove:
        gdzie_ = static_cast<QMouseEvent*>(zdarzenie)->globalPosition().toPoint();
        break;
    case QEvent::Leave:
        if (nad_ == kontrolka) {
            pauza_.stop();
            nad_ = nullptr;
            QToolTip::hideText();
        }
        break;
    case QEvent::MouseButtonPress:
        // A click is work, not a question: no hint comes up after it.
        pauza_.stop();
        QToolTip::hideText();
        break;
    case QEvent::ToolTip:
        return true; // shown by Pokaz, after our pause and for our time
    default:
        break;
    }
    return false;
}

void TTrybPomocy::Pokaz() {
    if (!wlaczony_ || !nad_ || !nad_->isVisible())
        return;
    QToolTip::showText(gdzie_, nad_->toolTip(), nad_, nad_->rect(), WyswietlanieMs);
    emit PokazanoPodpowiedz(nad_);
}

void PodlaczPomoc(TForm1& okno, TFormRaportPodglad& podglad, TFormAbout& about) {
    auto* tryb = new TTrybPomocy(okno);
    okno.Haki.Tematypomocy1Click = [tryb] { tryb->Przelacz(); };
    okno.Haki.Wskazwki1Click = [&podglad] { podglad.PokazWskazowki(); };
    okno.Haki.Oprogramie1Click = [&about] { about.Pokaz(); };
    okno.Haki.Kopiujdoschowka1Click = [&okno] { Kopiujdoschowka(okno); };
}

} // namespace vyn::gui

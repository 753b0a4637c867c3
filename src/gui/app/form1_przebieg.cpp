// The main window during a minimisation run: what it holds off, what it shows as the stages
// report, and the result at the end.
#include "app/form1.h"

#include "controls/iebutton.h"
#include "controls/transbtn.h"

#include <QAction>
#include <QGuiApplication>

namespace vyn::gui {

namespace {
const QString KomunikatPrzerwania =
    QStringLiteral("Minimalizację przerwano – wynik może nie być minimalny");
const QString KomunikatPrzerwaniaBezPostaci =
    QStringLiteral("Minimalizację przerwano przed znalezieniem postaci minimalnej");
const QString KomunikatKonczenia = QStringLiteral("Przerywanie minimalizacji – proszę czekać ...");
} // namespace

QString UwagaPrzerwania(const vyn::WynikMinimalizacji& wynik, bool niepelne) {
    if (niepelne)
        return KomunikatPrzerwaniaBezPostaci;
    // Without a cost the search told nothing about how good the form is.
    if (wynik.KosztPostaci <= 0)
        return KomunikatPrzerwania;
    if (wynik.MinimalnaDowiedziona || wynik.DowiedzionaGranica >= wynik.KosztPostaci)
        return QStringLiteral("Minimalizację przerwano – postać minimalna (koszt %1), lista "
                              "postaci może być niepełna")
            .arg(wynik.KosztPostaci);
    return QStringLiteral("Minimalizację przerwano – koszt postaci %1, dolna "
                          "granica %2 (najwyżej o %3 od minimum)")
        .arg(wynik.KosztPostaci)
        .arg(wynik.DowiedzionaGranica)
        .arg(wynik.KosztPostaci - wynik.DowiedzionaGranica);
}

void TForm1::UstawPrzebieg(bool trwa) {
    przebiegTrwa_ = trwa;
    if (!trwa && kursorZajety_) {
        kursorZajety_ = false;
        QGuiApplication::restoreOverrideCursor();
    }
    // Whatever would change the function or start another run waits for the end; dragging,
    // resizing, the zoom switch, the font, the report and help stay at hand.
    for (QAction* a : {Nowa1, Otwrz1, Zapiszjako1, ImportujPla, EksportujPostac, Kodowanie1,
                       Minimalizacja1, Pojemnosc})
        a->setEnabled(!trwa);
    IEButton1->setEnabled(!trwa);
    SBznaki->setEnabled(!trwa);
}

void TForm1::RozpocznijPrzebieg() {
    WyczyscWyniki();
    // The new texts are read from their start: an offset left from a longer text of the last
    // run could leave a pane empty.
    PrzesuniecieLiterowej = 0;
    PrzesuniecieDziesietnej = 0;
    PrzesuniecieImplikantow = 0;
    PrzesuniecieMinimalnej = 0;
    UstawKomunikat({});
    UstawPrzebieg(true);
}

void TForm1::PokazKanoniczna(const QString& literowa, const QString& dziesietna) {
    KanonicznaLiterowa = literowa;
    KanonicznaDziesietna = dziesietna;
    RysujKanonicznaLiterowa();
    RysujKanonicznaDziesietna();
}

void TForm1::PokazObojetne(const QString& literowa, const QString& dziesietna) {
    ObojetneLiterowo = literowa;
    ObojetneDziesietnie = dziesietna;
    RysujKanonicznaLiterowa();
    RysujKanonicznaDziesietna();
}

void TForm1::PokazImplikanty(const QString& proste) {
    ProsteImplikanty = proste;
    RysujImplikanty();
}

void TForm1::ZakonczPrzebieg(vyn::WynikMinimalizacji wynik, bool niepelne) {
    // A stop before the first cover leaves only the essential part (or "1"), which is not the
    // function: showing it as its minimal form would mislead.
    if (niepelne)
        wynik.PostacieMinimalne.Wyczysc();
    const bool przerwano = wynik.Przerwano;
    const bool obcieto = wynik.Obcieto;
    const QString komunikat = QString::fromStdString(wynik.Komunikat);
    const vyn::StanPrzebiegu stan = wynik.Stan;
    const QString uwagaPrzerwania = UwagaPrzerwania(wynik, niepelne);
    PokazWyniki(std::move(wynik));

    QStringList uwagi;
    if (stan != vyn::StanPrzebiegu::Zakonczony)
        uwagi << komunikat;
    else if (przerwano)
        uwagi << uwagaPrzerwania;
    if (obcieto && IloscMinimalnych > 0) {
        const QString uwaga =
            QStringLiteral("zachowano pierwsze %1 postaci minimalnych, jest ich więcej")
                .arg(IloscMinimalnych);
        uwagi << (uwagi.isEmpty() ? uwaga.at(0).toUpper() + uwaga.mid(1) : uwaga);
    }
    UstawKomunikat(uwagi.join(QStringLiteral("; ")));
    UstawPrzebieg(false);
}

void TForm1::PokazKonczenie() {
    // The dialog is gone but the run still has to return: the window must not look idle.
    if (!przebiegTrwa_ || kursorZajety_)
        return;
    kursorZajety_ = true;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    UstawKomunikat(KomunikatKonczenia);
}

} // namespace vyn::gui

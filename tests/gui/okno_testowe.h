// Helpers of the GUI tests: a program with its main window shown, a function put in place, keys
// typed, runs started and read, and the message boxes answered.
#pragma once

#include "app/form1.h"
#include "app/program.h"
#include "controls/iebutton.h"
#include "display/panel.h"
#include "display/updown.h"
#include "engine/przebieg_w_tle.h"
#include "qm/kodowanie.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace testy {

// 192 random minterms of 8 variables: its cyclic core takes the search most of a minute,
// while a first cover is known within a second.
inline constexpr const char* FunkcjaDluga =
    "216,79,75,139,157,140,251,14,135,32,194,20,61,164,212,161,66,207,64,142,43,78,252,222,160,24"
    "3,51,112,188,244,67,19,2,89,69,55,165,103,108,249,215,176,195,21,33,229,221,145,162,13,214,1"
    "13,85,163,83,8,35,97,95,132,38,92,22,98,0,182,246,124,127,72,16,217,171,68,63,10,209,213,122"
    ",70,60,190,117,219,202,137,231,192,136,48,218,59,167,123,93,178,198,187,106,153,220,224,166,"
    "47,241,151,41,45,206,116,191,141,181,179,228,82,57,129,118,25,77,96,11,232,36,238,30,223,120"
    ",147,9,154,104,86,84,205,203,146,237,185,31,155,240,174,200,148,15,39,150,227,211,110,34,54,"
    "52,204,149,119,109,26,114,111,91,169,65,254,201,4,234,180,199,208,53,138,94,46,197,115,184,6"
    "2,255,88,250,186,248,125,29,50,74,170,105,81";

// 64 random minterms of 7 variables: a short search that records dozens of forms.
inline constexpr const char* FunkcjaWieluPostaci =
    "2,4,5,8,10,12,13,17,20,21,24,25,26,27,30,32,34,36,37,41,42,43,44,47,48,49,51,54,55,62,63,"
    "64,65,68,70,72,73,75,78,79,81,85,86,87,88,90,91,99,100,101,103,105,108,111,112,113,115,116,"
    "117,118,121,122,125,127";

inline std::unique_ptr<vyn::gui::Program> NowyProgram() {
    auto p = std::make_unique<vyn::gui::Program>();
    p->Form1()->show();
    p->Form1()->activateWindow();
    return p;
}

// Types keys into a window: capitals are letter keys, small letters the same keys with Shift,
// " " the space bar, digits the main keyboard's digits.
inline void Wpisz(QWidget* okno, const QString& klawisze) {
    for (QChar c : klawisze) {
        if (c == u' ')
            QTest::keyClick(okno, Qt::Key_Space);
        else if (c.isLower())
            QTest::keyClick(okno, static_cast<Qt::Key>(c.toUpper().unicode()), Qt::ShiftModifier);
        else
            QTest::keyClick(okno, static_cast<Qt::Key>(c.unicode()));
    }
}

// The function as a file or the editor leaves it.
inline void UstawFunkcje(vyn::gui::TForm1* f, const std::string& tekst, bool dziesietna) {
    f->Edytor.Funkcja = tekst;
    f->Edytor.IloscLiter = vyn::IloscZnakow(tekst);
    f->UstawNotacje(dziesietna);
    f->UstalKodowanie();
    f->RysujFunkcje();
}

// The task as the main window builds it, with the letters in ascending order.
inline vyn::ZadanieMinimalizacji Zadanie(const std::string& funkcja, bool dziesietna) {
    return {funkcja, dziesietna,
            vyn::UstalKodowanie(vyn::TrybKodowania::Rosnaco, funkcja, dziesietna, "").Kodowanie};
}

inline vyn::WynikMinimalizacji Wynik(const QSignalSpy& zakonczono) {
    return zakonczono.last().at(0).value<vyn::WynikMinimalizacji>();
}

// Each form is exactly the function of the task, over the letters `kodowanie`.
inline void PostacToFunkcja(const vyn::ZadanieMinimalizacji& z, const std::string& kodowanie,
                            const std::string& postac) {
    const auto mintermy = vyn::MintermyFunkcji(z.Funkcja, z.TrybDziesietny, kodowanie);
    const auto blad = vyn::SprawdzPostac(postac, kodowanie, mintermy);
    QVERIFY2(!blad, (postac + ": " + blad.value_or("")).c_str());
}
inline void SprawdzPostacie(const vyn::ZadanieMinimalizacji& z, const vyn::WynikMinimalizacji& w) {
    for (const auto& postac : w.PostacieMinimalne)
        PostacToFunkcja(z, w.Kodowanie, postac);
}
inline void FormyToFunkcja(vyn::gui::TForm1* f, const vyn::ZadanieMinimalizacji& z) {
    QVERIFY(f->IloscMinimalnych >= 1);
    for (int n = 1; n <= f->IloscMinimalnych; ++n)
        PostacToFunkcja(z, f->Kodowanie.toStdString(), f->Postac(n).toStdString());
}

// Starts a run with the Minimize button and waits until the program reports its end.
inline void Minimalizuj(vyn::gui::Program* p, int limitMs = 20000) {
    QSignalSpy koniec(p, &vyn::gui::Program::PrzebiegZakonczony);
    QTest::mouseClick(p->Form1()->IEButton1, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, limitMs);
}

// The window shows no form at all.
inline void BezPostaci(vyn::gui::TForm1* f) {
    QCOMPARE(f->IloscMinimalnych, 0);
    QCOMPARE(f->PostacMinimalna, QString());
    QCOMPARE(f->PaintBox5->zawartosc().Tekst, QString());
    QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 0 z 0"));
    QVERIFY(!f->UpDown1->isVisibleTo(f));
}

// Reads and closes every message box as it appears, as the user would with OK.
class ZamykaczKomunikatow : public QObject {
  public:
    QStringList Teksty; // in the order shown
    ZamykaczKomunikatow() {
        connect(&zegar_, &QTimer::timeout, this, [this] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Teksty << m->text();
                m->accept();
            }
        });
        zegar_.start(5);
    }

  private:
    QTimer zegar_;
};

} // namespace testy

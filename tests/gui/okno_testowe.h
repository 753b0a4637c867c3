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

#include <cstdint>
#include <memory>
#include <string>

namespace testy {

// 768 of the 1024 minterms of 10 variables, a seeded random choice: its cyclic core keeps the
// search busy for minutes, while a first cover is known at once.
inline std::string LosowaDluga() {
    std::string t;
    std::uint32_t x = 2026;
    for (int m = 0; m < 1024; ++m) {
        x = x * 1664525u + 1013904223u; // a fixed generator: the same function everywhere
        if ((x >> 16) % 4 != 0)
            t += (t.empty() ? "" : ",") + std::to_string(m);
    }
    return t;
}
inline const std::string FunkcjaDlugaTekst = LosowaDluga();
inline const char* const FunkcjaDluga = FunkcjaDlugaTekst.c_str();

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

// Each form on show is exactly the function of the task.
inline void FormyToFunkcja(vyn::gui::TForm1* f, const vyn::ZadanieMinimalizacji& z) {
    QVERIFY(f->IloscMinimalnych >= 1);
    const std::string k = f->Kodowanie.toStdString();
    const auto mintermy = vyn::MintermyFunkcji(z.Funkcja, z.TrybDziesietny, k);
    for (int n = 1; n <= f->IloscMinimalnych; ++n) {
        const auto blad = vyn::SprawdzPostac(f->Postac(n).toStdString(), k, mintermy);
        QVERIFY2(!blad, blad.value_or("").c_str());
    }
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

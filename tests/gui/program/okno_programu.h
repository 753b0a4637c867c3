// Shared helpers of the program tests: a program with its main window shown, a function put in
// place, keys typed, and the message boxes that commands show.
#pragma once

#include "../okno/pomoc_okna.h"
#include "../raport/modalne.h"
#include "app/form1.h"
#include "app/program.h"
#include "controls/iebutton.h"
#include "display/panel.h"
#include "display/updown.h"
#include "text/funkcja.h"
#include "qm/weryfikacja.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace testy {

inline std::unique_ptr<vyn::gui::Program> NowyProgram() {
    auto p = std::make_unique<vyn::gui::Program>();
    p->Form1()->show();
    p->Form1()->activateWindow();
    return p;
}

// The function as a file or the editor leaves it.
inline void UstawFunkcje(vyn::gui::TForm1* f, const std::string& tekst, bool dziesietna) {
    f->Edytor.Funkcja = tekst;
    f->Edytor.IloscLiter = vyn::IloscZnakow(tekst);
    f->UstawNotacje(dziesietna);
    f->UstalKodowanie();
    f->RysujFunkcje();
}

// The caption and text of the next message box, which is closed with OK.
struct Komunikat {
    QString Tytul;
    QString Tekst;
    bool Pokazany = false;
};

inline std::shared_ptr<Komunikat> ZamknijKomunikat() {
    auto k = std::make_shared<Komunikat>();
    GdyPokazane<QMessageBox>([k](QMessageBox* m) {
        k->Tytul = m->windowTitle();
        k->Tekst = m->text();
        k->Pokazany = true;
        m->accept();
    });
    return k;
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

// Every form the window holds is exactly the function it ran.
inline void FormyToFunkcja(vyn::gui::TForm1* f) {
    const std::string kodowanie = f->Kodowanie.toStdString();
    const auto mintermy = vyn::MintermyFunkcji(f->Funkcja(), f->TrybDziesietny(), kodowanie);
    QVERIFY(f->IloscMinimalnych >= 1);
    for (int n = 1; n <= f->IloscMinimalnych; ++n) {
        const auto blad = vyn::SprawdzPostac(f->Postac(n).toStdString(), kodowanie, mintermy);
        QVERIFY2(!blad, blad.value_or("").c_str());
    }
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

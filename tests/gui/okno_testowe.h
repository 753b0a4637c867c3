// GUI test helpers: the program on show, a function set, keys typed, runs read, boxes answered.
#pragma once

#include "app/form1.h"
#include "app/program.h"
#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "engine/formmin.h"
#include "engine/przebieg_w_tle.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace testy {

// About 3/4 of the 1024 minterms of 10 variables, seeded: a search of minutes, a cover at once.
inline const std::string FunkcjaDluga = [] {
    std::string t;
    for (std::uint32_t m = 0, x = 2026; m < 1024; ++m)
        if (((x = x * 1664525u + 1013904223u) >> 16) % 4 != 0) // the same function everywhere
            t += (t.empty() ? "" : ",") + std::to_string(m);
    return t;
}();

inline std::unique_ptr<vyn::gui::Program> NowyProgram() {
    auto p = std::make_unique<vyn::gui::Program>();
    p->Form1()->show(), p->Form1()->activateWindow();
    return p;
}

// Writes a file in the folder; its path.
inline QString Plik(const QTemporaryDir& katalog, const QString& nazwa, const QByteArray& tresc) {
    QFile plik(katalog.filePath(nazwa));
    return plik.open(QIODevice::WriteOnly) && plik.write(tresc) == tresc.size() ? plik.fileName()
                                                                                : QString();
}

// Types keys: capitals as letter keys, small letters with Shift, anything else as its own key.
inline void Wpisz(QWidget* okno, const QString& klawisze) {
    for (QChar c : klawisze) // ' ' is Qt::Key_Space
        QTest::keyClick(okno, Qt::Key(c.toUpper().unicode()),
                        c.isLower() ? Qt::ShiftModifier : Qt::NoModifier);
}

// The function as a file or the editor leaves it.
inline void UstawFunkcje(vyn::gui::TForm1* f, const std::string& tekst, bool dziesietna) {
    f->Edytor.Funkcja = tekst;
    f->Edytor.IloscLiter = vyn::IloscZnakow(tekst);
    f->UstawNotacje(dziesietna);
    f->UstalKodowanie();
    f->RysujFunkcje();
}

// What is wrong with the forms on show, if anything: each must be exactly the function run.
inline std::optional<std::string> BladPostaci(vyn::gui::TForm1* f, const std::string& funkcja,
                                              bool dziesietna, const std::string& kodowanie) {
    const auto mintermy = vyn::MintermyFunkcji(funkcja, dziesietna, kodowanie);
    const auto obojetne = vyn::ObojetneFunkcji(funkcja, dziesietna, kodowanie);
    for (int n = 1; n <= f->IloscMinimalnych; ++n)
        if (auto b = vyn::SprawdzPostac(f->Postac(n).toStdString(), kodowanie, mintermy, obojetne))
            return f->Postac(n).toStdString() + ": " + *b;
    return std::nullopt;
}

// Starts a run with the Minimize button and waits until the program reports its end.
inline void Minimalizuj(vyn::gui::Program* p) {
    QSignalSpy koniec(p, &vyn::gui::Program::PrzebiegZakonczony);
    QTest::mouseClick(p->Form1()->IEButton1, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
}

// Reads and closes every message box as it appears, as the user would with OK.
class ZamykaczKomunikatow : public QTimer {
  public:
    QStringList Teksty; // in the order shown
    ZamykaczKomunikatow() {
        connect(this, &QTimer::timeout, this, [this] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                Teksty << m->text(), m->accept();
        });
        start(5);
    }
};

} // namespace testy

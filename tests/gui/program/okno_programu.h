// Shared helpers of the program tests: a program with its main window shown, a function put in
// place, keys typed, and the message box that a command shows.
#pragma once

#include "../raport/modalne.h"
#include "app/form1.h"
#include "app/program.h"
#include "funkcja.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

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
    f->Edytor.IloscLiter = dziesietna
                               ? static_cast<int>(tekst.size()) -
                                     static_cast<int>(std::count(tekst.begin(), tekst.end(), ','))
                               : vyn::PoliczLitery(tekst);
    f->UstawNotacje(dziesietna);
    f->UstalKodowanie();
    f->RysujFunkcje();
}

// Capitals are letter keys, small letters the same keys with Shift, " " the space bar.
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

} // namespace testy

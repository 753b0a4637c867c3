// A run from the main window where the random session cannot judge it: the commands held off
// while it goes on, what a stop keeps, and the box each refusal shows.
#include "okno_testowe.h"

#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "engine/formmin.h"
#include "engine/przebieg_w_tle.h"
#include "input/formkod.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using vyn::gui::Program;
using vyn::gui::TForm1;

class PrzebiegTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;
    std::unique_ptr<QSignalSpy> koniec;

    void KomendyWlaczone(bool wlaczone) {
        for (QAction* a : {f->Nowa1, f->Otwrz1, f->Zapiszjako1, f->Kodowanie1, f->Minimalizacja1})
            QVERIFY2(a->isEnabled() == wlaczone, qPrintable(a->objectName()));
        QCOMPARE(f->IEButton1->isEnabled(), wlaczone);
        QCOMPARE(f->SBznaki->isEnabled(), wlaczone);
    }

  private slots:
    void init() {
        p = testy::NowyProgram();
        f = p->Form1();
        QVERIFY(QTest::qWaitForWindowActive(f));
        koniec = std::make_unique<QSignalSpy>(p.get(), &Program::PrzebiegZakonczony);
    }
    void cleanup() {
        koniec.reset();
        p.reset();
    }

    void commands_wait_for_the_run_and_a_stop_keeps_the_forms() {
        const auto z = testy::Zadanie(testy::FunkcjaDluga, true);
        testy::UstawFunkcje(f, z.Funkcja, true);
        QSignalSpy start(p->Przebieg(), &PrzebiegMinimalizacji::Rozpoczeto);
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        QVERIFY(p->Przebieg()->Trwa());
        QVERIFY(p->FormMin()->isVisible());
        QCOMPARE(p->FormMin()->BitBtn1->text(), QStringLiteral("Przerwij"));
        KomendyWlaczone(false);

        // Neither keys nor another start reach the function or the engine.
        QTest::keyClick(f, Qt::Key_End);
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClick(f, Qt::Key_Return);
        QTest::keyClick(f, Qt::Key_M, Qt::ControlModifier);
        f->SpeedButton3Click();
        QCOMPARE(f->Funkcja(), z.Funkcja);
        QCOMPARE(start.count(), 1);
        // Stopped once the search has a form and the clock has moved.
        QTRY_VERIFY_WITH_TIMEOUT(p->FormMin()->Label4->text().startsWith("minimalnych: "), 30000);
        QTRY_VERIFY(p->FormMin()->CzasMinimalizacji() >= 1);
        p->FormMin()->BitBtn1->click();
        QTRY_COMPARE_WITH_TIMEOUT(koniec->count(), 1, 10000);

        KomendyWlaczone(true);
        // The form shown, its cost and how far from the least cost it can be at most.
        const QString koszt = QString::number(vyn::IloscZnakow(f->PostacMinimalna.toStdString()) +
                                              vyn::PoliczGrupy(f->PostacMinimalna.toStdString()));
        QVERIFY2(f->Komunikat().startsWith(
                     QStringLiteral("Minimalizację przerwano – koszt postaci %1, dolna granica ")
                         .arg(koszt)),
                 qPrintable(f->Komunikat()));
        testy::FormyToFunkcja(f, z);
        // The time kept is the clock's last value, as shown.
        QCOMPARE(f->CzasMinimalizacji.toString(QStringLiteral("HH:mm:ss")),
                 p->FormMin()->CzasMinimalizacjiTekst());
        QCOMPARE(p->FormMin()->LabelCzas->text(),
                 QStringLiteral("Czas minimalizacji: ") + p->FormMin()->CzasMinimalizacjiTekst());
        QVERIFY(f->CzasMinimalizacji >= QTime(0, 0, 1));
    }

    void a_refused_run_shows_why_and_no_form_data() {
        QTest::addColumn<QString>("funkcja");
        QTest::addColumn<bool>("dziesietna");
        QTest::addColumn<QString>("litery"); // the user's order; empty: ascending
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("litera spoza kodowania")
            << "AB+C" << false << "AB" << QStringLiteral("Litera C nie występuje w kodowaniu AB");
        QTest::newRow("liczba spoza kodowania")
            << "0,9" << true << "AB"
            << QStringLiteral("Liczba 9 wymaga więcej liter niż ma kodowanie AB (największa "
                              "możliwa to 3)");
        QTest::newRow("liczba poza zakresem")
            << "1,67108864" << true << "" << QString::fromUtf8(vyn::KomunikatZakresu);
        QTest::newRow("pełna tablica") << "abcd+ABCDEFGHIJKLMNOPQRST" << false << ""
                                       << QStringLiteral("Przekroczona pojemność tablicy");
    }
    void a_refused_run_shows_why_and_no_form() {
        QFETCH(QString, funkcja);
        QFETCH(bool, dziesietna);
        QFETCH(QString, litery);
        QFETCH(QString, komunikat);
        testy::UstawFunkcje(f, "AB+c", false);
        testy::Minimalizuj(p.get()); // a form on show that the refusal must take away
        QCOMPARE(f->IloscMinimalnych, 1);

        if (!litery.isEmpty()) {
            // As after the encoding dialog's OK with this order.
            f->FormKod->UstawTryb(vyn::TrybKodowania::Uzytkownika);
            f->FormKod->Edit1->setText(litery);
            f->SBznaki->setText(litery);
        }
        testy::UstawFunkcje(f, funkcja.toStdString(), dziesietna);
        testy::ZamykaczKomunikatow k;
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(k.Teksty, QStringList{komunikat}, 20000);
        QTRY_VERIFY(!p->Przebieg()->Trwa() && !p->FormMin()->isVisible());
        testy::BezPostaci(f);
        QCOMPARE(f->ProsteImplikanty, QString());
        KomendyWlaczone(true);
    }
};

QTEST_MAIN(PrzebiegTest)
#include "przebieg_test.moc"

// A minimisation run from the main window: the ways to start it, the results it leaves, the
// commands held off while it goes on, stopping it, and runs that are refused or hit capacity.
#include "okno_programu.h"

#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "display/panel.h"
#include "display/updown.h"
#include "engine/formmin.h"
#include "engine/przebieg_w_tle.h"
#include "funkcje.h"
#include "input/formkod.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
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

    void every_start_shows_the_single_form_data() {
        QTest::addColumn<int>("sposob");
        QTest::newRow("przycisk Minimalizacja") << 0;
        QTest::newRow("Ctrl+M") << 1;
        QTest::newRow("Enter") << 2;
        QTest::newRow("menu") << 3;
    }
    void every_start_shows_the_single_form() {
        QFETCH(int, sposob);
        testy::Wpisz(f, QStringLiteral("A bC"));
        QCOMPARE(f->Funkcja(), std::string("A+bC"));
        if (sposob == 0)
            QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        else if (sposob == 1)
            QTest::keyClick(f, Qt::Key_M, Qt::ControlModifier);
        else if (sposob == 2)
            QTest::keyClick(f, Qt::Key_Return);
        else
            f->Minimalizacja1->trigger();
        QTRY_COMPARE(koniec->count(), 1);

        QCOMPARE(f->KanonicznaDziesietna, QStringLiteral("1,7,6,5,4"));
        QCOMPARE(f->ProsteImplikanty, QStringLiteral("bC,A"));
        QCOMPARE(f->PostacMinimalna, QStringLiteral("bC+A"));
        QCOMPARE(f->PaintBox5->zawartosc().Tekst, QStringLiteral("bC+A"));
        QCOMPARE(f->PaintBox4->zawartosc().Tekst, f->ProsteImplikanty);
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna jedyna"));
        QVERIFY(!f->UpDown1->isVisibleTo(f));
        QCOMPARE(f->LabelMinGrup->text(), QStringLiteral("Ilość grup: 2"));
        QCOMPARE(f->LabelMinLiter->text(), QStringLiteral("Ilość liter: 3"));
        // The dialog closed by itself and is ready to say "Zamknij" if reopened.
        QVERIFY(!p->FormMin()->isVisible());
        QCOMPARE(p->FormMin()->BitBtn1->text(), QStringLiteral("Zamknij"));
        QCOMPARE(f->Komunikat(), QString());
        KomendyWlaczone(true);
    }

    void several_forms_show_the_stepper_and_a_later_run_hides_it() {
        testy::Wpisz(f, QStringLiteral("0 1 2 5 6 7"));
        QCOMPARE(f->Funkcja(), std::string("0,1,2,5,6,7"));
        testy::Minimalizuj(p.get());
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 1 z 2"));
        QVERIFY(f->UpDown1->isVisibleTo(f));
        QCOMPARE(f->UpDown1->Max(), 2);
        QCOMPARE(f->PostacMinimalna, QStringLiteral("ab+Bc+AC"));
        QCOMPARE(f->LabelMinGrup->text(), QStringLiteral("Ilość grup: 3"));
        QCOMPARE(f->LabelMinLiter->text(), QStringLiteral("Ilość liter: 6"));
        QCOMPARE(p->FormMin()->Label4->text(), QStringLiteral("minimalnych: 2"));

        QTest::mouseClick(f->UpDown1->PrzyciskGora(), Qt::LeftButton);
        QCOMPARE(f->PostacMinimalna, QStringLiteral("bC+AB+ac"));
        QCOMPARE(f->PaintBox5->zawartosc().Tekst, QStringLiteral("bC+AB+ac"));
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 2 z 2"));
        QTest::mouseClick(f->UpDown1->PrzyciskDol(), Qt::LeftButton);
        QCOMPARE(f->PostacMinimalna, QStringLiteral("ab+Bc+AC"));

        // The next run starts the stepper afresh and, with one form, hides it.
        f->Nowa1Click();
        testy::Wpisz(f, QStringLiteral("AB aC"));
        testy::Minimalizuj(p.get());
        QCOMPARE(f->PostacMinimalna, QStringLiteral("aC+AB"));
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna jedyna"));
        QVERIFY(!f->UpDown1->isVisibleTo(f));
        QCOMPARE(f->UpDown1->Position(), 1);
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
        // The zoom switch still works.
        QVERIFY(f->SBzoom->isEnabled());
        QTest::mouseClick(f->SBzoom, Qt::LeftButton);
        QVERIFY(!f->GroupBox1->isVisibleTo(f));
        QTRY_COMPARE(f->RozmiarOkna().height(), 230);
        QTest::mouseClick(f->SBzoom, Qt::LeftButton);
        QTRY_COMPARE(f->RozmiarOkna().height(), 413);
        // The canonical form is on its pane while the search goes on.
        QTRY_VERIFY_WITH_TIMEOUT(!f->KanonicznaDziesietna.isEmpty(), 10000);
        QCOMPARE(f->PaintBox3->zawartosc().Tekst, f->KanonicznaDziesietna);
        QVERIFY(p->Przebieg()->Trwa());

        // Stopped once the search has a form and the clock has moved.
        QTRY_VERIFY_WITH_TIMEOUT(p->FormMin()->Label4->text().startsWith("minimalnych: "), 30000);
        QTRY_VERIFY(p->FormMin()->CzasMinimalizacji() >= 1);
        p->FormMin()->BitBtn1->click();
        QTRY_COMPARE_WITH_TIMEOUT(koniec->count(), 1, 10000);

        KomendyWlaczone(true);
        QCOMPARE(f->Komunikat(),
                 QStringLiteral("Minimalizację przerwano – wynik może nie być minimalny"));
        testy::FormyToFunkcja(f);
        QCOMPARE(f->PostacMinimalna, f->Postac(1));
        QCOMPARE(f->GroupBox2->title(),
                 f->IloscMinimalnych == 1
                     ? QStringLiteral("Postać minimalna jedyna")
                     : QStringLiteral("Postać minimalna 1 z %1").arg(f->IloscMinimalnych));
        QCOMPARE(f->UpDown1->isVisibleTo(f), f->IloscMinimalnych > 1);

        // The time kept is the clock's last value, as shown.
        QCOMPARE(f->CzasMinimalizacji.toString(QStringLiteral("HH:mm:ss")),
                 p->FormMin()->CzasMinimalizacjiTekst());
        QCOMPARE(p->FormMin()->LabelCzas->text(),
                 QStringLiteral("Czas minimalizacji: ") + p->FormMin()->CzasMinimalizacjiTekst());
        QVERIFY(f->CzasMinimalizacji >= QTime(0, 0, 1));

        // And the editor takes keys again.
        QTest::keyClick(f, Qt::Key_End);
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(f->Funkcja(), z.Funkcja.substr(0, z.Funkcja.size() - 1));
    }

    void a_stop_before_any_form_shows_none() {
        testy::UstawFunkcje(f, "0,1,2,5,6,7", true);
        testy::Minimalizuj(
            p.get()); // two forms and the stepper, which must not outlive the next run
        testy::UstawFunkcje(f, testy::FunkcjaDluga, true);
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        p->FormMin()->BitBtn1->click();
        QTRY_COMPARE_WITH_TIMEOUT(koniec->count(), 2, 10000);
        QVERIFY(p->Przebieg()->OstatniePostacieNiepelne());
        testy::BezPostaci(f);
        QCOMPARE(f->Komunikat(),
                 QStringLiteral("Minimalizację przerwano przed znalezieniem postaci minimalnej"));
        // The canonical stage has no check: it is complete.
        QCOMPARE(vyn::PoliczGrupy(f->KanonicznaDziesietna.toStdString()),
                 vyn::PoliczGrupy(testy::FunkcjaDluga));
        KomendyWlaczone(true);
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
        QSignalSpy start(p->Przebieg(), &PrzebiegMinimalizacji::Rozpoczeto);
        const auto k = testy::ZamknijKomunikat();
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        QVERIFY(k->Pokazany);
        QCOMPARE(k->Tekst, komunikat);
        QCOMPARE(start.count(), 0);
        QVERIFY(!p->FormMin()->isVisible());
        testy::BezPostaci(f);
        QCOMPARE(f->ProsteImplikanty, QString());
        KomendyWlaczone(true);
    }

    void a_full_table_shows_its_message_and_no_form() {
        testy::UstawFunkcje(f, "abcd+ABCDEFGHIJKLMNOPQRST", false);
        const auto k = testy::ZamknijKomunikat();
        testy::Minimalizuj(p.get());
        QVERIFY(k->Pokazany);
        QCOMPARE(k->Tekst, QStringLiteral("Przekroczona pojemność tablicy"));
        QVERIFY(!p->FormMin()->isVisible());
        testy::BezPostaci(f);
        QCOMPARE(f->Komunikat(), QStringLiteral("Przekroczona pojemność tablicy"));
        KomendyWlaczone(true);
    }

    void forms_left_out_are_noted_in_the_status_bar() {
        vyn::FlagaPrzerwania flaga;
        vyn::ObserwatorPrzebiegu nikt;
        vyn::ZadanieMinimalizacji z{"0,1,2,5,6,7", true, "ABC"};
        z.MaksPostaci = 1; // of two equivalent forms only the first is kept
        auto w = vyn::Minimalizuj(z, nikt, flaga);
        QVERIFY(w.Obcieto);
        f->ZakonczPrzebieg(w, false);
        QCOMPARE(f->Komunikat(),
                 QStringLiteral("Zachowano pierwsze 1 postaci minimalnych, jest ich więcej"));
        QCOMPARE(f->PostacMinimalna, QStringLiteral("ab+Bc+AC"));
        w.Przerwano = true;
        f->ZakonczPrzebieg(w, false);
        QCOMPARE(f->Komunikat(), QStringLiteral("Minimalizację przerwano – wynik może nie być "
                                                "minimalny; zachowano pierwsze 1 postaci "
                                                "minimalnych, jest ich więcej"));
    }
};

QTEST_MAIN(PrzebiegTest)
#include "przebieg_test.moc"

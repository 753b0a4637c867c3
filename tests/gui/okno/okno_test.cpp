// The main window: layout, zoom, the editor through real key events, results, calculator.
#include "pomoc_okna.h"

#include "app/kalkulator.h"
#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "display/panel.h"
#include "display/updown.h"
#include "input/klawisze.h"
#include "qm/przebieg.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using vyn::gui::TForm1;

class OknoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> f;
    int uruchomienia = 0;

  private slots:
    void init() {
        f = std::make_unique<TForm1>();
        uruchomienia = 0;
        f->Haki.SpeedButton3Click = [this] { ++uruchomienia; };
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->UstawRozmiarOkna(640, 413);
        QTRY_COMPARE(f->RozmiarOkna(), QSize(640, 413));
    }
    void cleanup() { f.reset(); }

    void design_size_gives_the_design_layout() {
        // The frame mapping: the client area is the outer size less the fixed frame.
        QCOMPARE(f->centralWidget()->size(), QSize(640 - 8, 413 - 46));
        QCOMPARE(f->PaintBox1->width(), 488);
        QCOMPARE(f->Bevel1->width(), 529);
        QCOMPARE(f->IEButton1->x(), 544);
        QCOMPARE(f->GroupBox1->height(), 105);
        QCOMPARE(f->GroupBox3->y(), 192);
        QCOMPARE(f->GroupBox2->y(), 264);
        QCOMPARE(f->SBzoom->y(), 349);
        QCOMPARE(f->Edytor.SzerokoscWidoku, 40);
        QCOMPARE(f->SBznaki->x() + f->SBznaki->width(), f->Bevel1->x() + f->Bevel1->width());
    }

    void width_thresholds_data() {
        QTest::addColumn<int>("szerokosc");
        QTest::addColumn<QString>("napis");
        QTest::addColumn<bool>("etykieta");
        QTest::newRow("400") << 400 << "M" << false;
        QTest::newRow("401") << 401 << "Minimalizacja" << true;
    }
    void width_thresholds() {
        QFETCH(int, szerokosc);
        f->UstawRozmiarOkna(szerokosc, 413);
        QTRY_COMPARE(f->RozmiarOkna().width(), szerokosc);
        QTEST(f->IEButton1->text(), "napis");
        QTEST(testy::Widoczny(f->LabelKodowanie, f.get()), "etykieta");
        QCOMPARE(f->IEButton1->width(), szerokosc > 400 ? 73 : 23);
    }

    void height_thresholds() {
        f->UstawRozmiarOkna(640, 300);
        QTRY_COMPARE(f->RozmiarOkna().height(), 300);
        QVERIFY(!testy::Widoczny(f->GroupBox1, f.get()));
        f->UstawRozmiarOkna(640, 301);
        QTRY_COMPARE(f->RozmiarOkna().height(), 301);
        QVERIFY(testy::Widoczny(f->GroupBox1, f.get()));
        QCOMPARE(f->GroupBox1->height(), 0); // shown, but -7 leaves it empty
    }

    void zoom_switch_compacts_and_restores() {
        f->UstawRozmiarOkna(640, 350);
        QTRY_COMPARE(f->RozmiarOkna().height(), 350);
        QTest::mouseClick(f->SBzoom, Qt::LeftButton);
        QTRY_COMPARE(f->RozmiarOkna().height(), 230);
        QCOMPARE(f->GroupBox2->y(), 81);
        QCOMPARE(f->StatusBar1->y(), 164);
        QVERIFY(!testy::Widoczny(f->GroupBox1, f.get()));
        QVERIFY(!testy::Widoczny(f->GroupBox3, f.get()));
        QCOMPARE(f->RozmiarOkna().width(), 640);

        QTest::mouseClick(f->SBzoom, Qt::LeftButton);
        QTRY_COMPARE(f->RozmiarOkna().height(), 413); // whatever it was before
        QCOMPARE(f->GroupBox2->y(), 264);
        QVERIFY(testy::Widoczny(f->GroupBox1, f.get()));
        QVERIFY(testy::Widoczny(f->GroupBox3, f.get()));
    }

    void typing_letters_chooses_the_letter_notation() {
        testy::Wpisz(f.get(), QStringLiteral("B c"));
        QCOMPARE(f->Funkcja(), std::string("B+c"));
        QCOMPARE(f->LabelSigma->text(), QStringLiteral("F="));
        QCOMPARE(f->Label5->text(), QStringLiteral("Ilość grup : 2"));
        QCOMPARE(f->Label6->text(), QStringLiteral("Ilość liter : 2"));
        QCOMPARE(f->SBznaki->text(), QStringLiteral("BC"));
        QCOMPARE(f->SBznaki->width(), 26);

        QTest::keyClick(f.get(), Qt::Key_C); // already in the group
        QCOMPARE(f->Komunikat(), QStringLiteral("Symbol powtarza się w tej grupie"));
        QTest::keyClick(f.get(), Qt::Key_5); // a digit in the letter notation: ignored
        QCOMPARE(f->Funkcja(), std::string("B+c"));
        QCOMPARE(f->Komunikat(), QString()); // cleared by the next key
        QTest::keyClick(f.get(), Qt::Key_Tab);
        QCOMPARE(f->Funkcja(), std::string("B+c"));

        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.get(), Qt::Key_Backspace);
        QCOMPARE(f->LabelSigma->text(), QString());
        QCOMPARE(f->SBznaki->width(), 10);
    }

    void typing_digits_chooses_the_decimal_notation() {
        QTest::keyClick(f.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(f->Komunikat(), QStringLiteral("Nie rozpoczynaj od plusa"));
        testy::Wpisz(f.get(), QStringLiteral("1 "));
        QTest::keyClick(f.get(), Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(f->Funkcja(), std::string("1,5"));
        QVERIFY(f->TrybDziesietny());
        QCOMPARE(f->LabelSigma->text(), QStringLiteral("Σ="));
        // The sigma is drawn by the label's font itself on every system.
        QVERIFY(QFontMetrics(f->LabelSigma->font()).inFontUcs4(0x03A3));
        QVERIFY(!testy::Widoczny(f->Label6, f.get()));
        QCOMPARE(f->Label5->text(), QStringLiteral("Ilość składników : 2"));
        QCOMPARE(f->SBznaki->text(), QStringLiteral("ABC"));

        // New keeps the decimal notation's hidden letter count until a letter is typed.
        f->Nowa1->trigger();
        QCOMPARE(f->Funkcja(), std::string());
        QVERIFY(!testy::Widoczny(f->Label6, f.get()));
        testy::Wpisz(f.get(), QStringLiteral("A"));
        QVERIFY(testy::Widoczny(f->Label6, f.get()));
    }

    void short_count_labels_in_a_narrow_window() {
        f->UstawRozmiarOkna(300, 413);
        QTRY_COMPARE(f->RozmiarOkna().width(), 300);
        QCOMPARE(f->Label5->text(), QStringLiteral("Grup : 0"));
        QCOMPARE(f->Label6->text(), QStringLiteral("Liter : 0"));
        testy::Wpisz(f.get(), QStringLiteral("7 8"));
        QCOMPARE(f->Label5->text(), QStringLiteral("Składników : 2"));
        f->UstawRozmiarOkna(301, 413);
        QTRY_COMPARE(f->Label5->text(), QStringLiteral("Ilość składników : 2"));
    }

    void enter_ctrl_m_and_the_button_start_a_run() {
        testy::Wpisz(f.get(), QStringLiteral("A"));
        QTest::keyClick(f.get(), Qt::Key_Return);
        QCOMPARE(uruchomienia, 1);
        QTest::keyClick(f.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(uruchomienia, 2);
        QCOMPARE(f->Funkcja(), std::string("A")); // the shortcut typed nothing
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        QCOMPARE(uruchomienia, 3);

        f->Nowa1Click();
        testy::Wpisz(f.get(), QStringLiteral("67108864"));
        QTest::keyClick(f.get(), Qt::Key_Return); // refused: a number out of range
        QCOMPARE(uruchomienia, 3);
        QVERIFY(f->Komunikat().startsWith(QStringLiteral("Przekroczony zakres")));
    }

    void a_click_in_the_function_pane_places_the_cursor() {
        testy::Wpisz(f.get(), QStringLiteral("ABCD"));
        const int w = f->SzerokoscZnaku;
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(2 * w + 2, 10));
        QCOMPARE(f->Edytor.PozycjaKursora, 2);
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(6 * w, 10));
        QCOMPARE(f->Edytor.PozycjaKursora, 2); // right of the text: nothing moves
        testy::Wpisz(f.get(), QStringLiteral(" "));
        QCOMPARE(f->Funkcja(), std::string("AB+CD"));
    }

    void results_fill_the_panes_and_the_stepper() {
        vyn::FlagaPrzerwania flaga;
        vyn::ObserwatorPrzebiegu nikt;
        // A cyclic function with two equivalent minimal forms.
        const auto wynik = vyn::Minimalizuj({"0,1,2,5,6,7", true, "ABC"}, nikt, flaga);
        QCOMPARE(wynik.IloscMinimalnych(), 2);
        const int bezStepera = f->PaintBox5->width();
        f->PokazWyniki(wynik);
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 1 z 2"));
        QVERIFY(testy::Widoczny(f->UpDown1, f.get()));
        QCOMPARE(f->PaintBox5->x(), 47);
        QCOMPARE(bezStepera - f->PaintBox5->width(), 32);
        QCOMPARE(f->PostacMinimalna, QString::fromStdString(wynik.PostacieMinimalne[0]));
        QCOMPARE(f->LabelMinGrup->text(), QStringLiteral("Ilość grup: 3"));
        QCOMPARE(f->LabelMinLiter->text(), QStringLiteral("Ilość liter: 6"));

        QTest::mouseClick(f->UpDown1->PrzyciskGora(), Qt::LeftButton);
        QCOMPARE(f->PostacMinimalna, QString::fromStdString(wynik.PostacieMinimalne[1]));
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 2 z 2"));
        QTest::mouseClick(f->UpDown1->PrzyciskGora(), Qt::LeftButton); // no wrap-around
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 2 z 2"));

        const auto jedyna = vyn::Minimalizuj({"A+a", false, "A"}, nikt, flaga);
        f->PokazWyniki(jedyna);
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna jedyna"));
        QVERIFY(!testy::Widoczny(f->UpDown1, f.get()));
        QCOMPARE(f->PaintBox5->x(), 15);
        QCOMPARE(f->PostacMinimalna, QStringLiteral("1"));
        QVERIFY(!testy::Widoczny(f->LabelMinGrup, f.get())); // always true: no counts
        QCOMPARE(f->LabelMinGrup->text(), QStringLiteral("Ilość grup: 1"));
        QCOMPARE(f->LabelMinLiter->text(), QStringLiteral("Ilość liter: 1"));

        f->Nowa1Click();
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 0 z 0"));
        QCOMPARE(f->LabelMinLiter->text(), QStringLiteral("Ilość liter : 0"));
    }

    void a_font_change_keeps_the_view_width_until_resized() {
        QFont duza = f->CzcionkaDialogu;
        duza.setPointSize(30);
        f->ZastosujCzcionke(duza);
        QCOMPARE(f->SzerokoscZnaku, 26);
        QCOMPARE(f->Edytor.SzerokoscWidoku, 40);
        f->UstawRozmiarOkna(641, 413);
        QTRY_COMPARE(f->Edytor.SzerokoscWidoku, 18); // 489 / 26 - 1 = 17.8
        duza.setPointSize(72);                       // beyond what the font dialog offers
        f->ZastosujCzcionke(duza);
        QCOMPARE(f->RozmiarCzcionki, 30);
    }

    void tiny_sizes_and_any_keys_do_not_break_the_window() {
        const int klawisze[] = {Qt::Key_A,    Qt::Key_Space, Qt::Key_B,
                                Qt::Key_End,  Qt::Key_Left,  Qt::Key_Backspace,
                                Qt::Key_Home, Qt::Key_Right, Qt::Key_3};
        for (QSize s : {QSize(0, 0), QSize(60, 40), QSize(151, 120), QSize(200, 299)}) {
            f->UstawRozmiarOkna(s.width(), s.height());
            QCoreApplication::processEvents();
            for (int k : klawisze)
                QTest::keyClick(f.get(), static_cast<Qt::Key>(k));
            for (QWidget* w : f->centralWidget()->findChildren<QWidget*>()) {
                QVERIFY2(w->width() >= 0 && w->height() >= 0, qPrintable(w->objectName()));
            }
            QVERIFY(f->Edytor.KolumnaKursora <= f->Edytor.SzerokoscWidoku);
            QCOMPARE(f->Edytor.KolumnaKursora,
                     f->Edytor.PozycjaKursora + f->Edytor.PrzesuniecieWidoku);
        }
        QFont mala = f->CzcionkaDialogu;
        mala.setPointSize(8);
        f->ZastosujCzcionke(mala);
        f->UstawRozmiarOkna(640, 413);
        QTRY_COMPARE(f->PaintBox1->width(), 488);
    }

    // Other parts of the program find the controls and commands by these names.
    void controls_and_commands_carry_their_names() {
        const QKeySequence ctrl[] = {QKeySequence("Ctrl+N"), QKeySequence("Ctrl+O"),
                                     QKeySequence("Ctrl+S"), QKeySequence("Ctrl+M"),
                                     QKeySequence("Ctrl+X")};
        const char* skroty[] = {"Nowa1", "Otwrz1", "Zapiszjako1", "Minimalizacja1", "Zamknij1"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f->findChild<QAction*>(skroty[i])->shortcut(), ctrl[i]);
        for (const char* nazwa :
             {"Kodowanie1",     "Podgld1",    "Konfiguruj1", "Kalkulator1",      "Opcje1",
              "Tematypomocy1",  "Wskazwki1",  "Oprogramie1", "Kopiujdoschowka1", "Panel1",
              "Bevel1",         "PaintBox1",  "LabelSigma",  "Label5",           "Label6",
              "LabelKodowanie", "SBznaki",    "IEButton1",   "StatusBar1",       "GroupBox1",
              "PaintBox2",      "PaintBox3",  "GroupBox3",   "PaintBox4",        "GroupBox2",
              "UpDown1",        "Bevel2",     "PaintBox5",   "LabelMinGrup",     "LabelMinLiter",
              "SBzoom",         "PopupMenu1", "Timer1"})
            QVERIFY2(f->findChild<QObject*>(QString::fromLatin1(nazwa)), nazwa);
    }

    void the_calculator_command_starts_a_program_found() {
        int wywolania = 0;
        f->UruchomKalkulator = [&] { return ++wywolania, true; };
        f->Kalkulator1->trigger();
        QCOMPARE(wywolania, 1);

        QTemporaryDir katalog;
        QVERIFY(katalog.isValid());
        const QString znacznik = katalog.filePath(QStringLiteral("uruchomiony"));
        QFile skrypt(katalog.filePath(QStringLiteral("kalkulator-testowy")));
        QVERIFY(skrypt.open(QIODevice::WriteOnly));
        skrypt.write(("#!/bin/sh\ntouch '" + znacznik + "'\n").toUtf8());
        skrypt.close();
        skrypt.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QStringList sciezki{katalog.path()};
        QVERIFY(!vyn::gui::UruchomKalkulator({QStringLiteral("nie-ma-takiego")}, sciezki));
        QVERIFY(vyn::gui::UruchomKalkulator(
            {QStringLiteral("nie-ma-takiego"), QStringLiteral("kalkulator-testowy")}, sciezki));
        QTRY_VERIFY(QFile::exists(znacznik));
    }

    void qt_keys_translate_to_virtual_codes_data() {
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<int>("modyfikatory");
        QTest::addColumn<int>("kod");
        const int num = Qt::KeypadModifier;
        QTest::newRow("letter") << int(Qt::Key_Q) << 0 << int('Q');
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << int('7');
        QTest::newRow("shift digit symbol")
            << int(Qt::Key_Ampersand) << int(Qt::ShiftModifier) << int('7');
        QTest::newRow("keypad digit") << int(Qt::Key_7) << num << 0x67;
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << num << 0x6B;
        QTest::newRow("keypad comma") << int(Qt::Key_Comma) << num << 0x6E;
        QTest::newRow("main plus") << int(Qt::Key_Plus) << 0 << 0;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << 0x20;
        QTest::newRow("enter") << int(Qt::Key_Enter) << num << 0x0D;
        QTest::newRow("ctrl") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 0x11;
    }
    void qt_keys_translate_to_virtual_codes() {
        QFETCH(int, klawisz);
        QFETCH(int, modyfikatory);
        QTEST(vyn::gui::KodWirtualny(klawisz, Qt::KeyboardModifiers(modyfikatory)), "kod");
    }
};

QTEST_MAIN(OknoTest)
#include "okno_test.moc"

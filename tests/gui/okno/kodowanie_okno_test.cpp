// The encoding dialog with the main window: the three modes, OK's checks and Cancel.
#include "pomoc_okna.h"

#include "controls/transbtn.h"
#include "input/formkod.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

using vyn::TrybKodowania;
using vyn::gui::TForm1;
using vyn::gui::TFormKod;

class KodowanieOknoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> f;
    TFormKod* d = nullptr;
    QStringList ostrzezenia;

    // Opens the dialog as the indicator's click does, but without blocking the test.
    void Otworz() {
        d->open();
        QVERIFY(d->isVisible());
    }
    void Zatwierdz() {
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
        if (!d->isVisible())
            f->FormActivate(); // the main window is active again
    }

  private slots:
    void init() {
        f = std::make_unique<TForm1>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        d = f->FormKod;
        ostrzezenia.clear();
        d->Ostrzez = [this](const QString& t) { ostrzezenia << t; };
    }
    void cleanup() { f.reset(); }

    void alphabetical_modes_follow_the_function() {
        testy::Wpisz(f.get(), QStringLiteral("c"));
        testy::Wpisz(f.get(), QStringLiteral("A B"));
        testy::Wpisz(f.get(), QStringLiteral("d"));
        QCOMPARE(f->Funkcja(), std::string("cA+Bd"));
        QCOMPARE(f->SBznaki->text(), QStringLiteral("ABCD"));
        QCOMPARE(f->SBznaki->width(), 42);
        QCOMPARE(f->LabelKodowanie->x(), f->RozmiarOkna().width() - 42 - 170);

        Otworz();
        QCOMPARE(d->KodowaniePoprzednie, QStringLiteral("ABCD"));
        QVERIFY(!d->Edit1->isEnabled());
        QTest::mouseClick(d->RBam, Qt::LeftButton);
        Zatwierdz();
        QVERIFY(!d->isVisible());
        QCOMPARE(f->SBznaki->text(), QStringLiteral("DCBA"));
        QCOMPARE(f->Kodowanie, QStringLiteral("DCBA"));
        QVERIFY(ostrzezenia.isEmpty());
    }

    void user_order_is_checked_against_the_letters_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("ostrzezenie");
        QTest::newRow("accepted") << "cab"
                                  << "";
        QTest::newRow("too few") << "AB"
                                 << "Za mało liter kodujących.\nFunkcja wymaga ich trzy.";
        QTest::newRow("too many") << "ABCD"
                                  << "Zbyt dużo liter kodujących.\nFunkcja wymaga ich tylko trzy.";
        QTest::newRow("wrong letter")
            << "ABD"
            << "Nie wszystkie litery występują w równaniu funkcji\nWybierz spośród ABC";
    }
    void user_order_is_checked_against_the_letters() {
        QFETCH(QString, tekst);
        QFETCH(QString, ostrzezenie);
        testy::Wpisz(f.get(), QStringLiteral("AB C"));
        Otworz();
        QTest::mouseClick(d->RBuu, Qt::LeftButton);
        QVERIFY(d->Edit1->isEnabled());
        d->Edit1->clear();
        QTest::keyClicks(d->Edit1, tekst);
        QCOMPARE(d->Edit1->text(), tekst.toUpper());
        Zatwierdz();
        if (ostrzezenie.isEmpty()) {
            QVERIFY(ostrzezenia.isEmpty());
            QVERIFY(!d->isVisible());
            QCOMPARE(f->SBznaki->text(), QStringLiteral("CAB"));
            QCOMPARE(f->Kodowanie, QStringLiteral("CAB"));
            testy::Wpisz(f.get(), QStringLiteral(" D")); // the user's order no longer follows
            QCOMPARE(f->SBznaki->text(), QStringLiteral("CAB"));
        } else {
            QCOMPARE(ostrzezenia, QStringList{ostrzezenie});
            // Still open with the typed order, so that it can be corrected; nothing applied.
            QVERIFY(d->isVisible());
            QCOMPARE(f->SBznaki->text(), QStringLiteral("ABC"));
            QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
            f->FormActivate();
            QCOMPARE(f->Kodowanie, QStringLiteral("ABC"));
        }
    }

    void a_decimal_function_takes_any_letters_of_the_right_number() {
        testy::Wpisz(f.get(), QStringLiteral("1 5 4"));
        QCOMPARE(f->SBznaki->text(), QStringLiteral("ABC"));
        Otworz();
        QTest::mouseClick(d->RBuu, Qt::LeftButton);
        d->Edit1->setText(QStringLiteral("XYZ"));
        Zatwierdz();
        QVERIFY(ostrzezenia.isEmpty());
        QCOMPARE(f->SBznaki->text(), QStringLiteral("XYZ"));
    }

    void an_alphabetical_mode_ignores_an_order_typed_before() {
        testy::Wpisz(f.get(), QStringLiteral("AB CDE"));
        Otworz();
        QTest::mouseClick(d->RBuu, Qt::LeftButton);
        d->Edit1->setText(QStringLiteral("AB"));
        QTest::mouseClick(d->RBam, Qt::LeftButton);
        QVERIFY(!d->Edit1->isEnabled());
        Zatwierdz();
        QVERIFY(ostrzezenia.isEmpty());
        QVERIFY(!d->isVisible());
        QCOMPARE(f->SBznaki->text(), QStringLiteral("EDCBA"));
    }

    void cancel_restores_the_mode_and_the_text_of_the_opening() {
        testy::Wpisz(f.get(), QStringLiteral("AB"));
        Otworz();
        QTest::mouseClick(d->RBuu, Qt::LeftButton);
        d->Edit1->setText(QStringLiteral("BA"));
        QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->Tryb(), TrybKodowania::Rosnaco);
        QVERIFY(d->RBar->isChecked());
        QVERIFY(!d->Edit1->isEnabled());
        QCOMPARE(d->TekstUzytkownika(), QStringLiteral("AB"));

        // Closing the window is a cancel too.
        Otworz();
        QTest::mouseClick(d->RBam, Qt::LeftButton);
        d->close();
        QCOMPARE(d->Tryb(), TrybKodowania::Rosnaco);
    }

    void the_indicator_click_opens_the_dialog_modally() {
        testy::Wpisz(f.get(), QStringLiteral("AB"));
        bool byloOtwarte = false;
        QTimer::singleShot(0, this, [&] {
            byloOtwarte = d->isVisible() && d->isModal();
            d->RBamClick();
            d->BitBtn1Click();
        });
        QTest::mouseClick(f->SBznaki, Qt::LeftButton);
        QVERIFY(byloOtwarte);
        // When the dialog returns, the window rebuilds the encoding in the new mode.
        QCOMPARE(f->SBznaki->text(), QStringLiteral("BA"));
    }
};

QTEST_MAIN(KodowanieOknoTest)
#include "kodowanie_okno_test.moc"

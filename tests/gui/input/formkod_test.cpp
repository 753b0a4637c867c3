// The encoding dialog with the main window: OK's checks of a typed order keep the dialog open
// until it is right, and Cancel or closing restores the dialog as it was opened.
#include "okno_testowe.h"

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

    void user_order_is_checked_against_the_letters_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("ostrzezenie");
        QTest::newRow("accepted") << "cab"
                                  << "";
        QTest::newRow("too few") << "AB"
                                 << "Za mało liter kodujących.\nFunkcja wymaga ich trzy.";
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
};

QTEST_MAIN(KodowanieOknoTest)
#include "formkod_test.moc"

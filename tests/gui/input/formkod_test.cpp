// The encoding dialog with the main window: OK's checks of a typed order keep the dialog open
// until it is right, an empty function takes any order without a word, and Cancel or closing
// restores the dialog as it was opened.
#include "okno_testowe.h"

#include "controls/transbtn.h"
#include "input/formkod.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using vyn::TrybKodowania;

class KodowanieOknoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<vyn::gui::TForm1> f;
    vyn::gui::TFormKod* d = nullptr;
    QStringList ostrzezenia;

    // Opens the dialog as the indicator's click does, but without blocking the test.
    void Otworz(QRadioButton* tryb) {
        d->open();
        QVERIFY(d->isVisible());
        QTest::mouseClick(tryb, Qt::LeftButton);
    }
    void Kliknij(QPushButton* przycisk) {
        QTest::mouseClick(przycisk, Qt::LeftButton);
        if (!d->isVisible())
            f->FormActivate(); // the main window is active again
    }

  private slots:
    void init() {
        f = std::make_unique<vyn::gui::TForm1>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        d = f->FormKod;
        ostrzezenia.clear();
        d->Ostrzez = [this](const QString& t) { ostrzezenia << t; };
    }
    void cleanup() { f.reset(); }

    void user_order_is_checked_against_the_letters() {
        struct Przypadek {
            const char *funkcja, *litery, *ostrzezenie, *wskaznik; // the indicator after OK
        } const przypadki[] = {
            {"AB C", "cab", "", "CAB"},
            {"AB C", "AB", "Za mało liter kodujących.\nFunkcja wymaga ich trzy.", "ABC"},
            // No letter is needed, so none is too many; the indicator waits for a function.
            {"", "ab", "", ""},
        };
        for (const Przypadek& c : przypadki) {
            init();
            testy::Wpisz(f.get(), QString::fromLatin1(c.funkcja));
            Otworz(d->RBuu);
            QVERIFY(d->Edit1->isEnabled());
            d->Edit1->clear();
            QTest::keyClicks(d->Edit1, QString::fromLatin1(c.litery));
            QCOMPARE(d->Edit1->text(), QString::fromLatin1(c.litery).toUpper());
            Kliknij(d->BitBtn1);
            QCOMPARE(f->SBznaki->text(), QString::fromLatin1(c.wskaznik));
            if (*c.ostrzezenie) {
                // Still open with the typed order, so that it can be corrected; nothing applied.
                QCOMPARE(ostrzezenia, QStringList{QString::fromUtf8(c.ostrzezenie)});
                QVERIFY(d->isVisible());
                Kliknij(d->BitBtn2);
                QCOMPARE(f->Kodowanie, QString::fromLatin1(c.wskaznik));
            } else {
                QVERIFY(ostrzezenia.isEmpty() && !d->isVisible());
                QCOMPARE(f->Kodowanie, QString::fromLatin1(c.litery).toUpper());
                testy::Wpisz(f.get(), QStringLiteral(" D")); // the user's order no longer follows
                QCOMPARE(f->SBznaki->text(), QString::fromLatin1(c.wskaznik));
            }
        }
    }

    void cancel_restores_the_mode_and_the_text_of_the_opening() {
        testy::Wpisz(f.get(), QStringLiteral("AB"));
        Otworz(d->RBuu);
        d->Edit1->setText(QStringLiteral("BA"));
        Kliknij(d->BitBtn2);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->Tryb(), TrybKodowania::Rosnaco);
        QVERIFY(d->RBar->isChecked() && !d->Edit1->isEnabled());
        QCOMPARE(d->TekstUzytkownika(), QStringLiteral("AB"));
        Otworz(d->RBam); // closing the window is a cancel too
        d->close();
        QCOMPARE(d->Tryb(), TrybKodowania::Rosnaco);
    }
};

QTEST_MAIN(KodowanieOknoTest)
#include "formkod_test.moc"

// The program's limits as the user meets them in the window: each at the limit and one step past
// it, with the status line, the message box or the minimal-form group that tells the user.
#include "../program/okno_programu.h"

#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "display/panel.h"
#include "display/updown.h"
#include "engine/przebieg_w_tle.h"
#include "funkcje_graniczne.h"
#include "qm/weryfikacja.h"

#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

using vyn::gui::Program;
using vyn::gui::TForm1;

class GraniceOknaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;
    std::unique_ptr<QSignalSpy> start, koniec;
    testy::ZamykaczKomunikatow zamykacz;
    QStringList& komunikaty = zamykacz.Teksty; // the message boxes shown, each closed with OK

  private slots:
    void init() {
        komunikaty.clear();
        p = testy::NowyProgram();
        f = p->Form1();
        QVERIFY(QTest::qWaitForWindowActive(f));
        start = std::make_unique<QSignalSpy>(p->Przebieg(), &PrzebiegMinimalizacji::Rozpoczeto);
        koniec = std::make_unique<QSignalSpy>(p.get(), &Program::PrzebiegZakonczony);
    }
    void cleanup() {
        start.reset();
        koniec.reset();
        p.reset();
    }

    void twenty_six_letters_fill_the_encoding_and_a_group_takes_no_more() {
        const QString alfabet = QString::fromStdString(granice::Alfabet);
        testy::Wpisz(f, alfabet + u' ' + alfabet.toLower());
        QCOMPARE(f->SBznaki->text(), alfabet);
        QCOMPARE(f->SBznaki->width(), 8 * 26 + 10);
        testy::Minimalizuj(p.get(), 120000);
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna jedyna"));
        QCOMPARE(f->LabelMinLiter->text(), QStringLiteral("Ilość liter: 52"));
        testy::FormyToFunkcja(f);

        // The group at the cursor holds every letter: each key is refused in the status line.
        const std::string przed = f->Funkcja();
        testy::Wpisz(f, QStringLiteral("Qq"));
        QCOMPARE(f->Komunikat(), QStringLiteral("Symbol powtarza się w tej grupie"));
        QCOMPARE(f->Funkcja(), przed);
    }

    void the_largest_number_runs_and_one_more_is_refused() {
        testy::Wpisz(f, QStringLiteral("67108863"));
        QTest::keyClick(f, Qt::Key_Return);
        QTRY_COMPARE(koniec->count(), 1);
        QCOMPARE(f->SBznaki->text(), QString::fromStdString(granice::Alfabet));
        QCOMPARE(f->PostacMinimalna, QString::fromStdString(granice::Alfabet));
        testy::FormyToFunkcja(f);

        // One more: the next key, Enter included, is refused with the range message.
        f->Nowa1Click();
        testy::Wpisz(f, QStringLiteral("67108864"));
        QTest::keyClick(f, Qt::Key_Return);
        QCOMPARE(f->Komunikat(), QString::fromUtf8(vyn::KomunikatZakresu));
        QCOMPARE(start->count(), 1);
        // The Minimize button says the same in a box and starts nothing.
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        QCOMPARE(komunikaty, QStringList{QString::fromUtf8(vyn::KomunikatZakresu)});
        QCOMPARE(start->count(), 1);
        testy::BezPostaci(f);

        // So does a file holding it; the function on show stays.
        QTemporaryDir katalog;
        QFile plik(katalog.filePath(QStringLiteral("za_duza.vyn")));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write("1,67108864\r\n");
        plik.close();
        QVERIFY(!p->Otworz(plik.fileName()));
        QCOMPARE(komunikaty.size(), 2);
        QVERIFY(komunikaty.last().contains(plik.fileName()));
        QVERIFY(komunikaty.last().endsWith(QString::fromUtf8(vyn::KomunikatZakresu)));
        QCOMPARE(f->Funkcja(), std::string("67108864"));
    }

    void a_table_at_its_last_place_and_one_past_data() {
        QTest::addColumn<int>("terminy");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("99999 terminów") << 99999 << QString();
        QTest::newRow("100000 terminów")
            << 100000 << QStringLiteral("Przekroczona pojemność tablicy");
    }
    void a_table_at_its_last_place_and_one_past() {
        QFETCH(int, terminy);
        QFETCH(QString, komunikat);
        testy::UstawFunkcje(f, granice::FunkcjaTablicy(static_cast<std::size_t>(terminy)), false);
        testy::Minimalizuj(p.get(), 120000);
        QCOMPARE(f->Komunikat(), komunikat);
        if (komunikat.isEmpty()) {
            QCOMPARE(komunikaty, QStringList());
            QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna jedyna"));
            testy::FormyToFunkcja(f);
        } else {
            QCOMPARE(komunikaty, QStringList{komunikat});
            testy::BezPostaci(f);
        }
    }

    void the_canonical_form_at_100000_minterms_and_one_past_data() {
        QTest::addColumn<int>("mintermy");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("100000 mintermów") << 100000 << QString();
        QTest::newRow("100001 mintermów")
            << 100001
            << QStringLiteral("Postać kanoniczna funkcji ma więcej niż 100000 składników");
    }
    void the_canonical_form_at_100000_minterms_and_one_past() {
        QFETCH(int, mintermy);
        QFETCH(QString, komunikat);
        testy::UstawFunkcje(f, granice::OdosobnioneMintermy(static_cast<std::size_t>(mintermy)),
                            true);
        QCOMPARE(f->Label5->text(), QStringLiteral("Ilość składników : %1").arg(mintermy));
        testy::Minimalizuj(p.get(), 120000);
        if (komunikat.isEmpty()) {
            QCOMPARE(komunikaty, QStringList());
            QCOMPARE(vyn::PoliczGrupy(f->KanonicznaDziesietna.toStdString()), mintermy);
            QCOMPARE(f->PaintBox3->zawartosc().Tekst, f->KanonicznaDziesietna);
            testy::FormyToFunkcja(f);
        } else {
            QCOMPARE(komunikaty, QStringList{komunikat});
            testy::BezPostaci(f);
            QCOMPARE(f->KanonicznaDziesietna, QString());
        }
    }

    void a_thousand_forms_fill_the_stepper_and_more_are_noted() {
        testy::UstawFunkcje(f, granice::Suma(granice::Czterdziesci, granice::DwadziesciaPiec),
                            true);
        testy::Minimalizuj(p.get(), 120000);
        QCOMPARE(f->IloscMinimalnych, 1000);
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 1 z 1000"));
        QCOMPARE(f->UpDown1->Max(), 1000);
        QCOMPARE(f->Komunikat(), QString());
        testy::FormyToFunkcja(f);
        f->UpDown1->UstawPozycje(999);
        QTest::mouseClick(f->UpDown1->PrzyciskGora(), Qt::LeftButton);
        QTest::mouseClick(f->UpDown1->PrzyciskGora(), Qt::LeftButton); // no step past the last
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 1000 z 1000"));
        QCOMPARE(f->PostacMinimalna, f->Postac(1000));

        // 1040 forms: the first 1000 are kept and the status line says there are more.
        testy::UstawFunkcje(f, granice::Suma(granice::Czterdziesci, granice::DwadziesciaSzesc),
                            true);
        testy::Minimalizuj(p.get(), 120000);
        QCOMPARE(f->IloscMinimalnych, 1000);
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 1 z 1000"));
        QCOMPARE(f->Komunikat(),
                 QStringLiteral("Zachowano pierwsze 1000 postaci minimalnych, jest ich więcej"));
        testy::FormyToFunkcja(f);
    }
};

QTEST_MAIN(GraniceOknaTest)
#include "granice_okna_test.moc"

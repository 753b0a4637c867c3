// Files and the report through the program: Open and Save as, the file named on the command
// line, and the report built from what the window holds after a run.
#include "okno_programu.h"

#include "app/aplikacja.h"

#include "display/panel.h"
#include "display/updown.h"
#include "engine/formmin.h"
#include "input/formkod.h"
#include "report/konfiguracja_raportu.h"
#include "report/podglad_raportu.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>

using vyn::gui::Program;
using vyn::gui::TForm1;

class PlikiProgramuTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;
    std::unique_ptr<QTemporaryDir> katalog;

    QString Plik(const QString& nazwa, const QByteArray& tresc) {
        const QString sciezka = katalog->filePath(nazwa);
        QFile plik(sciezka);
        if (plik.open(QIODevice::WriteOnly))
            plik.write(tresc);
        return sciezka;
    }
    // What the user sees of the function: text, notation label and the two counts.
    QStringList Funkcja() const {
        return {QString::fromStdString(f->Funkcja()),
                f->LabelSigma->text(),
                f->Label5->text(),
                f->Label6->text(),
                QString::number(f->Edytor.IloscLiter),
                f->Label6->isVisibleTo(f) ? "litery" : "liczby"};
    }

  private slots:
    void init() {
        p = testy::NowyProgram();
        f = p->Form1();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        katalog = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        p.reset();
        katalog.reset();
    }

    // Found by the random session: the letter count label follows the notation the file gives.
    void an_empty_file_leaves_the_letter_count_with_its_notation() {
        testy::Wpisz(f, QStringLiteral("5 7"));
        QVERIFY(f->TrybDziesietny());
        QVERIFY(f->Label6->isHidden());
        QVERIFY(p->Otworz(Plik(QStringLiteral("pusta.vyn"), "\r\n")));
        QCOMPARE(f->Funkcja(), std::string());
        QVERIFY(!f->TrybDziesietny());
        QVERIFY(!f->Label6->isHidden());
        QCOMPARE(f->LabelSigma->text(), QString());
        // The next first character chooses the notation again.
        testy::Wpisz(f, QStringLiteral("3"));
        QVERIFY(f->TrybDziesietny());
        QVERIFY(f->Label6->isHidden());
    }

    void save_then_open_gives_the_same_function_data() {
        QTest::addColumn<QString>("klawisze");
        QTest::newRow("litery z negacja") << "aB C dE";
        QTest::newRow("liczby") << "0 1 5 12";
        QTest::newRow("pusta") << "";
        QTest::newRow("jedna litera") << "z";
    }
    void save_then_open_gives_the_same_function() {
        QFETCH(QString, klawisze);
        testy::Wpisz(f, klawisze);
        const QStringList przed = Funkcja();
        const QString sciezka = katalog->filePath(QStringLiteral("f.vyn"));
        QVERIFY(p->Zapisz(sciezka));
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows - f.vyn"));
        QFile zapisany(sciezka);
        QVERIFY(zapisany.open(QIODevice::ReadOnly));
        QCOMPARE(zapisany.readAll(), QByteArray(f->Funkcja().c_str()) + "\r\n");

        f->Nowa1Click();
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows"));
        QVERIFY(p->Otworz(sciezka));
        QCOMPARE(Funkcja(), przed);
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows - f.vyn"));
        QCOMPARE(vyn::gui::BiezacyTytulAplikacji(), QStringLiteral("f.vyn"));
    }

    void open_takes_the_ascending_order_and_shows_no_old_results() {
        testy::Wpisz(f, QStringLiteral("0 1 2 5 6 7"));
        testy::Minimalizuj(p.get());
        QVERIFY(f->UpDown1->isVisibleTo(f));
        f->PaintBox2MouseDown(100);
        f->PaintBox2MouseMove(40);
        f->PaintBox2MouseUp();
        f->FormKod->UstawTryb(vyn::TrybKodowania::Malejaco);

        QVERIFY(p->Otworz(Plik(QStringLiteral("g.vyn"), "AB+c\r\n")));
        QCOMPARE(f->FormKod->Tryb(), vyn::TrybKodowania::Rosnaco);
        QCOMPARE(f->Kodowanie, QStringLiteral("ABC"));
        QCOMPARE(f->LabelSigma->text(), QStringLiteral("F="));
        QCOMPARE(f->Edytor.IloscLiter, 3);
        QCOMPARE(f->Edytor.PozycjaKursora, 0);
        QCOMPARE(f->PrzesuniecieLiterowej, 0LL);
        // The results of the function that was replaced are gone, from the panes and the report.
        QCOMPARE(f->IloscMinimalnych, 0);
        QCOMPARE(f->PaintBox5->zawartosc().Tekst, QString());
        QCOMPARE(f->PaintBox2->zawartosc().Tekst, QString());
        QCOMPARE(f->ProsteImplikanty, QString());
        QCOMPARE(f->GroupBox2->title(), QStringLiteral("Postać minimalna 0 z 0"));
        QVERIFY(!f->UpDown1->isVisibleTo(f));

        // A Halor map reads as a decimal function.
        QVERIFY(
            p->Otworz(Plik(QStringLiteral("m.hal"), "ABC\r\n3\r\npoziome\r\n0110\r\n0001\r\n")));
        QCOMPARE(f->Funkcja(), std::string("1,3,6"));
        QVERIFY(f->TrybDziesietny());
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows - m.hal"));
    }

    void a_file_that_cannot_be_opened_changes_nothing_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QByteArray>("tresc"); // null: no such file
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("rozszerzenie wielkimi literami")
            << "F.VYN" << QByteArray("AB\r\n") << "Nie mogę otworzyć pliku tego typu";
        QTest::newRow("nieznany typ")
            << "f.txt" << QByteArray("AB\r\n") << "Nie mogę otworzyć pliku tego typu";
        QTest::newRow("brak pliku") << "brak.vyn" << QByteArray() << "brak.vyn";
        QTest::newRow("zla mapa") << "zla.hal" << QByteArray("AB\r\nabc\r\n")
                                  << "'abc' is not a valid integer value";
    }
    void a_file_that_cannot_be_opened_changes_nothing() {
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, tresc);
        QFETCH(QString, komunikat);
        testy::Wpisz(f, QStringLiteral("AB cD"));
        testy::Minimalizuj(p.get());
        QVERIFY(p->Zapisz(katalog->filePath(QStringLiteral("stary.vyn"))));
        f->FormKod->UstawTryb(vyn::TrybKodowania::Malejaco);
        const QStringList przed = Funkcja();
        const QString tytul = f->windowTitle();
        const QString postac = f->PostacMinimalna;

        const auto k = testy::ZamknijKomunikat();
        QVERIFY(!p->Otworz(tresc.isNull() ? katalog->filePath(nazwa) : Plik(nazwa, tresc)));
        QVERIFY(k->Pokazany);
        QCOMPARE(k->Tytul, QStringLiteral("Błąd otwarcia pliku"));
        QVERIFY2(k->Tekst.contains(komunikat), qPrintable(k->Tekst));
        QCOMPARE(Funkcja(), przed);
        QCOMPARE(f->windowTitle(), tytul);
        QCOMPARE(f->PostacMinimalna, postac);
        QCOMPARE(f->FormKod->Tryb(), vyn::TrybKodowania::Malejaco);
    }

    void a_failed_save_is_reported_and_keeps_the_caption() {
        testy::Wpisz(f, QStringLiteral("AB"));
        const auto k = testy::ZamknijKomunikat();
        const QString sciezka = katalog->filePath(QStringLiteral("brak/f.vyn"));
        QVERIFY(!p->Zapisz(sciezka));
        QVERIFY(k->Pokazany);
        QVERIFY2(k->Tekst.contains(sciezka), qPrintable(k->Tekst));
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows"));
    }

    void save_as_through_its_dialog_adds_the_extension() {
        testy::Wpisz(f, QStringLiteral("AB"));
        p->SaveDialog1()->setDirectory(katalog->path());
        GdyPokazane<QFileDialog>([](QFileDialog* d) {
            Wpisz(d, QStringLiteral("nazwa"));
            static_cast<QDialog*>(d)->accept();
        });
        f->Zapiszjako1->trigger();
        QVERIFY(QFile::exists(katalog->filePath(QStringLiteral("nazwa.vyn"))));
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows - nazwa.vyn"));

        // Cancelling Open changes nothing.
        GdyPokazane<QFileDialog>([](QFileDialog* d) { d->reject(); });
        f->Otwrz1->trigger();
        QCOMPARE(f->Funkcja(), std::string("AB"));
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows - nazwa.vyn"));
    }

    void the_file_on_the_command_line_opens_at_start() {
        // Read as the program's own format whatever its name says, in the order already set.
        const QString sciezka = Plik(QStringLiteral("m.hal"), "AcB\r\n2\r\n");
        auto drugi = std::make_unique<Program>();
        drugi->Form1()->FormKod->UstawTryb(vyn::TrybKodowania::Malejaco);
        drugi->Uruchom({sciezka});
        TForm1* okno = drugi->Form1();
        QTRY_COMPARE(okno->Funkcja(), std::string("AcB"));
        QVERIFY(okno->isVisible());
        QCOMPARE(okno->windowTitle(), QStringLiteral("VYN dla Windows - m.hal"));
        QCOMPARE(okno->FormKod->Tryb(), vyn::TrybKodowania::Malejaco);
        QCOMPARE(okno->Kodowanie, QStringLiteral("CBA"));
        drugi.reset();

        // The command line keeps "." (the Open command would make it ","), which no function
        // holds: a message, and the program goes on without a function.
        const auto k = testy::ZamknijKomunikat();
        QVERIFY(!p->OtworzZWierszaPolecen(Plik(QStringLiteral("k.vyn"), "1.3\r\n")));
        QVERIFY(k->Pokazany);
        QCOMPARE(f->Funkcja(), std::string());
        QCOMPARE(f->windowTitle(), QStringLiteral("VYN dla Windows"));
        QVERIFY(f->isVisible());
    }

    void the_report_after_a_run_reads_the_window() {
        testy::Wpisz(f, QStringLiteral("0 1 2 5 6 7"));
        testy::Minimalizuj(p.get());
        f->Konfiguruj1Click();
        auto* konfiguracja = p->FormRaportKonfiguracja();
        QVERIFY(konfiguracja->isVisible());
        konfiguracja->findChild<QCheckBox*>(QStringLiteral("CheckBox7"))->click(); // "domyślne"
        f->Podgld1Click();
        QVERIFY(p->FormRaportPodglad()->isVisible());
        const QStringList oczekiwane{
            "Funkcja wejściowa",
            "0,1,2,5,6,7",
            "",
            "Proste implikanty",
            "ab,ac,bC,Bc,AC,AB",
            "",
            "",
            "Funkcji minimalnych równoważnych: 2",
            "",
            "1)",
            "ab+Bc+AC",
            "",
            "2)",
            "bC+AB+ac",
            "",
            "",
            "Czas minimalizacji: " +
                vyn::gui::CzasDlugi(QTime(0, 0).addSecs(p->FormMin()->CzasMinimalizacji()))};
        QCOMPARE(p->FormRaportPodglad()->Linie(), oczekiwane);

        // After New the report holds no results of the function that is gone.
        f->Nowa1Click();
        f->Podgld1Click();
        QVERIFY(p->FormRaportPodglad()->Linie().contains("Funkcji minimalnych równoważnych: 0"));
        QVERIFY(!p->FormRaportPodglad()->Linie().contains("ab,ac,bC,Bc,AC,AB"));
    }

    void the_time_is_written_without_a_time_zone() {
        const QTime czas(13, 2, 3);
        const QString tekst = vyn::gui::CzasDlugi(czas);
        QVERIFY2(QLocale::system().toString(czas, QLocale::LongFormat).startsWith(tekst),
                 qPrintable(tekst));
        QVERIFY2(tekst.contains(QStringLiteral("02")) && tekst.contains(QStringLiteral("03")),
                 qPrintable(tekst));
        const QString strefa =
            QTimeZone::systemTimeZone().abbreviation(QDateTime::currentDateTime());
        QVERIFY2(strefa.isEmpty() || !tekst.contains(strefa), qPrintable(tekst));
        QVERIFY(!tekst.contains(QStringLiteral("UTC")));
    }
};

QTEST_MAIN(PlikiProgramuTest)
#include "pliki_test.moc"

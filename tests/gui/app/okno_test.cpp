// What the random session cannot judge: where each message shows, a long run stopped by the user,
// don't-cares through a file, a run and the report, PLA files, the encoding dialog's OK and
// Cancel, and function files read in pieces and written whole.
#include "okno_testowe.h"

#include "files/pliki_funkcji.h"
#include "input/formkod.h"
#include "qm/pojemnosc.h"
#include "report/podglad_raportu.h"
#include "text/edytor.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

using namespace vyn::gui;

const auto DuzoPamieci = [] { return std::optional<std::uint64_t>(std::uint64_t{64} << 30); };

class OknoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;
    QTemporaryDir katalog;

    QString Plik(const char* n, const QByteArray& t) { return testy::Plik(katalog, n, t); }
    // A run's end as the window gets it: one form of the given cost, the bound and flags given.
    std::function<void()> Koniec(bool przerwano, int koszt, int granica, bool obcieto = false,
                                 bool niepelne = false) {
        vyn::WynikMinimalizacji w;
        w.Stan = vyn::StanPrzebiegu::Zakonczony;
        w.PostacieMinimalne.Dodaj("AB");
        w.Przerwano = przerwano, w.Obcieto = obcieto, w.KosztPostaci = koszt;
        w.DowiedzionaGranica = granica, w.MinimalnaDowiedziona = koszt > 0 && koszt == granica;
        return [this, w, niepelne] { f->RozpocznijPrzebieg(), f->ZakonczPrzebieg(w, niepelne); };
    }
    std::function<void()> Uruchom(const char* funkcja, bool dziesietna) {
        return [=, this] { testy::UstawFunkcje(f, funkcja, dziesietna), p->SpeedButton3Click(); };
    }

  private slots:
    void init() { p = testy::NowyProgram(), f = p->Form1(), p->PamiecDostepna = DuzoPamieci; }
    void cleanup() { p.reset(); }

    void each_message_shows_in_its_place() {
        const QString duzy = Plik("duzy.pla", ".i 18\n.o 1\n1----------------- 1\n"); // 2^17
        enum Miejsce { Linia = 1, Okno = 2, Oba = 3 }; // the status line, a message box
        const std::tuple<std::function<void()>, QString, Miejsce> przypadki[] = {
            {[&] { testy::Wpisz(f, ";"); }, vyn::KomunikatSrednikNaPoczatku, Linia},
            {Uruchom("1,67108864", true), QString::fromUtf8(vyn::KomunikatZakresu), Okno},
            {Uruchom("abcd+ABCDEFGHIJKLMNOPQRST", false), "Przekroczona pojemność tablicy", Oba},
            // A raised capacity reaches imports and runs, and memory gone since is checked again.
            {[&] {
                 QVERIFY(p->ImportujPla(duzy).has_value()); // past the default limit
                 QCOMPARE(p->UstawPojemnosc(200000), std::nullopt);
                 QCOMPARE(p->ImportujPla(duzy), std::nullopt);
                 p->PamiecDostepna = [] { return std::optional<std::uint64_t>(1 << 20); };
                 p->SpeedButton3Click();
             },
             QString::fromStdString(*vyn::SprawdzPojemnosc(200000, 18, 1 << 20)), Okno},
            {[&] { p->ImportujPla(duzy), p->SpeedButton3Click(); },
             QString::fromStdString(vyn::KomunikatTablicy(200000)), Oba},
            // The notes a stopped or cut run leaves: how far the form shown can be from the least.
            {Koniec(true, 535, 498),
             "Minimalizację przerwano – koszt postaci 535, dolna granica 498 (najwyżej o 37 od "
             "minimum)",
             Linia},
            {Koniec(true, 503, 503),
             "Minimalizację przerwano – postać minimalna (koszt 503), lista postaci może być "
             "niepełna",
             Linia},
            {Koniec(true, 0, 0), "Minimalizację przerwano – wynik może nie być minimalny", Linia},
            {Koniec(true, 535, 498, false, true),
             "Minimalizację przerwano przed znalezieniem postaci minimalnej", Linia},
            {Koniec(false, 5, 5, true), "Zachowano pierwsze 1 postaci minimalnych, jest ich więcej",
             Linia},
            {Koniec(true, 0, 0, true),
             "Minimalizację przerwano – wynik może nie być minimalny; zachowano pierwsze 1 "
             "postaci minimalnych, jest ich więcej",
             Linia},
        };
        for (const auto& [akcja, tekst, gdzie] : przypadki) {
            f->Nowa1Click(), f->UstawKomunikat({}), p->PamiecDostepna = DuzoPamieci;
            testy::ZamykaczKomunikatow k;
            akcja();
            QTRY_VERIFY_WITH_TIMEOUT(!p->Przebieg()->Trwa() && !f->PrzebiegTrwa(), 20000);
            QTRY_COMPARE(k.Teksty, gdzie & Okno ? QStringList{tekst} : QStringList{});
            QCOMPARE(f->Komunikat(), gdzie & Linia ? tekst : QString());
            QVERIFY(!(gdzie & Okno) || f->IloscMinimalnych == 0);
        }
    }

    void a_long_run_goes_on_in_the_background_and_przerwij_stops_it() {
        testy::UstawFunkcje(f, testy::FunkcjaDluga, true);
        QSignalSpy start(p->Przebieg(), &PrzebiegMinimalizacji::Rozpoczeto);
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        QVERIFY(p->Przebieg()->Trwa() && p->FormMin()->isVisible());
        // Meanwhile the clock ticks, the search's labels arrive and another start reaches nothing.
        QTRY_VERIFY_WITH_TIMEOUT(p->FormMin()->Label4->text().startsWith("minimalnych: "), 30000);
        QTRY_VERIFY(p->FormMin()->CzasMinimalizacji() >= 1);
        QTest::keyClick(f, Qt::Key_Return);
        p->SpeedButton3Click();
        QCOMPARE(start.count(), 1);

        // Until the worker has stopped, the window says so with a busy cursor.
        p->FormMin()->BitBtn1->click();
        QVERIFY(f->Komunikat().startsWith(QStringLiteral("Przerywanie minimalizacji")));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTRY_VERIFY_WITH_TIMEOUT(!f->PrzebiegTrwa(), 10000);
        QVERIFY(!QGuiApplication::overrideCursor());

        // The form shown, its cost, and how far from the least cost it can be at most.
        const std::string postac = f->PostacMinimalna.toStdString();
        const QString uwaga = QStringLiteral("Minimalizację przerwano – koszt postaci %1, dolna "
                                             "granica ")
                                  .arg(vyn::IloscZnakow(postac) + vyn::PoliczGrupy(postac));
        QVERIFY2(f->Komunikat().startsWith(uwaga), qPrintable(f->Komunikat()));
        const auto blad = testy::BladPostaci(f, testy::FunkcjaDluga, true, "ABCDEFGHIJ");
        QVERIFY2(!blad, blad.value_or("").c_str());
        // The time kept is the clock's last value, as shown.
        QCOMPARE(f->CzasMinimalizacji.toString("HH:mm:ss"), p->FormMin()->CzasMinimalizacjiTekst());
    }

    void pla_export_and_import_through_the_window_keep_the_function() {
        testy::Wpisz(f, QStringLiteral("AB aC;Abc")); // 6,7 and 1,3; the don't-care 4
        QCOMPARE(p->EksportujPla(katalog.filePath("funkcja.pla"), false), std::nullopt);
        QVERIFY(p->EksportujPla(katalog.filePath("postac.pla"), true).has_value()); // no form yet
        QCOMPARE(p->ImportujPla(katalog.filePath("funkcja.pla")), std::nullopt);
        QCOMPARE(f->SBznaki->text(), QStringLiteral("ABC"));
        QCOMPARE(f->Funkcja(), std::string("1,3,6,7;4"));

        // The minimal form on show, aC + AB, goes out as its cubes: read back, its minterms.
        testy::Minimalizuj(p.get());
        QCOMPARE(p->EksportujPla(katalog.filePath("postac.pla"), true), std::nullopt);
        QCOMPARE(p->ImportujPla(katalog.filePath("postac.pla")), std::nullopt);
        QCOMPARE(f->Funkcja(), std::string("1,3,6,7"));

        // Of several outputs the user picks one; a cancel or a bad file keeps the function.
        const QString dwa = Plik("dwa.pla", ".i 2\n.o 2\n.ob f g\n01 10\n10 01\n11 11\n.e\n");
        for (auto [wybor, funkcja] : {std::pair{1, "2,3"}, {-1, "2,3"}, {0, "1,3"}}) {
            p->WybierzWyjscie = [w = wybor](const QStringList& nazwy) {
                return nazwy.size() == 2 && w >= 0 ? std::optional<int>(w) : std::nullopt;
            };
            QCOMPARE(p->ImportujPla(dwa).has_value(), wybor < 0);
            QCOMPARE(f->Funkcja(), std::string(funkcja));
        }
        QVERIFY(p->ImportujPla(Plik("zly.pla", ".i 2\n.o 1\n0x 1\n"))->contains(u'3'));
        QCOMPARE(f->Funkcja(), std::string("1,3"));
    }

    // 1, 3, 5 need aC + bC; with 7 a don't-care the form is C alone.
    void dont_cares_go_through_a_vyn_file_the_run_and_the_report() {
        testy::Wpisz(f, QStringLiteral("1 3 5;7"));
        QVERIFY(f->Label5->text().endsWith(QStringLiteral(", obojętne : 1")));
        const QString plik = katalog.filePath(QStringLiteral("r14.vyn"));
        QVERIFY(p->Zapisz(plik) && f->windowTitle().endsWith(QStringLiteral(" - r14.vyn")));
        f->Nowa1Click();
        QVERIFY(p->Otworz(plik));
        QCOMPARE(f->Funkcja(), std::string("1,3,5;7"));
        testy::Minimalizuj(p.get());
        QCOMPARE(f->PostacMinimalna, QStringLiteral("C"));
        p->Podgld1Click();
        const QStringList linie = p->FormRaportPodglad()->Linie();
        QVERIFY(p->FormRaportPodglad()->isVisible() && linie.contains("1,3,5;7") &&
                linie.contains("C"));
        QCOMPARE(DaneRaportuOkna(*f).ObojetneDziesietnie, "7"); // for the sections that show them
    }

    void encoding_dialog_ok_checks_the_typed_order_and_cancel_restores_the_opening() {
        vyn::gui::TFormKod* d = f->FormKod;
        QStringList ostrzezenia;
        d->Ostrzez = [&](const QString& t) { ostrzezenia << t; };
        const char* const przypadki[][4] = {
            // function, order typed, warning, indicator after OK
            {"AB C", "cab", "", "CAB"},
            {"AB C", "AB", "Za mało liter kodujących.\nFunkcja wymaga ich trzy.", "ABC"},
            {"", "ab", "", ""}, // no letter is needed, so none is too many
        };
        for (auto [funkcja, litery, ostrzezenie, wskaznik] : przypadki) {
            f->Nowa1Click(), ostrzezenia.clear();
            d->UstawTryb(vyn::TrybKodowania::Rosnaco);
            testy::Wpisz(f, funkcja);
            d->open();
            QTest::mouseClick(d->RBuu, Qt::LeftButton);
            d->Edit1->clear();
            QTest::keyClicks(d->Edit1, litery);
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            if (!d->isVisible())
                f->FormActivate(); // the main window is active again
            QCOMPARE(ostrzezenia,
                     *ostrzezenie ? QStringList{QString::fromUtf8(ostrzezenie)} : QStringList{});
            // Refused: still open to be corrected, nothing applied, Cancel puts the mode back;
            // accepted: the order no longer follows the function.
            QCOMPARE(d->isVisible(), *ostrzezenie != 0);
            if (*ostrzezenie)
                QTest::mouseClick(d->BitBtn2, Qt::LeftButton), f->FormActivate();
            else
                testy::Wpisz(f, QStringLiteral(" D"));
            QVERIFY(!d->isVisible() && d->RBuu->isChecked() == !*ostrzezenie);
            QCOMPARE(f->SBznaki->text(), QString::fromLatin1(wskaznik));
            QCOMPARE(f->Kodowanie, QString::fromLatin1(*ostrzezenie ? wskaznik : litery).toUpper());
        }
        // Closing is a cancel too: the opening's mode (typed order) and empty text come back.
        d->open(), d->Edit1->setText(QStringLiteral("BA"));
        QTest::mouseClick(d->RBar, Qt::LeftButton), d->close();
        QVERIFY(d->RBuu->isChecked() && d->Edit1->isEnabled() && d->TekstUzytkownika().isEmpty());
    }

    void files_are_read_in_pieces_and_written_whole() {
        // Line 1's CR ends the first 64 KiB piece and its LF starts the next: still one break.
        auto dluga = QByteArray(65535, 'A') + "\r\n2\r\n\r\n01\r\n10\r\n";
        QCOMPARE(OtworzPlik(Plik("dluga.hal", dluga)).Plik.Funkcja, "1,2");
        dluga = QByteArray("12345,").repeated(40000) + "\r\nB\r\n";
        QCOMPARE(OtworzPlik(Plik("dluga.vyn", dluga)).Plik.Funkcja.size(), 240000u);
        // From the command line, the own format whatever the extension.
        QCOMPARE(OtworzZWierszaPolecen(Plik("m.hal", "AB\r\n2\r\n\r\n11\r\n")).Plik.Funkcja, "AB");
        QCOMPARE(OtworzZWierszaPolecen(Plik("f.vyn", "1.3\r\n")).Stan, StanOtwarcia::Blad);

        const QString sciezka = Plik("f.vyn", QByteArray(1000, 'x')); // an older, longer file
        QVERIFY(!ZapiszFunkcje(sciezka, "aB+C"));
        QFile plik(sciezka);
        QVERIFY(plik.open(QIODevice::ReadOnly));
        QCOMPARE(plik.readAll(), QByteArray("aB+C\r\n"));
        const QString brak = katalog.filePath("brak/f.vyn");
        QVERIFY(ZapiszFunkcje(brak, "AB").value_or("").startsWith("Cannot create file " + brak));
        QVERIFY(QDir(katalog.path()).mkdir("folder.vyn"));
        QVERIFY(ZapiszFunkcje(katalog.filePath("folder.vyn"), "AB"));
        QCOMPARE(OtworzZWierszaPolecen(katalog.filePath("folder.vyn")).Stan, StanOtwarcia::Blad);
    }
};

QTEST_MAIN(OknoTest)
#include "okno_test.moc"

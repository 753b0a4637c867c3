// The main window where the random session cannot judge it: where each message shows, a long
// run on its worker thread stopped by the user, the don't-cares shown apart, PLA and .vyn files
// through the window, and the report.
#include "okno_testowe.h"

#include "controls/transbtn.h"
#include "display/panel.h"
#include "input/formkod.h"
#include "qm/pojemnosc.h"
#include "report/podglad_raportu.h"
#include "text/edytor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include <functional>

using namespace vyn::gui;

namespace {

// A run's end as the window gets it: a form of the given cost, stopped or not, with or
// without a bound proved, with more forms left out or not.
vyn::WynikMinimalizacji Koniec(bool przerwano, int koszt, int granica, bool obcieto = false) {
    vyn::WynikMinimalizacji w;
    w.Stan = vyn::StanPrzebiegu::Zakonczony;
    w.PostacieMinimalne.Dodaj("AB");
    w.Przerwano = przerwano, w.Obcieto = obcieto;
    w.KosztPostaci = koszt, w.DowiedzionaGranica = granica;
    w.MinimalnaDowiedziona = koszt > 0 && koszt == granica;
    return w;
}

const auto DuzoPamieci = [] { return std::optional<std::uint64_t>(std::uint64_t{64} << 30); };
const auto MaloPamieci = [] { return std::optional<std::uint64_t>(1 << 20); };

} // namespace

class OknoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;
    QTemporaryDir katalog;

    QString Plik(const char* nazwa, const char* tresc) {
        QFile plik(katalog.filePath(QString::fromLatin1(nazwa)));
        return plik.open(QIODevice::WriteOnly) && plik.write(tresc) ? plik.fileName() : QString();
    }
    std::function<void()> Zakoncz(vyn::WynikMinimalizacji w, bool niepelne = false) {
        return [this, w, niepelne] { f->RozpocznijPrzebieg(), f->ZakonczPrzebieg(w, niepelne); };
    }
    std::function<void()> Uruchom(const char* funkcja, bool dziesietna, QString litery = {}) {
        return [=, this] {
            if (!litery.isEmpty()) { // as after the encoding dialog's OK with this order
                f->FormKod->UstawTryb(vyn::TrybKodowania::Uzytkownika);
                f->FormKod->Edit1->setText(litery);
                f->SBznaki->setText(litery);
            }
            testy::UstawFunkcje(f, funkcja, dziesietna);
            p->SpeedButton3Click();
        };
    }

  private slots:
    void init() {
        p = testy::NowyProgram();
        f = p->Form1();
        p->PamiecDostepna = DuzoPamieci;
    }
    void cleanup() { p.reset(); }

    void each_message_shows_in_its_place() {
        const QString duzy = Plik("duzy.pla", ".i 18\n.o 1\n1----------------- 1\n"); // 2^17
        enum Miejsce { Linia = 1, Okno = 2, Oba = 3 }; // the status line, a message box
        const std::tuple<std::function<void()>, QString, Miejsce> przypadki[] = {
            {[&] { testy::Wpisz(f, ";"); }, vyn::KomunikatSrednikNaPoczatku, Linia},
            {[&] { testy::Wpisz(f, "0 1;2;"); }, vyn::KomunikatDrugiSrednik, Linia},
            {[&] { testy::Wpisz(f, "1 2;2 "); },
             QString::fromStdString(*vyn::PowtorzenieObojetnych("1,2;2", true)), Linia},
            {Uruchom("AB+C", false, "AB"), "Litera C nie występuje w kodowaniu AB", Okno},
            {Uruchom("1,67108864", true), QString::fromUtf8(vyn::KomunikatZakresu), Okno},
            {Uruchom("abcd+ABCDEFGHIJKLMNOPQRST", false), "Przekroczona pojemność tablicy", Oba},
            // A raised capacity reaches imports and runs, and memory gone since is checked again.
            {[&] {
                 QVERIFY(p->ImportujPla(duzy).has_value()); // past the default limit
                 QCOMPARE(p->UstawPojemnosc(200000), std::nullopt);
                 QCOMPARE(p->ImportujPla(duzy), std::nullopt);
                 p->PamiecDostepna = MaloPamieci;
                 p->SpeedButton3Click();
             },
             QString::fromStdString(*vyn::SprawdzPojemnosc(200000, 18, 1 << 20)), Okno},
            {[&] { p->ImportujPla(duzy), p->SpeedButton3Click(); },
             QString::fromStdString(vyn::KomunikatTablicy(200000)), Oba},
            // The notes a stopped or cut run leaves: how far the form shown can be from the least.
            {Zakoncz(Koniec(true, 535, 498)),
             "Minimalizację przerwano – koszt postaci 535, dolna granica 498 (najwyżej o 37 od "
             "minimum)",
             Linia},
            {Zakoncz(Koniec(true, 503, 503)),
             "Minimalizację przerwano – postać minimalna (koszt 503), lista postaci może być "
             "niepełna",
             Linia},
            {Zakoncz(Koniec(true, 0, 0)), "Minimalizację przerwano – wynik może nie być minimalny",
             Linia},
            {Zakoncz(Koniec(true, 535, 498), true),
             "Minimalizację przerwano przed znalezieniem postaci minimalnej", Linia},
            {Zakoncz(Koniec(false, 5, 5, true)),
             "Zachowano pierwsze 1 postaci minimalnych, jest ich więcej", Linia},
            {Zakoncz(Koniec(true, 0, 0, true)),
             "Minimalizację przerwano – wynik może nie być minimalny; zachowano pierwsze 1 "
             "postaci minimalnych, jest ich więcej",
             Linia},
        };
        for (const auto& [akcja, tekst, gdzie] : przypadki) {
            f->FormKod->UstawTryb(vyn::TrybKodowania::Rosnaco);
            f->Nowa1Click(), f->UstawKomunikat({});
            p->PamiecDostepna = DuzoPamieci;
            testy::ZamykaczKomunikatow k;
            akcja();
            QTRY_VERIFY_WITH_TIMEOUT(!p->Przebieg()->Trwa() && !f->PrzebiegTrwa(), 20000);
            QTRY_COMPARE(k.Teksty, gdzie & Okno ? QStringList{tekst} : QStringList{});
            QCOMPARE(f->Komunikat(), gdzie & Linia ? tekst : QString());
            QVERIFY(!(gdzie & Okno) || f->IloscMinimalnych == 0);
        }
    }

    void a_long_run_goes_on_in_the_background_and_przerwij_stops_it() {
        const auto z = testy::Zadanie(testy::FunkcjaDluga, true);
        testy::UstawFunkcje(f, z.Funkcja, true);
        QSignalSpy start(p->Przebieg(), &PrzebiegMinimalizacji::Rozpoczeto);
        QSignalSpy wynik(p->Przebieg(), &PrzebiegMinimalizacji::Zakonczono);
        QSignalSpy koniec(p.get(), &Program::PrzebiegZakonczony);
        QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        QVERIFY(p->Przebieg()->Trwa() && p->FormMin()->isVisible());
        // The window answers meanwhile: the clock ticks, the search's labels arrive, and
        // another start reaches nothing.
        QTRY_VERIFY_WITH_TIMEOUT(p->FormMin()->Label4->text().startsWith("minimalnych: "), 30000);
        QTRY_VERIFY(p->FormMin()->CzasMinimalizacji() >= 1);
        QTest::keyClick(f, Qt::Key_Return);
        p->SpeedButton3Click();
        QCOMPARE(start.count(), 1);
        QVERIFY(p->Przebieg()->Trwa());

        // Until the worker has stopped, the window says so with a busy cursor.
        p->FormMin()->BitBtn1->click();
        QVERIFY(f->Komunikat().startsWith(QStringLiteral("Przerywanie minimalizacji")));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 10000);
        QVERIFY(testy::Wynik(wynik).Przerwano);
        QVERIFY(!QGuiApplication::overrideCursor());

        // The form shown, its cost, and how far from the least cost it can be at most.
        const std::string postac = f->PostacMinimalna.toStdString();
        const int koszt = vyn::IloscZnakow(postac) + vyn::PoliczGrupy(postac);
        QVERIFY2(f->Komunikat().startsWith(
                     QStringLiteral("Minimalizację przerwano – koszt postaci %1, dolna granica ")
                         .arg(koszt)),
                 qPrintable(f->Komunikat()));
        QCOMPARE(testy::BladPostaci(f, z.Funkcja, true, z.Kodowanie), std::nullopt);
        // The time kept is the clock's last value, as shown.
        QCOMPARE(f->CzasMinimalizacji.toString(QStringLiteral("HH:mm:ss")),
                 p->FormMin()->CzasMinimalizacjiTekst());
        QVERIFY(f->CzasMinimalizacji >= QTime(0, 0, 1));
    }

    // 1, 3, 5 need aC + bC; with 7 a don't-care the form is C alone.
    void dont_cares_are_counted_shown_and_reported_apart() {
        testy::Wpisz(f, QStringLiteral("1 3 5;7"));
        QVERIFY(f->Label5->text().endsWith(QStringLiteral(", obojętne : 1")));
        QCOMPARE(f->PaintBox1->zawartosc().Obojetne, 5);
        testy::Minimalizuj(p.get());
        QCOMPARE(f->PostacMinimalna, QStringLiteral("C"));
        QCOMPARE(f->KanonicznaDziesietna, QStringLiteral("1,3,5"));
        QCOMPARE(f->ObojetneDziesietnie, QStringLiteral("7"));
        QCOMPARE(f->ObojetneLiterowo, QStringLiteral("ABC"));
        QCOMPARE(f->PaintBox3->zawartosc().Obojetne, 5);
        const vyn::DaneRaportu d = DaneRaportuOkna(*f);
        QCOMPARE(QString::fromStdString(d.ObojetneDziesietnie), f->ObojetneDziesietnie);
    }

    void pla_export_and_import_through_the_window_keep_the_function() {
        testy::Wpisz(f, QStringLiteral("AB aC;Abc"));
        const std::string kodowanie = f->SBznaki->text().toStdString();
        const auto wlaczone = vyn::MintermyFunkcji(f->Funkcja(), false, kodowanie);
        const auto obojetne = vyn::ObojetneFunkcji(f->Funkcja(), false, kodowanie);
        const QString funkcjaPla = katalog.filePath("funkcja.pla");
        QCOMPARE(p->EksportujPla(funkcjaPla, false), std::nullopt);
        QVERIFY(p->EksportujPla(katalog.filePath("postac.pla"), true).has_value()); // no form yet
        QCOMPARE(p->ImportujPla(funkcjaPla), std::nullopt);
        QVERIFY(f->TrybDziesietny());
        QCOMPARE(f->SBznaki->text().toStdString(), kodowanie);
        QCOMPARE(vyn::MintermyFunkcji(f->Funkcja(), true, kodowanie), wlaczone);
        QCOMPARE(vyn::ObojetneFunkcji(f->Funkcja(), true, kodowanie), obojetne);

        // The minimal form on show goes out as its cubes: read back, it has the form's minterms.
        testy::Minimalizuj(p.get());
        const std::string postac = f->PostacMinimalna.toStdString();
        QCOMPARE(p->EksportujPla(katalog.filePath("postac.pla"), true), std::nullopt);
        QCOMPARE(p->ImportujPla(katalog.filePath("postac.pla")), std::nullopt);
        QCOMPARE(vyn::MintermyFunkcji(f->Funkcja(), true, kodowanie),
                 vyn::MintermyFunkcji(postac, false, kodowanie));

        // Of several outputs the user picks one; a cancel or a bad file keeps the function.
        const QString dwa = Plik("dwa.pla", ".i 2\n.o 2\n.ob f g\n01 10\n10 01\n11 11\n.e\n");
        for (auto [wybor, funkcja] : {std::pair{1, "2,3"}, {-1, "2,3"}, {0, "1,3"}}) {
            p->WybierzWyjscie = [wybor](const QStringList& nazwy) {
                return nazwy.size() == 2 && wybor >= 0 ? std::optional<int>(wybor) : std::nullopt;
            };
            QCOMPARE(p->ImportujPla(dwa).has_value(), wybor < 0);
            QCOMPARE(f->Funkcja(), std::string(funkcja));
        }
        QVERIFY(p->ImportujPla(Plik("zly.pla", ".i 2\n.o 1\n0x 1\n"))->contains(u'3'));
        QCOMPARE(f->Funkcja(), std::string("1,3"));
    }

    void a_vyn_file_saved_opens_as_the_same_function_and_the_report_shows_the_run() {
        testy::UstawFunkcje(f, "ABC+ABc+aC", false);
        const QString plik = katalog.filePath(QStringLiteral("r14.vyn"));
        QVERIFY(p->Zapisz(plik));
        QVERIFY(f->windowTitle().endsWith(QStringLiteral("r14.vyn")));
        f->Nowa1Click();
        QVERIFY(p->Otworz(plik));
        QCOMPARE(f->Funkcja(), std::string("ABC+ABc+aC"));
        testy::Minimalizuj(p.get());
        QCOMPARE(testy::BladPostaci(f, "ABC+ABc+aC", false, "ABC"), std::nullopt);
        QCOMPARE(f->IloscMinimalnych, 1); // AB+aC
        p->Podgld1Click();
        QVERIFY(p->FormRaportPodglad()->isVisible());
        QVERIFY(p->FormRaportPodglad()->Linie().join(u'\n').contains(f->PostacMinimalna));
    }
};

QTEST_MAIN(OknoTest)
#include "okno_test.moc"

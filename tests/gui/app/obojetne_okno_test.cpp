// The window's side of don't-care terms, PLA files and the session's table capacity: ";" typed
// and refused, the don't-cares shown apart, PLA import (one output, the output picker, a bad
// file), export read back as the same function, and a raised capacity checked and applied.
#include "app/form1.h"
#include "app/program.h"
#include "controls/transbtn.h"
#include "display/panel.h"
#include "input/formkod.h"
#include "okno_testowe.h"
#include "qm/pojemnosc.h"
#include "qm/weryfikacja.h"
#include "text/edytor.h"
#include "text/funkcja.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <set>

using namespace vyn::gui;

namespace {

// The numbers of a decimal text, as a set.
std::set<int> Liczby(const QString& tekst) {
    std::set<int> wynik;
    for (const auto& m : QRegularExpression(QStringLiteral("\\d+")).globalMatch(tekst))
        wynik.insert(m.captured().toInt());
    return wynik;
}

// Closes the next message box, keeping its text.
void ZamknijKomunikat(QString& tekst) {
    auto* zegar = new QTimer;
    QObject::connect(zegar, &QTimer::timeout, [zegar, &tekst] {
        if (auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            tekst = okno->text();
            zegar->stop();
            zegar->deleteLater();
            okno->accept();
        }
    });
    zegar->start(10);
}

QString Zapisz(const QTemporaryDir& katalog, const char* nazwa, const char* tresc) {
    const QString sciezka = katalog.filePath(QString::fromLatin1(nazwa));
    QFile plik(sciezka);
    plik.open(QIODevice::WriteOnly);
    plik.write(tresc);
    return sciezka;
}

} // namespace

class ObojetneOkno : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;
    QTemporaryDir katalog;

    // Types the text key by key: "+" and "," as the space bar, ";" with its own key.
    void Pisz(QString tekst) {
        tekst.replace(u'+', u' ').replace(u',', u' ');
        const QStringList czesci = tekst.split(u';');
        for (int i = 0; i < czesci.size(); ++i) {
            if (i)
                QTest::keyClick(f, Qt::Key_Semicolon);
            testy::Wpisz(f, czesci[i]);
        }
    }

    void Uruchom() {
        QSignalSpy koniec(p.get(), &Program::PrzebiegZakonczony);
        p->SpeedButton3Click();
        QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
    }

  private slots:
    void init() {
        p = std::make_unique<Program>();
        f = p->Form1();
        f->show();
        p->PamiecDostepna = [] { return std::optional<std::uint64_t>(std::uint64_t{64} << 30); };
    }
    void cleanup() { p.reset(); }

    void semicolon_typed_and_refused_reaches_the_status_line_data() {
        QTest::addColumn<QString>("klawisze");
        QTest::addColumn<QString>("funkcja");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("decimal don't-cares") << "0,1,2;3,4"
                                             << "0,1,2;3,4"
                                             << "";
        QTest::newRow("letter don't-cares") << "AB+aC;Abc"
                                            << "AB+aC;Abc"
                                            << "";
        QTest::newRow("first key") << ";"
                                   << "" << vyn::KomunikatSrednikNaPoczatku;
        QTest::newRow("twice") << "0,1;2;"
                               << "0,1;2" << vyn::KomunikatDrugiSrednik;
        QTest::newRow("number in both parts")
            << "1,2;2,"
            << "1,2;2" << QString::fromStdString(*vyn::PowtorzenieObojetnych("1,2;2", true));
        QTest::newRow("group in both parts")
            << "AB+aC;BA+"
            << "AB+aC;BA" << QString::fromStdString(*vyn::PowtorzenieObojetnych("AB+aC;BA", false));
    }
    void semicolon_typed_and_refused_reaches_the_status_line() {
        QFETCH(QString, klawisze);
        QFETCH(QString, funkcja);
        QFETCH(QString, komunikat);
        Pisz(klawisze);
        QCOMPARE(QString::fromStdString(f->Funkcja()), funkcja);
        QCOMPARE(f->Komunikat(), komunikat);
        // The don't-care part is drawn from the ";" on and counted apart.
        const long long srednik = funkcja.indexOf(u';');
        QCOMPARE(f->PaintBox1->zawartosc().Obojetne, srednik);
        QCOMPARE(f->Label5->text().contains(QStringLiteral("obojętne")), srednik >= 0);
    }

    // 1, 3, 5 need aC + bC; with 7 a don't-care the form is C alone.
    void panes_labels_and_report_show_the_dont_cares_apart() {
        Pisz(QStringLiteral("1,3,5;7"));
        QVERIFY(f->Label5->text().endsWith(QStringLiteral("obojętne : 1")));
        Uruchom();
        QCOMPARE(f->PostacMinimalna, QStringLiteral("C"));
        QCOMPARE(Liczby(f->KanonicznaDziesietna), (std::set<int>{1, 3, 5}));
        QCOMPARE(Liczby(f->ObojetneDziesietnie), (std::set<int>{7}));
        QCOMPARE(f->ObojetneLiterowo, QStringLiteral("ABC"));
        for (auto [panel, wymagane, obojetne] :
             {std::tuple{f->PaintBox2, f->KanonicznaLiterowa, f->ObojetneLiterowo},
              std::tuple{f->PaintBox3, f->KanonicznaDziesietna, f->ObojetneDziesietnie}}) {
            QCOMPARE(panel->zawartosc().Tekst, wymagane + u';' + obojetne);
            QCOMPARE(panel->zawartosc().Obojetne, wymagane.size());
        }
        const vyn::DaneRaportu d = DaneRaportuOkna(*f);
        QCOMPARE(QString::fromStdString(d.ObojetneDziesietnie), f->ObojetneDziesietnie);
        QCOMPARE(QString::fromStdString(d.ObojetneLiterowo), f->ObojetneLiterowo);

        // Without a don't-care part the panes are as they always were.
        f->Nowa1Click();
        Pisz(QStringLiteral("1,3,5"));
        Uruchom();
        QCOMPARE(f->PaintBox3->zawartosc().Tekst, f->KanonicznaDziesietna);
        QCOMPARE(f->PaintBox3->zawartosc().Obojetne, -1);
        QVERIFY(!f->Label5->text().contains(QStringLiteral("obojętne")));
    }

    void pla_import_one_output_sets_the_function_and_the_file_letters() {
        const QString sciezka = Zapisz(
            katalog, "jedno.pla", ".i 3\n.o 1\n.ilb x0 x1 x2\n001 1\n011 1\n101 1\n111 -\n.e\n");
        QCOMPARE(p->ImportujPla(sciezka), std::nullopt);
        QCOMPARE(f->Funkcja(), std::string("1,3,5;7"));
        QVERIFY(f->TrybDziesietny());
        QCOMPARE(f->FormKod->Tryb(), vyn::TrybKodowania::Uzytkownika);
        QCOMPARE(f->SBznaki->text(), QStringLiteral("ABC"));
        QCOMPARE(DaneRaportuOkna(*f).LegendaWejsc, std::string("A = x0, B = x1, C = x2"));
        // The legend belongs to the imported function only.
        Pisz(QStringLiteral(",6"));
        QCOMPARE(DaneRaportuOkna(*f).LegendaWejsc, std::string());
    }

    void pla_import_of_several_outputs_asks_which_data() {
        QTest::addColumn<int>("wybor"); // -1: cancelled
        QTest::addColumn<QString>("funkcja");
        QTest::newRow("first") << 0 << "1,3";
        QTest::newRow("second") << 1 << "2,3";
        QTest::newRow("cancelled") << -1 << "0";
    }
    void pla_import_of_several_outputs_asks_which() {
        QFETCH(int, wybor);
        QFETCH(QString, funkcja);
        Pisz(QStringLiteral("0"));
        QStringList pokazane;
        p->WybierzWyjscie = [&](const QStringList& nazwy) {
            pokazane = nazwy;
            return wybor < 0 ? std::nullopt : std::optional<int>(wybor);
        };
        const QString sciezka =
            Zapisz(katalog, "dwa.pla", ".i 2\n.o 2\n.ob f g\n01 10\n10 01\n11 11\n.e\n");
        const auto blad = p->ImportujPla(sciezka);
        QCOMPARE(blad.has_value(), wybor < 0);
        QCOMPARE(pokazane.size(), 2);
        QVERIFY(pokazane[0].contains(u'f') && pokazane[1].contains(u'g'));
        QCOMPARE(QString::fromStdString(f->Funkcja()), funkcja);
    }

    void pla_import_refuses_a_malformed_file_and_keeps_the_function() {
        Pisz(QStringLiteral("AB"));
        const auto blad = p->ImportujPla(Zapisz(katalog, "zly.pla", ".i 2\n.o 1\n0x 1\n"));
        QVERIFY(blad && blad->contains(u'3')); // the line of the fault
        QCOMPARE(f->Funkcja(), std::string("AB"));
        QVERIFY(p->ImportujPla(katalog.filePath("brak.pla")).has_value());
    }

    void pla_export_then_import_gives_the_same_function() {
        Pisz(QStringLiteral("AB+aC;Abc"));
        const std::string kodowanie = f->SBznaki->text().toStdString();
        const auto wlaczone = vyn::MintermyFunkcji(f->Funkcja(), false, kodowanie);
        const auto obojetne = vyn::ObojetneFunkcji(f->Funkcja(), false, kodowanie);
        const QString funkcjaPla = katalog.filePath("funkcja.pla");
        QCOMPARE(p->EksportujPla(funkcjaPla, false), std::nullopt);
        QCOMPARE(p->ImportujPla(funkcjaPla), std::nullopt);
        QCOMPARE(f->SBznaki->text().toStdString(), kodowanie);
        QCOMPARE(vyn::MintermyFunkcji(f->Funkcja(), true, kodowanie), wlaczone);
        QCOMPARE(vyn::ObojetneFunkcji(f->Funkcja(), true, kodowanie), obojetne);

        // The minimal form on show is exported as its cubes: read back, it has the form's minterms.
        QVERIFY(p->EksportujPla(katalog.filePath("postac.pla"), true).has_value()); // no run yet
        Uruchom();
        const std::string postac = f->PostacMinimalna.toStdString();
        QCOMPARE(p->EksportujPla(katalog.filePath("postac.pla"), true), std::nullopt);
        QCOMPARE(p->ImportujPla(katalog.filePath("postac.pla")), std::nullopt);
        QCOMPARE(vyn::MintermyFunkcji(f->Funkcja(), true, kodowanie),
                 vyn::MintermyFunkcji(postac, false, kodowanie));
    }

    void capacity_is_refused_beyond_memory_and_applied_to_imports_and_runs() {
        QCOMPARE(p->Pojemnosc(), vyn::PojemnoscTablicy);
        QVERIFY(p->UstawPojemnosc(vyn::PojemnoscTablicy - 1).has_value());
        QVERIFY(p->UstawPojemnosc(vyn::MaksPojemnosc + 1).has_value());
        p->PamiecDostepna = [] { return std::optional<std::uint64_t>(1 << 20); };
        QVERIFY(p->UstawPojemnosc(1000000).has_value());
        QCOMPARE(p->Pojemnosc(), vyn::PojemnoscTablicy);

        // 18 inputs, one cube of 2^17 minterms: past the default limit, within 200000.
        const QString sciezka = Zapisz(katalog, "duzy.pla", ".i 18\n.o 1\n1----------------- 1\n");
        QVERIFY(p->ImportujPla(sciezka).has_value());
        p->PamiecDostepna = [] { return std::optional<std::uint64_t>(std::uint64_t{64} << 30); };
        QCOMPARE(p->UstawPojemnosc(200000), std::nullopt);
        QCOMPARE(p->ImportujPla(sciezka), std::nullopt);

        // Memory that went away since is checked again before the run.
        p->PamiecDostepna = [] { return std::optional<std::uint64_t>(1 << 20); };
        QString komunikat;
        ZamknijKomunikat(komunikat);
        p->SpeedButton3Click();
        QCOMPARE(komunikat, QString::fromStdString(*vyn::SprawdzPojemnosc(200000, 18, 1 << 20)));
        QVERIFY(!f->PrzebiegTrwa());

        // The run takes the raised limit: its table fills at 200000 places, and says so.
        p->PamiecDostepna = [] { return std::optional<std::uint64_t>(std::uint64_t{64} << 30); };
        komunikat.clear();
        ZamknijKomunikat(komunikat);
        Uruchom();
        QCOMPARE(komunikat, QString::fromStdString(vyn::KomunikatTablicy(200000)));
    }
};

QTEST_MAIN(ObojetneOkno)
#include "obojetne_okno_test.moc"

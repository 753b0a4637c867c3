// A seeded random session: keys, clicks, drags, resizes, zoom, stepper, New, files, and runs
// stopped at random, the user busy meanwhile. After each step the window must agree with itself;
// after each run every form shown must be the function run. VYN_KROKI: steps, VYN_ZIARNO: a seed.
#include "okno_testowe.h"

#include "display/panel.h"
#include "display/updown.h"
#include "geometry/uklad.h"
#include "qm/kodowanie.h"
#include "reguly.h"

#include <QAction>
#include <QGroupBox>

#include <random>

// A check that names the last steps when it fails.
#define SPRAWDZ(warunek) QVERIFY2(warunek, Opis())

namespace {

// Letters of six variables weigh most, so that runs stay short; every key the editor names is
// in: capitals alone, small letters with Shift, a character after '#' on the keypad.
constexpr std::string_view Znaki = "ABCDEFabcdZGHKMPRSWXY-01259#7#+#.,;  ";
constexpr int Inne[] = {Qt::Key_Left,      Qt::Key_Right, Qt::Key_Home,     Qt::Key_End,
                        Qt::Key_Delete,    Qt::Key_Tab,   Qt::Key_CapsLock, Qt::Key_Up,
                        Qt::Key_Backspace, Qt::Key_F1,    Qt::Key_Control,  Qt::Key_Backspace};

// A long search, a full table, a map, and files the reader refuses.
const std::pair<const char*, std::string> Pliki[] = {
    {"dluga.vyn", testy::FunkcjaDluga + "\r\n"},
    {"pelna.vyn", "abcd+ABCDEFGHIJKLMNOPQRST\r\n"},
    {"mapa.hal", "ABCD\r\n4\r\n\r\n1001\r\n0110\r\n1111\r\n0010\r\n"},
    {"za_duza.vyn", "5,67108864\r\n"},
    {"obca.VYN", "AB\r\n"},
    {"pusta.vyn", "\r\n"}};

} // namespace

class SesjaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<vyn::gui::Program> p;
    vyn::gui::TForm1* f = nullptr;
    std::unique_ptr<QSignalSpy> start, koniec, wyniki;
    testy::ZamykaczKomunikatow zamykacz;
    QStringList& komunikaty = zamykacz.Teksty; // the message boxes the session met, in order
    QTemporaryDir katalog;
    std::mt19937 los;
    QStringList dziennik; // the steps taken; the last ones go with a failure
    int krok = 0;

    int Los(int n) { return static_cast<int>(los() % static_cast<unsigned>(n)); }
    QByteArray Opis() const { return dziennik.mid(dziennik.size() - 12).join(" | ").toUtf8(); }

    // Offscreen, nothing gives the main window focus back when the progress dialog closes.
    void Aktywuj() {
        QCoreApplication::processEvents();
        QVERIFY(QApplication::activeWindow() == f ||
                (f->activateWindow(), QTest::qWaitForWindowActive(f)));
    }

    void Klawisz() {
        const std::size_t i = std::size_t(Los(int(Znaki.size() + std::size(Inne))));
        int kod = i < Znaki.size() ? Znaki[i] : Inne[i - Znaki.size()];
        Qt::KeyboardModifiers m = kod == Qt::Key_Control ? Qt::ControlModifier : Qt::NoModifier;
        if (kod == '#')
            kod = Znaki[i + 1], m = Qt::KeypadModifier;
        else if (kod >= 'a' && kod <= 'z')
            kod -= 'a' - 'A', m = Qt::ShiftModifier;
        QTest::keyClick(f, Qt::Key(kod), m);
    }
    void Klik() {
        const int x = Los(f->PaintBox1->width() + 40);
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(x, 10));
    }
    void Przeciagnij() {
        const std::pair<vyn::gui::TPaintBox*, long long*> panele[] = {
            {f->PaintBox2, &f->PrzesuniecieLiterowej},
            {f->PaintBox3, &f->PrzesuniecieDziesietnej},
            {f->PaintBox4, &f->PrzesuniecieImplikantow},
            {f->PaintBox5, &f->PrzesuniecieMinimalnej}};
        const int i = Los(4), x0 = Los(600), x1 = Los(600) - 100, x2 = Los(900) - 200;
        const auto [panel, przesuniecie] = panele[i];
        if (!panel->isVisible())
            return;
        const long long przed = *przesuniecie;
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(x0, 10));
        for (int x : {x1, x2})
            QTest::mouseMove(panel, QPoint(x, 10)); // with the left button held
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(x2, 10));
        // The text follows the pointer, without bounds, and no drag outlives the release.
        SPRAWDZ(*przesuniecie == przed + (x2 - x0));
        SPRAWDZ(!f->PrzeciaganieLiterowej && !f->PrzeciaganieDziesietnej &&
                !f->PrzeciaganieImplikantow && !f->PrzeciaganieMinimalnej);
    }
    void Rozmiar() {
        const int w = 100 + Los(900), h = 120 + Los(600);
        f->UstawRozmiarOkna(w, h);
    }
    void Zoom() {
        QTest::mouseClick(f->SBzoom, Qt::LeftButton);
        QTRY_COMPARE(f->RozmiarOkna().height(),
                     f->SBzoom->isChecked() ? vyn::WysokoscZwinieta : vyn::WysokoscPelna);
    }
    void Stepper() {
        auto* przycisk = Los(2) ? f->UpDown1->PrzyciskGora() : f->UpDown1->PrzyciskDol();
        if (!f->UpDown1->isHidden())
            QTest::mouseClick(przycisk, Qt::LeftButton);
    }
    void Nowa() { QTest::keyClick(f, Qt::Key_N, Qt::ControlModifier); }
    void Otworz() {
        const auto& [nazwa, tresc] = Pliki[Los(std::size(Pliki))];
        if (f->PrzebiegTrwa())
            return; // the command waits for the run's end
        const auto ileKomunikatow = komunikaty.size();
        const std::string przed = f->Funkcja();
        const QString plik = testy::Plik(katalog, nazwa, QByteArray::fromStdString(tresc));
        const bool otwarto = p->Otworz(plik); // no box and no form; refused: a box, no change
        SPRAWDZ(komunikaty.size() == ileKomunikatow + !otwarto &&
                (otwarto ? f->IloscMinimalnych == 0 : f->Funkcja() == przed));
    }

    // Any step but a run, by weight.
    void ZwyklyKrok() {
        using S = SesjaTest;
        const std::tuple<int, void (S::*)(), const char*> kroki[] = {
            {60, &S::Klawisz, "klawisz"}, {10, &S::Klik, "klik"}, {10, &S::Przeciagnij, "przesuń"},
            {8, &S::Rozmiar, "rozmiar"},  {4, &S::Zoom, "zoom"},  {3, &S::Stepper, "stepper"},
            {2, &S::Otworz, "otwórz"},    {3, &S::Nowa, "nowa"}};
        int r = static_cast<int>(los() % 100u);
        for (auto [waga, k, nazwa] : kroki)
            if ((r -= waga) < 0)
                return dziennik << QStringLiteral("%1 %2").arg(krok).arg(nazwa), (this->*k)();
    }

    void SprawdzOkno() {
        const vyn::StanEdytora& e = f->Edytor;
        const std::string& tekst = e.Funkcja;
        SPRAWDZ(e.PozycjaKursora >= 0 && e.PozycjaKursora <= int(tekst.size()));
        SPRAWDZ(e.KolumnaKursora == e.PozycjaKursora + e.PrzesuniecieWidoku &&
                e.KolumnaKursora <= e.SzerokoscWidoku);
        const std::string zla = fuzz::BladNotacji(tekst, e.TrybDziesietny);
        QVERIFY2(zla.empty(), Opis() + " | " + QByteArray::fromStdString(zla + ": " + tekst));
        SPRAWDZ(e.IloscLiter == fuzz::Znaki(tekst));

        // The function pane and labels show the editor; the don't-cares drawn and counted apart.
        const auto& z = f->PaintBox1->zawartosc();
        const auto srednik = static_cast<long long>(tekst.find(';'));
        SPRAWDZ(z.Tekst == QString::fromLatin1(tekst) && z.Kursor == e.KolumnaKursora &&
                z.Przesuniecie == e.PrzesuniecieWidoku && z.Obojetne == srednik);
        SPRAWDZ(f->Label5->text().contains(QStringLiteral(", obojętne : ")) == (srednik >= 0));
        const char* sigma = tekst.empty() ? "" : e.TrybDziesietny ? "Σ=" : "F=";
        // The decimal notation has no letter count.
        SPRAWDZ(f->LabelSigma->text() == sigma && (!e.TrybDziesietny || f->Label6->isHidden()));
        const bool trwa = f->PrzebiegTrwa();
        const auto k =
            vyn::UstalKodowanie(vyn::TrybKodowania::Rosnaco, tekst, e.TrybDziesietny, "");
        SPRAWDZ(trwa || f->SBznaki->text().toStdString() == k.Kodowanie);
        // Whatever would change the function or start another run waits for the run's end.
        for (QAction* a : {f->Nowa1, f->Otwrz1, f->Zapiszjako1, f->Kodowanie1, f->Minimalizacja1})
            SPRAWDZ(a->isEnabled() == !trwa);
        SPRAWDZ(f->IEButton1->isEnabled() == !trwa && f->SBznaki->isEnabled() == !trwa);

        // The minimal-form group tells how many forms there are and which one is shown.
        const int n = f->IloscMinimalnych, poz = f->UpDown1->Position();
        const QString tytul =
            n == 1 ? QStringLiteral("Postać minimalna jedyna")
                   : QStringLiteral("Postać minimalna %1 z %2").arg(n ? poz : 0).arg(n);
        QVERIFY2(f->GroupBox2->title() == tytul, Opis() + " | " + f->GroupBox2->title().toUtf8());
        SPRAWDZ(f->UpDown1->isHidden() == (n < 2) &&
                (n < 2 || (f->UpDown1->Max() == n && poz >= 1 && poz <= n)));
        SPRAWDZ(f->PostacMinimalna == (n == 0 ? QString() : f->Postac(n > 1 ? poz : 1)));
        SPRAWDZ(f->PaintBox5->zawartosc().Tekst == f->PostacMinimalna &&
                f->PaintBox4->zawartosc().Tekst == f->ProsteImplikanty);
        // The canonical panes: the don't-cares after a ";", drawn apart from it.
        for (auto [panel, wymagane, obojetne] :
             {std::tuple{f->PaintBox2, f->KanonicznaLiterowa, f->ObojetneLiterowo},
              std::tuple{f->PaintBox3, f->KanonicznaDziesietna, f->ObojetneDziesietnie}}) {
            const auto& zp = panel->zawartosc();
            const bool sa = !obojetne.isEmpty();
            SPRAWDZ(zp.Tekst == (sa ? wymagane + u';' + obojetne : wymagane) &&
                    zp.Obojetne == (sa ? wymagane.size() : -1));
        }

        // The layout follows the window's size (once the resize has arrived).
        auto uklad = [this] {
            const QSize r = f->RozmiarOkna();
            return vyn::ObliczUklad({r.width(), r.height(), !f->UpDown1->isHidden(),
                                     f->SBznaki->width(), f->SzerokoscZnaku});
        };
        QTRY_VERIFY2(f->Edytor.SzerokoscWidoku == uklad().SzerokoscWidoku &&
                         f->PaintBox1->width() == std::max(0, uklad().PaintBox1Width) &&
                         f->GroupBox1->isVisibleTo(f) == uklad().GroupBox1Visible,
                     Opis());
        SPRAWDZ(f->GroupBox3->isVisibleTo(f) == !f->SBzoom->isChecked());
    }

    // A run started one of four ways, busy steps meanwhile, a stop at random or its own end.
    void Przebieg() {
        const std::string funkcja = f->Funkcja();
        const bool dziesietna = f->TrybDziesietny();
        const int ileStart = start->count(), ileKoniec = koniec->count();
        const auto ileKomunikatow = komunikaty.size();
        dziennik << "przebieg " + QString::fromStdString(funkcja);
        const std::function<void()> sposoby[] = {
            [this] { QTest::mouseClick(f->IEButton1, Qt::LeftButton); },
            [this] { QTest::keyClick(f, Qt::Key_Return); },
            [this] { QTest::keyClick(f, Qt::Key_M, Qt::ControlModifier); },
            [this] { f->Minimalizacja1->trigger(); }};
        sposoby[Los(4)]();

        if (start->count() == ileStart) {
            // Nothing to run, a key the range check refused, or a function refused with a box.
            SPRAWDZ(f->Funkcja() == funkcja && !f->PrzebiegTrwa());
            SPRAWDZ(komunikaty.size() == ileKomunikatow || f->IloscMinimalnych == 0);
            return;
        }
        const std::string kodowanie = f->Kodowanie.toStdString();
        for (int i = Los(6); i > 0 && !QTest::currentTestFailed(); --i) {
            ZwyklyKrok();
            SprawdzOkno();
            SPRAWDZ(!f->PrzebiegTrwa() || f->Funkcja() == funkcja);
        }
        dziennik << "koniec przebiegu";
        if (Los(2)) {
            QTest::qWait(Los(40)); // a random moment in the run
            if (f->PrzebiegTrwa())
                Los(2) ? p->FormMin()->BitBtn1->click() : void(p->FormMin()->close());
        } else if (!QTest::qWaitFor([&] { return koniec->count() > ileKoniec; }, 1000))
            p->FormMin()->BitBtn1->click(); // stopped after a second

        QTRY_VERIFY2_WITH_TIMEOUT(koniec->count() > ileKoniec, Opis(), 20000);
        QCOMPARE(koniec->count(), ileKoniec + 1);

        const auto w = wyniki->last().at(0).value<vyn::WynikMinimalizacji>();
        SPRAWDZ(!f->PrzebiegTrwa() && !p->FormMin()->isVisible());
        if (w.Stan != vyn::StanPrzebiegu::Zakonczony) {
            // Refused by a stage or at capacity: its message in a box and no form.
            SPRAWDZ(komunikaty.size() > ileKomunikatow && f->IloscMinimalnych == 0 &&
                    komunikaty.last() == QString::fromStdString(w.Komunikat));
            return;
        }
        // Whatever stopped it, a form on show is exactly the function that was run.
        const auto blad = testy::BladPostaci(f, funkcja, dziesietna, kodowanie);
        QVERIFY2(!blad, Opis() + " | " + blad.value_or("").c_str());
        const QString uwaga = f->Komunikat();
        SPRAWDZ(w.Przerwano ? uwaga.startsWith(QStringLiteral("Minimalizację przerwano"))
                            : f->IloscMinimalnych >= 1 &&
                                  (uwaga.isEmpty() || uwaga.startsWith("Zachowano")));
    }

  private slots:
    void init() {
        p = testy::NowyProgram(), f = p->Form1();
        QVERIFY(QTest::qWaitForWindowActive(f));
        start = std::make_unique<QSignalSpy>(p->Przebieg(), &PrzebiegMinimalizacji::Rozpoczeto);
        koniec = std::make_unique<QSignalSpy>(p.get(), &vyn::gui::Program::PrzebiegZakonczony);
        wyniki = std::make_unique<QSignalSpy>(p->Przebieg(), &PrzebiegMinimalizacji::Zakonczono);
        komunikaty.clear(), dziennik.clear();
    }
    void cleanup() { start.reset(), koniec.reset(), wyniki.reset(), p.reset(); }

    void a_random_session_keeps_the_window_consistent_data() {
        QTest::addColumn<unsigned>("ziarno");
        for (unsigned z : {1u, 2024u, 77777u, unsigned(qEnvironmentVariableIntValue("VYN_ZIARNO"))})
            if (z)
                QTest::addRow("ziarno %u", z) << z;
    }
    void a_random_session_keeps_the_window_consistent() {
        QFETCH(unsigned, ziarno);
        los.seed(ziarno);
        const int kroki = qEnvironmentVariable("VYN_KROKI", QStringLiteral("400")).toInt();
        for (krok = 0; krok < kroki && !QTest::currentTestFailed(); ++krok) {
            Aktywuj();
            los() % 100 < 12 ? Przebieg() : ZwyklyKrok(); // a run at one step in eight or so
            if (!QTest::currentTestFailed())
                SprawdzOkno();
        }
        qInfo("%d steps, %lld runs started, %lld ended, %lld message boxes", kroki,
              static_cast<long long>(start->count()), static_cast<long long>(koniec->count()),
              static_cast<long long>(komunikaty.size()));
        QVERIFY(start->count() > 0);
    }
};

QTEST_MAIN(SesjaTest)
#include "sesja_test.moc"

// A seeded random session on the whole program: key presses, clicks, drags, resizes, the zoom
// switch, the stepper, New, opening files, and runs started and stopped at random moments,
// also with the user busy in the window while a run goes on. After every step the window must
// agree with itself: the editor's text and cursor, the panes, the minimal-form group and the
// layout. After every run each form on show must be exactly the function that was run.
// VYN_KROKI sets the step count, VYN_ZIARNO adds a session with that seed.
#include "okno_testowe.h"

#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "display/panel.h"
#include "display/updown.h"
#include "engine/formmin.h"
#include "engine/przebieg_w_tle.h"
#include "geometry/uklad.h"
#include "qm/kodowanie.h"
#include "qm/weryfikacja.h"
#include "reguly.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <cctype>
#include <random>

using vyn::gui::Program;
using vyn::gui::TForm1;
using vyn::gui::TPaintBox;

namespace {

struct Klawisz {
    Qt::Key Kod;
    Qt::KeyboardModifiers Modyfikatory;
};

// Letters of six variables weigh most, so that runs stay short; every key the editor names is in
// (upper-case: the key alone; lower-case: with Shift; '#': on the keypad).
constexpr const char* Znaki = "ABCDEFabcdZGHKMPRSWXY-01259#7#+#.,  ";
const Klawisz Inne[] = {
    {Qt::Key_Left, {}},   {Qt::Key_Right, {}},     {Qt::Key_Home, {}},
    {Qt::Key_End, {}},    {Qt::Key_Backspace, {}}, {Qt::Key_Backspace, {}},
    {Qt::Key_Delete, {}}, {Qt::Key_CapsLock, {}},  {Qt::Key_Tab, {}},
    {Qt::Key_Up, {}},     {Qt::Key_F1, {}},        {Qt::Key_Control, Qt::ControlModifier}};

std::vector<Klawisz> WszystkieKlawisze() {
    std::vector<Klawisz> k;
    for (const char* c = Znaki; *c; ++c) {
        const bool num = *c == '#';
        const char z = num ? *++c : *c;
        const auto kod = static_cast<Qt::Key>(std::toupper(z)); // ' ' is Qt::Key_Space
        k.push_back({kod, num               ? Qt::KeypadModifier
                          : std::islower(z) ? Qt::ShiftModifier
                                            : Qt::NoModifier});
    }
    k.insert(k.end(), std::begin(Inne), std::end(Inne));
    return k;
}
const std::vector<Klawisz> Klawisze = WszystkieKlawisze();

// Files the session opens: a function whose search runs long, one that fills a table, a map,
// and files the reader refuses.
const std::pair<const char*, const char*> Pliki[] = {
    {"dluga.vyn", nullptr}, // testy::FunkcjaDluga
    {"pelna.vyn", "abcd+ABCDEFGHIJKLMNOPQRST\r\n"},
    {"mapa.hal", "ABCD\r\n4\r\n\r\n1001\r\n0110\r\n1111\r\n0010\r\n"},
    {"za_duza.vyn", "5,67108864\r\n"},
    {"dwa_plusy.vyn", "A++B\r\n"},
    {"obca.VYN", "AB\r\n"},
    {"pusta.vyn", "\r\n"}};

} // namespace

class SesjaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;
    std::unique_ptr<QSignalSpy> start, koniec, wyniki;
    testy::ZamykaczKomunikatow zamykacz;
    QTemporaryDir katalog;
    QStringList& komunikaty =
        zamykacz.Teksty; // texts of the message boxes the session met, in order
    std::mt19937 los;
    QStringList dziennik; // the last steps, for the failure message
    int krok = 0;

    int Los(int n) { return static_cast<int>(los() % static_cast<unsigned>(n)); }
    void Zapisz(const QString& co) {
        dziennik << QStringLiteral("%1: %2").arg(krok).arg(co);
        if (dziennik.size() > 12)
            dziennik.removeFirst();
    }
    QByteArray Opis() const { return dziennik.join(QStringLiteral(" | ")).toUtf8(); }

    // Offscreen no window manager gives the main window its focus back when the progress
    // dialog closes (its late activation can even outlive it); the session does, so that
    // shortcuts reach their commands.
    void Aktywuj() {
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != f) {
            f->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f));
        }
    }

    // --- the steps ---
    void NacisnijKlawisz() {
        const Klawisz k =
            Klawisze[static_cast<std::size_t>(Los(static_cast<int>(Klawisze.size())))];
        Zapisz(QStringLiteral("klawisz %1/%2").arg(k.Kod, 0, 16).arg(k.Modyfikatory.toInt()));
        QTest::keyClick(f, k.Kod, k.Modyfikatory);
    }
    void KliknijFunkcje() {
        const int x = Los(f->PaintBox1->width() + 40);
        Zapisz(QStringLiteral("klik w funkcji %1").arg(x));
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(x, 10));
    }
    void Przeciagnij() {
        TPaintBox* panele[] = {f->PaintBox2, f->PaintBox3, f->PaintBox4, f->PaintBox5};
        long long* przesuniecia[] = {&f->PrzesuniecieLiterowej, &f->PrzesuniecieDziesietnej,
                                     &f->PrzesuniecieImplikantow, &f->PrzesuniecieMinimalnej};
        const int i = Los(4);
        TPaintBox* panel = panele[i];
        if (!panel->isVisible())
            return;
        const int x0 = Los(600), x1 = Los(600) - 100, x2 = Los(900) - 200;
        Zapisz(QStringLiteral("przeciągnij panel %1: %2 %3 %4").arg(i + 2).arg(x0).arg(x1).arg(x2));
        const long long przed = *przesuniecia[i];
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(x0, 10));
        for (int x : {x1, x2}) {
            QMouseEvent ruch(QEvent::MouseMove, QPointF(x, 10), panel->mapToGlobal(QPointF(x, 10)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(panel, &ruch);
        }
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(x2, 10));
        // The text follows the pointer, without bounds, and no drag outlives the release.
        QVERIFY2(*przesuniecia[i] == przed + (x2 - x0), Opis());
        QVERIFY2(!f->PrzeciaganieLiterowej && !f->PrzeciaganieDziesietnej &&
                     !f->PrzeciaganieImplikantow && !f->PrzeciaganieMinimalnej,
                 Opis());
    }
    void ZmienRozmiar() {
        const int w = 100 + Los(900), h = 120 + Los(600);
        Zapisz(QStringLiteral("rozmiar %1x%2").arg(w).arg(h));
        f->UstawRozmiarOkna(w, h);
    }
    void Zoom() {
        Zapisz(QStringLiteral("zoom"));
        QTest::mouseClick(f->SBzoom, Qt::LeftButton);
        QTRY_COMPARE(f->RozmiarOkna().height(),
                     f->SBzoom->isChecked() ? vyn::WysokoscZwinieta : vyn::WysokoscPelna);
    }
    void Stepper() {
        if (f->UpDown1->isHidden())
            return;
        const bool gora = Los(2);
        Zapisz(QStringLiteral("stepper %1").arg(gora ? "w górę" : "w dół"));
        QTest::mouseClick(gora ? f->UpDown1->PrzyciskGora() : f->UpDown1->PrzyciskDol(),
                          Qt::LeftButton);
    }
    void Nowa() {
        Zapisz(QStringLiteral("nowa"));
        QTest::keyClick(f, Qt::Key_N, Qt::ControlModifier);
    }
    void Otworz() {
        if (f->PrzebiegTrwa())
            return; // the command waits for the run's end
        const auto& [nazwa, tresc] = Pliki[Los(std::size(Pliki))];
        const QString sciezka = katalog.filePath(QString::fromLatin1(nazwa));
        QFile plik(sciezka);
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write(tresc ? QByteArray(tresc) : QByteArray(testy::FunkcjaDluga) + "\r\n");
        plik.close();
        Zapisz(QStringLiteral("otwórz %1").arg(QString::fromLatin1(nazwa)));
        const auto ileKomunikatow = komunikaty.size();
        const std::string przed = f->Funkcja();
        if (p->Otworz(sciezka)) {
            QVERIFY2(komunikaty.size() == ileKomunikatow && f->IloscMinimalnych == 0, Opis());
        } else {
            // Refused with a box: the function stays.
            QVERIFY2(komunikaty.size() == ileKomunikatow + 1 && f->Funkcja() == przed, Opis());
        }
    }

    // Any step but a run; while a run goes on, the function must not change.
    void ZwyklyKrok() {
        const int r = Los(100);
        if (r < 60)
            NacisnijKlawisz();
        else if (r < 70)
            KliknijFunkcje();
        else if (r < 80)
            Przeciagnij();
        else if (r < 88)
            ZmienRozmiar();
        else if (r < 92)
            Zoom();
        else if (r < 95)
            Stepper();
        else if (r < 97)
            Otworz();
        else
            Nowa();
    }

    // --- what must hold ---
    void SprawdzOkno() {
        const vyn::StanEdytora& e = f->Edytor;
        const std::string& tekst = e.Funkcja;
        const int dlugosc = static_cast<int>(tekst.size());
        QVERIFY2(e.PozycjaKursora >= 0 && e.PozycjaKursora <= dlugosc, Opis());
        QVERIFY2(e.KolumnaKursora == e.PozycjaKursora + e.PrzesuniecieWidoku, Opis());
        QVERIFY2(e.KolumnaKursora <= e.SzerokoscWidoku, Opis());
        const std::string zla = fuzz::BladNotacji(tekst, e.TrybDziesietny);
        QVERIFY2(zla.empty(), Opis() + " | " + QByteArray::fromStdString(zla + ": " + tekst));
        QVERIFY2(e.IloscLiter == fuzz::Znaki(tekst), Opis());

        // The function pane and the labels show the editor's state.
        const auto& z = f->PaintBox1->zawartosc();
        QVERIFY2(z.Tekst == QString::fromLatin1(tekst) && z.Kursor == e.KolumnaKursora &&
                     z.Przesuniecie == e.PrzesuniecieWidoku,
                 Opis());
        const QString sigma = tekst.empty()      ? QString()
                              : e.TrybDziesietny ? QStringLiteral("Σ=")
                                                 : QStringLiteral("F=");
        QVERIFY2(f->LabelSigma->text() == sigma, Opis());
        // The letter count is hidden in the decimal notation; in the letter notation it gives
        // way only where the indicator leaves it no room.
        QVERIFY2(!e.TrybDziesietny || f->Label6->isHidden(), Opis());
        if (!f->PrzebiegTrwa()) {
            const auto k =
                vyn::UstalKodowanie(vyn::TrybKodowania::Rosnaco, tekst, e.TrybDziesietny, "");
            QVERIFY2(f->SBznaki->text() == QString::fromStdString(k.Kodowanie), Opis());
            QVERIFY2(f->SBznaki->width() ==
                         vyn::SzerokoscWskaznika(static_cast<int>(k.Kodowanie.size())),
                     Opis());
        }

        // The minimal-form group tells how many forms there are and which one is shown.
        const int n = f->IloscMinimalnych;
        const int poz = f->UpDown1->Position();
        QString tytul = QStringLiteral("Postać minimalna jedyna");
        if (n == 0)
            tytul = QStringLiteral("Postać minimalna 0 z 0");
        else if (n > 1)
            tytul = QStringLiteral("Postać minimalna %1 z %2").arg(poz).arg(n);
        QVERIFY2(f->GroupBox2->title() == tytul, Opis() + " | " + f->GroupBox2->title().toUtf8());
        QVERIFY2(f->UpDown1->isHidden() == (n < 2), Opis());
        if (n > 1)
            QVERIFY2(f->UpDown1->Max() == n && poz >= 1 && poz <= n, Opis());
        QVERIFY2(f->PostacMinimalna == (n == 0 ? QString() : f->Postac(n > 1 ? poz : 1)), Opis());
        QVERIFY2(f->PaintBox5->zawartosc().Tekst == f->PostacMinimalna, Opis());
        QVERIFY2(f->PaintBox4->zawartosc().Tekst == f->ProsteImplikanty, Opis());
        QVERIFY2(f->PaintBox3->zawartosc().Tekst == f->KanonicznaDziesietna, Opis());
        QVERIFY2(f->PaintBox2->zawartosc().Tekst == f->KanonicznaLiterowa, Opis());
        QVERIFY2(f->PaintBox2->zawartosc().Przesuniecie == f->PrzesuniecieLiterowej, Opis());

        // The layout follows the window's size (once the resize has arrived).
        auto uklad = [this] {
            const QSize r = f->RozmiarOkna();
            vyn::WejscieUkladu we{r.width(), r.height(), !f->UpDown1->isHidden(),
                                  f->SBznaki->width(), f->SzerokoscZnaku};
            return vyn::ObliczUklad(we);
        };
        QTRY_VERIFY2(f->Edytor.SzerokoscWidoku == uklad().SzerokoscWidoku &&
                         f->PaintBox1->width() == std::max(0, uklad().PaintBox1Width) &&
                         f->GroupBox1->isVisibleTo(f) == uklad().GroupBox1Visible,
                     Opis());
        QVERIFY2(f->GroupBox3->isVisibleTo(f) == !f->SBzoom->isChecked(), Opis());
    }

    // A run started one of the four ways, busy steps while it goes on, then a stop at a random
    // moment or its own end; then what the window shows of it.
    void Przebieg() {
        const std::string funkcja = f->Funkcja();
        const bool dziesietna = f->TrybDziesietny();
        const int ileStart = start->count(), ileKoniec = koniec->count();
        const auto ileKomunikatow = komunikaty.size();
        const int sposob = Los(4);
        Aktywuj();
        Zapisz(QStringLiteral("przebieg %1 sposobem %2")
                   .arg(QString::fromStdString(funkcja))
                   .arg(sposob));
        if (sposob == 0)
            QTest::mouseClick(f->IEButton1, Qt::LeftButton);
        else if (sposob == 1)
            QTest::keyClick(f, Qt::Key_Return);
        else if (sposob == 2)
            QTest::keyClick(f, Qt::Key_M, Qt::ControlModifier);
        else
            f->Minimalizacja1->trigger();

        if (start->count() == ileStart) {
            // Nothing to run, a key the range check refused, or a function refused with a box.
            QVERIFY2(f->Funkcja() == funkcja && !f->PrzebiegTrwa(), Opis());
            if (komunikaty.size() > ileKomunikatow)
                QVERIFY2(f->IloscMinimalnych == 0, Opis());
            return;
        }
        const std::string kodowanie = f->Kodowanie.toStdString();
        QVERIFY2(f->PrzebiegTrwa() && !f->IEButton1->isEnabled() && !f->Nowa1->isEnabled(), Opis());
        for (int i = Los(6); i > 0; --i) {
            ZwyklyKrok();
            if (QTest::currentTestFailed())
                return;
            if (f->PrzebiegTrwa())
                QVERIFY2(f->Funkcja() == funkcja, Opis());
        }
        if (Los(2)) {
            QTest::qWait(Los(40)); // a random moment in the run
            if (f->PrzebiegTrwa()) {
                Zapisz(QStringLiteral("przerwij"));
                if (Los(2))
                    p->FormMin()->BitBtn1->click();
                else
                    p->FormMin()->close();
            }
        } else if (!QTest::qWaitFor([&] { return koniec->count() > ileKoniec; }, 1000)) {
            Zapisz(QStringLiteral("przerwij po 1 s"));
            p->FormMin()->BitBtn1->click();
        }
        QTRY_VERIFY2_WITH_TIMEOUT(koniec->count() > ileKoniec, Opis(), 20000);
        QCOMPARE(koniec->count(), ileKoniec + 1);

        const auto w = testy::Wynik(*wyniki);
        QVERIFY2(!f->PrzebiegTrwa() && !p->FormMin()->isVisible() && f->IEButton1->isEnabled() &&
                     f->Nowa1->isEnabled(),
                 Opis());
        QCOMPARE(p->FormMin()->BitBtn1->text(), QStringLiteral("Zamknij"));
        if (w.Stan != vyn::StanPrzebiegu::Zakonczony) {
            // Refused by a stage or at capacity: its message in a box and no form.
            QVERIFY2(komunikaty.size() > ileKomunikatow &&
                         komunikaty.last() == QString::fromStdString(w.Komunikat),
                     Opis());
            QVERIFY2(f->IloscMinimalnych == 0, Opis());
            return;
        }
        // Whatever stopped it, a form on show is exactly the function that was run.
        const auto mintermy = vyn::MintermyFunkcji(funkcja, dziesietna, kodowanie);
        for (int k = 1; k <= f->IloscMinimalnych; ++k) {
            const auto blad = vyn::SprawdzPostac(f->Postac(k).toStdString(), kodowanie, mintermy);
            QVERIFY2(!blad, Opis() + " | " + f->Postac(k).toUtf8() + ": " +
                                QByteArray::fromStdString(blad.value_or("")));
        }
        if (!w.Przerwano)
            QVERIFY2(f->IloscMinimalnych >= 1 &&
                         (f->Komunikat().isEmpty() || f->Komunikat().startsWith("Zachowano")),
                     Opis());
        else
            QVERIFY2(f->Komunikat().startsWith(QStringLiteral("Minimalizację przerwano")), Opis());
    }

  private slots:
    void init() {
        p = testy::NowyProgram();
        f = p->Form1();
        QVERIFY(QTest::qWaitForWindowActive(f));
        start = std::make_unique<QSignalSpy>(p->Przebieg(), &PrzebiegMinimalizacji::Rozpoczeto);
        koniec = std::make_unique<QSignalSpy>(p.get(), &Program::PrzebiegZakonczony);
        wyniki = std::make_unique<QSignalSpy>(p->Przebieg(), &PrzebiegMinimalizacji::Zakonczono);
        komunikaty.clear();
        dziennik.clear();
    }
    void cleanup() {
        start.reset();
        koniec.reset();
        wyniki.reset();
        p.reset();
    }

    void a_random_session_keeps_the_window_consistent_data() {
        QTest::addColumn<unsigned>("ziarno");
        QTest::newRow("ziarno 1") << 1u;
        QTest::newRow("ziarno 2024") << 2024u;
        QTest::newRow("ziarno 77777") << 77777u;
        if (qEnvironmentVariableIsSet("VYN_ZIARNO")) // a session of one's own choosing
            QTest::newRow("ziarno z VYN_ZIARNO")
                << static_cast<unsigned>(qEnvironmentVariableIntValue("VYN_ZIARNO"));
    }
    void a_random_session_keeps_the_window_consistent() {
        QFETCH(unsigned, ziarno);
        los.seed(ziarno);
        const int kroki = qEnvironmentVariableIsSet("VYN_KROKI")
                              ? qEnvironmentVariableIntValue("VYN_KROKI")
                              : 400;
        int przebiegi = 0;
        for (krok = 0; krok < kroki; ++krok) {
            Aktywuj();
            if (Los(100) < 12) {
                Przebieg();
                ++przebiegi;
            } else {
                ZwyklyKrok();
            }
            if (QTest::currentTestFailed())
                return;
            SprawdzOkno();
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(przebiegi > 0);
        qInfo("%d steps, %d runs started, %lld ended, %lld message boxes", kroki, przebiegi,
              static_cast<long long>(koniec->count()), static_cast<long long>(komunikaty.size()));
    }
};

QTEST_MAIN(SesjaTest)
#include "sesja_test.moc"

// The main window's help menu and popup copy: help mode hints and pointer, tips, clipboard.
#include "app/form1.h"
#include "controls/iebutton.h"
#include "controls/marquee.h"
#include "display/formabout.h"
#include "display/panel.h"
#include "display/pomoc.h"
#include "dymek.h"
#include "report/podglad_raportu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMap>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

using vyn::gui::TForm1;
using vyn::gui::TFormAbout;
using vyn::gui::TFormRaportPodglad;
using vyn::gui::TTrybPomocy;

class PomocTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void helpModeSwitchesHintsMarkAndPointerTogether();
    void hintComesAfterThePauseInYellowAndGoesAfterItsTime();
    void noHintOutsideTheTwelveOrOutsideHelpMode();
    void tipsFromTheMenuAreShownOnceAndSavedAsShown();
    void copyTakesTheTextOfThePaneTheMenuWasOpenedOn_data();
    void copyTakesTheTextOfThePaneTheMenuWasOpenedOn();
    void aboutFromTheMenuStartsTheCredits();

  private:
    void NadKontrolke(QWidget* kontrolka);

    TForm1* okno_ = nullptr;
    TFormRaportPodglad* podglad_ = nullptr;
    TFormAbout* about_ = nullptr;
};

void PomocTest::init() {
    okno_ = new TForm1;
    podglad_ = new TFormRaportPodglad;
    about_ = new TFormAbout;
    vyn::gui::PodlaczPomoc(*okno_, *podglad_, *about_);
    okno_->move(0, 0);
    okno_->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno_));
}

void PomocTest::cleanup() {
    QToolTip::hideText();
    delete okno_;
    delete podglad_;
    delete about_;
    // Help mode left on by a test must not leave its pointer behind the window.
    QVERIFY(!QGuiApplication::overrideCursor());
}

// Rests the pointer on a control: a real move through the window, with enter and leave.
void PomocTest::NadKontrolke(QWidget* kontrolka) {
    QTest::mouseMove(okno_->windowHandle(), kontrolka->mapTo(okno_, kontrolka->rect().center()));
}

void PomocTest::helpModeSwitchesHintsMarkAndPointerTogether() {
    auto podpowiedzi = [this] {
        QMap<QString, QString> teksty;
        for (QWidget* w : okno_->findChildren<QWidget*>())
            if (!w->toolTip().isEmpty())
                teksty.insert(w->objectName(), w->toolTip());
        return teksty;
    };
    QVERIFY(!okno_->Tematypomocy1->isChecked());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(podpowiedzi().isEmpty());

    okno_->Tematypomocy1->trigger(); // the menu's own path: the mark moves before the handler
    QVERIFY(okno_->Tematypomocy1->isChecked());
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    // These twelve and no other control of the window.
    const QMap<QString, QString> dwanascie{
        {"IEButton1", "Przycisk rozpoczynający\nproces minimalizacji"},
        {"SBznaki", "Wciśnij lewy klawisz myszy\naby zmienić sposób kodowania"},
        {"Label6", "Ilość liter\nfunkcji przed minimalizacją"},
        {"Label5", "Ilość grup\nfunkcji przed minimalizacją"},
        {"PaintBox2", "Funkcja w literowej postaci kanonicznej"},
        {"PaintBox3", "Funkcja w dziesiętnej postaci kanonicznej"},
        {"PaintBox4", "Proste implikanty funkcji"},
        {"PaintBox5", "Postać minimalna funkcji,\njedna lub wiele"},
        {"UpDown1", "Przełącznik kolejnych\npostaci minimalnych"},
        {"LabelMinLiter", "Ilość liter\nfunkcji minimalnej"},
        {"LabelMinGrup", "Ilość grup\nfunkcji minimalnej"},
        {"SBzoom", "Przełącznik wielkości\nokna programu"}};
    QCOMPARE(podpowiedzi(), dwanascie);

    okno_->Tematypomocy1Click(); // a direct call toggles as well, and the mark follows
    QVERIFY(!okno_->Tematypomocy1->isChecked());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(podpowiedzi().isEmpty());
    // The panes' own pointers show again.
    QCOMPARE(okno_->PaintBox1->cursor().shape(), Qt::IBeamCursor);
    for (QWidget* p : {okno_->PaintBox2, okno_->PaintBox3, okno_->PaintBox4, okno_->PaintBox5})
        QCOMPARE(p->cursor().shape(), Qt::SizeHorCursor);

    okno_->Tematypomocy1Click();
    QVERIFY(okno_->Tematypomocy1->isChecked());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    // cleanup() checks that closing the window with help mode on gives the pointer back.
}

void PomocTest::hintComesAfterThePauseInYellowAndGoesAfterItsTime() {
    okno_->Tematypomocy1->trigger();
    auto* tryb = okno_->findChild<TTrybPomocy*>();
    QVERIFY(tryb);
    QSignalSpy pokazano(tryb, &TTrybPomocy::PokazanoPodpowiedz);

    QElapsedTimer zegar;
    zegar.start();
    NadKontrolke(okno_->IEButton1);
    QVERIFY(!QToolTip::isVisible()); // not at once: after the pause
    QTRY_COMPARE(pokazano.count(), 1);
    QVERIFY(zegar.elapsed() >= TTrybPomocy::PauzaMs * 9 / 10);
    QCOMPARE(pokazano.first().first().value<QWidget*>(), okno_->IEButton1);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Przycisk rozpoczynający\nproces minimalizacji"));

    // Drawn on yellow.
    QWidget* tip = Tip();
    QVERIFY(tip);
    const QImage obraz = tip->grab().toImage();
    QCOMPARE(QColor(obraz.pixel(obraz.width() / 2, 2)), QColor(255, 255, 0));
    // Two lines: taller than one line of its font and a margin.
    QVERIFY(tip->height() > 2 * tip->fontMetrics().height());

    // It goes after 2.5 s, much sooner than an ordinary tooltip of this length.
    zegar.restart();
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 5000);
    QVERIFY(zegar.elapsed() >= TTrybPomocy::WyswietlanieMs * 8 / 10);

    // Moving on to the next control brings that control's hint.
    NadKontrolke(okno_->SBzoom);
    QTRY_COMPARE(pokazano.count(), 2);
    QCOMPARE(QToolTip::text(), QStringLiteral("Przełącznik wielkości\nokna programu"));
}

void PomocTest::noHintOutsideTheTwelveOrOutsideHelpMode() {
    okno_->Tematypomocy1->trigger();
    auto* tryb = okno_->findChild<TTrybPomocy*>();
    QSignalSpy pokazano(tryb, &TTrybPomocy::PokazanoPodpowiedz);

    // Qt's own tooltip request is answered by nobody: no second, slower hint of its own.
    QHelpEvent pytanie(QEvent::ToolTip, QPoint(5, 5), okno_->IEButton1->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(okno_->IEButton1, &pytanie);
    QVERIFY(!QToolTip::isVisible());

    // The function pane has no hint, help mode or not.
    NadKontrolke(okno_->PaintBox1);
    QTest::qWait(3 * TTrybPomocy::PauzaMs);
    QCOMPARE(pokazano.count(), 0);
    QVERIFY(!QToolTip::isVisible());

    // Off again: resting on a control that had a hint shows nothing.
    okno_->Tematypomocy1->trigger();
    NadKontrolke(okno_->IEButton1);
    QTest::qWait(3 * TTrybPomocy::PauzaMs);
    QCOMPARE(pokazano.count(), 0);
    QVERIFY(!QToolTip::isVisible());

    // Switching off while a hint waits for its pause cancels it.
    okno_->Tematypomocy1->trigger();
    NadKontrolke(okno_->SBzoom);
    okno_->Tematypomocy1->trigger();
    QTest::qWait(3 * TTrybPomocy::PauzaMs);
    QCOMPARE(pokazano.count(), 0);
}

void PomocTest::tipsFromTheMenuAreShownOnceAndSavedAsShown() {
    podglad_->PokazRaport({"Funkcja wejściowa", "AB"});
    okno_->Wskazwki1->trigger();
    okno_->Wskazwki1->trigger();
    QVERIFY(podglad_->isVisible());
    QCOMPARE(podglad_->windowTitle(), QStringLiteral("Wskazówki, wskazówki, wskazówki ..."));
    QCOMPARE(podglad_->Linie().size(), 15);
    QCOMPARE(podglad_->Linie()[1], QStringLiteral("1) Usprawnienie edycji wzorów"));

    // Saving takes the tips, not the report shown before them.
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath("wskazowki.rtf");
    QVERIFY(!podglad_->ZapiszRtf(sciezka));
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::ReadOnly));
    const QByteArray rtf = plik.readAll();
    QVERIFY(rtf.contains("5) Otwieranie plik") && !rtf.contains("Funkcja wej"));
}

void PomocTest::copyTakesTheTextOfThePaneTheMenuWasOpenedOn_data() {
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("literowa");   // the letter canonical form of the last run
    QTest::addColumn<QString>("oczekiwany"); // "<bez zmian>": the clipboard keeps what it held
    auto wiersz = [](const char* nazwa, const char* panel, const char* lit, const char* wynik) {
        QTest::newRow(nazwa) << panel << lit << wynik;
    };
    wiersz("function pane, small a kept", "PaintBox1", "aBc+aBC", "a+B");
    wiersz("letter canonical", "PaintBox2", "aBc+aBC", "aBc+aBC");
    wiersz("letter canonical before any run", "PaintBox2", "", "");
    wiersz("decimal canonical", "PaintBox3", "aBc+aBC", "2,3");
    wiersz("minimal form on show", "PaintBox5", "aBc+aBC", "aB");
    wiersz("prime implicants have no menu", "PaintBox4", "aBc+aBC", "<bez zmian>");
}

void PomocTest::copyTakesTheTextOfThePaneTheMenuWasOpenedOn() {
    QFETCH(QString, panel);
    QFETCH(QString, literowa);
    QFETCH(QString, oczekiwany);
    QClipboard* schowek = QGuiApplication::clipboard();
    schowek->setText(QStringLiteral("stary"));
    if (schowek->text() != QStringLiteral("stary"))
        QSKIP("no clipboard on this platform");

    okno_->Edytor.Funkcja = "a+B";
    okno_->KanonicznaLiterowa = literowa;
    okno_->KanonicznaDziesietna = QStringLiteral("2,3");
    okno_->PostacieMinimalne.Dodaj("B");
    okno_->PostacieMinimalne.Dodaj("aB");
    okno_->IloscMinimalnych = 2;
    okno_->PostacMinimalna = QStringLiteral("aB"); // form 2 of 2 on show
    auto* p = okno_->findChild<vyn::gui::TPaintBox*>(panel);
    QVERIFY(p);

    // A right-button press through the window, as the user opens the menu.
    const QPoint gdzie = p->mapTo(okno_, QPoint(10, 10));
    QTest::mousePress(okno_->windowHandle(), Qt::RightButton, {}, gdzie);
    const bool maMenu = okno_->PopupMenu1->isVisible();
    QCOMPARE(maMenu, panel != QStringLiteral("PaintBox4"));
    // The menu takes the release, so the press must not have begun a drag.
    QVERIFY(!okno_->PrzeciaganieLiterowej && !okno_->PrzeciaganieDziesietnej &&
            !okno_->PrzeciaganieMinimalnej);
    if (maMenu) {
        okno_->Kopiujdoschowka1->trigger();
        okno_->PopupMenu1->hide();
    } else {
        QTest::mouseRelease(okno_->windowHandle(), Qt::RightButton, {}, gdzie);
        okno_->Kopiujdoschowka1Click(); // no pane chosen: nothing to copy
    }
    QCOMPARE(schowek->text(), oczekiwany == "<bez zmian>" ? QStringLiteral("stary") : oczekiwany);
}

void PomocTest::aboutFromTheMenuStartsTheCredits() {
    okno_->Oprogramie1->trigger();
    QVERIFY(about_->isVisible());
    QVERIFY(about_->Marquee1->Active());
}

QTEST_MAIN(PomocTest)
#include "pomoc_test.moc"

// The progress dialog driven by a real background run: what keeps it open, and the three ways
// to close it during the search, each a stop that keeps the forms found.
#include "controls/gauges.h"
#include "controls/headlist.h"
#include "engine/formmin.h"
#include "okno_testowe.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using testy::Wynik;
using testy::Zadanie;

class FormMinTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void details_shown_keep_the_dialog_open_until_the_next_run();
    void closing_during_the_search_stops_it_and_keeps_the_forms_data();
    void closing_during_the_search_stops_it_and_keeps_the_forms();

  private:
    TFormMin* okno_ = nullptr;
    PrzebiegMinimalizacji* przebieg_ = nullptr;
    QSignalSpy* koniec_ = nullptr;
};

void FormMinTest::init() {
    okno_ = new TFormMin;
    przebieg_ = new PrzebiegMinimalizacji;
    okno_->Polacz(przebieg_);
    koniec_ = new QSignalSpy(przebieg_, &PrzebiegMinimalizacji::Zakonczono);
}

void FormMinTest::cleanup() {
    delete koniec_;
    delete przebieg_;
    delete okno_;
}

void FormMinTest::details_shown_keep_the_dialog_open_until_the_next_run() {
    okno_->SpeedButton1->click();
    QVERIFY(przebieg_->Uruchom(Zadanie(testy::FunkcjaWieluPostaci, true)));
    QTRY_COMPARE_WITH_TIMEOUT(koniec_->count(), 1, 20000);
    QVERIFY(okno_->isVisible());
    QCOMPARE(okno_->BitBtn1->text(), QStringLiteral("Zamknij"));
    // One row per pass, in pass order.
    QStringList wiersze;
    for (const auto& s : Wynik(*koniec_).Szczegoly)
        wiersze << QString::fromStdString(s);
    QCOMPARE(wiersze.size(), 7);
    QCOMPARE(okno_->HeaderListbox1->Items(), wiersze);

    // The next run starts from an empty list and labels, with "Przerwij".
    QVERIFY(przebieg_->Uruchom(Zadanie("AB+aC", false)));
    QCOMPARE(okno_->BitBtn1->text(), QStringLiteral("Przerwij"));
    QVERIFY(okno_->HeaderListbox1->Items().isEmpty());
    QVERIFY(okno_->Label4->text().isEmpty());
    QTRY_COMPARE(koniec_->count(), 2);
    QCOMPARE(okno_->HeaderListbox1->Items().size(), 3);
    okno_->BitBtn1->click();
    QVERIFY(!okno_->isVisible());
}

void FormMinTest::closing_during_the_search_stops_it_and_keeps_the_forms_data() {
    QTest::addColumn<int>("sposob");
    QTest::newRow("przycisk Przerwij") << 0;
    QTest::newRow("klawisz Escape") << 1;
    QTest::newRow("zamkniecie okna") << 2;
}

void FormMinTest::closing_during_the_search_stops_it_and_keeps_the_forms() {
    QFETCH(int, sposob);
    const auto z = Zadanie(testy::FunkcjaDluga, true);
    QVERIFY(przebieg_->Uruchom(z));
    // A form has been recorded once its count shows.
    QTRY_VERIFY_WITH_TIMEOUT(okno_->Label4->text().startsWith("minimalnych: "), 20000);
    if (sposob == 0)
        okno_->BitBtn1->click();
    else if (sposob == 1)
        QTest::keyClick(okno_, Qt::Key_Escape);
    else
        okno_->close();
    QVERIFY(!okno_->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(koniec_->count(), 1, 10000);
    const auto w = Wynik(*koniec_);
    QVERIFY(w.Przerwano);
    QVERIFY(w.IloscMinimalnych() >= 1);
    testy::SprawdzPostacie(z, w);
    QVERIFY(!przebieg_->OstatniePostacieNiepelne());
    QCOMPARE(okno_->BitBtn1->text(), QStringLiteral("Zamknij"));
}

QTEST_MAIN(FormMinTest)
#include "formmin_test.moc"

// The progress dialog driven by a real background run.
#include "controls/gauges.h"
#include "controls/headlist.h"
#include "engine/formmin.h"
#include "funkcje.h"

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
    void layout_and_details_toggle();
    void normal_run_closes_the_dialog_and_leaves_the_results();
    void details_shown_keep_the_dialog_open_until_the_next_run();
    void closing_during_the_search_stops_it_and_keeps_the_forms_data();
    void closing_during_the_search_stops_it_and_keeps_the_forms();
    void clock_ticks_during_a_run_and_keeps_the_last_value_shown();
    void refused_run_closes_the_dialog_even_with_details_shown();

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

void FormMinTest::layout_and_details_toggle() {
    QCOMPARE(okno_->size(), QSize(381, 162));
    auto* lista = okno_->findChild<THeaderListbox*>("HeaderListbox1");
    QVERIFY(lista->y() >= 162); // out of sight until the details are shown
    QStringList naglowki;
    for (const auto& s : lista->Sections())
        naglowki << s.Text;
    QCOMPARE(naglowki, (QStringList{"Tablica nr", "Ilość składników", "Liczba porównań"}));

    auto* przelacznik = okno_->findChild<QToolButton*>("SpeedButton1");
    QVERIFY(!przelacznik->isHidden());
    przelacznik->click();
    QCOMPARE(przelacznik->text(), QStringLiteral("Ukryj szczegóły <<"));
    QVERIFY(lista->geometry().bottom() < okno_->height());
    przelacznik->click();
    QCOMPARE(okno_->height(), 162);
    QCOMPARE(przelacznik->text(), QStringLiteral("Pokaż szczegóły >>"));
}

void FormMinTest::normal_run_closes_the_dialog_and_leaves_the_results() {
    QVERIFY(przebieg_->Uruchom(Zadanie("0,1,2,5,6,7", true)));
    QVERIFY(okno_->isVisible());
    QCOMPARE(okno_->BitBtn1->text(), QStringLiteral("Przerwij"));
    QCOMPARE(okno_->LabelCzas->text(), QStringLiteral("Czas minimalizacji: 00:00:00"));
    QTRY_COMPARE(koniec_->count(), 1);
    QVERIFY(!okno_->isVisible());
    QCOMPARE(okno_->BitBtn1->text(), QStringLiteral("Zamknij"));
    QCOMPARE(okno_->Gauge1->Progress(), 100);
    // The count of forms stays; letters and groups are emptied at the end of the search.
    QCOMPARE(okno_->Label4->text(), QStringLiteral("minimalnych: 2"));
    QCOMPARE(okno_->Label2->text(), QString());
    QCOMPARE(okno_->Label3->text(), QString());
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

void FormMinTest::clock_ticks_during_a_run_and_keeps_the_last_value_shown() {
    QVERIFY(przebieg_->Uruchom(Zadanie(testy::FunkcjaDluga, true)));
    // The GUI thread is free while the engine works, so the clock advances.
    QTRY_COMPARE_WITH_TIMEOUT(okno_->LabelCzas->text(),
                              QStringLiteral("Czas minimalizacji: 00:00:02"), 6000);
    QVERIFY(przebieg_->Trwa());
    okno_->BitBtn1->click();
    QTRY_COMPARE_WITH_TIMEOUT(koniec_->count(), 1, 10000);
    QCOMPARE(okno_->LabelCzas->text(),
             QStringLiteral("Czas minimalizacji: ") + okno_->CzasMinimalizacjiTekst());
    QVERIFY(okno_->CzasMinimalizacji() >= 2);
    QVERIFY(!okno_->findChild<QTimer*>("Timer1")->isActive());
}

void FormMinTest::refused_run_closes_the_dialog_even_with_details_shown() {
    okno_->SpeedButton1->click();
    QVERIFY(przebieg_->Uruchom({"ABC", false, "AB"}));
    QTRY_COMPARE(koniec_->count(), 1);
    QVERIFY(!okno_->isVisible());
    QCOMPARE(Wynik(*koniec_).IloscMinimalnych(), 0);
}

QTEST_MAIN(FormMinTest)
#include "formmin_test.moc"

// The progress dialog driven by a real background run: the gauge's steps, shown details keep it
// open and the next run starts it afresh; one run at a time, and none outlives its runner.
#include "controls/gauges.h"
#include "controls/headlist.h"
#include "okno_testowe.h"

#include <algorithm>

using Z = vyn::ZadanieMinimalizacji;

class FormMinTest : public QObject {
    Q_OBJECT
  private slots:
    void the_gauge_steps_by_pass_details_keep_it_open_and_runs_go_one_at_a_time() {
        TFormMin okno;
        PrzebiegMinimalizacji przebieg;
        okno.Polacz(&przebieg);
        QSignalSpy koniec(&przebieg, &PrzebiegMinimalizacji::Zakonczono);
        QList<int> wskazania; // the gauge as each value has reached it
        connect(&przebieg, &PrzebiegMinimalizacji::Postep, &okno,
                [&] { wskazania << okno.Gauge1->Progress(); });
        okno.SpeedButton1->click();
        QVERIFY(przebieg.Uruchom(Z{"ABCDEFG+abcdefg", false, "ABCDEFG"}));
        QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
        // 20 after the canonical form, a step of 70 / 7 per pass, 100 at the end.
        QCOMPARE(wskazania, (QList<int>{20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QVERIFY(okno.isVisible() && okno.BitBtn1->text() == QStringLiteral("Zamknij"));
        // One row per pass, in pass order.
        const auto wiersze = koniec.last().at(0).value<vyn::WynikMinimalizacji>().Szczegoly;
        QCOMPARE(okno.HeaderListbox1->Items().size(), 7);
        QVERIFY(
            std::ranges::equal(okno.HeaderListbox1->Items(), wiersze, {}, &QString::toStdString));

        // The next run starts from an empty list and labels, with "Przerwij".
        QVERIFY(przebieg.Uruchom(Z{"AB+aC", false, "ABC"}));
        QVERIFY(okno.BitBtn1->text() == "Przerwij" && okno.HeaderListbox1->Items().isEmpty() &&
                okno.Label4->text().isEmpty() && okno.Gauge1->Progress() == 0);
        QTRY_COMPARE(koniec.count(), 2);
        QCOMPARE(okno.HeaderListbox1->Items().size(), 3);

        // One run at a time; the runner's end stops its search rather than waiting it out.
        QSignalSpy etap(&przebieg, &PrzebiegMinimalizacji::Etap);
        QVERIFY(przebieg.Uruchom(Z{testy::FunkcjaDluga, true, "ABCDEFGHIJ"}));
        QVERIFY(!przebieg.Uruchom(Z{"AB", false, "AB"}));
        QTRY_VERIFY_WITH_TIMEOUT(etap.contains({QStringLiteral("Wybieranie postaci minimalnych")}),
                                 20000);
        QVERIFY(przebieg.Trwa());
    }
};

QTEST_MAIN(FormMinTest)
#include "formmin_test.moc"

// The progress dialog driven by a real background run: the gauge's steps, shown details keep it
// open and the next run starts it afresh; one run at a time, and none outlives its runner.
#include "controls/gauges.h"
#include "controls/headlist.h"
#include "okno_testowe.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using testy::Zadanie;

class FormMinTest : public QObject {
    Q_OBJECT
  private slots:
    void the_gauge_steps_by_pass_and_shown_details_keep_the_dialog_open() {
        TFormMin okno;
        PrzebiegMinimalizacji przebieg;
        okno.Polacz(&przebieg);
        QSignalSpy koniec(&przebieg, &PrzebiegMinimalizacji::Zakonczono);
        QList<int> wskazania; // the gauge as each value has reached it
        connect(&przebieg, &PrzebiegMinimalizacji::Postep, &okno,
                [&] { wskazania << okno.Gauge1->Progress(); });
        okno.SpeedButton1->click();
        QVERIFY(przebieg.Uruchom(Zadanie("ABCDEFG+abcdefg", false)));
        QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
        // 20 after the canonical form, a step of 70 / 7 per pass, 100 at the end.
        QCOMPARE(wskazania, (QList<int>{20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.BitBtn1->text(), QStringLiteral("Zamknij"));
        // One row per pass, in pass order.
        QStringList wiersze;
        for (const auto& s : testy::Wynik(koniec).Szczegoly)
            wiersze << QString::fromStdString(s);
        QCOMPARE(wiersze.size(), 7);
        QCOMPARE(okno.HeaderListbox1->Items(), wiersze);

        // The next run starts from an empty list and labels, with "Przerwij".
        QVERIFY(przebieg.Uruchom(Zadanie("AB+aC", false)));
        QCOMPARE(okno.BitBtn1->text(), QStringLiteral("Przerwij"));
        QVERIFY(okno.HeaderListbox1->Items().isEmpty() && okno.Label4->text().isEmpty());
        QCOMPARE(okno.Gauge1->Progress(), 0);
        QTRY_COMPARE(koniec.count(), 2);
        QCOMPARE(okno.HeaderListbox1->Items().size(), 3);
        okno.BitBtn1->click();
        QVERIFY(!okno.isVisible());
    }

    void one_run_at_a_time_and_none_outlives_the_runner() {
        auto* przebieg = new PrzebiegMinimalizacji;
        QSignalSpy etap(przebieg, &PrzebiegMinimalizacji::Etap);
        QVERIFY(przebieg->Uruchom(Zadanie(testy::FunkcjaDluga, true)));
        QVERIFY(!przebieg->Uruchom(Zadanie("AB", false)));
        auto szuka = [&] {
            for (const auto& e : etap)
                if (e.at(0).toString() == QStringLiteral("Wybieranie postaci minimalnych"))
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(szuka(), 20000);
        QVERIFY(przebieg->Trwa());
        delete przebieg; // stops the search rather than waiting it out (minutes)
    }
};

QTEST_MAIN(FormMinTest)
#include "formmin_test.moc"

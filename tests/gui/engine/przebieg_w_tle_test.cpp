// The background run: a stop before the tables end, and one run at a time.
#include "engine/przebieg_w_tle.h"
#include "okno_testowe.h"

#include <QSignalSpy>
#include <QTest>

using testy::Wynik;
using testy::Zadanie;

class PrzebiegWTleTest : public QObject {
    Q_OBJECT
  private slots:
    void stop_before_the_tables_end_stops_the_search_too();
    void one_run_at_a_time_and_none_outlives_the_runner();
};

void PrzebiegWTleTest::stop_before_the_tables_end_stops_the_search_too() {
    const auto z = Zadanie(testy::FunkcjaDluga, true);
    PrzebiegMinimalizacji przebieg;
    QSignalSpy koniec(&przebieg, &PrzebiegMinimalizacji::Zakonczono);
    QVERIFY(przebieg.Uruchom(z));
    // In force before the engine clears its flag at the start: the first table pass stops,
    // and the search that the engine runs after it must stop as well, not run for minutes.
    przebieg.Przerwij();
    QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 10000);
    const auto w = Wynik(koniec);
    QVERIFY(w.Przerwano);
    QVERIFY(w.Szczegoly.size() < z.Kodowanie.size());
    QVERIFY(przebieg.OstatniePostacieNiepelne());

    // The next run is not touched by the old request.
    QVERIFY(przebieg.Uruchom(Zadanie("0,1,2,5,6,7", true)));
    QTRY_COMPARE(koniec.count(), 2);
    QVERIFY(!Wynik(koniec).Przerwano);
    QCOMPARE(Wynik(koniec).IloscMinimalnych(), 2);
    QVERIFY(!przebieg.OstatniePostacieNiepelne());
}

void PrzebiegWTleTest::one_run_at_a_time_and_none_outlives_the_runner() {
    auto* przebieg = new PrzebiegMinimalizacji;
    QSignalSpy rozpoczeto(przebieg, &PrzebiegMinimalizacji::Rozpoczeto);
    QSignalSpy etap(przebieg, &PrzebiegMinimalizacji::Etap);
    QVERIFY(przebieg->Uruchom(Zadanie(testy::FunkcjaDluga, true)));
    QVERIFY(!przebieg->Uruchom(Zadanie("AB", false)));
    QCOMPARE(rozpoczeto.count(), 1);
    auto szuka = [&] {
        for (const auto& e : etap)
            if (e.at(0).toString() == QStringLiteral("Wybieranie postaci minimalnych"))
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(szuka(), 20000);
    QVERIFY(przebieg->Trwa());
    delete przebieg; // returns at once: the search is stopped, not waited out
}

QTEST_MAIN(PrzebiegWTleTest)
#include "przebieg_w_tle_test.moc"

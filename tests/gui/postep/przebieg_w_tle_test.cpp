// The background run: order and content of its progress, stopping, refusals.
#include "engine/przebieg_w_tle.h"
#include "funkcje.h"

#include <QSignalSpy>
#include <QTest>

using testy::Wynik;
using testy::Zadanie;

class PrzebiegWTleTest : public QObject {
    Q_OBJECT
  private slots:
    void gauge_and_stage_texts_follow_the_letters_data();
    void gauge_and_stage_texts_follow_the_letters();
    void labels_are_coalesced_and_end_with_the_final_count();
    void stop_before_the_tables_end_stops_the_search_too();
    void refused_input_gives_the_message_and_no_forms_data();
    void refused_input_gives_the_message_and_no_forms();
    void one_run_at_a_time_and_none_outlives_the_runner();
};

void PrzebiegWTleTest::gauge_and_stage_texts_follow_the_letters_data() {
    QTest::addColumn<QString>("funkcja");
    QTest::addColumn<bool>("dziesietna");
    QTest::addColumn<QList<int>>("wskaznik");
    // Up to four letters the gauge stays at 20 through the tables.
    QTest::newRow("4 litery") << "AB+cD" << false << QList<int>{20, 100};
    QTest::newRow("5 liter") << "ABCDE+abcde" << false << QList<int>{20, 34, 48, 62, 76, 90, 100};
    QTest::newRow("7 liter") << QString(testy::FunkcjaWieluPostaci) << true
                             << QList<int>{20, 30, 40, 50, 60, 70, 80, 90, 100};
}

void PrzebiegWTleTest::gauge_and_stage_texts_follow_the_letters() {
    QFETCH(QString, funkcja);
    QFETCH(bool, dziesietna);
    QFETCH(QList<int>, wskaznik);
    const auto z = Zadanie(funkcja.toStdString(), dziesietna);
    PrzebiegMinimalizacji przebieg;
    QSignalSpy postep(&przebieg, &PrzebiegMinimalizacji::Postep);
    QSignalSpy etap(&przebieg, &PrzebiegMinimalizacji::Etap);
    QSignalSpy koniec(&przebieg, &PrzebiegMinimalizacji::Zakonczono);
    QVERIFY(przebieg.Uruchom(z));
    QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
    QCOMPARE(testy::Wartosci<int>(postep), wskaznik);

    QStringList etapy = testy::Wartosci<QString>(etap);
    // The search announces itself only when a cyclic core is left.
    etapy.removeAll(QStringLiteral("Wybieranie postaci minimalnych"));
    QStringList oczekiwane{QStringLiteral("Tworzenie postaci kanonicznej funkcji")};
    const int l = static_cast<int>(z.Kodowanie.size());
    for (int n = 1; l > 4 && n <= l; ++n)
        oczekiwane
            << QStringLiteral("Znajdowanie prostych implikantów, tablica pomocnicza nr %1").arg(n);
    oczekiwane << QStringLiteral("Obliczanie postaci minimalnej");
    QCOMPARE(etapy, oczekiwane);
}

void PrzebiegWTleTest::labels_are_coalesced_and_end_with_the_final_count() {
    const auto z = Zadanie(testy::FunkcjaWieluPostaci, true);
    PrzebiegMinimalizacji przebieg;
    // No delivery during the run: all comes in the flush before the end.
    przebieg.UstawOkresEtykiet(3600 * 1000);
    QSignalSpy etykieta(&przebieg, &PrzebiegMinimalizacji::Etykieta);
    QSignalSpy koniec(&przebieg, &PrzebiegMinimalizacji::Zakonczono);
    QVERIFY(przebieg.Uruchom(z));
    QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
    const auto w = Wynik(koniec);
    QVERIFY(w.IloscMinimalnych() > 10);
    testy::SprawdzPostacie(z, w);
    // Dozens of forms recorded, each label delivered once with its last text; the search
    // empties letters and groups when it ends.
    QCOMPARE(etykieta.count(), 3);
    QMap<int, QString> ostatnie;
    for (const auto& e : etykieta)
        ostatnie[e.at(0).toInt()] = e.at(1).toString();
    QCOMPARE(ostatnie.value(4), QStringLiteral("minimalnych: %1").arg(w.IloscMinimalnych()));
    QCOMPARE(ostatnie.value(2), QString());
    QCOMPARE(ostatnie.value(3), QString());
}

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

void PrzebiegWTleTest::refused_input_gives_the_message_and_no_forms_data() {
    QTest::addColumn<QString>("funkcja");
    QTest::addColumn<bool>("dziesietna");
    QTest::addColumn<QString>("kodowanie");
    QTest::addColumn<vyn::StanPrzebiegu>("stan");
    QTest::addColumn<QString>("komunikat");
    QTest::newRow("litera spoza kodowania")
        << "ABC" << false << "AB" << vyn::StanPrzebiegu::Odrzucony
        << QStringLiteral("Litera C nie występuje");
    QTest::newRow("liczba poza zakresem")
        << "5,70000000" << true << "ABC" << vyn::StanPrzebiegu::Odrzucony
        << QStringLiteral("Przekroczony zakres liczb");
    // 2^15 minterms over 16 letters: the first table overflows.
    QTest::newRow("pelna tablica")
        << "A+a" << false << "ABCDEFGHIJKLMNOP" << vyn::StanPrzebiegu::PrzekroczonaPojemnosc
        << QStringLiteral("Przekroczona pojemność tablicy");
}

void PrzebiegWTleTest::refused_input_gives_the_message_and_no_forms() {
    QFETCH(QString, funkcja);
    QFETCH(bool, dziesietna);
    QFETCH(QString, kodowanie);
    QFETCH(vyn::StanPrzebiegu, stan);
    QFETCH(QString, komunikat);
    PrzebiegMinimalizacji przebieg;
    QSignalSpy koniec(&przebieg, &PrzebiegMinimalizacji::Zakonczono);
    QVERIFY(przebieg.Uruchom({funkcja.toStdString(), dziesietna, kodowanie.toStdString()}));
    QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
    const auto w = Wynik(koniec);
    QVERIFY(w.Stan == stan);
    QVERIFY2(QString::fromStdString(w.Komunikat).startsWith(komunikat), w.Komunikat.c_str());
    QCOMPARE(w.IloscMinimalnych(), 0);
}

void PrzebiegWTleTest::one_run_at_a_time_and_none_outlives_the_runner() {
    auto* przebieg = new PrzebiegMinimalizacji;
    QSignalSpy rozpoczeto(przebieg, &PrzebiegMinimalizacji::Rozpoczeto);
    QSignalSpy etap(przebieg, &PrzebiegMinimalizacji::Etap);
    QVERIFY(przebieg->Uruchom(Zadanie(testy::FunkcjaDluga, true)));
    QVERIFY(!przebieg->Uruchom(Zadanie("AB", false)));
    QCOMPARE(rozpoczeto.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(
        testy::Wartosci<QString>(etap).contains("Wybieranie postaci minimalnych"), 20000);
    QVERIFY(przebieg->Trwa());
    delete przebieg; // returns at once: the search is stopped, not waited out
}

QTEST_MAIN(PrzebiegWTleTest)
#include "przebieg_w_tle_test.moc"

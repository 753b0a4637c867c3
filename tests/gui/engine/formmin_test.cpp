// The progress dialog driven by a real background run: shown details keep it open, and the
// next run starts it afresh; one run at a time, and none outlives its runner.
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
    void one_run_at_a_time_and_none_outlives_the_runner();

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
    QVERIFY(przebieg_->Uruchom(Zadanie("ABCDEFG+abcdefg", false)));
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

void FormMinTest::one_run_at_a_time_and_none_outlives_the_runner() {
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
    delete przebieg; // returns at once: the search is stopped, not waited out
}

QTEST_MAIN(FormMinTest)
#include "formmin_test.moc"

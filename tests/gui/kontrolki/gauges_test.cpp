// TGauge: value rules and the pixels of the bar, the frame and the inverted text.
#include "controls/gauges.h"

#include <QTest>

namespace {

const QRgb Granat = 0x000080;
const QRgb Bialy = 0xFFFFFF;

QRgb Piksel(const QImage& obraz, int x, int y) {
    return obraz.pixel(x, y) & 0xFFFFFF;
}

// Counts the paints that reach the screen.
class LiczacyGauge : public TGauge {
  public:
    int Malowania = 0;

  protected:
    void paintEvent(QPaintEvent* e) override {
        ++Malowania;
        TGauge::paintEvent(e);
    }
};

} // namespace

class GaugesTest : public QObject {
    Q_OBJECT
  private slots:
    void progress_is_clamped_and_gives_a_whole_percent_data();
    void progress_is_clamped_and_gives_a_whole_percent();
    void bar_fill_is_the_percentage_of_the_bar_width_data();
    void bar_fill_is_the_percentage_of_the_bar_width();
    void text_is_inverted_over_the_fill_and_the_background();
    void repaints_only_when_the_whole_percent_changes();
};

void GaugesTest::progress_is_clamped_and_gives_a_whole_percent_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("ustawiony");
    QTest::addColumn<int>("zapamietany");
    QTest::addColumn<int>("procent");
    QTest::newRow("150 ponad maksimum") << 0 << 100 << 150 << 100 << 100;
    QTest::newRow("ponizej minimum") << 10 << 20 << 3 << 10 << 0;
    QTest::newRow("obciecie ulamka") << 0 << 3 << 2 << 2 << 66;
    QTest::newRow("przesuniety zakres") << 50 << 150 << 75 << 75 << 25;
    QTest::newRow("pusty zakres") << 5 << 5 << 9 << 5 << 0;
    // (p - min) * 100 does not fit in 32 bits here.
    QTest::newRow("zakres 32 bitow") << -2000000000 << 2000000000 << 0 << 0 << 50;
}

void GaugesTest::progress_is_clamped_and_gives_a_whole_percent() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, ustawiony);
    QFETCH(int, zapamietany);
    QFETCH(int, procent);
    TGauge g;
    g.SetMaxValue(max);
    g.SetMinValue(min);
    g.SetProgress(ustawiony);
    QCOMPARE(g.Progress(), zapamietany);
    QCOMPARE(g.PercentDone(), procent);
}

void GaugesTest::bar_fill_is_the_percentage_of_the_bar_width_data() {
    QTest::addColumn<bool>("ramka");
    QTest::addColumn<int>("postep");
    QTest::addColumn<int>("wypelnienie"); // of a 200-pixel bar
    QTest::newRow("20 z ramka") << true << 20 << 40;
    QTest::newRow("20 bez ramki") << false << 20 << 40;
    QTest::newRow("0") << true << 0 << 0;
    QTest::newRow("150") << true << 150 << 200;
}

void GaugesTest::bar_fill_is_the_percentage_of_the_bar_width() {
    QFETCH(bool, ramka);
    QFETCH(int, postep);
    QFETCH(int, wypelnienie);
    TGauge g;
    g.SetBorderStyle(ramka ? TGauge::bsSingle : TGauge::bsNone);
    g.SetShowText(false);
    g.SetForeColor(QColor(Granat));
    g.resize(ramka ? 202 : 200, 20);
    g.SetProgress(postep);
    const QImage obraz = g.grab().toImage();
    const int lewa = ramka ? 1 : 0;
    for (int x = lewa; x < lewa + 200; ++x)
        QCOMPARE(Piksel(obraz, x, 10), x < lewa + wypelnienie ? Granat : Bialy);
    if (ramka) {
        // A black frame of one pixel.
        QCOMPARE(Piksel(obraz, 0, 10), QRgb(0));
        QCOMPARE(Piksel(obraz, 201, 10), QRgb(0));
        QCOMPARE(Piksel(obraz, 100, 0), QRgb(0));
        QCOMPARE(Piksel(obraz, 100, 19), QRgb(0));
    }
}

void GaugesTest::text_is_inverted_over_the_fill_and_the_background() {
    TGauge g;
    g.SetForeColor(QColor(Granat));
    g.resize(62, 24);
    g.SetProgress(50);
    const QImage obraz = g.Obraz();
    const QRgb jasnozolty = Granat ^ 0xFFFFFF;
    const int granica = 1 + 30; // half of the 60-pixel bar
    int naWypelnieniu = 0, naTle = 0;
    for (int y = 1; y < obraz.height() - 1; ++y)
        for (int x = 1; x < obraz.width() - 1; ++x) {
            const QRgb p = Piksel(obraz, x, y);
            if (x < granica) {
                QVERIFY2(p == Granat || p == jasnozolty, qPrintable(QString::number(p, 16)));
                naWypelnieniu += p == jasnozolty;
            } else {
                QVERIFY2(p == Bialy || p == 0, qPrintable(QString::number(p, 16)));
                naTle += p == 0;
            }
        }
    // "50%" is centred, so it lies over both parts.
    QVERIFY(naWypelnieniu > 0);
    QVERIFY(naTle > 0);
    QCOMPARE(g.grab().toImage().convertToFormat(QImage::Format_RGB32), obraz);
}

void GaugesTest::repaints_only_when_the_whole_percent_changes() {
    LiczacyGauge g;
    g.SetMaxValue(1000);
    g.resize(100, 20);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    const int przed = g.Malowania;
    g.SetProgress(15); // 1%
    QTRY_COMPARE(g.Malowania, przed + 1);
    g.SetProgress(19); // still 1%
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(g.Malowania, przed + 1);
    g.SetProgress(20); // 2%
    QTRY_COMPARE(g.Malowania, przed + 2);
}

QTEST_MAIN(GaugesTest)
#include "gauges_test.moc"

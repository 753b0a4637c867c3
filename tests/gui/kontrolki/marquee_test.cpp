// TMarquee: the picture scrolls 3 pixels a tick from below the control and reports done.
#include "controls/marquee.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// The first row with a pixel not of the background, or -1.
int PierwszyWierszTekstu(const QImage& obraz, QRgb tlo) {
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if ((obraz.pixel(x, y) & 0xFFFFFF) != (tlo & 0xFFFFFF))
                return y;
    return -1;
}

} // namespace

class MarqueeTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void text_enters_from_below_and_moves_three_pixels_a_tick();
    void stops_and_reports_done_once_the_last_line_has_passed();
    void start_needs_lines_and_does_not_restart_a_running_marquee();

  private:
    TMarquee* m_ = nullptr;
};

void MarqueeTest::init() {
    m_ = new TMarquee;
    m_->resize(120, 60);
    m_->SetColor(QColor(0, 238, 179));
    m_->SetFontColor(QColor(0, 0, 128));
    m_->SetLines({"", "", "VYN dla Windows", ""});
}

void MarqueeTest::cleanup() {
    delete m_;
}

void MarqueeTest::text_enters_from_below_and_moves_three_pixels_a_tick() {
    m_->Start();
    QVERIFY(m_->Active());
    const QRgb tlo = m_->Color().rgb();
    // The first line starts one control height below the top: nothing is seen yet.
    QCOMPARE(PierwszyWierszTekstu(m_->grab().toImage(), tlo), -1);

    // Bring the top of the third line to about 12 pixels below the control's top.
    const int linia = m_->WysokoscLinii();
    const int tykniecia = (m_->height() + 2 * linia - 12) / 3;
    for (int i = 0; i < tykniecia; ++i)
        m_->Krok();
    QCOMPARE(m_->Przesuniecie(), 3 * tykniecia);
    const int gora = m_->height() + 2 * linia - 3 * tykniecia;
    const int y = PierwszyWierszTekstu(m_->grab().toImage(), tlo);
    QVERIFY2(y >= gora && y < gora + linia, qPrintable(QString("%1 vs %2").arg(y).arg(gora)));
}

void MarqueeTest::stops_and_reports_done_once_the_last_line_has_passed() {
    QSignalSpy gotowe(m_, &TMarquee::OnDone);
    m_->Start();
    int tykniecia = 0;
    while (m_->Active() && tykniecia < 1000) {
        m_->Krok();
        ++tykniecia;
    }
    QCOMPARE(gotowe.count(), 1);
    // The first offset past the control's height and all four lines ends it.
    QCOMPARE(tykniecia, (m_->height() + 4 * m_->WysokoscLinii()) / 3 + 1);
    m_->Krok();
    QCOMPARE(gotowe.count(), 1);

    // The 50 ms timer drives the same steps on its own.
    m_->resize(120, 6);
    m_->SetLines({"x"});
    m_->Start();
    QTRY_COMPARE_WITH_TIMEOUT(gotowe.count(), 2, 10000);
}

void MarqueeTest::start_needs_lines_and_does_not_restart_a_running_marquee() {
    TMarquee pusty;
    pusty.Start();
    QVERIFY(!pusty.Active());

    m_->Start();
    m_->Krok();
    m_->Krok();
    m_->Start();
    QCOMPARE(m_->Przesuniecie(), 6);
    QSignalSpy gotowe(m_, &TMarquee::OnDone);
    m_->Stop();
    QVERIFY(!m_->Active());
    QCOMPARE(gotowe.count(), 1);
    m_->Start();
    QCOMPARE(m_->Przesuniecie(), 0);
}

QTEST_MAIN(MarqueeTest)
#include "marquee_test.moc"

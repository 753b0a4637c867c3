// The About box: its window, picture and credits, and how the end of the credits closes it.
#include "controls/marquee.h"
#include "display/formabout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using vyn::gui::TFormAbout;

class AboutTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { about_ = new TFormAbout; }
    void cleanup() { delete about_; }
    void smallToolWindowOnTopWithPictureAndCredits();
    void creditsAreEightyFiveLinesThatFitTheBox();
    void creditsScrollOnceAndCloseTheBoxWhenThrough();

  private:
    // Ticks the credits until they stop; the number of ticks taken.
    int DoKonca() {
        int tykniecia = 0;
        while (about_->Marquee1->Active() && tykniecia < 10000) {
            about_->Marquee1->Krok();
            ++tykniecia;
        }
        return tykniecia;
    }

    TFormAbout* about_ = nullptr;
};

void AboutTest::smallToolWindowOnTopWithPictureAndCredits() {
    QCOMPARE(about_->windowTitle(), QStringLiteral("O programie"));
    QVERIFY((about_->windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
    QVERIFY(about_->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(about_->minimumSize(), QSize(252, 304)); // not sizable
    QCOMPARE(about_->maximumSize(), QSize(252, 304));

    about_->show();
    QVERIFY(QTest::qWaitForWindowExposed(about_));
    const QImage obraz = about_->grab().toImage();
    // The picture: 251 x 131 and a real drawing, not one flat colour.
    const QImage rysunek = about_->Image1->pixmap().toImage();
    QCOMPARE(rysunek.size(), QSize(251, 131));
    QSet<QRgb> kolory;
    for (int y = 0; y < rysunek.height(); y += 3)
        for (int x = 0; x < rysunek.width(); x += 3)
            kolory.insert(rysunek.pixel(x, y));
    QVERIFY(kolory.size() > 20);
    QCOMPARE(obraz.pixel(120, 60), rysunek.pixel(120, 60));
    // The bottom 177 pixels are the credits' green, their text still below sight.
    for (int y : {304 - 177, 200, 303})
        QCOMPARE(QColor(obraz.pixel(126, y)), QColor(0, 238, 179));
    QCOMPARE(QColor(obraz.pixel(126, 304 - 178)), QColor(rysunek.pixel(126, 304 - 178)));
}

void AboutTest::creditsAreEightyFiveLinesThatFitTheBox() {
    const QStringList linie = about_->Marquee1->Lines();
    QCOMPARE(linie.size(), 85);
    QCOMPARE(linie.size() - linie.count(QString()), 17);
    QCOMPARE(linie[2], QStringLiteral("VYN dla Windows"));
    // Each line is drawn as one line: any wider than the box would lose its ends.
    const QFontMetrics miary(about_->Marquee1->font());
    for (const QString& linia : linie)
        QVERIFY2(miary.horizontalAdvance(linia) <= TFormAbout::Szerokosc, qPrintable(linia));
}

void AboutTest::creditsScrollOnceAndCloseTheBoxWhenThrough() {
    TMarquee* napisy = about_->Marquee1;
    QSignalSpy gotowe(napisy, &TMarquee::OnDone);
    // The last line leaves at the top once the box's height and all 85 lines have passed.
    const int wszystkie = (177 + 85 * napisy->WysokoscLinii()) / 3 + 1;
    about_->Pokaz();
    QVERIFY(napisy->Active());
    for (int i = 0; i < 10; ++i)
        napisy->Krok();
    QCOMPARE(napisy->Przesuniecie(), 30);

    // Closed early, the credits go on out of sight; shown again, they are not restarted.
    about_->close();
    QVERIFY(napisy->Active());
    napisy->Krok();
    about_->Pokaz();
    QCOMPARE(napisy->Przesuniecie(), 33);

    // The run begun at the first showing ends and closes the box.
    QCOMPARE(11 + DoKonca(), wszystkie);
    QCOMPARE(gotowe.count(), 1);
    QVERIFY(!about_->isVisible());

    // Shown once more, the credits begin again from below.
    about_->Pokaz();
    QCOMPARE(napisy->Przesuniecie(), 0);
    QCOMPARE(DoKonca(), wszystkie);
    QVERIFY(!about_->isVisible());
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"

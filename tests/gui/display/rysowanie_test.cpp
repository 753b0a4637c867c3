// What the panes draw that no state of the window tells: a negated letter carries a bar on
// the top row of its cell, a plain letter none, in the function and the result panes alike.
#include "okno_testowe.h"

#include <QImage>

using vyn::gui::TForm1;

class RysowanieTest : public QObject {
    Q_OBJECT

    // Whether the top row of cell k (of width w) holds a black bar.
    static bool Kreska(QWidget* panel, int k, int w) {
        const QImage o = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int x = k * w; x < k * w + w / 2; ++x)
            if (o.pixelColor(x, 0) != QColor(Qt::black))
                return false;
        return true;
    }

  private slots:
    void negated_letters_carry_a_bar_and_plain_ones_none() {
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const int w = f.SzerokoscZnaku;
        testy::Wpisz(&f, QStringLiteral("aB Cd"));
        const bool funkcja[] = {true, false, false, false, true}; // a B + C d
        for (int k = 0; k < 5; ++k)
            QVERIFY2(Kreska(f.PaintBox1, k, w) == funkcja[k], qPrintable(QString::number(k)));

        f.ProsteImplikanty = QStringLiteral("Ab,c");
        f.RysujImplikanty();
        const bool implikanty[] = {false, true, false, true}; // A b , c
        for (int k = 0; k < 4; ++k)
            QVERIFY2(Kreska(f.PaintBox4, k, w) == implikanty[k], qPrintable(QString::number(k)));
    }
};

QTEST_MAIN(RysowanieTest)
#include "rysowanie_test.moc"

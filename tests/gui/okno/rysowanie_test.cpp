// The panes checked on their pixels: bars, the cursor, cells, dragging and clearing.
#include "pomoc_okna.h"

#include "display/panel.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>

#include <memory>

using vyn::gui::TForm1;
using vyn::gui::TPaintBox;

namespace {

QImage Obraz(QWidget* w) {
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Czarny(const QImage& o, int x, int y) {
    return o.pixelColor(x, y) == QColor(0, 0, 0);
}
bool Zolty(const QImage& o, int x, int y) {
    return o.pixelColor(x, y) == QColor(255, 255, 0);
}

// Whether any pixel of the cell [x, x + w) differs from the background.
bool CosWKomorce(const QImage& o, int x, int w, const QColor& tlo) {
    for (int i = x; i < x + w && i < o.width(); ++i)
        for (int y = 1; y < o.height(); ++y)
            if (o.pixelColor(i, y) != tlo)
                return true;
    return false;
}

} // namespace

class RysowanieTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> f;
    QColor tlo;
    int w = 0;

  private slots:
    void init() {
        f = std::make_unique<TForm1>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        tlo = f->PaintBox2->palette().color(QPalette::Button);
        w = f->SzerokoscZnaku;
        QCOMPARE(w, 12);
    }
    void cleanup() { f.reset(); }

    void a_negated_letter_has_its_bar_on_the_top_row() {
        testy::Wpisz(f.get(), QStringLiteral("aB"));
        const QImage o = Obraz(f->PaintBox1);
        for (int x = 0; x <= w - 5; ++x)
            QVERIFY2(Czarny(o, x, 0), qPrintable(QString::number(x)));
        QVERIFY(!Czarny(o, w - 4, 0)); // the end point is not drawn
        QVERIFY(!Czarny(o, 0, 1));     // one pixel thick
        for (int x = w; x < 2 * w; ++x)
            QVERIFY(!Czarny(o, x, 0)); // B is plain
        QVERIFY(CosWKomorce(o, w, w, tlo));
    }

    void the_cursor_is_a_yellow_l_after_the_text() {
        testy::Wpisz(f.get(), QStringLiteral("AB"));
        const QImage o = Obraz(f->PaintBox1);
        const int x = 2 * w;
        const int h = f->WysokoscZnaku;
        for (int y = 0; y < h + 2; ++y)
            QVERIFY(Zolty(o, x, y));
        for (int i = x; i <= x + w - 5; ++i)
            QVERIFY(Zolty(o, i, h + 2)); // 17 pixels below the top at the default size
        QCOMPARE(h + 2, 17);
        QVERIFY(!Zolty(o, x + w - 4, h + 2));
        QVERIFY(!Zolty(o, x - 1, 5));
    }

    void prime_implicants_draw_bars_and_commas_in_their_cells() {
        f->ProsteImplikanty = QStringLiteral("Ab,c");
        f->RysujImplikanty();
        const QImage o = Obraz(f->PaintBox4);
        QVERIFY(!Czarny(o, 1, 0));
        QVERIFY(Czarny(o, w + 1, 0));
        QVERIFY(!Czarny(o, 2 * w + 1, 0));
        QVERIFY(Czarny(o, 3 * w + 1, 0));
        for (int k = 0; k < 4; ++k)
            QVERIFY(CosWKomorce(o, k * w, w, tlo));
        QVERIFY(!CosWKomorce(o, 4 * w, w, tlo));
    }

    // A dragged pane shows exactly what an undragged pane shows of the text that starts at
    // the first visible character: the text moves in whole cells.
    void a_drag_moves_the_slice_in_whole_cells() {
        const QString tekst = QStringLiteral("AbC+aBc+ABC+abc+AbC+aBc+ABC+abc+AbC+aBc+ABC+abc+AB");
        f->KanonicznaLiterowa = tekst;
        f->RysujKanonicznaLiterowa();
        const QImage poczatek = Obraz(f->PaintBox2);

        f->PaintBox2MouseDown(300);
        f->PaintBox2MouseMove(300 - 3 * w);
        f->PaintBox2MouseMove(300 - 3 * w - 4); // less than half a cell more: no change
        const QImage przesuniety = Obraz(f->PaintBox2);
        f->PaintBox2MouseUp();
        f->PaintBox2MouseMove(0); // released: the offset stays
        QCOMPARE(f->PrzesuniecieLiterowej, -3 * w - 4);

        f->KanonicznaLiterowa = tekst.mid(2); // the slice starts at character 3
        f->PrzesuniecieLiterowej = 0;
        f->RysujKanonicznaLiterowa();
        QCOMPARE(przesuniety, Obraz(f->PaintBox2));

        f->KanonicznaLiterowa = tekst;
        f->PrzesuniecieLiterowej = -3 * w - 4;
        f->PaintBox2MouseDown(10);
        f->PaintBox2MouseMove(10 + 3 * w + 4);
        QCOMPARE(Obraz(f->PaintBox2), poczatek);
        QCOMPARE(f->PrzesuniecieLiterowej, 0);
        f->PaintBox2MouseMove(150); // 100 pixels right: still from the first character
        QCOMPARE(Obraz(f->PaintBox2), poczatek);
        f->PaintBox2MouseMove(50); // and 100 back
        QCOMPARE(f->PrzesuniecieLiterowej, 0);
    }

    void a_drag_by_real_mouse_events_follows_the_pointer() {
        f->ProsteImplikanty = QStringLiteral("AB,Cd,Ef,GH,ij,KL,mn,OP,qr,ST,uv,WX,yz");
        f->RysujImplikanty();
        QTest::mousePress(f->PaintBox4, Qt::LeftButton, {}, QPoint(200, 10));
        QMouseEvent ruch(QEvent::MouseMove, QPointF(150, 10),
                         f->PaintBox4->mapToGlobal(QPointF(150, 10)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(f->PaintBox4, &ruch);
        QCOMPARE(f->PrzesuniecieImplikantow, -50);
        QTest::mouseRelease(f->PaintBox4, Qt::LeftButton, {}, QPoint(150, 10));
        QVERIFY(!f->PrzeciaganieImplikantow);

        // The right button opens the popup menu of a pane and starts no drag there.
        QTest::mousePress(f->PaintBox5, Qt::RightButton, {}, QPoint(100, 10));
        QVERIFY(!f->PrzeciaganieMinimalnej);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(100, 10),
                               f->PaintBox5->mapToGlobal(QPoint(100, 10)));
        QCoreApplication::sendEvent(f->PaintBox5, &menu);
        QVERIFY(f->PopupMenu1->isVisible());
        QCOMPARE(f->PanelMenu, f->PaintBox5);
        f->PopupMenu1->hide();
    }

    void decimal_and_implicant_panes_clear_when_their_slice_is_empty() {
        f->KanonicznaDziesietna = QStringLiteral("0,1,5,7");
        f->ProsteImplikanty = QStringLiteral("aB,Cd");
        f->RysujKanonicznaDziesietna();
        f->RysujImplikanty();
        QVERIFY(CosWKomorce(Obraz(f->PaintBox3), 0, w, tlo));
        QVERIFY(CosWKomorce(Obraz(f->PaintBox4), 0, w, tlo));

        f->PaintBox3MouseDown(500);
        f->PaintBox3MouseMove(0); // dragged beyond the end of "0,1,5,7"
        f->PaintBox3MouseUp();
        f->ProsteImplikanty.clear();
        f->RysujImplikanty();
        for (TPaintBox* p : {f->PaintBox3, f->PaintBox4}) {
            const QImage o = Obraz(p);
            QVERIFY2(!CosWKomorce(o, 0, o.width(), tlo), qPrintable(p->objectName()));
            QCOMPARE(o.pixelColor(0, 0), tlo);
        }
    }

    void the_always_true_form_draws_a_one() {
        f->PostacMinimalna = QStringLiteral("1");
        f->RysujMinimalna();
        const QImage o = Obraz(f->PaintBox5);
        QVERIFY(CosWKomorce(o, 0, w, tlo));
        QVERIFY(!CosWKomorce(o, w, w, tlo));
        QVERIFY(!f->LabelMinGrup->isVisibleTo(f.get()));
        QCOMPARE(f->LabelMinGrup->text(), QStringLiteral("Ilość grup: 1"));
    }

    void a_larger_font_widens_the_cells() {
        QFont duza = f->CzcionkaDialogu;
        duza.setPointSize(30);
        f->ZastosujCzcionke(duza);
        testy::Wpisz(f.get(), QStringLiteral("a"));
        const QImage o = Obraz(f->PaintBox1);
        QVERIFY(Czarny(o, 21, 0)); // the bar is 26 - 4 = 22 pixels long
        QVERIFY(!Czarny(o, 22, 0));
        QVERIFY(Zolty(o, 26, 3)); // the cursor after the first 26-pixel cell
    }
};

QTEST_MAIN(RysowanieTest)
#include "rysowanie_test.moc"

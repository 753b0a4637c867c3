// THeaderListbox: splitting rows into cells and drawing each cell in its column.
#include "controls/headlist.h"

#include <QListWidget>
#include <QTest>

namespace {

// Leftmost and rightmost x with dark pixels in columns [od, doo) of the rows of `r`; -1 if none.
QPair<int, int> Atrament(const QImage& obraz, int od, int doo, const QRect& r) {
    int lewy = -1, prawy = -1;
    for (int x = od; x < doo; ++x)
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (qGray(obraz.pixel(x, y)) < 128) {
                lewy = lewy < 0 ? x : lewy;
                prawy = x;
            }
    return {lewy, prawy};
}

} // namespace

class HeadlistTest : public QObject {
    Q_OBJECT
  private slots:
    void row_text_splits_into_cells_data();
    void row_text_splits_into_cells();
    void cells_are_drawn_in_their_columns_data();
    void cells_are_drawn_in_their_columns();
};

void HeadlistTest::row_text_splits_into_cells_data() {
    QTest::addColumn<QString>("wiersz");
    QTest::addColumn<QStringList>("komorki");
    QTest::newRow("trzy liczby") << "3 16 120" << QStringList{"3", "16", "120"};
    QTest::newRow("bez odstepu") << "120" << QStringList{"120"};
    QTest::newRow("dwa odstepy obok siebie") << "3  120" << QStringList{"3", "", "120"};
    QTest::newRow("odstep na koncu") << "3 16 " << QStringList{"3", "16", ""};
}

void HeadlistTest::row_text_splits_into_cells() {
    QFETCH(QString, wiersz);
    QFETCH(QStringList, komorki);
    QCOMPARE(PodzielNaKomorki(wiersz, QLatin1Char(' ')), komorki);
}

void HeadlistTest::cells_are_drawn_in_their_columns_data() {
    QTest::addColumn<int>("wyrownanie");
    QTest::newRow("do prawej") << int(Qt::AlignRight);
    QTest::newRow("do lewej") << int(Qt::AlignLeft);
}

void HeadlistTest::cells_are_drawn_in_their_columns() {
    QFETCH(int, wyrownanie);
    const auto a = Qt::Alignment(wyrownanie);
    THeaderListbox lista;
    lista.SetSections(
        {{"Tablica nr", 80, a}, {"Ilość składników", 130, a}, {"Liczba porównań", 130, a}});
    lista.resize(360, 120);
    lista.AddItem("3 16 120");
    lista.AddItem("777");
    lista.AddItem("1 2 3 4");
    lista.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lista));

    QListWidget* l = lista.Lista();
    const QRect r0 = l->visualItemRect(l->item(0));
    QCOMPARE(r0.height(), 16);
    const QImage obraz = l->viewport()->grab().toImage();
    const int granice[] = {0, 80, 210, 340};
    for (int k = 0; k < 3; ++k) {
        const auto [lewy, prawy] = Atrament(obraz, granice[k], granice[k + 1], r0);
        QVERIFY2(lewy >= 0, "a cell of the first row is missing");
        // Short numbers sit at their section's side, a few pixels from its edge.
        const int srodek = (granice[k] + granice[k + 1]) / 2;
        if (a == Qt::AlignRight)
            QVERIFY(lewy > srodek && prawy >= granice[k + 1] - 6);
        else
            QVERIFY(prawy < srodek && lewy <= granice[k] + 5);
    }
    // "777" has no blank: only the first column is drawn.
    const QRect r1 = l->visualItemRect(l->item(1));
    QVERIFY(Atrament(obraz, 0, 80, r1).first >= 0);
    QCOMPARE(Atrament(obraz, 80, obraz.width(), r1).first, -1);
    // A fourth cell has no section and is not drawn.
    const QRect r2 = l->visualItemRect(l->item(2));
    QCOMPARE(Atrament(obraz, 340, obraz.width(), r2).first, -1);
}

QTEST_MAIN(HeadlistTest)
#include "headlist_test.moc"

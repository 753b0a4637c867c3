// Open and Save on the Qt side: files on disk, read in pieces, written whole, and the boxes.
#include "files/pliki_funkcji.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vyn;
using namespace vyn::gui;
using Stan = StanOtwarcia;

class PlikiTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { katalog_ = std::make_unique<QTemporaryDir>(); }
    void commandLineReadsTheOwnFormatWhateverTheExtension();
    void linesSpanningReadPiecesStayWhole();
    void saveWritesExactlyTheTextAndCrLf();
    void failedSaveIsReported();

  private:
    QString Plik(const QString& nazwa, const QByteArray& tresc) {
        const QString sciezka = katalog_->filePath(nazwa);
        QFile plik(sciezka);
        if (plik.open(QIODevice::WriteOnly))
            plik.write(tresc);
        return sciezka;
    }
    std::unique_ptr<QTemporaryDir> katalog_;
};

void PlikiTest::commandLineReadsTheOwnFormatWhateverTheExtension() {
    auto wynik = OtworzZWierszaPolecen(Plik("m.hal", "AB\r\n2\r\n\r\n11\r\n"));
    QCOMPARE(wynik.Stan, Stan::Wczytano);
    QCOMPARE(wynik.Plik.Funkcja, "AB");
    QVERIFY(!wynik.Plik.TrybDziesietny);

    wynik = OtworzZWierszaPolecen(Plik("f.vyn", "1.3\r\n")); // no "." to "," here
    QCOMPARE(wynik.Stan, Stan::Blad);

    QVERIFY(QDir(katalog_->path()).mkdir("folder.vyn"));
    QCOMPARE(OtworzZWierszaPolecen(katalog_->filePath("folder.vyn")).Stan, Stan::Blad);
}

void PlikiTest::linesSpanningReadPiecesStayWhole() {
    // Line 1 ends with its CR as the last byte of the first 64 KiB piece and the LF as the
    // first of the next: the LF must still go with the CR.
    const QByteArray mapa = QByteArray(65535, 'A') + "\r\n2\r\n\r\n01\r\n10\r\n";
    const auto wynik = OtworzPlik(Plik("dluga.hal", mapa));
    QCOMPARE(wynik.Stan, Stan::Wczytano);
    QCOMPARE(wynik.Plik.Funkcja, "1,2");

    const QByteArray funkcja = QByteArray("12345,").repeated(40000) + "\r\nB\r\n";
    const auto dluga = OtworzPlik(Plik("dluga.vyn", funkcja));
    QCOMPARE(dluga.Stan, Stan::Wczytano);
    QCOMPARE(dluga.Plik.Funkcja.size(), 240000u);
}

void PlikiTest::saveWritesExactlyTheTextAndCrLf() {
    const QString sciezka = Plik("f.vyn", QByteArray(1000, 'x')); // an older, longer file
    QVERIFY(!ZapiszFunkcje(sciezka, ""));
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::ReadOnly));
    QCOMPARE(plik.readAll(), QByteArray("\r\n"));
    plik.close();

    QVERIFY(!ZapiszFunkcje(sciezka, "aB+C"));
    const auto wynik = OtworzPlik(sciezka);
    QCOMPARE(wynik.Plik.Funkcja, "aB+C");
    QCOMPARE(wynik.Plik.IloscLiter, 3);
}

void PlikiTest::failedSaveIsReported() {
    const QString sciezka = katalog_->filePath("brak/f.vyn");
    const auto blad = ZapiszFunkcje(sciezka, "AB");
    QVERIFY(blad);
    QVERIFY2(blad->startsWith("Cannot create file " + sciezka), qPrintable(*blad));
    QVERIFY(!QFile::exists(sciezka));

    QVERIFY(QDir(katalog_->path()).mkdir("folder.vyn"));
    QVERIFY(ZapiszFunkcje(katalog_->filePath("folder.vyn"), "AB"));
    QVERIFY(QFileInfo(katalog_->filePath("folder.vyn")).isDir());
}

QTEST_MAIN(PlikiTest)
#include "pliki_test.moc"

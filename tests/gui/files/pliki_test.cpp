// Open and Save on the Qt side: files on disk, read in pieces, written whole, and the failures.
#include "files/pliki_funkcji.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vyn::gui;
using Stan = StanOtwarcia;

class PlikiTest : public QObject {
    Q_OBJECT
    QTemporaryDir katalog;
    QString Plik(const QString& nazwa, const QByteArray& tresc) {
        QFile plik(katalog.filePath(nazwa));
        return plik.open(QIODevice::WriteOnly) && plik.write(tresc) ? plik.fileName() : QString();
    }

  private slots:
    void lines_spanning_read_pieces_stay_whole() {
        // Line 1 ends with its CR as the last byte of the first 64 KiB piece and the LF as the
        // first of the next: the LF must still go with the CR.
        const auto mapa =
            OtworzPlik(Plik("dluga.hal", QByteArray(65535, 'A') + "\r\n2\r\n\r\n01\r\n10\r\n"));
        QCOMPARE(mapa.Stan, Stan::Wczytano);
        QCOMPARE(mapa.Plik.Funkcja, "1,2");
        const auto dluga =
            OtworzPlik(Plik("dluga.vyn", QByteArray("12345,").repeated(40000) + "\r\nB\r\n"));
        QCOMPARE(dluga.Stan, Stan::Wczytano);
        QCOMPARE(dluga.Plik.Funkcja.size(), 240000u);
    }

    void the_command_line_reads_the_own_format_whatever_the_extension() {
        const auto wynik = OtworzZWierszaPolecen(Plik("m.hal", "AB\r\n2\r\n\r\n11\r\n"));
        QCOMPARE(wynik.Stan, Stan::Wczytano);
        QCOMPARE(wynik.Plik.Funkcja, "AB");
        QCOMPARE(OtworzZWierszaPolecen(Plik("f.vyn", "1.3\r\n")).Stan, Stan::Blad); // no "." to ","
        QVERIFY(QDir(katalog.path()).mkdir("folder.vyn"));
        QCOMPARE(OtworzZWierszaPolecen(katalog.filePath("folder.vyn")).Stan, Stan::Blad);
    }

    void save_writes_exactly_the_text_and_crlf_or_says_why_not() {
        const QString sciezka = Plik("f.vyn", QByteArray(1000, 'x')); // an older, longer file
        QVERIFY(!ZapiszFunkcje(sciezka, ""));
        QFile plik(sciezka);
        QVERIFY(plik.open(QIODevice::ReadOnly));
        QCOMPARE(plik.readAll(), QByteArray("\r\n"));
        QVERIFY(!ZapiszFunkcje(sciezka, "aB+C"));
        QCOMPARE(OtworzPlik(sciezka).Plik.Funkcja, "aB+C");

        const QString brak = katalog.filePath("brak/f.vyn");
        const auto blad = ZapiszFunkcje(brak, "AB");
        QVERIFY2(blad && blad->startsWith("Cannot create file " + brak),
                 qPrintable(blad.value_or("")));
        QVERIFY(!QFile::exists(brak));
        QVERIFY(QDir(katalog.path()).mkpath("folder2.vyn"));
        QVERIFY(ZapiszFunkcje(katalog.filePath("folder2.vyn"), "AB"));
    }
};

QTEST_MAIN(PlikiTest)
#include "pliki_test.moc"

// Open and Save on the Qt side: files on disk, read in pieces, written whole, and the boxes.
#include "files/pliki_funkcji.h"
#include "modalne.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace vyn;
using namespace vyn::gui;
using Stan = StanOtwarcia;

Q_DECLARE_METATYPE(vyn::gui::StanOtwarcia)

class PlikiTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { katalog_ = std::make_unique<QTemporaryDir>(); }
    void openReadsByExactExtension_data();
    void openReadsByExactExtension();
    void commandLineReadsTheOwnFormatWhateverTheExtension();
    void linesSpanningReadPiecesStayWhole();
    void saveWritesExactlyTheTextAndCrLf();
    void failedSaveIsReported();
    void saveDialogAddsVynToANameWithoutOne();
    void unknownTypeBoxHasItsCaptionAndOneButton();

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

void PlikiTest::openReadsByExactExtension_data() {
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QByteArray>("tresc"); // null: no such file
    QTest::addColumn<Stan>("stan");
    QTest::addColumn<QString>("funkcja");
    QTest::addColumn<QString>("komunikat");
    QTest::newRow("hal") << "m.hal" << QByteArray("ABC\r\n3\r\npoziome\r\n0110\r\n0001\r\n")
                         << Stan::Wczytano << "1,3,6"
                         << "";
    // The type is refused before the file is looked at.
    QTest::newRow("missing, unknown type") << "brak.Hal" << QByteArray() << Stan::NieznanyTyp << ""
                                           << "Nie mogę otworzyć pliku tego typu";
    QTest::newRow("missing") << "brak.vyn" << QByteArray() << Stan::Blad << ""
                             << "Nie mogę odczytać pliku";
    QTest::newRow("bad halor") << "zly.hal" << QByteArray("AB\r\nabc\r\n") << Stan::Blad << ""
                               << "'abc' is not a valid integer value";
}

void PlikiTest::openReadsByExactExtension() {
    QFETCH(QString, nazwa);
    QFETCH(QByteArray, tresc);
    QFETCH(Stan, stan);
    QFETCH(QString, funkcja);
    QFETCH(QString, komunikat);
    const QString sciezka = tresc.isNull() ? katalog_->filePath(nazwa) : Plik(nazwa, tresc);
    const WynikOtwarcia wynik = OtworzPlik(sciezka);
    QCOMPARE(wynik.Stan, stan);
    QCOMPARE(wynik.NazwaPliku, nazwa);
    QCOMPARE(QString::fromStdString(wynik.Plik.Funkcja), funkcja);
    QVERIFY2(wynik.Komunikat.contains(komunikat), qPrintable(wynik.Komunikat));
    if (stan == Stan::Blad)
        QVERIFY(wynik.Komunikat.contains(sciezka)); // the user learns which file it was
}

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

void PlikiTest::saveDialogAddsVynToANameWithoutOne() {
    QWidget rodzic;
    QFileDialog* dialog = UtworzSaveDialog1(&rodzic);
    QCOMPARE(dialog->objectName(), QStringLiteral("SaveDialog1"));
    QCOMPARE(UtworzOpenDialog1(&rodzic)->defaultSuffix(), QString());
    dialog->setDirectory(katalog_->path());
    GdyPokazane<QFileDialog>([](QFileDialog* d) {
        Wpisz(d, QStringLiteral("funkcja"));
        static_cast<QDialog*>(d)->accept();
    });
    QCOMPARE(dialog->exec(), int(QDialog::Accepted));
    QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), QStringLiteral("funkcja.vyn"));
}

void PlikiTest::unknownTypeBoxHasItsCaptionAndOneButton() {
    WynikOtwarcia wynik = OtworzPlik(katalog_->filePath("f.txt"));
    QString tytul, tekst;
    QList<QAbstractButton*> przyciski;
    GdyPokazane<QMessageBox>([&](QMessageBox* m) {
        tytul = m->windowTitle();
        tekst = m->text();
        przyciski = m->buttons();
        m->accept();
    });
    PokazBladOtwarcia(nullptr, wynik);
    QCOMPARE(tytul, QStringLiteral("Błąd otwarcia pliku"));
    QCOMPARE(tekst, QStringLiteral("Nie mogę otworzyć pliku tego typu"));
    QCOMPARE(przyciski.size(), 1);
}

QTEST_MAIN(PlikiTest)
#include "pliki_test.moc"

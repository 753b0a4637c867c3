// An empty function file opened over a decimal function: the letter count label follows the
// notation the file gives (found by the random session of tests/gui/odpornosc).
#include "okno_programu.h"

#include <QLabel>
#include <QTemporaryDir>

class PustyPlikTest : public QObject {
    Q_OBJECT

  private slots:
    void an_empty_file_leaves_the_letter_count_with_its_notation() {
        auto p = testy::NowyProgram();
        vyn::gui::TForm1* f = p->Form1();
        testy::Wpisz(f, QStringLiteral("5 7"));
        QVERIFY(f->TrybDziesietny());
        QVERIFY(f->Label6->isHidden());

        QTemporaryDir katalog;
        QFile plik(katalog.filePath(QStringLiteral("pusta.vyn")));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write("\r\n");
        plik.close();
        QVERIFY(p->Otworz(plik.fileName()));
        QCOMPARE(f->Funkcja(), std::string());
        QVERIFY(!f->TrybDziesietny());
        QVERIFY(!f->Label6->isHidden()); // the letter notation shows its letter count
        QCOMPARE(f->LabelSigma->text(), QString());

        // The next first character chooses the notation again.
        testy::Wpisz(f, QStringLiteral("3"));
        QVERIFY(f->TrybDziesietny());
        QVERIFY(f->Label6->isHidden());
    }
};

QTEST_MAIN(PustyPlikTest)
#include "pusty_plik_test.moc"

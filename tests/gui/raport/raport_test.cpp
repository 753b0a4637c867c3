// The report windows: configuration boxes, preview text, Rich Text saving and printing to PDF.
#include "modalne.h"
#include "files/raport.h"
#include "report/konfiguracja_raportu.h"
#include "report/podglad_raportu.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

using namespace vyn;
using namespace vyn::gui;

namespace {

QByteArray Czytaj(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

// The PDF's /Title, written by Qt as UTF-16BE after a byte order mark.
QString TytulPdf(const QByteArray& pdf) {
    const qsizetype od = pdf.indexOf("/Title (\xFE\xFF");
    if (od < 0)
        return {};
    const qsizetype koniec = pdf.indexOf(")\n", od);
    const QByteArray utf16 = pdf.mid(od + 10, koniec - od - 10);
    QString tytul;
    for (qsizetype i = 0; i + 1 < utf16.size(); i += 2)
        tytul += QChar(static_cast<char16_t>((uchar(utf16[i]) << 8) | uchar(utf16[i + 1])));
    return tytul;
}

// Characters the PDF's ToUnicode maps name: every character drawn must be among them.
QSet<QChar> ZnakiPdf(const QByteArray& pdf) {
    QSet<QChar> znaki;
    static const QRegularExpression blok("begin(bfrange|bfchar)\\n(.*?)end\\1",
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression hex("<([0-9A-Fa-f]+)>");
    for (const auto& b : blok.globalMatch(QString::fromLatin1(pdf))) {
        const bool zakres = b.captured(1) == QLatin1String("bfrange");
        for (const QString& linia : b.captured(2).split(QLatin1Char('\n'))) {
            QList<uint> liczby;
            for (const auto& h : hex.globalMatch(linia))
                liczby.append(h.captured(1).toUInt(nullptr, 16));
            const int cel = zakres ? 2 : 1;
            if (liczby.size() <= cel)
                continue;
            if (zakres && !linia.contains(QLatin1Char('['))) // <lo> <hi> <first target>
                for (uint k = 0; k <= liczby[1] - liczby[0]; ++k)
                    znaki.insert(QChar(static_cast<char16_t>(liczby[2] + k)));
            else
                for (qsizetype k = cel; k < liczby.size(); ++k)
                    znaki.insert(QChar(static_cast<char16_t>(liczby[k])));
        }
    }
    return znaki;
}

} // namespace

class RaportTest : public QObject {
    Q_OBJECT
  private slots:
    void checkBoxesStartAndDefaults_data();
    void checkBoxesStartAndDefaults();
    void eachBoxGovernsItsSectionTopToBottom();
    void okOnlyHidesAndKeepsTheTicks();
    void previewShowsReportOrTipsAndTheEdits();
    void savesRichTextWhateverTheExtension();
    void failedSaveIsReportedAndChangesNothing();
    void printsOneNamedJobToPdf();
    void failedPrintIsNoticed();
};

void RaportTest::checkBoxesStartAndDefaults_data() {
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("napis");
    QTest::addColumn<bool>("naStarcie");
    QTest::addColumn<int>("poDomyslnych"); // -1: "domyślne" leaves it alone
    QTest::newRow("CheckBox1") << "CheckBox1"
                               << "funkcja wejściowa," << true << 1;
    QTest::newRow("CheckBox2") << "CheckBox2"
                               << "jej postać kanoniczna literowa" << false << 0;
    QTest::newRow("CheckBox3") << "CheckBox3"
                               << "i kanoniczna liczbowa" << false << 0;
    QTest::newRow("CheckBox4") << "CheckBox4"
                               << "proste implikanty" << true << 1;
    QTest::newRow("CheckBox8") << "CheckBox8"
                               << "implikanty istotne" << false << -1;
    QTest::newRow("CheckBox5") << "CheckBox5"
                               << "końcowe postacie minimalne" << true << 1;
    QTest::newRow("CheckBox6") << "CheckBox6"
                               << "czas minimalizacji" << false << 1;
}

void RaportTest::checkBoxesStartAndDefaults() {
    QFETCH(QString, nazwa);
    QFETCH(QString, napis);
    QFETCH(bool, naStarcie);
    QFETCH(int, poDomyslnych);
    TFormRaportKonfiguracja okno;
    QCOMPARE(okno.windowTitle(), QStringLiteral("Konfiguracja Raportu"));
    auto* pole = okno.findChild<QCheckBox*>(nazwa);
    auto* domyslne = okno.findChild<QCheckBox*>("CheckBox7");
    QVERIFY(pole && domyslne);
    QCOMPARE(pole->text(), napis);
    QCOMPARE(pole->isChecked(), naStarcie);
    QCOMPARE(domyslne->text(), QStringLiteral("domyślne"));

    for (bool przed : {false, true}) {
        domyslne->setChecked(false);
        pole->setChecked(przed);
        domyslne->click();
        QVERIFY(domyslne->isChecked());
        QCOMPARE(pole->isChecked(), poDomyslnych < 0 ? przed : poDomyslnych == 1);
        pole->setChecked(!pole->isChecked());
        const bool wybrane = pole->isChecked();
        domyslne->setChecked(false); // clearing "domyślne" changes nothing else
        QCOMPARE(pole->isChecked(), wybrane);
    }
}

void RaportTest::eachBoxGovernsItsSectionTopToBottom() {
    TFormRaportKonfiguracja okno;
    okno.show();
    const std::pair<const char*, bool WyborRaportu::*> pola[] = {
        {"CheckBox1", &WyborRaportu::FunkcjaWejsciowa},
        {"CheckBox2", &WyborRaportu::KanonicznaLiterowa},
        {"CheckBox3", &WyborRaportu::KanonicznaLiczbowa},
        {"CheckBox4", &WyborRaportu::ProsteImplikanty},
        {"CheckBox8", &WyborRaportu::ImplikantyIstotne},
        {"CheckBox5", &WyborRaportu::PostacieMinimalne},
        {"CheckBox6", &WyborRaportu::CzasMinimalizacji}};
    int gora = -1;
    for (const auto& [nazwa, pole] : pola) {
        auto* box = okno.findChild<QCheckBox*>(nazwa);
        QVERIFY(box->mapTo(&okno, QPoint()).y() > gora); // listed top to bottom
        gora = box->mapTo(&okno, QPoint()).y();
        for (auto* inny : okno.findChildren<QCheckBox*>())
            inny->setChecked(inny == box);
        WyborRaportu oczekiwany{false, false, false, false, false, false, false};
        oczekiwany.*pole = true;
        DaneRaportu dane{"F", "KL", "KD", "PI", "II", {}, "T"};
        dane.PostacieMinimalne.Dodaj("M");
        QVERIFY2(LinieRaportu(dane, okno.Wybor()) == LinieRaportu(dane, oczekiwany), nazwa);
    }
    QVERIFY(okno.findChild<QPushButton*>("BitBtn1")->mapTo(&okno, QPoint()).y() > gora);
}

void RaportTest::okOnlyHidesAndKeepsTheTicks() {
    TFormRaportKonfiguracja okno;
    okno.Pokaz();
    okno.findChild<QCheckBox*>("CheckBox2")->setChecked(true);
    QTest::mouseClick(okno.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    QVERIFY(!okno.isVisible());
    okno.Pokaz();
    QVERIFY(okno.isVisible());
    QVERIFY(okno.Wybor().KanonicznaLiterowa);
}

void RaportTest::previewShowsReportOrTipsAndTheEdits() {
    TFormRaportPodglad podglad;
    QCOMPARE(podglad.objectName(), QStringLiteral("FormRaportPodglad"));
    podglad.PokazWskazowki();
    podglad.PokazWskazowki(); // twice: the tips once, not twice
    QVERIFY(podglad.isVisible());
    QCOMPARE(podglad.windowTitle(), QStringLiteral("Wskazówki, wskazówki, wskazówki ..."));
    QCOMPARE(podglad.Linie().size(), 15);
    QCOMPARE(podglad.Linie()[13], QStringLiteral("5) Otwieranie plików Halora"));

    podglad.PokazRaport({"Funkcja wejściowa", "AB+c", "", ""});
    QCOMPARE(podglad.windowTitle(), QStringLiteral("Podgląd Raportu"));
    QCOMPARE(podglad.Linie(), (QStringList{"Funkcja wejściowa", "AB+c", "", ""}));

    auto* tekst = podglad.findChild<QTextEdit*>("RichEdit1");
    tekst->moveCursor(QTextCursor::Start);
    QTest::keyClicks(tekst, "Nowy ");
    QCOMPARE(podglad.Linie().first(), QStringLiteral("Nowy Funkcja wejściowa"));

    podglad.PokazRaport({});
    QVERIFY(tekst->toPlainText().isEmpty());
    QTest::mouseClick(podglad.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    QVERIFY(!podglad.isVisible());
}

void RaportTest::savesRichTextWhateverTheExtension() {
    QTemporaryDir katalog;
    const QString sciezka = katalog.filePath("raport.txt");
    QFile stary(sciezka);
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write(QByteArray(5000, 'x')); // replaced, not overwritten in part
    stary.close();

    TFormRaportPodglad podglad;
    podglad.PokazRaport({"Funkcja wejściowa", "AB+aC", "{x}\\"});
    auto* dialog = podglad.findChild<QFileDialog*>("SaveDialog1");
    QVERIFY(dialog);
    bool zapytano = false;
    GdyPokazane<QFileDialog>([&](QFileDialog* d) {
        Wpisz(d, sciezka);
        GdyPokazane<QMessageBox>([&](QMessageBox* m) { // replacing a file is asked first
            zapytano = true;
            m->button(QMessageBox::Yes)->click();
        });
        static_cast<QDialog*>(d)->accept();
    });
    podglad.BitBtn2Click();
    QVERIFY(zapytano);
    const QByteArray rtf = Czytaj(sciezka);
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.endsWith("}\n"));
    QVERIFY(rtf.contains("Funkcja wej\\u347\\'3fciowa\n\\par AB+aC\n\\par \\{x\\}\\\\}"));
}

void RaportTest::failedSaveIsReportedAndChangesNothing() {
    TFormRaportPodglad podglad;
    podglad.PokazRaport({"AB"});
    const auto blad = podglad.ZapiszRtf("/nonexistent-folder/raport.rtf");
    QVERIFY(blad);
    QVERIFY(blad->startsWith("Cannot create file /nonexistent-folder/raport.rtf"));

    // Through the dialog: the chosen folder disappears before the file is written.
    QTemporaryDir katalog;
    QVERIFY(QDir(katalog.path()).mkdir("znika"));
    const QString sciezka = katalog.filePath("znika/raport.rtf");
    QString komunikat;
    podglad.findChild<QFileDialog*>("SaveDialog1")->setDirectory(katalog.filePath("znika"));
    GdyPokazane<QFileDialog>([&](QFileDialog* d) {
        Wpisz(d, QStringLiteral("raport.rtf"));
        static_cast<QDialog*>(d)->accept();
        QVERIFY(QDir(katalog.filePath("znika")).removeRecursively());
        GdyPokazane<QMessageBox>([&](QMessageBox* m) {
            komunikat = m->text();
            m->accept();
        });
    });
    podglad.BitBtn2Click();
    QVERIFY2(komunikat.startsWith("Cannot create file " + sciezka), qPrintable(komunikat));
    QCOMPARE(podglad.Linie(), QStringList{"AB"});
}

void RaportTest::printsOneNamedJobToPdf() {
    QTemporaryDir katalog;
    TFormRaportPodglad podglad;
    std::vector<std::string> linie;
    for (int i = 1; i <= 150; ++i)
        linie.push_back("Linia " + std::to_string(i) + ": zażółć AB+aC");
    podglad.PokazRaport(linie);

    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(katalog.filePath("raport.pdf"));
    const auto dokument = podglad.DokumentWydruku(drukarka);
    QCOMPARE(dokument->toPlainText(), podglad.Linie().join('\n'));
    QVERIFY(dokument->pageCount() > 1);
    QVERIFY(podglad.Drukuj(drukarka));

    const QByteArray pdf = Czytaj(katalog.filePath("raport.pdf"));
    QCOMPARE(TytulPdf(pdf), QStringLiteral("VYN dla Windows"));
    static const QRegularExpression strona("/Type /Page\\b(?!s)");
    QCOMPARE(QString::fromLatin1(pdf).count(strona), dokument->pageCount());
    const QSet<QChar> znaki = ZnakiPdf(pdf);
    for (const QChar c : podglad.Linie().join(QString()))
        if (!c.isSpace())
            QVERIFY2(znaki.contains(c), qPrintable(QString(c)));
}

void RaportTest::failedPrintIsNoticed() {
    TFormRaportPodglad podglad;
    podglad.PokazRaport({"AB"});
    QPrinter drukarka;
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName("/nonexistent-folder/raport.pdf");
    QVERIFY(!podglad.Drukuj(drukarka));
}

QTEST_MAIN(RaportTest)
#include "raport_test.moc"

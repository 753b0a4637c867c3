// The report preview window: text, printing and saving.
#include "report/podglad_raportu.h"

#include "app/aplikacja.h"
#include "files/pliki_funkcji.h"
#include "files/raport.h"
#include "files/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QFileDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QVBoxLayout>

namespace vyn::gui {

TFormRaportPodglad::TFormRaportPodglad(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName(QStringLiteral("FormRaportPodglad"));
    setWindowTitle(QString::fromUtf8(TytulPodgladuRaportu));
    setModal(false);
    setSizeGripEnabled(true);
    resize(560, 420);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(false); // the report is plain lines; pasting keeps it so
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto przycisk = [this](const char* nazwa, const QString& napis, QStyle::StandardPixmap ikona) {
        auto* p = new QPushButton(style()->standardIcon(ikona), napis, this);
        p->setObjectName(QLatin1String(nazwa));
        p->setAutoDefault(false);
        return p;
    };
    BitBtn1 = przycisk("BitBtn1", QStringLiteral("&Zamknij"), QStyle::SP_DialogCloseButton);
    BitBtn3 = przycisk("BitBtn3", QStringLiteral("&Drukuj ..."), QStyle::SP_FileIcon);
    BitBtn2 = przycisk("BitBtn2", QStringLiteral("Zapi&sz jako ..."), QStyle::SP_DialogSaveButton);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* przyciski = new QHBoxLayout(panel);
    przyciski->addWidget(BitBtn1);
    przyciski->addWidget(BitBtn3);
    przyciski->addWidget(BitBtn2);
    przyciski->addStretch();
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(RichEdit1, 1);
    uklad->addWidget(panel);

    SaveDialog1 = new QFileDialog(this, QStringLiteral("Zapisz jako"));
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setNameFilters(
        {QStringLiteral("Plik tekstowy (*.txt)"), QStringLiteral("Wsztstkie pliki (*)")});
    ZamykajPodpowiedzi(SaveDialog1);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::hide);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormRaportPodglad::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormRaportPodglad::BitBtn2Click);
}

TFormRaportPodglad::~TFormRaportPodglad() = default;

void TFormRaportPodglad::UstawTekst(const QString& podpis, const std::vector<std::string>& linie) {
    setWindowTitle(podpis);
    QStringList tekst;
    tekst.reserve(static_cast<qsizetype>(linie.size()));
    for (const auto& linia : linie)
        tekst.append(QString::fromUtf8(linia.data(), static_cast<qsizetype>(linia.size())));
    RichEdit1->setPlainText(tekst.join(QLatin1Char('\n')));
}

void TFormRaportPodglad::Pokaz() {
    show();
    raise();
    activateWindow();
}

void TFormRaportPodglad::PokazRaport(const std::vector<std::string>& linie) {
    UstawTekst(QString::fromUtf8(TytulPodgladuRaportu), linie);
    Pokaz();
}

void TFormRaportPodglad::PokazWskazowki() {
    // The editing tip also tells how the don't-care terms are typed, in the same fifteen lines.
    std::vector<std::string> linie = LinieWskazowek();
    if (linie.size() > 2)
        linie[2] += " Stany obojętne (nieokreślone) wpisuje się po średniku, w tym samym zapisie: "
                    "0,1,2,5;3,4 to Σ(0,1,2,5) + d(3,4).";
    UstawTekst(QString::fromUtf8(TytulWskazowek), linie);
    Pokaz();
}

QStringList TFormRaportPodglad::Linie() const {
    return RichEdit1->toPlainText().split(QLatin1Char('\n'));
}

std::unique_ptr<QTextDocument> TFormRaportPodglad::DokumentWydruku(QPrinter& drukarka) const {
    std::unique_ptr<QTextDocument> dokument(RichEdit1->document()->clone());
    dokument->setDefaultFont(RichEdit1->font());
    // Laid out in the printer's own units, edge to edge of what it can print.
    dokument->documentLayout()->setPaintDevice(&drukarka);
    QTextFrameFormat ramka = dokument->rootFrame()->frameFormat();
    ramka.setMargin(0);
    dokument->rootFrame()->setFrameFormat(ramka);
    dokument->setPageSize(QSizeF(drukarka.width(), drukarka.height()));
    return dokument;
}

bool TFormRaportPodglad::Drukuj(QPrinter& drukarka) const {
    drukarka.setDocName(TytulAplikacji);
    const auto dokument = DokumentWydruku(drukarka);
    dokument->print(&drukarka);
    return drukarka.printerState() != QPrinter::Error;
}

std::optional<QString> TFormRaportPodglad::ZapiszRtf(const QString& sciezka) const {
    std::vector<std::string> linie;
    for (const QString& linia : Linie())
        linie.push_back(linia.toStdString());
    const QFont czcionka = RichEdit1->font();
    const CzcionkaRtf opis{czcionka.family().toStdString(), QFontInfo(czcionka).pointSizeF()};
    return ZapiszBajty(sciezka, DokumentRtf(linie, opis));
}

void TFormRaportPodglad::BitBtn3Click() {
    if (!drukarka_)
        drukarka_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(drukarka_.get(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!Drukuj(*drukarka_))
        QMessageBox::critical(this, TytulAplikacji,
                              QStringLiteral("Nie udało się wydrukować raportu."));
}

void TFormRaportPodglad::BitBtn2Click() {
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    if (auto blad = ZapiszRtf(SaveDialog1->selectedFiles().constFirst()))
        PokazBladZapisu(this, *blad);
}

} // namespace vyn::gui

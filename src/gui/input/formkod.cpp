// The encoding dialog.
#include "input/formkod.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QValidator>
#include <QtMath>

#include <algorithm>

namespace vyn::gui {

namespace {

// Edit1 turns every typed letter to upper case.
class WielkieLitery : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& tekst, int&) const override {
        tekst = tekst.toUpper();
        return Acceptable;
    }
};

} // namespace

TFormKod::TFormKod(QWidget* parent)
    : QDialog(parent), Memo1(new QPlainTextEdit(this)), GroupBox1(new QGroupBox(this)),
      RBar(new QRadioButton(GroupBox1)), RBam(new QRadioButton(GroupBox1)),
      RBuu(new QRadioButton(GroupBox1)), Edit1(new QLineEdit(GroupBox1)),
      BitBtn1(new QPushButton(this)), BitBtn2(new QPushButton(this)) {
    setObjectName(QStringLiteral("FormKod"));
    setWindowTitle(QStringLiteral("Wybór kodowania"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setPlainText(QStringLiteral("W oknie tym możesz ustalić sposób kodowania znaków.\n"
                                       "Jest on potrzebny przy ustaleniu postaci dziesiętnej."));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette tlo = Memo1->palette();
    tlo.setColor(QPalette::Base, palette().color(QPalette::Button));
    Memo1->setPalette(tlo);
    // Both lines whole, each on a line of its own, whatever the font.
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics miary = Memo1->fontMetrics();
    const int margines = 2 * (qCeil(Memo1->document()->documentMargin()) + Memo1->frameWidth());
    int szerokosc = 0;
    for (const QString& linia : Memo1->toPlainText().split(QLatin1Char('\n')))
        szerokosc = std::max(szerokosc, miary.horizontalAdvance(linia));
    Memo1->setMinimumWidth(szerokosc + margines + 4);
    Memo1->setFixedHeight(2 * miary.lineSpacing() + margines + 4);

    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setTitle(QStringLiteral("Kodowanie"));
    RBar->setObjectName(QStringLiteral("RBar"));
    RBar->setText(QStringLiteral("alfabetycznie rosnąco (ABCD)"));
    RBam->setObjectName(QStringLiteral("RBam"));
    RBam->setText(QStringLiteral("alfabetycznie malejąco (DCBA)"));
    RBuu->setObjectName(QStringLiteral("RBuu"));
    RBuu->setText(QStringLiteral("ustawienia użytkownika"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setValidator(new WielkieLitery(Edit1));
    Edit1->setText(QStringLiteral("EDIT1"));
    RBar->setChecked(true);
    Edit1->setEnabled(false);

    auto* grupa = new QVBoxLayout(GroupBox1);
    grupa->addWidget(RBar);
    grupa->addWidget(RBam);
    grupa->addWidget(RBuu);
    grupa->addWidget(Edit1);

    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setText(QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setText(QStringLiteral("Anuluj"));
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(BitBtn1);
    przyciski->addWidget(BitBtn2);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(Memo1);
    uklad->addWidget(GroupBox1);
    uklad->addLayout(przyciski);

    connect(RBar, &QRadioButton::clicked, this, &TFormKod::RBarClick);
    connect(RBam, &QRadioButton::clicked, this, &TFormKod::RBamClick);
    connect(RBuu, &QRadioButton::clicked, this, &TFormKod::RBuuClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormKod::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormKod::BitBtn2Click);

    Ostrzez = [this](const QString& tekst) {
        QMessageBox::warning(this, QStringLiteral("Ostrzeżenie"), tekst);
    };
}

vyn::TrybKodowania TFormKod::Tryb() const {
    if (RBuu->isChecked())
        return vyn::TrybKodowania::Uzytkownika;
    if (RBam->isChecked())
        return vyn::TrybKodowania::Malejaco;
    return vyn::TrybKodowania::Rosnaco;
}

void TFormKod::UstawTryb(vyn::TrybKodowania tryb) {
    switch (tryb) {
    case vyn::TrybKodowania::Rosnaco:
        RBarClick();
        break;
    case vyn::TrybKodowania::Malejaco:
        RBamClick();
        break;
    case vyn::TrybKodowania::Uzytkownika:
        RBuuClick();
        break;
    }
}

QString TFormKod::TekstUzytkownika() const {
    return Edit1->text().toUpper();
}

void TFormKod::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (!zdarzenie->spontaneous())
        FormShow();
}

void TFormKod::FormShow() {
    KodowaniePoprzednie = NapisWskaznika ? NapisWskaznika() : QString();
    Edit1->setText(KodowaniePoprzednie);
    trybPrzyOtwarciu_ = Tryb();
    tekstPrzyOtwarciu_ = Edit1->text();
    Edit1->setEnabled(RBuu->isChecked());
}

void TFormKod::Wybierz(QRadioButton* przycisk) {
    for (QRadioButton* b : {RBar, RBam, RBuu})
        b->setChecked(b == przycisk);
    Edit1->setEnabled(przycisk == RBuu);
}

void TFormKod::RBarClick() {
    Wybierz(RBar);
}
void TFormKod::RBamClick() {
    Wybierz(RBam);
}
void TFormKod::RBuuClick() {
    Wybierz(RBuu);
}

void TFormKod::BitBtn1Click() {
    // In the alphabetical modes the letters follow the function and the (disabled) typed
    // order plays no part, so there is nothing to check or to correct.
    if (!RBuu->isChecked()) {
        accept();
        return;
    }
    const QString t = TekstUzytkownika();
    const bool dziesietna = FunkcjaDziesietna && FunkcjaDziesietna();
    const auto wynik = vyn::ZatwierdzKodowanie(t.toStdString(), KodowaniePoprzednie.toStdString(),
                                               true, dziesietna);
    if (!wynik.Przyjete()) {
        if (Ostrzez)
            Ostrzez(QString::fromStdString(wynik.Ostrzezenie));
        return; // stays open: the order can be corrected or the dialog cancelled
    }
    if (wynik.ZmienNapis)
        emit ZmienionoNapis(t);
    accept();
}

void TFormKod::BitBtn2Click() {
    UstawTryb(trybPrzyOtwarciu_);
    // The typed text goes back too, or it would become the encoding at the next rebuild
    // while the indicator kept its letters.
    Edit1->setText(tekstPrzyOtwarciu_);
    QDialog::reject();
}

void TFormKod::reject() {
    BitBtn2Click();
}

} // namespace vyn::gui

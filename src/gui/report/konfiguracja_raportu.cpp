// The report configuration window.
#include "report/konfiguracja_raportu.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vyn::gui {

TFormRaportKonfiguracja::TFormRaportKonfiguracja(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName(QStringLiteral("FormRaportKonfiguracja"));
    setWindowTitle(QStringLiteral("Konfiguracja Raportu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    auto* grupa = new QGroupBox(QStringLiteral("Wybierz elementy, które znajdą się w raporcie"));
    grupa->setObjectName(QStringLiteral("GroupBox1"));
    auto* uklad = new QVBoxLayout(grupa);
    const WyborRaportu start;
    auto pole = [&](QCheckBox*& cel, const char* nazwa, const char* napis, bool zaznaczone) {
        cel = new QCheckBox(QString::fromUtf8(napis), grupa);
        cel->setObjectName(QLatin1String(nazwa));
        cel->setChecked(zaznaczone);
        uklad->addWidget(cel);
    };
    // Top to bottom as on screen; CheckBox8 came late and stands between 4 and 5.
    pole(CheckBox1, "CheckBox1", "funkcja wejściowa,", start.FunkcjaWejsciowa);
    pole(CheckBox2, "CheckBox2", "jej postać kanoniczna literowa", start.KanonicznaLiterowa);
    pole(CheckBox3, "CheckBox3", "i kanoniczna liczbowa", start.KanonicznaLiczbowa);
    pole(CheckBox4, "CheckBox4", "proste implikanty", start.ProsteImplikanty);
    pole(CheckBox8, "CheckBox8", "implikanty istotne", start.ImplikantyIstotne);
    pole(CheckBox5, "CheckBox5", "końcowe postacie minimalne", start.PostacieMinimalne);
    pole(CheckBox6, "CheckBox6", "czas minimalizacji", start.CzasMinimalizacji);

    CheckBox7 = new QCheckBox(QStringLiteral("domyślne"));
    CheckBox7->setObjectName(QStringLiteral("CheckBox7"));
    BitBtn1 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);

    auto* dol = new QHBoxLayout;
    dol->addWidget(CheckBox7);
    dol->addStretch();
    dol->addWidget(BitBtn1);
    auto* glowny = new QVBoxLayout(this);
    glowny->addWidget(grupa);
    glowny->addLayout(dol);
    glowny->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn1, &QPushButton::clicked, this, &TFormRaportKonfiguracja::BitBtn1Click);
    connect(CheckBox7, &QCheckBox::toggled, this, &TFormRaportKonfiguracja::CheckBox7Click);
}

WyborRaportu TFormRaportKonfiguracja::Wybor() const {
    WyborRaportu w;
    w.FunkcjaWejsciowa = CheckBox1->isChecked();
    w.KanonicznaLiterowa = CheckBox2->isChecked();
    w.KanonicznaLiczbowa = CheckBox3->isChecked();
    w.ProsteImplikanty = CheckBox4->isChecked();
    w.ImplikantyIstotne = CheckBox8->isChecked();
    w.PostacieMinimalne = CheckBox5->isChecked();
    w.CzasMinimalizacji = CheckBox6->isChecked();
    return w;
}

void TFormRaportKonfiguracja::Pokaz() {
    show();
    raise();
    activateWindow();
}

void TFormRaportKonfiguracja::BitBtn1Click() {
    hide();
}

void TFormRaportKonfiguracja::CheckBox7Click() {
    if (!CheckBox7->isChecked())
        return; // clearing "domyślne" changes nothing else
    WyborRaportu w = Wybor();
    UstawDomyslne(w);
    CheckBox1->setChecked(w.FunkcjaWejsciowa);
    CheckBox2->setChecked(w.KanonicznaLiterowa);
    CheckBox3->setChecked(w.KanonicznaLiczbowa);
    CheckBox4->setChecked(w.ProsteImplikanty);
    CheckBox8->setChecked(w.ImplikantyIstotne);
    CheckBox5->setChecked(w.PostacieMinimalne);
    CheckBox6->setChecked(w.CzasMinimalizacji);
}

} // namespace vyn::gui

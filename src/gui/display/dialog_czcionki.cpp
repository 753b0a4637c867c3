#include "display/dialog_czcionki.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vyn::gui {

namespace {

void Zaznacz(QListWidget* lista, const QString& tekst) {
    const auto trafienia = lista->findItems(tekst, Qt::MatchFixedString);
    lista->setCurrentItem(trafienia.isEmpty() ? lista->item(0) : trafienia.first());
}

QString Wybrany(const QListWidget* lista) {
    return lista->currentItem() ? lista->currentItem()->text() : QString();
}

} // namespace

QString StylCzcionki(const QFont& czcionka) {
    // Qt counts only a style called italic as italic(); an oblique one slants all the same.
    const QString kroj = czcionka.family();
    const QStringList style = QFontDatabase::styles(kroj);
    for (const QString& s : style) {
        const QFont f = QFontDatabase::font(kroj, s, 12);
        if ((f.style() != QFont::StyleNormal) == czcionka.italic() && f.bold() == czcionka.bold())
            return s;
    }
    return style.isEmpty() ? QString() : style.first();
}

TFontDialog::TFontDialog(QWidget* rodzic)
    : QDialog(rodzic), ListaKrojow(new QListWidget(this)), ListaStylow(new QListWidget(this)),
      ListaRozmiarow(new QListWidget(this)), Probka(new QLabel(this)) {
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(QStringLiteral("Czcionka"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    for (const QString& kroj : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(kroj) && !QFontDatabase::isPrivateFamily(kroj))
            ListaKrojow->addItem(kroj);
    for (int r = NajmniejszyRozmiar; r <= NajwiekszyRozmiar; ++r)
        ListaRozmiarow->addItem(QString::number(r));
    Probka->setText(QStringLiteral("AaBbYyZz"));
    Probka->setAlignment(Qt::AlignCenter);
    Probka->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Probka->setFixedHeight(56);

    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    przyciski->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(new QLabel(QStringLiteral("Czcionka:"), this), 0, 0);
    uklad->addWidget(new QLabel(QStringLiteral("Styl:"), this), 0, 1);
    uklad->addWidget(new QLabel(QStringLiteral("Rozmiar:"), this), 0, 2);
    uklad->addWidget(ListaKrojow, 1, 0);
    uklad->addWidget(ListaStylow, 1, 1);
    uklad->addWidget(ListaRozmiarow, 1, 2);
    uklad->addWidget(Probka, 2, 0, 1, 3);
    uklad->addWidget(przyciski, 3, 0, 1, 3);
    uklad->setColumnStretch(0, 3);
    uklad->setColumnStretch(1, 2);
    uklad->setColumnStretch(2, 1);

    connect(ListaKrojow, &QListWidget::currentTextChanged, this,
            [this] { WypelnijStyle(Wybrany(ListaStylow)); });
    connect(ListaStylow, &QListWidget::currentTextChanged, this, &TFontDialog::OdswiezProbke);
    connect(ListaRozmiarow, &QListWidget::currentTextChanged, this, &TFontDialog::OdswiezProbke);
    resize(480, 320);
}

void TFontDialog::UstawCzcionke(const QFont& czcionka) {
    Zaznacz(ListaKrojow, czcionka.family());
    WypelnijStyle(StylCzcionki(czcionka));
    const int rozmiar = std::clamp(czcionka.pointSize(), NajmniejszyRozmiar, NajwiekszyRozmiar);
    Zaznacz(ListaRozmiarow, QString::number(rozmiar));
}

QFont TFontDialog::Czcionka() const {
    const QString kroj = Wybrany(ListaKrojow);
    const QString styl = Wybrany(ListaStylow);
    const int rozmiar = Wybrany(ListaRozmiarow).toInt();
    QFont f = QFontDatabase::font(kroj, styl, rozmiar);
    f.setFamily(kroj);
    f.setPointSize(std::clamp(rozmiar, NajmniejszyRozmiar, NajwiekszyRozmiar));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    return f;
}

void TFontDialog::WypelnijStyle(const QString& styl) {
    QSignalBlocker blokada(ListaStylow);
    ListaStylow->clear();
    ListaStylow->addItems(QFontDatabase::styles(Wybrany(ListaKrojow)));
    Zaznacz(ListaStylow, styl);
    OdswiezProbke();
}

void TFontDialog::OdswiezProbke() {
    Probka->setFont(Czcionka());
}

} // namespace vyn::gui

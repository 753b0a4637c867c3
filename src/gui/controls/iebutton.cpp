// The picture push button.
#include "controls/iebutton.h"

#include <QBitmap>
#include <QPainter>
#include <QStyleOptionButton>

namespace vyn::gui {

TIEButton::TIEButton(QWidget* parent) : QAbstractButton(parent) {}

void TIEButton::setGlyph(const QPixmap& obraz) {
    obraz_ = obraz;
    PrzygotujMaske();
}

void TIEButton::setTransparentColor(const QColor& kolor) {
    przezroczysty_ = kolor;
    PrzygotujMaske();
}

void TIEButton::setMargin(int margines) {
    margines_ = margines;
    update();
}

void TIEButton::PrzygotujMaske() {
    obrazMaskowany_ = obraz_;
    if (!obraz_.isNull())
        obrazMaskowany_.setMask(obraz_.createMaskFromColor(przezroczysty_, Qt::MaskInColor));
    update();
}

QSize TIEButton::sizeHint() const {
    const QFontMetrics fm(font());
    const int szer = std::max(obraz_.width(), fm.horizontalAdvance(text())) + 2 * margines_;
    return {szer, margines_ + obraz_.height() + fm.height() + margines_};
}

void TIEButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opcje;
    opcje.initFrom(this);
    opcje.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &opcje, &p, this);

    const int wcisniecie = isDown() ? 1 : 0;
    const QFontMetrics fm(font());
    int dol = margines_;
    if (!obrazMaskowany_.isNull()) {
        // A button narrower than its picture shows the picture scaled down.
        QPixmap obraz = obrazMaskowany_;
        const int miejsce = std::max(1, width() - 4);
        if (obraz.width() > miejsce)
            obraz = obraz.scaledToWidth(miejsce, Qt::SmoothTransformation);
        p.drawPixmap((width() - obraz.width()) / 2 + wcisniecie, margines_ + wcisniecie, obraz);
        dol += obraz.height();
    }
    const QRect napis(wcisniecie, dol + wcisniecie, width(), std::max(0, height() - dol));
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(napis, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, text());
}

QPixmap ObrazekMinimalizacji() {
    QPixmap obraz(24, 24);
    obraz.fill(Qt::black);
    QPainter p(&obraz);
    // A 4 x 4 map of white cells; the black between them is the transparent background.
    for (int w = 0; w < 4; ++w)
        for (int k = 0; k < 4; ++k)
            p.fillRect(2 + k * 5, 2 + w * 5, 4, 4, QColor(255, 255, 255));
    const QColor jedynka(0, 0, 128);
    for (auto [k, w] : {std::pair{1, 0}, {2, 0}, {1, 1}, {2, 1}, {0, 3}, {3, 3}})
        p.fillRect(3 + k * 5, 3 + w * 5, 2, 2, jedynka);
    p.setPen(QPen(QColor(220, 0, 0), 1));
    p.drawRect(6, 1, 10, 10);
    p.setPen(QPen(QColor(0, 160, 0), 1));
    p.drawLine(0, 16, 7, 16);
    p.drawLine(0, 22, 7, 22);
    p.drawLine(16, 16, 23, 16);
    p.drawLine(16, 22, 23, 22);
    return obraz;
}

} // namespace vyn::gui

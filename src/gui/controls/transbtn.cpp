// The flat indicator button: no background of its own, only a sunken frame and its text.
#include "controls/transbtn.h"

#include <QPainter>
#include <qdrawutil.h>

namespace vyn::gui {

TTransparentButton::TTransparentButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
}

void TTransparentButton::setAlignment(Qt::Alignment wyrownanie) {
    wyrownanie_ = wyrownanie;
    update();
}

void TTransparentButton::setSpacing(int odstep) {
    odstep_ = odstep;
    update();
}

QSize TTransparentButton::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 2 * odstep_ + 2, fm.height() + 4};
}

void TTransparentButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qDrawShadePanel(&p, rect(), palette(), true, 1);
    const int przesuniecie = isDown() ? 1 : 0;
    const QRect tekst = rect().adjusted(odstep_ + przesuniecie, przesuniecie,
                                        -odstep_ + przesuniecie, przesuniecie);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(tekst, static_cast<int>(wyrownanie_) | Qt::TextSingleLine, text());
}

} // namespace vyn::gui

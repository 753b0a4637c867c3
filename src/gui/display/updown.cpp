// The up-down stepper of the minimal forms.
#include "display/updown.h"

#include <QToolButton>

#include <algorithm>

namespace vyn::gui {

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), gora_(new QToolButton(this)), dol_(new QToolButton(this)) {
    for (QToolButton* b : {gora_, dol_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    gora_->setArrowType(Qt::UpArrow);
    dol_->setArrowType(Qt::DownArrow);
    connect(gora_, &QToolButton::clicked, this, [this] { Krok(true); });
    connect(dol_, &QToolButton::clicked, this, [this] { Krok(false); });
}

void TUpDown::UstawZakres(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    pozycja_ = std::clamp(pozycja_, min_, max_);
}

void TUpDown::UstawPozycje(int pozycja) {
    pozycja_ = std::clamp(pozycja, min_, max_);
}

void TUpDown::Krok(bool wGore) {
    const int nowa = std::clamp(pozycja_ + (wGore ? 1 : -1), min_, max_);
    if (nowa == pozycja_)
        return;
    pozycja_ = nowa;
    emit Zmieniono(pozycja_);
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int polowa = height() / 2;
    gora_->setGeometry(0, 0, width(), polowa);
    dol_->setGeometry(0, polowa, width(), height() - polowa);
}

} // namespace vyn::gui

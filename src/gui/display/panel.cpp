// The character-cell pane.
#include "display/panel.h"

#include "geometry/wycinek.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vyn::gui {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TPaintBox::UstawZawartosc(Zawartosc zawartosc) {
    zawartosc_ = std::move(zawartosc);
    update();
}

void TPaintBox::UstawCzcionke(const QFont& czcionka, int s) {
    czcionka_ = czcionka;
    s_ = s;
    update();
}

void TPaintBox::paintEvent(QPaintEvent* zdarzenie) {
    QPainter p(this);
    MalarzKomorek malarz(p, czcionka_, s_, palette().color(QPalette::Button));
    malarz.Wyczysc(zdarzenie->rect());
    const QString& tekst = zawartosc_.Tekst;
    if (zawartosc_.Wycinek) {
        const vyn::Wycinek w = vyn::WidocznyWycinek(static_cast<std::size_t>(tekst.size()), width(),
                                                    zawartosc_.Przesuniecie, SzerokoscKomorki(s_));
        malarz.Tekst(
            QStringView(tekst).mid(static_cast<qsizetype>(w.Poczatek),
                                   static_cast<qsizetype>(w.Ilosc)),
            0, zawartosc_.Znaki, width(),
            zawartosc_.Obojetne < 0
                ? -1
                : std::max<long long>(0, zawartosc_.Obojetne - static_cast<long long>(w.Poczatek)));
    } else {
        malarz.Tekst(tekst, zawartosc_.Przesuniecie, zawartosc_.Znaki, width(),
                     zawartosc_.Obojetne);
    }
    if (zawartosc_.Kursor)
        malarz.Kursor(*zawartosc_.Kursor);
}

void TPaintBox::mousePressEvent(QMouseEvent* zdarzenie) {
    const QPoint punkt = zdarzenie->position().toPoint();
    emit Nacisnieto(zdarzenie->button(), punkt.x(), punkt.y());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* zdarzenie) {
    const QPoint punkt = zdarzenie->position().toPoint();
    emit Przesunieto(punkt.x(), punkt.y());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* zdarzenie) {
    const QPoint punkt = zdarzenie->position().toPoint();
    emit Zwolniono(zdarzenie->button(), punkt.x(), punkt.y());
}

} // namespace vyn::gui

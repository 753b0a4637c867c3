// The cell painter of the panes.
#include "display/malarz.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vyn::gui {

bool ZnakRysowany(QChar znak, ZestawZnakow zestaw) {
    const char16_t c = znak.unicode();
    const bool litera = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    if (c == u';')
        return true;
    switch (zestaw) {
    case ZestawZnakow::LiteryPlus:
        return litera || c == u'+';
    case ZestawZnakow::CyfryPrzecinek:
        return (c >= u'0' && c <= u'9') || c == u',';
    case ZestawZnakow::LiteryPrzecinek:
        return litera || c == u',';
    case ZestawZnakow::LiteryJedynkaPlus:
        return litera || c == u'1' || c == u'+';
    case ZestawZnakow::Wszystkie:
        return true;
    }
    return false;
}

QFont CzcionkaKomorki(const QString& nazwa, int s, const QFont& styl) {
    QFont f(nazwa);
    f.setStyleHint(QFont::Monospace);
    f.setBold(styl.bold());
    f.setItalic(styl.italic());
    f.setUnderline(styl.underline());
    f.setStrikeOut(styl.strikeOut());
    // The cell height includes the font's internal leading, so the em size is smaller than S.
    int rozmiar = std::max(1, s);
    f.setPixelSize(rozmiar);
    while (rozmiar > 1 && QFontMetrics(f).height() > s) {
        --rozmiar;
        f.setPixelSize(rozmiar);
    }
    return f;
}

MalarzKomorek::MalarzKomorek(QPainter& malarz, const QFont& czcionka, int s, const QColor& tlo)
    : p_(malarz), s_(s), w_(SzerokoscKomorki(s)), tlo_(tlo) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setFont(czcionka);
    p_.setPen(QColor(0, 0, 0));
    p_.setBackground(tlo_);
    p_.setBackgroundMode(Qt::OpaqueMode);
    wznios_ = QFontMetrics(czcionka).ascent();
}

void MalarzKomorek::Wyczysc(const QRect& obszar) {
    p_.fillRect(obszar, tlo_);
}

void MalarzKomorek::Tekst(QStringView tekst, long long pierwszaKomorka, ZestawZnakow zestaw,
                          int szerokosc, long long obojetneOd) {
    const QColor czarny(0, 0, 0);
    if (w_ <= 0)
        return;
    // Only the cells that reach into the pane are drawn; the rest would be clipped anyway.
    const long long od = std::max<long long>(0, -pierwszaKomorka - 1);
    for (long long i = od; i < tekst.size(); ++i) {
        const long long x = (pierwszaKomorka + i) * w_;
        if (x >= szerokosc)
            break;
        if (x + w_ <= 0)
            continue;
        Znak(static_cast<int>(x), tekst[static_cast<qsizetype>(i)], zestaw,
             obojetneOd >= 0 && i >= obojetneOd ? KolorObojetnych : czarny);
    }
}

void MalarzKomorek::Znak(int x, QChar znak, ZestawZnakow zestaw, const QColor& kolor) {
    if (!ZnakRysowany(znak, zestaw))
        return;
    p_.setPen(kolor);
    const bool zanegowana = znak.unicode() >= u'a' && znak.unicode() <= u'z';
    p_.drawText(QPoint(x, wznios_), QString(zanegowana ? znak.toUpper() : znak));
    // The bar leaves a gap to the next cell's bar, yet stays visible in the smallest cells.
    if (zanegowana && w_ > 1)
        p_.fillRect(x, 0, std::max(std::min(3, w_ - 1), w_ - 4), 1, kolor);
}

void MalarzKomorek::Kursor(int kolumna) {
    const int x = kolumna * w_;
    const int h = WysokoscKomorki(s_);
    const QColor zolty(255, 255, 0);
    p_.fillRect(x, 0, 1, h + 2, zolty);
    if (w_ > 4)
        p_.fillRect(x, h + 2, w_ - 4, 1, zolty);
}

} // namespace vyn::gui

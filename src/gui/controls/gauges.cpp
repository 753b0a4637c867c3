// Painting and the value rules of the progress gauge.
#include "controls/gauges.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

TGauge::TGauge(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::SetMinValue(int wartosc) {
    wartosc = std::min(wartosc, maxValue_);
    if (wartosc == minValue_)
        return;
    minValue_ = wartosc;
    progress_ = std::max(progress_, minValue_);
    update();
}

void TGauge::SetMaxValue(int wartosc) {
    wartosc = std::max(wartosc, minValue_);
    if (wartosc == maxValue_)
        return;
    maxValue_ = wartosc;
    progress_ = std::min(progress_, maxValue_);
    update();
}

void TGauge::SetProgress(int wartosc) {
    wartosc = std::clamp(wartosc, minValue_, maxValue_);
    if (wartosc == progress_)
        return;
    const int przed = PercentDone();
    progress_ = wartosc;
    if (PercentDone() != przed)
        update();
}

int TGauge::PercentDone() const {
    if (maxValue_ == minValue_)
        return 0;
    // 64 bits: the range of two 32-bit values times 100 does not fit in 32.
    return static_cast<int>((static_cast<qint64>(progress_) - minValue_) * 100 /
                            (static_cast<qint64>(maxValue_) - minValue_));
}

void TGauge::SetKind(TGaugeKind kind) {
    kind_ = kind;
    update();
}

void TGauge::SetShowText(bool pokaz) {
    showText_ = pokaz;
    update();
}

void TGauge::SetBorderStyle(TBorderStyle styl) {
    borderStyle_ = styl;
    update();
}

void TGauge::SetForeColor(const QColor& kolor) {
    foreColor_ = kolor;
    update();
}

void TGauge::SetBackColor(const QColor& kolor) {
    backColor_ = kolor;
    update();
}

QImage TGauge::Obraz() const {
    QImage obraz(size(), QImage::Format_RGB32);
    if (obraz.isNull())
        return obraz;
    obraz.fill(Qt::black);
    QRect pasek = rect();
    if (borderStyle_ == bsSingle)
        pasek.adjust(1, 1, -1, -1);
    if (pasek.isEmpty())
        return obraz;

    QPainter p(&obraz);
    const int procent = PercentDone();
    p.fillRect(pasek, backColor_);
    const int w = pasek.width();
    const int wypelnienie = std::min(w, static_cast<int>(static_cast<qint64>(w) * procent / 100));
    if (wypelnienie > 0)
        p.fillRect(QRect(pasek.left(), pasek.top(), wypelnienie, pasek.height()), foreColor_);

    if (showText_) {
        // Exclusive-or of white shows the text inverted over both the fill and the rest;
        // smoothed glyph edges would blend instead of inverting.
        QFont czcionka = font();
        czcionka.setStyleStrategy(QFont::NoAntialias);
        p.setFont(czcionka);
        const QString tekst = QString::number(procent) + QLatin1Char('%');
        const QFontMetrics miary(czcionka);
        const int szerokosc = miary.horizontalAdvance(tekst);
        const int wysokosc = miary.height();
        // Edges taken as the bar's left/top and the first pixel past its right/bottom.
        const int prawa = pasek.left() + pasek.width();
        const int dol = pasek.top() + pasek.height();
        const int x = (prawa - pasek.left() + 1 - szerokosc) / 2;
        const int y = (dol - pasek.top() + 1 - wysokosc) / 2;
        p.setClipRect(pasek);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(Qt::white);
        p.drawText(QRect(x, y, szerokosc, wysokosc),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, tekst);
    }
    return obraz;
}

void TGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Obraz());
}

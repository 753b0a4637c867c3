// The scrolling text control: one picture of all lines, moved up 3 pixels every 50 ms.
#include "controls/marquee.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtDebug>

TMarquee::TMarquee(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setInterval(OkresMs);
    connect(&timer_, &QTimer::timeout, this, &TMarquee::Krok);
}

void TMarquee::SetColor(const QColor& kolor) {
    color_ = kolor;
    update();
}

int TMarquee::WysokoscLinii() const {
    const QFontMetrics miary(font());
    return miary.height() + miary.leading();
}

void TMarquee::Start() {
    if (Active() || lines_.isEmpty())
        return;
    const int h = height();
    const int linia = WysokoscLinii();
    // The text starts one control height below the top, so it scrolls in from the bottom.
    QImage obraz(width(), h + static_cast<int>(lines_.size()) * linia, QImage::Format_RGB32);
    if (obraz.isNull()) {
        qWarning("Failed to render text");
        return;
    }
    obraz.fill(color_);
    QPainter p(&obraz);
    p.setFont(font());
    p.setPen(fontColor_);
    for (int i = 0; i < lines_.size(); ++i)
        p.drawText(QRect(0, h + i * linia, width(), linia),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, lines_[i]);
    p.end();
    obraz_ = obraz;
    przesuniecie_ = 0;
    timer_.start();
    update();
}

void TMarquee::Stop() {
    timer_.stop();
    obraz_ = QImage();
    update();
    emit OnDone();
}

void TMarquee::Krok() {
    if (obraz_.isNull())
        return;
    przesuniecie_ += KrokPikseli;
    // The picture is the control's height plus all lines: past it, the last line is gone.
    if (przesuniecie_ > obraz_.height()) {
        Stop();
        return;
    }
    update();
}

void TMarquee::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    if (!obraz_.isNull())
        p.drawImage(0, -przesuniecie_, obraz_);
}

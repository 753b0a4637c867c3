// TMarquee: lines of text that scroll upwards through the control once, then report done.
#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class TMarquee : public QWidget {
    Q_OBJECT
  public:
    explicit TMarquee(QWidget* parent = nullptr);

    QStringList Lines() const { return lines_; }
    void SetLines(const QStringList& linie) { lines_ = linie; }
    QColor Color() const { return color_; } // background
    void SetColor(const QColor& kolor);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& kolor) { fontColor_ = kolor; }

    // Draws the lines once into a picture and starts scrolling; nothing when already running
    // or without lines, or when the picture cannot be made.
    void Start();
    // Stops scrolling, frees the picture and emits OnDone.
    void Stop();
    bool Active() const { return timer_.isActive(); }

    // One timer tick: the view moves 3 pixels up; past the last line the control stops.
    void Krok();

    int Przesuniecie() const { return przesuniecie_; }
    int WysokoscLinii() const;
    static constexpr int OkresMs = 50;
    static constexpr int KrokPikseli = 3;

  signals:
    void OnDone();

  protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

  private:
    QStringList lines_;
    QColor color_ = Qt::white;
    QColor fontColor_ = Qt::black;
    QImage obraz_;
    int przesuniecie_ = 0;
    QTimer timer_;
};

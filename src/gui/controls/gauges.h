// TGauge: the progress gauge of the minimisation dialog, a framed bar with its percentage.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class TGauge : public QWidget {
    Q_OBJECT
  public:
    // Only the horizontal bar is drawn; the other kinds are kept so that a gauge can be set up
    // as any of them and falls back to the bar.
    enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
    enum TBorderStyle { bsNone, bsSingle };

    explicit TGauge(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    void SetMinValue(int wartosc);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int wartosc);
    int Progress() const { return progress_; }
    // Clamped to MinValue..MaxValue; repaints only when the whole percentage changes.
    void SetProgress(int wartosc);
    // 0 for an empty range, otherwise the share of the range truncated to a whole percent.
    int PercentDone() const;

    TGaugeKind Kind() const { return kind_; }
    void SetKind(TGaugeKind kind);
    bool ShowText() const { return showText_; }
    void SetShowText(bool pokaz);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle styl);
    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(const QColor& kolor);
    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& kolor);

    // The whole control as it is painted: drawn off-screen and then copied in one step.
    QImage Obraz() const;

    QSize sizeHint() const override { return {100, 20}; }

  protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

  private:
    void Zmieniono();

    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    TGaugeKind kind_ = gkHorizontalBar;
    bool showText_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    QColor foreColor_ = Qt::black;
    QColor backColor_ = Qt::white;
};

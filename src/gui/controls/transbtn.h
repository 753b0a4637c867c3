// TTransparentButton: a flat text button in an indented frame (the encoding indicator).
#pragma once

#include <QAbstractButton>

namespace vyn::gui {

class TTransparentButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TTransparentButton(QWidget* parent = nullptr);

    void setAlignment(Qt::Alignment wyrownanie);
    Qt::Alignment alignment() const { return wyrownanie_; }
    // Space between the frame and the text.
    void setSpacing(int odstep);
    int spacing() const { return odstep_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

  private:
    Qt::Alignment wyrownanie_ = Qt::AlignRight | Qt::AlignVCenter;
    int odstep_ = 5;
};

} // namespace vyn::gui

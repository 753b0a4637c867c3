// TIEButton: a push button with a picture above its caption (the Minimize button).
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace vyn::gui {

class TIEButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TIEButton(QWidget* parent = nullptr);

    // The picture; pixels of the transparent colour are not drawn.
    void setGlyph(const QPixmap& obraz);
    QPixmap glyph() const { return obraz_; }
    void setTransparentColor(const QColor& kolor);
    QColor transparentColor() const { return przezroczysty_; }
    // Space between the button's top edge and the picture.
    void setMargin(int margines);
    int margin() const { return margines_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

  private:
    void PrzygotujMaske();

    QPixmap obraz_;
    QPixmap obrazMaskowany_;
    QColor przezroczysty_ = Qt::black;
    int margines_ = 8;
};

// The picture of the Minimize button: a Karnaugh map with two groups ringed, on black.
QPixmap ObrazekMinimalizacji();

} // namespace vyn::gui

// TPaintBox: a pane that draws one line of text in character cells, nothing else.
//
// The function pane gets the whole text with the cell of its first character and the cursor
// column; a result pane gets the whole text with its drag offset in pixels and shows the slice
// that the offset selects. Mouse presses, moves and releases are passed on as signals.
#pragma once

#include "display/malarz.h"

#include <QString>
#include <QWidget>

#include <optional>

namespace vyn::gui {

class TPaintBox : public QWidget {
    Q_OBJECT
  public:
    struct Zawartosc {
        QString Tekst;
        // Function pane: the cell of the first character. Result pane: the drag offset.
        long long Przesuniecie = 0;
        bool Wycinek = true; // a result pane showing the slice for its drag offset
        ZestawZnakow Znaki = ZestawZnakow::LiteryPlus;
        std::optional<int> Kursor; // the cursor column of the function pane
        long long Obojetne = -1;   // index of the ";" before the don't-care terms, if any
    };

    explicit TPaintBox(QWidget* parent = nullptr);

    void UstawZawartosc(Zawartosc zawartosc);
    const Zawartosc& zawartosc() const { return zawartosc_; }
    // The pane's font and its cell height S.
    void UstawCzcionke(const QFont& czcionka, int s);
    int RozmiarKomorki() const { return s_; }

  signals:
    void Nacisnieto(Qt::MouseButton przycisk, int x, int y);
    void Przesunieto(int x, int y);
    void Zwolniono(Qt::MouseButton przycisk, int x, int y);

  protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

  private:
    Zawartosc zawartosc_;
    QFont czcionka_;
    int s_ = 16;
};

} // namespace vyn::gui

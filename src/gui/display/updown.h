// TUpDown: a vertical up-down stepper (two arrow buttons) over a range, without wrap-around.
#pragma once

#include <QWidget>

class QToolButton;

namespace vyn::gui {

class TUpDown : public QWidget {
    Q_OBJECT
  public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return pozycja_; }
    void UstawZakres(int min, int max);
    // Sets the position (clamped to the range) without reporting a step.
    void UstawPozycje(int pozycja);
    // One step as by the user: up raises the position; nothing happens at the ends.
    void Krok(bool wGore);

    QToolButton* PrzyciskGora() const { return gora_; }
    QToolButton* PrzyciskDol() const { return dol_; }

  signals:
    // The user stepped to a new position.
    void Zmieniono(int pozycja);

  protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;

  private:
    QToolButton* gora_;
    QToolButton* dol_;
    int min_ = 1;
    int max_ = 1;
    int pozycja_ = 1;
};

} // namespace vyn::gui

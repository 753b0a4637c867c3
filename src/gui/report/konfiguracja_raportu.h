// The report configuration window: seven check boxes choose the report's sections.
#pragma once

#include "files/raport.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace vyn::gui {

class TFormRaportKonfiguracja : public QDialog {
    Q_OBJECT
  public:
    explicit TFormRaportKonfiguracja(QWidget* rodzic = nullptr);

    // The choice as the boxes stand now.
    WyborRaportu Wybor() const;

    // Konfiguruj1Click: shown without waiting and brought to the front.
    void Pokaz();

    void BitBtn1Click();   // OK: only hides, the ticks stay
    void CheckBox7Click(); // "domyślne" changed state

  private:
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QPushButton* BitBtn1;
};

} // namespace vyn::gui

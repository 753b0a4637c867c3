// The pane font dialog ("Czcionka"): fixed-pitch faces, their styles and the sizes the panes
// can use (8 to 30 points), with a sample. The style preset is the one the font really has,
// so that OK without a change gives back the same font.
#pragma once

#include <QDialog>
#include <QFont>

class QLabel;
class QListWidget;

namespace vyn::gui {

class TFontDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int NajmniejszyRozmiar = 8;
    static constexpr int NajwiekszyRozmiar = 30;

    explicit TFontDialog(QWidget* rodzic = nullptr);

    void UstawCzcionke(const QFont& czcionka);
    QFont Czcionka() const;

    QListWidget* ListaKrojow;
    QListWidget* ListaStylow;
    QListWidget* ListaRozmiarow;
    QLabel* Probka;

  private:
    void WypelnijStyle(const QString& styl);
    void OdswiezProbke();
};

// The style of `czcionka`'s face that matches its weight and slant ("Book", "Regular", ...).
QString StylCzcionki(const QFont& czcionka);

} // namespace vyn::gui

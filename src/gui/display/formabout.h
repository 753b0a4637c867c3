// TFormAbout: the About box, a small tool window on top with a picture and credits that
// scroll up once each time the box is shown and close it when they have passed.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QLabel;
class TMarquee;

namespace vyn::gui {

class TFormAbout : public QDialog {
    Q_OBJECT
  public:
    static constexpr int Szerokosc = 252; // client area
    static constexpr int Wysokosc = 304;
    static constexpr int WysokoscNapisow = 177; // Marquee1 fills the bottom
    static constexpr int SzerokoscObrazka = 251;
    static constexpr int WysokoscObrazka = 131;

    explicit TFormAbout(QWidget* rodzic = nullptr);

    // The 85 credit lines; the empty ones space out the 17 with text.
    static QStringList LinieNapisow();
    // The picture at the top: a Karnaugh map with its groups ringed and the program's name.
    static QPixmap Obrazek();

    // Oprogramie1Click: shown modeless and in front. Credits still scrolling from an earlier
    // showing go on where they are.
    void Pokaz();

    QLabel* Image1;
    TMarquee* Marquee1;

  public slots:
    void FormShow();
    void Marquee1Done();

  protected:
    void showEvent(QShowEvent* zdarzenie) override;
};

} // namespace vyn::gui

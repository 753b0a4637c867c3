// Help mode: twelve controls of the main window explain themselves in yellow hints while the
// help pointer is on; and PodlaczPomoc, which gives the main window its help menu and copy.
//
// Qt 6.4 has no setting for the tooltip wake-up delay (its own is 700 ms), so the hints are not
// left to Qt: an event filter on the twelve controls starts a 100 ms pause when the pointer
// enters one and then shows the control's tooltip for 2.5 s; Qt's own ToolTip events on them
// are swallowed so that no second, slower hint comes up.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <utility>
#include <vector>

class QWidget;

namespace vyn::gui {

class TForm1;
class TFormAbout;
class TFormRaportPodglad;

// A control's objectName and its hint; "\n" breaks the hint into two lines.
struct Podpowiedz {
    const char* Kontrolka;
    QString Tekst;
};

// The twelve hints in the order in which help mode switches them on.
std::vector<Podpowiedz> Podpowiedzi();

// The help mode of one main window; the state behind the menu item "&Tryb pomocy".
class TTrybPomocy : public QObject {
    Q_OBJECT
  public:
    static constexpr int PauzaMs = 100;
    static constexpr int WyswietlanieMs = 2500;

    // Sets the application's hint colours; the hints stay off.
    explicit TTrybPomocy(TForm1& okno);
    ~TTrybPomocy() override;

    bool Wlaczony() const { return wlaczony_; }
    // Tematypomocy1Click: the mark, the help pointer and the twelve hints, on or off.
    void Przelacz();

  signals:
    // A hint has just been shown over the control.
    void PokazanoPodpowiedz(QWidget* kontrolka);

  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

  private:
    void Pokaz();

    TForm1& okno_;
    std::vector<std::pair<QWidget*, QString>> kontrolki_;
    bool wlaczony_ = false;
    QTimer pauza_;
    QPointer<QWidget> nad_; // the control the pointer rests on
    QPoint gdzie_;          // the pointer's global position there
};

// Fills the main window's hooks for help mode, the tips, the About box and the clipboard copy.
// The three windows must outlive the main window's use of the hooks.
void PodlaczPomoc(TForm1& okno, TFormRaportPodglad& podglad, TFormAbout& about);

} // namespace vyn::gui

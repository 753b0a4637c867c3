// Program: the windows of VYN, created once and wired together. main() creates one; the tests
// create one per case.
//
// It owns the main window `TForm1` and through it the progress dialog `TFormMin`, the report
// windows and the file dialogs, and the background runner of minimisation runs. It fills in
// the main window's commands: the run (SpeedButton3Click), Open and Save as, the report and
// its configuration, and the clock.
#pragma once

#include "files/raport.h"
#include "qm/przebieg.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class PrzebiegMinimalizacji;
class TFormMin;

namespace vyn::gui {

class TForm1;
class TFormAbout;
class TFormRaportKonfiguracja;
class TFormRaportPodglad;

// The usage text of `vyn --help`.
QString UzycieProgramu();

// A run's elapsed time as the report writes it: a time of day in the system's long time
// format, without a time zone (it is a length of time, not a moment).
QString CzasDlugi(QTime czas);

// The values the report reads, from the main window as it stands.
vyn::DaneRaportu DaneRaportuOkna(const TForm1& okno);

class Program : public QObject {
    Q_OBJECT
  public:
    Program();
    ~Program() override;

    // Shows the main window and, when the first argument names a file, opens it with the
    // command line's cleaning once the window is up.
    void Uruchom(const QStringList& argumenty);

    TForm1* Form1() const { return form1_.get(); }
    TFormMin* FormMin() const { return formMin_; }
    PrzebiegMinimalizacji* Przebieg() const { return przebieg_.get(); }
    TFormRaportKonfiguracja* FormRaportKonfiguracja() const { return konfiguracja_; }
    TFormRaportPodglad* FormRaportPodglad() const { return podglad_; }
    QFileDialog* OpenDialog1() const { return openDialog1_; }
    QFileDialog* SaveDialog1() const { return saveDialog1_; }

    // The commands without their dialogs; false when nothing changed (the reason was shown).
    bool Otworz(const QString& sciezka);
    bool OtworzZWierszaPolecen(const QString& sciezka);
    bool Zapisz(const QString& sciezka);

    // PLA files (program_pla.cpp), without their dialogs: the message when nothing changed
    // (empty when the user cancelled the choice of an output).
    // An import loads the function as Open does, in the user's order of the file's letters.
    std::optional<QString> ImportujPla(const QString& sciezka);
    // The function (`postac` false) or the minimal form on show.
    std::optional<QString> EksportujPla(const QString& sciezka, bool postac);
    // The table capacity and minterm limit of the window's runs for this session; the message
    // when refused (out of range, or more memory than the machine has free).
    std::optional<QString> UstawPojemnosc(std::size_t pojemnosc);
    std::size_t Pojemnosc() const { return pojemnosc_; }
    // Picks one of a PLA file's outputs (names in file order): its index, nothing to cancel.
    // A list dialog unless replaced.
    std::function<std::optional<int>(const QStringList&)> WybierzWyjscie;
    // The free memory a raised capacity is checked against: the machine's unless replaced.
    std::function<std::optional<std::uint64_t>()> PamiecDostepna;

    // The main window's commands.
    void SpeedButton3Click();
    void ImportujPlaClick();
    void EksportujPlaClick(bool postac);
    void PojemnoscClick();
    void Otwrz1Click();
    void Zapiszjako1Click();
    void Podgld1Click();
    void Konfiguruj1Click();

  signals:
    // A run ended and the main window shows its result (after any message box was closed).
    void PrzebiegZakonczony();

  private:
    std::optional<int> WybierzWyjscieZListy(const QStringList& nazwy);
    void PoPrzebiegu(const vyn::WynikMinimalizacji& wynik);
    void PokazKomunikat(const QString& tekst, bool ostrzezenie);

    std::unique_ptr<TForm1> form1_;
    TFormMin* formMin_ = nullptr;
    TFormRaportKonfiguracja* konfiguracja_ = nullptr;
    TFormAbout* formAbout_ = nullptr;
    TFormRaportPodglad* podglad_ = nullptr;
    QFileDialog* openDialog1_ = nullptr;
    QFileDialog* saveDialog1_ = nullptr;
    std::size_t pojemnosc_ = vyn::PojemnoscTablicy;
    // Declared last, so deleted first: a run in progress is stopped before the windows go.
    std::unique_ptr<PrzebiegMinimalizacji> przebieg_;
};

} // namespace vyn::gui

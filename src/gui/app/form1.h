// TForm1: the main window. It owns the function, the editor state and the results on show,
// and places its controls by the layout rules whenever its size changes.
//
// Window size: the layout works on the design size of the window, 640 x 413 at start.
// It is the outer size: the client area (the central widget, where every control has its
// design position) plus a fixed frame of RamkaPozioma x RamkaPionowa design pixels, which
// stands for the borders, the caption and the menu bar. RozmiarOkna() gives it and
// UstawRozmiarOkna() sets the window to it.
//
// Commands that other parts of the program fill in (files, run, report, help, clipboard) are
// public slots that call the matching member of `Haki` when it is set.
//
// The minimal forms of a run are kept as the run left them (the essential part once, each
// form's own rows apart); only the form on show is held as text.
#pragma once

#include "display/malarz.h"
#include "qm/przebieg.h"
#include "text/edytor.h"

#include <QFont>
#include <QMainWindow>
#include <QStringList>
#include <QTime>

#include <functional>

namespace vyn {
struct PlikFunkcji;
}

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolButton;

namespace vyn::gui {

class TFontDialog;
class TFormKod;
class TIEButton;
class TPaintBox;
class TTransparentButton;
class TUpDown;

// The status-line note after a stopped run: how far from the minimum the form shown can be,
// when the search proved a bound.
QString UwagaPrzerwania(const vyn::WynikMinimalizacji& wynik, bool niepelne);

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    static constexpr int RamkaPozioma = 8;
    static constexpr int RamkaPionowa = 46;
    QSize RozmiarOkna() const;
    void UstawRozmiarOkna(int szerokosc, int wysokosc);

    // --- The program's state ---
    vyn::StanEdytora Edytor; // Funkcja, TrybDziesietny, IloscLiter, cursor and view
    const std::string& Funkcja() const { return Edytor.Funkcja; }
    bool TrybDziesietny() const { return Edytor.TrybDziesietny; }
    QString Kodowanie;
    QString KanonicznaLiterowa;
    QString KanonicznaDziesietna;
    // The don't-care terms' canonical forms, empty when the function has none.
    QString ObojetneLiterowo;
    QString ObojetneDziesietnie;
    // The .ilb names of an imported PLA file; the report shows them while the function and
    // the indicator's letters are still the imported ones.
    struct {
        std::string Funkcja;
        QString Kodowanie;
        std::string Tekst;
    } LegendaPla;
    QString ProsteImplikanty;
    QString ImplikantyIstotne;
    vyn::ListaPostaci PostacieMinimalne; // forms 1..IloscMinimalnych, from index 0
    QString PostacMinimalna;             // the form on show
    int IloscMinimalnych = 0;
    // Form n (1..IloscMinimalnych) as text; empty outside that range.
    QString Postac(int n) const;
    QTime CzasMinimalizacji{0, 0, 0};

    // Drag state of the four result panes.
    long long PrzesuniecieLiterowej = 0;
    long long PrzesuniecieDziesietnej = 0;
    long long PrzesuniecieImplikantow = 0;
    long long PrzesuniecieMinimalnej = 0;
    int OstatnieX = 0;
    bool PrzeciaganieLiterowej = false;
    bool PrzeciaganieDziesietnej = false;
    bool PrzeciaganieImplikantow = false;
    bool PrzeciaganieMinimalnej = false;

    // Pane font metrics, taken from the font dialog's current font.
    QFont CzcionkaDialogu; // FontDialog1's font
    QString NazwaCzcionki;
    int RozmiarCzcionki = 16;
    int SzerokoscZnaku = 12;
    int WysokoscZnaku = 15;

    // The pane on which the popup menu was last opened.
    TPaintBox* PanelMenu = nullptr;

    // Commands filled in by other parts of the program.
    struct {
        std::function<void()> Otwrz1Click;           // files
        std::function<void()> Zapiszjako1Click;      // files
        std::function<void()> ImportujPlaClick;      // PLA files
        std::function<void()> EksportujPlaClick;     // PLA: the function
        std::function<void()> EksportujPostacClick;  // PLA: the minimal form on show
        std::function<void()> PojemnoscClick;        // the session's table capacity
        std::function<void()> SpeedButton3Click;     // the minimisation run
        std::function<void()> Podgld1Click;          // report
        std::function<void()> Konfiguruj1Click;      // report
        std::function<void()> Tematypomocy1Click;    // help mode
        std::function<void()> Wskazwki1Click;        // tips
        std::function<void()> Oprogramie1Click;      // About box
        std::function<void()> Kopiujdoschowka1Click; // clipboard, acts on PanelMenu
        std::function<void()> Timer1Timer;           // the run's clock
    } Haki;

    // Starts a calculator; false when none could be started (nothing is reported then).
    std::function<bool()> UruchomKalkulator;

    // The status bar's first section.
    QString Komunikat() const;
    void UstawKomunikat(const QString& tekst);

    // Shows the result of a run on the panes, the minimal-form group and the stepper.
    void PokazWyniki(vyn::WynikMinimalizacji wynik);
    // Empties every result and shows no form ("Postać minimalna 0 z 0", no stepper).
    void WyczyscWyniki();

    // --- A minimisation run (form1_przebieg.cpp) ---
    // The run begins: results emptied, pane offsets and stepper reset, and the commands that
    // would change the function or start another run disabled until it ends.
    void RozpocznijPrzebieg();
    // Stages' results shown as they arrive.
    void PokazKanoniczna(const QString& literowa, const QString& dziesietna);
    void PokazObojetne(const QString& literowa, const QString& dziesietna);
    void PokazImplikanty(const QString& proste);
    // The run has ended: its result in one step, what the status bar says of a stop or of
    // forms left out, and the commands enabled again. `niepelne`: the run was stopped before
    // any form of the function was found, so no form is shown.
    void ZakonczPrzebieg(vyn::WynikMinimalizacji wynik, bool niepelne);
    bool PrzebiegTrwa() const { return przebiegTrwa_; }
    // The progress dialog has closed while the run still finishes: a busy pointer and a note
    // on the status line until it ends.
    void PokazKonczenie();

    // --- Function files (form1_pliki.cpp) ---
    // A function read from a file becomes the function; `zOtwierania` for the Open command,
    // which also resets the view and the results' offsets. Caption from `nazwaPliku`.
    void WczytajFunkcje(const vyn::PlikFunkcji& plik, const QString& nazwaPliku, bool zOtwierania);
    // "VYN dla Windows - name" and the application title.
    void UstawNazwePliku(const QString& nazwaPliku);

    // Applies a font as the font dialog does (size limited to 8..30).
    void ZastosujCzcionke(const QFont& czcionka);

    // --- Controls, by their names ---
    QFrame* Panel1;
    QFrame* Bevel1;
    TPaintBox* PaintBox1;
    QLabel* LabelSigma;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* LabelKodowanie;
    TTransparentButton* SBznaki;
    TIEButton* IEButton1;
    QStatusBar* StatusBar1;
    QLabel* StatusBar1Panel; // its first section
    QGroupBox* GroupBox1;
    TPaintBox* PaintBox2;
    TPaintBox* PaintBox3;
    QGroupBox* GroupBox3;
    TPaintBox* PaintBox4;
    QGroupBox* GroupBox2;
    TUpDown* UpDown1;
    QFrame* Bevel2;
    TPaintBox* PaintBox5;
    QLabel* LabelMinGrup;
    QLabel* LabelMinLiter;
    QToolButton* SBzoom;
    QMenu* PopupMenu1;
    QAction* Kopiujdoschowka1;
    QTimer* Timer1;
    TFormKod* FormKod;
    TFontDialog* FontDialog1;

    QAction* Nowa1;
    QAction* Otwrz1;
    QAction* Zapiszjako1;
    QAction* ImportujPla;
    QAction* EksportujPla;
    QAction* EksportujPostac;
    QAction* Pojemnosc;
    QAction* Kodowanie1;
    QAction* Minimalizacja1;
    QAction* Zamknij1;
    QAction* Podgld1;
    QAction* Konfiguruj1;
    QAction* Kalkulator1;
    QAction* Opcje1;
    QAction* Tematypomocy1;
    QAction* Wskazwki1;
    QAction* Oprogramie1;

  public slots:
    void FormKeyDown(int kod, bool shift);
    void PaintBox1MouseDown(int x);
    void Nowa1Click();
    void FormResize();
    void FormActivate();
    void UstalKodowanie();
    // The notation switch: the flag, the count label and the notation label.
    void UstawNotacje(bool dziesietny);
    void RysujFunkcje();
    void RysujKanonicznaLiterowa();
    void RysujKanonicznaDziesietna();
    void RysujImplikanty();
    void RysujMinimalna();
    void UpDown1Changing(int pozycja);
    void Opcje1Click();
    void Kalkulator1Click();
    void SBzoomClick();
    void SBznakiClick();
    void Kodowanie1Click();
    void Zamknij1Click();

    void PaintBox2MouseDown(int x) { MyszNacisnieta(0, x); }
    void PaintBox3MouseDown(int x) { MyszNacisnieta(1, x); }
    void PaintBox4MouseDown(int x) { MyszNacisnieta(2, x); }
    void PaintBox5MouseDown(int x) { MyszNacisnieta(3, x); }
    void PaintBox2MouseMove(int x) { MyszPrzesunieta(0, x); }
    void PaintBox3MouseMove(int x) { MyszPrzesunieta(1, x); }
    void PaintBox4MouseMove(int x) { MyszPrzesunieta(2, x); }
    void PaintBox5MouseMove(int x) { MyszPrzesunieta(3, x); }
    void PaintBox2MouseUp() { MyszZwolniona(0); }
    void PaintBox3MouseUp() { MyszZwolniona(1); }
    void PaintBox4MouseUp() { MyszZwolniona(2); }
    void PaintBox5MouseUp() { MyszZwolniona(3); }

    // Commands of other parts (see Haki).
    void Otwrz1Click() { Wywolaj(Haki.Otwrz1Click); }
    void Zapiszjako1Click() { Wywolaj(Haki.Zapiszjako1Click); }
    void ImportujPlaClick() { Wywolaj(Haki.ImportujPlaClick); }
    void EksportujPlaClick() { Wywolaj(Haki.EksportujPlaClick); }
    void EksportujPostacClick() { Wywolaj(Haki.EksportujPostacClick); }
    void PojemnoscClick() { Wywolaj(Haki.PojemnoscClick); }
    void SpeedButton3Click() { Wywolaj(Haki.SpeedButton3Click); }
    void Minimalizacja1Click() { SpeedButton3Click(); }
    void Podgld1Click() { Wywolaj(Haki.Podgld1Click); }
    void Konfiguruj1Click() { Wywolaj(Haki.Konfiguruj1Click); }
    void Tematypomocy1Click() { Wywolaj(Haki.Tematypomocy1Click); }
    void Wskazwki1Click() { Wywolaj(Haki.Wskazwki1Click); }
    void Oprogramie1Click() { Wywolaj(Haki.Oprogramie1Click); }
    void Kopiujdoschowka1Click() { Wywolaj(Haki.Kopiujdoschowka1Click); }
    void Timer1Timer() { Wywolaj(Haki.Timer1Timer); }

  protected:
    bool event(QEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

  private:
    // The form the two count labels describe: a drag of the pane redraws it at every mouse
    // move, and the counts only change with the form.
    QString opisanaPostac_;
    static void Wywolaj(const std::function<void()>& hak) {
        if (hak)
            hak();
    }
    void UtworzKontrolki();
    void UtworzMenu();
    void PolaczPanele();
    void PobierzMetryki();
    void UstawCzcionkiPaneli();
    void UlozSigme();
    void RysujWynik(TPaintBox* panel, const QString& tekst, long long przesuniecie,
                    ZestawZnakow zestaw, long long obojetne = -1);
    // A canonical pane: the required terms, then ";" and the don't-cares when there are any.
    void RysujKanoniczna(TPaintBox* panel, const QString& wymagane, const QString& obojetne,
                         long long przesuniecie, ZestawZnakow zestaw);
    void PokazMenuPanelu(TPaintBox* panel, const QPoint& gdzie);
    void MyszNacisnieta(int panel, int x, Qt::MouseButton przycisk = Qt::LeftButton);
    void MyszPrzesunieta(int panel, int x);
    void MyszZwolniona(int panel);
    void OtworzKodowanie();
    void UstawPrzebieg(bool trwa);
    void PokazZeroweLiczniki();
    // Keeps the count labels, "Kodowanie :" and the indicator from covering one another.
    void RozsunEtykiety();

    bool przebiegTrwa_ = false;
    bool kursorZajety_ = false;
    // The layout rules' place of the letter count and whether "Kodowanie :" is shown; the
    // short count texts used when a label must give way.
    int label6Lewa_ = 208;
    bool kodowanieWidoczne_ = true;
    QString krotkaLiter_;
    QString krotkaGrup_;
};

} // namespace vyn::gui

// TFormKod: the encoding dialog, where the user picks the order of the letters' bits.
//
// The dialog holds the mode for the whole run of the program: ascending, descending or the
// order typed in Edit1. In the user's mode OK checks the typed order against the letters the
// indicator showed when it opened and warns when they do not fit; after a warning it stays
// open so that the order can be corrected, and nothing is applied. Cancel (or closing the
// window) puts back the mode and the typed text of the moment it opened.
#pragma once

#include "qm/kodowanie.h"

#include <QDialog>

#include <functional>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vyn::gui {

class TFormKod : public QDialog {
    Q_OBJECT
  public:
    explicit TFormKod(QWidget* parent = nullptr);

    vyn::TrybKodowania Tryb() const;
    // Selects a mode as its radio button would (the Open command selects ascending).
    void UstawTryb(vyn::TrybKodowania tryb);
    // The order typed by the user, in capitals.
    QString TekstUzytkownika() const;

    // Read when the dialog opens: the indicator's letters and whether the function is in the
    // decimal notation (any letters then name its bits, so the letter check is skipped).
    std::function<QString()> NapisWskaznika;
    std::function<bool()> FunkcjaDziesietna;
    // Shows a warning; a warning message box unless replaced.
    std::function<void(const QString&)> Ostrzez;

    // The indicator's letters when the dialog was opened.
    QString KodowaniePoprzednie;

    QPlainTextEdit* Memo1;
    QGroupBox* GroupBox1;
    QRadioButton* RBar;
    QRadioButton* RBam;
    QRadioButton* RBuu;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

  signals:
    // OK accepted a typed order: the indicator shows these letters from now on.
    void ZmienionoNapis(const QString& litery);

  public slots:
    void FormShow();
    void RBarClick();
    void RBamClick();
    void RBuuClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void reject() override;

  protected:
    void showEvent(QShowEvent* zdarzenie) override;

  private:
    void Wybierz(QRadioButton* przycisk);

    vyn::TrybKodowania trybPrzyOtwarciu_ = vyn::TrybKodowania::Rosnaco;
    QString tekstPrzyOtwarciu_;
};

} // namespace vyn::gui

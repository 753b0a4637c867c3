// TFormMin: the progress dialog of a minimisation run ("Przebieg minimalizacji").
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;
class TGauge;
class THeaderListbox;
class PrzebiegMinimalizacji;

class TFormMin : public QWidget {
    Q_OBJECT
  public:
    // Client heights with the details list hidden and shown.
    static constexpr int SzerokoscOkna = 381;
    static constexpr int WysokoscZwykla = 162;
    static constexpr int WysokoscSzczegolow = 327;

    explicit TFormMin(QWidget* parent = nullptr);

    // Ties the dialog to a runner: its progress goes to the controls, its start shows the
    // dialog, its end stops the clock, and closing the dialog asks it to stop. Connect the
    // main window's own `Zakonczono` handler after this, so that it reads the final time.
    void Polacz(PrzebiegMinimalizacji* przebieg);

    // Elapsed time of the last run in whole seconds: the last value the clock showed.
    int CzasMinimalizacji() const { return czasSekundy_; }
    // The same as "hh:mm:ss".
    QString CzasMinimalizacjiTekst() const { return FormatujCzas(czasSekundy_); }
    static QString FormatujCzas(int sekundy);
    bool PrzebiegTrwa() const { return trwa_; }

    QLabel* LabelCzas;
    QLabel* Label1;
    TGauge* Gauge1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* LabelKoszt;   // the best form's cost while the cover search runs
    QLabel* LabelGranica; // the best proven lower bound on the least cost
    QPushButton* BitBtn1;
    QToolButton* SpeedButton1;
    THeaderListbox* HeaderListbox1;

  public slots:
    // A run begins: "Przerwij", empty details and labels, the clock from 00:00:00, shown.
    void RozpocznijPrzebieg();
    // The run has ended: the clock stops at its final value, the button reads "Zamknij", and
    // the dialog closes unless the details are shown.
    void ZakonczPrzebieg();
    void PokazEtap(const QString& tekst);
    void PokazPostep(int wartosc);
    void DodajSzczegol(const QString& wiersz);
    void PokazEtykiete(int nr, const QString& tekst);
    void PokazOszacowanie(int koszt, int granica);
    void BitBtn1Click();
    void SpeedButton1Click();
    void Timer1Timer();

  signals:
    // Every close of the dialog (button, close box, Escape or the end of a run).
    void PrzerwanieZadane();

  protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

  private:
    void ZatrzymajZegar();

    QTimer Timer1;
    QElapsedTimer start_;
    bool trwa_ = false;
    bool zegarChodzi_ = false;
    int czasSekundy_ = 0;
};

// A minimisation run on a worker thread, reporting its progress to the GUI thread.
//
// The engine's observer calls become queued signals, in order: stage texts (repeats of the
// same text dropped), gauge values, details rows, the canonical form and the prime
// implicants. The search's labels ("liter: ", "grup: ", "minimalnych: ") and its estimate
// (best cost, proven bound) can change thousands of times a second, so only their latest
// values are kept and delivered on a short timer; whatever is pending is delivered before
// `Zakonczono`. A stop request stays in force until the run ends: the engine clears its flag after
// the table stage, and the request raises it again at the next event point, so the search that
// follows stops too.
#pragma once

#include "qm/przebieg.h"

#include <QMetaType>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <atomic>

class QThread;

Q_DECLARE_METATYPE(vyn::WynikMinimalizacji)

class PrzebiegMinimalizacji : public QObject {
    Q_OBJECT
  public:
    explicit PrzebiegMinimalizacji(QObject* parent = nullptr);
    // A run still in progress is stopped and waited for.
    ~PrzebiegMinimalizacji() override;

    // Starts a run; false (and nothing happens) while another one is in progress.
    // `Rozpoczeto` is emitted before the worker starts.
    bool Uruchom(const vyn::ZadanieMinimalizacji& zadanie);
    bool Trwa() const { return watek_ != nullptr; }
    // Whether the last finished run stopped before any cover was found, so that its only
    // form is not the function (vyn::WynikMinimalizacji::PostacieNiepelne).
    bool OstatniePostacieNiepelne() const { return niepelne_; }

    // How often the search's labels are delivered while a run goes on.
    void UstawOkresEtykiet(int ms) { zegarEtykiet_.setInterval(ms); }

  public slots:
    // Asks the run to stop at its next check; nothing when no run is in progress.
    void Przerwij();

  signals:
    void Rozpoczeto();
    void Etap(const QString& tekst);
    void Postep(int wartosc);
    void Szczegol(const QString& wiersz);
    void Etykieta(int nr, const QString& tekst); // 2, 3 or 4
    // The cost of the best form found so far and the best proven lower bound; delivered with
    // the labels, latest values only.
    void Oszacowanie(int koszt, int granica);
    void KanonicznaGotowa(const QString& literowa, const QString& dziesietna);
    void ObojetneGotowe(const QString& literowa, const QString& dziesietna);
    void ImplikantyGotowe(const QString& proste);
    // The run has ended (normally, stopped, refused or at capacity); messages for the user
    // are in wynik.Komunikat.
    void Zakonczono(const vyn::WynikMinimalizacji& wynik);

  private:
    class Obserwator;
    void ZapiszEtykiete(int nr, const std::string& tekst); // worker thread
    void ZapiszOszacowanie(int koszt, int granica);        // worker thread
    void DostarczEtykiety();
    void Zakoncz(const vyn::WynikMinimalizacji& wynik, bool niepelne);

    vyn::FlagaPrzerwania flaga_;
    std::atomic<bool> zadanoPrzerwania_{false};
    QThread* watek_ = nullptr;
    bool niepelne_ = false;

    QMutex mutexEtykiet_;
    std::array<QString, 3> etykiety_; // labels 2, 3, 4
    std::array<bool, 3> zmienione_{}; // not yet delivered
    int koszt_ = 0;
    int granica_ = 0;
    bool oszacowanieZmienione_ = false;
    QTimer zegarEtykiet_;
};

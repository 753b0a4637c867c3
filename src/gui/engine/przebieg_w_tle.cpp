// The worker thread of a minimisation run and the delivery of its progress.
#include "engine/przebieg_w_tle.h"

#include <QMutexLocker>
#include <QThread>

// Runs on the worker thread; everything it reports is posted to the runner's thread.
class PrzebiegMinimalizacji::Obserwator : public vyn::ObserwatorPrzebiegu {
  public:
    explicit Obserwator(PrzebiegMinimalizacji* p) : p_(p) {}

    void Etap(const std::string& tekst) override {
        // The search announces itself before every top-level row; once is enough.
        if (tekst == ostatniEtap_)
            return;
        ostatniEtap_ = tekst;
        Wyslij([p = p_, t = QString::fromStdString(tekst)] { emit p->Etap(t); });
    }
    void Postep(int wartosc) override {
        Wyslij([p = p_, wartosc] { emit p->Postep(wartosc); });
    }
    void Szczegol(const std::string& wiersz) override {
        Wyslij([p = p_, w = QString::fromStdString(wiersz)] { emit p->Szczegol(w); });
    }
    void Etykieta(int nr, const std::string& tekst) override { p_->ZapiszEtykiete(nr, tekst); }
    void Oszacowanie(int koszt, int granica) override { p_->ZapiszOszacowanie(koszt, granica); }
    void KanonicznaGotowa(const std::string& literowa, const std::string& dziesietna) override {
        Wyslij([p = p_, l = QString::fromStdString(literowa),
                d = QString::fromStdString(dziesietna)] { emit p->KanonicznaGotowa(l, d); });
    }
    void ObojetneGotowe(const std::string& literowa, const std::string& dziesietna) override {
        Wyslij([p = p_, l = QString::fromStdString(literowa),
                d = QString::fromStdString(dziesietna)] { emit p->ObojetneGotowe(l, d); });
    }
    void ImplikantyGotowe(const std::string& proste) override {
        Wyslij([p = p_, t = QString::fromStdString(proste)] { emit p->ImplikantyGotowe(t); });
    }
    // The messages of a run travel in its result.
    void Komunikat(const std::string&) override {}
    void PrzetworzZdarzenia() override {
        if (p_->zadanoPrzerwania_.load(std::memory_order_relaxed))
            p_->flaga_.Ustaw();
    }

  private:
    template <class F> void Wyslij(F&& f) {
        QMetaObject::invokeMethod(p_, std::forward<F>(f), Qt::QueuedConnection);
    }

    PrzebiegMinimalizacji* p_;
    std::string ostatniEtap_;
};

PrzebiegMinimalizacji::PrzebiegMinimalizacji(QObject* parent) : QObject(parent) {
    qRegisterMetaType<vyn::WynikMinimalizacji>();
    zegarEtykiet_.setInterval(100);
    connect(&zegarEtykiet_, &QTimer::timeout, this, &PrzebiegMinimalizacji::DostarczEtykiety);
}

PrzebiegMinimalizacji::~PrzebiegMinimalizacji() {
    if (watek_) {
        Przerwij();
        watek_->wait();
        delete watek_;
    }
}

bool PrzebiegMinimalizacji::Uruchom(const vyn::ZadanieMinimalizacji& zadanie) {
    if (watek_)
        return false;
    zadanoPrzerwania_ = false;
    flaga_.Wyczysc();
    {
        QMutexLocker blokada(&mutexEtykiet_);
        zmienione_.fill(false);
        oszacowanieZmienione_ = false;
    }
    watek_ = QThread::create([this, zadanie] {
        Obserwator obserwator(this);
        vyn::WynikMinimalizacji wynik = vyn::Minimalizuj(zadanie, obserwator, flaga_);
        const bool niepelne = wynik.PostacieNiepelne;
        QMetaObject::invokeMethod(
            this, [this, wynik, niepelne] { Zakoncz(wynik, niepelne); }, Qt::QueuedConnection);
    });
    emit Rozpoczeto();
    zegarEtykiet_.start();
    watek_->start();
    return true;
}

void PrzebiegMinimalizacji::Przerwij() {
    if (!watek_)
        return;
    zadanoPrzerwania_ = true;
    flaga_.Ustaw();
}

void PrzebiegMinimalizacji::ZapiszEtykiete(int nr, const std::string& tekst) {
    if (nr < 2 || nr > 4)
        return;
    QMutexLocker blokada(&mutexEtykiet_);
    const auto i = static_cast<std::size_t>(nr - 2);
    etykiety_[i] = QString::fromStdString(tekst);
    zmienione_[i] = true;
}

void PrzebiegMinimalizacji::ZapiszOszacowanie(int koszt, int granica) {
    QMutexLocker blokada(&mutexEtykiet_);
    koszt_ = koszt;
    granica_ = granica;
    oszacowanieZmienione_ = true;
}

void PrzebiegMinimalizacji::DostarczEtykiety() {
    std::array<QString, 3> teksty;
    std::array<bool, 3> zmienione{};
    int koszt = 0;
    int granica = 0;
    bool oszacowanie = false;
    {
        QMutexLocker blokada(&mutexEtykiet_);
        teksty = etykiety_;
        zmienione = zmienione_;
        zmienione_.fill(false);
        koszt = koszt_;
        granica = granica_;
        oszacowanie = oszacowanieZmienione_;
        oszacowanieZmienione_ = false;
    }
    for (std::size_t i = 0; i < teksty.size(); ++i)
        if (zmienione[i])
            emit Etykieta(static_cast<int>(i) + 2, teksty[i]);
    if (oszacowanie)
        emit Oszacowanie(koszt, granica);
}

void PrzebiegMinimalizacji::Zakoncz(const vyn::WynikMinimalizacji& wynik, bool niepelne) {
    // The worker has posted its last event; it only has to return.
    watek_->wait();
    delete watek_;
    watek_ = nullptr;
    zegarEtykiet_.stop();
    DostarczEtykiety();
    niepelne_ = niepelne;
    emit Zakonczono(wynik);
}

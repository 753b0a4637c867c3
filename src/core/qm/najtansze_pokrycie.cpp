// Branch and bound for the cheapest cover, with the classic reductions at every node.
#include "qm/najtansze_pokrycie.h"

#include "qm/slowo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <span>

namespace vyn {

namespace {

using Slowo = std::uint64_t;
using Bity = std::vector<Slowo>;

bool Ma(const Bity& b, int i) {
    return b[static_cast<std::size_t>(i / 64)] >> (i % 64) & 1;
}
void Ustaw(Bity& b, int i) {
    b[static_cast<std::size_t>(i / 64)] |= Slowo{1} << (i % 64);
}
void Zdejmij(Bity& b, int i) {
    b[static_cast<std::size_t>(i / 64)] &= ~(Slowo{1} << (i % 64));
}
bool Pusty(const Bity& b) {
    return std::all_of(b.begin(), b.end(), [](Slowo s) { return s == 0; });
}
template <class B, class F> void DlaBitow(const B& b, F&& f) {
    for (std::size_t s = 0; s < b.size(); ++s)
        for (Slowo x = b[s]; x; x &= x - 1)
            f(static_cast<int>(s * 64) + __builtin_ctzll(x));
}

// For each column, the bit set of the rows that cover it, in one block of memory. Only the
// columns still to cover are filled in (the others are never read), and the block is reused
// from one round of reductions to the next.
class RzedyKolumn {
  public:
    RzedyKolumn(int kolumny, int slowa)
        : slowa_(static_cast<std::size_t>(slowa)),
          dane_(new Slowo[static_cast<std::size_t>(kolumny) * slowa_]) {}
    std::span<const Slowo> operator[](std::size_t c) const {
        return {dane_.get() + c * slowa_, slowa_};
    }
    void Wyzeruj(int c) {
        std::fill_n(dane_.get() + static_cast<std::size_t>(c) * slowa_, slowa_, 0);
    }
    void Ustaw(int c, int r) {
        dane_[static_cast<std::size_t>(c) * slowa_ + static_cast<std::size_t>(r / 64)] |=
            Slowo{1} << (r % 64);
    }

  private:
    std::size_t slowa_;
    std::unique_ptr<Slowo[]> dane_;
};

} // namespace

// The rows and costs of a covering problem, with the reductions and the lower bound that
// both the branch and bound and the ordered search use.
class UkladPokrycia {
  public:
    UkladPokrycia(const std::vector<Slowo>& wiersze, int kolumny, int slowa,
                  const std::vector<int>& koszt)
        : wiersze_(wiersze), c_(kolumny), w_(slowa), koszt_(koszt) {
        n_ = static_cast<int>(koszt.size());
        wr_ = (n_ + 63) / 64;
    }

  protected:
    const Slowo* Wiersz(int r) const {
        return wiersze_.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(w_);
    }
    int Koszt(int r) const { return koszt_[static_cast<std::size_t>(r)]; }
    int Nowe(int r, const Bity& wolne) const {
        const Slowo* w = Wiersz(r);
        int k = 0;
        for (int s = 0; s < w_; ++s)
            k += Jedynki(w[s] & wolne[static_cast<std::size_t>(s)]);
        return k;
    }
    void Pokryj(int r, Bity& wolne) const {
        const Slowo* w = Wiersz(r);
        for (int s = 0; s < w_; ++s)
            wolne[static_cast<std::size_t>(s)] &= ~w[s];
    }
    int PierwszaNowa(int r, const Bity& wolne) const {
        const Slowo* w = Wiersz(r);
        for (int s = 0; s < w_; ++s)
            if (Slowo x = w[s] & wolne[static_cast<std::size_t>(s)])
                return s * 64 + __builtin_ctzll(x);
        return -1;
    }
    // Whether row a's columns among `wolne` all belong to row b.
    bool Zawiera(int b, int a, const Bity& wolne) const {
        const Slowo* wa = Wiersz(a);
        const Slowo* wb = Wiersz(b);
        for (int s = 0; s < w_; ++s)
            if (wa[s] & wolne[static_cast<std::size_t>(s)] & ~wb[s])
                return false;
        return true;
    }

    // The rows of each column to cover, among the usable rows.
    // Blocks for the rows of each column, kept from call to call: the reductions use block 0,
    // the branch and bound one per level of its recursion (a level keeps its block while the
    // levels below it work).
    RzedyKolumn& Roboczy(std::size_t poziom) const {
        while (robocze_.size() <= poziom)
            robocze_.push_back(std::make_unique<RzedyKolumn>(c_, wr_));
        return *robocze_[poziom];
    }
    void WypelnijWierszeKolumn(const Bity& wolne, const Bity& dostepne, RzedyKolumn& wk) const {
        DlaBitow(wolne, [&](int c) { wk.Wyzeruj(c); });
        DlaBitow(dostepne, [&](int r) {
            const Slowo* w = Wiersz(r);
            for (int s = 0; s < w_; ++s)
                for (Slowo x = w[s] & wolne[static_cast<std::size_t>(s)]; x; x &= x - 1)
                    wk.Ustaw(s * 64 + __builtin_ctzll(x), r);
        });
    }

    // Forced rows, dominated rows and dominated columns, until nothing changes. False when
    // some column can no longer be covered.
    bool Redukuj(Bity& wolne, Bity& dostepne, int& koszt, std::vector<int>& wybrane) const {
        RzedyKolumn& wk = Roboczy(0);
        for (bool zmiana = true; zmiana;) {
            zmiana = false;
            DlaBitow(dostepne, [&](int r) {
                if (!Nowe(r, wolne))
                    Zdejmij(dostepne, r);
            });
            WypelnijWierszeKolumn(wolne, dostepne, wk);
            bool niemozliwe = false;
            int wymuszony = -1;
            DlaBitow(wolne, [&](int c) {
                int ile = 0;
                for (Slowo s : wk[static_cast<std::size_t>(c)])
                    ile += Jedynki(s);
                if (ile == 0)
                    niemozliwe = true;
                else if (ile == 1 && wymuszony < 0)
                    for (std::size_t s = 0; s < wk[static_cast<std::size_t>(c)].size(); ++s)
                        if (wk[static_cast<std::size_t>(c)][s])
                            wymuszony = static_cast<int>(s * 64) +
                                        __builtin_ctzll(wk[static_cast<std::size_t>(c)][s]);
            });
            if (niemozliwe)
                return false;
            if (wymuszony >= 0) {
                koszt += Koszt(wymuszony);
                wybrane.push_back(wymuszony);
                Pokryj(wymuszony, wolne);
                Zdejmij(dostepne, wymuszony);
                zmiana = true;
                continue;
            }
            // A row whose new columns another row also covers, at no more cost, is not needed.
            // Only rows through a's first new column can hold all of a's new columns.
            std::vector<int> rzedy;
            DlaBitow(dostepne, [&](int r) { rzedy.push_back(r); });
            for (int a : rzedy) {
                const int c = PierwszaNowa(a, wolne); // rows without new columns went above
                if (c < 0)
                    continue;
                bool usuniety = false;
                DlaBitow(wk[static_cast<std::size_t>(c)], [&](int b) {
                    if (usuniety || a == b || !Ma(dostepne, b) || Koszt(b) > Koszt(a) ||
                        !Zawiera(b, a, wolne))
                        return;
                    // Equal rows at equal cost: keep the first.
                    if (Koszt(b) == Koszt(a) && Zawiera(a, b, wolne) && b > a)
                        return;
                    Zdejmij(dostepne, a);
                    usuniety = zmiana = true;
                });
            }
            if (zmiana)
                continue;
            // A column whose rows all cover another column is covered with that one.
            // Such a column shares a row with u, so only the columns of u's rows are tried.
            std::vector<int> kolumny;
            DlaBitow(wolne, [&](int c) { kolumny.push_back(c); });
            Bity sasiednie(static_cast<std::size_t>(w_));
            for (int u : kolumny) {
                const auto ru = wk[static_cast<std::size_t>(u)];
                std::fill(sasiednie.begin(), sasiednie.end(), 0);
                DlaBitow(ru, [&](int r) {
                    const Slowo* w = Wiersz(r);
                    for (int s = 0; s < w_; ++s)
                        sasiednie[static_cast<std::size_t>(s)] |=
                            w[s] & wolne[static_cast<std::size_t>(s)];
                });
                bool usunieta = false;
                DlaBitow(sasiednie, [&](int v) {
                    if (usunieta || u == v || !Ma(wolne, v))
                        return;
                    const auto rv = wk[static_cast<std::size_t>(v)];
                    bool podzbior = true, rowne = true;
                    for (std::size_t s = 0; s < rv.size(); ++s) {
                        podzbior = podzbior && !(rv[s] & ~ru[s]);
                        rowne = rowne && rv[s] == ru[s];
                    }
                    if (!podzbior || (rowne && v > u))
                        return;
                    Zdejmij(wolne, u);
                    usunieta = zmiana = true;
                });
            }
        }
        return true;
    }

    // Lower bound on the cost still needed: the larger of the independent-columns bound and
    // the sum of the cheapest shares.
    double Granica(const Bity& wolne, const Bity& dostepne, const RzedyKolumn& wk) const {
        std::vector<int> nowe(static_cast<std::size_t>(n_), 0);
        DlaBitow(dostepne, [&](int r) { nowe[static_cast<std::size_t>(r)] = Nowe(r, wolne); });
        std::vector<std::pair<int, int>> porzadek;              // (rows, column)
        std::vector<double> y(static_cast<std::size_t>(c_), 0); // each column's cheapest share
        double udzialy = 0;
        DlaBitow(wolne, [&](int c) {
            int ile = 0;
            double udzial = std::numeric_limits<double>::max();
            DlaBitow(wk[static_cast<std::size_t>(c)], [&](int r) {
                ++ile;
                udzial = std::min(udzial, static_cast<double>(Koszt(r)) /
                                              nowe[static_cast<std::size_t>(r)]);
            });
            udzialy += udzial;
            y[static_cast<std::size_t>(c)] = udzial;
            porzadek.emplace_back(ile, c);
        });
        std::sort(porzadek.begin(), porzadek.end());

        // The shares are a feasible dual of the covering problem (no row pays more than its
        // cost); raising each column's share until one of its rows is paid in full keeps it
        // feasible and can only raise the bound.
        std::vector<double> luz(static_cast<std::size_t>(n_), 0);
        DlaBitow(dostepne, [&](int r) {
            const int k = nowe[static_cast<std::size_t>(r)];
            luz[static_cast<std::size_t>(r)] = k ? Koszt(r) : 0;
        });
        DlaBitow(dostepne, [&](int r) {
            const Slowo* w = Wiersz(r);
            for (int s = 0; s < w_; ++s)
                for (Slowo x = w[s] & wolne[static_cast<std::size_t>(s)]; x; x &= x - 1)
                    luz[static_cast<std::size_t>(r)] -=
                        y[static_cast<std::size_t>(s * 64 + __builtin_ctzll(x))];
        });
        double dualna = 0;
        for (const auto& [ile, c] : porzadek) {
            double podwyzka = std::numeric_limits<double>::max();
            DlaBitow(wk[static_cast<std::size_t>(c)], [&](int r) {
                podwyzka = std::min(podwyzka, luz[static_cast<std::size_t>(r)]);
            });
            podwyzka = std::max(podwyzka, 0.0);
            DlaBitow(wk[static_cast<std::size_t>(c)],
                     [&](int r) { luz[static_cast<std::size_t>(r)] -= podwyzka; });
            dualna += y[static_cast<std::size_t>(c)] + podwyzka;
        }
        udzialy = std::max(udzialy, dualna);

        Bity uzyte(static_cast<std::size_t>(wr_), 0);
        int niezalezne = 0;
        for (const auto& [ile, c] : porzadek) {
            const auto r = wk[static_cast<std::size_t>(c)];
            bool wspolny = false;
            for (std::size_t s = 0; s < r.size() && !wspolny; ++s)
                wspolny = (r[s] & uzyte[s]) != 0;
            if (wspolny)
                continue;
            int najtanszy = std::numeric_limits<int>::max();
            DlaBitow(r, [&](int w) { najtanszy = std::min(najtanszy, Koszt(w)); });
            niezalezne += najtanszy;
            for (std::size_t s = 0; s < r.size(); ++s)
                uzyte[s] |= r[s];
        }
        return std::max(udzialy, static_cast<double>(niezalezne));
    }

    const std::vector<Slowo>& wiersze_;
    int c_, w_, n_ = 0, wr_ = 0;
    const std::vector<int>& koszt_;
    mutable std::vector<std::unique_ptr<RzedyKolumn>> robocze_;
};

class Galezie : public UkladPokrycia {
  public:
    Galezie(const std::vector<Slowo>& wiersze, int kolumny, int slowa,
            const std::vector<int>& koszt, const std::function<bool()>& przerwac,
            long long maksWezlow)
        : UkladPokrycia(wiersze, kolumny, slowa, koszt), przerwac_(przerwac),
          maksWezlow_(maksWezlow) {}

    bool szukamIstnienia_ = false; // stop at the first cover within the cost
    std::function<void(const std::vector<int>&)> lepsze_;

    // Whether the columns of `wolne` can be covered with rows from `od` on at a cost of at
    // most `budzet`; also true when the branches allowed ran out before an answer.
    bool Istnieje(const Slowo* niepokryte, int od, int budzet) {
        Bity wolne(niepokryte, niepokryte + w_);
        Bity dostepne(static_cast<std::size_t>(wr_), 0);
        for (int r = od; r < n_; ++r)
            Ustaw(dostepne, r);
        wynik_ = NajtanszePokrycie{};
        wynik_.Koszt = budzet + 1;
        znaleziono_ = wyczerpano_ = przerwano_ = false;
        wezly_ = 0;
        std::vector<int> wybrane;
        Szukaj(std::move(wolne), std::move(dostepne), 0, wybrane);
        return znaleziono_ || wyczerpano_;
    }

    NajtanszePokrycie Uruchom() {
        Bity wolne(static_cast<std::size_t>(w_), 0);
        for (int c = 0; c < c_; ++c)
            Ustaw(wolne, c);
        Bity dostepne(static_cast<std::size_t>(wr_), 0);
        for (int r = 0; r < n_; ++r)
            Ustaw(dostepne, r);
        Zachlannie(wolne);
        std::vector<int> wybrane;
        Szukaj(std::move(wolne), std::move(dostepne), 0, wybrane);
        wynik_.Przerwano = przerwano_;
        // Searched to the end: the cover found is cheapest, or there is none.
        wynik_.Dokladny = !przerwano_ && !wyczerpano_;
        std::sort(wynik_.Wiersze.begin(), wynik_.Wiersze.end());
        return wynik_;
    }

  private:
    // A first cover, cheapest share first: the bound the search starts from.
    void Zachlannie(Bity wolne) {
        int koszt = 0;
        std::vector<int> wybrane;
        while (!Pusty(wolne)) {
            int najlepszy = -1;
            double udzial = std::numeric_limits<double>::max();
            for (int r = 0; r < n_; ++r) {
                const int k = Nowe(r, wolne);
                if (k && static_cast<double>(Koszt(r)) / k < udzial) {
                    udzial = static_cast<double>(Koszt(r)) / k;
                    najlepszy = r;
                }
            }
            if (najlepszy < 0)
                return; // some column has no row: no cover at all
            koszt += Koszt(najlepszy);
            wybrane.push_back(najlepszy);
            Pokryj(najlepszy, wolne);
        }
        wynik_.Koszt = koszt;
        wynik_.Wiersze = wybrane;
        if (lepsze_ && koszt > 0)
            lepsze_(wybrane);
    }

    void Szukaj(Bity wolne, Bity dostepne, int koszt, std::vector<int>& wybrane) {
        if (przerwano_ || wyczerpano_ || (znaleziono_ && szukamIstnienia_))
            return;
        if (przerwac_ && przerwac_()) {
            przerwano_ = true;
            return;
        }
        if (++wezly_ > maksWezlow_) {
            wyczerpano_ = true;
            return;
        }
        const std::size_t ileWybranych = wybrane.size();
        if (Redukuj(wolne, dostepne, koszt, wybrane)) {
            if (Pusty(wolne)) {
                if (wynik_.Koszt == 0 || koszt < wynik_.Koszt) {
                    wynik_.Koszt = koszt;
                    wynik_.Wiersze = wybrane;
                    znaleziono_ = true;
                    if (lepsze_)
                        lepsze_(wybrane);
                }
            } else if (wynik_.Koszt == 0 || koszt < wynik_.Koszt) {
                RzedyKolumn& wk = Roboczy(++poziom_);
                WypelnijWierszeKolumn(wolne, dostepne, wk);
                // Only a strictly cheaper cover is of interest; costs are whole numbers.
                if (wynik_.Koszt == 0 ||
                    koszt + Granica(wolne, dostepne, wk) <= wynik_.Koszt - 1 + 1e-6)
                    Rozgalez(wolne, dostepne, koszt, wybrane, wk);
                --poziom_;
            }
        }
        wybrane.resize(ileWybranych);
    }

    // Each row of the column with the fewest rows in turn, cheapest share first; the rows
    // already tried stay out of the later branches.
    void Rozgalez(const Bity& wolne, Bity dostepne, int koszt, std::vector<int>& wybrane,
                  const RzedyKolumn& wk) {
        int kolumna = -1, najmniej = std::numeric_limits<int>::max();
        DlaBitow(wolne, [&](int c) {
            int ile = 0;
            for (Slowo s : wk[static_cast<std::size_t>(c)])
                ile += Jedynki(s);
            if (ile < najmniej) {
                najmniej = ile;
                kolumna = c;
            }
        });
        std::vector<std::pair<double, int>> kandydaci;
        DlaBitow(wk[static_cast<std::size_t>(kolumna)], [&](int r) {
            kandydaci.emplace_back(static_cast<double>(Koszt(r)) / Nowe(r, wolne), r);
        });
        std::sort(kandydaci.begin(), kandydaci.end());
        for (const auto& [udzial, r] : kandydaci) {
            Bity dalej = wolne;
            Pokryj(r, dalej);
            Bity bez = dostepne;
            Zdejmij(bez, r);
            wybrane.push_back(r);
            Szukaj(std::move(dalej), std::move(bez), koszt + Koszt(r), wybrane);
            wybrane.pop_back();
            if (przerwano_ || wyczerpano_ || (znaleziono_ && szukamIstnienia_))
                return;
            Zdejmij(dostepne, r);
        }
    }

    const std::function<bool()>& przerwac_;
    NajtanszePokrycie wynik_;
    bool znaleziono_ = false;
    bool przerwano_ = false;
    long long maksWezlow_;
    long long wezly_ = 0;
    bool wyczerpano_ = false;
    std::size_t poziom_ = 0; // recursion level: block 0 belongs to the reductions
};

OszacowaniePokrycia::OszacowaniePokrycia(const std::vector<std::uint64_t>& wiersze, int kolumny,
                                         int slowa, const std::vector<int>& koszt,
                                         long long maksWezlow)
    : galezie_(std::make_unique<Galezie>(wiersze, kolumny, slowa, koszt, brak_, maksWezlow)) {
    galezie_->szukamIstnienia_ = true;
}

OszacowaniePokrycia::~OszacowaniePokrycia() = default;

bool OszacowaniePokrycia::Mozliwe(const std::uint64_t* niepokryte, int od, int budzet) {
    return galezie_->Istnieje(niepokryte, od, budzet);
}

NajtanszePokrycie
ZnajdzNajtanszePokrycie(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
                        const std::vector<int>& koszt, const std::function<bool()>& przerwac,
                        long long maksWezlow,
                        const std::function<void(const std::vector<int>&)>& lepsze) {
    if (koszt.empty())
        return {};
    Galezie g(wiersze, kolumny, slowa, koszt, przerwac, maksWezlow);
    g.lepsze_ = lepsze;
    return g.Uruchom();
}

} // namespace vyn

// Branch and bound for the cheapest cover on the linear relaxation, after the classic reductions.
#include "qm/najtansze_pokrycie.h"

#include "qm/pokrycie_lp.h"
#include "qm/pompa_pokrycia.h"
#include "qm/slowo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
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

// A greedy cover: `pierwsze`, then the allowed row of the best score while columns remain; the
// score is the value in `wartosci` (when given) first, then new columns per unit of cost.
// Scores only fall as columns get covered, so a row taken from the heap whose fresh score
// still beats the next one is the best (empty: some column has no allowed row).
template <class Kolumny, class Dozwolony>
std::vector<int> Zachlanne(int n, int kolumny, const std::vector<int>& koszt,
                           Kolumny&& kolumnyWiersza, Dozwolony&& dozwolony,
                           const std::vector<double>* wartosci, std::vector<int> wybrane) {
    std::vector<char> pokryta(static_cast<std::size_t>(kolumny), 0);
    int pozostalo = kolumny;
    auto dodaj = [&](int r) {
        kolumnyWiersza(r, [&](int c) {
            if (!pokryta[static_cast<std::size_t>(c)]) {
                pokryta[static_cast<std::size_t>(c)] = 1;
                --pozostalo;
            }
        });
    };
    for (int r : wybrane)
        dodaj(r);
    auto ocena = [&](int r) {
        int k = 0;
        kolumnyWiersza(r, [&](int c) { k += !pokryta[static_cast<std::size_t>(c)]; });
        if (k == 0)
            return -1.0;
        return (wartosci ? (*wartosci)[static_cast<std::size_t>(r)] * 1e6 : 0.0) +
               static_cast<double>(k) / koszt[static_cast<std::size_t>(r)];
    };
    std::vector<std::pair<double, int>> kopiec;
    for (int r = 0; r < n; ++r)
        if (dozwolony(r))
            if (const double o = ocena(r); o >= 0)
                kopiec.emplace_back(o, -r);
    std::make_heap(kopiec.begin(), kopiec.end());
    while (pozostalo > 0) {
        if (kopiec.empty())
            return {};
        std::pop_heap(kopiec.begin(), kopiec.end());
        const int r = -kopiec.back().second;
        kopiec.pop_back();
        const double o = ocena(r);
        if (o < 0)
            continue;
        if (!kopiec.empty() && o < kopiec.front().first) {
            kopiec.emplace_back(o, -r);
            std::push_heap(kopiec.begin(), kopiec.end());
            continue;
        }
        wybrane.push_back(r);
        dodaj(r);
    }
    return wybrane;
}

} // namespace

// The rows and costs of a covering problem, with the reductions done before the branch and
// bound.
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

    // The rows of each column to cover, among the usable rows: one block, reused from one
    // round of reductions to the next.
    RzedyKolumn& Roboczy() const {
        if (!roboczy_)
            roboczy_ = std::make_unique<RzedyKolumn>(c_, wr_);
        return *roboczy_;
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

    // Forced rows, dominated rows and dominated columns, until nothing changes (or `przerwac`
    // answers true: what was done so far stands). False when some column can no longer be
    // covered.
    bool Redukuj(Bity& wolne, Bity& dostepne, int& koszt, std::vector<int>& wybrane,
                 const std::function<bool()>& przerwac, bool& przerwano) const {
        RzedyKolumn& wk = Roboczy();
        auto stop = [&] { return przerwano = przerwano || (przerwac && przerwac()); };
        for (bool zmiana = true; zmiana && !stop();) {
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
            for (std::size_t i = 0; i < rzedy.size(); ++i) {
                const int a = rzedy[i];
                if (i % 64 == 63 && stop())
                    return true;
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
            for (std::size_t i = 0; i < kolumny.size(); ++i) {
                const int u = kolumny[i];
                if (i % 64 == 63 && stop())
                    return true;
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

    const std::vector<Slowo>& wiersze_;
    int c_, w_, n_ = 0, wr_ = 0;
    const std::vector<int>& koszt_;
    mutable std::unique_ptr<RzedyKolumn> roboczy_;
};

// Branch and bound on the linear relaxation. The root is reduced once (forced rows, row and
// column dominance); the rows and columns left make the model. Each node solves the
// relaxation from the basis its parent left, cuts when the relaxation (rounded up: costs
// are whole numbers) reaches the best cover known, fixes out the rows whose reduced cost
// alone would reach it, and branches on the fractional row whose children are expected to
// gain the most (pseudo-costs learnt from the children solved so far). Open nodes are
// taken least bound first, diving into the "row in" child while its bound stays near the
// least. Every eighth node rounds its relaxation to a cover; the root and every 64th node
// dive for one; the root and every 100th node search the best cover's neighbourhood.
class GaleziePl : public UkladPokrycia {
  public:
    GaleziePl(const std::vector<Slowo>& wiersze, int kolumny, int slowa,
              const std::vector<int>& koszt, const std::function<bool()>& przerwac,
              const PostepPokrycia& postep, int odciecie, const std::vector<unsigned char>& baza,
              ZyskiGalezi* zyski, bool doKonca = false)
        : UkladPokrycia(wiersze, kolumny, slowa, koszt), przerwac_(przerwac), postep_(postep),
          odciecie_(odciecie), doKonca_(doKonca), bazaPoczatkowa_(baza), zyski_(zyski) {}

    NajtanszePokrycie Uruchom() {
        NajtanszePokrycie wynik;
        Bity wolne(static_cast<std::size_t>(w_), 0);
        for (int c = 0; c < c_; ++c)
            Ustaw(wolne, c);
        Bity dostepne(static_cast<std::size_t>(wr_), 0);
        for (int r = 0; r < n_; ++r)
            Ustaw(dostepne, r);
        // A first cover at once, before the reductions.
        std::vector<int> pierwsze = Zachlanne(
            n_, c_, koszt_, [&](int r, auto&& f) { DlaBitow(std::span(Wiersz(r), w_), f); },
            [](int) { return true; }, nullptr, {});
        if (c_ > 0 && pierwsze.empty()) {
            wynik.Dokladny = true; // some column has no row: there is no cover
            return wynik;
        }
        najlepszy_ = 0;
        for (int r : pierwsze)
            najlepszy_ += Koszt(r);
        najlepsze_ = pierwsze;
        std::sort(najlepsze_.begin(), najlepsze_.end());
        if (odciecie_ > 0 && najlepszy_ >= odciecie_) {
            // Not wanted: the cut-off stands in for it, so only cheaper covers are kept.
            najlepszy_ = odciecie_;
            najlepsze_.clear();
        }
        if (postep_)
            postep_(najlepsze_, najlepszy_, 0);

        // The greedy cover exists, so the reductions always leave a coverable model.
        const bool mozliwe = Redukuj(wolne, dostepne, kosztStaly_, stale_, przerwac_, przerwano_);
        if (mozliwe && !przerwano_) {
            Zbuduj(wolne, dostepne);
            std::vector<int> zachlanne = Zachlannie({}, {});
            Popraw(zachlanne);
            Nowe(zachlanne);
        }
        if (mozliwe && cl_ > 0 && !przerwano_ && !Znaleziony()) {
            lp_ = std::make_unique<LpPokrycia>(wierszeLp_, cl_, wl_, kosztLp_, przerwac_);
            if (bazaPoczatkowa_.size() == static_cast<std::size_t>(n_ + c_))
                lp_->Zacznij(BazaModelu());
            zyskiLp_ = zyski_ ? zyski_->Wybierz(oryginal_) : ZyskiGalezi{}.Wybierz(oryginal_);
            Szukaj();
            if (zyski_)
                zyski_->Przyjmij(zyskiLp_, oryginal_);
        }
        wynik.Przerwano = przerwano_;
        wynik.Dokladny = !przerwano_;
        if (odciecie_ > 0) {
            wynik.Koszt = najlepsze_.empty() ? 0 : najlepszy_;
            wynik.Wiersze = najlepsze_;
            return wynik;
        }
        if (wynik.Dokladny && najlepszy_ > 0)
            PodniesGranice(najlepszy_);
        wynik.Koszt = najlepszy_;
        wynik.Granica = granica_;
        wynik.Wiersze = najlepsze_;
        return wynik;
    }

  private:
    // The model: the rows and columns left after the root reductions, renumbered.
    void Zbuduj(const Bity& wolne, const Bity& dostepne) {
        std::vector<int> numer(static_cast<std::size_t>(c_), -1);
        DlaBitow(wolne, [&](int c) {
            numer[static_cast<std::size_t>(c)] = cl_++;
            kolumnaOryginalna_.push_back(c);
        });
        wl_ = (cl_ + 63) / 64;
        DlaBitow(dostepne, [&](int r) {
            Bity w(static_cast<std::size_t>(wl_), 0);
            const Slowo* wr = Wiersz(r);
            for (int s = 0; s < w_; ++s)
                for (Slowo x = wr[s] & wolne[static_cast<std::size_t>(s)]; x; x &= x - 1)
                    Ustaw(w, numer[static_cast<std::size_t>(s * 64 + __builtin_ctzll(x))]);
            wierszeLp_.insert(wierszeLp_.end(), w.begin(), w.end());
            oryginal_.push_back(r);
            kosztLp_.push_back(Koszt(r));
        });
        nl_ = static_cast<int>(oryginal_.size());
        poczatek_.assign(static_cast<std::size_t>(cl_) + 1, 0);
        for (int j = 0; j < nl_; ++j)
            DlaBitowLp(j, [&](int c) { ++poczatek_[static_cast<std::size_t>(c) + 1]; });
        for (int c = 0; c < cl_; ++c)
            poczatek_[static_cast<std::size_t>(c) + 1] += poczatek_[static_cast<std::size_t>(c)];
        rzedy_.resize(poczatek_.back());
        std::vector<int> wstaw(poczatek_.begin(), poczatek_.end() - 1);
        for (int j = 0; j < nl_; ++j)
            DlaBitowLp(j, [&](int c) {
                rzedy_[static_cast<std::size_t>(wstaw[static_cast<std::size_t>(c)]++)] = j;
            });
    }
    // The given basis, for the model's rows and columns.
    std::vector<unsigned char> BazaModelu() const {
        std::vector<unsigned char> baza;
        for (int r : oryginal_)
            baza.push_back(bazaPoczatkowa_[static_cast<std::size_t>(r)]);
        for (int c : kolumnaOryginalna_)
            baza.push_back(bazaPoczatkowa_[static_cast<std::size_t>(n_ + c)]);
        return baza;
    }
    template <class F> void DlaBitowLp(int j, F&& f) const {
        const Slowo* w =
            wierszeLp_.data() + static_cast<std::size_t>(j) * static_cast<std::size_t>(wl_);
        for (int s = 0; s < wl_; ++s)
            for (Slowo x = w[s]; x; x &= x - 1)
                f(s * 64 + __builtin_ctzll(x));
    }

    // A cover of the model's columns: `pierwsze` first, then, while columns remain, the row
    // of the highest value in `wartosci` (when given) or of the cheapest share.
    std::vector<int> Zachlannie(const std::vector<int>& pierwsze,
                                const std::vector<double>& wartosci) {
        return Zachlanne(
            nl_, cl_, kosztLp_, [&](int j, auto&& f) { DlaBitowLp(j, f); },
            [&](int j) { return !lp_ || lp_->Stan(j) != LpPokrycia::Wiersz::Wylaczony; },
            wartosci.empty() ? nullptr : &wartosci, pierwsze);
    }

    // Drops each row whose columns the others cover, or swaps it for a cheaper one that covers
    // every column only it covered, dearest rows first, sweeping until neither helps.
    void Popraw(std::vector<int>& wybrane) {
        std::vector<int> licznik(static_cast<std::size_t>(cl_), 0);
        for (int j : wybrane)
            DlaBitowLp(j, [&](int c) { ++licznik[static_cast<std::size_t>(c)]; });
        std::vector<char> jest(static_cast<std::size_t>(nl_), 0);
        for (int j : wybrane)
            jest[static_cast<std::size_t>(j)] = 1;
        for (bool zmiana = true; zmiana && !(przerwac_ && przerwac_());) {
            zmiana = false;
            std::sort(wybrane.begin(), wybrane.end(), [&](int a, int b) {
                return kosztLp_[static_cast<std::size_t>(a)] >
                       kosztLp_[static_cast<std::size_t>(b)];
            });
            for (std::size_t i = 0; i < wybrane.size(); ++i) {
                const int j = wybrane[i];
                std::vector<int> jedyne;
                DlaBitowLp(j, [&](int c) {
                    if (licznik[static_cast<std::size_t>(c)] == 1)
                        jedyne.push_back(c);
                });
                int zamiana = -1;
                if (!jedyne.empty()) {
                    // The cheapest row through the first such column holding them all.
                    const int c0 = jedyne.front();
                    for (int k = poczatek_[static_cast<std::size_t>(c0)];
                         k < poczatek_[static_cast<std::size_t>(c0) + 1]; ++k) {
                        const int s = rzedy_[static_cast<std::size_t>(k)];
                        if (jest[static_cast<std::size_t>(s)] ||
                            kosztLp_[static_cast<std::size_t>(s)] >=
                                kosztLp_[static_cast<std::size_t>(j)] ||
                            (zamiana >= 0 && kosztLp_[static_cast<std::size_t>(s)] >=
                                                 kosztLp_[static_cast<std::size_t>(zamiana)]) ||
                            (lp_ && lp_->Stan(s) == LpPokrycia::Wiersz::Wylaczony))
                            continue;
                        const Slowo* ws = wierszeLp_.data() + static_cast<std::size_t>(s) *
                                                                  static_cast<std::size_t>(wl_);
                        if (std::all_of(jedyne.begin(), jedyne.end(),
                                        [&](int c) { return ws[c / 64] >> (c % 64) & 1; }))
                            zamiana = s;
                    }
                    if (zamiana < 0)
                        continue;
                }
                DlaBitowLp(j, [&](int c) { --licznik[static_cast<std::size_t>(c)]; });
                jest[static_cast<std::size_t>(j)] = 0;
                if (zamiana >= 0) {
                    DlaBitowLp(zamiana, [&](int c) { ++licznik[static_cast<std::size_t>(c)]; });
                    jest[static_cast<std::size_t>(zamiana)] = 1;
                    wybrane[i] = zamiana;
                } else {
                    wybrane[i] = -1;
                }
                zmiana = true;
            }
            std::erase(wybrane, -1);
        }
    }

    // A cover of the model (rows by model number) met: kept when cheaper.
    void Nowe(const std::vector<int>& wybrane) {
        int koszt = kosztStaly_;
        for (int j : wybrane)
            koszt += kosztLp_[static_cast<std::size_t>(j)];
        if (najlepszy_ > 0 && koszt >= najlepszy_)
            return;
        najlepszy_ = koszt;
        wezlyPoprawy_ = wezly_;
        najlepszeLp_ = wybrane;
        najlepsze_ = stale_;
        for (int j : wybrane)
            najlepsze_.push_back(oryginal_[static_cast<std::size_t>(j)]);
        std::sort(najlepsze_.begin(), najlepsze_.end());
        if (postep_)
            postep_(najlepsze_, najlepszy_, std::min(granica_, najlepszy_));
    }

    // A cover below the cut-off ends the search.
    bool Znaleziony() const { return odciecie_ > 0 && !doKonca_ && najlepszy_ < odciecie_; }
    // Whether to search as for the least cost (dives, trials of rows), not for a first cover.
    bool Pelne() const { return odciecie_ == 0 || doKonca_; }

    void PodniesGranice(int g) {
        if (najlepszy_ > 0)
            g = std::min(g, najlepszy_);
        if (g <= granica_)
            return;
        granica_ = g;
        if (postep_)
            postep_(najlepsze_, najlepszy_, granica_);
    }

    static double Ocena(double v) { return 0.5 - std::abs(v - 0.5); }
    static bool Ulamkowa(double v) { return v > 1e-6 && v < 1 - 1e-6; }

    // The rows a node fixes: its own, then those of the nodes above it.
    struct Ustalenia {
        std::shared_ptr<const Ustalenia> rodzic;
        std::vector<std::pair<int, LpPokrycia::Wiersz>> wlasne;
    };
    // A node still to search: the least bound its parent proved, its fixed rows and the basis
    // its parent's relaxation ended with (shared with its sibling).
    struct Otwarty {
        int dolna = 0;
        long long nr = 0;
        std::shared_ptr<const Ustalenia> ustalenia;
        std::shared_ptr<const std::vector<unsigned char>> baza;
        // The row its parent branched on (-1: none), which way, its value in the parent's
        // relaxation and that relaxation's value: to learn what branching on the row gains.
        int galaz = -1;
        bool wlaczony = false;
        double ulamek = 0, wartoscRodzica = 0;
    };
    // Least bound first (the fewest nodes a proof needs); among equal bounds the newest.
    struct Pozniej {
        bool operator()(const Otwarty& a, const Otwarty& b) const {
            return a.dolna != b.dolna ? a.dolna > b.dolna : a.nr < b.nr;
        }
    };

    // Sets the model's rows to the node's fixings (all others free).
    void Wejdz(const Otwarty& w) {
        for (int j : ustawione_)
            lp_->Ustaw(j, LpPokrycia::Wiersz::Wolny);
        ustawione_.clear();
        for (const Ustalenia* u = w.ustalenia.get(); u; u = u->rodzic.get())
            for (const auto& [j, stan] : u->wlasne) {
                lp_->Ustaw(j, stan);
                ustawione_.push_back(j);
            }
        if (w.baza && w.baza.get() != ostatniaBaza_)
            lp_->Przywroc(*w.baza);
    }

    // Whether to go on down from the node just made rather than back to the least bound: while
    // its bound is within half the gap (at least a few units) of the least. Dives find the
    // cheaper covers that cut the rest of the tree.
    bool Zanurz(const Otwarty& dziecko, const Otwarty& najmniejszy) const {
        const int luz = std::max(10, (najlepszy_ - najmniejszy.dolna) / 2);
        return dziecko.dolna <= najmniejszy.dolna + luz;
    }

    // Open nodes beyond this many keep no basis, so a long search stays within memory.
    static constexpr std::size_t MaksBaz = 100000;
    // The neighbourhood of the best cover is searched at the root and every this many nodes,
    // each time within this many polls of the stop (the solver polls every four iterations).
    static constexpr long long OdstepSasiedztwa = 100;
    static constexpr long long OdpytaniaSasiedztwa = 5000;

    // The open nodes, least bound first. Every cover cheaper than the best known lies under
    // one of them, so the least of their bounds is proven whenever a node is taken.
    void Szukaj() {
        std::vector<Otwarty> otwarte;
        std::optional<Otwarty> nastepny = Otwarty{kosztStaly_, 0, nullptr, nullptr};
        long long licznik = 0;
        auto wstaw = [&](Otwarty w) {
            if (otwarte.size() >= MaksBaz)
                w.baza.reset(); // solved from whatever basis the model has then
            otwarte.push_back(std::move(w));
            std::push_heap(otwarte.begin(), otwarte.end(), Pozniej{});
        };
        while ((nastepny || !otwarte.empty()) && !przerwano_ && !Znaleziony()) {
            Otwarty w;
            if (nastepny && (otwarte.empty() || Zanurz(*nastepny, otwarte.front()))) {
                if (!otwarte.empty())
                    PodniesGranice(std::min(nastepny->dolna, otwarte.front().dolna));
                w = std::move(*nastepny);
            } else {
                if (nastepny)
                    wstaw(std::move(*nastepny));
                PodniesGranice(otwarte.front().dolna);
                std::pop_heap(otwarte.begin(), otwarte.end(), Pozniej{});
                w = std::move(otwarte.back());
                otwarte.pop_back();
            }
            nastepny.reset();
            if (najlepszy_ > 0 && w.dolna >= najlepszy_)
                continue;
            Wejdz(w);
            Wezel(w, [&](Otwarty dziecko) {
                dziecko.nr = ++licznik;
                if (nastepny)
                    wstaw(std::move(*nastepny));
                nastepny = std::move(dziecko);
            });
        }
    }

    // Solves one node's relaxation; unless it is cut, fixes rows by reduced cost and hands
    // its two children to `dodaj`: the chosen row out, then in (the one to dive into).
    template <class Dodaj> void Wezel(const Otwarty& wezel, Dodaj&& dodaj) {
        ostatniaBaza_ = nullptr;
        const LpPokrycia::Wynik w = lp_->Rozwiaz();
        if (w == LpPokrycia::Wynik::Przerwane) {
            przerwano_ = true;
            return;
        }
        if (w == LpPokrycia::Wynik::Niemozliwe)
            return;
        const bool optimum = w == LpPokrycia::Wynik::Optimum;
        const double wartosc = optimum ? lp_->Wartosc() + kosztStaly_ : wezel.dolna;
        const int dolna = std::max(wezel.dolna, CalaGranica(wartosc));
        if (optimum && wezel.galaz >= 0)
            Ucz(wezel.galaz, wezel.wlaczony, wezel.ulamek, wartosc - wezel.wartoscRodzica);
        if (!wezel.ustalenia)
            PodniesGranice(dolna);
        if (najlepszy_ > 0 && dolna >= najlepszy_)
            return;
        ++wezly_;

        const std::vector<double> x = Punkt(optimum);
        int galaz = -1;
        double najwieksza = -1;
        for (int j = 0; j < nl_; ++j) {
            const double v = x[static_cast<std::size_t>(j)];
            if (lp_->Stan(j) == LpPokrycia::Wiersz::Wolny && Ulamkowa(v) && Ocena(v) > najwieksza) {
                najwieksza = Ocena(v);
                galaz = j;
            }
        }
        // A whole solution: its rows with value 1 make a cover (or rounding finds one).
        if (galaz < 0 || wezly_ % 8 == 1) {
            Zaokraglij(x);
            if (galaz < 0 || (najlepszy_ > 0 && dolna >= najlepszy_))
                return;
        }

        // Rows fixed out (or in) by their reduced cost hold for both children.
        auto wspolne = std::make_shared<Ustalenia>();
        wspolne->rodzic = wezel.ustalenia;
        if (optimum && najlepszy_ > 0) {
            const double* d = lp_->KosztyZredukowane();
            for (int j = 0; j < nl_; ++j) {
                if (lp_->Stan(j) != LpPokrycia::Wiersz::Wolny)
                    continue;
                const double v = x[static_cast<std::size_t>(j)];
                if (v < 1e-9 && wartosc + d[j] > najlepszy_ - 1 + TolerancjaLp)
                    wspolne->wlasne.emplace_back(j, LpPokrycia::Wiersz::Wylaczony);
                else if (v > 1 - 1e-9 && wartosc - d[j] > najlepszy_ - 1 + TolerancjaLp)
                    wspolne->wlasne.emplace_back(j, LpPokrycia::Wiersz::Wlaczony);
            }
        }
        auto baza = std::make_shared<const std::vector<unsigned char>>(lp_->Baza());
        // A root point in a wide face of points of its value is where the dive below fixes
        // rows blindly, and slowly. The pump walks to a whole point there instead.
        if (optimum && odciecie_ == 0 && !wezel.ustalenia && dolna < najlepszy_ &&
            SzerokaSciana(x, wartosc)) {
            Pompuj(x);
            if (przerwano_)
                return;
        }
        if (!wezel.ustalenia)
            korzen_ = x;
        // On the largest problems the dives and neighbourhoods stall far above the least cost:
        // once no cheaper cover has come for a while, the pump runs from the root point, with
        // the best cover's cost as its bound.
        if (optimum && odciecie_ == 0 && wezel.ustalenia && !korzen_.empty() &&
            dolna < najlepszy_ && wezly_ - wezlyPoprawy_ >= zastojPompy_) {
            zastojPompy_ *= 2;
            Pompuj(korzen_);
            if (przerwano_)
                return;
        }
        // A search for a cover below a cut-off mostly ends in showing there is none, where a
        // dive is wasted.
        if (optimum && Pelne() && dolna < najlepszy_ && (!wezel.ustalenia || wezly_ % 64 == 0)) {
            Nurkuj(x, *baza);
            if (przerwano_)
                return;
        }
        if (optimum && odciecie_ == 0 && !najlepszeLp_.empty() && dolna < najlepszy_ &&
            (!wezel.ustalenia || wezly_ % OdstepSasiedztwa == 0)) {
            Sasiedztwo(x);
            if (przerwano_)
                return;
        }
        if (optimum)
            galaz = Wybierz(x, wartosc - kosztStaly_, Pelne() && nl_ <= MaksWierszyProb);
        ostatniaBaza_ = baza.get();
        std::shared_ptr<const Ustalenia> wspolneC =
            wspolne->wlasne.empty() ? wezel.ustalenia : std::move(wspolne);
        const double f = x[static_cast<std::size_t>(galaz)];
        for (auto stan : {LpPokrycia::Wiersz::Wylaczony, LpPokrycia::Wiersz::Wlaczony}) {
            auto u = std::make_shared<Ustalenia>();
            u->rodzic = wspolneC;
            u->wlasne.emplace_back(galaz, stan);
            dodaj(Otwarty{dolna, 0, std::move(u), baza, galaz, stan == LpPokrycia::Wiersz::Wlaczony,
                          f, wartosc});
        }
    }

    // A cover by diving: the fractional rows of the highest values are set in and the
    // relaxation solved again, until it is whole or can no longer beat the best cover. A
    // cover near the least found early lets the reduced costs fix many more rows.
    void Nurkuj(std::vector<double> x, const std::vector<unsigned char>& baza) {
        std::vector<int> ustalone;
        for (;;) {
            std::vector<std::pair<double, int>> ulamkowe;
            for (int j = 0; j < nl_; ++j) {
                const double v = x[static_cast<std::size_t>(j)];
                if (lp_->Stan(j) == LpPokrycia::Wiersz::Wolny && Ulamkowa(v))
                    ulamkowe.emplace_back(v, j);
            }
            if (ulamkowe.empty())
                break;
            const std::size_t ile = std::max<std::size_t>(1, ulamkowe.size() / 10);
            std::partial_sort(ulamkowe.begin(), ulamkowe.begin() + static_cast<std::ptrdiff_t>(ile),
                              ulamkowe.end(), std::greater<>());
            for (std::size_t i = 0; i < ile; ++i) {
                lp_->Ustaw(ulamkowe[i].second, LpPokrycia::Wiersz::Wlaczony);
                ustalone.push_back(ulamkowe[i].second);
            }
            const LpPokrycia::Wynik w = lp_->Rozwiaz();
            if (w == LpPokrycia::Wynik::Przerwane)
                przerwano_ = true;
            if (w != LpPokrycia::Wynik::Optimum ||
                (najlepszy_ > 0 && CalaGranica(lp_->Wartosc() + kosztStaly_) >= najlepszy_))
                break;
            x = Punkt(true);
        }
        for (int j : ustalone)
            lp_->Ustaw(j, LpPokrycia::Wiersz::Wolny);
        lp_->Przywroc(baza);
        if (!przerwano_)
            Zaokraglij(x);
    }

    // Whether a relaxation point of value `wartosc` lies in a wide face of points of that
    // value (see Wezel): it is spread thin (its fractional rows together cost more than
    // RozproszeniePompy times its value, so each holds a small share), or, as a vertex, most
    // of the rows left at 0 price out at nothing (a dual degenerate relaxation, as symmetric
    // functions give: more than UdzialZerowych of the rows).
    static constexpr double RozproszeniePompy = 4.0;
    static constexpr double UdzialZerowych = 0.5;
    bool SzerokaSciana(const std::vector<double>& x, double wartosc) const {
        const double* d = lp_->KosztyZredukowane();
        double ulamkowe = 0;
        int zerowe = 0;
        for (int j = 0; j < nl_; ++j) {
            const double v = x[static_cast<std::size_t>(j)];
            if (Ulamkowa(v))
                ulamkowe += kosztLp_[static_cast<std::size_t>(j)];
            else if (v < 1e-9 && std::abs(d[j]) < TolerancjaLp)
                ++zerowe;
        }
        return ulamkowe > RozproszeniePompy * (wartosc - kosztStaly_) ||
               zerowe > UdzialZerowych * nl_;
    }

    // Covers from the feasibility pump (see pompa_pokrycia.h), within this many rounds.
    static constexpr int KrokiPompy = 30;
    void Pompuj(const std::vector<double>& x) {
        PompaPokrycia pompa(wierszeLp_, cl_, wl_, kosztLp_, przerwac_);
        przerwano_ = pompa.Pompuj(
            x, KrokiPompy, [&](const std::vector<char>& z, const std::vector<double>& punkt) {
                std::vector<int> pierwsze;
                for (int j = 0; j < nl_; ++j)
                    if (z[static_cast<std::size_t>(j)])
                        pierwsze.push_back(j);
                std::vector<int> pokrycie = Zachlannie(pierwsze, punkt);
                if (!pokrycie.empty()) {
                    Popraw(pokrycie);
                    Nowe(pokrycie);
                }
                return najlepszy_ - kosztStaly_;
            });
    }

    // A cheaper cover near the best one: the rows on which it and the relaxation point agree
    // (in both, or out of both) are fixed, and the problem left, much smaller, is searched for
    // its cheapest cover below the best, within a budget of solver polls.
    void Sasiedztwo(const std::vector<double>& x) {
        std::vector<char> wNajlepszym(static_cast<std::size_t>(nl_), 0);
        for (int j : najlepszeLp_)
            wNajlepszym[static_cast<std::size_t>(j)] = 1;
        Bity wolne(static_cast<std::size_t>(wl_), 0);
        for (int c = 0; c < cl_; ++c)
            Ustaw(wolne, c);
        std::vector<int> wlaczone, swobodne;
        int koszt = kosztStaly_;
        for (int j = 0; j < nl_; ++j) {
            const double v = x[static_cast<std::size_t>(j)];
            if (wNajlepszym[static_cast<std::size_t>(j)] && v > 1 - 1e-6) {
                wlaczone.push_back(j);
                koszt += kosztLp_[static_cast<std::size_t>(j)];
                const Slowo* w = wierszeLp_.data() + static_cast<std::size_t>(j) * wl_;
                for (int s = 0; s < wl_; ++s)
                    wolne[static_cast<std::size_t>(s)] &= ~w[s];
            } else if (wNajlepszym[static_cast<std::size_t>(j)] || v > 1e-6) {
                swobodne.push_back(j);
            }
        }
        if (swobodne.size() * 2 > static_cast<std::size_t>(nl_))
            return; // too little fixed to be quick
        std::vector<int> numer(static_cast<std::size_t>(cl_), -1);
        int kolumny = 0;
        DlaBitow(wolne, [&](int c) { numer[static_cast<std::size_t>(c)] = kolumny++; });
        const int slowa = (kolumny + 63) / 64;
        std::vector<Slowo> wiersze;
        std::vector<int> kosztSwobodnych, ktore;
        for (int j : swobodne) {
            Bity w(static_cast<std::size_t>(slowa), 0);
            bool puste = true;
            const Slowo* wj = wierszeLp_.data() + static_cast<std::size_t>(j) * wl_;
            for (int s = 0; s < wl_; ++s)
                for (Slowo b = wj[s] & wolne[static_cast<std::size_t>(s)]; b; b &= b - 1) {
                    Ustaw(w, numer[static_cast<std::size_t>(s * 64 + __builtin_ctzll(b))]);
                    puste = false;
                }
            if (puste)
                continue;
            wiersze.insert(wiersze.end(), w.begin(), w.end());
            kosztSwobodnych.push_back(kosztLp_[static_cast<std::size_t>(j)]);
            ktore.push_back(j);
        }
        const int odciecie = najlepszy_ - koszt;
        if (kolumny == 0 || odciecie <= 0)
            return;
        long long odpytania = 0;
        const std::function<bool()> przerwac = [&] {
            return ++odpytania > OdpytaniaSasiedztwa || (przerwac_ && przerwac_());
        };
        const PostepPokrycia bezPostepu;
        const std::vector<unsigned char> bezBazy;
        GaleziePl pod(wiersze, kolumny, slowa, kosztSwobodnych, przerwac, bezPostepu, odciecie,
                      bezBazy, nullptr, true);
        const NajtanszePokrycie p = pod.Uruchom();
        if (p.Wiersze.empty())
            return;
        for (int r : p.Wiersze)
            wlaczone.push_back(ktore[static_cast<std::size_t>(r)]);
        Popraw(wlaczone);
        Nowe(wlaczone);
    }

    // Each row's value in the relaxation just solved, fixed rows at their bound (without an
    // optimum, free rows at one half).
    std::vector<double> Punkt(bool optimum) const {
        std::vector<double> x(static_cast<std::size_t>(nl_));
        for (int j = 0; j < nl_; ++j) {
            const auto stan = lp_->Stan(j);
            x[static_cast<std::size_t>(j)] = stan == LpPokrycia::Wiersz::Wlaczony    ? 1.0
                                             : stan == LpPokrycia::Wiersz::Wylaczony ? 0.0
                                             : optimum ? lp_->Wartosci()[j]
                                                       : 0.5;
        }
        return x;
    }

    // A cover from a relaxation point: its rows at 1, completed greedily by value, then
    // improved; kept when cheaper.
    void Zaokraglij(const std::vector<double>& x) {
        std::vector<int> pierwsze;
        for (int j = 0; j < nl_; ++j)
            if (x[static_cast<std::size_t>(j)] > 1 - 1e-6)
                pierwsze.push_back(j);
        std::vector<int> pokrycie = Zachlannie(pierwsze, x);
        if (!pokrycie.empty()) {
            Popraw(pokrycie);
            Nowe(pokrycie);
        }
    }

    // What branching on a row gains per unit of the change its value takes: learnt from every
    // child solved (pseudo-costs), each way apart.
    void Ucz(int j, bool wlaczony, double ulamek, double przyrost) {
        const double zmiana = wlaczony ? 1 - ulamek : ulamek;
        if (zmiana < 1e-6)
            return;
        const auto k = static_cast<std::size_t>(j) * 2 + wlaczony;
        ZyskiGalezi& z = zyskiLp_;
        z.Suma[k] += std::max(0.0, przyrost) / zmiana;
        ++z.Ile[k];
        z.SumaWszystkich[wlaczony] += std::max(0.0, przyrost) / zmiana;
        ++z.IleWszystkich[wlaczony];
    }
    double Zysk(int j, bool wlaczony, double ulamek) const {
        const auto k = static_cast<std::size_t>(j) * 2 + wlaczony;
        const ZyskiGalezi& z = zyskiLp_;
        const double naJednostke =
            z.Ile[k] ? z.Suma[k] / z.Ile[k]
            : z.IleWszystkich[wlaczony]
                ? z.SumaWszystkich[wlaczony] / static_cast<double>(z.IleWszystkich[wlaczony])
                : 1.0;
        return naJednostke * (wlaczony ? 1 - ulamek : ulamek);
    }

    // Rows whose gain either way is not yet known are tried first (strong branching): both
    // children's relaxations, each cut off after this many dual simplex iterations, at most
    // this many rows a node, and no more once this many in a row did not beat the best. On
    // models of more rows a trial costs more than it spares.
    static constexpr int IteracjeProby = 1000;
    static constexpr int MaksProb = 100;
    static constexpr int ProbyBezPoprawy = 8;
    static constexpr int MaksWierszyProb = 2000;

    // The row to branch on: the fractional free row whose two children are expected to gain
    // the most (the product of the two gains, from the pseudo-costs). With `probuj`, a row
    // whose gain either way has never been seen is tried first, and what the trial gains is
    // learnt.
    int Wybierz(const std::vector<double>& x, double wartoscLp, bool probuj) {
        std::vector<std::pair<double, int>> kandydaci; // score, then -row: lower rows first
        for (int j = 0; j < nl_; ++j) {
            const double v = x[static_cast<std::size_t>(j)];
            if (lp_->Stan(j) != LpPokrycia::Wiersz::Wolny || !Ulamkowa(v))
                continue;
            kandydaci.emplace_back(
                std::max(Zysk(j, false, v), 1e-6) * std::max(Zysk(j, true, v), 1e-6), -j);
        }
        if (kandydaci.empty())
            return -1;
        std::sort(kandydaci.begin(), kandydaci.end(), std::greater<>());
        // A child that cannot beat the best cover gains at least what would cut it.
        const double sufit = najlepszy_ > 0 ? najlepszy_ - kosztStaly_ - wartoscLp + 1 : 1e3;
        int galaz = -kandydaci[0].second, proby = 0, bezPoprawy = 0;
        double najlepsza = -1;
        for (auto [ocena, minusJ] : kandydaci) {
            const int j = -minusJ;
            const double v = x[static_cast<std::size_t>(j)];
            const auto k = static_cast<std::size_t>(j) * 2;
            if (probuj && (!zyskiLp_.Ile[k] || !zyskiLp_.Ile[k + 1]) && proby < MaksProb) {
                if (przerwac_ && przerwac_()) {
                    przerwano_ = true;
                    break;
                }
                double zysk[2];
                for (bool wlaczony : {false, true}) {
                    const auto stan =
                        wlaczony ? LpPokrycia::Wiersz::Wlaczony : LpPokrycia::Wiersz::Wylaczony;
                    zysk[wlaczony] =
                        std::min(sufit, lp_->Probuj(j, stan, IteracjeProby) - wartoscLp);
                    Ucz(j, wlaczony, v, zysk[wlaczony]);
                }
                ocena = std::max(zysk[0], 1e-6) * std::max(zysk[1], 1e-6);
                ++proby;
            }
            if (ocena > najlepsza) {
                najlepsza = ocena;
                galaz = j;
                bezPoprawy = 0;
            } else if (++bezPoprawy >= ProbyBezPoprawy) {
                break;
            }
        }
        return galaz;
    }

    const std::function<bool()>& przerwac_;
    const PostepPokrycia& postep_;
    int odciecie_ = 0;     // > 0: only a cover cheaper than this is wanted
    bool doKonca_ = false; // with odciecie_: the cheapest such cover, not the first
    const std::vector<unsigned char>& bazaPoczatkowa_;
    ZyskiGalezi* zyski_;
    int kosztStaly_ = 0;
    std::vector<int> stale_; // rows forced at the root
    int cl_ = 0, wl_ = 0, nl_ = 0;
    std::vector<Slowo> wierszeLp_;
    std::vector<int> oryginal_, kolumnaOryginalna_, kosztLp_, poczatek_, rzedy_;
    std::unique_ptr<LpPokrycia> lp_;
    int najlepszy_ = 0;
    std::vector<int> najlepsze_;
    std::vector<int> najlepszeLp_; // the same cover by model rows (empty: not met in the model)
    int granica_ = 0;
    std::vector<int> ustawione_;                               // the rows the model has fixed now
    const std::vector<unsigned char>* ostatniaBaza_ = nullptr; // the model's basis now
    long long wezly_ = 0;
    long long wezlyPoprawy_ = 0;  // the node count when the best cover came
    long long zastojPompy_ = 300; // nodes without a cheaper cover before the pump runs (doubling)
    std::vector<double> korzen_;  // the root's relaxation point
    ZyskiGalezi zyskiLp_;         // for the model's rows
    bool przerwano_ = false;
};

ZyskiGalezi ZyskiGalezi::Wybierz(const std::vector<int>& wiersze) const {
    ZyskiGalezi czesc;
    for (int r : wiersze)
        for (std::size_t k = static_cast<std::size_t>(r) * 2;
             k < static_cast<std::size_t>(r) * 2 + 2; ++k) {
            czesc.Suma.push_back(k < Suma.size() ? Suma[k] : 0.0);
            czesc.Ile.push_back(k < Ile.size() ? Ile[k] : 0);
        }
    std::copy_n(SumaWszystkich, 2, czesc.SumaWszystkich);
    std::copy_n(IleWszystkich, 2, czesc.IleWszystkich);
    return czesc;
}

void ZyskiGalezi::Przyjmij(const ZyskiGalezi& czesc, const std::vector<int>& wiersze) {
    for (std::size_t i = 0; i < wiersze.size(); ++i) {
        const auto r = static_cast<std::size_t>(wiersze[i]);
        if (Suma.size() < r * 2 + 2) {
            Suma.resize(r * 2 + 2, 0.0);
            Ile.resize(r * 2 + 2, 0);
        }
        for (std::size_t k = 0; k < 2; ++k) {
            Suma[r * 2 + k] = czesc.Suma[i * 2 + k];
            Ile[r * 2 + k] = czesc.Ile[i * 2 + k];
        }
    }
    std::copy_n(czesc.SumaWszystkich, 2, SumaWszystkich);
    std::copy_n(czesc.IleWszystkich, 2, IleWszystkich);
}

NajtanszePokrycie ZnajdzNajtanszePokrycie(const std::vector<std::uint64_t>& wiersze, int kolumny,
                                          int slowa, const std::vector<int>& koszt,
                                          const std::function<bool()>& przerwac,
                                          const PostepPokrycia& postep, int odciecie,
                                          const std::vector<unsigned char>& baza,
                                          ZyskiGalezi* zyski) {
    if (koszt.empty()) {
        NajtanszePokrycie wynik;
        wynik.Dokladny = kolumny == 0;
        return wynik;
    }
    GaleziePl g(wiersze, kolumny, slowa, koszt, przerwac, postep, odciecie, baza, zyski);
    return g.Uruchom();
}

} // namespace vyn

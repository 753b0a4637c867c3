// The cover search as an explicit stack, with the dead-branch and lower-bound cuts.
#include "qm/szukaj_pokrycia.h"

#include "granice.h"
#include "qm/najtansze_pokrycie.h"
#include "qm/pokrycie_lp.h"
#include "qm/slowo.h"
#include "text/funkcja.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

namespace vyn {

namespace {

using Slowo = std::uint64_t;

// Subgradient steps on the relaxation prices before a solve is paid for.
constexpr int KrokiCen = 120;

// Polls of the stop (nodes and simplex steps) a range of next rows may take to be refused,
// at least, before it is tried row by row instead.
constexpr long long MinBudzetZakresu = 200;

// Column-to-row structures are only built while they stay this small (in 64-bit words).
constexpr std::size_t MaksSlowOgraniczenia = std::size_t{1} << 24;

class Szukanie {
  public:
    Szukanie(const RdzenPokryc& rdzen, const KontekstSzukania& k) : k_(k) {
        n_ = rdzen.IloscWierszy();
        c_ = rdzen.IloscKolumn;
        w_ = rdzen.Slowa;
        const int l = static_cast<int>(k.Kodowanie.size());
        literyIstotnych_ = IloscZnakow(k.ImplikantyIstotne);
        grupyIstotnych_ = k.ImplikantyIstotne.empty() ? 0 : PoliczGrupy(k.ImplikantyIstotne);
        kosztIstotnych_ = literyIstotnych_ + grupyIstotnych_;

        // Columns renumbered by increasing number of covering rows: the lower bound then
        // meets the hardest columns first.
        std::vector<int> stopien(static_cast<std::size_t>(c_), 0);
        for (int p = 0; p < n_; ++p)
            DlaBitow(rdzen.Wiersz(rdzen.Kolejnosc[static_cast<std::size_t>(p)]),
                     [&](int c) { ++stopien[static_cast<std::size_t>(c)]; });
        std::vector<int> kolumny(static_cast<std::size_t>(c_));
        for (int c = 0; c < c_; ++c)
            kolumny[static_cast<std::size_t>(c)] = c;
        std::stable_sort(kolumny.begin(), kolumny.end(), [&](int a, int b) {
            return stopien[static_cast<std::size_t>(a)] < stopien[static_cast<std::size_t>(b)];
        });
        std::vector<int> nowyNumer(static_cast<std::size_t>(c_));
        for (int c = 0; c < c_; ++c)
            nowyNumer[static_cast<std::size_t>(kolumny[static_cast<std::size_t>(c)])] = c;

        wiersze_.assign(static_cast<std::size_t>(n_) * static_cast<std::size_t>(w_), 0);
        for (int p = 0; p < n_; ++p) {
            const int id = rdzen.Kolejnosc[static_cast<std::size_t>(p)];
            Slowo* cel = Wiersz(p);
            DlaBitow(rdzen.Wiersz(id),
                     [&](int c) { Ustaw(cel, nowyNumer[static_cast<std::size_t>(c)]); });
            const std::uint32_t maska = rdzen.Maski[static_cast<std::size_t>(id)];
            litery_.push_back(
                SkladnikNaLitery(k.Kodowanie, rdzen.Wartosci[static_cast<std::size_t>(id)], maska));
            koszt_.push_back(IloscLiterSkladnika(l, maska) + 1);
        }

        // Each column's covering rows in position order (compressed), its last covering row,
        // and the cheapest of its rows from each of them on.
        poczatekKolumny_.assign(static_cast<std::size_t>(c_) + 1, 0);
        for (int c = 0; c < c_; ++c)
            poczatekKolumny_[static_cast<std::size_t>(c) + 1] =
                poczatekKolumny_[static_cast<std::size_t>(c)] +
                static_cast<std::size_t>(
                    stopien[static_cast<std::size_t>(kolumny[static_cast<std::size_t>(c)])]);
        pozycje_.resize(poczatekKolumny_.back());
        {
            std::vector<std::size_t> wolne(poczatekKolumny_.begin(), poczatekKolumny_.end() - 1);
            for (int p = 0; p < n_; ++p)
                DlaBitow(Wiersz(p),
                         [&](int c) { pozycje_[wolne[static_cast<std::size_t>(c)]++] = p; });
        }
        minimumOd_.resize(pozycje_.size());
        for (int c = 0; c < c_; ++c) {
            int m = std::numeric_limits<int>::max() / 2;
            for (std::size_t i = poczatekKolumny_[static_cast<std::size_t>(c) + 1];
                 i-- > poczatekKolumny_[static_cast<std::size_t>(c)];) {
                m = std::min(m, koszt_[static_cast<std::size_t>(pozycje_[i])]);
                minimumOd_[i] = m;
            }
        }

        // Columns whose last covering row stands at or before each position: once the search
        // has passed that row, such a column can only be covered already. A column no row
        // covers (the prime list of an aborted run) is dead from the start.
        std::vector<std::vector<int>> konczaceSie(static_cast<std::size_t>(n_));
        martwe_.assign(static_cast<std::size_t>(n_) * static_cast<std::size_t>(w_), 0);
        std::vector<Slowo> biezace(static_cast<std::size_t>(w_), 0);
        for (int c = 0; c < c_; ++c) {
            const std::size_t od = poczatekKolumny_[static_cast<std::size_t>(c)];
            const std::size_t doo = poczatekKolumny_[static_cast<std::size_t>(c) + 1];
            if (od == doo)
                Ustaw(biezace.data(), c);
            else
                konczaceSie[static_cast<std::size_t>(pozycje_[doo - 1])].push_back(c);
        }
        for (int p = 0; p < n_; ++p) {
            for (int c : konczaceSie[static_cast<std::size_t>(p)])
                Ustaw(biezace.data(), c);
            std::copy(biezace.begin(), biezace.end(), Martwe(p));
        }

        // Cheapest row from each position on.
        najtanszyOd_.assign(static_cast<std::size_t>(n_) + 1, std::numeric_limits<int>::max() / 2);
        for (int p = n_ - 1; p >= 0; --p)
            najtanszyOd_[static_cast<std::size_t>(p)] = std::min(
                najtanszyOd_[static_cast<std::size_t>(p) + 1], koszt_[static_cast<std::size_t>(p)]);

        // For the lower bound, each column's rows also as a bit set over positions.
        wr_ = (n_ + 63) / 64;
        ograniczenie_ =
            k.Przycinaj &&
            static_cast<std::size_t>(c_) * static_cast<std::size_t>(wr_) <= MaksSlowOgraniczenia;
        if (ograniczenie_) {
            wierszeKolumny_.assign(static_cast<std::size_t>(c_) * static_cast<std::size_t>(wr_), 0);
            for (int c = 0; c < c_; ++c)
                for (std::size_t i = poczatekKolumny_[static_cast<std::size_t>(c)];
                     i < poczatekKolumny_[static_cast<std::size_t>(c) + 1]; ++i)
                    Ustaw(WierszeKolumny(c), pozycje_[i]);
            uzyte_.assign(static_cast<std::size_t>(wr_), 0);
        }
        ileNowych_.assign(static_cast<std::size_t>(n_), 0);
        zaplata_.assign(static_cast<std::size_t>(n_), -1);

        const std::size_t poziomy = static_cast<std::size_t>(n_) + 2;
        pokryte_.assign(poziomy * static_cast<std::size_t>(w_), 0);
        ilePokrytych_.assign(poziomy, 0);
        kosztPoziomu_.assign(poziomy, 0);
        wierszPoziomu_.assign(poziomy, 0);
        pewne_.assign(poziomy, {});
        nastepny_.assign(poziomy, 0);
    }

    WynikSzukania Uruchom() {
        if (k_.Przycinaj && k_.NaStarcie)
            k_.NaStarcie();
        if (c_ == 0) {
            // The essential rows cover every column: they are the one form, and the cheapest.
            wynik_.KosztPostaci = wynik_.Granica = kosztIstotnych_;
            wynik_.Dowiedziona = true;
            return std::move(wynik_);
        }
        NajtanszePokrycie optimum;
        if (k_.Przycinaj) {
            // The least cost first: then only covers of that cost are ever recorded.
            // Each better cover found on the way shows in the labels, as a form found so far.
            auto postep = [this](const std::vector<int>& wiersze, int koszt, int granica) {
                if (k_.Oszacowanie && koszt > 0)
                    k_.Oszacowanie(kosztIstotnych_ + koszt, kosztIstotnych_ + granica);
                if (!k_.Etykieta || koszt == pokazany_)
                    return;
                pokazany_ = koszt;
                int litery = literyIstotnych_;
                for (int r : wiersze)
                    litery += koszt_[static_cast<std::size_t>(r)] - 1;
                k_.Etykieta(2, "liter: " + std::to_string(litery));
                k_.Etykieta(3, "grup: " + std::to_string(grupyIstotnych_ +
                                                         static_cast<int>(wiersze.size())));
                k_.Etykieta(4, "minimalnych: 1");
            };
            optimum = ZnajdzNajtanszePokrycie(wiersze_, c_, w_, koszt_, k_.Przerwac, postep, 0, {},
                                              &zyski_);
            granica_ = optimum.Granica;
            if (optimum.Przerwano) {
                // Stopped before the ordered search: the best cover found so far is the form.
                wynik_.Przerwano = true;
                ZapiszNajtansze(optimum);
            } else if (optimum.Koszt == 0) {
                return std::move(wynik_); // some column has no row: there is no cover
            } else {
                // Only covers of the least cost are recorded, as the search meets them.
                najlepsza_ = optimum.Koszt;
                znaneOptimum_ = true;
                lp_ = std::make_unique<LpPokrycia>(wiersze_, c_, w_, koszt_, k_.Przerwac);
                niepokryte_.assign(static_cast<std::size_t>(w_), 0);
                pokrycie_.assign(static_cast<std::size_t>(c_), 0.0);
                punkty_.resize(static_cast<std::size_t>(n_) + 2);
                cenyPoziomu_.resize(static_cast<std::size_t>(n_) + 2);
            }
        }
        for (int start = 0; start < n_ && !wynik_.Przerwano && !gotowe_; ++start) {
            if (k_.NaStarcie)
                k_.NaStarcie();
            if (k_.Przerwac && k_.Przerwac()) {
                wynik_.Przerwano = true;
                break;
            }
            przeskok_ = -1;
            if (!Odwiedz(start, 0)) {
                if (przeskok_ < 0 && !wynik_.Przerwano && !DalszeMozliwe(start, 0))
                    break;
                if (przeskok_ >= 0)
                    start = przeskok_ - 1; // the rows before it cannot start a cover
                continue;
            }
            int d = 1;
            nastepny_[1] = start + 1;
            while (d > 0 && !wynik_.Przerwano && !gotowe_) {
                const auto du = static_cast<std::size_t>(d);
                if (nastepny_[du] >= n_) {
                    --d;
                    continue;
                }
                const int r = nastepny_[du]++;
                przeskok_ = -1;
                if (Odwiedz(r, d)) {
                    nastepny_[du + 1] = r + 1;
                    ++d;
                } else if (przeskok_ < 0 && !wynik_.Przerwano && !DalszeMozliwe(r, d))
                    nastepny_[du] = n_;
                else if (przeskok_ >= 0)
                    nastepny_[du] = przeskok_; // the rows before it cannot follow
            }
        }
        // Stopped before the search met a form of the least cost: the solver's cover stands.
        if (wynik_.Reszty.empty() && optimum.Koszt > 0)
            ZapiszNajtansze(optimum);
        wynik_.NajlepszaDlugosc = najlepsza_;
        if (najlepsza_ > 0) {
            wynik_.KosztPostaci = kosztIstotnych_ + najlepsza_;
            wynik_.Granica = kosztIstotnych_ + (k_.Przycinaj       ? granica_
                                                : wynik_.Przerwano ? 0
                                                                   : najlepsza_);
            wynik_.Dowiedziona = !wynik_.Przerwano && wynik_.Granica == wynik_.KosztPostaci;
        }
        return std::move(wynik_);
    }

  private:
    Slowo* Wiersz(int p) {
        return wiersze_.data() + static_cast<std::size_t>(p) * static_cast<std::size_t>(w_);
    }
    Slowo* Martwe(int p) {
        return martwe_.data() + static_cast<std::size_t>(p) * static_cast<std::size_t>(w_);
    }
    Slowo* Pokryte(int d) {
        return pokryte_.data() + static_cast<std::size_t>(d) * static_cast<std::size_t>(w_);
    }
    Slowo* WierszeKolumny(int c) {
        return wierszeKolumny_.data() + static_cast<std::size_t>(c) * static_cast<std::size_t>(wr_);
    }
    template <class F> void DlaBitow(const Slowo* b, F&& f) const {
        for (int k = 0; k < w_; ++k)
            for (Slowo s = b[k]; s; s &= s - 1)
                f(k * 64 + __builtin_ctzll(s));
    }
    // The columns outside `pokryte`, as a bit set.
    void Niepokryte(const Slowo* pokryte, Slowo* wynik) const {
        for (int k = 0; k < w_; ++k)
            wynik[k] = ~pokryte[k];
        if (c_ % 64)
            wynik[w_ - 1] &= (Slowo{1} << (c_ % 64)) - 1;
    }
    // f(c) for each column outside `pokryte` in turn, while it answers true; false when stopped.
    template <class F> bool DlaNiepokrytych(const Slowo* pokryte, F&& f) const {
        for (int k = 0; k < w_; ++k) {
            Slowo wolne = ~pokryte[k];
            if (k == w_ - 1 && c_ % 64)
                wolne &= (Slowo{1} << (c_ % 64)) - 1;
            for (; wolne; wolne &= wolne - 1)
                if (!f(k * 64 + __builtin_ctzll(wolne)))
                    return false;
        }
        return true;
    }
    // f(p) for each row p after r that covers column c, the last first.
    template <class F> void DlaWierszyPo(int c, int r, F&& f) const {
        const std::size_t od = poczatekKolumny_[static_cast<std::size_t>(c)];
        for (std::size_t i = poczatekKolumny_[static_cast<std::size_t>(c) + 1]; i-- > od;) {
            const int p = pozycje_[i];
            if (p <= r)
                break;
            f(p);
        }
    }
    // The dearest cover that could still change the result: the best cost, or one less once
    // the forms of that cost overflowed the list (a further one would only be counted).
    int Prog() const { return wynik_.Obcieto ? najlepsza_ - 1 : najlepsza_; }

    static void Ustaw(Slowo* b, int i) { b[i / 64] |= Slowo{1} << (i % 64); }

    // One search step: row r added to the cover of level d. True when the new cover at
    // level d + 1 is to be extended by the rows after r.
    bool Odwiedz(int r, int d) {
        if (k_.Przerwac && k_.Przerwac()) {
            wynik_.Przerwano = true;
            return false;
        }
        const auto du = static_cast<std::size_t>(d);
        const int koszt = kosztPoziomu_[du] + koszt_[static_cast<std::size_t>(r)];
        if (najlepsza_ != 0 && koszt > Prog())
            return false;
        const Slowo* rodzic = Pokryte(d);
        const Slowo* wiersz = Wiersz(r);
        Slowo* dziecko = Pokryte(d + 1);
        pewne_[du + 1].jest = false;
        int dodane = 0;
        for (int k = 0; k < w_; ++k) {
            dodane += Jedynki(wiersz[k] & ~rodzic[k]);
            dziecko[k] = rodzic[k] | wiersz[k];
        }
        if (dodane == 0)
            return false;
        ilePokrytych_[du + 1] = ilePokrytych_[du] + dodane;
        kosztPoziomu_[du + 1] = koszt;
        wierszPoziomu_[du + 1] = r;
        if (ilePokrytych_[du + 1] == c_) {
            Zapisz(d + 1, koszt);
            return false;
        }
        if (!k_.Przycinaj)
            return true;
        const Slowo* martwe = Martwe(r);
        for (int k = 0; k < w_; ++k)
            if (martwe[k] & ~dziecko[k])
                return false;
        if (najlepsza_ != 0 && !MoznaZmiescic(r, dziecko, Prog() - koszt))
            return false;
        if (lp_)
            return Zmiesci(r, dziecko, Prog() - koszt, d + 1, d);
        return true;
    }

    // Whether the columns outside `pokryte` may still be covered within `zapas` by the rows
    // after r, by the relaxation. A relaxation point that fits is kept at level `cel`; the
    // points of levels `cel` and `inny` are tried before solving.
    bool Zmiesci(int r, const Slowo* pokryte, int zapas, int cel, int inny) {
        Niepokryte(pokryte, niepokryte_.data());
        // The relaxation over the rows after r sees through rows and columns that the
        // simple bounds count twice.
        // Prices from an earlier relaxation bound this one too, at a fraction of a solve.
        // A point of the last relaxation that still fits here, within the cost, shows
        // that this one cannot cut.
        // Once branches are settled exactly, only a whole point (a cover) lets one through
        // unsettled: a fractional one would lead the search into subtrees without a form, each
        // of whose nodes then costs a settling of its own.
        auto& punkt = punkty_[static_cast<std::size_t>(cel)];
        const bool dokladnie = bezPostaci_ >= k_.ProgDokladnych;
        for (const auto* z : {&punkty_[static_cast<std::size_t>(inny)], &punkt})
            if (PunktPasuje(r, pokryte, zapas, *z) &&
                (!dokladnie || std::all_of(naprawiony_.begin(), naprawiony_.end(),
                                           [](const auto& px) { return px.second > 1 - 1e-9; }))) {
                punkt = naprawiony_; // kept for the children
                Zapamietaj(cel);
                return true;
            }
        const auto& cenyPoziomu = cenyPoziomu_[static_cast<std::size_t>(std::min(cel, inny))];
        for (const auto* y :
             std::initializer_list<const std::vector<double>*>{&cenyPoziomu, &ceny_})
            if (!y->empty() && CalaGranica(GranicaCen(r, niepokryte_.data(), *y)) > zapas)
                return false;
        // Raised prices cut many branches at a fraction of a solve where the relaxation is
        // dear to solve (symmetric functions), and almost none where its solves are cheap;
        // they are tried while the solves they spare pay for them.
        const bool poCieciuCen = std::exchange(poCieciuCen_, false);
        const auto& y0 = cenyPoziomu.empty() ? ceny_ : cenyPoziomu;
        const long long kosztRozwiazania = 30LL * (n_ + c_);
        if (!y0.empty() && pracaCen_ <= (oszczedzone_ + 4) * kosztRozwiazania +
                                            rozwiazania_ * kosztRozwiazania / 8) {
            if (PodniesCeny(r, niepokryte_.data(), y0, zapas, KrokiCen)) {
                ++oszczedzone_;
                poCieciuCen_ = cel > inny;
                return false;
            }
        }
        // A cut by prices that only moved the solve to the question after it spared none.
        if (poCieciuCen && cel < inny)
            --oszczedzone_;
        ++rozwiazania_;
        pewne_[static_cast<std::size_t>(cel)].jest = false;
        lp_->Wymagaj(niepokryte_.data());
        for (; odLp_ < r + 1; ++odLp_)
            lp_->Ustaw(odLp_, LpPokrycia::Wiersz::Wylaczony);
        for (; odLp_ > r + 1; --odLp_)
            lp_->Ustaw(odLp_ - 1, LpPokrycia::Wiersz::Wolny);
        switch (lp_->Rozwiaz()) {
        case LpPokrycia::Wynik::Przerwane:
            wynik_.Przerwano = true;
            return false;
        case LpPokrycia::Wynik::Niemozliwe:
            return false;
        case LpPokrycia::Wynik::Optimum:
            ceny_.assign(lp_->Ceny(), lp_->Ceny() + c_);
            cenyPoziomu_[static_cast<std::size_t>(cel)] = ceny_;
            punkt.clear();
            for (int p = r + 1; p < n_; ++p)
                if (lp_->Wartosci()[p] > 1e-9)
                    punkt.emplace_back(p, lp_->Wartosci()[p]);
            if (CalaGranica(lp_->Wartosc()) > zapas)
                return false;
            if (++bezPostaci_ <= k_.ProgDokladnych)
                return true;
            return ZmiesciDokladnie(r, zapas, cel, inny);
        case LpPokrycia::Wynik::Blad:
            break;
        }
        return true;
    }

    // Settles exactly, by the branch and bound, what the relaxation let through: whether the
    // columns in `niepokryte_` have a cover within `zapas` by the rows after r. The least cost
    // is known, so such a cover costs exactly `zapas`; its rows are kept as the point at level
    // `cel`. For the question after row r failed at level `cel` (`cel` < `inny`), the cover's
    // first row m bounds where the search goes on, and the rows before m are passed over as
    // far as ranges of them are cheaply refused (`przeskok_`).
    bool ZmiesciDokladnie(int r, int zapas, int cel, int inny) {
        const std::optional<std::vector<int>> pokrycie =
            PokrycieDokladne(niepokryte_.data(), r + 1, -1, zapas);
        if (!pokrycie || pokrycie->empty())
            return false;
        auto& punkt = punkty_[static_cast<std::size_t>(cel)];
        punkt.clear();
        for (int p : *pokrycie)
            punkt.emplace_back(p, 1.0);
        Zapamietaj(cel);
        if (cel < inny && pokrycie->front() > r + 1)
            przeskok_ = PominOdrzucone(r + 1, *pokrycie, cel,
                                       std::max(odpytaniaDokladne_, MinBudzetZakresu));
        return true;
    }

    // A cover of the columns in `wolne` within `zapas` by the rows from `od` on, one of them
    // at or before `doo` when `doo` >= 0: its rows in increasing order, or an empty list when
    // there is none. That row condition is one more column, covered by the rows it names.
    // Nothing when stopped, or when the branch and bound polls more than `budzet` (> 0) times
    // without an answer.
    std::optional<std::vector<int>> PokrycieDokladne(const Slowo* wolne, int od, int doo, int zapas,
                                                     long long budzet = 0) {
        if (doo == od) {
            // Row `od` itself, then the rest after it: a smaller problem for the solver.
            std::vector<Slowo> reszta(wolne, wolne + w_);
            const Slowo* w = Wiersz(od);
            bool dodaje = false;
            for (int k = 0; k < w_; ++k) {
                dodaje = dodaje || (reszta[static_cast<std::size_t>(k)] & w[k]) != 0;
                reszta[static_cast<std::size_t>(k)] &= ~w[k];
            }
            const int zostaje = zapas - koszt_[static_cast<std::size_t>(od)];
            if (!dodaje || zostaje < 0)
                return std::vector<int>{};
            std::optional<std::vector<int>> pokrycie = std::vector<int>{};
            if (std::any_of(reszta.begin(), reszta.end(), [](Slowo x) { return x != 0; })) {
                pokrycie = PokrycieDokladne(reszta.data(), od + 1, -1, zostaje, budzet);
                if (!pokrycie || pokrycie->empty())
                    return pokrycie;
            }
            pokrycie->insert(pokrycie->begin(), od);
            return pokrycie;
        }
        std::vector<int> numer(static_cast<std::size_t>(c_), -1);
        int kolumny = 0;
        DlaBitow(wolne, [&](int c) { numer[static_cast<std::size_t>(c)] = kolumny++; });
        const int warunek = doo >= 0 ? kolumny++ : -1;
        const int slowa = (kolumny + 63) / 64;
        std::vector<Slowo> wiersze;
        std::vector<int> koszty, pozycje;
        bool spelniony = warunek < 0;
        for (int p = od; p < n_; ++p) {
            std::vector<Slowo> w(static_cast<std::size_t>(slowa), 0);
            bool pokrywa = false;
            const Slowo* wp = Wiersz(p);
            for (int s = 0; s < w_; ++s)
                for (Slowo x = wp[s] & wolne[s]; x; x &= x - 1) {
                    Ustaw(w.data(), numer[static_cast<std::size_t>(s * 64 + __builtin_ctzll(x))]);
                    pokrywa = true;
                }
            // A row adding nothing is in no cover within the least cost.
            if (!pokrywa)
                continue;
            if (p <= doo) {
                Ustaw(w.data(), warunek);
                spelniony = true;
            }
            wiersze.insert(wiersze.end(), w.begin(), w.end());
            koszty.push_back(koszt_[static_cast<std::size_t>(p)]);
            pozycje.push_back(p);
        }
        if (!spelniony)
            return std::vector<int>{};
        long long odpytania = 0;
        const auto przerwac = [&] {
            if (k_.Przerwac && k_.Przerwac()) {
                wynik_.Przerwano = true;
                return true;
            }
            return ++odpytania > budzet && budzet > 0;
        };
        // The listing's relaxation was last solved over much the same rows and columns: the
        // first relaxation starts from its basis. What branching on each row gained in the
        // searches so far guides this one: without it, the many small searches of a dense
        // core branch almost blindly.
        std::vector<unsigned char> baza;
        if (lp_) {
            const std::vector<unsigned char> bazaLp = lp_->Baza();
            for (int p : pozycje)
                baza.push_back(bazaLp[static_cast<std::size_t>(p)]);
            DlaBitow(wolne,
                     [&](int c) { baza.push_back(bazaLp[static_cast<std::size_t>(n_ + c)]); });
            if (warunek >= 0)
                baza.push_back(LpPokrycia::StanBazowy);
        }
        ZyskiGalezi zyski = zyski_.Wybierz(pozycje);
        const NajtanszePokrycie dokladne = ZnajdzNajtanszePokrycie(
            wiersze, kolumny, slowa, koszty, przerwac, {}, zapas + 1, baza, &zyski);
        zyski_.Przyjmij(zyski, pozycje);
        odpytaniaDokladne_ = odpytania;
        if (dokladne.Przerwano)
            return std::nullopt;
        std::vector<int> rzedy;
        for (int i : dokladne.Wiersze)
            rzedy.push_back(pozycje[static_cast<std::size_t>(i)]);
        return rzedy;
    }

    // Where the search goes on at level d, given `pokrycie`, a cover of the level's columns
    // within the least cost whose first row m comes after `od`: ranges of the rows from `od`
    // on, growing while they are refused, each within `budzet` polls, are passed over whole;
    // the first range not refused is where the rows are tried one by one again. When all
    // rows before m are refused, m it is, with the cover's rest as the point for the children.
    // Finding a cover in a range costs far more than refusing one, hence the budget.
    int PominOdrzucone(int od, const std::vector<int>& pokrycie, int d, long long budzet) {
        const int m = pokrycie.front();
        std::vector<Slowo> wolne(static_cast<std::size_t>(w_));
        Niepokryte(Pokryte(d), wolne.data());
        const int zapas = Prog() - kosztPoziomu_[static_cast<std::size_t>(d)];
        for (int krok = 1; od < m; krok *= 2) {
            const int doo = std::min(m - 1, od + krok - 1);
            const auto zakres = PokrycieDokladne(wolne.data(), od, doo, zapas, budzet);
            if (!zakres || !zakres->empty())
                return od;
            od = doo + 1;
        }
        auto& punkt = punkty_[static_cast<std::size_t>(d) + 1];
        pewne_[static_cast<std::size_t>(d) + 1].jest = false; // not yet the level's columns
        punkt.clear();
        for (std::size_t i = 1; i < pokrycie.size(); ++i)
            punkt.emplace_back(pokrycie[i], 1.0);
        return m;
    }

    // After row r failed as the next row of the cover at level d: whether any later row
    // still can. The cover then has to do without the rows up to r, a bound for all of them
    // at once.
    bool DalszeMozliwe(int r, int d) {
        if (!k_.Przycinaj || najlepsza_ == 0 || r + 1 >= n_)
            return r + 1 < n_;
        const Slowo* pokryte = Pokryte(d);
        const Slowo* martwe = Martwe(r);
        for (int k = 0; k < w_; ++k)
            if (martwe[k] & ~pokryte[k])
                return false;
        const int zapas = Prog() - kosztPoziomu_[static_cast<std::size_t>(d)];
        // Most rows that fail leave the level's kept cover untouched: it still shows one.
        if (const PewnyPunkt& p = pewne_[static_cast<std::size_t>(d)];
            p.jest && p.odWiersza > r && p.koszt <= zapas)
            return true;
        return !lp_ || Zmiesci(r, pokryte, zapas, d, d + 1);
    }

    // Notes whether the point just kept at level `cel`, which fits the level's columns, is a
    // cover: then it shows a cover by the rows after r for every r before its first row.
    void Zapamietaj(int cel) {
        const auto& punkt = punkty_[static_cast<std::size_t>(cel)];
        PewnyPunkt& p = pewne_[static_cast<std::size_t>(cel)];
        p = {true, n_, 0};
        for (const auto& [wiersz, x] : punkt) {
            if (x < 1 - 1e-9) {
                p.jest = false;
                return;
            }
            p.odWiersza = std::min(p.odWiersza, wiersz);
            p.koszt += koszt_[static_cast<std::size_t>(wiersz)];
        }
    }

    // Whether a kept relaxation point shows the relaxation here within `zapas`: its rows after
    // r, with each column still short of cover made up by its cheapest row after r. Any such
    // point is feasible, so the relaxation cannot cut; it is left in `naprawiony_`.
    bool PunktPasuje(int r, const Slowo* pokryte, int zapas,
                     const std::vector<std::pair<int, double>>& punkt_) {
        if (punkt_.empty())
            return false;
        double wartosc = 0;
        std::fill(pokrycie_.begin(), pokrycie_.end(), 0.0);
        naprawiony_.clear();
        for (const auto& px : punkt_) {
            if (px.first <= r)
                continue;
            const double x = px.second;
            wartosc += x * koszt_[static_cast<std::size_t>(px.first)];
            DlaBitow(Wiersz(px.first), [&](int c) { pokrycie_[static_cast<std::size_t>(c)] += x; });
            naprawiony_.push_back(px);
        }
        if (wartosc > zapas + 1e-9)
            return false;
        bool dodano = false;
        const bool pasuje = DlaNiepokrytych(pokryte, [&](int c) {
            if (pokrycie_[static_cast<std::size_t>(c)] >= 1 - 1e-9)
                return true;
            const auto od = pozycje_.begin() + static_cast<std::ptrdiff_t>(
                                                   poczatekKolumny_[static_cast<std::size_t>(c)]);
            const auto doo =
                pozycje_.begin() +
                static_cast<std::ptrdiff_t>(poczatekKolumny_[static_cast<std::size_t>(c) + 1]);
            int najtanszy = -1;
            for (auto it = std::upper_bound(od, doo, r); it != doo; ++it)
                if (najtanszy < 0 || koszt_[static_cast<std::size_t>(*it)] <
                                         koszt_[static_cast<std::size_t>(najtanszy)])
                    najtanszy = *it;
            if (najtanszy < 0)
                return false;
            const double brak = 1 - pokrycie_[static_cast<std::size_t>(c)];
            wartosc += brak * koszt_[static_cast<std::size_t>(najtanszy)];
            if (wartosc > zapas + 1e-9)
                return false;
            DlaBitow(Wiersz(najtanszy),
                     [&](int k) { pokrycie_[static_cast<std::size_t>(k)] += brak; });
            naprawiony_.emplace_back(najtanszy, brak);
            dodano = true;
            return true;
        });
        if (!pasuje)
            return false;
        if (dodano) {
            std::sort(naprawiony_.begin(), naprawiony_.end());
            std::size_t k = 0;
            for (std::size_t i = 0; i < naprawiony_.size(); ++i)
                if (k > 0 && naprawiony_[k - 1].first == naprawiony_[i].first)
                    naprawiony_[k - 1].second += naprawiony_[i].second;
                else
                    naprawiony_[k++] = naprawiony_[i];
            naprawiony_.resize(k);
        }
        return true;
    }

    // What the prices y (those below 0 taken as 0) pay each row after r for its columns in
    // `wolne`; the rows paid anything are listed in `placone_`. Walks the columns' own row
    // lists, so the work follows the columns left rather than all the rows.
    long long Zaplaty(int r, const Slowo* wolne, const std::vector<double>& y) {
        long long praca = 0;
        for (int p : placone_)
            zaplata_[static_cast<std::size_t>(p)] = -1;
        placone_.clear();
        DlaBitow(wolne, [&](int c) {
            const double yc = std::max(0.0, y[static_cast<std::size_t>(c)]);
            DlaWierszyPo(c, r, [&](int p) {
                ++praca;
                double& z = zaplata_[static_cast<std::size_t>(p)];
                if (z < 0) {
                    z = 0;
                    placone_.push_back(p);
                }
                z += yc;
            });
        });
        return praca;
    }

    // The Lagrangian bound of prices y >= 0 on the columns `wolne` to cover with the rows after
    // r: sum of y over those columns, less what each row would be overpaid.
    double GranicaCen(int r, const Slowo* wolne, const std::vector<double>& ceny) {
        double suma = 0;
        DlaBitow(wolne, [&](int c) { suma += std::max(0.0, ceny[static_cast<std::size_t>(c)]); });
        Zaplaty(r, wolne, ceny);
        for (int p : placone_)
            suma -= std::max(0.0, zaplata_[static_cast<std::size_t>(p)] -
                                      koszt_[static_cast<std::size_t>(p)]);
        return suma;
    }

    // Whether prices raised from `y0` by subgradient steps toward the cost `zapas` + 1 show
    // that no cover of the columns `wolne` by the rows after r fits within `zapas`. A stop ends
    // it as a cut, with the search marked stopped.
    bool PodniesCeny(int r, const Slowo* wolne, const std::vector<double>& y0, int zapas,
                     int kroki) {
        std::vector<double>& y = robocze_;
        y.assign(static_cast<std::size_t>(c_), 0.0);
        DlaBitow(wolne, [&](int c) {
            y[static_cast<std::size_t>(c)] = std::max(0.0, y0[static_cast<std::size_t>(c)]);
        });
        std::vector<double>& g = gradient_;
        g.assign(static_cast<std::size_t>(c_), 0.0);
        for (int it = 0; it < kroki; ++it) {
            if (it % 16 == 15 && k_.Przerwac && k_.Przerwac()) {
                wynik_.Przerwano = true;
                return true;
            }
            double l = 0;
            DlaBitow(wolne, [&](int c) {
                l += y[static_cast<std::size_t>(c)];
                g[static_cast<std::size_t>(c)] = 1;
            });
            pracaCen_ += Zaplaty(r, wolne, y);
            for (int p : placone_) {
                const double zreduk =
                    koszt_[static_cast<std::size_t>(p)] - zaplata_[static_cast<std::size_t>(p)];
                if (zreduk >= 0)
                    continue;
                l += zreduk;
                const Slowo* w = Wiersz(p);
                for (int s = 0; s < w_; ++s)
                    for (Slowo x = w[s] & wolne[s]; x; x &= x - 1)
                        g[static_cast<std::size_t>(s * 64 + __builtin_ctzll(x))] -= 1;
            }
            if (CalaGranica(l) > zapas)
                return true;
            double norma = 0;
            DlaBitow(wolne, [&](int c) {
                const double gc = g[static_cast<std::size_t>(c)];
                if (gc > 0 || y[static_cast<std::size_t>(c)] > 0)
                    norma += gc * gc;
            });
            if (norma == 0)
                return false;
            const double t = (zapas + 1 - l) / norma;
            DlaBitow(wolne, [&](int c) {
                auto& yc = y[static_cast<std::size_t>(c)];
                yc = std::max(0.0, yc + t * g[static_cast<std::size_t>(c)]);
            });
        }
        return false;
    }

    // Whether the columns outside `pokryte` might still be covered by rows after r within
    // `zapas`: columns no two of which share such a row each need a row of their own.
    bool MoznaZmiescic(int r, const Slowo* pokryte, int zapas) {
        if (najtanszyOd_[static_cast<std::size_t>(r) + 1] > zapas)
            return false;
        if (!ograniczenie_)
            return true;
        std::fill(uzyte_.begin(), uzyte_.end(), 0);
        const int pierwszeSlowo = (r + 1) / 64;
        const Slowo maskaPierwszego = ~Slowo{0} << ((r + 1) % 64);
        int granica = 0;
        for (int k = 0; k < w_; ++k) {
            Slowo wolne = ~pokryte[k];
            if (k == w_ - 1 && c_ % 64)
                wolne &= (Slowo{1} << (c_ % 64)) - 1;
            while (wolne) {
                const int c = k * 64 + __builtin_ctzll(wolne);
                wolne &= wolne - 1;
                const Slowo* wk = WierszeKolumny(c);
                bool wspolny = false;
                for (int s = pierwszeSlowo; s < wr_ && !wspolny; ++s) {
                    const Slowo m = s == pierwszeSlowo ? wk[s] & maskaPierwszego : wk[s];
                    wspolny = (m & uzyte_[static_cast<std::size_t>(s)]) != 0;
                }
                if (wspolny)
                    continue;
                for (int s = pierwszeSlowo; s < wr_; ++s)
                    uzyte_[static_cast<std::size_t>(s)] |=
                        s == pierwszeSlowo ? wk[s] & maskaPierwszego : wk[s];
                // The cheapest of this column's rows after r.
                const auto od =
                    pozycje_.begin() +
                    static_cast<std::ptrdiff_t>(poczatekKolumny_[static_cast<std::size_t>(c)]);
                const auto doo =
                    pozycje_.begin() +
                    static_cast<std::ptrdiff_t>(poczatekKolumny_[static_cast<std::size_t>(c) + 1]);
                const auto it = std::upper_bound(od, doo, r);
                granica += minimumOd_[static_cast<std::size_t>(it - pozycje_.begin())];
                if (granica > zapas)
                    return false;
            }
        }
        return UdzialyMieszczaSie(r, pokryte, zapas);
    }

    // A cover pays for every uncovered column at least the cheapest share cost / k of a row
    // after r that covers it, k being the number of uncovered columns that row covers.
    bool UdzialyMieszczaSie(int r, const Slowo* pokryte, int zapas) {
        // Counted through the uncovered columns' row lists: deep in the search few are left.
        for (int p : liczone_)
            ileNowych_[static_cast<std::size_t>(p)] = 0;
        liczone_.clear();
        DlaNiepokrytych(pokryte, [&](int c) {
            DlaWierszyPo(c, r, [&](int p) {
                if (ileNowych_[static_cast<std::size_t>(p)]++ == 0)
                    liczone_.push_back(p);
            });
            return true;
        });
        double suma = 0;
        return DlaNiepokrytych(pokryte, [&](int c) {
            double najmniej = 1e18;
            DlaWierszyPo(c, r, [&](int p) {
                najmniej =
                    std::min(najmniej, static_cast<double>(koszt_[static_cast<std::size_t>(p)]) /
                                           ileNowych_[static_cast<std::size_t>(p)]);
            });
            suma += najmniej;
            return suma <= zapas + 1e-6;
        });
    }

    void ZapiszNajtansze(const NajtanszePokrycie& p) {
        if (p.Koszt == 0)
            return;
        for (std::size_t i = 0; i < p.Wiersze.size(); ++i)
            wierszPoziomu_[i + 1] = p.Wiersze[i];
        Zapisz(static_cast<int>(p.Wiersze.size()), p.Koszt);
    }

    void Zapisz(int poziom, int koszt) {
        std::string t;
        for (int d = 1; d <= poziom; ++d) {
            t += litery_[static_cast<std::size_t>(wierszPoziomu_[static_cast<std::size_t>(d)])];
            t.push_back('+');
        }
        bezPostaci_ = 0;
        const bool nowyNajlepszy = najlepsza_ == 0 || koszt < najlepsza_;
        if (nowyNajlepszy || !etykietyUstawione_) {
            etykietyUstawione_ = true;
            if (k_.Etykieta) {
                k_.Etykieta(2, "liter: " + std::to_string(literyIstotnych_ + IloscZnakow(t)));
                k_.Etykieta(3, "grup: " + std::to_string(grupyIstotnych_ + poziom));
            }
        }
        if (nowyNajlepszy) {
            najlepsza_ = koszt;
            wynik_.Reszty.clear();
            wynik_.Obcieto = false;
        }
        if (wynik_.Reszty.size() < k_.MaksPostaci) {
            t.pop_back();
            wynik_.Reszty.push_back(std::move(t));
        } else
            wynik_.Obcieto = true;
        // With the least cost known, a further form could only be counted.
        gotowe_ = znaneOptimum_ && wynik_.Obcieto;
        if (k_.Etykieta)
            k_.Etykieta(4, "minimalnych: " + std::to_string(wynik_.Reszty.size()));
    }

    const KontekstSzukania& k_;
    int n_ = 0, c_ = 0, w_ = 0, wr_ = 0;
    int literyIstotnych_ = 0;
    int grupyIstotnych_ = 0;
    int najlepsza_ = 0;
    bool ograniczenie_ = false;
    bool znaneOptimum_ = false;      // najlepsza_ is the least cost of any cover
    bool etykietyUstawione_ = false; // the labels show the cost being recorded
    bool gotowe_ = false;
    std::unique_ptr<LpPokrycia> lp_;
    ZyskiGalezi zyski_;        // what branching gained in the branch and bound searches so far
    std::vector<double> ceny_; // the column prices of the last relaxation solved
    // By level: the prices of the last relaxation solved for the cover of that level.
    std::vector<std::vector<double>> cenyPoziomu_;
    // By level: the rows above 0 of a relaxation point that fits the cover of that level.
    std::vector<std::vector<std::pair<int, double>>> punkty_;
    // By level: whether its kept point is a cover of the level's columns (all rows at 1), from
    // which row on, at what cost.
    struct PewnyPunkt {
        bool jest = false;
        int odWiersza = 0;
        int koszt = 0;
    };
    std::vector<PewnyPunkt> pewne_;
    std::vector<double> pokrycie_;
    std::vector<std::pair<int, double>> naprawiony_;
    bool poCieciuCen_ = false;  // the last question about a next row was cut by raised prices
    long long pracaCen_ = 0;    // the price raising's work, in row-column steps
    long long oszczedzone_ = 0; // solves it spared
    long long rozwiazania_ = 0; // relaxations solved
    std::vector<double> robocze_, gradient_; // the prices being raised, and their step
    std::vector<double> zaplata_; // by row: what the prices pay it, -1 when not in placone_
    std::vector<int> placone_;
    std::vector<int> liczone_;        // the rows whose ileNowych_ is not 0
    long long odpytaniaDokladne_ = 0; // polls the last exact settling took
    int przeskok_ = -1;               // >= 0: the next row that can follow, the ones before cannot
    int odLp_ = 0;                    // the model's rows before this position are fixed out
    std::size_t bezPostaci_ = 0;      // relaxations solved since the last form recorded
    int granica_ = 0;                 // proven bound on the core's least cost
    int kosztIstotnych_ = 0;
    int pokazany_ = 0; // the cost the labels show
    std::vector<Slowo> niepokryte_;
    std::vector<Slowo> wiersze_, martwe_, wierszeKolumny_, uzyte_, pokryte_;
    std::vector<std::string> litery_;
    std::vector<int> koszt_, najtanszyOd_, pozycje_, minimumOd_, ileNowych_;
    std::vector<std::size_t> poczatekKolumny_;
    std::vector<int> ilePokrytych_, kosztPoziomu_, wierszPoziomu_, nastepny_;
    WynikSzukania wynik_;
};

} // namespace

WynikSzukania SzukajPokrycia(const RdzenPokryc& rdzen, const KontekstSzukania& kontekst) {
    if (rdzen.IloscWierszy() == 0)
        return {};
    Szukanie szukanie(rdzen, kontekst);
    return szukanie.Uruchom();
}

} // namespace vyn

// Branch and bound for the cheapest cover.
#include "najtansze_pokrycie.h"

#include <algorithm>
#include <limits>

namespace vyn {

namespace {

using Slowo = std::uint64_t;

class Galezie {
public:
    Galezie(const std::vector<Slowo>& wiersze, int kolumny, int slowa, const std::vector<int>& koszt,
            const std::function<bool()>& przerwac, long long maksWezlow)
        : wiersze_(wiersze), c_(kolumny), w_(slowa), koszt_(koszt), przerwac_(przerwac),
          maksWezlow_(maksWezlow) {
        n_ = static_cast<int>(koszt.size());
        wr_ = (n_ + 63) / 64;
        ile_.resize(static_cast<std::size_t>(n_));
        udzial_.resize(static_cast<std::size_t>(c_));
        ileWierszy_.resize(static_cast<std::size_t>(c_));
    }

    NajtanszePokrycie Uruchom() {
        std::vector<Slowo> wolne(static_cast<std::size_t>(w_), 0);
        for (int c = 0; c < c_; ++c)
            wolne[static_cast<std::size_t>(c / 64)] |= Slowo{1} << (c % 64);
        std::vector<Slowo> dostepne(static_cast<std::size_t>(wr_), 0);
        for (int r = 0; r < n_; ++r)
            dostepne[static_cast<std::size_t>(r / 64)] |= Slowo{1} << (r % 64);
        Zachlannie(wolne);
        std::vector<int> wybrane;
        Szukaj(wolne, dostepne, 0, wybrane);
        wynik_.Przerwano = przerwano_;
        wynik_.Dokladny = !przerwano_ && !wyczerpano_;
        std::sort(wynik_.Wiersze.begin(), wynik_.Wiersze.end());
        return wynik_;
    }

private:
    const Slowo* Wiersz(int r) const {
        return wiersze_.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(w_);
    }
    int Nowe(int r, const std::vector<Slowo>& wolne) const {
        const Slowo* w = Wiersz(r);
        int k = 0;
        for (int s = 0; s < w_; ++s)
            k += __builtin_popcountll(w[s] & wolne[static_cast<std::size_t>(s)]);
        return k;
    }
    static bool Ma(const std::vector<Slowo>& b, int i) {
        return b[static_cast<std::size_t>(i / 64)] >> (i % 64) & 1;
    }

    // A first cover, cheapest share first: the bound the search starts from.
    void Zachlannie(std::vector<Slowo> wolne) {
        int koszt = 0;
        std::vector<int> wybrane;
        while (std::any_of(wolne.begin(), wolne.end(), [](Slowo s) { return s != 0; })) {
            int najlepszy = -1;
            double udzial = std::numeric_limits<double>::max();
            for (int r = 0; r < n_; ++r) {
                const int k = Nowe(r, wolne);
                if (k && static_cast<double>(koszt_[static_cast<std::size_t>(r)]) / k < udzial) {
                    udzial = static_cast<double>(koszt_[static_cast<std::size_t>(r)]) / k;
                    najlepszy = r;
                }
            }
            if (najlepszy < 0)
                return; // some column has no row: no cover at all
            koszt += koszt_[static_cast<std::size_t>(najlepszy)];
            wybrane.push_back(najlepszy);
            const Slowo* w = Wiersz(najlepszy);
            for (int s = 0; s < w_; ++s)
                wolne[static_cast<std::size_t>(s)] &= ~w[s];
        }
        wynik_.Koszt = koszt;
        wynik_.Wiersze = wybrane;
    }

    void Szukaj(const std::vector<Slowo>& wolne, std::vector<Slowo> dostepne, int koszt,
                std::vector<int>& wybrane) {
        if (przerwano_ || wyczerpano_)
            return;
        if (przerwac_ && przerwac_()) {
            przerwano_ = true;
            return;
        }
        if (++wezly_ > maksWezlow_) {
            wyczerpano_ = true;
            return;
        }
        if (std::all_of(wolne.begin(), wolne.end(), [](Slowo s) { return s == 0; })) {
            if (wynik_.Koszt == 0 || koszt < wynik_.Koszt) {
                wynik_.Koszt = koszt;
                wynik_.Wiersze = wybrane;
            }
            return;
        }
        // Shares and the number of usable rows of every uncovered column.
        std::fill(udzial_.begin(), udzial_.end(), std::numeric_limits<double>::max());
        std::fill(ileWierszy_.begin(), ileWierszy_.end(), 0);
        for (int r = 0; r < n_; ++r) {
            ile_[static_cast<std::size_t>(r)] = 0;
            if (!Ma(dostepne, r))
                continue;
            const Slowo* w = Wiersz(r);
            int k = 0;
            for (int s = 0; s < w_; ++s)
                k += __builtin_popcountll(w[s] & wolne[static_cast<std::size_t>(s)]);
            ile_[static_cast<std::size_t>(r)] = k;
            if (!k)
                continue;
            const double u = static_cast<double>(koszt_[static_cast<std::size_t>(r)]) / k;
            for (int s = 0; s < w_; ++s)
                for (Slowo b = w[s] & wolne[static_cast<std::size_t>(s)]; b; b &= b - 1) {
                    const auto c = static_cast<std::size_t>(s * 64 + __builtin_ctzll(b));
                    udzial_[c] = std::min(udzial_[c], u);
                    ++ileWierszy_[c];
                }
        }
        double granica = koszt;
        int kolumna = -1;
        for (int s = 0; s < w_; ++s)
            for (Slowo b = wolne[static_cast<std::size_t>(s)]; b; b &= b - 1) {
                const int c = s * 64 + __builtin_ctzll(b);
                if (ileWierszy_[static_cast<std::size_t>(c)] == 0)
                    return; // this column can no longer be covered
                granica += udzial_[static_cast<std::size_t>(c)];
                if (kolumna < 0 || ileWierszy_[static_cast<std::size_t>(c)] <
                                       ileWierszy_[static_cast<std::size_t>(kolumna)])
                    kolumna = c;
            }
        if (wynik_.Koszt != 0 && granica > wynik_.Koszt - 1 + 1e-6)
            return; // cannot beat the best cover known
        std::vector<std::pair<double, int>> kandydaci;
        for (int r = 0; r < n_; ++r)
            if (ile_[static_cast<std::size_t>(r)] && Ma(dostepne, r) &&
                (Wiersz(r)[kolumna / 64] >> (kolumna % 64) & 1))
                kandydaci.emplace_back(
                    static_cast<double>(koszt_[static_cast<std::size_t>(r)]) / ile_[static_cast<std::size_t>(r)], r);
        std::sort(kandydaci.begin(), kandydaci.end());
        std::vector<Slowo> dalej(static_cast<std::size_t>(w_));
        for (const auto& [udzial, r] : kandydaci) {
            const Slowo* w = Wiersz(r);
            for (int s = 0; s < w_; ++s)
                dalej[static_cast<std::size_t>(s)] = wolne[static_cast<std::size_t>(s)] & ~w[s];
            wybrane.push_back(r);
            Szukaj(dalej, dostepne, koszt + koszt_[static_cast<std::size_t>(r)], wybrane);
            wybrane.pop_back();
            if (przerwano_ || wyczerpano_)
                return;
            // Covers with r are all behind us now.
            dostepne[static_cast<std::size_t>(r / 64)] &= ~(Slowo{1} << (r % 64));
        }
    }

    const std::vector<Slowo>& wiersze_;
    int c_, w_, n_ = 0, wr_ = 0;
    const std::vector<int>& koszt_;
    const std::function<bool()>& przerwac_;
    std::vector<int> ile_, ileWierszy_;
    std::vector<double> udzial_;
    NajtanszePokrycie wynik_;
    bool przerwano_ = false;
    long long maksWezlow_;
    long long wezly_ = 0;
    bool wyczerpano_ = false;
};

} // namespace

NajtanszePokrycie ZnajdzNajtanszePokrycie(const std::vector<std::uint64_t>& wiersze, int kolumny,
                                          int slowa, const std::vector<int>& koszt,
                                          const std::function<bool()>& przerwac,
                                          long long maksWezlow) {
    if (koszt.empty())
        return {};
    Galezie g(wiersze, kolumny, slowa, koszt, przerwac, maksWezlow);
    return g.Uruchom();
}

} // namespace vyn

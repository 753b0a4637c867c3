// The feasibility pump (Fischetti, Glover and Lodi) on the covering relaxation.
#include "qm/pompa_pokrycia.h"

#include "qm/clp_pokrycia.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <random>

namespace vyn {

struct PompaPokrycia::Model {
    ClpSimplex lp;
    std::function<bool()> przerwac;
    bool przerwano = false;
    std::vector<int> koszt;
    int kolumny = 0; // the covering constraints; the cost row comes after them
};

PompaPokrycia::PompaPokrycia(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
                             const std::vector<int>& koszt, const std::function<bool()>& przerwac)
    : m_(std::make_unique<Model>()) {
    ZaladujPokrycie(m_->lp, wiersze, kolumny, slowa, koszt);
    // The cost row: only points cheaper than the best cover are wanted.
    std::vector<int> indeksy(koszt.size());
    std::vector<double> wspolczynniki(koszt.begin(), koszt.end());
    for (std::size_t j = 0; j < koszt.size(); ++j)
        indeksy[j] = static_cast<int>(j);
    m_->lp.addRow(static_cast<int>(koszt.size()), indeksy.data(), wspolczynniki.data(),
                  -COIN_DBL_MAX, COIN_DBL_MAX);
    m_->przerwac = przerwac;
    ZatrzymanieClp z(&m_->przerwac, &m_->przerwano);
    m_->lp.passInEventHandler(&z);
    m_->koszt = koszt;
    m_->kolumny = kolumny;
}

PompaPokrycia::~PompaPokrycia() = default;

bool PompaPokrycia::Pompuj(std::vector<double> x, int kroki, const Sprawdz& sprawdz) {
    ClpSimplex& lp = m_->lp;
    const int n = static_cast<int>(m_->koszt.size());
    double norma = 0;
    for (int c : m_->koszt)
        norma += static_cast<double>(c) * c;
    norma = std::sqrt(norma);
    // The cost keeps a shrinking share of the objective, so the early roundings stay cheap.
    const double skala = std::sqrt(static_cast<double>(n)) / std::max(norma, 1.0);
    double udzialKosztu = 1.0;
    std::mt19937 los(12345); // the same walk on every run
    std::deque<std::vector<char>> ostatnie;
    auto zaokraglij = [n](const std::vector<double>& punkt) {
        std::vector<char> z(static_cast<std::size_t>(n));
        for (std::size_t j = 0; j < z.size(); ++j)
            z[j] = punkt[j] >= 0.5;
        return z;
    };
    std::vector<char> z = zaokraglij(x);
    bool pierwszy = true;
    for (int krok = 0; krok < kroki; ++krok) {
        const int najlepszy = sprawdz(z, x);
        if (najlepszy <= 0)
            return false;
        lp.setRowUpper(m_->kolumny, najlepszy - 1 + 1e-6);
        udzialKosztu *= 0.9;
        for (int j = 0; j < n; ++j) {
            const double odleglosc = z[static_cast<std::size_t>(j)] ? -1.0 : 1.0;
            lp.setObjectiveCoefficient(j, (1 - udzialKosztu) * odleglosc +
                                              udzialKosztu * skala *
                                                  m_->koszt[static_cast<std::size_t>(j)]);
        }
        m_->przerwano = false;
        // Only the objective and the cost row's bound change from one solve to the next, so
        // each starts from the basis before (the first from the slack basis: the relaxation's
        // own basis sent CLP's primal simplex astray).
        lp.primal(0, pierwszy ? 0 : 7);
        pierwszy = false;
        if (m_->przerwano || !lp.isProvenOptimal())
            return m_->przerwano; // stopped, or nothing cheaper than the best cover
        const double* wartosci = lp.primalColumnSolution();
        x.assign(wartosci, wartosci + n);
        std::vector<char> nowe = zaokraglij(x);
        if (nowe == z) {
            // Stuck: the rows farthest from their rounding are turned over.
            std::vector<std::pair<double, int>> dalekie;
            for (int j = 0; j < n; ++j) {
                const double d =
                    std::abs(x[static_cast<std::size_t>(j)] - z[static_cast<std::size_t>(j)]);
                if (d > 1e-9)
                    dalekie.emplace_back(d, j);
            }
            const std::size_t ile = std::min<std::size_t>(dalekie.size(), 10 + los() % 21);
            std::partial_sort(dalekie.begin(), dalekie.begin() + static_cast<std::ptrdiff_t>(ile),
                              dalekie.end(), std::greater<>());
            for (std::size_t i = 0; i < ile; ++i)
                nowe[static_cast<std::size_t>(dalekie[i].second)] ^= 1;
        } else if (std::find(ostatnie.begin(), ostatnie.end(), nowe) != ostatnie.end()) {
            // A longer cycle: a random shake.
            std::uniform_real_distribution<double> rho(-0.3, 0.7);
            for (int j = 0; j < n; ++j)
                if (std::abs(x[static_cast<std::size_t>(j)] - nowe[static_cast<std::size_t>(j)]) +
                        std::max(rho(los), 0.0) >
                    0.5)
                    nowe[static_cast<std::size_t>(j)] ^= 1;
        }
        ostatnie.push_back(z);
        if (ostatnie.size() > 3)
            ostatnie.pop_front();
        z = std::move(nowe);
    }
    sprawdz(z, x);
    return false;
}

} // namespace vyn

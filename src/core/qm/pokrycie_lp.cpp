// The covering relaxation on COIN-OR's CLP (dual simplex, warm-started from the kept basis).
#include "qm/pokrycie_lp.h"

#include "qm/clp_pokrycia.h"

#include <ClpSimplex.hpp>
#include <ClpSolve.hpp>
#include <CoinPackedMatrix.hpp>

#include <algorithm>
#include <limits>
#include <optional>

namespace vyn {

void ZaladujPokrycie(ClpSimplex& lp, const std::vector<std::uint64_t>& wiersze, int kolumny,
                     int slowa, const std::vector<int>& koszt) {
    const int n = static_cast<int>(koszt.size());
    std::vector<CoinBigIndex> poczatki{0};
    std::vector<int> indeksy;
    for (int r = 0; r < n; ++r) {
        const std::uint64_t* w = wiersze.data() + static_cast<std::size_t>(r) * slowa;
        for (int s = 0; s < slowa; ++s)
            for (std::uint64_t x = w[s]; x; x &= x - 1)
                indeksy.push_back(s * 64 + __builtin_ctzll(x));
        poczatki.push_back(static_cast<CoinBigIndex>(indeksy.size()));
    }
    std::vector<double> jedynki(indeksy.size(), 1.0);
    std::vector<int> dlugosci(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r)
        dlugosci[static_cast<std::size_t>(r)] = static_cast<int>(
            poczatki[static_cast<std::size_t>(r) + 1] - poczatki[static_cast<std::size_t>(r)]);
    CoinPackedMatrix macierz(true, kolumny, n, static_cast<CoinBigIndex>(indeksy.size()),
                             jedynki.data(), indeksy.data(), poczatki.data(), dlugosci.data());
    std::vector<double> dol(static_cast<std::size_t>(n), 0.0),
        gora(static_cast<std::size_t>(n), 1.0);
    std::vector<double> cel(koszt.begin(), koszt.end());
    std::vector<double> popyt(static_cast<std::size_t>(kolumny), 1.0);
    std::vector<double> bezGranicy(static_cast<std::size_t>(kolumny), COIN_DBL_MAX);
    lp.setLogLevel(0);
    lp.scaling(0); // every coefficient is 1
    lp.loadProblem(macierz, dol.data(), gora.data(), cel.data(), popyt.data(), bezGranicy.data());
}

struct LpPokrycia::Model {
    ClpSimplex lp;
    std::function<bool()> przerwac;
    bool przerwano = false;
    int kolumny = 0;
    std::vector<unsigned char> wymagana; // each column's current demand
    std::vector<Wiersz> stany;
    bool rozwiazany = false;
    bool zBazy = false; // the first solve starts from a given basis
    long long iteracje = 0;
};

LpPokrycia::LpPokrycia(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
                       const std::vector<int>& koszt, const std::function<bool()>& przerwac)
    : m_(std::make_unique<Model>()) {
    ZaladujPokrycie(m_->lp, wiersze, kolumny, slowa, koszt);
    m_->przerwac = przerwac;
    ZatrzymanieClp z(&m_->przerwac, &m_->przerwano);
    m_->lp.passInEventHandler(&z);
    m_->kolumny = kolumny;
    m_->wymagana.assign(static_cast<std::size_t>(kolumny), 1);
    m_->stany.assign(koszt.size(), Wiersz::Wolny);
}

LpPokrycia::~LpPokrycia() = default;

void LpPokrycia::Wymagaj(const std::uint64_t* kolumny) {
    for (int c = 0; c < m_->kolumny; ++c) {
        const unsigned char w = kolumny[c / 64] >> (c % 64) & 1;
        if (w != m_->wymagana[static_cast<std::size_t>(c)]) {
            m_->wymagana[static_cast<std::size_t>(c)] = w;
            m_->lp.setRowLower(c, w ? 1.0 : 0.0);
        }
    }
}

void LpPokrycia::Ustaw(int wiersz, Wiersz stan) {
    auto& s = m_->stany[static_cast<std::size_t>(wiersz)];
    if (s == stan)
        return;
    s = stan;
    m_->lp.setColumnLower(wiersz, stan == Wiersz::Wlaczony ? 1.0 : 0.0);
    m_->lp.setColumnUpper(wiersz, stan == Wiersz::Wylaczony ? 0.0 : 1.0);
}

LpPokrycia::Wiersz LpPokrycia::Stan(int wiersz) const {
    return m_->stany[static_cast<std::size_t>(wiersz)];
}

LpPokrycia::Wynik LpPokrycia::Rozwiaz() {
    m_->przerwano = false;
    if (m_->przerwac && m_->przerwac())
        return Wynik::Przerwane;
    // Bounds changed since the last solve keep its basis dual feasible (costs never change).
    // Work areas and the factorisation are kept from one solve to the next.
    if (m_->rozwiazany) {
        m_->lp.dual(0, 7);
    } else if (m_->zBazy) {
        m_->lp.dual();
    } else {
        // The first solve, from nothing: presolved, and the method left to the solver (the
        // dual simplex from the slack basis is slow on the largest models).
        ClpSolve sposob;
        sposob.setPresolveType(ClpSolve::presolveOn);
        sposob.setSolveType(ClpSolve::automatic);
        m_->lp.initialSolve(sposob);
    }
    m_->rozwiazany = true;
    // What a solve ended with; nothing settled is numerical trouble.
    auto stan = [this]() -> std::optional<Wynik> {
        m_->iteracje += m_->lp.numberIterations();
        if (m_->przerwano)
            return Wynik::Przerwane;
        if (m_->lp.isProvenOptimal())
            return Wynik::Optimum;
        if (m_->lp.isProvenPrimalInfeasible())
            return Wynik::Niemozliwe;
        return std::nullopt;
    };
    if (const auto w = stan())
        return *w;
    // Numerical trouble: once more from the slack basis, with the primal simplex.
    m_->lp.allSlackBasis(true);
    m_->lp.primal(0, 1);
    return stan().value_or(Wynik::Blad);
}

double LpPokrycia::Wartosc() const {
    return m_->lp.objectiveValue();
}
const double* LpPokrycia::Wartosci() const {
    return m_->lp.primalColumnSolution();
}
const double* LpPokrycia::KosztyZredukowane() const {
    return m_->lp.dualColumnSolution();
}

const double* LpPokrycia::Ceny() const {
    return m_->lp.dualRowSolution();
}

std::vector<unsigned char> LpPokrycia::Baza() const {
    const unsigned char* s = m_->lp.statusArray();
    return {s, s + m_->lp.numberColumns() + m_->lp.numberRows()};
}

void LpPokrycia::Przywroc(const std::vector<unsigned char>& baza) {
    m_->lp.copyinStatus(baza.data());
    // The solver keeps its factorisation while told the basis is unchanged: it is not.
    m_->lp.setWhatsChanged(m_->lp.whatsChanged() & ~BASIS_SAME);
}

const unsigned char LpPokrycia::StanBazowy = ClpSimplex::basic;

void LpPokrycia::Zacznij(const std::vector<unsigned char>& baza) {
    if (m_->rozwiazany ||
        baza.size() != static_cast<std::size_t>(m_->lp.numberColumns() + m_->lp.numberRows()))
        return;
    // Only the status itself (the low three bits): the marks beside it belong to the solve
    // that made the basis.
    std::vector<unsigned char> stan(baza);
    for (unsigned char& s : stan)
        s &= 7;
    m_->lp.copyinStatus(stan.data());
    m_->zBazy = true;
}

double LpPokrycia::Probuj(int wiersz, Wiersz stan, int iteracje) {
    ClpSimplex& lp = m_->lp;
    const int n = lp.numberColumns(), k = lp.numberRows();
    // Everything the next solve or the caller reads of this optimum, to put back after.
    const std::vector<unsigned char> baza = Baza();
    const std::vector<double> x(lp.primalColumnSolution(), lp.primalColumnSolution() + n);
    const std::vector<double> y(lp.primalRowSolution(), lp.primalRowSolution() + k);
    const std::vector<double> ceny(lp.dualRowSolution(), lp.dualRowSolution() + k);
    const std::vector<double> d(lp.dualColumnSolution(), lp.dualColumnSolution() + n);
    const double wartosc = lp.objectiveValue();
    const Wiersz byl = Stan(wiersz);
    Ustaw(wiersz, stan);
    const int limit = lp.maximumIterations();
    lp.setMaximumIterations(iteracje);
    m_->przerwano = false;
    lp.dual(0, 7);
    m_->iteracje += lp.numberIterations();
    double wynik = lp.objectiveValue();
    if (lp.isProvenPrimalInfeasible())
        wynik = std::numeric_limits<double>::infinity();
    else if (!lp.isProvenOptimal() && !lp.isIterationLimitReached())
        wynik = wartosc; // stopped, or numerical trouble: nothing learnt
    lp.setMaximumIterations(limit);
    Ustaw(wiersz, byl);
    Przywroc(baza);
    std::copy(x.begin(), x.end(), lp.primalColumnSolution());
    std::copy(y.begin(), y.end(), lp.primalRowSolution());
    std::copy(ceny.begin(), ceny.end(), lp.dualRowSolution());
    std::copy(d.begin(), d.end(), lp.dualColumnSolution());
    lp.setObjectiveValue(wartosc);
    lp.setProblemStatus(0);
    return wynik;
}

long long LpPokrycia::Iteracje() const {
    return m_->iteracje;
}

} // namespace vyn

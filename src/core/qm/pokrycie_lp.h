// The linear relaxation of a covering problem: each row a variable between 0 and 1 paying its
// cost, each column a constraint that its rows sum to at least 1. One model is kept and
// re-solved as the caller changes which columns must be covered and which rows are fixed, so
// each solve starts from the basis of the one before (or one the caller saved).
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vyn {

// Room for the solver's rounding when a relaxation value is compared with whole costs.
inline constexpr double TolerancjaLp = 1e-4;

// The least whole cost not below a relaxation's value.
inline int CalaGranica(double wartosc) {
    return static_cast<int>(std::ceil(wartosc - TolerancjaLp));
}

class LpPokrycia {
  public:
    enum class Wynik { Optimum, Niemozliwe, Przerwane, Blad };
    enum class Wiersz : unsigned char { Wolny, Wylaczony, Wlaczony };

    // Rows are bit sets of `slowa` 64-bit words over `kolumny` columns, one after another.
    // `przerwac` is polled every few simplex iterations; a true answer ends the solve.
    LpPokrycia(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
               const std::vector<int>& koszt, const std::function<bool()>& przerwac);
    ~LpPokrycia();
    LpPokrycia(const LpPokrycia&) = delete;
    LpPokrycia& operator=(const LpPokrycia&) = delete;

    // Which columns must be covered (`slowa` words); the others are left free.
    void Wymagaj(const std::uint64_t* kolumny);
    void Ustaw(int wiersz, Wiersz stan);
    Wiersz Stan(int wiersz) const;

    Wynik Rozwiaz();
    double Wartosc() const;                  // after Optimum
    const double* Wartosci() const;          // each row's value, after Optimum
    const double* KosztyZredukowane() const; // each row's reduced cost, after Optimum
    const double* Ceny() const;              // each column's dual price, after Optimum
    std::vector<unsigned char> Baza() const; // to come back to with Przywroc
    void Przywroc(const std::vector<unsigned char>& baza);
    // The relaxation's value with row `wiersz` fixed to `stan`, after at most `iteracje` dual
    // simplex iterations from the optimum just found (an estimate when cut short; infinity when
    // the fixing leaves no cover). The model is left as it was, optimum and basis.
    double Probuj(int wiersz, Wiersz stan, int iteracje);
    // Before the first solve: starts it from `baza` (each row's status, then each column's,
    // as Baza gives them) instead of from nothing. The basis may come from a related model:
    // the solver mends what does not fit.
    void Zacznij(const std::vector<unsigned char>& baza);
    static const unsigned char StanBazowy; // a row or column in the basis
    long long Iteracje() const;

  private:
    struct Model;
    std::unique_ptr<Model> m_;
};

} // namespace vyn

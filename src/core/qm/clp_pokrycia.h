// What the relaxations on COIN-OR's CLP share: the covering model and the stop.
#pragma once

#include <ClpEventHandler.hpp>
#include <ClpSimplex.hpp>

#include <cstdint>
#include <functional>
#include <vector>

namespace vyn {

// Loads the covering relaxation: each row (a bit set of `slowa` 64-bit words over `kolumny`
// columns) a variable between 0 and 1 paying its cost, each column a constraint that its rows
// sum to at least 1.
void ZaladujPokrycie(ClpSimplex& lp, const std::vector<std::uint64_t>& wiersze, int kolumny,
                     int slowa, const std::vector<int>& koszt);

// Asks the caller whether to stop at the end of every few simplex iterations.
class ZatrzymanieClp : public ClpEventHandler {
  public:
    explicit ZatrzymanieClp(const std::function<bool()>* przerwac, bool* przerwano)
        : przerwac_(przerwac), przerwano_(przerwano) {}
    int event(Event e) override {
        if (e != endOfIteration || !*przerwac_ || ++licznik_ % 4)
            return -1;
        if ((*przerwac_)()) {
            *przerwano_ = true;
            return 0; // status 5: stopped by the handler
        }
        return -1;
    }
    ClpEventHandler* clone() const override { return new ZatrzymanieClp(*this); }

  private:
    const std::function<bool()>* przerwac_;
    bool* przerwano_;
    unsigned licznik_ = 0;
};

} // namespace vyn

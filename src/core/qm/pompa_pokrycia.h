// A feasibility pump for covers cheaper than the best known: rounds a relaxation point, then
// asks the relaxation for the point nearest to the rounding among those cheaper than the best
// cover, rounds that, and so on. Where the relaxation is degenerate (many points of the same
// value, none whole), a dive picks rows almost at random, while the pump walks towards a whole
// point of that value.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vyn {

class PompaPokrycia {
  public:
    // Rows are bit sets of `slowa` 64-bit words over `kolumny` columns, one after another;
    // `przerwac` is polled every few simplex iterations.
    PompaPokrycia(const std::vector<std::uint64_t>& wiersze, int kolumny, int slowa,
                  const std::vector<int>& koszt, const std::function<bool()>& przerwac);
    ~PompaPokrycia();
    PompaPokrycia(const PompaPokrycia&) = delete;
    PompaPokrycia& operator=(const PompaPokrycia&) = delete;

    // At most `kroki` rounds from the relaxation point `x`. Each rounding (the rows at 1) goes
    // to `sprawdz` with the point it came from; `sprawdz` makes a cover of it and answers with
    // the cost of the best cover known after that. Ends early once no point cheaper than the
    // best exists, or on a stop. Returns whether it was stopped.
    using Sprawdz = std::function<int(const std::vector<char>&, const std::vector<double>&)>;
    bool Pompuj(std::vector<double> x, int kroki, const Sprawdz& sprawdz);

  private:
    struct Model;
    std::unique_ptr<Model> m_;
};

} // namespace vyn

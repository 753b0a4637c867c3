// Polling the stop from long loops.
//
// A stage counts its work in units of roughly equal cost (a term expanded, a hash probe, a
// 64-bit word of a chart row, a pair of rows compared) and polls - pending events processed,
// then the abort flag read - only once a budget of units has accumulated. The budget is a few
// milliseconds of work, so a stop takes effect promptly, while the observer, which may do real
// work per call, is not called per unit.
#pragma once

#include "qm/obserwator.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <utility>

namespace vyn {

// Units between polls: at 10 to 50 ns a unit, about 0.7 to 3 ms of work.
inline constexpr std::size_t BudzetOdpytania = std::size_t{1} << 16;

class Odpytywanie {
  public:
    // Never polls: for stages run outside a minimisation.
    Odpytywanie() = default;
    Odpytywanie(ObserwatorPrzebiegu& obserwator, const FlagaPrzerwania& flaga,
                std::size_t budzet = BudzetOdpytania)
        : obserwator_(&obserwator), flaga_(&flaga), budzet_(budzet) {}
    // Polls through `odpytaj`, which processes events and answers whether to stop.
    explicit Odpytywanie(std::function<bool()> odpytaj, std::size_t budzet = BudzetOdpytania)
        : odpytaj_(std::move(odpytaj)), budzet_(budzet) {}

    // Counts `jednostki` units of work; true once a poll has found a stop requested.
    bool Praca(std::size_t jednostki = 1) {
        licznik_ += jednostki;
        return licznik_ >= budzet_ ? Odpytaj() : zatrzymano_;
    }

    // Polls now, whatever has been counted. A stop once found stays found.
    bool Odpytaj() {
        const std::size_t praca = std::exchange(licznik_, 0);
        if (obserwator_) {
            obserwator_->Odpytanie(praca);
            obserwator_->PrzetworzZdarzenia();
            zatrzymano_ = zatrzymano_ || flaga_->Ustawiona();
        } else {
            zatrzymano_ = (odpytaj_ && odpytaj_()) || zatrzymano_;
        }
        return zatrzymano_;
    }

  private:
    ObserwatorPrzebiegu* obserwator_ = nullptr;
    const FlagaPrzerwania* flaga_ = nullptr;
    std::function<bool()> odpytaj_;
    std::size_t budzet_ = std::numeric_limits<std::size_t>::max();
    std::size_t licznik_ = 0;
    bool zatrzymano_ = false;
};

} // namespace vyn

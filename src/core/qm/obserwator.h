// How a minimisation run talks to whoever shows it: the progress interface and the abort flag.
//
// The run calls the observer at the points where the progress dialog changes (stage text,
// gauge, details rows, the search's labels) and at every point where pending events would be
// processed; right after such a point it reads the abort flag. The flag may be set from
// another thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>

namespace vyn {

class FlagaPrzerwania {
  public:
    void Ustaw() { ustawiona_.store(true, std::memory_order_relaxed); }
    void Wyczysc() { ustawiona_.store(false, std::memory_order_relaxed); }
    bool Ustawiona() const { return ustawiona_.load(std::memory_order_relaxed); }

  private:
    std::atomic<bool> ustawiona_{false};
};

class ObserwatorPrzebiegu {
  public:
    virtual ~ObserwatorPrzebiegu() = default;
    virtual void Etap(const std::string& /*tekst*/) {}      // the stage text
    virtual void Postep(int /*wartosc*/) {}                 // the gauge, 0..100
    virtual void Szczegol(const std::string& /*wiersz*/) {} // a details row "n N C"
    virtual void Etykieta(int /*nr*/, const std::string& /*t*/) {
    }                                                       // labels 2 ("liter: "),
                                                            // 3 ("grup: "), 4 ("minimalnych: ")
    virtual void Komunikat(const std::string& /*tekst*/) {} // a message box
    virtual void KanonicznaGotowa(const std::string& /*literowa*/,
                                  const std::string& /*dziesietna*/) {}
    // The don't-care part's canonical form; called only for a function that has one.
    virtual void ObojetneGotowe(const std::string& /*literowa*/,
                                const std::string& /*dziesietna*/) {}
    virtual void ImplikantyGotowe(const std::string& /*proste*/) {}
    // While the cover search runs: the cost of the best whole form found so far (letters +
    // groups, essential part included) and the best proven lower bound on the least cost;
    // called whenever either improves.
    virtual void Oszacowanie(int /*koszt*/, int /*granica*/) {}
    // A point where pending events are processed; an observer may raise the flag here.
    virtual void PrzetworzZdarzenia() {}
    // Right before a poll of a stage's work loop (see odpytywanie.h): the units of work
    // counted since the previous one.
    virtual void Odpytanie(std::size_t /*jednostki*/) {}
};

} // namespace vyn

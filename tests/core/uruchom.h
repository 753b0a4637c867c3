// Runs the whole engine on a function the way the program does, for tests.
#pragma once

#include "qm/kodowanie.h"
#include "qm/przebieg.h"

#include <string>
#include <vector>

namespace testy {

// Records everything a run reports, in order.
struct Zapis : vyn::ObserwatorPrzebiegu {
    std::vector<std::string> Etapy;
    std::vector<int> Wskaznik;
    std::vector<std::string> Szczegoly;
    std::vector<std::string> Etykiety[5];
    std::vector<std::string> Komunikaty;
    void Etap(const std::string& t) override {
        if (Etapy.empty() || Etapy.back() != t)
            Etapy.push_back(t);
    }
    void Postep(int w) override { Wskaznik.push_back(w); }
    void Szczegol(const std::string& w) override { Szczegoly.push_back(w); }
    void Etykieta(int nr, const std::string& t) override { Etykiety[nr].push_back(t); }
    void Komunikat(const std::string& t) override { Komunikaty.push_back(t); }
};

inline vyn::WynikMinimalizacji Uruchom(const std::string& f,
                                       vyn::TrybKodowania tryb = vyn::TrybKodowania::Rosnaco,
                                       const std::string& litery = "") {
    const bool dziesietny = !f.empty() && f[0] >= '0' && f[0] <= '9';
    auto k = vyn::UstalKodowanie(tryb, f, dziesietny, litery);
    Zapis z;
    vyn::FlagaPrzerwania flaga;
    return vyn::Minimalizuj({f, dziesietny, k.Kodowanie}, z, flaga);
}

} // namespace testy

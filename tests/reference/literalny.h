// A literal transcription of the engine's rules, for differential tests only: fixed-capacity
// 1-based word lists ended by the first entry without the present flag, every pair i < j in
// the table pass, linear duplicate searches, a byte chart, the double-loop sorts and the plain
// recursive search. Slow on purpose; the product must give identical output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ref {

// One literal table pass over 1-based lists (entry 0 unused). Returns false when the
// destination reached its capacity.
bool TablicaPomocnicza(int n, std::vector<std::uint32_t>& V, std::vector<std::uint32_t>& M,
                       std::vector<std::uint32_t>& V2, std::vector<std::uint32_t>& M2,
                       std::vector<std::uint32_t>& prosteW, std::vector<std::uint32_t>& prosteM,
                       int& licznikProstych, std::string& wiersz, std::size_t pojemnosc);

struct Wynik {
    std::string KanonicznaLiterowa;
    std::string KanonicznaDziesietna;
    std::vector<std::string> Szczegoly;
    std::string ProsteImplikanty;
    std::string ImplikantyIstotne;
    std::vector<std::string> PostacieMinimalne;
    int DolnaGranica = 0;
    bool Obcieto = false;
};

// The whole run without progress or abort. With `naprawionaGranica` false the search keeps
// the rule that covers shorter than DolnaGranica are never tested.
Wynik Minimalizuj(const std::string& funkcja, bool dziesietny, const std::string& kodowanie,
                  bool naprawionaGranica = true, std::size_t pojemnosc = 100000,
                  std::size_t maksPostaci = 1000);

} // namespace ref

// Fuzzes the engine on small functions of up to 8 letters, in both notations and all three letter
// orders, with a lowered forms limit and stops at random points; every run must satisfy the
// properties of tests/core/qm/wlasnosci.h (the literal rules compared up to 6 letters).
#include "qm/kodowanie.h"
#include "reguly.h"
#include "wlasnosci.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace vyn;

namespace {

std::string Funkcja(FuzzedDataProvider& we, bool dziesietna, const std::string& litery) {
    const int l = static_cast<int>(litery.size());
    const std::size_t maksDlugosc = l <= 6 ? 64 : 24;
    std::string f;
    while (f.size() < maksDlugosc && we.remaining_bytes() > 0) {
        const auto b = we.ConsumeIntegral<std::uint8_t>();
        if (dziesietna) {
            if (b < 200) {
                f += std::to_string(we.ConsumeIntegralInRange<std::uint32_t>(0, (1u << l) - 1));
                f += ',';
            } else if (b < 225) {
                f += ','; // separators side by side or first
            } else if (b < 250) {
                f += '0'; // a leading zero
            } else {
                f += std::to_string(1u << l); // one past what the letters name: refused
            }
        } else if (b < 200) {
            const char c = litery[b % static_cast<unsigned>(l)];
            f += (b / l) % 2 ? static_cast<char>(c - 'A' + 'a') : c;
        } else if (b < 250) {
            f += '+';
        } else {
            f += b % 2 ? '*' : 'Q'; // a foreign character, or a letter outside a user's order
        }
    }
    if (dziesietna && we.ConsumeBool() && !f.empty())
        f.pop_back(); // no trailing comma
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    FuzzedDataProvider we(dane, rozmiar);
    const bool dziesietna = we.ConsumeBool();
    const int l = we.ConsumeIntegralInRange(1, 8);
    const int tryb = we.ConsumeIntegralInRange(0, 2);
    // L distinct letters from anywhere in the alphabet.
    std::string alfabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < l; ++i)
        std::swap(alfabet[static_cast<std::size_t>(i)],
                  alfabet[static_cast<std::size_t>(we.ConsumeIntegralInRange(i, 25))]);
    const std::string litery = alfabet.substr(0, static_cast<std::size_t>(l));
    const std::size_t maks = we.ConsumeBool() ? MaksPostaci : we.ConsumeIntegralInRange(1, 4);
    const int przerwijPo =
        we.ConsumeIntegralInRange(0, 3) == 0 ? we.ConsumeIntegralInRange(0, 8) : -1;

    ZadanieMinimalizacji z;
    z.Funkcja = Funkcja(we, dziesietna, litery);
    z.TrybDziesietny = dziesietna;
    z.MaksPostaci = maks;
    if (tryb == 2) {
        z.Kodowanie = litery; // the user's order, whatever the function holds
    } else {
        const auto k = UstalKodowanie(tryb ? TrybKodowania::Malejaco : TrybKodowania::Rosnaco,
                                      z.Funkcja, dziesietna, "");
        fuzz::Sprawdz(!k.Blad, "kodowanie odrzuciło liczby", z.Funkcja);
        z.Kodowanie = k.Kodowanie;
    }
    FlagaPrzerwania flaga;
    wlasnosci::Obserwator obserwator(flaga, przerwijPo);
    const auto w = Minimalizuj(z, obserwator, flaga);
    const std::string blad = wlasnosci::BladPrzebiegu(z, w, obserwator, 6);
    fuzz::Sprawdz(blad.empty(), blad, z.Funkcja);
    return 0;
}

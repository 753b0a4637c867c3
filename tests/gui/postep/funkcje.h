// Functions the run tests minimise, and helpers to build a task and read the run's signals.
#pragma once

#include "engine/przebieg_w_tle.h"
#include "kodowanie.h"
#include "weryfikacja.h"

#include <QSignalSpy>
#include <QTest>
#include <string>

namespace testy {

// 128 random minterms of 8 variables: the tables take a moment, the search runs for minutes
// and records hundreds of equal-cost forms within its first second.
inline constexpr const char* FunkcjaDluga =
    "0,2,3,4,5,6,7,8,9,12,15,17,18,19,21,23,27,28,29,32,33,37,40,41,42,43,45,46,47,48,51,53,54,"
    "55,56,57,58,63,64,65,66,68,69,71,74,75,76,78,79,82,84,87,88,91,93,98,101,105,106,107,109,"
    "110,114,115,116,117,121,123,124,127,129,130,132,134,135,137,138,139,140,141,145,146,147,149,"
    "153,155,156,159,162,163,165,167,168,172,173,179,180,182,185,190,193,196,201,202,204,205,207,"
    "208,209,210,211,213,216,217,220,221,222,231,233,235,237,240,241,242,244,247,250,255";

// 64 random minterms of 7 variables: a short search that records dozens of forms.
inline constexpr const char* FunkcjaWieluPostaci =
    "2,4,5,8,10,12,13,17,20,21,24,25,26,27,30,32,34,36,37,41,42,43,44,47,48,49,51,54,55,62,63,"
    "64,65,68,70,72,73,75,78,79,81,85,86,87,88,90,91,99,100,101,103,105,108,111,112,113,115,116,"
    "117,118,121,122,125,127";

// The task as the main window builds it, with the letters in ascending order.
inline vyn::ZadanieMinimalizacji Zadanie(const std::string& funkcja, bool dziesietna) {
    vyn::ZadanieMinimalizacji z;
    z.Funkcja = funkcja;
    z.TrybDziesietny = dziesietna;
    z.Kodowanie =
        vyn::UstalKodowanie(vyn::TrybKodowania::Rosnaco, funkcja, dziesietna, "").Kodowanie;
    return z;
}

// The first arguments of every emission, in order.
template <class T> QList<T> Wartosci(const QSignalSpy& spy) {
    QList<T> w;
    for (const auto& e : spy)
        w.append(e.at(0).value<T>());
    return w;
}

inline vyn::WynikMinimalizacji Wynik(const QSignalSpy& zakonczono) {
    return zakonczono.last().at(0).value<vyn::WynikMinimalizacji>();
}

// Every form must be the function: the same minterms, nothing more.
inline void SprawdzPostacie(const vyn::ZadanieMinimalizacji& z, const vyn::WynikMinimalizacji& w) {
    const auto mintermy = vyn::MintermyFunkcji(z.Funkcja, z.TrybDziesietny, w.Kodowanie);
    for (const auto& postac : w.PostacieMinimalne) {
        const auto blad = vyn::SprawdzPostac(postac, w.Kodowanie, mintermy);
        QVERIFY2(!blad, (postac + ": " + blad.value_or("")).c_str());
    }
}

} // namespace testy

// Functions the run tests minimise, and helpers to build a task and read the run's signals.
#pragma once

#include "engine/przebieg_w_tle.h"
#include "qm/kodowanie.h"
#include "qm/weryfikacja.h"

#include <QSignalSpy>
#include <QTest>
#include <string>

namespace testy {

// 192 random minterms of 8 variables: its cyclic core takes the search most of a minute,
// while a first cover (shown as a form found so far) is known within a second.
inline constexpr const char* FunkcjaDluga =
    "216,79,75,139,157,140,251,14,135,32,194,20,61,164,212,161,66,207,64,142,43,78,252,222,160,24"
    "3,51,112,188,244,67,19,2,89,69,55,165,103,108,249,215,176,195,21,33,229,221,145,162,13,214,1"
    "13,85,163,83,8,35,97,95,132,38,92,22,98,0,182,246,124,127,72,16,217,171,68,63,10,209,213,122"
    ",70,60,190,117,219,202,137,231,192,136,48,218,59,167,123,93,178,198,187,106,153,220,224,166,"
    "47,241,151,41,45,206,116,191,141,181,179,228,82,57,129,118,25,77,96,11,232,36,238,30,223,120"
    ",147,9,154,104,86,84,205,203,146,237,185,31,155,240,174,200,148,15,39,150,227,211,110,34,54,"
    "52,204,149,119,109,26,114,111,91,169,65,254,201,4,234,180,199,208,53,138,94,46,197,115,184,6"
    "2,255,88,250,186,248,125,29,50,74,170,105,81";

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

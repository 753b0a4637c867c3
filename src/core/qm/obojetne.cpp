// Expanding the two parts, taking the don't-cares out of the required part, and dropping the
// primes that only cover don't-cares.
#include "qm/obojetne.h"

#include "qm/pojemnosc.h"
#include "qm/slowo.h"
#include "text/funkcja.h"

#include <algorithm>
#include <bit>

namespace vyn {

namespace {

std::vector<std::string_view> Kawalki(std::string_view tekst, char separator) {
    std::vector<std::string_view> wynik;
    if (tekst.empty())
        return wynik;
    std::size_t poczatek = 0;
    while (true) {
        const std::size_t koniec = tekst.find(separator, poczatek);
        wynik.push_back(tekst.substr(poczatek, koniec - poczatek));
        if (koniec == std::string_view::npos)
            return wynik;
        poczatek = koniec + 1;
    }
}

std::string Polacz(const std::vector<std::string_view>& kawalki, char separator) {
    std::string wynik;
    for (std::string_view k : kawalki) {
        wynik += k;
        wynik.push_back(separator);
    }
    if (!wynik.empty())
        wynik.pop_back();
    return wynik;
}

// Drops the minterms found in `obojetne` (sorted values) from the canonical form. Entry i of
// the decimal text is minterm i; the letter text runs the other way on the letter path.
void UsunObojetne(PostacKanoniczna& k, bool trybDziesietny,
                  const std::vector<std::uint32_t>& obojetne) {
    auto jestObojetny = [&](std::uint32_t slowo) {
        return std::binary_search(obojetne.begin(), obojetne.end(), slowo & MaskaWartosci);
    };
    if (std::none_of(k.Mintermy.begin(), k.Mintermy.end(), jestObojetny))
        return;
    const auto dziesietne = Kawalki(k.KanonicznaDziesietna, ',');
    const auto literowe = Kawalki(k.KanonicznaLiterowa, '+');
    const std::size_t n = k.Mintermy.size();
    std::vector<std::uint32_t> mintermy;
    std::vector<std::string_view> noweDziesietne, noweLiterowe;
    for (std::size_t i = 0; i < n; ++i) {
        if (jestObojetny(k.Mintermy[i]))
            continue;
        mintermy.push_back(k.Mintermy[i]);
        noweDziesietne.push_back(dziesietne[i]);
    }
    for (std::size_t j = 0; j < n; ++j)
        if (!jestObojetny(k.Mintermy[trybDziesietny ? j : n - 1 - j]))
            noweLiterowe.push_back(literowe[j]);
    k.KanonicznaDziesietna = Polacz(noweDziesietne, ',');
    k.KanonicznaLiterowa = Polacz(noweLiterowe, '+');
    k.Mintermy = std::move(mintermy);
}

} // namespace

std::optional<std::string> TworzKanonicznaZObojetnymi(std::string_view funkcja, bool trybDziesietny,
                                                      std::string_view kodowanie,
                                                      KanonicznaZObojetnymi& wynik,
                                                      Odpytywanie* odpytywanie,
                                                      std::size_t pojemnosc) {
    wynik = KanonicznaZObojetnymi{};
    const auto czesci = PodzielFunkcje(funkcja);
    if (auto blad = TworzKanoniczna(czesci.Wymagana, trybDziesietny, kodowanie, wynik.Wymagane,
                                    odpytywanie, pojemnosc))
        return blad;
    if (czesci.Obojetna.empty() || wynik.Wymagane.Przerwano)
        return std::nullopt;
    auto blad = TworzKanoniczna(czesci.Obojetna, trybDziesietny, kodowanie, wynik.Obojetne,
                                odpytywanie, pojemnosc);
    if (blad || wynik.Obojetne.Przerwano) {
        wynik = KanonicznaZObojetnymi{};
        wynik.Wymagane.Przerwano = !blad;
        return blad;
    }
    std::vector<std::uint32_t> obojetne;
    obojetne.reserve(wynik.Obojetne.Mintermy.size());
    for (std::uint32_t m : wynik.Obojetne.Mintermy)
        obojetne.push_back(m & MaskaWartosci);
    std::sort(obojetne.begin(), obojetne.end());
    obojetne.erase(std::unique(obojetne.begin(), obojetne.end()), obojetne.end());
    wynik.IloscObojetnych = static_cast<int>(obojetne.size());
    UsunObojetne(wynik.Wymagane, trybDziesietny, obojetne);
    if (wynik.Wymagane.Mintermy.size() + wynik.Obojetne.Mintermy.size() > pojemnosc) {
        wynik = KanonicznaZObojetnymi{};
        return KomunikatMintermow(pojemnosc);
    }
    return std::nullopt;
}

int PominProsteObojetne(ListaProstych& proste, const std::vector<std::uint32_t>& mintermy) {
    std::vector<std::uint32_t> wymagane;
    wymagane.reserve(mintermy.size());
    for (std::uint32_t m : mintermy)
        wymagane.push_back(m & MaskaWartosci);
    std::sort(wymagane.begin(), wymagane.end());
    wymagane.erase(std::unique(wymagane.begin(), wymagane.end()), wymagane.end());
    auto pokrywa = [&](std::uint32_t wartosc, std::uint32_t maska) {
        const std::uint32_t baza = wartosc & MaskaWartosci & ~maska;
        // Whichever is shorter: the prime's own minterms or the required list.
        if (static_cast<std::size_t>(std::popcount(maska)) < 31 &&
            (std::size_t{1} << std::popcount(maska)) <= wymagane.size()) {
            std::uint32_t pod = 0;
            do {
                if (std::binary_search(wymagane.begin(), wymagane.end(), baza | pod))
                    return true;
                pod = (pod - maska) & maska;
            } while (pod != 0);
            return false;
        }
        return std::any_of(wymagane.begin(), wymagane.end(),
                           [&](std::uint32_t m) { return (m & ~maska) == baza; });
    };
    ListaProstych zostaja;
    for (std::size_t i = 0; i < proste.Wartosci.size(); ++i) {
        if (!pokrywa(proste.Wartosci[i], proste.Maski[i]))
            continue;
        zostaja.Wartosci.push_back(proste.Wartosci[i]);
        zostaja.Maski.push_back(proste.Maski[i]);
    }
    const int pominiete = static_cast<int>(proste.Wartosci.size() - zostaja.Wartosci.size());
    // The index is not needed once the passes are over.
    proste.Wartosci = std::move(zostaja.Wartosci);
    proste.Maski = std::move(zostaja.Maski);
    return pominiete;
}

} // namespace vyn

// Minterms of a function text, and the exact comparison of a form with them.
#include "qm/weryfikacja.h"

#include "text/funkcja.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace vyn {

namespace {

struct Kostka {
    std::uint32_t Wartosc = 0;
    std::uint32_t Wolne = 0; // bits of the variables the term does not name
};

// Bit of each letter A..Z in the encoding, -1 for a letter it lacks: looked up per letter of
// forms that may hold a hundred thousand terms.
struct BityLiter {
    int Bit[26];
    explicit BityLiter(std::string_view kodowanie) {
        std::fill(std::begin(Bit), std::end(Bit), -1);
        const int l = static_cast<int>(kodowanie.size());
        for (int p = 0; p < l; ++p) {
            const unsigned char c =
                static_cast<unsigned char>(kodowanie[static_cast<std::size_t>(p)]);
            if (c >= 'A' && c <= 'Z')
                Bit[c - 'A'] = l - 1 - p;
        }
    }
};

// A term's cube; nothing when a letter is foreign to the encoding or repeated.
std::optional<Kostka> CzytajSkladnik(std::string_view skladnik, int l, const BityLiter& bity) {
    Kostka k;
    k.Wolne = l >= 32 ? ~0u : (1u << l) - 1;
    for (char c : skladnik) {
        const int wielka = std::toupper(static_cast<unsigned char>(c));
        if (wielka < 'A' || wielka > 'Z' || bity.Bit[wielka - 'A'] < 0)
            return std::nullopt;
        const std::uint32_t bit = 1u << bity.Bit[wielka - 'A'];
        if (!(k.Wolne & bit))
            return std::nullopt;
        k.Wolne &= ~bit;
        if (c >= 'A' && c <= 'Z')
            k.Wartosc |= bit;
    }
    return k;
}

template <class F> void DlaMintermow(const Kostka& k, F&& f) {
    std::uint32_t pod = 0;
    do {
        if (!f(k.Wartosc | pod))
            return;
        pod = (pod - k.Wolne) & k.Wolne;
    } while (pod != 0);
}

std::vector<std::string_view> Podziel(std::string_view tekst, char separator) {
    std::vector<std::string_view> wynik;
    std::size_t poczatek = 0;
    while (true) {
        const std::size_t koniec = tekst.find(separator, poczatek);
        wynik.push_back(tekst.substr(poczatek, koniec == std::string_view::npos
                                                   ? std::string_view::npos
                                                   : koniec - poczatek));
        if (koniec == std::string_view::npos)
            return wynik;
        poczatek = koniec + 1;
    }
}

} // namespace

namespace {

std::vector<std::uint32_t> MintermyCzesci(std::string_view funkcja, bool trybDziesietny,
                                          std::string_view kodowanie) {
    std::vector<std::uint32_t> wynik;
    if (trybDziesietny) {
        std::vector<LiczbaDziesietna> liczby;
        CzytajLiczby(funkcja, liczby);
        for (const auto& l : liczby)
            wynik.push_back(static_cast<std::uint32_t>(l.Wartosc));
    } else {
        // Trailing "+" add no group; an empty group anywhere else is the constant 1.
        std::string_view tekst = funkcja;
        if (tekst.find_first_not_of('+') != std::string_view::npos)
            while (tekst.back() == '+')
                tekst.remove_suffix(1);
        const BityLiter bity(kodowanie);
        for (std::string_view grupa : Podziel(tekst, '+')) {
            const auto k = CzytajSkladnik(grupa, static_cast<int>(kodowanie.size()), bity);
            if (!k)
                continue;
            DlaMintermow(*k, [&](std::uint32_t m) {
                wynik.push_back(m);
                return true;
            });
        }
    }
    std::sort(wynik.begin(), wynik.end());
    wynik.erase(std::unique(wynik.begin(), wynik.end()), wynik.end());
    return wynik;
}

} // namespace

std::vector<std::uint32_t> MintermyFunkcji(std::string_view funkcja, bool trybDziesietny,
                                           std::string_view kodowanie) {
    const auto czesci = PodzielFunkcje(funkcja);
    auto wynik = MintermyCzesci(czesci.Wymagana, trybDziesietny, kodowanie);
    if (czesci.Obojetna.empty())
        return wynik;
    const auto obojetne = MintermyCzesci(czesci.Obojetna, trybDziesietny, kodowanie);
    std::erase_if(wynik, [&](std::uint32_t m) {
        return std::binary_search(obojetne.begin(), obojetne.end(), m);
    });
    return wynik;
}

std::vector<std::uint32_t> ObojetneFunkcji(std::string_view funkcja, bool trybDziesietny,
                                           std::string_view kodowanie) {
    const auto czesci = PodzielFunkcje(funkcja);
    if (czesci.Obojetna.empty())
        return {};
    return MintermyCzesci(czesci.Obojetna, trybDziesietny, kodowanie);
}

std::optional<std::string> SprawdzPostac(std::string_view postac, std::string_view kodowanie,
                                         const std::vector<std::uint32_t>& mintermy) {
    return SprawdzPostac(postac, kodowanie, mintermy, {});
}

std::optional<std::string> SprawdzPostac(std::string_view postac, std::string_view kodowanie,
                                         const std::vector<std::uint32_t>& mintermy,
                                         const std::vector<std::uint32_t>& obojetne) {
    const int l = static_cast<int>(kodowanie.size());
    const std::uint64_t wszystkie = std::uint64_t{1} << l;
    auto obojetny = [&](std::uint32_t m) {
        return std::binary_search(obojetne.begin(), obojetne.end(), m);
    };
    if (postac == "1") {
        // Required and don't-care minterms are disjoint here only when the caller made them so;
        // count the space they leave out instead.
        std::uint64_t objete = mintermy.size();
        for (std::uint32_t m : obojetne)
            if (!std::binary_search(mintermy.begin(), mintermy.end(), m))
                ++objete;
        if (objete == wszystkie)
            return std::nullopt;
        return std::string("postać 1, a funkcja nie jest stale prawdziwa");
    }
    std::vector<char> pokryty(mintermy.size(), 0);
    const BityLiter bity(kodowanie);
    for (std::string_view skladnik : Podziel(postac, '+')) {
        const auto k = CzytajSkladnik(skladnik, l, bity);
        if (!k || skladnik.empty())
            return "nieprawidłowy składnik '" + std::string(skladnik) + "'";
        std::optional<std::string> blad;
        DlaMintermow(*k, [&](std::uint32_t m) {
            const auto it = std::lower_bound(mintermy.begin(), mintermy.end(), m);
            if (it == mintermy.end() || *it != m) {
                if (obojetny(m))
                    return true;
                blad = "składnik " + std::string(skladnik) + " obejmuje minterm " +
                       std::to_string(m) + ", którego funkcja nie ma";
                return false;
            }
            pokryty[static_cast<std::size_t>(it - mintermy.begin())] = 1;
            return true;
        });
        if (blad)
            return blad;
    }
    for (std::size_t i = 0; i < mintermy.size(); ++i)
        if (!pokryty[i])
            return "minterm " + std::to_string(mintermy[i]) + " nie jest pokryty";
    return std::nullopt;
}

} // namespace vyn

// Expanding the groups into minterms, or taking the typed numbers.
#include "qm/kanoniczna.h"

#include "granice.h"
#include "qm/pojemnosc.h"
#include "qm/slowo.h"
#include "text/funkcja.h"

#include <cctype>

namespace vyn {

const char* const KomunikatZbytWieluMintermow =
    "Postać kanoniczna funkcji ma więcej niż 100000 składników";

namespace {

void DopiszLiczbe(std::string& tekst, std::uint32_t liczba) {
    tekst += std::to_string(liczba);
    tekst.push_back(',');
}

std::optional<std::string> SciezkaLiterowa(std::string_view funkcja, std::string_view kodowanie,
                                           PostacKanoniczna& wynik, Odpytywanie& odp,
                                           std::size_t pojemnosc) {
    const int l = static_cast<int>(kodowanie.size());
    int bitLitery[26];
    for (int i = 0; i < 26; ++i)
        bitLitery[i] = -1;
    for (int p = 0; p < l; ++p)
        bitLitery[kodowanie[static_cast<std::size_t>(p)] - 'A'] = l - 1 - p;

    // Kept minterms in order of first appearance; a bitmap of all 2^L numbers spots repeats.
    std::vector<std::uint32_t> kolejnosc;
    std::vector<std::uint64_t> widziany((std::size_t{1} << l) / 64 + 1, 0);

    const int grupy = PoliczGrupy(funkcja);
    std::size_t pozycja = 0;
    for (int g = 0; g < grupy; ++g) {
        std::size_t koniec = funkcja.find('+', pozycja);
        if (koniec == std::string_view::npos)
            koniec = funkcja.size();
        const std::string_view grupa = funkcja.substr(pozycja, koniec - pozycja);
        pozycja = koniec + 1;

        std::uint32_t ustalone = 0, wartosc = 0;
        for (char c : grupa) {
            const int bit = bitLitery[std::toupper(static_cast<unsigned char>(c)) - 'A'];
            ustalone |= 1u << bit;
            if (c >= 'A' && c <= 'Z')
                wartosc |= 1u << bit;
        }
        // Missing bits, most significant first: the expansion counts through them upwards.
        int brakujace[26];
        int m = 0;
        for (int bit = l - 1; bit >= 0; --bit)
            if (!(ustalone & (1u << bit)))
                brakujace[m++] = bit;
        // Every minterm of one group is distinct, so a group this large is refused unseen.
        if (m >= 31 || (std::size_t{1} << m) > pojemnosc)
            return KomunikatMintermow(pojemnosc);
        const std::uint32_t ile = 1u << m;
        for (std::uint32_t k = 0; k < ile; ++k) {
            std::uint32_t v = wartosc;
            for (int i = 0; i < m; ++i)
                if (k & (1u << (m - 1 - i)))
                    v |= 1u << brakujace[i];
            std::uint64_t& slowo = widziany[v / 64];
            const std::uint64_t bit = std::uint64_t{1} << (v % 64);
            // A repeat costs as much as a new term: count it before the test.
            if (odp.Praca()) {
                wynik.Przerwano = true;
                return std::nullopt;
            }
            if (slowo & bit)
                continue;
            slowo |= bit;
            kolejnosc.push_back(v);
            if (kolejnosc.size() > pojemnosc)
                return KomunikatMintermow(pojemnosc);
        }
    }

    wynik.KanonicznaLiterowa.reserve(kolejnosc.size() * (static_cast<std::size_t>(l) + 1));
    for (std::uint32_t v : kolejnosc) {
        if (odp.Praca(static_cast<std::size_t>(l))) {
            wynik.Przerwano = true;
            return std::nullopt;
        }
        wynik.KanonicznaLiterowa += SkladnikNaLitery(kodowanie, v, 0);
        wynik.KanonicznaLiterowa.push_back('+');
    }
    if (!wynik.KanonicznaLiterowa.empty())
        wynik.KanonicznaLiterowa.pop_back();

    // The decimal text is read from the letter text backwards.
    wynik.Mintermy.reserve(kolejnosc.size());
    for (auto it = kolejnosc.rbegin(); it != kolejnosc.rend(); ++it) {
        if (odp.Praca(8)) {
            wynik.Przerwano = true;
            return std::nullopt;
        }
        wynik.Mintermy.push_back(*it | FlagaObecnosci);
        DopiszLiczbe(wynik.KanonicznaDziesietna, *it);
    }
    if (!wynik.KanonicznaDziesietna.empty())
        wynik.KanonicznaDziesietna.pop_back();
    return std::nullopt;
}

std::optional<std::string> SciezkaDziesietna(std::string_view funkcja, std::string_view kodowanie,
                                             PostacKanoniczna& wynik, Odpytywanie& odp,
                                             std::size_t pojemnosc) {
    std::vector<LiczbaDziesietna> liczby;
    if (auto blad = CzytajLiczby(funkcja, liczby))
        return blad;
    if (liczby.size() > pojemnosc)
        return KomunikatMintermow(pojemnosc);
    wynik.Mintermy.reserve(liczby.size());
    for (const auto& liczba : liczby) {
        if (odp.Praca(kodowanie.size())) {
            wynik.Przerwano = true;
            return std::nullopt;
        }
        const auto v = static_cast<std::uint32_t>(liczba.Wartosc);
        wynik.KanonicznaLiterowa += SkladnikNaLitery(kodowanie, v, 0);
        wynik.KanonicznaLiterowa.push_back('+');
        wynik.Mintermy.push_back(v | FlagaObecnosci);
        wynik.KanonicznaDziesietna += liczba.Cyfry;
        wynik.KanonicznaDziesietna.push_back(',');
    }
    if (!wynik.KanonicznaLiterowa.empty())
        wynik.KanonicznaLiterowa.pop_back();
    if (!wynik.KanonicznaDziesietna.empty())
        wynik.KanonicznaDziesietna.pop_back();
    return std::nullopt;
}

} // namespace

std::optional<std::string> TworzKanoniczna(std::string_view funkcja, bool trybDziesietny,
                                           std::string_view kodowanie, PostacKanoniczna& wynik,
                                           Odpytywanie* odpytywanie, std::size_t pojemnosc) {
    wynik = PostacKanoniczna{};
    Odpytywanie bez;
    Odpytywanie& odp = odpytywanie ? *odpytywanie : bez;
    std::optional<std::string> blad =
        trybDziesietny ? SciezkaDziesietna(funkcja, kodowanie, wynik, odp, pojemnosc)
                       : SciezkaLiterowa(funkcja, kodowanie, wynik, odp, pojemnosc);
    if (blad || wynik.Przerwano) {
        const bool przerwano = !blad && wynik.Przerwano;
        wynik = PostacKanoniczna{};
        wynik.Przerwano = przerwano;
    }
    return blad;
}

} // namespace vyn

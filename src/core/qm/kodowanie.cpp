// Building the encoding and checking the order typed in the encoding dialog.
#include "qm/kodowanie.h"

#include "granice.h"
#include "text/funkcja.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace vyn {

namespace {

constexpr std::string_view Alfabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

constexpr std::array<std::string_view, 31> Slowa = {"zero",
                                                    "jeden",
                                                    "dwa",
                                                    "trzy",
                                                    "cztery",
                                                    "pięć",
                                                    "sześć",
                                                    "siedem",
                                                    "osiem",
                                                    "dziewięć",
                                                    "dziesięć",
                                                    "jedenaście",
                                                    "dwanaście",
                                                    "trzynaście",
                                                    "czternaście",
                                                    "piętnaście",
                                                    "szesnaście",
                                                    "siedemnaście",
                                                    "osiemnaście",
                                                    "dziewiętnaście",
                                                    "dwadzieścia",
                                                    "dwadzieścia jeden",
                                                    "dwadzieścia dwa",
                                                    "dwadzieścia trzy",
                                                    "dwadzieścia cztery",
                                                    "dwadzieścia pięć",
                                                    "dwadzieścia sześć",
                                                    "dwadzieścia siedem",
                                                    "dwadzieścia osiem",
                                                    "dwadzieścia dziewięć",
                                                    "trzydzieśći"};

std::string Wielkimi(std::string_view tekst) {
    std::string wynik(tekst);
    for (char& c : wynik)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return wynik;
}

std::string KodowanieLiterowe(TrybKodowania tryb, std::string_view funkcja) {
    std::array<bool, 26> jest{};
    for (char c : funkcja) {
        const char w = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (w >= 'A' && w <= 'Z')
            jest[static_cast<std::size_t>(w - 'A')] = true;
    }
    std::string wynik;
    for (std::size_t i = 0; i < 26; ++i)
        if (jest[i])
            wynik.push_back(Alfabet[i]);
    if (tryb == TrybKodowania::Malejaco)
        std::reverse(wynik.begin(), wynik.end());
    return wynik;
}

} // namespace

WynikKodowania UstalKodowanie(TrybKodowania tryb, std::string_view funkcja, bool trybDziesietny,
                              std::string_view tekstUzytkownika) {
    WynikKodowania wynik;
    if (tryb == TrybKodowania::Uzytkownika) {
        wynik.Kodowanie = Wielkimi(tekstUzytkownika);
        return wynik;
    }
    if (!trybDziesietny) {
        wynik.Kodowanie = KodowanieLiterowe(tryb, funkcja);
        return wynik;
    }
    // The don't-care numbers need letters as much as the function's own.
    const auto czesci = PodzielFunkcje(funkcja);
    if (czesci.Obojetna.find(SeparatorObojetnych) != std::string_view::npos) {
        wynik.Blad = KomunikatDrugiSrednik;
        return wynik;
    }
    std::vector<LiczbaDziesietna> liczby, obojetne;
    if (auto blad = CzytajLiczby(czesci.Wymagana, liczby)) {
        wynik.Blad = blad;
        return wynik;
    }
    if (auto blad = CzytajLiczby(czesci.Obojetna, obojetne)) {
        wynik.Blad = blad;
        return wynik;
    }
    liczby.insert(liczby.end(), obojetne.begin(), obojetne.end());
    std::uint64_t najwieksza = 0;
    for (const auto& l : liczby)
        najwieksza = std::max(najwieksza, l.Wartosc);
    // The least b with 2^b - 1 >= n; a lone 0 still needs one letter.
    int bity = 0;
    while (bity < MaksLiter && ((std::uint64_t{1} << bity) - 1) < najwieksza)
        ++bity;
    if (!liczby.empty() && bity == 0)
        bity = 1;
    wynik.Kodowanie = std::string(Alfabet.substr(0, static_cast<std::size_t>(bity)));
    if (tryb == TrybKodowania::Malejaco)
        std::reverse(wynik.Kodowanie.begin(), wynik.Kodowanie.end());
    return wynik;
}

std::string LiczbaSlownie(int n) {
    if (n >= 0 && n < static_cast<int>(Slowa.size()))
        return std::string(Slowa[static_cast<std::size_t>(n)]);
    return std::to_string(n);
}

ZatwierdzenieKodowania ZatwierdzKodowanie(std::string_view t, std::string_view r,
                                          bool trybUzytkownika, bool funkcjaDziesietna) {
    ZatwierdzenieKodowania wynik;
    const int ile = static_cast<int>(r.size());
    if (t.size() == r.size()) {
        wynik.ZmienNapis = true;
        if (!funkcjaDziesietna) {
            for (char c : r)
                if (t.find(c) == std::string_view::npos) {
                    wynik.Ostrzezenie = "Nie wszystkie litery występują w równaniu funkcji\n"
                                        "Wybierz spośród " +
                                        std::string(r);
                    return wynik;
                }
        } else if (trybUzytkownika) {
            // A decimal function takes any letters, but only distinct letters A..Z can name
            // bits: anything else would make every term unreadable.
            std::array<bool, 26> jest{};
            for (char c : t) {
                if (c < 'A' || c > 'Z' || jest[static_cast<std::size_t>(c - 'A')]) {
                    wynik.Ostrzezenie = "Litery kodujące muszą być różnymi literami od A do Z.";
                    return wynik;
                }
                jest[static_cast<std::size_t>(c - 'A')] = true;
            }
        }
        return wynik;
    }
    if (trybUzytkownika) {
        if (t.size() > r.size() && !r.empty())
            wynik.Ostrzezenie =
                "Zbyt dużo liter kodujących.\nFunkcja wymaga ich tylko " + LiczbaSlownie(ile) + ".";
        else if (t.size() < r.size())
            wynik.Ostrzezenie =
                "Za mało liter kodujących.\nFunkcja wymaga ich " + LiczbaSlownie(ile) + ".";
        return wynik;
    }
    wynik.Ostrzezenie = "Zbyt mało liter.\nPowinno ich być " + LiczbaSlownie(ile) + ".";
    return wynik;
}

} // namespace vyn

// Counting, the group test, number reading and the input check of the function text.
#include "text/funkcja.h"

#include "granice.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vyn {

const char* const KomunikatZakresu = "Przekroczony zakres liczb umożliwiający poprawne "
                                     "zakodowanie. Maksymalna wartość to 67108863";

namespace {

bool JestLitera(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool JestCyfra(char c) {
    return c >= '0' && c <= '9';
}
char Wielka(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

int PoliczGrupy(std::string_view tekst) {
    if (tekst.empty())
        return 0;
    int ile = 0;
    for (std::size_t i = 0; i + 1 < tekst.size(); ++i) {
        const char c = tekst[i];
        const char nastepny = tekst[i + 1];
        if ((c == '+' && nastepny != '+') || (c == ',' && nastepny != ','))
            ++ile;
    }
    return ile + 1;
}

bool LiteraWGrupie(std::string_view tekst, char litera, int pozycja) {
    if (tekst.empty())
        return false;
    const char wielka = Wielka(litera);
    auto pasuje = [&](char c) { return c != '+' && Wielka(c) == wielka; };
    const int dlugosc = static_cast<int>(tekst.size());
    for (int i = pozycja - 1; i >= 0 && i < dlugosc && tekst[i] != '+'; --i)
        if (pasuje(tekst[i]))
            return true;
    for (int i = pozycja; i >= 0 && i < dlugosc && tekst[i] != '+'; ++i)
        if (pasuje(tekst[i]))
            return true;
    return false;
}

int PoliczLitery(std::string_view tekst) {
    int ile = 0;
    for (char c : tekst)
        if (JestLitera(c))
            ++ile;
    return ile;
}

std::string NieJestLiczba(std::string_view tekst) {
    return "'" + std::string(tekst) + "' is not a valid integer value";
}

std::optional<std::string> CzytajLiczby(std::string_view tekst,
                                        std::vector<LiczbaDziesietna>& liczby) {
    liczby.clear();
    std::size_t i = 0;
    while (i < tekst.size()) {
        if (tekst[i] == ',') {
            ++i;
            continue;
        }
        std::size_t koniec = tekst.find(',', i);
        if (koniec == std::string_view::npos)
            koniec = tekst.size();
        const std::string_view kawalek = tekst.substr(i, koniec - i);
        LiczbaDziesietna liczba;
        liczba.Cyfry = kawalek;
        for (char c : kawalek) {
            if (!JestCyfra(c))
                return NieJestLiczba(kawalek);
            // Saturate long before overflow: anything this large is refused anyway.
            if (liczba.Wartosc < (std::uint64_t{1} << 40))
                liczba.Wartosc = liczba.Wartosc * 10 + static_cast<std::uint64_t>(c - '0');
        }
        liczby.push_back(liczba);
        i = koniec;
    }
    return std::nullopt;
}

namespace {

std::optional<std::string> SprawdzKodowanie(std::string_view kodowanie) {
    if (kodowanie.size() > static_cast<std::size_t>(MaksLiter))
        return "Kodowanie " + std::string(kodowanie) + " ma więcej niż 26 liter";
    std::array<bool, 26> jest{};
    for (char c : kodowanie) {
        if (c < 'A' || c > 'Z')
            return "Kodowanie " + std::string(kodowanie) +
                   " może składać się tylko z wielkich liter A-Z";
        if (jest[static_cast<std::size_t>(c - 'A')])
            return "Litera " + std::string(1, c) + " powtarza się w kodowaniu " +
                   std::string(kodowanie);
        jest[static_cast<std::size_t>(c - 'A')] = true;
    }
    return std::nullopt;
}

std::optional<std::string> SprawdzLiterowa(std::string_view funkcja, std::string_view kodowanie) {
    if (auto blad = SprawdzGrupy(funkcja))
        return blad;
    if (auto blad = SprawdzKodowanie(kodowanie))
        return blad;
    if (kodowanie.empty())
        return std::string("Funkcja nie zawiera żadnej litery");
    for (char c : funkcja)
        if (c != '+' && kodowanie.find(Wielka(c)) == std::string_view::npos)
            return "Litera " + std::string(1, Wielka(c)) + " nie występuje w kodowaniu " +
                   std::string(kodowanie);
    return std::nullopt;
}

std::optional<std::string> SprawdzDziesietna(std::string_view funkcja, std::string_view kodowanie) {
    std::vector<LiczbaDziesietna> liczby;
    if (auto blad = SprawdzZakres(funkcja, &liczby))
        return blad;
    if (liczby.empty())
        return std::string("Funkcja nie zawiera żadnej liczby");
    std::uint64_t najwieksza = 0;
    for (const auto& l : liczby)
        najwieksza = std::max(najwieksza, l.Wartosc);
    if (auto blad = SprawdzKodowanie(kodowanie))
        return blad;
    if (kodowanie.empty())
        return std::string("Kodowanie jest puste");
    const std::uint64_t granica = (std::uint64_t{1} << kodowanie.size()) - 1;
    if (najwieksza > granica)
        return "Liczba " + std::to_string(najwieksza) + " wymaga więcej liter niż ma kodowanie " +
               std::string(kodowanie) + " (największa możliwa to " + std::to_string(granica) + ")";
    return std::nullopt;
}

} // namespace

int IloscZnakow(std::string_view tekst) {
    return static_cast<int>(
        std::count_if(tekst.begin(), tekst.end(), [](char c) { return c != '+' && c != ','; }));
}

std::optional<std::string> SprawdzZakres(std::string_view tekst,
                                         std::vector<LiczbaDziesietna>* liczby) {
    std::vector<LiczbaDziesietna> wlasne;
    if (!liczby)
        liczby = &wlasne;
    if (auto blad = CzytajLiczby(tekst, *liczby))
        return blad;
    for (const auto& l : *liczby)
        if (l.Wartosc > MaksLiczba)
            return std::string(KomunikatZakresu);
    return std::nullopt;
}

std::optional<std::string> SprawdzGrupy(std::string_view funkcja) {
    for (char c : funkcja)
        if (!JestLitera(c) && c != '+')
            return "Niedozwolony znak '" + std::string(1, c) + "' w funkcji";
    if (funkcja.find("++") != std::string_view::npos)
        return std::string("Dwa znaki '+' obok siebie w funkcji");
    std::size_t poczatek = 0;
    while (poczatek <= funkcja.size()) {
        std::size_t koniec = funkcja.find('+', poczatek);
        if (koniec == std::string_view::npos)
            koniec = funkcja.size();
        const std::string_view grupa = funkcja.substr(poczatek, koniec - poczatek);
        std::array<bool, 26> jest{};
        for (char c : grupa) {
            const auto k = static_cast<std::size_t>(Wielka(c) - 'A');
            if (jest[k])
                return "Symbol " + std::string(1, Wielka(c)) + " powtarza się w grupie " +
                       std::string(grupa);
            jest[k] = true;
        }
        poczatek = koniec + 1;
    }
    return std::nullopt;
}

std::optional<std::string> SprawdzFunkcje(std::string_view funkcja, bool trybDziesietny,
                                          std::string_view kodowanie) {
    if (trybDziesietny)
        return SprawdzDziesietna(funkcja, kodowanie);
    return SprawdzLiterowa(funkcja, kodowanie);
}

} // namespace vyn

// The Halor map import: header lines, map size, Gray-code cell numbers.
#include "files/halor.h"

#include "text/funkcja.h"

namespace vyn {

namespace {

bool JestCyfra(char c) {
    return c >= '0' && c <= '9';
}

// Line 2 as a whole number: blanks around it and a sign are allowed, nothing else.
std::optional<long long> CzytajCalkowita(std::string_view tekst) {
    const auto pierwszy = tekst.find_first_not_of(" \t");
    if (pierwszy == std::string_view::npos)
        return std::nullopt;
    tekst = tekst.substr(pierwszy, tekst.find_last_not_of(" \t") - pierwszy + 1);
    bool ujemna = false;
    if (tekst.front() == '+' || tekst.front() == '-') {
        ujemna = tekst.front() == '-';
        tekst.remove_prefix(1);
    }
    if (tekst.empty())
        return std::nullopt;
    long long wartosc = 0;
    for (char c : tekst) {
        if (!JestCyfra(c))
            return std::nullopt;
        if (wartosc < 1'000'000'000) // anything larger is out of range all the same
            wartosc = wartosc * 10 + (c - '0');
    }
    return ujemna ? -wartosc : wartosc;
}

// "znak", "znaki" or "znaków" after a number, as Polish agrees them.
std::string Znaki(int n) {
    if (n == 1)
        return "1 znak";
    const int jednosci = n % 10;
    const int dziesiatki = n % 100;
    const bool kilka = jednosci >= 2 && jednosci <= 4 && (dziesiatki < 12 || dziesiatki > 14);
    return std::to_string(n) + (kilka ? " znaki" : " znaków");
}

} // namespace

std::optional<std::string> ImportujHalor(const std::vector<std::string>& linie, PlikFunkcji& plik) {
    auto linia = [&](std::size_t nr) -> std::string_view {
        return nr <= linie.size() && nr <= MaksLiniiHalora ? std::string_view(linie[nr - 1])
                                                           : std::string_view();
    };

    const auto n = CzytajCalkowita(linia(2));
    if (!n)
        return NieJestLiczba(linia(2));
    if (*n < 1 || *n > 10)
        return "Mapa Halora może mieć od 1 do 10 zmiennych, a plik podaje " + std::to_string(*n);

    int wiersze = 0;
    int kolumny = 0;
    const int polowa = 1 << (*n / 2);
    if (*n % 2 == 0) {
        wiersze = kolumny = polowa;
    } else {
        const auto orientacja = linia(3);
        if (orientacja == "poziome" || orientacja == "Poziome") {
            wiersze = polowa;
            kolumny = 2 * polowa;
        } else if (orientacja == "pionowe" || orientacja == "Pionowe") {
            kolumny = polowa;
            wiersze = 2 * polowa;
        } else {
            return "Nieznana orientacja mapy Halora '" + std::string(orientacja) +
                   "' (linia 3 pliku): dla nieparzystej liczby zmiennych musi to być "
                   "poziome albo pionowe";
        }
    }

    std::string funkcja;
    for (int r = 0; r < wiersze; ++r) {
        const auto wiersz = linia(4 + static_cast<std::size_t>(r));
        // A short row would silently read as zeros: the map is refused instead.
        if (wiersz.size() < static_cast<std::size_t>(kolumny))
            return "Mapa Halora jest niepełna: wiersz " + std::to_string(r + 1) + " (linia " +
                   std::to_string(4 + r) + " pliku) powinien mieć " + Znaki(kolumny) + ", a ma " +
                   std::to_string(wiersz.size());
        for (int c = 0; c < kolumny; ++c)
            if (wiersz[static_cast<std::size_t>(c)] == '1') {
                funkcja += std::to_string(KodGraya[static_cast<std::size_t>(r)] * kolumny +
                                          KodGraya[static_cast<std::size_t>(c)]);
                funkcja += ',';
            }
    }
    if (!funkcja.empty())
        funkcja.pop_back();

    PlikFunkcji nowy;
    nowy.TrybDziesietny = true;
    nowy.IloscLiter = IloscZnakow(funkcja);
    nowy.Funkcja = std::move(funkcja);
    plik = std::move(nowy);
    return std::nullopt;
}

std::optional<std::string> CzytajPlikHalora(std::string_view bajty, PlikFunkcji& plik) {
    return ImportujHalor(CzytajLinie(bajty, MaksLiniiHalora), plik);
}

} // namespace vyn

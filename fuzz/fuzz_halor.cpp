// Fuzzes the Halor import: any file, or any list of lines, gives either a message (and leaves
// the function as it was) or a decimal function holding each marked cell of the map once.
#include "files/halor.h"
#include "reguly.h"
#include "text/funkcja.h"

#include <cstdint>
#include <set>
#include <vector>

using namespace vyn;

namespace {

// N of line 2 as the import accepted it: blanks around, an optional sign, digits.
int LiczbaZmiennych(const std::string& linia) {
    int n = 0;
    for (char c : linia)
        if (fuzz::Cyfra(c))
            n = n * 10 + (c - '0');
    return n;
}

// Lines split at LF only: lines may hold CR, 1Ah or anything else, and there may be more than 50.
std::vector<std::string> Linie(std::string_view bajty) {
    std::vector<std::string> linie(1);
    for (char c : bajty) {
        if (c == '\n')
            linie.emplace_back();
        else
            linie.back().push_back(c);
    }
    return linie;
}

void SprawdzImport(const std::vector<std::string>& linie, const std::optional<std::string>& blad,
                   const PlikFunkcji& plik, const PlikFunkcji& wzor) {
    if (blad) {
        fuzz::Sprawdz(!blad->empty(), "pusty komunikat błędu");
        fuzz::Sprawdz(plik.Funkcja == wzor.Funkcja && plik.TrybDziesietny == wzor.TrybDziesietny &&
                          plik.IloscLiter == wzor.IloscLiter,
                      "odrzucona mapa zmieniła funkcję", *blad);
        return;
    }
    const std::string& f = plik.Funkcja;
    fuzz::Sprawdz(plik.TrybDziesietny, "mapa dała zapis literowy", f);
    const std::string zla = fuzz::BladNotacji(f, true);
    fuzz::Sprawdz(zla.empty(), "funkcja z mapy łamie zapis: " + zla, f);
    fuzz::Sprawdz(f.empty() || (f.front() != ',' && f.back() != ','),
                  "przecinek na brzegu funkcji z mapy", f);
    fuzz::Sprawdz(plik.IloscLiter == fuzz::Znaki(f), "IloscLiter nie zgadza się z tekstem", f);

    fuzz::Sprawdz(linie.size() >= 2, "mapa bez linii 2 przyjęta", f);
    const int n = LiczbaZmiennych(linie[1]);
    fuzz::Sprawdz(n >= 1 && n <= 10, "przyjęta liczba zmiennych poza 1..10", linie[1]);
    std::vector<LiczbaDziesietna> liczby;
    fuzz::Sprawdz(!CzytajLiczby(f, liczby), "funkcja z mapy nie jest liczbami", f);
    std::set<std::uint64_t> rozne;
    for (const auto& l : liczby) {
        fuzz::Sprawdz(l.Wartosc < (1u << n), "minterm spoza mapy", f);
        fuzz::Sprawdz(l.Cyfry.size() == 1 || l.Cyfry[0] != '0', "zero wiodące", f);
        fuzz::Sprawdz(rozne.insert(l.Wartosc).second, "komórka mapy wzięta dwa razy", f);
    }

    // One number per "1" in the map's R rows of C cells.
    const int polowa = 1 << (n / 2);
    int wiersze = polowa, kolumny = polowa;
    if (n % 2) {
        const bool poziome = linie.size() >= 3 && (linie[2] == "poziome" || linie[2] == "Poziome");
        wiersze = poziome ? polowa : 2 * polowa;
        kolumny = poziome ? 2 * polowa : polowa;
    }
    std::size_t jedynki = 0;
    for (int r = 0; r < wiersze; ++r) {
        const std::size_t nr = 3 + static_cast<std::size_t>(r);
        fuzz::Sprawdz(nr < linie.size() && nr < MaksLiniiHalora, "przyjęta mapa bez wiersza", f);
        fuzz::Sprawdz(linie[nr].size() >= static_cast<std::size_t>(kolumny),
                      "przyjęty krótki wiersz mapy", linie[nr]);
        for (int c = 0; c < kolumny; ++c)
            jedynki += linie[nr][static_cast<std::size_t>(c)] == '1';
    }
    fuzz::Sprawdz(liczby.size() == jedynki, "liczba mintermów inna niż liczba jedynek mapy", f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    if (rozmiar == 0)
        return 0;
    const std::string_view bajty(reinterpret_cast<const char*>(dane + 1), rozmiar - 1);
    const PlikFunkcji wzor{"A+b", false, 2};
    PlikFunkcji plik = wzor;
    // The first byte picks a whole file (lines as the reader cuts them) or a list of lines.
    if (dane[0] & 1) {
        const auto linie = Linie(bajty);
        SprawdzImport(linie, ImportujHalor(linie, plik), plik, wzor);
    } else {
        SprawdzImport(CzytajLinie(bajty, MaksLiniiHalora), CzytajPlikHalora(bajty, plik), plik,
                      wzor);
    }
    return 0;
}

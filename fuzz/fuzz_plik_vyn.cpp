// Fuzzes the .vyn reader: any bytes give either a message (and leave the function as it was) or
// a well-formed function that saves and reads back unchanged and that a run accepts.
#include "files/plik_vyn.h"
#include "qm/kodowanie.h"
#include "reguly.h"
#include "text/funkcja.h"

#include <cstdint>

using namespace vyn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    if (rozmiar == 0)
        return 0;
    // The first byte picks the reading command, the rest is the file.
    const auto regula =
        (dane[0] & 1) ? RegulaCzyszczenia::WierszPolecen : RegulaCzyszczenia::Otwieranie;
    const std::string_view bajty(reinterpret_cast<const char*>(dane + 1), rozmiar - 1);

    const PlikFunkcji wzor{"nietknięta", true, 7};
    PlikFunkcji plik = wzor;
    const auto blad = CzytajPlikFunkcji(bajty, regula, plik);
    if (blad) {
        fuzz::Sprawdz(!blad->empty(), "pusty komunikat błędu");
        for (char c : *blad)
            fuzz::Sprawdz(c == '\t' || static_cast<unsigned char>(c) >= 0x20,
                          "znak sterujący w komunikacie", *blad);
        fuzz::Sprawdz(plik.Funkcja == wzor.Funkcja && plik.TrybDziesietny == wzor.TrybDziesietny &&
                          plik.IloscLiter == wzor.IloscLiter,
                      "odrzucony plik zmienił funkcję", *blad);
        return 0;
    }

    const std::string& f = plik.Funkcja;
    const std::string zla = fuzz::BladNotacji(f, plik.TrybDziesietny);
    fuzz::Sprawdz(zla.empty(), "przyjęta funkcja łamie zapis: " + zla, f);
    fuzz::Sprawdz(plik.IloscLiter == fuzz::Znaki(f), "IloscLiter nie zgadza się z tekstem", f);
    // The Open command's reading is the extension-based reader's for a .vyn name.
    if (regula == RegulaCzyszczenia::Otwieranie) {
        PlikFunkcji przez_nazwe;
        fuzz::Sprawdz(!CzytajFunkcjeZPliku("a/b.c/funkcja.vyn", bajty, przez_nazwe),
                      "odczyt po rozszerzeniu odrzucił plik", f);
        fuzz::Sprawdz(przez_nazwe.Funkcja == f, "odczyt po rozszerzeniu dał inną funkcję", f);
    }

    // What Save writes reads back as the same function, by either command.
    for (auto r : {RegulaCzyszczenia::Otwieranie, RegulaCzyszczenia::WierszPolecen}) {
        PlikFunkcji znowu;
        const auto b = CzytajPlikFunkcji(ZapisPlikuFunkcji(f), r, znowu);
        fuzz::Sprawdz(!b, "zapisana funkcja nie daje się odczytać: " + b.value_or(""), f);
        fuzz::Sprawdz(znowu.Funkcja == f, "odczyt zapisu zmienił funkcję", f);
        fuzz::Sprawdz(znowu.TrybDziesietny == plik.TrybDziesietny || f.empty(),
                      "odczyt zapisu zmienił zapis funkcji", f);
    }

    // A loaded function with anything to minimise (in its required part) is never refused by the
    // run's check for its form: only the range of a number may still be refused there.
    if (f.substr(0, f.find(';')).find_first_not_of(",+") != std::string::npos) {
        const auto k = UstalKodowanie(TrybKodowania::Rosnaco, f, plik.TrybDziesietny, "");
        fuzz::Sprawdz(!k.Blad, "kodowanie odrzuciło wczytaną funkcję", f);
        const auto przebieg = SprawdzFunkcje(f, plik.TrybDziesietny, k.Kodowanie);
        fuzz::Sprawdz(!przebieg, "przebieg odrzuci wczytaną funkcję: " + przebieg.value_or(""), f);
    }
    return 0;
}

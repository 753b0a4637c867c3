// Fuzzes the formula editor with random sequences of keys, mouse presses and resizes: after each
// step the text is well formed by its notation's rules, the letter count matches it, the cursor
// stays within the text, its column equals its place plus the view's offset and stays in the
// view, and a refused key changes nothing.
#include "geometry/uklad.h"
#include "reguly.h"
#include "text/edytor.h"
#include "text/funkcja.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace vyn;

namespace {

// The keys a user can press: every key the editor names (0x67 is keypad 7) and a few it does not.
using namespace Klawisz;
constexpr int Klawisze[] = {'A',   'B',       'C',       'D',      'Z',          '0',     '1',
                            '5',   '9',       Spacja,    NumPlus,  NumPrzecinek, Srednik, Num0,
                            0x67,  Backspace, Backspace, Lewo,     Prawo,        Home,    End,
                            Enter, Delete,    Ctrl,      CapsLock, Tab,          Gora,    F1,
                            0xBB,  0xBC,      0xBE,      0xFF,     Nieznany};

bool TenSam(const StanEdytora& a, const StanEdytora& b) {
    return a.Funkcja == b.Funkcja && a.TrybDziesietny == b.TrybDziesietny &&
           a.PozycjaKursora == b.PozycjaKursora && a.KolumnaKursora == b.KolumnaKursora &&
           a.PrzesuniecieWidoku == b.PrzesuniecieWidoku && a.SzerokoscWidoku == b.SzerokoscWidoku &&
           a.TrybPrzewijania == b.TrybPrzewijania && a.IloscLiter == b.IloscLiter;
}

void SprawdzStan(const StanEdytora& s) {
    const std::string& f = s.Funkcja;
    const int dlugosc = static_cast<int>(f.size());
    fuzz::Sprawdz(s.PozycjaKursora >= 0 && s.PozycjaKursora <= dlugosc, "kursor poza tekstem", f);
    fuzz::Sprawdz(s.KolumnaKursora == s.PozycjaKursora + s.PrzesuniecieWidoku,
                  "KolumnaKursora != PozycjaKursora + PrzesuniecieWidoku", f);
    fuzz::Sprawdz(s.KolumnaKursora <= s.SzerokoscWidoku, "kolumna kursora poza widokiem", f);
    const std::string zla = fuzz::BladNotacji(f, s.TrybDziesietny);
    fuzz::Sprawdz(zla.empty(), "tekst łamie zapis: " + zla, f);
    fuzz::Sprawdz(s.IloscLiter == fuzz::Znaki(f), "IloscLiter nie zgadza się z tekstem", f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    FuzzedDataProvider wejscie(dane, rozmiar);
    StanEdytora s;
    // The view's width as a resize leaves it (a tiny window gives none at all).
    ZmienSzerokoscWidoku(s, wejscie.ConsumeIntegralInRange(0, 45));
    for (int krok = 0; krok < 4000 && wejscie.remaining_bytes() > 0; ++krok) {
        const auto rodzaj = wejscie.ConsumeIntegralInRange(0, 31);
        if (rodzaj == 0) {
            // A press in the function pane, anywhere from left of it to past its end.
            const int x = wejscie.ConsumeIntegralInRange(-30, 700);
            UmiescKursor(s, x, wejscie.ConsumeIntegralInRange(7, 26));
        } else if (rodzaj == 1) {
            // A resize of the window: a new pane width in cells of the current font.
            const int szerokoscZnaku = wejscie.ConsumeIntegralInRange(7, 26);
            ZmienSzerokoscWidoku(
                s, SzerokoscWidokuDla(wejscie.ConsumeIntegralInRange(-150, 1400), szerokoscZnaku));
        } else {
            const int kod = wejscie.PickValueInArray(Klawisze);
            const bool shift = wejscie.ConsumeBool();
            const StanEdytora przed = s;
            const WynikKlawisza w = NacisnijKlawisz(s, kod, shift);
            const bool odmowa =
                w.Komunikat == KomunikatPlus || w.Komunikat == KomunikatPowtorzenie ||
                w.Komunikat == KomunikatZakresu || w.Komunikat == KomunikatSrednikSeparator ||
                w.Komunikat == KomunikatDrugiSrednik || w.Komunikat == KomunikatSrednikNaPoczatku ||
                w.Komunikat.find("i wśród stanów obojętnych") != std::string::npos;
            if (odmowa)
                fuzz::Sprawdz(TenSam(przed, s) && !w.Przebuduj && !w.Minimalizuj,
                              "odmówiony klawisz coś zmienił", s.Funkcja);
            if (w.Notacja)
                fuzz::Sprawdz(przed.Funkcja.empty() && s.Funkcja.size() == 1 &&
                                  *w.Notacja == s.TrybDziesietny,
                              "zmiana zapisu nie przy pierwszym znaku", s.Funkcja);
            if (w.WyczyscNotacje)
                fuzz::Sprawdz(s.Funkcja.empty(), "etykieta zapisu czyszczona przy tekście",
                              przed.Funkcja);
            if (!przed.Funkcja.empty() && !s.Funkcja.empty())
                fuzz::Sprawdz(przed.TrybDziesietny == s.TrybDziesietny,
                              "zapis zmienił się przy niepustym tekście", s.Funkcja);
            if (kod == Klawisz::Enter && !odmowa)
                fuzz::Sprawdz(w.Minimalizuj, "Enter nie uruchamia minimalizacji", s.Funkcja);
        }
        SprawdzStan(s);
    }
    return 0;
}

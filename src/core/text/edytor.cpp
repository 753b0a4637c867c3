// The formula editor's key and mouse handling over the function text and its view.
#include "text/edytor.h"

#include "text/funkcja.h"
#include "zaokraglenie.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vyn {

namespace {

bool JestLitera(int kod) {
    return kod >= 'A' && kod <= 'Z';
}
bool JestCyfra(int kod) {
    return kod >= '0' && kod <= '9';
}

// Step 2 of a key: the keys that stand for a character of the text.
int Przetlumacz(int kod) {
    if (kod == Klawisz::Spacja || kod == Klawisz::NumPlus)
        return '+';
    if (kod >= Klawisz::Num0 && kod <= Klawisz::Num0 + 9)
        return '0' + (kod - Klawisz::Num0);
    if (kod == Klawisz::NumPrzecinek)
        return ',';
    if (kod == Klawisz::Srednik)
        return SeparatorObojetnych;
    return kod;
}

int Dlugosc(const StanEdytora& s) {
    return static_cast<int>(s.Funkcja.size());
}

char ZnakPrzed(const StanEdytora& s) {
    return s.PozycjaKursora > 0 ? s.Funkcja[static_cast<std::size_t>(s.PozycjaKursora - 1)] : '\0';
}

char ZnakZa(const StanEdytora& s) {
    return s.PozycjaKursora < Dlugosc(s) ? s.Funkcja[static_cast<std::size_t>(s.PozycjaKursora)]
                                         : '\0';
}

void Wstaw(StanEdytora& s, char znak) {
    s.Funkcja.insert(static_cast<std::size_t>(s.PozycjaKursora), 1, znak);
    ++s.PozycjaKursora;
    ++s.KolumnaKursora;
}

// Whether the character at `pozycja` (from 0) lies in the don't-care part.
bool WCzesciObojetnej(const StanEdytora& s, int pozycja) {
    const auto p = s.Funkcja.find(SeparatorObojetnych);
    return p != std::string::npos && static_cast<int>(p) < pozycja;
}

// A letter or a digit: past the right edge the view scrolls by one and stays scrolled.
void WstawZnak(StanEdytora& s, char znak) {
    if (!WCzesciObojetnej(s, s.PozycjaKursora))
        ++s.IloscLiter;
    Wstaw(s, znak);
    if (s.KolumnaKursora > s.SzerokoscWidoku) {
        --s.PrzesuniecieWidoku;
        s.TrybPrzewijania = true;
    }
}

// A separator: never two side by side, never right after ";" (the function part may end with
// one, as a whole text may).
void WstawSeparator(StanEdytora& s, char separator) {
    if (ZnakPrzed(s) == separator || ZnakZa(s) == separator || ZnakPrzed(s) == SeparatorObojetnych)
        return;
    Wstaw(s, separator);
    if (s.KolumnaKursora > s.SzerokoscWidoku) {
        --s.PrzesuniecieWidoku;
        s.KolumnaKursora = s.SzerokoscWidoku;
        s.TrybPrzewijania = true;
    }
}

// Whether deleting the "+" before the cursor would join two groups that share a letter.
bool GrupyMajaWspolnaLitere(const StanEdytora& s) {
    for (int i = s.PozycjaKursora - 2;
         i >= 0 && s.Funkcja[static_cast<std::size_t>(i)] != '+' &&
         s.Funkcja[static_cast<std::size_t>(i)] != SeparatorObojetnych;
         --i)
        if (LiteraWGrupie(s.Funkcja, s.Funkcja[static_cast<std::size_t>(i)], s.PozycjaKursora))
            return true;
    return false;
}

void UsunPrzedKursorem(StanEdytora& s, WynikKlawisza& w) {
    if (s.Funkcja.size() == 1)
        w.WyczyscNotacje = true;
    const char usuwany = ZnakPrzed(s);
    if (usuwany != '+' && usuwany != ',' && usuwany != SeparatorObojetnych &&
        !WCzesciObojetnej(s, s.PozycjaKursora - 1))
        --s.IloscLiter;
    s.Funkcja.erase(static_cast<std::size_t>(s.PozycjaKursora - 1), 1);
    if (s.TrybPrzewijania && s.PrzesuniecieWidoku == 0 && Dlugosc(s) == s.SzerokoscWidoku)
        s.TrybPrzewijania = false;
    --s.PozycjaKursora;
    if (s.KolumnaKursora > 0)
        --s.KolumnaKursora;
    else
        ++s.PrzesuniecieWidoku;
}

// Backspace keeps the text well formed: it does not join two groups that share a letter, and a
// group (or number) deleted down to nothing goes together with the separator before it.
//
// With a don't-care part: ";" never comes first and no separator follows it, so the first
// don't-care number or group deleted takes its separator along; deleting ";" itself joins the
// two groups beside it, refused when they share a letter.
void Backspace(StanEdytora& s, WynikKlawisza& w) {
    if (s.PozycjaKursora == 0)
        return;
    const char przed = ZnakPrzed(s);
    if (!s.TrybDziesietny && (przed == '+' || przed == SeparatorObojetnych) &&
        GrupyMajaWspolnaLitere(s)) {
        w.Komunikat = KomunikatPowtorzenie;
        return;
    }
    const auto srednik = s.Funkcja.find(SeparatorObojetnych);
    if (srednik == 1 && s.PozycjaKursora == 1) {
        w.Komunikat = KomunikatSrednikNaPoczatku;
        return;
    }
    UsunPrzedKursorem(s, w);
    const char separator = s.TrybDziesietny ? ',' : '+';
    if (ZnakPrzed(s) == separator && ZnakZa(s) == separator)
        UsunPrzedKursorem(s, w);
    if (ZnakPrzed(s) == SeparatorObojetnych && ZnakZa(s) == separator)
        s.Funkcja.erase(static_cast<std::size_t>(s.PozycjaKursora), 1);
    if (srednik != std::string::npos) // the letters of the don't-care part may have joined
        s.IloscLiter = IloscZnakow(PodzielFunkcje(s.Funkcja).Wymagana);
    w.Przebuduj = true;
}

// ";" once, after a non-empty function and not before a separator.
bool Srednik(StanEdytora& s, WynikKlawisza& w) {
    if (s.Funkcja.find(SeparatorObojetnych) != std::string::npos) {
        w.Komunikat = KomunikatDrugiSrednik;
        return false;
    }
    if (s.PozycjaKursora == 0) {
        w.Komunikat = KomunikatSrednikNaPoczatku;
        return false;
    }
    const char separator = s.TrybDziesietny ? ',' : '+';
    if (ZnakZa(s) == separator) {
        w.Komunikat = KomunikatSrednikSeparator;
        return false;
    }
    std::string proba = s.Funkcja;
    proba.insert(static_cast<std::size_t>(s.PozycjaKursora), 1, SeparatorObojetnych);
    if (auto blad = PowtorzenieObojetnych(proba, s.TrybDziesietny)) {
        w.Komunikat = *blad;
        return false;
    }
    Wstaw(s, SeparatorObojetnych);
    if (s.KolumnaKursora > s.SzerokoscWidoku) {
        --s.PrzesuniecieWidoku;
        s.KolumnaKursora = s.SzerokoscWidoku;
        s.TrybPrzewijania = true;
    }
    // The letters after the cursor now belong to the don't-care part.
    s.IloscLiter = IloscZnakow(PodzielFunkcje(s.Funkcja).Wymagana);
    return true;
}

// A separator or Enter ends a number or group: one that stands in both parts is refused.
bool KoniecSkladnika(const StanEdytora& s, int znak, WynikKlawisza& w) {
    if (znak != '+' && znak != ',' && znak != Klawisz::Enter)
        return true;
    if (auto blad = PowtorzenieObojetnych(s.Funkcja, s.TrybDziesietny)) {
        w.Komunikat = *blad;
        return false;
    }
    return true;
}

// The first character of an empty text decides the notation. Returns false when the key
// ends here.
bool PierwszyZnak(StanEdytora& s, int znak, bool shift, WynikKlawisza& w) {
    if (znak == SeparatorObojetnych) {
        w.Komunikat = KomunikatSrednikNaPoczatku;
        return false;
    } else if (JestLitera(znak)) {
        s.TrybDziesietny = false;
        w.Notacja = false;
        // Inserted like any later letter: after End has put the empty text's cursor at the
        // right edge, the view has to scroll for the character to be seen.
        WstawZnak(s, static_cast<char>(shift ? std::tolower(znak) : znak));
    } else if (JestCyfra(znak)) {
        s.TrybDziesietny = true;
        w.Notacja = true;
        WstawZnak(s, static_cast<char>(znak));
    } else if (znak == '+') {
        w.Komunikat = KomunikatPlus;
        return false;
    }
    return true;
}

bool ZnakLiterowy(StanEdytora& s, int znak, bool shift, WynikKlawisza& w) {
    if (JestLitera(znak)) {
        if (LiteraWGrupie(s.Funkcja, static_cast<char>(znak), s.PozycjaKursora)) {
            w.Komunikat = KomunikatPowtorzenie;
            return false;
        }
        WstawZnak(s, static_cast<char>(shift ? std::tolower(znak) : znak));
    } else if (znak == '+') {
        WstawSeparator(s, '+');
    }
    return true;
}

bool ZnakDziesietny(StanEdytora& s, int znak, WynikKlawisza& w) {
    if (auto blad = SprawdzZakres(s.Funkcja)) {
        w.Komunikat = *blad;
        return false;
    }
    if (JestCyfra(znak))
        WstawZnak(s, static_cast<char>(znak));
    else if (znak == '+' || znak == ',')
        WstawSeparator(s, ',');
    return true;
}

void Ogon(StanEdytora& s, int znak, WynikKlawisza& w) {
    if (znak == Klawisz::Home) {
        s.PozycjaKursora = 0;
        s.KolumnaKursora = 0;
        s.PrzesuniecieWidoku = 0;
    }
    if (znak == Klawisz::Ctrl)
        w.Komunikat = KomunikatCtrl;
    if (znak == Klawisz::CapsLock)
        w.Komunikat = KomunikatCapsLock;
    if (znak == Klawisz::End) {
        const int l = Dlugosc(s);
        s.PozycjaKursora = l;
        // A text longer than the view (lengthened in the middle, so never scrolled) also
        // needs the view scrolled, or the cursor would be cut back and part from the text.
        if (s.TrybPrzewijania || l > s.SzerokoscWidoku) {
            s.PrzesuniecieWidoku = s.SzerokoscWidoku - l;
            s.KolumnaKursora = s.SzerokoscWidoku;
        } else {
            s.KolumnaKursora = l;
            s.PrzesuniecieWidoku = 0;
        }
    }
    if (znak == Klawisz::Enter)
        w.Minimalizuj = true;
    w.Przebuduj = true;
}

} // namespace

WynikKlawisza NacisnijKlawisz(StanEdytora& s, int kod, bool shift) {
    WynikKlawisza w;
    const int znak = Przetlumacz(kod);

    if (znak == Klawisz::Prawo) {
        if (s.PozycjaKursora < Dlugosc(s)) {
            ++s.PozycjaKursora;
            if (s.KolumnaKursora == s.SzerokoscWidoku)
                --s.PrzesuniecieWidoku;
            else
                ++s.KolumnaKursora;
        }
        w.Rysuj = true;
    } else if (znak == Klawisz::Lewo) {
        if (s.PozycjaKursora > 0) {
            --s.PozycjaKursora;
            if (s.KolumnaKursora > 0)
                --s.KolumnaKursora;
            else
                ++s.PrzesuniecieWidoku;
        }
        w.Rysuj = true;
    } else if (znak == Klawisz::Backspace) {
        Backspace(s, w);
    } else {
        bool dalej;
        if (s.Funkcja.empty())
            dalej = PierwszyZnak(s, znak, shift, w);
        else if (znak == SeparatorObojetnych)
            dalej = Srednik(s, w);
        else if (!KoniecSkladnika(s, znak, w))
            dalej = false;
        else if (!s.TrybDziesietny)
            dalej = ZnakLiterowy(s, znak, shift, w);
        else
            dalej = ZnakDziesietny(s, znak, w);
        if (dalej)
            Ogon(s, znak, w);
    }

    if (w.Przebuduj)
        w.Rysuj = true;
    // The redraw that follows limits the column; doing it here keeps the state as drawn.
    if (w.Rysuj)
        OgraniczKolumne(s);
    return w;
}

bool UmiescKursor(StanEdytora& s, int x, int szerokoscZnaku) {
    if (szerokoscZnaku <= 0)
        return false;
    const long long c = ZaokraglijDoParzystej(static_cast<double>(x) / szerokoscZnaku);
    const long long pozycja = c - s.PrzesuniecieWidoku;
    if (c < 0 || pozycja < 0 || pozycja > Dlugosc(s))
        return false;
    s.KolumnaKursora = static_cast<int>(c);
    s.PozycjaKursora = static_cast<int>(pozycja);
    // A boundary past the last whole cell: scroll so that the cursor is drawn where it types.
    ZsynchronizujKursor(s);
    return true;
}

void OgraniczKolumne(StanEdytora& s) {
    if (s.KolumnaKursora > s.SzerokoscWidoku)
        s.KolumnaKursora = s.SzerokoscWidoku;
}

void ZsynchronizujKursor(StanEdytora& s) {
    OgraniczKolumne(s);
    s.PrzesuniecieWidoku = s.KolumnaKursora - s.PozycjaKursora;
}

} // namespace vyn

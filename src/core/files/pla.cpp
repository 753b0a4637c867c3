// PLA reading, expansion of one output over bit sets of the whole input space, and writing.
#include "files/pla.h"

#include "granice.h"

#include <algorithm>
#include <cctype>

namespace vyn {

namespace {

// Minterms all the cubes of one output may expand to, overlaps counted each time.
constexpr std::size_t MaksRozwinieciaPla = std::size_t{1} << 30;

std::string Wiersz(int nr, const std::string& tekst) {
    return "Plik PLA, wiersz " + std::to_string(nr) + ": " + tekst;
}

// Splits a line at blanks.
std::vector<std::string> Slowa(std::string_view linia) {
    std::vector<std::string> slowa;
    std::size_t i = 0;
    while (i < linia.size()) {
        while (i < linia.size() && std::isspace(static_cast<unsigned char>(linia[i])))
            ++i;
        const std::size_t poczatek = i;
        while (i < linia.size() && !std::isspace(static_cast<unsigned char>(linia[i])))
            ++i;
        if (i > poczatek)
            slowa.emplace_back(linia.substr(poczatek, i - poczatek));
    }
    return slowa;
}

// A small whole number; nothing for anything else.
std::optional<int> Liczba(const std::string& s) {
    if (s.empty() || s.size() > 6 ||
        !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(s);
}

bool SameLitery(const std::vector<std::string>& nazwy) {
    std::string widziane;
    for (const auto& n : nazwy) {
        if (n.size() != 1 || n[0] < 'A' || n[0] > 'Z' || widziane.find(n[0]) != std::string::npos)
            return false;
        widziane.push_back(n[0]);
    }
    return true;
}

// A set of minterms of an input space of up to 26 variables, one bit each.
class ZbiorMintermow {
  public:
    explicit ZbiorMintermow(int wejscia) : slowa_(((std::size_t{1} << wejscia) + 63) / 64, 0) {}
    bool Jest(std::uint32_t m) const { return (slowa_[m / 64] >> (m % 64)) & 1; }
    void Dodaj(std::uint32_t m) { slowa_[m / 64] |= std::uint64_t{1} << (m % 64); }
    std::uint64_t Slowo(std::size_t i) const { return slowa_[i]; }

  private:
    std::vector<std::uint64_t> slowa_;
};

// The minterms of a cube: its fixed bits and every combination of its free ones.
template <class F> void DlaMintermow(const std::string& wejscie, F&& f) {
    const int n = static_cast<int>(wejscie.size());
    std::uint32_t stale = 0, wolne = 0;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t bit = std::uint32_t{1} << (n - 1 - i);
        if (wejscie[static_cast<std::size_t>(i)] == '1')
            stale |= bit;
        else if (wejscie[static_cast<std::size_t>(i)] == '-')
            wolne |= bit;
    }
    std::uint32_t s = 0;
    do {
        f(stale | s);
        s = (s - wolne) & wolne;
    } while (s != 0);
}

std::size_t Wolnych(const std::string& wejscie) {
    return static_cast<std::size_t>(std::count(wejscie.begin(), wejscie.end(), '-'));
}

// Output k of a file of more inputs than letters, over only the inputs it depends on: those
// where some cube of its ON, don't-care or OFF set is not "-" (at least one, so that a constant
// has a variable). Their names are kept, "x" and the column number when the file gives none.
std::optional<std::string> RzutWyjscia(const PlikPla& pla, int k, PlikPla& rzut) {
    const bool dSet = pla.Typ == "fd" || pla.Typ == "fdr";
    const bool rSet = pla.Typ == "fr" || pla.Typ == "fdr";
    std::vector<char> uzyte(static_cast<std::size_t>(pla.Wejscia), 0);
    for (const KostkaPla& kostka : pla.Kostki) {
        const char c = kostka.Wyjscie[static_cast<std::size_t>(k)];
        if (c == '1' || (dSet && (c == '-' || c == '2')) || (rSet && c == '0'))
            for (std::size_t i = 0; i < kostka.Wejscie.size(); ++i)
                uzyte[i] = uzyte[i] || kostka.Wejscie[i] != '-';
    }
    uzyte[0] = uzyte[0] || std::count(uzyte.begin(), uzyte.end(), 1) == 0;
    const auto ile = std::count(uzyte.begin(), uzyte.end(), 1);
    if (ile > MaksLiter)
        return "Plik PLA, wyjście " + NazwaWyjscia(pla, k) + " zależy od " + std::to_string(ile) +
               " wejść, więcej niż " + std::to_string(MaksLiter);
    rzut.Wejscia = static_cast<int>(ile);
    rzut.Wyjscia = pla.Wyjscia;
    rzut.NazwyWyjsc = pla.NazwyWyjsc;
    rzut.Typ = pla.Typ;
    for (std::size_t i = 0; i < uzyte.size(); ++i)
        if (uzyte[i])
            rzut.NazwyWejsc.push_back(pla.NazwyWejsc.empty() ? "x" + std::to_string(i + 1)
                                                             : pla.NazwyWejsc[i]);
    for (const KostkaPla& kostka : pla.Kostki) {
        KostkaPla r{std::string(), kostka.Wyjscie, kostka.Wiersz};
        for (std::size_t i = 0; i < uzyte.size(); ++i)
            if (uzyte[i])
                r.Wejscie.push_back(kostka.Wejscie[i]);
        rzut.Kostki.push_back(std::move(r));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CzytajPla(std::string_view tekst, PlikPla& pla) {
    PlikPla wynik;
    bool jestI = false, jestO = false;
    int nr = 0;
    std::size_t pozycja = 0;
    while (pozycja < tekst.size()) {
        std::size_t koniec = tekst.find_first_of("\r\n", pozycja);
        if (koniec == std::string_view::npos)
            koniec = tekst.size();
        std::string_view linia = tekst.substr(pozycja, koniec - pozycja);
        ++nr;
        pozycja = koniec;
        if (pozycja < tekst.size() && tekst[pozycja] == '\r')
            ++pozycja;
        if (pozycja < tekst.size() && tekst[pozycja] == '\n')
            ++pozycja;
        if (const auto hash = linia.find('#'); hash != std::string_view::npos)
            linia = linia.substr(0, hash);
        const std::vector<std::string> slowa = Slowa(linia);
        if (slowa.empty())
            continue;
        const std::string& klucz = slowa[0];
        if (klucz[0] == '.') {
            if (klucz == ".e" || klucz == ".end")
                break;
            if (klucz == ".i" || klucz == ".o") {
                const auto n = slowa.size() == 2 ? Liczba(slowa[1]) : std::nullopt;
                if (!wynik.Kostki.empty())
                    return Wiersz(nr, klucz + " po pierwszym iloczynie");
                if (!n || *n < 1)
                    return Wiersz(nr, klucz + " wymaga liczby dodatniej");
                if (klucz == ".i") {
                    if (*n > MaksWejscPla)
                        return Wiersz(nr, "więcej niż " + std::to_string(MaksWejscPla) +
                                              " wejść (" + std::to_string(*n) + ")");
                    wynik.Wejscia = *n;
                    jestI = true;
                } else {
                    wynik.Wyjscia = *n;
                    jestO = true;
                }
            } else if (klucz == ".ilb" || klucz == ".ob") {
                auto& nazwy = klucz == ".ilb" ? wynik.NazwyWejsc : wynik.NazwyWyjsc;
                nazwy.assign(slowa.begin() + 1, slowa.end());
            } else if (klucz == ".p") {
                if (slowa.size() != 2 || !Liczba(slowa[1]))
                    return Wiersz(nr, ".p wymaga liczby iloczynów");
            } else if (klucz == ".type") {
                if (slowa.size() != 2 ||
                    (slowa[1] != "f" && slowa[1] != "fd" && slowa[1] != "fr" && slowa[1] != "fdr"))
                    return Wiersz(nr, "nieznany typ (dozwolone f, fd, fr, fdr)");
                wynik.Typ = slowa[1];
            } else if (klucz == ".mv" || klucz == ".symbolic" || klucz == ".symbolic-output" ||
                       klucz == ".kiss" || klucz == ".label") {
                return Wiersz(nr, "pliki wielowartościowe i symboliczne (" + klucz +
                                      ") nie są obsługiwane");
            } else {
                return Wiersz(nr, "nieznane słowo kluczowe " + klucz);
            }
            continue;
        }
        if (!jestI)
            return Wiersz(nr, "iloczyn przed .i");
        std::string znaki;
        for (const auto& s : slowa)
            znaki += s;
        const std::size_t dlugosc =
            static_cast<std::size_t>(wynik.Wejscia) + static_cast<std::size_t>(wynik.Wyjscia);
        if (znaki.size() != dlugosc)
            return Wiersz(nr, "oczekiwano " + std::to_string(wynik.Wejscia) + " znaków wejść i " +
                                  std::to_string(wynik.Wyjscia) + " znaków wyjść, jest " +
                                  std::to_string(znaki.size()) + " znaków");
        KostkaPla kostka{znaki.substr(0, static_cast<std::size_t>(wynik.Wejscia)),
                         znaki.substr(static_cast<std::size_t>(wynik.Wejscia)), nr};
        std::replace(kostka.Wejscie.begin(), kostka.Wejscie.end(), '2', '-'); // an old spelling
        for (char c : kostka.Wejscie)
            if (c != '0' && c != '1' && c != '-')
                return Wiersz(nr,
                              std::string("nieznany znak wejścia '") + c + "' (dozwolone 0, 1, -)");
        for (char c : kostka.Wyjscie)
            if (c != '0' && c != '1' && c != '-' && c != '2' && c != '~')
                return Wiersz(nr, std::string("nieznany znak wyjścia '") + c +
                                      "' (dozwolone 0, 1, -, 2, ~)");
        wynik.Kostki.push_back(std::move(kostka));
    }
    if (!jestI)
        return std::string("Plik PLA nie podaje liczby wejść (.i)");
    if (!wynik.NazwyWejsc.empty() &&
        wynik.NazwyWejsc.size() != static_cast<std::size_t>(wynik.Wejscia))
        return std::string("Plik PLA: .ilb podaje ") + std::to_string(wynik.NazwyWejsc.size()) +
               " nazw, a wejść jest " + std::to_string(wynik.Wejscia);
    if (!wynik.NazwyWyjsc.empty() &&
        wynik.NazwyWyjsc.size() != static_cast<std::size_t>(wynik.Wyjscia))
        return std::string("Plik PLA: .ob podaje ") + std::to_string(wynik.NazwyWyjsc.size()) +
               " nazw, a wyjść jest " + std::to_string(wynik.Wyjscia);
    (void)jestO;
    pla = std::move(wynik);
    return std::nullopt;
}

std::optional<int> ZnajdzWyjscie(const PlikPla& pla, std::string_view nazwa) {
    for (std::size_t k = 0; k < pla.NazwyWyjsc.size(); ++k)
        if (pla.NazwyWyjsc[k] == nazwa)
            return static_cast<int>(k);
    if (const auto n = Liczba(std::string(nazwa)); n && *n >= 1 && *n <= pla.Wyjscia)
        return *n - 1;
    return std::nullopt;
}

std::string NazwaWyjscia(const PlikPla& pla, int k) {
    if (static_cast<std::size_t>(k) < pla.NazwyWyjsc.size())
        return pla.NazwyWyjsc[static_cast<std::size_t>(k)];
    return std::to_string(k + 1);
}

std::optional<std::string> RozwinWyjscie(const PlikPla& pla, int k, std::size_t maksMintermow,
                                         FunkcjaPla& wynik) {
    if (pla.Wejscia > MaksLiter) {
        PlikPla rzut;
        if (auto blad = RzutWyjscia(pla, k, rzut))
            return blad;
        return RozwinWyjscie(rzut, k, maksMintermow, wynik);
    }
    const bool dSet = pla.Typ == "fd" || pla.Typ == "fdr";
    const bool rSet = pla.Typ == "fr" || pla.Typ == "fdr";
    const std::string limit =
        "więcej niż " + std::to_string(maksMintermow) + " mintermów po rozwinięciu";
    ZbiorMintermow on(pla.Wejscia), dc(pla.Wejscia), off(pla.Wejscia);
    const std::uint64_t przestrzen = std::uint64_t{1} << pla.Wejscia;
    const std::size_t slow = static_cast<std::size_t>((przestrzen + 63) / 64);
    const std::uint64_t ostatnie =
        przestrzen % 64 ? (std::uint64_t{1} << (przestrzen % 64)) - 1 : ~std::uint64_t{0};
    // Don't-cares of word i: the marked ones and, for fr and fdr, those in no set.
    auto obojetneSlowa = [&](std::size_t i) {
        std::uint64_t d = dc.Slowo(i);
        if (rSet)
            d |= ~(on.Slowo(i) | off.Slowo(i));
        return i + 1 == slow ? d & ostatnie : d;
    };
    auto policz = [&] {
        std::size_t n = 0;
        for (std::size_t i = 0; i < slow; ++i)
            n += static_cast<std::size_t>(__builtin_popcountll(on.Slowo(i) | dc.Slowo(i)));
        return n;
    };
    std::size_t ile = 0;   // ON and don't-care minterms marked so far, an upper bound of the count
    std::size_t praca = 0; // minterms of all cubes expanded: a file cannot make this unbounded
    for (const KostkaPla& kostka : pla.Kostki) {
        const char c = kostka.Wyjscie[static_cast<std::size_t>(k)];
        const bool doOn = c == '1';
        const bool doDc = dSet && (c == '-' || c == '2');
        const bool doOff = rSet && c == '0';
        if (!doOn && !doDc && !doOff)
            continue;
        if (!doOff) {
            // A cube alone past the limit is refused before it is expanded.
            const std::size_t wolne = Wolnych(kostka.Wejscie);
            if (wolne >= 63 || (std::size_t{1} << wolne) > maksMintermow)
                return Wiersz(kostka.Wiersz, limit);
            ile += std::size_t{1} << wolne;
        }
        praca += std::size_t{1} << Wolnych(kostka.Wejscie);
        if (praca > MaksRozwinieciaPla)
            return Wiersz(kostka.Wiersz, "plik wymaga rozwinięcia zbyt wielu mintermów");
        std::optional<std::uint32_t> konflikt;
        DlaMintermow(kostka.Wejscie, [&](std::uint32_t m) {
            if (doOn) {
                if (off.Jest(m))
                    konflikt = m;
                on.Dodaj(m);
            } else if (doDc) {
                dc.Dodaj(m);
            } else {
                if (on.Jest(m))
                    konflikt = m;
                off.Dodaj(m);
            }
        });
        if (konflikt)
            return Wiersz(kostka.Wiersz, "minterm " + std::to_string(*konflikt) +
                                             " należy i do zbioru ON, i do zbioru OFF");
        if (ile > maksMintermow) {
            // Overlapping cubes: count what is really there before going on.
            ile = policz();
            if (ile > maksMintermow)
                return Wiersz(kostka.Wiersz, limit);
        }
    }
    std::size_t razem = 0;
    for (std::size_t i = 0; i < slow; ++i)
        razem += static_cast<std::size_t>(__builtin_popcountll(
            obojetneSlowa(i) | (i + 1 == slow ? on.Slowo(i) & ostatnie : on.Slowo(i))));
    if (razem > maksMintermow)
        return std::string("Plik PLA, wyjście ") + NazwaWyjscia(pla, k) + ": " + limit;
    FunkcjaPla f;
    for (std::size_t i = 0; i < slow; ++i) {
        const std::uint64_t d = obojetneSlowa(i);
        for (std::uint64_t b = d; b; b &= b - 1)
            f.Obojetne.push_back(
                static_cast<std::uint32_t>(i * 64 + static_cast<std::size_t>(__builtin_ctzll(b))));
        for (std::uint64_t b = on.Slowo(i) & ~d; b; b &= b - 1)
            f.Wlaczone.push_back(
                static_cast<std::uint32_t>(i * 64 + static_cast<std::size_t>(__builtin_ctzll(b))));
    }
    if (!pla.NazwyWejsc.empty() && SameLitery(pla.NazwyWejsc)) {
        for (const auto& n : pla.NazwyWejsc)
            f.Kodowanie += n;
    } else {
        for (int i = 0; i < pla.Wejscia; ++i)
            f.Kodowanie.push_back(static_cast<char>('A' + i));
        f.NazwyWejsc = pla.NazwyWejsc;
    }
    wynik = std::move(f);
    return std::nullopt;
}

namespace {

std::string Naglowek(std::string_view kodowanie, const char* typ, std::size_t iloczyny) {
    std::string t = ".i " + std::to_string(kodowanie.size()) + "\r\n.o 1\r\n.ilb";
    for (char c : kodowanie) {
        t.push_back(' ');
        t.push_back(c);
    }
    t += "\r\n.ob F\r\n.type ";
    t += typ;
    t += "\r\n.p " + std::to_string(iloczyny) + "\r\n";
    return t;
}

std::string Minterm(std::uint32_t m, std::size_t l) {
    std::string t(l, '0');
    for (std::size_t i = 0; i < l; ++i)
        if ((m >> (l - 1 - i)) & 1)
            t[i] = '1';
    return t;
}

} // namespace

namespace {

void DopiszLiczby(std::string& t, const std::vector<std::uint32_t>& liczby) {
    for (std::size_t i = 0; i < liczby.size(); ++i) {
        if (i)
            t.push_back(',');
        t += std::to_string(liczby[i]);
    }
}

} // namespace

TekstPla TekstFunkcjiPla(const FunkcjaPla& f) {
    TekstPla t;
    DopiszLiczby(t.Funkcja, f.Wlaczone);
    if (!f.Obojetne.empty()) {
        t.Funkcja.push_back(';');
        DopiszLiczby(t.Funkcja, f.Obojetne);
    }
    t.Kodowanie = f.Kodowanie;
    for (std::size_t i = 0; i < f.NazwyWejsc.size() && i < f.Kodowanie.size(); ++i) {
        if (i)
            t.Legenda += ", ";
        t.Legenda += std::string(1, f.Kodowanie[i]) + " = " + f.NazwyWejsc[i];
    }
    return t;
}

std::string ZapiszPlaFunkcji(std::string_view kodowanie, const std::vector<std::uint32_t>& wlaczone,
                             const std::vector<std::uint32_t>& obojetne) {
    std::string t = Naglowek(kodowanie, "fd", wlaczone.size() + obojetne.size());
    for (std::uint32_t m : wlaczone)
        t += Minterm(m, kodowanie.size()) + " 1\r\n";
    for (std::uint32_t m : obojetne)
        t += Minterm(m, kodowanie.size()) + " -\r\n";
    return t + ".e\r\n";
}

std::string ZapiszPlaPostaci(std::string_view kodowanie, std::string_view postac) {
    std::vector<std::string> kostki;
    if (postac == "1") {
        kostki.emplace_back(kodowanie.size(), '-');
    } else {
        std::size_t i = 0;
        while (i <= postac.size()) {
            const std::size_t koniec = std::min(postac.find('+', i), postac.size());
            std::string kostka(kodowanie.size(), '-');
            for (char c : postac.substr(i, koniec - i)) {
                const auto p = kodowanie.find(static_cast<char>(std::toupper(c)));
                if (p != std::string_view::npos)
                    kostka[p] = std::isupper(static_cast<unsigned char>(c)) ? '1' : '0';
            }
            if (koniec > i)
                kostki.push_back(kostka);
            i = koniec + 1;
        }
    }
    std::string t = Naglowek(kodowanie, "f", kostki.size());
    for (const auto& k : kostki)
        t += k + " 1\r\n";
    return t + ".e\r\n";
}

} // namespace vyn

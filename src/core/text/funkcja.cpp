// Counting, the group test, number reading and the input check of the function text.
#include "text/funkcja.h"

#include "granice.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vyn {

const char* const KomunikatDrugiSrednik = "Stany obojętne oddziela tylko jeden średnik";
const char* const KomunikatSrednikNaPoczatku =
    "Przed średnikiem wpisz funkcję, po nim stany obojętne";

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

CzesciFunkcji PodzielFunkcje(std::string_view tekst) {
    CzesciFunkcji c;
    const std::size_t p = tekst.find(SeparatorObojetnych);
    c.Wymagana = tekst.substr(0, p);
    if (p != std::string_view::npos) {
        c.Obojetna = tekst.substr(p + 1);
        c.MaObojetne = true;
    }
    return c;
}

LicznikiObojetnych PoliczObojetne(std::string_view tekst) {
    const auto czesci = PodzielFunkcje(tekst);
    LicznikiObojetnych l;
    if (czesci.Obojetna.empty())
        return l;
    l.Grupy = PoliczGrupy(czesci.Obojetna);
    l.Znaki = IloscZnakow(czesci.Obojetna);
    return l;
}

int PoliczGrupy(std::string_view tekst) {
    tekst = PodzielFunkcje(tekst).Wymagana;
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
    auto granica = [&](int i) { return tekst[i] == '+' || tekst[i] == SeparatorObojetnych; };
    for (int i = pozycja - 1; i >= 0 && i < dlugosc && !granica(i); --i)
        if (pasuje(tekst[i]))
            return true;
    for (int i = pozycja; i >= 0 && i < dlugosc && !granica(i); ++i)
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

int KosztTekstu(std::string_view postac) {
    const auto litery = std::count_if(postac.begin(), postac.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    return static_cast<int>(litery) + PoliczGrupy(postac);
}

std::optional<std::string> SprawdzZakres(std::string_view tekst,
                                         std::vector<LiczbaDziesietna>* liczby) {
    std::vector<LiczbaDziesietna> wlasne;
    if (!liczby)
        liczby = &wlasne;
    const auto czesci = PodzielFunkcje(tekst);
    if (auto blad = CzytajLiczby(czesci.Wymagana, *liczby))
        return blad;
    if (czesci.MaObojetne) {
        std::vector<LiczbaDziesietna> obojetne;
        if (auto blad = CzytajLiczby(czesci.Obojetna, obojetne))
            return blad;
        liczby->insert(liczby->end(), obojetne.begin(), obojetne.end());
    }
    for (const auto& l : *liczby)
        if (l.Wartosc > MaksLiczba)
            return std::string(KomunikatZakresu);
    return std::nullopt;
}

namespace {

// Groups of a letter text as sorted letters, empty groups left out.
std::vector<std::string> GrupyPosortowane(std::string_view tekst) {
    std::vector<std::string> grupy;
    std::size_t poczatek = 0;
    while (poczatek <= tekst.size()) {
        std::size_t koniec = tekst.find('+', poczatek);
        if (koniec == std::string_view::npos)
            koniec = tekst.size();
        std::string g(tekst.substr(poczatek, koniec - poczatek));
        std::sort(g.begin(), g.end());
        if (!g.empty())
            grupy.push_back(std::move(g));
        poczatek = koniec + 1;
    }
    return grupy;
}

} // namespace

std::optional<std::string> PowtorzenieObojetnych(std::string_view tekst, bool trybDziesietny) {
    const auto czesci = PodzielFunkcje(tekst);
    if (czesci.Obojetna.empty())
        return std::nullopt;
    if (trybDziesietny) {
        std::vector<LiczbaDziesietna> wymagane, obojetne;
        if (CzytajLiczby(czesci.Wymagana, wymagane) || CzytajLiczby(czesci.Obojetna, obojetne))
            return std::nullopt; // the range and character checks speak for these
        std::vector<std::uint64_t> wartosci;
        for (const auto& l : wymagane)
            wartosci.push_back(l.Wartosc);
        std::sort(wartosci.begin(), wartosci.end());
        for (const auto& l : obojetne)
            if (std::binary_search(wartosci.begin(), wartosci.end(), l.Wartosc))
                return "Liczba " + std::to_string(l.Wartosc) +
                       " jest i w funkcji, i wśród stanów obojętnych";
        return std::nullopt;
    }
    auto wymagane = GrupyPosortowane(czesci.Wymagana);
    std::sort(wymagane.begin(), wymagane.end());
    for (const std::string& g : GrupyPosortowane(czesci.Obojetna))
        if (std::binary_search(wymagane.begin(), wymagane.end(), g))
            return "Grupa " + g + " jest i w funkcji, i wśród stanów obojętnych";
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
    const auto czesci = PodzielFunkcje(funkcja);
    if (czesci.MaObojetne) {
        if (czesci.Obojetna.find(SeparatorObojetnych) != std::string_view::npos)
            return std::string(KomunikatDrugiSrednik);
        if (czesci.Wymagana.empty())
            return std::string(KomunikatSrednikNaPoczatku);
    }
    auto sprawdz = [&](std::string_view czesc) {
        return trybDziesietny ? SprawdzDziesietna(czesc, kodowanie)
                              : SprawdzLiterowa(czesc, kodowanie);
    };
    if (auto blad = sprawdz(czesci.Wymagana))
        return blad;
    if (czesci.Obojetna.empty())
        return std::nullopt;
    // The don't-care part passes the same checks; its message says which part it is about.
    if (auto blad = sprawdz(czesci.Obojetna))
        return "Stany obojętne: " + *blad;
    return std::nullopt;
}

} // namespace vyn

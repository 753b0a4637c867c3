// Text lines, the .vyn reader and writer, and the choice of reader by extension.
#include "files/plik_vyn.h"

#include "text/funkcja.h"
#include "granice.h"
#include "files/halor.h"

namespace vyn {

namespace {

constexpr char KoniecTekstu = '\x1A';

bool JestCyfra(char c) {
    return c >= '0' && c <= '9';
}

std::string Czysc(std::string_view s, RegulaCzyszczenia regula) {
    const auto [od, doZnaku] = regula == RegulaCzyszczenia::Otwieranie ? std::pair{'\x2B', '\x7A'}
                                                                       : std::pair{'\x26', '\x7B'};
    std::string wynik;
    wynik.reserve(s.size());
    for (char c : s) {
        if (c < od || c > doZnaku) // bytes from 80h up are negative as char and go too
            continue;
        wynik.push_back(regula == RegulaCzyszczenia::Otwieranie && c == '.' ? ',' : c);
    }
    return wynik;
}

// The editor types only these; anything else would reach the encoding or a run unchecked.
std::optional<std::string> SprawdzDziesietna(std::string_view f) {
    for (char c : f)
        if (!JestCyfra(c) && c != ',')
            return "Niedozwolony znak '" + std::string(1, c) + "' w funkcji";
    // The editor never puts two separators side by side.
    if (f.find(",,") != std::string_view::npos)
        return std::string("Dwa znaki ',' obok siebie w funkcji");
    return SprawdzZakres(f);
}

// Where the editor puts ";": once, after a non-empty function, never before a separator.
std::optional<std::string> SprawdzSrednik(const CzesciFunkcji& czesci, char separator) {
    if (czesci.Obojetna.find(SeparatorObojetnych) != std::string_view::npos)
        return std::string(KomunikatDrugiSrednik);
    if (czesci.Wymagana.empty())
        return std::string(KomunikatSrednikNaPoczatku);
    if (!czesci.Obojetna.empty() && czesci.Obojetna.front() == separator)
        return "Znak '" + std::string(1, separator) + "' po średniku w funkcji";
    return std::nullopt;
}

} // namespace

std::vector<std::string> CzytajLinie(std::string_view bajty, std::size_t maksLinii) {
    std::vector<std::string> linie;
    std::string linia;
    bool zaczeta = false;
    for (std::size_t i = 0; i < bajty.size() && linie.size() < maksLinii; ++i) {
        const char c = bajty[i];
        if (c == KoniecTekstu)
            break;
        if (c == '\r') {
            if (i + 1 < bajty.size() && bajty[i + 1] == '\n')
                ++i;
            linie.push_back(std::move(linia));
            linia.clear();
            zaczeta = false;
            continue;
        }
        linia.push_back(c);
        zaczeta = true;
    }
    if (zaczeta && linie.size() < maksLinii)
        linie.push_back(std::move(linia));
    return linie;
}

bool MaLinie(std::string_view bajty, std::size_t ileLinii) {
    std::size_t konce = 0;
    for (std::size_t i = 0; i < bajty.size(); ++i) {
        if (bajty[i] == KoniecTekstu)
            return true;
        if (bajty[i] == '\r' && ++konce >= ileLinii)
            return true;
    }
    return false;
}

std::optional<std::string> CzytajPlikFunkcji(std::string_view bajty, RegulaCzyszczenia regula,
                                             PlikFunkcji& plik) {
    const auto linie = CzytajLinie(bajty, 1);
    const std::string s = linie.empty() ? std::string() : linie.front();
    const bool cyfraNaPoczatku =
        (s.size() > 0 && JestCyfra(s[0])) || (s.size() > 1 && JestCyfra(s[1]));
    PlikFunkcji nowy;
    nowy.Funkcja = Czysc(s, regula);
    // A decimal function of commas alone, as the editor can leave it, reads back as decimal.
    nowy.TrybDziesietny =
        cyfraNaPoczatku ||
        (!nowy.Funkcja.empty() && nowy.Funkcja.find_first_not_of(',') == std::string::npos);
    const auto czesci = PodzielFunkcje(nowy.Funkcja);
    auto sprawdz = [&](std::string_view czesc) {
        return nowy.TrybDziesietny ? SprawdzDziesietna(czesc) : SprawdzGrupy(czesc);
    };
    if (auto blad = sprawdz(czesci.Wymagana))
        return blad;
    if (czesci.MaObojetne) {
        if (auto blad = SprawdzSrednik(czesci, nowy.TrybDziesietny ? ',' : '+'))
            return blad;
        if (auto blad = sprawdz(czesci.Obojetna))
            return "Stany obojętne: " + *blad;
    }
    nowy.IloscLiter = IloscZnakow(czesci.Wymagana);
    plik = std::move(nowy);
    return std::nullopt;
}

std::string ZapisPlikuFunkcji(std::string_view funkcja) {
    std::string bajty(funkcja);
    bajty += "\r\n";
    return bajty;
}

std::string_view RozszerzeniePliku(std::string_view nazwa) {
    const std::size_t folder = nazwa.find_last_of("/\\");
    const std::size_t poczatekNazwy = folder == std::string_view::npos ? 0 : folder + 1;
    const std::size_t kropka = nazwa.rfind('.');
    if (kropka == std::string_view::npos || kropka < poczatekNazwy)
        return {};
    return nazwa.substr(kropka);
}

RodzajPliku RodzajPoRozszerzeniu(std::string_view nazwa) {
    const auto rozszerzenie = RozszerzeniePliku(nazwa);
    if (rozszerzenie == ".vyn")
        return RodzajPliku::Vyn;
    if (rozszerzenie == ".hal")
        return RodzajPliku::Halor;
    return RodzajPliku::Nieznany;
}

std::optional<std::string> CzytajFunkcjeZPliku(std::string_view nazwa, std::string_view bajty,
                                               PlikFunkcji& plik) {
    switch (RodzajPoRozszerzeniu(nazwa)) {
    case RodzajPliku::Vyn:
        return CzytajPlikFunkcji(bajty, RegulaCzyszczenia::Otwieranie, plik);
    case RodzajPliku::Halor:
        return CzytajPlikHalora(bajty, plik);
    case RodzajPliku::Nieznany:
        break;
    }
    return std::string(KomunikatNieznanegoTypu);
}

std::size_t PotrzebneLinie(RodzajPliku rodzaj) {
    return rodzaj == RodzajPliku::Halor ? MaksLiniiHalora : 1;
}

} // namespace vyn

// Report sections in their fixed order, and the tips text.
#include "files/raport.h"

namespace vyn {

void UstawDomyslne(WyborRaportu& wybor) {
    wybor.FunkcjaWejsciowa = true;
    wybor.KanonicznaLiterowa = false;
    wybor.KanonicznaLiczbowa = false;
    wybor.ProsteImplikanty = true;
    wybor.PostacieMinimalne = true;
    wybor.CzasMinimalizacji = true;
}

std::vector<std::string> LinieRaportu(const DaneRaportu& dane, const WyborRaportu& wybor) {
    std::vector<std::string> linie;
    auto sekcja = [&](const char* naglowek, const std::string& wartosc) {
        linie.emplace_back(naglowek);
        linie.push_back(wartosc);
        linie.emplace_back();
    };
    if (wybor.FunkcjaWejsciowa) {
        sekcja("Funkcja wejściowa", dane.Funkcja);
        if (!dane.LegendaWejsc.empty())
            sekcja(NaglowekLegendy, dane.LegendaWejsc);
    }
    if (wybor.KanonicznaLiterowa) {
        sekcja("Postać kanoniczna funkcji", dane.KanonicznaLiterowa);
        if (!dane.ObojetneLiterowo.empty())
            sekcja(NaglowekObojetnych, dane.ObojetneLiterowo);
    }
    if (wybor.KanonicznaLiczbowa) {
        sekcja(NaglowekKanonicznejLiczbowej, dane.KanonicznaDziesietna);
        if (!dane.ObojetneDziesietnie.empty())
            sekcja(NaglowekObojetnychLiczbowo, dane.ObojetneDziesietnie);
    }
    if (wybor.ProsteImplikanty)
        sekcja("Proste implikanty", dane.ProsteImplikanty);
    if (wybor.ImplikantyIstotne)
        sekcja("Implikanty istotne", dane.ImplikantyIstotne);
    if (wybor.PostacieMinimalne) {
        const auto& postacie = dane.PostacieMinimalne;
        linie.emplace_back();
        if (postacie.size() == 1) {
            linie.emplace_back("Funkcja minimalna");
            linie.push_back(postacie.front());
        } else {
            linie.push_back("Funkcji minimalnych równoważnych: " + std::to_string(postacie.size()));
            linie.emplace_back();
            for (std::size_t k = 0; k < postacie.size(); ++k) {
                linie.push_back(std::to_string(k + 1) + ")");
                linie.push_back(postacie[k]);
                linie.emplace_back();
            }
        }
        linie.emplace_back();
    }
    if (wybor.CzasMinimalizacji)
        linie.push_back("Czas minimalizacji: " + dane.CzasMinimalizacji);
    return linie;
}

std::vector<std::string> LinieWskazowek() {
    const std::string wciecie(7, ' ');
    return {
        "",
        "1) Usprawnienie edycji wzorów",
        wciecie + "Do odzielania poszczególnych grup lub składników używaj klawisza spacji, a "
                  "minimalizację można rozpocząć wciskając klawisz Enter.",
        "",
        "2) Przyporządkowanie plików programowi VYN",
        wciecie + "Aby po wybraniu pliku z rozszerzeniem .vyn program uruchamiał się "
                  "automatycznie, należy po wciśnięciu prawego klawisza myszy na pliku vyn, "
                  "wybrać Otwórz z ... i przyporządkować program VYN.exe.",
        "",
        "3) Minimalizacja",
        wciecie + "Podczas procesu minimalizacji program na bieżąco podaje ilości grup i liter "
                  "aktualnych postaci minimalnych. Proces można w każdym momencie przerwać "
                  "jeśli te wyniki uznamy za zadawalające.",
        "",
        "4) Wykorzystanie Raportu",
        wciecie + "Możemy zaznaczyć dowolny fragment Raportu i przy pomocy Ctrl+C skopiować go "
                  "do schowka systemowego.",
        "",
        "5) Otwieranie plików Halora",
        wciecie + "Po wybraniu z menu polecenia Otwórz, należy wybrać typ pliku - plik Halora i "
                  "wybrać plik z rozszerzeniem .hal. Program dokona konwersji na typ .vyn i "
                  "tylko w takiej postaci będzie można zapisać ewentualne zmiany.",
    };
}

} // namespace vyn

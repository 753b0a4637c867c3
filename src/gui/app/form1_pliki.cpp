// The main window's side of function files: a loaded function and the file name in the caption.
#include "app/form1.h"

#include "app/aplikacja.h"
#include "files/plik_vyn.h"

#include <QGuiApplication>
#include <QLabel>

namespace vyn::gui {

void TForm1::WczytajFunkcje(const vyn::PlikFunkcji& plik, const QString& nazwaPliku,
                            bool zOtwierania) {
    LegendaPla = {}; // an import sets its own after loading
    Edytor.Funkcja = plik.Funkcja;
    Edytor.IloscLiter = plik.IloscLiter;
    UstawNotacje(plik.TrybDziesietny);
    if (plik.Funkcja.empty())
        LabelSigma->clear(); // as after New: the first character typed chooses the notation
    if (zOtwierania) {
        Edytor.PrzesuniecieWidoku = 0;
        Edytor.PozycjaKursora = 0;
        Edytor.KolumnaKursora = 0;
        PrzesuniecieLiterowej = 0;
        PrzesuniecieDziesietnej = 0;
        PrzesuniecieImplikantow = 0;
        PrzesuniecieMinimalnej = 0;
    }
    RysujFunkcje();
    UstawNazwePliku(nazwaPliku);
    // Results of another function must not pass for this one's, nor reach its report.
    WyczyscWyniki();
    UstawKomunikat({});
    UstalKodowanie();
}

void TForm1::UstawNazwePliku(const QString& nazwaPliku) {
    setWindowTitle(TytulZPlikiem(nazwaPliku));
    UstawTytulAplikacji(nazwaPliku);
}

} // namespace vyn::gui

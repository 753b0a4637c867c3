// The program's windows, created once, and the commands that join them: the run, the files
// and the report.
#include "app/program.h"

#include "app/aplikacja.h"
#include "app/form1.h"
#include "controls/transbtn.h"
#include "display/formabout.h"
#include "display/pomoc.h"
#include "engine/formmin.h"
#include "engine/przebieg_w_tle.h"
#include "files/pliki_funkcji.h"
#include "input/formkod.h"
#include "qm/pojemnosc.h"
#include "report/konfiguracja_raportu.h"
#include "report/podglad_raportu.h"
#include "text/funkcja.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

namespace vyn::gui {

QString UzycieProgramu() {
    return QStringLiteral(
        "Użycie: vyn [PLIK]\n"
        "\n"
        "VYN dla Windows: minimalizacja funkcji logicznych metodą Quine'a-McCluskeya.\n"
        "PLIK: plik funkcji (.vyn) otwierany przy starcie.\n"
        "\n"
        "  --help     ten opis\n"
        "  --version  wersja programu\n");
}

QString CzasDlugi(QTime czas) {
    // Zone letters ("t") make no sense for a length of time; what is left is trimmed of the
    // blanks that stood by them.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("t+")));
    return QLocale::system().toString(czas, format.simplified());
}

vyn::DaneRaportu DaneRaportuOkna(const TForm1& okno) {
    vyn::DaneRaportu d;
    d.Funkcja = okno.Funkcja();
    d.KanonicznaLiterowa = okno.KanonicznaLiterowa.toStdString();
    d.KanonicznaDziesietna = okno.KanonicznaDziesietna.toStdString();
    d.ObojetneLiterowo = okno.ObojetneLiterowo.toStdString();
    d.ObojetneDziesietnie = okno.ObojetneDziesietnie.toStdString();
    d.ProsteImplikanty = okno.ProsteImplikanty.toStdString();
    d.ImplikantyIstotne = okno.ImplikantyIstotne.toStdString();
    d.PostacieMinimalne = okno.PostacieMinimalne;
    d.CzasMinimalizacji = CzasDlugi(okno.CzasMinimalizacji).toStdString();
    if (!okno.LegendaPla.Tekst.empty() && okno.Funkcja() == okno.LegendaPla.Funkcja &&
        okno.SBznaki->text() == okno.LegendaPla.Kodowanie)
        d.LegendaWejsc = okno.LegendaPla.Tekst;
    return d;
}

Program::Program() {
    form1_ = std::make_unique<TForm1>();
    TForm1* f = form1_.get();
    formMin_ = new TFormMin(f);
    konfiguracja_ = new TFormRaportKonfiguracja(f);
    podglad_ = new TFormRaportPodglad(f);
    openDialog1_ = UtworzOpenDialog1(f);
    saveDialog1_ = UtworzSaveDialog1(f);
    przebieg_ = std::make_unique<PrzebiegMinimalizacji>();

    // The dialog first, so that the main window reads the clock after it has stopped.
    formMin_->Polacz(przebieg_.get());
    connect(przebieg_.get(), &PrzebiegMinimalizacji::KanonicznaGotowa, f, &TForm1::PokazKanoniczna);
    connect(przebieg_.get(), &PrzebiegMinimalizacji::ObojetneGotowe, f, &TForm1::PokazObojetne);
    connect(przebieg_.get(), &PrzebiegMinimalizacji::ImplikantyGotowe, f, &TForm1::PokazImplikanty);
    connect(przebieg_.get(), &PrzebiegMinimalizacji::Zakonczono, this, &Program::PoPrzebiegu);
    connect(formMin_, &TFormMin::PrzerwanieZadane, f, [this] {
        if (przebieg_->Trwa())
            form1_->PokazKonczenie();
    });

    f->Haki.SpeedButton3Click = [this] { SpeedButton3Click(); };
    f->Haki.Otwrz1Click = [this] { Otwrz1Click(); };
    f->Haki.Zapiszjako1Click = [this] { Zapiszjako1Click(); };
    f->Haki.ImportujPlaClick = [this] { ImportujPlaClick(); };
    f->Haki.EksportujPlaClick = [this] { EksportujPlaClick(false); };
    f->Haki.EksportujPostacClick = [this] { EksportujPlaClick(true); };
    f->Haki.PojemnoscClick = [this] { PojemnoscClick(); };
    WybierzWyjscie = [this](const QStringList& nazwy) { return WybierzWyjscieZListy(nazwy); };
    PamiecDostepna = [] { return vyn::DostepnaPamiec(); };
    f->Haki.Podgld1Click = [this] { Podgld1Click(); };
    f->Haki.Konfiguruj1Click = [this] { Konfiguruj1Click(); };
    f->Haki.Timer1Timer = [this] { formMin_->Timer1Timer(); };

    // Help mode, tips (in the report preview), the About box and the clipboard.
    formAbout_ = new TFormAbout(f);
    PodlaczPomoc(*f, *podglad_, *formAbout_);
}

Program::~Program() {
    przebieg_.reset();
}

void Program::Uruchom(const QStringList& argumenty) {
    form1_->move(127, 145);
    form1_->show();
    if (argumenty.isEmpty() || argumenty.first().isEmpty())
        return;
    // Once the window is up, so that a message about the file stands over it.
    const QString sciezka = argumenty.first();
    QTimer::singleShot(0, this, [this, sciezka] { OtworzZWierszaPolecen(sciezka); });
}

void Program::PokazKomunikat(const QString& tekst, bool ostrzezenie) {
    QMessageBox okno(ostrzezenie ? QMessageBox::Warning : QMessageBox::NoIcon, TytulAplikacji,
                     tekst, QMessageBox::Ok, form1_.get());
    okno.exec();
}

void Program::SpeedButton3Click() {
    TForm1* f = form1_.get();
    if (przebieg_->Trwa() || f->PrzebiegTrwa())
        return;
    f->UstalKodowanie();
    if (f->Funkcja().empty())
        return;
    // The letters on the indicator: in the user's order, the ones last confirmed there.
    f->Kodowanie = f->SBznaki->text();
    vyn::ZadanieMinimalizacji zadanie;
    zadanie.Funkcja = f->Funkcja();
    zadanie.TrybDziesietny = f->TrybDziesietny();
    zadanie.Kodowanie = f->Kodowanie.toStdString();
    zadanie.Pojemnosc = pojemnosc_;
    // A run that cannot go on is refused before anything starts, with the reason.
    if (auto blad =
            vyn::SprawdzFunkcje(zadanie.Funkcja, zadanie.TrybDziesietny, zadanie.Kodowanie)) {
        f->WyczyscWyniki();
        PokazKomunikat(QString::fromStdString(*blad), true);
        return;
    }
    // A raised capacity is checked against the memory free now, for this encoding's letters.
    if (pojemnosc_ != vyn::PojemnoscTablicy)
        if (auto blad = vyn::SprawdzPojemnosc(
                pojemnosc_, static_cast<int>(zadanie.Kodowanie.size()), PamiecDostepna())) {
            f->WyczyscWyniki();
            PokazKomunikat(QString::fromStdString(*blad), true);
            return;
        }
    f->RozpocznijPrzebieg();
    przebieg_->Uruchom(zadanie);
}

void Program::PoPrzebiegu(const vyn::WynikMinimalizacji& wynik) {
    TForm1* f = form1_.get();
    f->CzasMinimalizacji = QTime(0, 0).addSecs(formMin_->CzasMinimalizacji());
    f->ZakonczPrzebieg(wynik, przebieg_->OstatniePostacieNiepelne());
    // The window is whole before a box asks for attention.
    if (wynik.Stan == vyn::StanPrzebiegu::PrzekroczonaPojemnosc)
        PokazKomunikat(QString::fromStdString(wynik.Komunikat), false);
    else if (wynik.Stan == vyn::StanPrzebiegu::Odrzucony)
        PokazKomunikat(QString::fromStdString(wynik.Komunikat), true);
    emit PrzebiegZakonczony();
}

bool Program::Otworz(const QString& sciezka) {
    TForm1* f = form1_.get();
    const WynikOtwarcia wynik = OtworzPlik(sciezka);
    if (wynik.Stan != StanOtwarcia::Wczytano) {
        PokazBladOtwarcia(f, wynik); // a refused file leaves the order the user had
        return false;
    }
    // A file opened by the command takes the ascending letter order.
    f->FormKod->UstawTryb(vyn::TrybKodowania::Rosnaco);
    f->WczytajFunkcje(wynik.Plik, wynik.NazwaPliku, true);
    return true;
}

bool Program::OtworzZWierszaPolecen(const QString& sciezka) {
    const WynikOtwarcia wynik = vyn::gui::OtworzZWierszaPolecen(sciezka);
    if (wynik.Stan != StanOtwarcia::Wczytano) {
        PokazBladOtwarcia(form1_.get(), wynik);
        return false;
    }
    form1_->WczytajFunkcje(wynik.Plik, wynik.NazwaPliku, false);
    return true;
}

bool Program::Zapisz(const QString& sciezka) {
    if (auto blad = ZapiszFunkcje(sciezka, form1_->Funkcja())) {
        PokazBladZapisu(form1_.get(), *blad);
        return false;
    }
    form1_->UstawNazwePliku(QFileInfo(sciezka).fileName());
    return true;
}

void Program::Otwrz1Click() {
    if (openDialog1_->exec() != QDialog::Accepted || openDialog1_->selectedFiles().isEmpty())
        return;
    Otworz(openDialog1_->selectedFiles().first());
}

void Program::Zapiszjako1Click() {
    if (saveDialog1_->exec() != QDialog::Accepted || saveDialog1_->selectedFiles().isEmpty())
        return;
    Zapisz(saveDialog1_->selectedFiles().first());
}

void Program::Podgld1Click() {
    podglad_->PokazRaport(vyn::LinieRaportu(DaneRaportuOkna(*form1_), konfiguracja_->Wybor()));
}

void Program::Konfiguruj1Click() {
    konfiguracja_->Pokaz();
}

} // namespace vyn::gui

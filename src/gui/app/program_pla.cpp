// PLA import and export and the session's table capacity: the commands and their dialogs.
#include "app/program.h"

#include "app/form1.h"
#include "controls/transbtn.h"
#include "files/pla.h"
#include "files/pliki_funkcji.h"
#include "input/formkod.h"
#include "qm/kodowanie.h"
#include "qm/pojemnosc.h"
#include "qm/weryfikacja.h"
#include "text/funkcja.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>

namespace vyn::gui {

namespace {

// Far more than a PLA file of 26 inputs needs; a larger file is not read at all.
constexpr qint64 NajwiekszyPlikPla = qint64{256} << 20;

// A PLA file's dialog: *.pla first, asks before overwriting a file when saving.
QString WybierzPlikPla(QWidget* rodzic, bool zapis) {
    QFileDialog dialog(rodzic,
                       zapis ? QStringLiteral("Eksportuj PLA") : QStringLiteral("Importuj PLA"));
    dialog.setObjectName(zapis ? QStringLiteral("EksportPlaDialog")
                               : QStringLiteral("ImportPlaDialog"));
    dialog.setAcceptMode(zapis ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(zapis ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("pliki PLA (*.pla)"), QStringLiteral("wszystkie pliki (*)")});
    if (zapis)
        dialog.setDefaultSuffix(QStringLiteral("pla"));
    ZamykajPodpowiedzi(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<int> Program::WybierzWyjscieZListy(const QStringList& nazwy) {
    QInputDialog dialog(form1_.get());
    dialog.setObjectName(QStringLiteral("WyborWyjscia"));
    dialog.setWindowTitle(QStringLiteral("Wybór wyjścia"));
    // 2, 3, 4, 22, ... "wyjścia"; 5 to 21, 25, ... "wyjść".
    const qsizetype n = nazwy.size();
    const bool kilka = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
    dialog.setLabelText(QStringLiteral("Plik PLA ma %1 %2.\nKtóre z nich minimalizować?")
                            .arg(n)
                            .arg(kilka ? QStringLiteral("wyjścia") : QStringLiteral("wyjść")));
    dialog.setComboBoxItems(nazwy);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int k = static_cast<int>(nazwy.indexOf(dialog.textValue()));
    return k < 0 ? std::nullopt : std::optional<int>(k);
}

std::optional<QString> Program::ImportujPla(const QString& sciezka) {
    QFile plik(sciezka);
    if (QFileInfo(sciezka).isDir() || !plik.open(QIODevice::ReadOnly))
        return QStringLiteral("Nie mogę odczytać pliku %1.\n%2").arg(sciezka, plik.errorString());
    if (plik.size() > NajwiekszyPlikPla)
        return QStringLiteral("Plik %1 jest za duży na plik PLA.").arg(sciezka);
    const QByteArray bajty = plik.readAll();
    vyn::PlikPla pla;
    if (auto blad = vyn::CzytajPla(std::string_view(bajty.constData(), bajty.size()), pla))
        return QString::fromStdString(*blad);
    int k = 0;
    if (pla.Wyjscia > 1) {
        QStringList nazwy;
        for (int i = 0; i < pla.Wyjscia; ++i) {
            const QString nazwa = QString::fromStdString(vyn::NazwaWyjscia(pla, i));
            // Outputs without .ob names are listed by number alone.
            nazwy << (pla.NazwyWyjsc.empty() ? QStringLiteral("wyjście %1").arg(nazwa)
                                             : QStringLiteral("%1. %2").arg(i + 1).arg(nazwa));
        }
        const std::optional<int> wybor = WybierzWyjscie(nazwy);
        if (!wybor)
            return QString(); // cancelled: nothing to say
        k = *wybor;
    }
    vyn::FunkcjaPla f;
    if (auto blad = vyn::RozwinWyjscie(pla, k, pojemnosc_, f))
        return QString::fromStdString(*blad);
    if (f.Wlaczone.empty())
        return QStringLiteral("Wyjście %1 pliku PLA nie ma żadnego mintermu ON")
            .arg(QString::fromStdString(vyn::NazwaWyjscia(pla, k)));
    const vyn::TekstPla t = vyn::TekstFunkcjiPla(f);

    TForm1* okno = form1_.get();
    // The file's letters in column order, as a confirmed user order would stand.
    const QString litery = QString::fromStdString(t.Kodowanie);
    okno->FormKod->UstawTryb(vyn::TrybKodowania::Uzytkownika);
    okno->FormKod->Edit1->setText(litery);
    okno->SBznaki->setText(litery);
    vyn::PlikFunkcji funkcja;
    funkcja.Funkcja = t.Funkcja;
    funkcja.TrybDziesietny = true;
    funkcja.IloscLiter = vyn::IloscZnakow(vyn::PodzielFunkcje(t.Funkcja).Wymagana);
    okno->WczytajFunkcje(funkcja, QFileInfo(sciezka).fileName(), true);
    okno->LegendaPla = {t.Funkcja, litery, t.Legenda};
    return std::nullopt;
}

std::optional<QString> Program::EksportujPla(const QString& sciezka, bool postac) {
    TForm1* okno = form1_.get();
    std::string tekst;
    if (postac) {
        if (okno->PostacMinimalna.isEmpty())
            return QStringLiteral("Nie ma postaci minimalnej do zapisania.");
        // The letters of the run that found the form.
        tekst = vyn::ZapiszPlaPostaci(okno->Kodowanie.toStdString(),
                                      okno->PostacMinimalna.toStdString());
    } else {
        if (okno->Funkcja().empty())
            return QStringLiteral("Nie ma funkcji do zapisania.");
        okno->UstalKodowanie();
        const std::string kodowanie = okno->SBznaki->text().toStdString();
        const bool dziesietny = okno->TrybDziesietny();
        if (auto blad = vyn::SprawdzFunkcje(okno->Funkcja(), dziesietny, kodowanie))
            return QString::fromStdString(*blad);
        tekst = vyn::ZapiszPlaFunkcji(kodowanie,
                                      vyn::MintermyFunkcji(okno->Funkcja(), dziesietny, kodowanie),
                                      vyn::ObojetneFunkcji(okno->Funkcja(), dziesietny, kodowanie));
    }
    return ZapiszBajty(sciezka, tekst);
}

std::optional<QString> Program::UstawPojemnosc(std::size_t pojemnosc) {
    // The function may still change: the estimate takes the most letters an encoding has.
    constexpr int NajwiecejLiter = 26;
    if (auto blad = vyn::SprawdzPojemnosc(pojemnosc, NajwiecejLiter, PamiecDostepna()))
        return QString::fromStdString(*blad);
    pojemnosc_ = pojemnosc;
    return std::nullopt;
}

void Program::ImportujPlaClick() {
    const QString sciezka = WybierzPlikPla(form1_.get(), false);
    if (sciezka.isEmpty())
        return;
    if (auto blad = ImportujPla(sciezka); blad && !blad->isEmpty())
        PokazBladOtwarcia(form1_.get(), {StanOtwarcia::Blad, {}, *blad, {}});
}

void Program::EksportujPlaClick(bool postac) {
    const QString sciezka = WybierzPlikPla(form1_.get(), true);
    if (sciezka.isEmpty())
        return;
    if (auto blad = EksportujPla(sciezka, postac))
        PokazBladZapisu(form1_.get(), *blad);
}

void Program::PojemnoscClick() {
    QInputDialog dialog(form1_.get());
    dialog.setObjectName(QStringLiteral("PojemnoscDialog"));
    dialog.setWindowTitle(QStringLiteral("Pojemność tablic"));
    dialog.setLabelText(
        QStringLiteral("Miejsca w tablicy pomocniczej i najwięcej mintermów funkcji\n"
                       "(domyślnie %1, najwyżej %2; do końca tej sesji programu):")
            .arg(vyn::PojemnoscTablicy)
            .arg(vyn::MaksPojemnosc));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(static_cast<int>(vyn::PojemnoscTablicy),
                       static_cast<int>(vyn::MaksPojemnosc));
    dialog.setIntStep(100000);
    dialog.setIntValue(static_cast<int>(pojemnosc_));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (auto blad = UstawPojemnosc(static_cast<std::size_t>(dialog.intValue())))
        PokazKomunikat(*blad, true);
}

} // namespace vyn::gui

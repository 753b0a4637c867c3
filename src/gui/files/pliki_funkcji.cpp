// Reading, writing and the dialogs of function files.
#include "files/pliki_funkcji.h"

#include "app/aplikacja.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include <algorithm>

namespace vyn::gui {

namespace {

QString Z(const std::string& tekst) {
    return QString::fromStdString(tekst);
}

WynikOtwarcia Czytaj(const QString& sciezka, RodzajPliku rodzaj,
                     std::optional<std::string> (*czytnik)(std::string_view, std::string_view,
                                                           PlikFunkcji&)) {
    WynikOtwarcia wynik;
    wynik.NazwaPliku = QFileInfo(sciezka).fileName();
    std::string bajty;
    if (auto blad = CzytajPoczatekPliku(sciezka, PotrzebneLinie(rodzaj), bajty)) {
        wynik.Komunikat = *blad;
        return wynik;
    }
    if (auto blad = czytnik(sciezka.toStdString(), bajty, wynik.Plik)) {
        wynik.Komunikat =
            QStringLiteral("Nie mogę wczytać funkcji z pliku %1.\n%2").arg(sciezka, Z(*blad));
        return wynik;
    }
    wynik.Stan = StanOtwarcia::Wczytano;
    return wynik;
}

} // namespace

WynikOtwarcia OtworzPlik(const QString& sciezka) {
    const auto rodzaj = RodzajPoRozszerzeniu(sciezka.toStdString());
    if (rodzaj == RodzajPliku::Nieznany) {
        WynikOtwarcia wynik;
        wynik.Stan = StanOtwarcia::NieznanyTyp;
        wynik.Komunikat = Z(KomunikatNieznanegoTypu);
        wynik.NazwaPliku = QFileInfo(sciezka).fileName();
        return wynik;
    }
    return Czytaj(sciezka, rodzaj, CzytajFunkcjeZPliku);
}

WynikOtwarcia OtworzZWierszaPolecen(const QString& sciezka) {
    return Czytaj(sciezka, RodzajPliku::Vyn,
                  [](std::string_view, std::string_view bajty, PlikFunkcji& plik) {
                      return CzytajPlikFunkcji(bajty, RegulaCzyszczenia::WierszPolecen, plik);
                  });
}

std::optional<QString> CzytajPoczatekPliku(const QString& sciezka, std::size_t ileLinii,
                                           std::string& bajty) {
    auto blad = [&](const QString& powod) {
        return QStringLiteral("Nie mogę odczytać pliku %1.\n%2").arg(sciezka, powod);
    };
    if (QFileInfo(sciezka).isDir())
        return blad(QStringLiteral("To jest folder, nie plik."));
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        return blad(plik.errorString());
    bajty.clear();
    // Only the first lines matter: a long file is read no further than they reach.
    std::size_t konce = 0;
    for (;;) {
        const QByteArray kawalek = plik.read(1 << 16);
        if (kawalek.isEmpty()) {
            if (plik.error() != QFileDevice::NoError)
                return blad(plik.errorString());
            return std::nullopt;
        }
        const std::string_view widok(kawalek.constData(), static_cast<std::size_t>(kawalek.size()));
        bajty.append(widok);
        if (MaLinie(widok, ileLinii - konce))
            return std::nullopt;
        konce += static_cast<std::size_t>(std::count(widok.begin(), widok.end(), '\r'));
    }
}

QString NieMoznaUtworzyc(const QString& sciezka, const QString& powod) {
    QString tekst = QStringLiteral("Cannot create file %1").arg(sciezka);
    if (!powod.isEmpty())
        tekst += QLatin1Char('\n') + powod;
    return tekst;
}

std::optional<QString> ZapiszBajty(const QString& sciezka, std::string_view bajty) {
    QSaveFile plik(sciezka);
    // A folder that only lets the file itself be written still gets the file.
    plik.setDirectWriteFallback(true);
    if (!plik.open(QIODevice::WriteOnly))
        return NieMoznaUtworzyc(sciezka, plik.errorString());
    const auto ile = static_cast<qint64>(bajty.size());
    if (plik.write(bajty.data(), ile) != ile) {
        const QString powod = plik.errorString();
        plik.cancelWriting();
        return NieMoznaUtworzyc(sciezka, powod);
    }
    if (!plik.commit())
        return NieMoznaUtworzyc(sciezka, plik.errorString());
    return std::nullopt;
}

std::optional<QString> ZapiszFunkcje(const QString& sciezka, std::string_view funkcja) {
    return ZapiszBajty(sciezka, ZapisPlikuFunkcji(funkcja));
}

void PokazBladOtwarcia(QWidget* rodzic, const WynikOtwarcia& wynik) {
    if (wynik.Stan == StanOtwarcia::Wczytano)
        return;
    const auto ikona =
        wynik.Stan == StanOtwarcia::NieznanyTyp ? QMessageBox::Warning : QMessageBox::Critical;
    QMessageBox okno(ikona, TytulBleduOtwarcia, wynik.Komunikat, QMessageBox::Ok, rodzic);
    okno.exec();
}

void PokazBladZapisu(QWidget* rodzic, const QString& komunikat) {
    QMessageBox okno(QMessageBox::Critical, TytulAplikacji, komunikat, QMessageBox::Ok, rodzic);
    okno.exec();
}

void ZamykajPodpowiedzi(QFileDialog* dialog) {
    // A path typed whole and confirmed with Enter can leave the name completion's popup up
    // after the dialog has gone; it would then take the main window's next key.
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter* c : dialog->findChildren<QCompleter*>())
            if (c->popup())
                c->popup()->hide();
    });
}

QFileDialog* UtworzOpenDialog1(QWidget* rodzic) {
    auto* dialog = new QFileDialog(rodzic, QStringLiteral("Otwórz"));
    dialog->setObjectName(QStringLiteral("OpenDialog1"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(
        {QStringLiteral("pliki funkcji (*.vyn *.hal)"), QStringLiteral("wszystkie pliki (*)")});
    ZamykajPodpowiedzi(dialog);
    return dialog;
}

QFileDialog* UtworzSaveDialog1(QWidget* rodzic) {
    auto* dialog = new QFileDialog(rodzic, QStringLiteral("Zapisz jako"));
    dialog->setObjectName(QStringLiteral("SaveDialog1"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(
        {QStringLiteral("funkcja VYN (*.vyn)"), QStringLiteral("wszystkie pliki (*)")});
    dialog->setDefaultSuffix(QStringLiteral("vyn"));
    ZamykajPodpowiedzi(dialog);
    return dialog;
}

} // namespace vyn::gui

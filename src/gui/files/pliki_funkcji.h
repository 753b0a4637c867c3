// Open and Save of function files on the Qt side: safe reading and writing, the choice of
// reader, the dialogs and the message boxes. Nothing here touches the main window: it gets a
// loaded function or a message, and decides what to change.
#pragma once

#include "files/plik_vyn.h"

#include <QString>

#include <optional>
#include <string_view>

class QFileDialog;
class QWidget;

namespace vyn::gui {

inline const QString TytulBleduOtwarcia = QStringLiteral("Błąd otwarcia pliku");

enum class StanOtwarcia {
    Wczytano,    // `Plik` holds the function
    NieznanyTyp, // not .vyn nor .hal: the file was not read
    Blad         // unreadable file or not a function: `Komunikat` says why
};

struct WynikOtwarcia {
    StanOtwarcia Stan = StanOtwarcia::Blad;
    PlikFunkcji Plik;
    QString Komunikat;
    QString NazwaPliku; // without its folder, for the caption
};

// The Open command's reading: the reader chosen by the exact extension.
WynikOtwarcia OtworzPlik(const QString& sciezka);

// A file named on the command line: the own format with its cleaning, whatever the extension.
WynikOtwarcia OtworzZWierszaPolecen(const QString& sciezka);

// Reads the start of a file, enough for `ileLinii` lines (see MaLinie); a file that cannot be
// opened or read gives the message instead.
std::optional<QString> CzytajPoczatekPliku(const QString& sciezka, std::size_t ileLinii,
                                           std::string& bajty);

// Writes `bajty` to the file in one piece: the old file stays whole unless everything was
// written. Returns the message of a failure.
std::optional<QString> ZapiszBajty(const QString& sciezka, std::string_view bajty);

// Save as: the function and CR LF.
std::optional<QString> ZapiszFunkcje(const QString& sciezka, std::string_view funkcja);

// The text of the error box of a file that cannot be created or written.
QString NieMoznaUtworzyc(const QString& sciezka, const QString& powod);

// The message box of a failed open: for an unknown type the box "Nie mogę otworzyć pliku tego
// typu", otherwise the reason. Does nothing for a loaded file.
void PokazBladOtwarcia(QWidget* rodzic, const WynikOtwarcia& wynik);

// The error box of a failed save.
void PokazBladZapisu(QWidget* rodzic, const QString& komunikat);

// The Open dialog `OpenDialog1` (.vyn and .hal files, no default extension) and the Save
// dialog `SaveDialog1` (default extension vyn, asks before overwriting), owned by `rodzic`.
// Hides the name completion's popup whenever the dialog closes.
void ZamykajPodpowiedzi(QFileDialog* dialog);
QFileDialog* UtworzOpenDialog1(QWidget* rodzic);
QFileDialog* UtworzSaveDialog1(QWidget* rodzic);

} // namespace vyn::gui

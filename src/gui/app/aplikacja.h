// Application-wide names of the program.
#pragma once

#include <QString>

namespace vyn::gui {

// The application title at start and the main window's caption without a file.
inline const QString TytulAplikacji = QStringLiteral("VYN dla Windows");

// Caption of the main window with a file open: "VYN dla Windows - name".
QString TytulZPlikiem(const QString& nazwaPliku);

// The application title (the name the task bar would give the program): the file name while a
// file is open. Kept apart from Qt's application display name, which the platform would append
// to the caption of every window.
QString BiezacyTytulAplikacji();
void UstawTytulAplikacji(const QString& tytul);

// Loads Qt's own Polish texts (standard dialogs and buttons) from the system's Qt translations;
// false when they are not installed, and the standard dialogs stay in English.
bool ZaladujTlumaczeniaQt();

} // namespace vyn::gui

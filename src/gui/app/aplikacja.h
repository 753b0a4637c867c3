// Application-wide names of the program.
#pragma once

#include <QString>

namespace vyn::gui {

// The application title and the main window's caption without a file.
inline const QString TytulAplikacji = QStringLiteral("VYN dla Windows");

// Caption of the main window with a file open: "VYN dla Windows - name".
QString TytulZPlikiem(const QString& nazwaPliku);

} // namespace vyn::gui

// Starting a calculator program of the system.
#pragma once

#include <QStringList>

namespace vyn::gui {

// Calculator programs to try, in order: "calc" on Windows, the usual desktop calculators
// elsewhere.
QStringList KandydaciKalkulatora();

// Starts the first of the programs found (in `sciezki`, or on the PATH when empty) as a
// separate process in its own window and does not wait for it. Returns whether one started.
bool UruchomKalkulator(const QStringList& kandydaci = KandydaciKalkulatora(),
                       const QStringList& sciezki = {});

} // namespace vyn::gui

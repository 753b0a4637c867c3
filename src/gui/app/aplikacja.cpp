#include "app/aplikacja.h"

namespace vyn::gui {

QString TytulZPlikiem(const QString& nazwaPliku) {
    return TytulAplikacji + QStringLiteral(" - ") + nazwaPliku;
}

} // namespace vyn::gui

#include "app/aplikacja.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vyn::gui {

namespace {
QString& Tytul() {
    static QString tytul = TytulAplikacji;
    return tytul;
}
} // namespace

QString TytulZPlikiem(const QString& nazwaPliku) {
    return TytulAplikacji + QStringLiteral(" - ") + nazwaPliku;
}

QString BiezacyTytulAplikacji() {
    return Tytul();
}

void UstawTytulAplikacji(const QString& tytul) {
    Tytul() = tytul;
}

bool ZaladujTlumaczeniaQt() {
    auto* tlumacz = new QTranslator(QCoreApplication::instance());
    if (!tlumacz->load(QStringLiteral("qtbase_pl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumacz;
        return false;
    }
    return QCoreApplication::installTranslator(tlumacz);
}

} // namespace vyn::gui

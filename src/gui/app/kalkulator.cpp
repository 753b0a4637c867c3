// The calculator command.
#include "app/kalkulator.h"

#include <QProcess>
#include <QStandardPaths>

namespace vyn::gui {

QStringList KandydaciKalkulatora() {
#ifdef Q_OS_WIN
    return {QStringLiteral("calc")};
#else
    return {QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),
            QStringLiteral("mate-calc"),
            QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),
            QStringLiteral("qalculate-qt"),
            QStringLiteral("xcalc")};
#endif
}

bool UruchomKalkulator(const QStringList& kandydaci, const QStringList& sciezki) {
    for (const QString& nazwa : kandydaci) {
        const QString program = QStandardPaths::findExecutable(nazwa, sciezki);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return true;
    }
    return false;
}

} // namespace vyn::gui

// Shared helpers of the main window tests: a shown window at the design size and typing.
#pragma once

#include "app/form1.h"

#include <QTest>

namespace testy {

// Types keys into the window: capitals are letter keys, small letters the same keys with
// Shift, " " the space bar, digits the main keyboard's digits.
inline void Wpisz(QWidget* okno, const QString& klawisze) {
    for (QChar c : klawisze) {
        if (c == u' ')
            QTest::keyClick(okno, Qt::Key_Space);
        else if (c.isLower())
            QTest::keyClick(okno, static_cast<Qt::Key>(c.toUpper().unicode()), Qt::ShiftModifier);
        else
            QTest::keyClick(okno, static_cast<Qt::Key>(c.unicode()));
    }
}

inline bool Widoczny(const QWidget* w, const QWidget* okno) {
    return w->isVisibleTo(okno);
}

} // namespace testy

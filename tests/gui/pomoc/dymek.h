// The hint bubble on show, if any: Qt keeps it as a top-level QTipLabel.
#pragma once

#include <QApplication>
#include <QWidget>

inline QWidget* Tip() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    return nullptr;
}

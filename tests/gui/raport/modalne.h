// Drives a modal window from a test: exec() blocks, so the action runs from a timer once the
// window of the expected type is the active modal one.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <functional>

template <class Okno> void GdyPokazane(std::function<void(Okno*)> akcja) {
    auto* zegar = new QTimer;
    zegar->setInterval(10);
    auto proby = std::make_shared<int>(0);
    QObject::connect(zegar, &QTimer::timeout, [zegar, akcja, proby] {
        QWidget* aktywne = QApplication::activeModalWidget();
        if (auto* okno = qobject_cast<Okno*>(aktywne)) {
            zegar->deleteLater();
            zegar->stop();
            akcja(okno);
        } else if (++*proby > 500) { // never hang a test on a window that did not come
            zegar->deleteLater();
            zegar->stop();
            if (aktywne)
                aktywne->close();
        }
    });
    zegar->start();
}

// Types a name into a shown file dialog as the user would (selectFile() leaves a focused
// name field alone).
inline void Wpisz(QFileDialog* dialog, const QString& nazwa) {
    if (auto* pole = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        pole->setText(nazwa);
}

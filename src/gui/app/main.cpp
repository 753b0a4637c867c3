// The program `vyn`: application title, then the windows.
#include "app/aplikacja.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(vyn::gui::TytulAplikacji);
    QLabel okno(vyn::gui::TytulAplikacji);
    okno.show();
    return app.exec();
}

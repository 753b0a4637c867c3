// The program `vyn`: application title, then the main window.
#include "app/aplikacja.h"
#include "app/form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(vyn::gui::TytulAplikacji);
    vyn::gui::TForm1 okno;
    okno.move(127, 145);
    okno.show();
    return app.exec();
}

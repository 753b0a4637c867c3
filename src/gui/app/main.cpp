// The program `vyn`: --help and --version on the terminal, otherwise the windows.
#include "app/aplikacja.h"
#include "app/program.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

#ifndef VYN_VERSION
#define VYN_VERSION "0"
#endif

int main(int argc, char** argv) {
    // Answered before any window system is touched, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(vyn::gui::UzycieProgramu().toUtf8().constData(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vyn %s\n", VYN_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    // No application display name: the platform would append it to every window's caption.
    vyn::gui::ZaladujTlumaczeniaQt();
    vyn::gui::Program program;
    program.Uruchom(QApplication::arguments().mid(1));
    return app.exec();
}

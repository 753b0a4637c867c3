// Screenshots of the About box mid-scroll and of a help-mode hint: pomoc_zrzuty DIR
#include "app/form1.h"
#include "controls/iebutton.h"
#include "controls/marquee.h"
#include "display/formabout.h"
#include "display/pomoc.h"
#include "report/podglad_raportu.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QPainter>
#include <QToolTip>

// The hint bubble on show, if any: Qt keeps it as a top-level QTipLabel.
static QWidget* Tip() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            return w;
    return nullptr;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir cel(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    vyn::gui::TForm1 okno;
    vyn::gui::TFormRaportPodglad podglad;
    vyn::gui::TFormAbout about(&okno);
    vyn::gui::PodlaczPomoc(okno, podglad, about);

    okno.Oprogramie1->trigger();
    for (int i = 0; i < 110; ++i) // about 5.5 s into the credits
        about.Marquee1->Krok();
    QApplication::processEvents();
    bool ok = about.grab().save(cel.filePath("pomoc_about.png"));
    about.close();

    okno.move(0, 0);
    okno.show();
    QApplication::processEvents();
    okno.Tematypomocy1->trigger();
    QCursor::setPos(okno.IEButton1->mapToGlobal(okno.IEButton1->rect().center()));
    QDeadlineTimer termin(3000);
    while (!Tip() && !termin.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QWidget* tip = Tip();
    if (!tip)
        return 1;
    // The hint is a window of its own and may stand past the main window's edge.
    const QRect oknoNaEkranie(okno.mapToGlobal(QPoint()), okno.size());
    const QRect tipNaEkranie(tip->mapToGlobal(QPoint()), tip->size());
    const QRect calosc = oknoNaEkranie.united(tipNaEkranie);
    QPixmap obraz(calosc.size());
    obraz.fill(QColor(96, 96, 96));
    QPainter p(&obraz);
    p.drawPixmap(oknoNaEkranie.topLeft() - calosc.topLeft(), okno.grab());
    p.drawPixmap(tipNaEkranie.topLeft() - calosc.topLeft(), tip->grab());
    p.end();
    ok = obraz.save(cel.filePath("pomoc_podpowiedz.png")) && ok;
    return ok ? 0 : 1;
}

// Screenshots of the report windows with a real report: raport_zrzuty DIR
#include "files/raport.h"
#include "qm/przebieg.h"
#include "report/konfiguracja_raportu.h"
#include "report/podglad_raportu.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir cel(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    vyn::ObserwatorPrzebiegu obserwator;
    vyn::FlagaPrzerwania flaga;
    const auto wynik = vyn::Minimalizuj({"0,1,2,5,6,7", true, "ABC"}, obserwator, flaga);

    vyn::gui::TFormRaportKonfiguracja konfiguracja;
    konfiguracja.findChild<QCheckBox*>("CheckBox8")->setChecked(true);
    konfiguracja.findChild<QCheckBox*>("CheckBox7")->setChecked(true);
    konfiguracja.show();

    vyn::DaneRaportu dane{"0,1,2,5,6,7",
                          wynik.KanonicznaLiterowa,
                          wynik.KanonicznaDziesietna,
                          wynik.ProsteImplikanty,
                          wynik.ImplikantyIstotne,
                          wynik.PostacieMinimalne,
                          "00:00:01"};
    vyn::gui::TFormRaportPodglad podglad;
    podglad.resize(520, 460);
    podglad.PokazRaport(vyn::LinieRaportu(dane, konfiguracja.Wybor()));
    QApplication::processEvents();

    const bool ok = konfiguracja.grab().save(cel.filePath("raport_konfiguracja.png")) &&
                    podglad.grab().save(cel.filePath("raport_podglad.png"));
    podglad.PokazWskazowki();
    QApplication::processEvents();
    return ok && podglad.grab().save(cel.filePath("wskazowki.png")) ? 0 : 1;
}

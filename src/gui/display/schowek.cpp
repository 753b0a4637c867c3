// Copy of a pane's text to the clipboard.
#include "display/schowek.h"

#include "app/form1.h"
#include "display/panel.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vyn::gui {

std::optional<QString> TekstPanelu(const TForm1& okno, const QWidget* panel) {
    if (panel == nullptr)
        return std::nullopt;
    if (panel == okno.PaintBox1)
        return QString::fromLatin1(okno.Funkcja()); // the model text is plain 8-bit
    if (panel == okno.PaintBox2)
        return okno.KanonicznaLiterowa;
    if (panel == okno.PaintBox3)
        return okno.KanonicznaDziesietna;
    if (panel == okno.PaintBox5)
        return okno.PostacMinimalna;
    return std::nullopt;
}

void Kopiujdoschowka(const TForm1& okno) {
    if (const auto tekst = TekstPanelu(okno, okno.PanelMenu))
        QGuiApplication::clipboard()->setText(*tekst);
}

} // namespace vyn::gui

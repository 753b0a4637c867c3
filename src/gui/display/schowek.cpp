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
    // A canonical pane is copied as it reads: the don't-care terms after ";".
    const auto zObojetnymi = [](const QString& wymagane, const QString& obojetne) {
        return obojetne.isEmpty() ? wymagane : wymagane + QChar(u';') + obojetne;
    };
    if (panel == okno.PaintBox2)
        return zObojetnymi(okno.KanonicznaLiterowa, okno.ObojetneLiterowo);
    if (panel == okno.PaintBox3)
        return zObojetnymi(okno.KanonicznaDziesietna, okno.ObojetneDziesietnie);
    if (panel == okno.PaintBox5)
        return okno.PostacMinimalna;
    return std::nullopt;
}

void Kopiujdoschowka(const TForm1& okno) {
    if (const auto tekst = TekstPanelu(okno, okno.PanelMenu))
        QGuiApplication::clipboard()->setText(*tekst);
}

} // namespace vyn::gui

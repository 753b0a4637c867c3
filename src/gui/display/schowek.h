// Copy of a pane's text to the clipboard, the command of the panes' popup menu.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace vyn::gui {

class TForm1;

// The raw text behind a pane: the function for PaintBox1, the letter and decimal canonical
// forms for PaintBox2 and PaintBox3, the minimal form on show for PaintBox5; nothing for any
// other widget (PaintBox4 has no popup menu).
std::optional<QString> TekstPanelu(const TForm1& okno, const QWidget* panel);

// Kopiujdoschowka1Click: puts the text of the pane the popup menu was opened on onto the
// clipboard as plain text, replacing what it held; does nothing without such a pane.
void Kopiujdoschowka(const TForm1& okno);

} // namespace vyn::gui

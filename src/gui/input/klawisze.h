// Qt key events as the virtual-key codes the formula editor understands.
#pragma once

#include <Qt>

namespace vyn::gui {

// The virtual-key code of a Qt key with its modifiers (the keypad flag tells keypad digits,
// "+" and the decimal point from the main keyboard's). Keys the editor has no name for give
// vyn::Klawisz::Nieznany or their own code; either way the editor treats them as unnamed.
int KodWirtualny(int klawiszQt, Qt::KeyboardModifiers modyfikatory);

} // namespace vyn::gui

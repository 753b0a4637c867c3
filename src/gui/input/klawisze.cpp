// Translation of Qt keys to virtual-key codes.
#include "input/klawisze.h"

#include "text/edytor.h"

namespace vyn::gui {

namespace {

// Shift with a main-keyboard digit gives its symbol in Qt; the editor wants the digit, as
// the key's code does not depend on Shift. These are the symbols of the US-based layouts
// (Polish programmer's layout included).
int CyfraZSymbolu(int klawisz) {
    switch (klawisz) {
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    default:
        return 0;
    }
}

} // namespace

int KodWirtualny(int k, Qt::KeyboardModifiers modyfikatory) {
    const bool klawiatura = modyfikatory.testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return klawiatura ? Klawisz::Num0 + (k - Qt::Key_0) : '0' + (k - Qt::Key_0);
    if (klawiatura) {
        switch (k) {
        case Qt::Key_Plus:
            return Klawisz::NumPlus;
        case Qt::Key_Minus:
            return Klawisz::NumMinus;
        case Qt::Key_Asterisk:
            return Klawisz::NumRazy;
        case Qt::Key_Slash:
            return Klawisz::NumDziel;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return Klawisz::NumPrzecinek; // "." or "," by the layout
        default:
            break;
        }
    } else if (modyfikatory.testFlag(Qt::ShiftModifier)) {
        if (const int cyfra = CyfraZSymbolu(k))
            return cyfra;
    }
    switch (k) {
    case Qt::Key_Semicolon: // the don't-care part follows
        return Klawisz::Srednik;
    case Qt::Key_Backspace:
        return Klawisz::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Klawisz::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Klawisz::Enter;
    case Qt::Key_Shift:
        return Klawisz::Shift;
    case Qt::Key_Control:
        return Klawisz::Ctrl;
    case Qt::Key_Alt:
        return Klawisz::Alt;
    case Qt::Key_CapsLock:
        return Klawisz::CapsLock;
    case Qt::Key_Escape:
        return Klawisz::Escape;
    case Qt::Key_Space:
        return Klawisz::Spacja;
    case Qt::Key_PageUp:
        return Klawisz::PageUp;
    case Qt::Key_PageDown:
        return Klawisz::PageDown;
    case Qt::Key_End:
        return Klawisz::End;
    case Qt::Key_Home:
        return Klawisz::Home;
    case Qt::Key_Left:
        return Klawisz::Lewo;
    case Qt::Key_Up:
        return Klawisz::Gora;
    case Qt::Key_Right:
        return Klawisz::Prawo;
    case Qt::Key_Down:
        return Klawisz::Dol;
    case Qt::Key_Insert:
        return Klawisz::Insert;
    case Qt::Key_Delete:
        return Klawisz::Delete;
    default:
        break;
    }
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return Klawisz::F1 + (k - Qt::Key_F1);
    return Klawisz::Nieznany;
}

} // namespace vyn::gui

// Drawing a text in fixed character cells: the glyph rule, the bar of negation and the cursor.
//
// A pane font has a cell S pixels high; every character takes a cell W = S - 4 pixels wide
// whatever the glyph's own advance, and is drawn with its cell's top-left corner at (x, 0).
// A lower-case letter is a negated variable: its capital with a one-pixel black bar W - 4
// pixels long on the pane's top row.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringView>

class QPainter;

namespace vyn::gui {

// Which characters a pane draws; any other character leaves its cell empty.
enum class ZestawZnakow {
    LiteryPlus,        // letter function and letter canonical form
    CyfryPrzecinek,    // decimal function
    LiteryPrzecinek,   // prime implicants
    LiteryJedynkaPlus, // minimal form ("1" is the always-true function)
    Wszystkie,         // decimal canonical form: every character as it stands
};

// Every set draws ";", the separator of the don't-care terms.
bool ZnakRysowany(QChar znak, ZestawZnakow zestaw);

// The don't-care terms stand apart from the required ones in this colour.
inline const QColor KolorObojetnych(0, 0, 160);

// The cell width and the cursor's character height for a cell height S.
inline int SzerokoscKomorki(int s) {
    return s - 4;
}
inline int WysokoscKomorki(int s) {
    return s - 1;
}

// A font of the given face whose cell (ascent + descent) is at most S pixels high, with the
// style (bold, italic, underline, strike-out) of `styl`.
QFont CzcionkaKomorki(const QString& nazwa, int s, const QFont& styl = QFont());

class MalarzKomorek {
  public:
    MalarzKomorek(QPainter& malarz, const QFont& czcionka, int s, const QColor& tlo);

    void Wyczysc(const QRect& obszar);
    // Draws `tekst` with its first character in cell `pierwszaKomorka`; cells that do not
    // reach into [0, szerokosc) are skipped. Characters from index `obojetneOd` on (the ";"
    // and the don't-care terms after it) are drawn in KolorObojetnych.
    void Tekst(QStringView tekst, long long pierwszaKomorka, ZestawZnakow zestaw, int szerokosc,
               long long obojetneOd = -1);
    // The cursor: a yellow L, a bar on the boundary before cell `kolumna` and a short line
    // under that cell.
    void Kursor(int kolumna);

  private:
    void Znak(int x, QChar znak, ZestawZnakow zestaw, const QColor& kolor);

    QPainter& p_;
    int s_;
    int w_;
    int wznios_;
    QColor tlo_;
};

} // namespace vyn::gui

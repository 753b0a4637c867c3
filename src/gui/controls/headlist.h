// THeaderListbox: a list under a header bar whose rows are split into the header's columns.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QHeaderView;
class QListWidget;
class QStandardItemModel;

// The cells of a row: each separator ends a cell, the last cell runs to the end of the text,
// two separators in a row give an empty cell. A text without a separator is one cell.
QStringList PodzielNaKomorki(const QString& wiersz, QChar separator);

struct THeaderSection {
    QString Text;
    int Width = 0; // pixels
    Qt::Alignment Alignment = Qt::AlignLeft;
};

class THeaderListbox : public QWidget {
    Q_OBJECT
  public:
    // Only the standard style is drawn: the control paints the cells itself.
    enum TLBStyle { hlbStandard };

    explicit THeaderListbox(QWidget* parent = nullptr);

    QList<THeaderSection> Sections() const { return sections_; }
    void SetSections(const QList<THeaderSection>& sekcje);
    QChar DelimChar() const { return delimChar_; }
    void SetDelimChar(QChar znak);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int wysokosc);
    TLBStyle LBStyle() const { return hlbStandard; }

    QStringList Items() const;
    void AddItem(const QString& wiersz);
    void ClearItems();

    // The cell texts that row `wiersz` shows in each section, empty where it has none.
    QStringList KomorkiWiersza(int wiersz) const;

    QHeaderView* Naglowek() const { return naglowek_; }
    QListWidget* Lista() const { return lista_; }

  private:
    QList<THeaderSection> sections_;
    QChar delimChar_ = QLatin1Char(' ');
    int itemHeight_ = 16;
    QStandardItemModel* modelNaglowka_;
    QHeaderView* naglowek_;
    QListWidget* lista_;
};

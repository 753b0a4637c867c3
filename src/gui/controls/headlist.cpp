// The header list: cell splitting, the header bar and the drawing of the cells under it.
#include "controls/headlist.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

QStringList PodzielNaKomorki(const QString& wiersz, QChar separator) {
    return wiersz.split(separator, Qt::KeepEmptyParts);
}

namespace {

// Draws a row's cells within the horizontal extents of the header's sections.
class DelegatKomorek : public QStyledItemDelegate {
  public:
    DelegatKomorek(THeaderListbox* lista) : QStyledItemDelegate(lista), lista_(lista) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcje,
               const QModelIndex& indeks) const override {
        const bool zaznaczony = opcje.state & QStyle::State_Selected;
        const QPalette& paleta = opcje.palette;
        p->fillRect(opcje.rect, zaznaczony ? paleta.highlight() : paleta.base());
        p->setPen(zaznaczony ? paleta.highlightedText().color() : paleta.text().color());
        p->setFont(opcje.font);
        const QHeaderView* naglowek = lista_->Naglowek();
        const QList<THeaderSection> sekcje = lista_->Sections();
        const QStringList komorki = lista_->KomorkiWiersza(indeks.row());
        for (int s = 0; s < sekcje.size(); ++s) {
            if (naglowek->isSectionHidden(s))
                continue;
            // A cell does not touch the column's edges.
            const QRect kolumna(opcje.rect.left() + naglowek->sectionPosition(s), opcje.rect.top(),
                                naglowek->sectionSize(s), opcje.rect.height());
            const QRect komorka = kolumna.adjusted(Margines, 0, -Margines, 0);
            p->save();
            p->setClipRect(kolumna);
            p->drawText(komorka,
                        static_cast<int>(sekcje[s].Alignment) | Qt::AlignVCenter |
                            Qt::TextSingleLine,
                        komorki[s]);
            p->restore();
        }
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {lista_->Naglowek()->length(), lista_->ItemHeight()};
    }

  private:
    static constexpr int Margines = 2;
    THeaderListbox* lista_;
};

} // namespace

THeaderListbox::THeaderListbox(QWidget* parent)
    : QWidget(parent), modelNaglowka_(new QStandardItemModel(this)),
      naglowek_(new QHeaderView(Qt::Horizontal, this)), lista_(new QListWidget(this)) {
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(naglowek_);
    uklad->addWidget(lista_, 1);

    naglowek_->setModel(modelNaglowka_);
    naglowek_->setStretchLastSection(false);
    naglowek_->setSectionsClickable(false);
    naglowek_->setSectionResizeMode(QHeaderView::Interactive);

    lista_->setItemDelegate(new DelegatKomorek(this));
    lista_->setUniformItemSizes(true);
    lista_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(lista_->horizontalScrollBar(), &QScrollBar::valueChanged, naglowek_,
            &QHeaderView::setOffset);
    connect(naglowek_, &QHeaderView::sectionResized, this, [this] {
        lista_->doItemsLayout();
        lista_->viewport()->update();
    });
}

void THeaderListbox::SetSections(const QList<THeaderSection>& sekcje) {
    sections_ = sekcje;
    modelNaglowka_->setColumnCount(static_cast<int>(sekcje.size()));
    for (int s = 0; s < sekcje.size(); ++s) {
        modelNaglowka_->setHeaderData(s, Qt::Horizontal, sekcje[s].Text);
        modelNaglowka_->setHeaderData(s, Qt::Horizontal,
                                      QVariant::fromValue(sekcje[s].Alignment | Qt::AlignVCenter),
                                      Qt::TextAlignmentRole);
        naglowek_->resizeSection(s, sekcje[s].Width);
    }
    // As a scroll area the header would ask for a square minimum; one line of text is enough.
    naglowek_->setFixedHeight(naglowek_->sizeHint().height());
    lista_->doItemsLayout();
    lista_->viewport()->update();
}

void THeaderListbox::SetDelimChar(QChar znak) {
    delimChar_ = znak;
    lista_->viewport()->update();
}

void THeaderListbox::SetItemHeight(int wysokosc) {
    itemHeight_ = wysokosc;
    lista_->doItemsLayout();
}

QStringList THeaderListbox::Items() const {
    QStringList wiersze;
    for (int i = 0; i < lista_->count(); ++i)
        wiersze.append(lista_->item(i)->text());
    return wiersze;
}

void THeaderListbox::AddItem(const QString& wiersz) {
    lista_->addItem(wiersz);
}

void THeaderListbox::ClearItems() {
    lista_->clear();
}

QStringList THeaderListbox::KomorkiWiersza(int wiersz) const {
    QStringList komorki;
    if (wiersz < 0 || wiersz >= lista_->count())
        return komorki;
    komorki = PodzielNaKomorki(lista_->item(wiersz)->text(), delimChar_);
    // Cells beyond the last section are not shown; missing ones stay empty.
    while (komorki.size() > sections_.size())
        komorki.removeLast();
    while (komorki.size() < sections_.size())
        komorki.append(QString());
    return komorki;
}

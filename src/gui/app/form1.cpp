// The main window: its controls at their design places, the menus and the start state.
#include "app/form1.h"

#include "app/aplikacja.h"
#include "app/kalkulator.h"
#include "controls/iebutton.h"
#include "controls/transbtn.h"
#include "display/dialog_czcionki.h"
#include "display/panel.h"
#include "display/updown.h"
#include "input/formkod.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace vyn::gui {

namespace {

template <typename T> T* Utworz(QWidget* rodzic, const char* nazwa, QRect miejsce) {
    auto* w = new T(rodzic);
    w->setObjectName(QString::fromLatin1(nazwa));
    w->setGeometry(miejsce);
    w->setFocusPolicy(Qt::NoFocus);
    return w;
}

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, int x, int y, const QString& tekst) {
    auto* l = new QLabel(tekst, rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    l->move(x, y);
    l->adjustSize();
    return l;
}

QFrame* Ramka(QWidget* rodzic, const char* nazwa, QRect miejsce, QFrame::Shadow cien) {
    auto* f = Utworz<QFrame>(rodzic, nazwa, miejsce);
    f->setFrameStyle(QFrame::Panel | cien);
    f->setLineWidth(1);
    return f;
}

TPaintBox* Panel(QWidget* rodzic, const char* nazwa, QRect miejsce, Qt::CursorShape kursor) {
    auto* p = Utworz<TPaintBox>(rodzic, nazwa, miejsce);
    p->setCursor(kursor);
    return p;
}

// The picture of the zoom switch: a window with its lower part folded away.
QIcon ObrazekZoom() {
    QPixmap obraz(11, 11);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setPen(QColor(0, 0, 0));
    p.drawRect(0, 0, 10, 10);
    p.fillRect(1, 1, 9, 2, QColor(0, 0, 128));
    p.drawLine(3, 5, 7, 5);
    p.drawLine(4, 6, 6, 6);
    p.drawPoint(5, 7);
    return QIcon(obraz);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(TytulAplikacji);
    QFont czcionkaOkna = font(); // the labels' and captions' small UI font
    czcionkaOkna.setPixelSize(11);
    setFont(czcionkaOkna);
    setFocusPolicy(Qt::StrongFocus);

    CzcionkaDialogu = QFont(QStringLiteral("DejaVu Sans Mono"));
    CzcionkaDialogu.setStyleHint(QFont::Monospace);
    CzcionkaDialogu.setFixedPitch(true);
    CzcionkaDialogu.setPointSize(16);

    auto* klient = new QWidget(this);
    klient->setObjectName(QStringLiteral("Klient"));
    setCentralWidget(klient);

    UtworzKontrolki();
    UtworzMenu();
    PolaczPanele();

    FormKod = new TFormKod(this);
    FormKod->NapisWskaznika = [this] { return SBznaki->text(); };
    FormKod->FunkcjaDziesietna = [this] {
        return Edytor.TrybDziesietny && !Edytor.Funkcja.empty();
    };
    connect(FormKod, &TFormKod::ZmienionoNapis, SBznaki, &TTransparentButton::setText);
    FontDialog1 = new TFontDialog(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    UruchomKalkulator = [] { return vyn::gui::UruchomKalkulator(); };

    // The metrics come first: the layout divides by the cell width.
    PobierzMetryki();
    UstawRozmiarOkna(640, 413);
    FormResize();
    UstalKodowanie();
    RysujFunkcje();
}

TForm1::~TForm1() = default;

void TForm1::UtworzKontrolki() {
    QWidget* k = centralWidget();

    Panel1 = Ramka(k, "Panel1", {0, 8, 625, 65}, QFrame::Raised);
    Bevel1 = Ramka(Panel1, "Bevel1", {8, 3, 529, 35}, QFrame::Sunken);
    PaintBox1 = Panel(Panel1, "PaintBox1", {40, 8, 489, 25}, Qt::IBeamCursor);
    LabelSigma = Etykieta(Panel1, "LabelSigma", 14, 4, QString());
    LabelSigma->setAlignment(Qt::AlignCenter);
    Label5 = Etykieta(Panel1, "Label5", 8, 40, QStringLiteral("Ilość grup : 0"));
    Label6 = Etykieta(Panel1, "Label6", 208, 40, QStringLiteral("Ilość liter : 0"));
    LabelKodowanie = Etykieta(Panel1, "LabelKodowanie", 344, 40, QStringLiteral("Kodowanie :"));
    SBznaki = Utworz<TTransparentButton>(Panel1, "SBznaki", {408, 40, 129, 17});
    SBznaki->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SBznaki->setSpacing(5);
    connect(SBznaki, &TTransparentButton::clicked, this, &TForm1::SBznakiClick);
    IEButton1 = Utworz<TIEButton>(Panel1, "IEButton1", {544, 8, 73, 49});
    IEButton1->setGlyph(ObrazekMinimalizacji());
    IEButton1->setTransparentColor(Qt::black);
    IEButton1->setMargin(8);
    IEButton1->setText(QStringLiteral("Minimalizacja"));
    connect(IEButton1, &TIEButton::clicked, this, &TForm1::SpeedButton3Click);

    StatusBar1 = Utworz<QStatusBar>(k, "StatusBar1", {1, 347, 601, 19});
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1Panel = new QLabel(StatusBar1);
    StatusBar1Panel->setObjectName(QStringLiteral("StatusBar1Panel"));
    StatusBar1Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The whole width of the bar: the longest notes (the range refusal, a stop's bound) must
    // be read whole at the default window size.
    StatusBar1->addWidget(StatusBar1Panel, 1);

    GroupBox1 = Utworz<QGroupBox>(k, "GroupBox1", {0, 80, 625, 105});
    GroupBox1->setTitle(QStringLiteral("Postać kanoniczna"));
    PaintBox2 = Panel(GroupBox1, "PaintBox2", {8, 24, 593, 25}, Qt::SizeHorCursor);
    PaintBox3 = Panel(GroupBox1, "PaintBox3", {8, 64, 593, 25}, Qt::SizeHorCursor);
    GroupBox3 = Utworz<QGroupBox>(k, "GroupBox3", {0, 192, 625, 65});
    GroupBox3->setTitle(QStringLiteral("Proste implikanty"));
    PaintBox4 = Panel(GroupBox3, "PaintBox4", {16, 24, 593, 25}, Qt::SizeHorCursor);

    GroupBox2 = Utworz<QGroupBox>(k, "GroupBox2", {0, 264, 625, 81});
    GroupBox2->setTitle(QStringLiteral("Postać minimalna 0 z 0"));
    GroupBox2->setAutoFillBackground(true);
    GroupBox2->setBackgroundRole(QPalette::Button);
    UpDown1 = Utworz<TUpDown>(GroupBox2, "UpDown1", {8, 20, 29, 34});
    UpDown1->UstawZakres(1, 1);
    UpDown1->UstawPozycje(1);
    UpDown1->hide(); // shown only when a run finds several forms
    connect(UpDown1, &TUpDown::Zmieniono, this, &TForm1::UpDown1Changing);
    Bevel2 = Ramka(GroupBox2, "Bevel2", {44, 20, 569, 33}, QFrame::Sunken);
    PaintBox5 = Panel(GroupBox2, "PaintBox5", {47, 26, 561, 25}, Qt::SizeHorCursor);
    LabelMinGrup = Etykieta(GroupBox2, "LabelMinGrup", 48, 56, QStringLiteral("Ilość grup : 0"));
    LabelMinLiter =
        Etykieta(GroupBox2, "LabelMinLiter", 200, 56, QStringLiteral("Ilośc liter : 0"));

    SBzoom = Utworz<QToolButton>(k, "SBzoom", {606, 349, 17, 17});
    SBzoom->setCheckable(true);
    SBzoom->setIcon(ObrazekZoom());
    SBzoom->setAutoRaise(false);
    connect(SBzoom, &QToolButton::clicked, this, &TForm1::SBzoomClick);
}

void TForm1::UtworzMenu() {
    auto menu = [this](const char* nazwa, const QString& tytul) {
        QMenu* m = menuBar()->addMenu(tytul);
        m->setObjectName(QString::fromLatin1(nazwa));
        return m;
    };
    auto pozycja = [this](QMenu* m, const char* nazwa, const QString& tytul, auto slot,
                          QKeySequence skrot = {}) {
        QAction* a = m->addAction(tytul);
        a->setObjectName(QString::fromLatin1(nazwa));
        a->setShortcut(skrot);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu* funkcja = menu("Funkcja1", QStringLiteral("&Funkcja"));
    Nowa1 = pozycja(funkcja, "Nowa1", QStringLiteral("&Nowa"), &TForm1::Nowa1Click,
                    QKeySequence(Qt::CTRL | Qt::Key_N));
    Otwrz1 = pozycja(funkcja, "Otwrz1", QStringLiteral("&Otwórz ..."), &TForm1::Otwrz1Click,
                     QKeySequence(Qt::CTRL | Qt::Key_O));
    Zapiszjako1 = pozycja(funkcja, "Zapiszjako1", QStringLiteral("Za&pisz jako ..."),
                          &TForm1::Zapiszjako1Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    funkcja->addSeparator();
    ImportujPla = pozycja(funkcja, "ImportujPla", QStringLiteral("&Importuj PLA ..."),
                          &TForm1::ImportujPlaClick);
    QMenu* eksport = funkcja->addMenu(QStringLiteral("&Eksportuj PLA"));
    eksport->setObjectName(QStringLiteral("EksportujPlaMenu"));
    EksportujPla = pozycja(eksport, "EksportujPla", QStringLiteral("&funkcję ..."),
                           &TForm1::EksportujPlaClick);
    EksportujPostac = pozycja(eksport, "EksportujPostac", QStringLiteral("&postać minimalną ..."),
                              &TForm1::EksportujPostacClick);
    funkcja->addSeparator();
    Kodowanie1 =
        pozycja(funkcja, "Kodowanie1", QStringLiteral("&Kodowanie ..."), &TForm1::Kodowanie1Click);
    Minimalizacja1 = pozycja(funkcja, "Minimalizacja1", QStringLiteral("&Minimalizacja"),
                             &TForm1::Minimalizacja1Click, QKeySequence(Qt::CTRL | Qt::Key_M));
    funkcja->addSeparator();
    Zamknij1 = pozycja(funkcja, "Zamknij1", QStringLiteral("&Zamknij"), &TForm1::Zamknij1Click,
                       QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* raport = menu("Raport1", QStringLiteral("&Raport"));
    Podgld1 = pozycja(raport, "Podgld1", QStringLiteral("&Podgląd"), &TForm1::Podgld1Click);
    raport->addSeparator();
    Konfiguruj1 = pozycja(raport, "Konfiguruj1", QStringLiteral("&Konfiguruj ..."),
                          &TForm1::Konfiguruj1Click);

    QMenu* narzedzia = menu("Narzdzia1", QStringLiteral("&Narzędzia"));
    Kalkulator1 =
        pozycja(narzedzia, "Kalkulator1", QStringLiteral("&Kalkulator"), &TForm1::Kalkulator1Click);
    narzedzia->addSeparator();
    Pojemnosc = pozycja(narzedzia, "Pojemnosc", QStringLiteral("&Pojemność tablic ..."),
                        &TForm1::PojemnoscClick);
    Opcje1 =
        pozycja(narzedzia, "Opcje1", QStringLiteral("Ustaw &czcionkę..."), &TForm1::Opcje1Click);

    QMenu* pomoc = menu("Pomoc1", QStringLiteral("&Pomoc"));
    Tematypomocy1 = pozycja(pomoc, "Tematypomocy1", QStringLiteral("&Tryb pomocy"),
                            &TForm1::Tematypomocy1Click);
    Tematypomocy1->setCheckable(true); // the mark shows the help mode
    Wskazwki1 = pozycja(pomoc, "Wskazwki1", QStringLiteral("&Wskazówki"), &TForm1::Wskazwki1Click);
    pomoc->addSeparator();
    Oprogramie1 =
        pozycja(pomoc, "Oprogramie1", QStringLiteral("&O programie"), &TForm1::Oprogramie1Click);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Kopiujdoschowka1 = pozycja(PopupMenu1, "Kopiujdoschowka1", QStringLiteral("Kopiuj do schowka"),
                               &TForm1::Kopiujdoschowka1Click);
}

QString TForm1::Komunikat() const {
    return StatusBar1Panel->text();
}

void TForm1::UstawKomunikat(const QString& tekst) {
    StatusBar1Panel->setText(tekst);
}

void TForm1::Kalkulator1Click() {
    if (UruchomKalkulator)
        UruchomKalkulator();
}

void TForm1::Zamknij1Click() {
    close();
    QCoreApplication::quit();
}

} // namespace vyn::gui

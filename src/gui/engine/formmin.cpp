// The progress dialog: clock, stage text, gauge, search labels, stop button, details list.
#include "engine/formmin.h"

#include "controls/gauges.h"
#include "controls/headlist.h"
#include "engine/przebieg_w_tle.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

const QString PrefiksCzasu = QStringLiteral("Czas minimalizacji: ");

QLabel* NowaEtykieta(QWidget* rodzic, const char* nazwa, const QRect& miejsce,
                     Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* etykieta = new QLabel(rodzic);
    etykieta->setObjectName(QLatin1String(nazwa));
    etykieta->setGeometry(miejsce);
    etykieta->setAlignment(wyrownanie);
    return etykieta;
}

} // namespace

TFormMin::TFormMin(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormMin"));
    setWindowTitle(QStringLiteral("Przebieg minimalizacji"));
    setFixedSize(SzerokoscOkna, WysokoscZwykla);

    const Qt::Alignment prawo = Qt::AlignRight | Qt::AlignVCenter;
    LabelCzas = NowaEtykieta(this, "LabelCzas", QRect(8, 8, 224, 16));
    LabelCzas->setText(PrefiksCzasu + FormatujCzas(0));
    Label2 = NowaEtykieta(this, "Label2", QRect(240, 8, 133, 16), prawo);
    Label3 = NowaEtykieta(this, "Label3", QRect(240, 24, 133, 16), prawo);
    Label4 = NowaEtykieta(this, "Label4", QRect(240, 40, 133, 16), prawo);
    LabelKoszt = NowaEtykieta(this, "LabelKoszt", QRect(8, 24, 224, 16));
    LabelGranica = NowaEtykieta(this, "LabelGranica", QRect(8, 40, 224, 16));
    Label1 = NowaEtykieta(this, "Label1", QRect(8, 60, 365, 32));
    Label1->setWordWrap(true);

    Gauge1 = new TGauge(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setGeometry(8, 96, 365, 20);
    Gauge1->SetForeColor(QColor(0, 0, 128));

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(8, 126, 150, 26);
    SpeedButton1->setCheckable(true);
    SpeedButton1->setText(QStringLiteral("Pokaż szczegóły >>"));
    connect(SpeedButton1, &QToolButton::clicked, this, &TFormMin::SpeedButton1Click);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("&Przerwij"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(273, 126, 100, 26);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormMin::BitBtn1Click);

    // Below the normal height: seen only while the details are shown.
    HeaderListbox1 = new THeaderListbox(this);
    HeaderListbox1->setObjectName(QStringLiteral("HeaderListbox1"));
    HeaderListbox1->setGeometry(8, 168, 365, WysokoscSzczegolow - 168 - 8);
    const Qt::Alignment kolumna = Qt::AlignRight;
    HeaderListbox1->SetSections({{QStringLiteral("Tablica nr"), 80, kolumna},
                                 {QStringLiteral("Ilość składników"), 130, kolumna},
                                 {QStringLiteral("Liczba porównań"), 130, kolumna}});
    HeaderListbox1->SetDelimChar(QLatin1Char(' '));
    HeaderListbox1->SetItemHeight(16);

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(1000);
    // A coarse timer may fire a little early and show the previous second again.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TFormMin::Timer1Timer);
}

void TFormMin::Polacz(PrzebiegMinimalizacji* przebieg) {
    connect(przebieg, &PrzebiegMinimalizacji::Rozpoczeto, this, &TFormMin::RozpocznijPrzebieg);
    connect(przebieg, &PrzebiegMinimalizacji::Etap, this, &TFormMin::PokazEtap);
    connect(przebieg, &PrzebiegMinimalizacji::Postep, this, &TFormMin::PokazPostep);
    connect(przebieg, &PrzebiegMinimalizacji::Szczegol, this, &TFormMin::DodajSzczegol);
    connect(przebieg, &PrzebiegMinimalizacji::Etykieta, this, &TFormMin::PokazEtykiete);
    connect(przebieg, &PrzebiegMinimalizacji::Oszacowanie, this, &TFormMin::PokazOszacowanie);
    connect(przebieg, &PrzebiegMinimalizacji::Zakonczono, this,
            [this](const vyn::WynikMinimalizacji& wynik) {
                ZakonczPrzebieg();
                // A refused run did not run: there is nothing to look at.
                if (wynik.Stan == vyn::StanPrzebiegu::Odrzucony && isVisible())
                    close();
            });
    connect(this, &TFormMin::PrzerwanieZadane, przebieg, &PrzebiegMinimalizacji::Przerwij);
}

QString TFormMin::FormatujCzas(int sekundy) {
    const int h = sekundy / 3600;
    const int m = sekundy / 60 % 60;
    const int s = sekundy % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

void TFormMin::RozpocznijPrzebieg() {
    trwa_ = true;
    BitBtn1->setText(QStringLiteral("Przerwij"));
    HeaderListbox1->ClearItems();
    // Labels of the previous run would read as this run's.
    Label1->clear();
    Label2->clear();
    Label3->clear();
    Label4->clear();
    LabelKoszt->clear();
    LabelGranica->clear();
    Gauge1->SetProgress(Gauge1->MinValue());
    czasSekundy_ = 0;
    LabelCzas->setText(PrefiksCzasu + FormatujCzas(0));
    start_.start();
    zegarChodzi_ = true;
    Timer1.start();
    show();
}

void TFormMin::ZakonczPrzebieg() {
    ZatrzymajZegar();
    trwa_ = false;
    if (!SpeedButton1->isChecked() && isVisible())
        close();
    BitBtn1->setText(QStringLiteral("Zamknij"));
}

void TFormMin::PokazEtap(const QString& tekst) {
    Label1->setText(tekst);
}

void TFormMin::PokazPostep(int wartosc) {
    Gauge1->SetProgress(wartosc);
}

void TFormMin::DodajSzczegol(const QString& wiersz) {
    HeaderListbox1->AddItem(wiersz);
}

void TFormMin::PokazEtykiete(int nr, const QString& tekst) {
    if (nr == 2)
        Label2->setText(tekst);
    else if (nr == 3)
        Label3->setText(tekst);
    else if (nr == 4)
        Label4->setText(tekst);
}

void TFormMin::PokazOszacowanie(int koszt, int granica) {
    // Before the first cover there is no cost to show, only the bound.
    LabelKoszt->setText(koszt > 0 ? QStringLiteral("Koszt najlepszej postaci: %1").arg(koszt)
                                  : QString());
    LabelGranica->setText(QStringLiteral("Dowiedziona dolna granica: %1").arg(granica));
}

void TFormMin::BitBtn1Click() {
    close();
}

void TFormMin::SpeedButton1Click() {
    if (SpeedButton1->isChecked()) {
        setFixedSize(SzerokoscOkna, WysokoscSzczegolow);
        SpeedButton1->setText(QStringLiteral("Ukryj szczegóły <<"));
    } else {
        setFixedSize(SzerokoscOkna, WysokoscZwykla);
        SpeedButton1->setText(QStringLiteral("Pokaż szczegóły >>"));
    }
}

void TFormMin::Timer1Timer() {
    if (!zegarChodzi_ || !isVisible())
        return;
    czasSekundy_ = static_cast<int>(start_.elapsed() / 1000);
    LabelCzas->setText(PrefiksCzasu + FormatujCzas(czasSekundy_));
}

void TFormMin::ZatrzymajZegar() {
    if (!zegarChodzi_)
        return;
    // One last reading, so that the time kept is the time shown.
    Timer1Timer();
    Timer1.stop();
    zegarChodzi_ = false;
}

void TFormMin::closeEvent(QCloseEvent* zdarzenie) {
    // A hidden dialog's clock stops where the user last saw it.
    ZatrzymajZegar();
    zdarzenie->accept();
    emit PrzerwanieZadane();
}

void TFormMin::keyPressEvent(QKeyEvent* zdarzenie) {
    if (zdarzenie->key() == Qt::Key_Escape) {
        BitBtn1Click();
        return;
    }
    QWidget::keyPressEvent(zdarzenie);
}

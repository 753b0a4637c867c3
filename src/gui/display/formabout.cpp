// The About box: its picture, drawn here, and the credits in Marquee1.
#include "display/formabout.h"

#include "controls/marquee.h"

#include <QLabel>
#include <QPainter>

#include <utility>

namespace vyn::gui {

namespace {

constexpr int LiczbaLinii = 85;

// The map's cells: 4 x 4 in Gray-code order, with a 2 x 2 group in the middle and a pair that
// wraps round from the first column to the last.
void RysujMape(QPainter& p, QPoint lewyGorny, int kratka) {
    static constexpr const char* gray[] = {"00", "01", "11", "10"};
    static constexpr bool jedynki[4][4] = {
        {false, false, false, false},
        {false, true, true, false},
        {false, true, true, false},
        {true, false, false, true},
    };
    const int x0 = lewyGorny.x();
    const int y0 = lewyGorny.y();
    const int bok = 4 * kratka;

    QFont opis(QStringLiteral("DejaVu Sans"));
    opis.setPixelSize(9);
    p.setFont(opis);
    p.setPen(QColor(200, 230, 255));
    p.drawText(QRect(x0 - 26, y0 - 14, 26, 14), Qt::AlignCenter, QStringLiteral("AB\\CD"));
    for (int i = 0; i < 4; ++i) {
        p.drawText(QRect(x0 + i * kratka, y0 - 13, kratka, 12), Qt::AlignCenter,
                   QLatin1String(gray[i]));
        p.drawText(QRect(x0 - 22, y0 + i * kratka, 20, kratka), Qt::AlignCenter,
                   QLatin1String(gray[i]));
    }

    p.fillRect(x0, y0, bok, bok, QColor(255, 255, 240));
    p.setPen(QPen(QColor(0, 0, 96), 1));
    for (int i = 0; i <= 4; ++i) {
        p.drawLine(x0 + i * kratka, y0, x0 + i * kratka, y0 + bok);
        p.drawLine(x0, y0 + i * kratka, x0 + bok, y0 + i * kratka);
    }

    QFont cyfry(QStringLiteral("DejaVu Sans Mono"));
    cyfry.setPixelSize(13);
    cyfry.setBold(true);
    p.setFont(cyfry);
    for (int w = 0; w < 4; ++w)
        for (int k = 0; k < 4; ++k) {
            p.setPen(jedynki[w][k] ? QColor(0, 0, 128) : QColor(170, 170, 170));
            p.drawText(QRect(x0 + k * kratka, y0 + w * kratka, kratka, kratka), Qt::AlignCenter,
                       jedynki[w][k] ? QStringLiteral("1") : QStringLiteral("0"));
        }

    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 20, 60), 2));
    p.drawRoundedRect(QRectF(x0 + kratka + 3, y0 + kratka + 3, 2 * kratka - 6, 2 * kratka - 6), 6,
                      6);
    // The wrapping pair: each half ringed as if the map went on past its edge.
    p.save();
    p.setClipRect(x0, y0, bok + 1, bok + 1);
    p.setPen(QPen(QColor(0, 150, 110), 2));
    const qreal y = y0 + 3 * kratka + 3;
    const qreal h = kratka - 6;
    p.drawRoundedRect(QRectF(x0 - kratka / 2.0, y, 1.5 * kratka - 3, h), 6, 6);
    p.drawRoundedRect(QRectF(x0 + 3 * kratka + 3, y, 1.5 * kratka, h), 6, 6);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

TFormAbout::TFormAbout(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("O programie"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFixedSize(Szerokosc, Wysokosc);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, SzerokoscObrazka, WysokoscObrazka);
    Image1->setPixmap(Obrazek());

    // The credits fill the bottom of the box and lie over the picture's last four rows.
    Marquee1 = new TMarquee(this);
    Marquee1->setObjectName(QStringLiteral("Marquee1"));
    Marquee1->setGeometry(0, Wysokosc - WysokoscNapisow, Szerokosc, WysokoscNapisow);
    Marquee1->SetColor(QColor(0, 238, 179));
    Marquee1->SetFontColor(QColor(0, 0, 128));
    QFont czcionka(QStringLiteral("MS Sans Serif"));
    czcionka.setStyleHint(QFont::SansSerif);
    czcionka.setPixelSize(13);
    czcionka.setBold(true);
    Marquee1->setFont(czcionka);
    Marquee1->SetLines(LinieNapisow());
    Marquee1->raise();
    connect(Marquee1, &TMarquee::OnDone, this, &TFormAbout::Marquee1Done);
}

QStringList TFormAbout::LinieNapisow() {
    const std::pair<QString, int> wpisy[] = {
        // {a line with text, empty lines after it}
        {QStringLiteral("VYN dla Windows"), 3},
        {QStringLiteral("Minimalizacja funkcji logicznych"), 0},
        {QStringLiteral("metodą Quine'a-McCluskeya"), 5},
        {QStringLiteral("do 26 zmiennych"), 5},
        {QStringLiteral("Postać kanoniczna"), 4},
        {QStringLiteral("Proste implikanty"), 4},
        {QStringLiteral("Implikanty istotne"), 4},
        {QStringLiteral("Wszystkie postacie minimalne"), 4},
        {QStringLiteral("Raport, wydruk i zapis"), 4},
        {QStringLiteral("Import map Halora"), 4},
        {QStringLiteral("Tryb pomocy i wskazówki"), 4},
        {QStringLiteral("Wersja ") + QStringLiteral(VYN_VERSION), 4},
        {QStringLiteral("Napisany w C++20 i Qt 6"), 6},
        {QStringLiteral("Opracowanie"), 0},
        {QStringLiteral("Zespół VYN"), 6},
        {QStringLiteral("Dziękujemy"), 0},
        {QStringLiteral("za korzystanie z programu"), 0},
    };
    QStringList linie{QString(), QString()};
    for (const auto& [tekst, puste] : wpisy) {
        linie.append(tekst);
        for (int i = 0; i < puste; ++i)
            linie.append(QString());
    }
    // The rest is empty, so that the last words leave the box before it closes.
    while (linie.size() < LiczbaLinii)
        linie.append(QString());
    return linie;
}

QPixmap TFormAbout::Obrazek() {
    QPixmap obraz(SzerokoscObrazka, WysokoscObrazka);
    QPainter p(&obraz);
    QLinearGradient tlo(0, 0, 0, WysokoscObrazka);
    tlo.setColorAt(0, QColor(0, 0, 96));
    tlo.setColorAt(1, QColor(0, 96, 128));
    p.fillRect(obraz.rect(), tlo);

    RysujMape(p, QPoint(34, 22), 22);

    QFont nazwa(QStringLiteral("DejaVu Sans"));
    nazwa.setPixelSize(40);
    nazwa.setBold(true);
    p.setFont(nazwa);
    p.setPen(QColor(0, 238, 179));
    p.drawText(QRect(130, 14, 121, 50), Qt::AlignCenter, QStringLiteral("VYN"));

    QFont podpis(QStringLiteral("DejaVu Sans"));
    podpis.setPixelSize(12);
    p.setFont(podpis);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(130, 62, 121, 16), Qt::AlignCenter, QStringLiteral("dla Windows"));
    p.setPen(QColor(200, 230, 255));
    podpis.setPixelSize(10);
    p.setFont(podpis);
    p.drawText(QRect(130, 84, 121, 28), Qt::AlignCenter,
               QStringLiteral("Quine–McCluskey\nF = BD+Abd"));
    return obraz;
}

void TFormAbout::Pokaz() {
    show();
    raise();
    activateWindow();
}

void TFormAbout::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    FormShow();
}

void TFormAbout::FormShow() {
    Marquee1->Start(); // does nothing while the credits of an earlier showing still run
}

void TFormAbout::Marquee1Done() {
    close();
}

} // namespace vyn::gui

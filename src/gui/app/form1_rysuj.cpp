// The five pane routines of the main window, the count labels and the pane font.
#include "app/form1.h"

#include "display/panel.h"
#include "text/funkcja.h"
#include "geometry/wycinek.h"

#include <QFontDialog>
#include <QLabel>

#include <algorithm>

namespace vyn::gui {

namespace {
constexpr int NajmniejszaCzcionka = 8;
constexpr int NajwiekszaCzcionka = 30;

void UstawEtykiete(QLabel* etykieta, const QString& tekst) {
    etykieta->setText(tekst);
    etykieta->adjustSize();
}
} // namespace

void TForm1::PobierzMetryki() {
    NazwaCzcionki = CzcionkaDialogu.family();
    int rozmiar = CzcionkaDialogu.pointSize();
    if (rozmiar <= 0) // a font given in pixels
        rozmiar = qRound(CzcionkaDialogu.pixelSize() * 72.0 / logicalDpiY());
    RozmiarCzcionki = std::clamp(rozmiar, NajmniejszaCzcionka, NajwiekszaCzcionka);
    SzerokoscZnaku = SzerokoscKomorki(RozmiarCzcionki);
    WysokoscZnaku = WysokoscKomorki(RozmiarCzcionki);
    UstawCzcionkiPaneli();
}

void TForm1::UstawCzcionkiPaneli() {
    // The chosen style shows in the function pane and the letter canonical pane only.
    const QFont zeStylem = CzcionkaKomorki(NazwaCzcionki, RozmiarCzcionki, CzcionkaDialogu);
    const QFont prosta = CzcionkaKomorki(NazwaCzcionki, RozmiarCzcionki);
    PaintBox1->UstawCzcionke(zeStylem, RozmiarCzcionki);
    PaintBox2->UstawCzcionke(zeStylem, RozmiarCzcionki);
    for (TPaintBox* p : {PaintBox3, PaintBox4, PaintBox5})
        p->UstawCzcionke(prosta, RozmiarCzcionki);
}

void TForm1::ZastosujCzcionke(const QFont& czcionka) {
    QFont f = czcionka;
    int rozmiar = f.pointSize() > 0 ? f.pointSize() : qRound(f.pixelSize() * 72.0 / logicalDpiY());
    f.setPointSize(std::clamp(rozmiar, NajmniejszaCzcionka, NajwiekszaCzcionka));
    CzcionkaDialogu = f;
    PobierzMetryki();
    UlozSigme();
    RysujFunkcje();
    RysujKanonicznaLiterowa();
    RysujKanonicznaDziesietna();
}

void TForm1::Opcje1Click() {
    bool wybrano = false;
    const QFont f = QFontDialog::getFont(&wybrano, CzcionkaDialogu, this,
                                         QStringLiteral("Czcionka"), QFontDialog::MonospacedFonts);
    if (wybrano)
        ZastosujCzcionke(f);
}

void TForm1::RysujFunkcje() {
    vyn::OgraniczKolumne(Edytor);
    TPaintBox::Zawartosc z;
    z.Tekst = QString::fromLatin1(Edytor.Funkcja);
    z.Przesuniecie = Edytor.PrzesuniecieWidoku;
    z.Wycinek = false;
    z.Znaki = Edytor.TrybDziesietny ? ZestawZnakow::CyfryPrzecinek : ZestawZnakow::LiteryPlus;
    z.Kursor = Edytor.KolumnaKursora;
    PaintBox1->UstawZawartosc(std::move(z));

    const int grupy = vyn::PoliczGrupy(Edytor.Funkcja);
    const bool krotko = RozmiarOkna().width() <= 300;
    UstawEtykiete(Label6, (krotko ? QStringLiteral("Liter : ") : QStringLiteral("Ilość liter : ")) +
                              QString::number(Edytor.IloscLiter));
    QString grup;
    if (Edytor.TrybDziesietny)
        grup = krotko ? QStringLiteral("Składników : ") : QStringLiteral("Ilość składników : ");
    else
        grup = krotko ? QStringLiteral("Grup : ") : QStringLiteral("Ilość grup : ");
    UstawEtykiete(Label5, grup + QString::number(grupy));
}

void TForm1::RysujWynik(TPaintBox* panel, const QString& tekst, long long przesuniecie,
                        ZestawZnakow zestaw) {
    TPaintBox::Zawartosc z;
    z.Tekst = tekst;
    z.Przesuniecie = przesuniecie;
    z.Znaki = zestaw;
    panel->UstawZawartosc(std::move(z));
}

// An empty slice clears the pane in all four routines: what the pane shows always follows
// its text and offset.
void TForm1::RysujKanonicznaLiterowa() {
    RysujWynik(PaintBox2, KanonicznaLiterowa, PrzesuniecieLiterowej, ZestawZnakow::LiteryPlus);
}

void TForm1::RysujKanonicznaDziesietna() {
    RysujWynik(PaintBox3, KanonicznaDziesietna, PrzesuniecieDziesietnej, ZestawZnakow::Wszystkie);
}

void TForm1::RysujImplikanty() {
    RysujWynik(PaintBox4, ProsteImplikanty, PrzesuniecieImplikantow, ZestawZnakow::LiteryPrzecinek);
}

void TForm1::RysujMinimalna() {
    const QString forma = PostacMinimalna;
    RysujWynik(PaintBox5, forma, PrzesuniecieMinimalnej, ZestawZnakow::LiteryJedynkaPlus);
    const vyn::Wycinek w =
        vyn::WidocznyWycinek(static_cast<std::size_t>(forma.size()), PaintBox5->width(),
                             PrzesuniecieMinimalnej, SzerokoscZnaku);
    // The labels describe the form, so a pane dragged past its end leaves them as they are.
    if (w.Pusty() || forma == opisanaPostac_)
        return;
    opisanaPostac_ = forma;
    const bool zawszePrawdziwa = forma == QStringLiteral("1");
    LabelMinGrup->setVisible(!zawszePrawdziwa);
    LabelMinLiter->setVisible(!zawszePrawdziwa);
    UstawEtykiete(LabelMinGrup, QStringLiteral("Ilość grup: ") +
                                    QString::number(vyn::PoliczGrupy(forma.toStdString())));
    UstawEtykiete(LabelMinLiter, QStringLiteral("Ilość liter: ") +
                                     QString::number(forma.size() - forma.count(u'+')));
}

} // namespace vyn::gui

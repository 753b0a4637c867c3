// The five pane routines of the main window, the count labels and the pane font.
#include "app/form1.h"

#include "controls/transbtn.h"
#include "display/dialog_czcionki.h"
#include "display/panel.h"
#include "geometry/wycinek.h"
#include "text/funkcja.h"

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
    FontDialog1->UstawCzcionke(CzcionkaDialogu);
    if (FontDialog1->exec() == QDialog::Accepted)
        ZastosujCzcionke(FontDialog1->Czcionka());
}

void TForm1::RysujFunkcje() {
    vyn::OgraniczKolumne(Edytor);
    TPaintBox::Zawartosc z;
    z.Tekst = QString::fromLatin1(Edytor.Funkcja);
    z.Przesuniecie = Edytor.PrzesuniecieWidoku;
    z.Wycinek = false;
    z.Znaki = Edytor.TrybDziesietny ? ZestawZnakow::CyfryPrzecinek : ZestawZnakow::LiteryPlus;
    z.Kursor = Edytor.KolumnaKursora;
    z.Obojetne = static_cast<long long>(Edytor.Funkcja.find(vyn::SeparatorObojetnych));
    PaintBox1->UstawZawartosc(std::move(z));

    const int grupy = vyn::PoliczGrupy(Edytor.Funkcja);
    const bool krotko = RozmiarOkna().width() <= 300;
    // The don't-care terms are counted apart, after the required ones.
    const vyn::CzesciFunkcji czesci = vyn::PodzielFunkcje(Edytor.Funkcja);
    const QString obojetne =
        czesci.MaObojetne
            ? QStringLiteral(", obojętne : %1").arg(vyn::PoliczObojetne(Edytor.Funkcja).Grupy)
            : QString();
    krotkaLiter_ = QStringLiteral("Liter : ") + QString::number(Edytor.IloscLiter);
    krotkaGrup_ =
        (Edytor.TrybDziesietny ? QStringLiteral("Składników : ") : QStringLiteral("Grup : ")) +
        QString::number(grupy) + obojetne;
    const QString dlugaGrup = (Edytor.TrybDziesietny ? QStringLiteral("Ilość składników : ")
                                                     : QStringLiteral("Ilość grup : ")) +
                              QString::number(grupy) + obojetne;
    UstawEtykiete(Label6,
                  krotko ? krotkaLiter_
                         : QStringLiteral("Ilość liter : ") + QString::number(Edytor.IloscLiter));
    UstawEtykiete(Label5, krotko ? krotkaGrup_ : dlugaGrup);
    RozsunEtykiety();
}

void TForm1::RozsunEtykiety() {
    // The labels of the row end before the indicator. What gives way, in this order: the
    // letter count takes its short form, then moves left (never over the group count), then
    // "Kodowanie :" is hidden; the counts themselves are hidden only when even that is not
    // enough (a very narrow window with a long encoding).
    constexpr int odstep = 6;
    const auto prawy = [](const QLabel* l) { return l->x() + l->width(); };
    const int granica = SBznaki->x() - odstep;

    LabelKodowanie->setVisible(kodowanieWidoczne_);
    // The rules set "Kodowanie :" close before the indicator; it moves only if it would touch.
    if (kodowanieWidoczne_ && prawy(LabelKodowanie) > SBznaki->x())
        LabelKodowanie->move(SBznaki->x() - LabelKodowanie->width(), LabelKodowanie->y());

    if (prawy(Label5) > granica)
        UstawEtykiete(Label5, krotkaGrup_);
    Label5->setVisible(prawy(Label5) <= granica);

    Label6->move(label6Lewa_, Label6->y());
    const bool litery = !Edytor.TrybDziesietny;
    const int lewa6 = Label5->isVisible() ? prawy(Label5) + odstep : Label5->x();
    auto zmiesc6 = [&](int limit) {
        if (prawy(Label6) > limit)
            Label6->move(std::max(lewa6, limit - Label6->width()), Label6->y());
        return prawy(Label6) <= limit && Label6->x() >= lewa6;
    };
    int limit = LabelKodowanie->isVisible() ? LabelKodowanie->x() - odstep : granica;
    bool miesci = prawy(Label6) <= limit;
    if (!miesci) {
        UstawEtykiete(Label6, krotkaLiter_);
        miesci = zmiesc6(limit);
    }
    if (!miesci && LabelKodowanie->isVisible()) {
        LabelKodowanie->hide();
        Label6->move(label6Lewa_, Label6->y());
        miesci = zmiesc6(granica);
    }
    Label6->setVisible(litery && miesci);
}

void TForm1::RysujWynik(TPaintBox* panel, const QString& tekst, long long przesuniecie,
                        ZestawZnakow zestaw, long long obojetne) {
    TPaintBox::Zawartosc z;
    z.Tekst = tekst;
    z.Przesuniecie = przesuniecie;
    z.Znaki = zestaw;
    z.Obojetne = obojetne;
    panel->UstawZawartosc(std::move(z));
}

void TForm1::RysujKanoniczna(TPaintBox* panel, const QString& wymagane, const QString& obojetne,
                             long long przesuniecie, ZestawZnakow zestaw) {
    if (obojetne.isEmpty()) {
        RysujWynik(panel, wymagane, przesuniecie, zestaw);
        return;
    }
    RysujWynik(panel, wymagane + QChar(u';') + obojetne, przesuniecie, zestaw, wymagane.size());
}

// An empty slice clears the pane in all four routines: what the pane shows always follows
// its text and offset.
void TForm1::RysujKanonicznaLiterowa() {
    RysujKanoniczna(PaintBox2, KanonicznaLiterowa, ObojetneLiterowo, PrzesuniecieLiterowej,
                    ZestawZnakow::LiteryPlus);
}

void TForm1::RysujKanonicznaDziesietna() {
    RysujKanoniczna(PaintBox3, KanonicznaDziesietna, ObojetneDziesietnie, PrzesuniecieDziesietnej,
                    ZestawZnakow::Wszystkie);
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

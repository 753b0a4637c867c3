// The windows as a new user meets them: the captions the platform shows, Qt's own texts in
// Polish, the pane font dialog, texts read whole, count labels that never cover one another,
// a run that finishes after its dialog closed, and the note a stopped or cut run leaves.
#include "app/aplikacja.h"
#include "app/form1.h"
#include "app/program.h"
#include "controls/iebutton.h"
#include "controls/marquee.h"
#include "controls/transbtn.h"
#include "display/dialog_czcionki.h"
#include "display/formabout.h"
#include "display/malarz.h"
#include "engine/formmin.h"
#include "engine/przebieg_w_tle.h"
#include "input/formkod.h"
#include "report/konfiguracja_raportu.h"
#include "report/podglad_raportu.h"
#include "text/funkcja.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

using namespace vyn::gui;

namespace {

// The caption a window manager gets: the handle's title, with the application display name
// appended the way Qt's platforms do once a program has set one.
QString TytulNaEkranie(QWidget* okno) {
    QWindow* uchwyt = okno->windowHandle();
    if (!uchwyt)
        return QStringLiteral("<brak okna>");
    QString tytul = uchwyt->title();
    const QString nazwa = QGuiApplication::applicationDisplayName();
    if (nazwa != QCoreApplication::applicationName() && !tytul.endsWith(nazwa))
        tytul += QStringLiteral(" — ") + nazwa;
    return tytul;
}

// Runs `akcja` on the next modal window of type T once it is up (exec() blocks the test).
template <class T> void GdyModalne(std::function<void(T*)> akcja) {
    auto* zegar = new QTimer;
    auto proby = std::make_shared<int>(0);
    QObject::connect(zegar, &QTimer::timeout, [zegar, akcja, proby] {
        if (auto* okno = qobject_cast<T*>(QApplication::activeModalWidget())) {
            zegar->deleteLater();
            zegar->stop();
            akcja(okno);
        } else if (++*proby > 300) {
            zegar->deleteLater();
            zegar->stop();
            if (QWidget* inne = QApplication::activeModalWidget())
                inne->close();
        }
    });
    zegar->start(10);
}

// Whether a face's style slants (Qt's italic() is false for an oblique style).
bool Pochyly(const QString& kroj, const QString& styl) {
    return !styl.isEmpty() && QFontDatabase::font(kroj, styl, 12).style() != QFont::StyleNormal;
}

bool MiesciSie(const QLabel* etykieta) {
    return etykieta->fontMetrics().horizontalAdvance(etykieta->text()) <=
           etykieta->contentsRect().width();
}

void UstawLitery(TForm1* f, int litery) {
    f->Edytor.Funkcja.clear();
    for (int i = 0; i < litery; ++i)
        f->Edytor.Funkcja += static_cast<char>('A' + i);
    f->Edytor.IloscLiter = litery;
    f->UstawNotacje(false);
    f->UstalKodowanie();
    f->RysujFunkcje();
}

vyn::WynikMinimalizacji Przerwany(int koszt, int granica, bool dowiedziona) {
    vyn::WynikMinimalizacji w;
    w.Stan = vyn::StanPrzebiegu::Zakonczony;
    w.Przerwano = true;
    w.PostacieMinimalne.Dodaj("AB");
    w.KosztPostaci = koszt;
    w.DowiedzionaGranica = granica;
    w.MinimalnaDowiedziona = dowiedziona;
    return w;
}

// Of the two forms of 0,1,2,5,6,7 only the first kept; stopped before the least cost was proved.
vyn::WynikMinimalizacji Obciety(bool przerwany) {
    vyn::ObserwatorPrzebiegu nikt;
    vyn::FlagaPrzerwania flaga;
    vyn::ZadanieMinimalizacji z{"0,1,2,5,6,7", true, "ABC"};
    z.MaksPostaci = 1;
    auto w = vyn::Minimalizuj(z, nikt, flaga);
    w.Przerwano = przerwany;
    if (przerwany)
        w.MinimalnaDowiedziona = false, w.KosztPostaci = 0;
    return w;
}

} // namespace

class NowyUzytkownik : public QObject {
    Q_OBJECT
    std::unique_ptr<Program> p;
    TForm1* f = nullptr;

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("vyn-proba")); }
    void init() {
        p = std::make_unique<Program>();
        f = p->Form1();
        f->show();
    }
    void cleanup() { p.reset(); }

    void every_window_shows_exactly_its_caption() {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("r14.vyn"));
        const std::pair<std::function<QWidget*()>, QString> okna[] = {
            {[&] { return f; }, QStringLiteral("VYN dla Windows")},
            {[&] { return p->Zapisz(plik), f; }, QStringLiteral("VYN dla Windows - r14.vyn")},
            {[&] { return f->Nowa1Click(), f; }, QStringLiteral("VYN dla Windows")},
            {[&] { return p->FormMin()->show(), p->FormMin(); }, "Przebieg minimalizacji"},
            {[&] { return f->FormKod->show(), f->FormKod; }, QStringLiteral("Wybór kodowania")},
            {[&] { return f->FontDialog1->show(), f->FontDialog1; }, QStringLiteral("Czcionka")},
            {[&] {
                 auto* o = f->findChild<TFormAbout*>();
                 return o->show(), o;
             },
             QStringLiteral("O programie")},
            {[&] { return p->Konfiguruj1Click(), p->FormRaportKonfiguracja(); },
             QStringLiteral("Konfiguracja Raportu")},
            {[&] { return p->Podgld1Click(), p->FormRaportPodglad(); },
             QStringLiteral("Podgląd Raportu")},
            {[&] { return p->OpenDialog1()->show(), p->OpenDialog1(); }, QStringLiteral("Otwórz")},
        };
        for (const auto& [pokaz, tytul] : okna) {
            QWidget* okno = pokaz();
            QVERIFY(QTest::qWaitForWindowExposed(okno));
            QCOMPARE(TytulNaEkranie(okno), tytul);
            if (okno != f)
                okno->hide();
        }
    }

    void qt_texts_are_polish() {
        if (!ZaladujTlumaczeniaQt())
            QSKIP("Qt's Polish translations are not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
        QVERIFY(QCoreApplication::translate("QFileDialog", "Look in:") !=
                QStringLiteral("Look in:"));
    }

    void font_dialog_keeps_the_plain_font_and_offers_only_usable_sizes() {
        const QFont przed = f->CzcionkaDialogu;
        QStringList rozmiary;
        bool kursywaZaznaczona = true;
        GdyModalne<TFontDialog>([&](TFontDialog* d) {
            for (int i = 0; i < d->ListaRozmiarow->count(); ++i)
                rozmiary << d->ListaRozmiarow->item(i)->text();
            kursywaZaznaczona = Pochyly(d->ListaKrojow->currentItem()->text(),
                                        d->ListaStylow->currentItem()->text());
            d->accept();
        });
        f->Opcje1Click();
        QVERIFY(!kursywaZaznaczona);
        QCOMPARE(f->CzcionkaDialogu.family(), przed.family());
        QCOMPARE(f->CzcionkaDialogu.pointSize(), przed.pointSize());
        QVERIFY(!f->CzcionkaDialogu.italic() && !f->CzcionkaDialogu.bold());
        QVERIFY(!Pochyly(f->CzcionkaDialogu.family(), f->CzcionkaDialogu.styleName()));
        QVERIFY(!rozmiary.isEmpty());

        // Every size offered is used as it is, and a negated letter shows its bar at it.
        for (const QString& r : rozmiary) {
            const int s = r.toInt();
            QVERIFY2(s >= 8 && s <= 30, qPrintable(r));
            QImage obrazy[2];
            for (int zanegowana = 0; zanegowana < 2; ++zanegowana) {
                QImage& obraz = obrazy[zanegowana];
                obraz = QImage(SzerokoscKomorki(s), s, QImage::Format_RGB32);
                obraz.fill(Qt::white);
                QPainter malarz(&obraz);
                MalarzKomorek komorki(malarz, CzcionkaKomorki(f->NazwaCzcionki, s), s, Qt::white);
                komorki.Tekst(zanegowana ? u"a" : u"A", 0, ZestawZnakow::LiteryPlus, obraz.width());
            }
            int kreska = 0;
            for (int x = 0; x < obrazy[1].width(); ++x)
                kreska += obrazy[1].pixelColor(x, 0) == Qt::black &&
                          obrazy[0].pixel(x, 0) != obrazy[1].pixel(x, 0);
            QVERIFY2(kreska >= 1 && kreska < obrazy[1].width(), qPrintable(r));
        }
    }

    void texts_are_read_whole_at_the_default_size() {
        // Every line of the About box's credits on one line of the box.
        auto* about = f->findChild<TFormAbout*>();
        const QFontMetrics napisy(about->Marquee1->font());
        for (const QString& linia : TFormAbout::LinieNapisow())
            QVERIFY2(napisy.horizontalAdvance(linia) <= about->Marquee1->width(),
                     qPrintable(linia));

        // The status line's longest notes, with numbers as long as they come.
        const QString notatki[] = {
            QString::fromUtf8(vyn::KomunikatZakresu),
            UwagaPrzerwania(Przerwany(1234567, 1234000, false), false),
            UwagaPrzerwania(Przerwany(1234567, 1234567, true), false),
            QStringLiteral("Zachowano pierwsze 1000 postaci minimalnych, jest ich więcej"),
        };
        for (const QString& tekst : notatki) {
            QVERIFY(!tekst.isEmpty());
            f->UstawKomunikat(tekst);
            QVERIFY2(MiesciSie(f->StatusBar1Panel), qPrintable(tekst));
        }
        f->RozpocznijPrzebieg();
        f->PokazKonczenie();
        QVERIFY(MiesciSie(f->StatusBar1Panel));
        f->ZakonczPrzebieg({}, false);

        // The progress dialog's estimate.
        p->FormMin()->PokazOszacowanie(1234567, 1234000);
        QVERIFY(MiesciSie(p->FormMin()->LabelKoszt));
        QVERIFY(MiesciSie(p->FormMin()->LabelGranica));
    }

    void count_labels_never_cover_one_another() {
        for (int szerokosc : {640, 520, 401, 400, 300}) {
            f->UstawRozmiarOkna(szerokosc, 413);
            for (int litery = 1; litery <= 26; ++litery) {
                UstawLitery(f, litery);
                QList<QRect> zajete;
                for (QWidget* w :
                     QWidgetList{f->Label5, f->Label6, f->LabelKodowanie, f->SBznaki}) {
                    if (!w->isVisibleTo(f) || w->x() < 0)
                        continue;
                    for (const QRect& r : zajete)
                        QVERIFY2(!r.intersects(w->geometry()),
                                 qPrintable(QStringLiteral("%1 px, %2 liter: %3")
                                                .arg(szerokosc)
                                                .arg(litery)
                                                .arg(w->objectName())));
                    zajete << w->geometry();
                }
                // At the default size nothing has to give way entirely.
                if (szerokosc == 640)
                    QVERIFY(f->Label6->isVisibleTo(f) && f->Label5->isVisibleTo(f));
                if (szerokosc == 640 && litery <= 12)
                    QVERIFY(f->LabelKodowanie->isVisibleTo(f));
            }
        }
    }

    void a_typed_path_leaves_no_completion_popup_behind() {
        QTemporaryDir katalog;
        for (const char* nazwa : {"proba.vyn", "prob2.vyn"}) {
            QFile plik(katalog.filePath(QString::fromLatin1(nazwa)));
            QVERIFY(plik.open(QIODevice::WriteOnly));
            plik.write("AB+aC\r\n");
        }
        QAbstractItemView* podpowiedzi = nullptr;
        GdyModalne<QFileDialog>([&](QFileDialog* d) {
            auto* pole = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(pole, katalog.filePath(QStringLiteral("prob")));
            if (QTest::qWaitFor([&] { return pole->completer()->popup()->isVisible(); }, 3000))
                podpowiedzi = pole->completer()->popup();
            QTest::keyClicks(pole, QStringLiteral("a.vyn"));
            QTest::qWait(100);
            // Enter takes the completion first, if the popup offers one, then opens the file.
            for (int i = 0; i < 3 && d->isVisible(); ++i) {
                QTest::keyClick(pole, Qt::Key_Return);
                QTest::qWait(100);
            }
            if (d->isVisible())
                d->reject();
        });
        p->Otwrz1Click();
        if (!podpowiedzi)
            QSKIP("the completion did not show on this platform");
        QTest::qWait(50);
        QVERIFY(!podpowiedzi->isVisible());
    }

    void a_run_finishing_after_its_dialog_closed_shows_that_it_works() {
        UstawLitery(f, 3);
        QSignalSpy koniec(p.get(), &Program::PrzebiegZakonczony);
        p->SpeedButton3Click();
        QVERIFY(p->Przebieg()->Trwa());
        // The worker's end is posted to this thread, so the run is still on when the dialog
        // closes here.
        p->FormMin()->close();
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QVERIFY(f->Komunikat().startsWith(QStringLiteral("Przerywanie minimalizacji")));
        QTRY_COMPARE_WITH_TIMEOUT(koniec.count(), 1, 20000);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!f->Komunikat().startsWith(QStringLiteral("Przerywanie")));
        QVERIFY(f->IEButton1->isEnabled());
    }

    void the_estimate_reaches_the_dialog_and_a_stop_says_how_far_off_the_form_can_be() {
        emit p->Przebieg()->Oszacowanie(535, 498);
        QCOMPARE(p->FormMin()->LabelKoszt->text(), QStringLiteral("Koszt najlepszej postaci: 535"));
        QCOMPARE(p->FormMin()->LabelGranica->text(),
                 QStringLiteral("Dowiedziona dolna granica: 498"));

        struct Przypadek {
            vyn::WynikMinimalizacji wynik;
            bool niepelne;
            QString komunikat;
        };
        const Przypadek przypadki[] = {
            {Przerwany(535, 498, false), false,
             QStringLiteral("Minimalizację przerwano – koszt postaci 535, dolna "
                            "granica 498 (najwyżej o %1 od minimum)")
                 .arg(535 - 498)},
            {Przerwany(503, 503, true), false,
             QStringLiteral("Minimalizację przerwano – postać minimalna (koszt 503), lista "
                            "postaci może być niepełna")},
            // Until the search fills in its cost, the plain notes stay.
            {Przerwany(0, 0, false), false,
             QStringLiteral("Minimalizację przerwano – wynik może nie być minimalny")},
            {Przerwany(535, 498, false), true,
             QStringLiteral("Minimalizację przerwano przed znalezieniem postaci minimalnej")},
            {Obciety(false), false,
             QStringLiteral("Zachowano pierwsze 1 postaci minimalnych, jest ich więcej")},
            {Obciety(true), false,
             QStringLiteral("Minimalizację przerwano – wynik może nie być minimalny; zachowano "
                            "pierwsze 1 postaci minimalnych, jest ich więcej")},
        };
        for (const Przypadek& c : przypadki) {
            f->RozpocznijPrzebieg();
            f->ZakonczPrzebieg(c.wynik, c.niepelne);
            QCOMPARE(f->Komunikat(), c.komunikat);
        }
    }
};

QTEST_MAIN(NowyUzytkownik)
#include "nowy_uzytkownik_test.moc"

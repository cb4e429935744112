#include "layout/tabellen.h"

#include <gtest/gtest.h>

// The tables place every control inside its window and its group, in every
// screen class, and controls of one stack or one row do not overlap.

namespace {

const std::array<ScreenClass, 4> kKlassen{ScreenClass::C800, ScreenClass::C1024, ScreenClass::C1152,
                                          ScreenClass::C1280};

QRect fenster(ScreenClass klasse) {
    ProgramState state;
    setScreenClassFlags(state, klasse);
    return QRect(QPoint(0, 0), fenstergroesse(state));
}

} // namespace

TEST(Tabellen, TheStartWindowsMenuHoldsItsButtonsAndTheNamesFitTheWindow) {
    for (ScreenClass klasse : kKlassen) {
        SCOPED_TRACE(static_cast<int>(klasse));
        const tabellen::Startfenster& t = tabellen::startfenster(klasse);
        EXPECT_TRUE(fenster(klasse).contains(t.menue));
        const QRect innen(QPoint(0, 0), t.menue.size());
        for (int i = 0; i < 5; ++i) {
            const QRect knopf = t.knoepfe.an(i);
            EXPECT_TRUE(innen.contains(knopf)) << i;
            EXPECT_LE(knopf.right() + t.infoAbstand + t.infoBreite, innen.right()) << i;
            EXPECT_FALSE(knopf.intersects(t.knoepfe.an(i + 1))) << i;
        }
        EXPECT_GE(t.spalteLinks, t.menue.right());
        EXPECT_LE(t.spalteLinks + t.spalteBreite, fenster(klasse).width());
        for (const tabellen::Schriftzeile& zeile : {t.logo, t.name1, t.name4}) {
            EXPECT_LE(zeile.oben + zeile.hoehe, fenster(klasse).height());
            EXPECT_LE(-zeile.schrift, zeile.hoehe);
        }
        EXPECT_LE(t.logo.oben + t.logo.hoehe, t.name1.oben);
        EXPECT_LE(t.name1.oben + t.name1.hoehe, t.name4.oben);
    }
}

TEST(Tabellen, TheSelectionWindowsListButtonsAndMenuStandApartInside) {
    for (ScreenClass klasse : kKlassen) {
        SCOPED_TRACE(static_cast<int>(klasse));
        const tabellen::Auswahlfenster& t = tabellen::auswahlfenster(klasse);
        EXPECT_TRUE(fenster(klasse).contains(t.rahmen));
        EXPECT_TRUE(QRect(QPoint(0, 0), t.rahmen.size()).contains(t.liste));
        for (const QRect& knopf : {t.ok, t.zurueck}) {
            EXPECT_TRUE(fenster(klasse).contains(knopf));
            EXPECT_GT(knopf.top(), t.rahmen.bottom());
        }
        EXPECT_FALSE(t.ok.intersects(t.zurueck));
        EXPECT_GT(t.zeilenhoehe, -t.schrift);
        EXPECT_TRUE(fenster(klasse).contains(t.menue));
        const QRect menue(QPoint(0, 0), t.menue.size());
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(menue.contains(t.menueKnoepfe.an(i))) << i;
            EXPECT_FALSE(t.menueKnoepfe.an(i).intersects(t.menueKnoepfe.an(i + 1))) << i;
        }
    }
}

TEST(Tabellen, TheDrillWindowsFieldsLinesAndBarFitTheWindow) {
    for (ScreenClass klasse : kKlassen) {
        SCOPED_TRACE(static_cast<int>(klasse));
        const tabellen::Uebungsfenster& t = tabellen::uebungsfenster(klasse);
        for (const QRect& r :
             {t.eingabe, t.info, t.uebung, t.zusatz, t.uhr, t.schalter, t.abbrechen}) {
            EXPECT_TRUE(fenster(klasse).contains(r)) << r.x() << "," << r.y();
        }
        const QRect info(QPoint(0, 0), t.info.size());
        for (int i = 0; i < 5; ++i) {
            EXPECT_TRUE(info.contains(t.infozeilen.an(i))) << i;
            EXPECT_LE(t.infozeilen.an(i).right(), info.right() - tabellen::kInfoRand) << i;
        }
        EXPECT_TRUE(info.contains(t.stopp));
        EXPECT_FALSE(t.uhr.intersects(t.schalter));
        EXPECT_FALSE(t.schalter.intersects(t.abbrechen));
        EXPECT_EQ(t.uhr.top(), t.abbrechen.top());
        EXPECT_GT(t.uebung.top(), t.abbrechen.bottom());
        EXPECT_GT(t.zusatz.top(), t.eingabe.bottom());
    }
}

TEST(Tabellen, TheCellsOfTheLineExercisesStayInsideTheirField) {
    for (ScreenClass klasse : kKlassen) {
        SCOPED_TRACE(static_cast<int>(klasse));
        const tabellen::Uebungszeilen& t = tabellen::uebungszeilen(klasse);
        const QRect feld(QPoint(0, 0), tabellen::uebungsfenster(klasse).uebung.size());
        EXPECT_TRUE(feld.contains(t.normal.zelle(0)));
        EXPECT_TRUE(feld.contains(t.normal.zelle(35)));
        for (int i = 0; i < 13; ++i) {
            if (i != 6) {
                EXPECT_TRUE(feld.contains(t.rasterzelle(i))) << i;
                EXPECT_FALSE(t.rasterzelle(i).intersects(t.rahmen())) << i;
            }
        }
        EXPECT_TRUE(feld.contains(t.rahmen()));
        EXPECT_TRUE(feld.contains(t.wort.zelle(9)));
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(feld.contains(t.farbzone(i))) << i;
            EXPECT_FALSE(t.farbzone(i).intersects(t.wort.zelle(9))) << i;
        }
        // The Return and Backspace symbols below the rows fit too.
        EXPECT_LE(t.normal.oben + t.normal.hoehe + 12 + t.symbol.height(), feld.height());
        EXPECT_LE(t.wort.oben + t.wort.hoehe + 12 + t.symbol.height(), feld.height());
        EXPECT_LE(t.raster.oben + t.raster.hoehe + 30 + t.symbol.height(), feld.height());
    }
}

TEST(Tabellen, TheTellingValuesOfEachClass) {
    const std::array<QSize, 4> fenstergroessen{QSize(800, 600), QSize(1024, 768), QSize(1152, 864),
                                               QSize(1280, 960)};
    const std::array<int, 4> trainerhoehen{600, 780, 864, 962};
    const std::array<QRect, 4> auswahlrahmen{QRect(50, 50, 380, 380), QRect(64, 64, 480, 480),
                                             QRect(71, 71, 530, 530), QRect(80, 80, 540, 580)};
    const std::array<QSize, 4> hinweisgroessen{QSize(480, 245), QSize(600, 300), QSize(660, 330),
                                               QSize(605, 290)};
    const std::array<QRect, 4> ergebnisfelder{QRect(32, 40, 690, 320), QRect(40, 48, 857, 400),
                                              QRect(44, 53, 940, 440), QRect(49, 59, 1040, 485)};
    const std::array<int, 4> editorschriften{-16, -19, -21, -23};
    for (std::size_t k = 0; k < kKlassen.size(); ++k) {
        const ScreenClass klasse = kKlassen[k];
        SCOPED_TRACE(fenstergroessen[k].width());
        EXPECT_EQ(fenster(klasse).size(), fenstergroessen[k]);
        EXPECT_EQ(tabellen::schreibtrainerfenster(klasse).fenster,
                  QSize(fenstergroessen[k].width(), trainerhoehen[k]));
        EXPECT_EQ(tabellen::auswahlfenster(klasse).rahmen, auswahlrahmen[k]);
        EXPECT_EQ(tabellen::hinweisfenster(klasse).fenster, hinweisgroessen[k]);
        EXPECT_EQ(tabellen::ergebnisfenster(klasse).anzeige, ergebnisfelder[k]);
        EXPECT_EQ(tabellen::editorSchrift(klasse), editorschriften[k]);
    }
    // The hint window of the 1280 class is smaller than that of the 1152 class.
    EXPECT_LT(tabellen::hinweisfenster(ScreenClass::C1280).fenster.width(),
              tabellen::hinweisfenster(ScreenClass::C1152).fenster.width());
}

TEST(Tabellen, TheHintAndResultWindowsKeepTheirControlsInside) {
    for (const ScreenClass klasse : kKlassen) {
        const tabellen::Hinweisfenster& h = tabellen::hinweisfenster(klasse);
        const QRect innen(QPoint(0, 0), h.fenster);
        EXPECT_TRUE(innen.contains(h.hinweis));
        for (std::size_t i = 0; i < h.knopfLinks.size(); ++i) {
            const QRect knopf(QPoint(h.knopfLinks[i], h.knopfOben), h.knopf);
            EXPECT_TRUE(innen.contains(knopf)) << i;
            EXPECT_GT(knopf.top(), h.hinweis.bottom()) << i;
            if (i + 1 < h.knopfLinks.size()) {
                EXPECT_LT(knopf.right(), h.knopfLinks[i + 1]) << i;
            }
        }
        const tabellen::Ergebnisfenster& e = tabellen::ergebnisfenster(klasse);
        EXPECT_TRUE(fenster(klasse).contains(e.anzeige));
        EXPECT_TRUE(fenster(klasse).contains(e.leiste));
        EXPECT_GT(e.leiste.top(), e.anzeige.bottom());
    }
}

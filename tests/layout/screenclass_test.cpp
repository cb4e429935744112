#include "layout/screenclass.h"
#include "ui/platform.h"

#include <gtest/gtest.h>

namespace {

// The class and the message for a screen of `breite` x `hoehe` of its own
// pixels at the pixel ratio `verhaeltnis`, all of it free unless `frei` says.
ScreenClassChoice klasseFuer(int breite, int hoehe, qreal verhaeltnis = 1, QSize frei = {}) {
    ScreenArea flaeche;
    flaeche.geometry = QRect(0, 0, breite, hoehe);
    flaeche.available = frei.isEmpty() ? flaeche.geometry : QRect(QPoint(0, 0), frei);
    flaeche.devicePixelRatio = verhaeltnis;
    return screenClassFor(flaeche.windowGeometry().size(), flaeche.windowArea().size());
}

} // namespace

TEST(ScreenClass, TheLargestClassWhoseWindowFitsTheFreeArea) {
    struct Fall {
        int breite, hoehe;
        qreal verhaeltnis;
        ScreenClass klasse;
        bool meldung;
    };
    for (const Fall& f : {
             Fall{640, 480, 1, ScreenClass::C800, true},
             Fall{800, 600, 1, ScreenClass::C800, false},
             Fall{1024, 768, 1, ScreenClass::C1024, false},
             Fall{1280, 1024, 1, ScreenClass::C1280, false},
             Fall{1366, 768, 1, ScreenClass::C1024, false},
             Fall{1920, 1080, 1, ScreenClass::C1280, false},
             Fall{3840, 2160, 1, ScreenClass::C1280, false},
             // At twice the pixel ratio a window pixel is two of the screen's.
             Fall{640, 480, 2, ScreenClass::C800, true},
             Fall{800, 600, 2, ScreenClass::C800, true},
             Fall{1024, 768, 2, ScreenClass::C800, true},
             Fall{1280, 1024, 2, ScreenClass::C800, true},
             Fall{1366, 768, 2, ScreenClass::C800, true},
             Fall{1920, 1080, 2, ScreenClass::C800, true},
             Fall{3840, 2160, 2, ScreenClass::C1280, false},
             Fall{2560, 1600, 2, ScreenClass::C1024, false},
             Fall{1152, 864, 1, ScreenClass::C1152, false},
         }) {
        const ScreenClassChoice c = klasseFuer(f.breite, f.hoehe, f.verhaeltnis);
        EXPECT_EQ(c.screenClass, f.klasse) << f.breite << "x" << f.hoehe << " @" << f.verhaeltnis;
        EXPECT_EQ(c.tooSmall, f.meldung) << f.breite << "x" << f.hoehe << " @" << f.verhaeltnis;
    }
}

TEST(ScreenClass, PanelsTakeTheirShareOfTheScreen) {
    // A laptop whose panel leaves less than 768 lines gets the smaller class.
    EXPECT_EQ(klasseFuer(1366, 768, 1, QSize(1366, 740)).screenClass, ScreenClass::C800);
    EXPECT_FALSE(klasseFuer(1366, 768, 1, QSize(1366, 740)).tooSmall);
    EXPECT_EQ(klasseFuer(1280, 1024, 1, QSize(1280, 990)).screenClass, ScreenClass::C1280);
    EXPECT_EQ(klasseFuer(1280, 1024, 1, QSize(1280, 950)).screenClass, ScreenClass::C1152);
    // An 800 x 600 screen with a panel is not too small; the window just fits less well.
    EXPECT_FALSE(klasseFuer(800, 600, 1, QSize(800, 570)).tooSmall);
}

TEST(ScreenClass, ExactlyOneFlagAndPerClassValues) {
    ProgramState state;
    EXPECT_EQ(perClass(state, std::array{-16, -19, -21, -23}), -16);
    setScreenClassFlags(state, ScreenClass::C1152);
    EXPECT_EQ(int(state.ScreenClass800) + state.ScreenClass1024 + state.ScreenClass1152 +
                  state.ScreenClass1280,
              1);
    EXPECT_EQ(perClass(state, std::array{-16, -19, -21, -23}), -21);
    // Flags are tested from the smallest class up.
    state.ScreenClass1024 = true;
    EXPECT_EQ(currentScreenClass(state), ScreenClass::C1024);
}

#include "evaluation/kennzahlen.h"

#include <gtest/gtest.h>

using kennzahlen::Kennzahlen;

TEST(Kennzahlen, SpeedAndErrorRateOfAWorkedExercise) {
    // 1,432 keystrokes in ten minutes with seven errors.
    const Kennzahlen k = kennzahlen::von(1432, 7, 600000);
    EXPECT_DOUBLE_EQ(kennzahlen::anschlaegeJeMinute(k), 143.2);
    EXPECT_NEAR(kennzahlen::fehlerquote(k), 0.4888, 0.0001);
    EXPECT_EQ(
        kennzahlen::zeilen(k),
        (QStringList{QString(),
                     QString::fromUtf8("Tempo: 143,2 Anschläge je Minute   Fehlerquote: 0,5 %")}));
}

TEST(Kennzahlen, WrongKeysAreNamedMostOftenMissedFirst) {
    // 90 keystrokes in 45 seconds: 120 a minute; 6 wrong of 90.
    Kennzahlen k = kennzahlen::von(90, 6, 45000);
    k.falschJeTaste = {{u'e', 1}, {u' ', 3}, {u'r', 2}};
    const QStringList z = kennzahlen::zeilen(k);
    ASSERT_EQ(z.size(), 3);
    EXPECT_EQ(z[1], QString::fromUtf8("Tempo: 120,0 Anschläge je Minute   Fehlerquote: 6,7 %"));
    EXPECT_EQ(z[2], QString::fromUtf8("Falsche Anschläge je Taste: Leertaste 3, r 2, e 1"));
}

TEST(Kennzahlen, NothingIsShownWithoutTimeOrKeystrokes) {
    EXPECT_TRUE(kennzahlen::zeilen(kennzahlen::von(100, 2, 0)).isEmpty());
    EXPECT_TRUE(kennzahlen::zeilen(kennzahlen::von(0, 0, 5000)).isEmpty());
    EXPECT_DOUBLE_EQ(kennzahlen::anschlaegeJeMinute(kennzahlen::von(100, 2, 0)), 0.0);
    EXPECT_DOUBLE_EQ(kennzahlen::fehlerquote(kennzahlen::von(0, 0, 5000)), 0.0);
}

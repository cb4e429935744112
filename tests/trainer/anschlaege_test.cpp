#include "trainer/anschlaege.h"

#include <gtest/gtest.h>

// The trainer's keystroke count, live while typing and recounted afterwards.

using anschlaege::Zaehler;

TEST(Anschlaege, ShiftedCharactersCountTwoAndTheirDeletionTakesTwo) {
    Zaehler z;
    z.taste(Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(z.stand(), 1);
    z.taste(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(z.stand(), 3);
    z.taste(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(z.stand(), 4);
    z.loeschen(QStringLiteral("aA"), 2, true); // Backspace after the "A"
    EXPECT_EQ(z.stand(), 2);
    z.loeschen(QStringLiteral("a"), 0, false); // Delete before the "a"
    EXPECT_EQ(z.stand(), 1);
}

TEST(Anschlaege, KeysThatTypeNothingAreNotCounted) {
    Zaehler z;
    for (int key : {int(Qt::Key_Control), int(Qt::Key_Shift), int(Qt::Key_Alt), int(Qt::Key_F1),
                    int(Qt::Key_Escape), int(Qt::Key_Left), int(Qt::Key_Tab), int(Qt::Key_Insert),
                    int(Qt::Key_PageDown)}) {
        z.taste(key, Qt::NoModifier);
    }
    EXPECT_EQ(z.stand(), 0);
    z.taste(Qt::Key_Q, Qt::ShiftModifier | Qt::ControlModifier); // not Shift alone
    EXPECT_EQ(z.stand(), 1);
}

TEST(Anschlaege, DeletingNeverGoesBelowZeroAndTakesNothingFromAnEmptyLine) {
    Zaehler z;
    z.taste(Qt::Key_A, Qt::NoModifier);
    z.loeschen(QString(), 0, true);
    EXPECT_EQ(z.stand(), 1);
    z.loeschen(QStringLiteral("abc"), 0, true); // a Backspace at the line start
    EXPECT_EQ(z.stand(), 0);
    z.loeschen(QStringLiteral("X"), 1, true);
    EXPECT_EQ(z.stand(), 0);
    z.taste(Qt::Key_Less, Qt::NoModifier);
    z.taste(Qt::Key_Greater, Qt::ShiftModifier);
    z.loeschen(QStringLiteral("<>"), 2, true);
    EXPECT_EQ(z.stand(), 1);
    z.loeschen(QStringLiteral("<"), 1, true);
    EXPECT_EQ(z.stand(), 0);
}

TEST(Anschlaege, TheRecountWeighsEachCharacterAndCountsParagraphEnds) {
    EXPECT_EQ(anschlaege::wert(QLatin1Char('a')), 1);
    EXPECT_EQ(anschlaege::wert(QChar(0xDF)), 1); // ß
    EXPECT_EQ(anschlaege::wert(QLatin1Char('Z')), 2);
    EXPECT_EQ(anschlaege::wert(QChar(0xA7)), 2); // §
    EXPECT_EQ(anschlaege::wert(QLatin1Char('<')), 0);
    EXPECT_EQ(anschlaege::wert(QLatin1Char('@')), 0);
    EXPECT_EQ(anschlaege::neuZaehlen({QStringLiteral("Ab c."), QString(), QStringLiteral("D")}),
              2 + 1 + 1 + 1 + 1 + 2 + 2);
    EXPECT_EQ(anschlaege::neuZaehlen({}), 0);
}

#include "drill/normalzeile.h"
#include "drill/wortaufbau.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

TEST(NormalzeileVorbereiten, CopyTextJoinsItsLinesUpToTheParagraph) {
    const QStringList skript{QStringLiteral("//Abschreibtext"),
                             QStringLiteral("Der Hund "),
                             QStringLiteral("  bellt."),
                             QStringLiteral("Er ruht."),
                             QString(),
                             QStringLiteral("Neu")};
    const QString fuge(kZeilenfuge);
    EXPECT_EQ(normalzeileVorbereiten(skript, 1, QStringLiteral("Der Hund "), {true, false}),
              QStringLiteral("Der Hund") + fuge + QStringLiteral("bellt.") + fuge +
                  QStringLiteral("Er ruht."));
}

TEST(NormalzeileVorbereiten, ABlankJoinsDrillLinesButNotCommandsOrKeypadLines) {
    const QStringList skript{QStringLiteral("//Normalzeile"), QStringLiteral("eins"),
                             QStringLiteral("zwei"), QStringLiteral("//Ende")};
    EXPECT_EQ(normalzeileVorbereiten(skript, 1, QStringLiteral("eins"), {}),
              QStringLiteral("eins "));
    EXPECT_EQ(normalzeileVorbereiten(skript, 2, QStringLiteral("zwei"), {}),
              QStringLiteral("zwei"));
    EXPECT_EQ(normalzeileVorbereiten(skript, 1, QStringLiteral("eins"), {false, true}),
              QStringLiteral("eins\r"));
    EXPECT_EQ(normalzeileVorbereiten(skript, 2, QStringLiteral("zwei"), {false, true}),
              QStringLiteral("zwei\r"));
}

TEST(Normalzeilenfenster, ScrollsPastTheBreakOnly) {
    Normalzeilenfenster fenster = normalzeileBeginnen(QStringLiteral("kurz"));
    EXPECT_EQ(fenster.umbruch, 0);
    EXPECT_EQ(fenster.sichtbar().size(), kNormalzellen);

    const QString lang = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklmnop");
    fenster = normalzeileBeginnen(lang); // no break in view: scroll at the last cell
    EXPECT_EQ(fenster.umbruch, kNormalzellen);
    for (int i = 0; i < kNormalzellen; ++i) {
        normalzeileWeiter(fenster);
    }
    EXPECT_EQ(fenster.aktuell, 1);
    EXPECT_EQ(fenster.sichtbar().at(0), lang.at(kNormalzellen));
}

TEST(Normalzellen, SpecialCharactersAsShown) {
    EXPECT_EQ(normalzellenText(QLatin1Char('@'), false), QString::fromUtf8("«"));
    EXPECT_EQ(normalzellenText(QLatin1Char('-'), false), QString::fromUtf8("–"));
    EXPECT_EQ(normalzellenText(kZeilenfuge, true), QStringLiteral(" "));
    EXPECT_EQ(normalzellenText(QLatin1Char('\t'), true), QStringLiteral(">"));
    EXPECT_EQ(normalzellenText(QLatin1Char('&'), false), QStringLiteral("&"));
}

TEST(Wortaufbau, WordsAreCutToTenWithTheirBlank) {
    EXPECT_EQ(woerterKuerzen(QStringLiteral("Haus Schifffahrtsgesellschaft")),
              QStringLiteral("Haus Schifffaht"));
    EXPECT_EQ(woerterKuerzen(QStringLiteral("abcdefghij x")), QStringLiteral("abcdefghi x"));
    EXPECT_EQ(woerterKuerzen(QStringLiteral("abcdefghi x")), QStringLiteral("abcdefghi x"));
}

TEST(Wortaufbau, CurrentWordAndItsPlace) {
    const QString zeile = QStringLiteral("ab cde f");
    EXPECT_EQ(aktuellesWort(zeile, 1), QStringLiteral("ab "));
    EXPECT_EQ(aktuellesWort(zeile, 3), QStringLiteral("ab "));
    EXPECT_EQ(aktuellesWort(zeile, 4), QStringLiteral("cde "));
    EXPECT_EQ(aktuellesWort(zeile, 8), QStringLiteral("f"));
    EXPECT_EQ(erstesWortpanel(QStringLiteral("f")), 5);
    EXPECT_EQ(erstesWortpanel(QStringLiteral("cde ")), 5);
    EXPECT_EQ(erstesWortpanel(QStringLiteral("abcdefghi ")), 1);
    EXPECT_EQ(erstesWortpanel(QStringLiteral("abcdefghi")), 1);
}

TEST(Wortaufbau, FingerColoursAndColourPanels) {
    EXPECT_EQ(fingerfarbe(QChar(0xDF))->farbe, QColor(Qt::blue)); // ß: little finger
    EXPECT_EQ(fingerfarbe(QLatin1Char('x'))->schrift, QColor(0, 0, 128));
    EXPECT_EQ(fingerfarbe(QLatin1Char('k'))->farbe, QColor(Qt::yellow));
    EXPECT_EQ(fingerfarbe(QLatin1Char('7'))->farbe, QColor(Qt::white));
    EXPECT_FALSE(fingerfarbe(QLatin1Char(' ')));
    EXPECT_EQ(farbfeld(QLatin1Char('g')), Farbfeld::MitteLinks);
    EXPECT_EQ(farbfeld(QChar(0xFC)), Farbfeld::ObenRechts);
    EXPECT_EQ(farbfeld(QLatin1Char('_')), Farbfeld::UntenRechts);
    EXPECT_TRUE(fingerfarbe(QLatin1Char('*')));
    EXPECT_FALSE(farbfeld(QLatin1Char('*')));
}

TEST(Normalzeilenfenster, ABreakInTheLastCellScrollsToAFullWindow) {
    // 35 letters and a blank: the break stands in the last cell in view.
    const QString zeile = QString(kNormalzellen - 1, QLatin1Char('a')) + QLatin1Char(' ');
    Normalzeilenfenster fenster = normalzeileBeginnen(zeile);
    ASSERT_EQ(fenster.umbruch, kNormalzellen);
    for (int i = 0; i < kNormalzellen; ++i) {
        normalzeileWeiter(fenster);
    }
    EXPECT_EQ(fenster.aktuell, 1);
    EXPECT_EQ(fenster.sichtbar(), QString(kNormalzellen, QLatin1Char(' ')));
    normalzeileWeiter(fenster); // reads the window again without leaving it
    EXPECT_EQ(fenster.sichtbar().size(), kNormalzellen);
}

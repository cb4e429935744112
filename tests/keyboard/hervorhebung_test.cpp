#include "keyboard/hervorhebung.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

using namespace tastei;

TEST(Hervorhebung, EveryCharacterFindsItsKey) {
    EXPECT_EQ(tasteFuer(QLatin1Char('a')), KeyId::Key_A);
    EXPECT_EQ(tasteFuer(QLatin1Char('A')), KeyId::Key_A);
    EXPECT_EQ(tasteFuer(QString::fromUtf8("Ü").at(0)), KeyId::Key_Ue);
    EXPECT_EQ(tasteFuer(QLatin1Char('?')), KeyId::Key_Sz);
    EXPECT_EQ(tasteFuer(QLatin1Char('_')), KeyId::Key_Mitte);
    EXPECT_EQ(tasteFuer(QLatin1Char('\'')), KeyId::Key_Num);
    EXPECT_EQ(tasteFuer(QLatin1Char('@')), KeyId::Key_Back);
    EXPECT_EQ(tasteFuer(QLatin1Char('\r')), KeyId::Key_Return);
    EXPECT_EQ(tasteFuer(QLatin1Char(' ')), KeyId::Key_Leer);
    EXPECT_FALSE(tasteFuer(QLatin1Char('[')));
    EXPECT_TRUE(istZweitbelegung(QLatin1Char('*')));
    EXPECT_TRUE(istZweitbelegung(QLatin1Char('!')));
    EXPECT_FALSE(istZweitbelegung(QLatin1Char('A'))); // capitals are the key's own label
    EXPECT_FALSE(istZweitbelegung(QLatin1Char('+')));
}

TEST(Hervorhebung, TheOtherHandShifts) {
    EXPECT_EQ(umschaltungFuer(QLatin1Char('T')), Umschaltung::Rechts);
    EXPECT_EQ(umschaltungFuer(QLatin1Char('$')), Umschaltung::Rechts);
    EXPECT_EQ(umschaltungFuer(QLatin1Char('H')), Umschaltung::Links);
    EXPECT_EQ(umschaltungFuer(QString::fromUtf8("Ö").at(0)), Umschaltung::Links);
    EXPECT_EQ(umschaltungFuer(QLatin1Char('t')), Umschaltung::Keine);
    EXPECT_EQ(umschaltungFuer(QLatin1Char('7')), Umschaltung::Keine);
}

TEST(Hervorhebung, BlindGuidesAndKeysHiddenAgain) {
    const Fuehrung sz = fuehrungFuer(QString::fromUtf8("ß").at(0));
    EXPECT_EQ(sz.heimtaste, KeyId::Key_Oe);
    EXPECT_EQ(sz.fuehrungstasten, std::vector<KeyId>{KeyId::Key_P});
    EXPECT_EQ(sz.verdecken, (std::vector<KeyId>{KeyId::Key_P, KeyId::Key_Mitte}));
    EXPECT_EQ(fuehrungFuer(QLatin1Char('_')).fuehrungstasten,
              (std::vector<KeyId>{KeyId::Key_Oe, KeyId::Key_P}));
    EXPECT_EQ(fuehrungFuer(QLatin1Char('_')).fuehrungstasten,
              fuehrungFuer(QLatin1Char('-')).fuehrungstasten);
    EXPECT_EQ(fuehrungFuer(QLatin1Char('T')).heimtaste, KeyId::Key_F);
    EXPECT_FALSE(fuehrungFuer(QLatin1Char('\r')).heimtaste);
}

TEST(Hervorhebung, AccentedVowels) {
    const QString akzente = QString::fromUtf8("àéù");
    EXPECT_TRUE(istAkzentbuchstabe(akzente.at(0)));
    EXPECT_FALSE(istAkzentbuchstabe(QString::fromUtf8("É").at(0)));
    EXPECT_EQ(grundvokal(akzente.at(1)), QLatin1Char('e'));
    EXPECT_TRUE(mitGravis(akzente.at(0)));
    EXPECT_FALSE(mitGravis(akzente.at(1)));
    EXPECT_TRUE(mitGravis(akzente.at(2)));
}

TEST(Fingerweg, StepsAndWaitsPerKeyGroup) {
    const auto eins = fingerwegFuer(QLatin1Char('1'));
    ASSERT_TRUE(eins);
    EXPECT_EQ(eins->heimtaste, KeyId::Key_A);
    EXPECT_EQ(std::pair(eins->schritte, eins->teiler), std::pair(8, 8));
    EXPECT_EQ(std::pair(eins->warteHin, eins->warteZurueck), std::pair(40, 30));
    const auto vier = fingerwegFuer(QLatin1Char('$'));
    EXPECT_EQ(vier->heimtaste, KeyId::Key_D);
    EXPECT_EQ(std::pair(vier->schritte, vier->teiler), std::pair(5, 8)); // five eighths
    const auto tab = fingerwegFuer(QLatin1Char('\t'));
    EXPECT_EQ(std::tuple(tab->heimtaste, tab->schritte, tab->teiler, tab->warteZurueck),
              std::tuple(KeyId::Key_A, 5, 5, 40));
    const auto g = fingerwegFuer(QLatin1Char('G'));
    EXPECT_EQ(std::pair(g->heimtaste, g->schritte), std::pair(KeyId::Key_F, 5));
    const auto akzent = fingerwegFuer(QString::fromUtf8("é").at(0));
    EXPECT_EQ(std::tuple(akzent->heimtaste, akzent->schritte, akzent->warteHin),
              std::tuple(KeyId::Key_Oe, 10, 30));
    for (QChar ohne : QString::fromUtf8("asdfjklöK\r @")) {
        EXPECT_FALSE(fingerwegFuer(ohne)) << QString(ohne).toStdString();
    }
}

TEST(Fingerweg, StepsTruncateTowardZero) {
    EXPECT_EQ(wegschritt({100, 200}, {60, 130}, 8), QPoint(-5, -8));
    EXPECT_EQ(wegschritt({100, 200}, {147, 137}, 5), QPoint(9, -12));
    EXPECT_EQ(wegschritt({10, 10}, {10, 10}, 5), QPoint(0, 0));
}

TEST(Fingerwegvorfuehrung, FirstLineAndHomeKey) {
    EXPECT_EQ(fingerwegText(QLatin1Char('g')), QString::fromUtf8("Der neue Fingerweg führt zu G."));
    EXPECT_EQ(fingerwegText(QString::fromUtf8("ö").at(0)),
              QString::fromUtf8("Der neue Fingerweg führt zu ö."));
    EXPECT_EQ(fingerwegText(QString::fromUtf8("ü").at(0)),
              QString::fromUtf8("Der neue Fingerweg führt zu Ü."));
    EXPECT_EQ(fingerwegText(QLatin1Char(',')),
              QString::fromUtf8("Der neue Fingerweg führt zum Komma."));
    EXPECT_EQ(fingerwegText(QLatin1Char('&')), QString::fromUtf8("Der neue Fingerweg führt zu &."));
    EXPECT_EQ(fingerwegText(QLatin1Char('{')),
              QString::fromUtf8("Der neue Fingerweg führt zur Tabtaste."));
    EXPECT_EQ(vorfuehrungHeimtaste(QLatin1Char('$')), KeyId::Key_D);
    EXPECT_EQ(vorfuehrungHeimtaste(QLatin1Char('{')), KeyId::Key_A);
    EXPECT_EQ(vorfuehrungHeimtaste(QLatin1Char('@')), KeyId::Key_Oe);
    EXPECT_FALSE(vorfuehrungHeimtaste(QString::fromUtf8("ö").at(0)));
}

#include "drill/steuerzeile.h"

#include <gtest/gtest.h>

TEST(SteuerStringNetto, OnlyBlanksAreCut) {
    EXPECT_EQ(SteuerStringNetto(QStringLiteral("   asdf jklö  ")), QString::fromUtf8("asdf jklö"));
    EXPECT_EQ(SteuerStringNetto(QStringLiteral("\tasdf\t ")), QStringLiteral("\tasdf\t"));
    EXPECT_EQ(SteuerStringNetto(QStringLiteral("     ")), QString());
    EXPECT_EQ(SteuerStringNetto(QString()), QString());
}

TEST(Befehle, KeyLettersInEitherCaseNameTheCommand) {
    EXPECT_EQ(befehlVon(QStringLiteral("//Volltastei")), Befehl::Volltastei);
    EXPECT_EQ(befehlVon(QStringLiteral("//VOLLTASTEI")), Befehl::Volltastei);
    EXPECT_EQ(befehlVon(QStringLiteral("//vo")), Befehl::Volltastei);
    EXPECT_EQ(befehlVon(QStringLiteral("//  Normalzeile")), Befehl::Normalzeile);
    EXPECT_EQ(befehlVon(QStringLiteral("//Ii was auch immer")), Befehl::Info);
    EXPECT_EQ(befehlVon(QStringLiteral("//Bahntastei")), Befehl::Bahntastei);
    EXPECT_EQ(befehlVon(QStringLiteral("//Abschreibtext")), Befehl::Abschreibtext);
    EXPECT_EQ(befehlVon(QStringLiteral("//Gr")), Befehl::Grundstellung);
    EXPECT_EQ(befehlVon(QStringLiteral("//Ha")), Befehl::Hand);
    EXPECT_EQ(befehlVon(QStringLiteral("//Fr")), Befehl::Frei);
}

TEST(Befehle, ShortOrUnknownLinesAreNoCommand) {
    EXPECT_EQ(befehlVon(QStringLiteral("//V")), Befehl::Unbekannt);
    EXPECT_EQ(befehlVon(QStringLiteral("// V")), Befehl::Unbekannt);
    EXPECT_EQ(befehlVon(QStringLiteral("//Xylophon")), Befehl::Unbekannt);
    EXPECT_EQ(befehlVon(QStringLiteral("Volltastei")), Befehl::Unbekannt);
    EXPECT_TRUE(istBefehlszeile(QStringLiteral("//V")));
    EXPECT_FALSE(istBefehlszeile(QStringLiteral("/ /Vo")));
}

TEST(Teiltastei, HomeRowStandsOnceAtTheEnd) {
    EXPECT_EQ(teilKeySet(QStringLiteral("//teiltastei:erui   "), false),
              QString::fromUtf8("eruiasdfjklö"));
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei: gh asdf"), false),
              QString::fromUtf8("gh asdfjklö"));
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei: aa"), false),
              QString::fromUtf8("aasdfjklö"));
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei: ER"), false),
              QString::fromUtf8("ERasdfjklö"));
}

TEST(Teiltastei, WithoutKeysTheHomeRow) {
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei:"), false), kGrundreihe);
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei"), false), kGrundreihe);
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei: e"), false), kGrundreihe);
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei: e"), true), kGrundreihe);
}

TEST(Teiltastei, HandImpairedSetsStandAsWritten) {
    EXPECT_EQ(teilKeySet(QStringLiteral("//Teiltastei: xa "), true), QStringLiteral("xa"));
}

TEST(Weg, CharacterAfterTheColonOrNone) {
    EXPECT_EQ(wegZeichen(QStringLiteral("//Weg: g")), QStringLiteral("g"));
    EXPECT_EQ(wegZeichen(QStringLiteral("//Weg:gh")), QStringLiteral("gh"));
    EXPECT_EQ(wegZeichen(QStringLiteral("//Weg:  ")), QStringLiteral(" "));
    EXPECT_EQ(wegZeichen(QStringLiteral("//WEGx")), QStringLiteral("x"));
    EXPECT_EQ(wegZeichen(QStringLiteral("//Weg")), std::nullopt);
    EXPECT_EQ(wegZeichen(QStringLiteral("//Weg:")), std::nullopt);
}

TEST(Info, TextGetsOneLeadingBlank) {
    EXPECT_EQ(infoText(QStringLiteral("//Info: Hallo")), QStringLiteral(" Hallo"));
    EXPECT_EQ(infoText(QStringLiteral("//Info:Hallo")), QStringLiteral(" Hallo"));
    EXPECT_EQ(infoText(QStringLiteral("//Info:   drei")), QStringLiteral("   drei"));
    EXPECT_EQ(infoText(QStringLiteral("//Info: Zeit: 10 Minuten")),
              QStringLiteral(" Zeit: 10 Minuten"));
    EXPECT_EQ(infoText(QStringLiteral("//Info ohne Doppelpunkt")),
              QStringLiteral(" ohne Doppelpunkt"));
    EXPECT_TRUE(istInfozeile(QStringLiteral("//Info: x")));
    EXPECT_TRUE(istInfozeile(QStringLiteral("// iI")));
    EXPECT_FALSE(istInfozeile(QStringLiteral("//I")));
    EXPECT_TRUE(kuendigtZusatzuebungAn(QString::fromUtf8("//Info: Zusatzübung - für Eilige")));
    EXPECT_FALSE(kuendigtZusatzuebungAn(QString::fromUtf8("//Info: Zusatzübung für Eilige")));
}

TEST(Korrektur, LowercaseEinOrAus) {
    EXPECT_EQ(korrekturModus(QStringLiteral("//Korrektur: ein")), Korrekturmodus::Ein);
    EXPECT_EQ(korrekturModus(QStringLiteral("//Korrektur: aus")), Korrekturmodus::Aus);
    EXPECT_EQ(korrekturModus(QStringLiteral("//Korrektur: Ein")), std::nullopt);
    EXPECT_EQ(korrekturModus(QStringLiteral("//Korrektur:")), std::nullopt);
}

TEST(Lesepause, EndeAndWegAreRecognisedByTheirLetters) {
    EXPECT_TRUE(istEndeOderWeg(QStringLiteral("//Ende")));
    EXPECT_TRUE(istEndeOderWeg(QStringLiteral("//weg: f")));
    EXPECT_TRUE(istEndeOderWeg(QStringLiteral("// EN")));
    EXPECT_FALSE(istEndeOderWeg(QStringLiteral("//Wortaufbau")));
    EXPECT_FALSE(istEndeOderWeg(QStringLiteral("//Info: Ende")));
}

TEST(Uebungszeilen, CountedWhenLongerThanTwoWithoutSlash) {
    const QStringList zeilen{QStringLiteral("abc"),    QStringLiteral("ab"),
                             QStringLiteral("//Ende"), QStringLiteral("a/bc"),
                             QStringLiteral("/abc"),   QStringLiteral("jklö")};
    EXPECT_EQ(zaehleUebungszeilen(zeilen, 0), 2);
    EXPECT_EQ(zaehleUebungszeilen(zeilen, 1), 1);
    EXPECT_EQ(zaehleUebungszeilen(zeilen, 10), 0);
}

#include "evaluation/fehlerauswertung.h"

#include <gtest/gtest.h>

using auswertung::fehlerAuswertung;
using auswertung::Uebung;

namespace {

Uebung uebung(const QStringList& getippt, const QStringList& vorgabe) {
    Uebung u;
    u.getippt = getippt;
    u.vorgabe = vorgabe;
    u.korrektur = true;
    u.anschlaege = 120;
    return u;
}

QString s(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TEST(Fehlerauswertung, TheResultTextIsNameSummaryAndOneLinePerParagraph) {
    const auswertung::Ergebnis e =
        fehlerAuswertung(uebung({s("Die Katze schläft."), QString(), s("Der Hund belt.")},
                                {s("Die Katze schläft. "), QString(), s("Der Hund bellt. ")}));
    EXPECT_EQ(e.zeilen, QStringList({s("Namenlos"), s("Mit Korrektur  120 Anschläge  1 Fehler  "),
                                     QString(), s("|Die Katze schläft.| "), QString(), QString(),
                                     s("Der Hund @belt. ")}));
    EXPECT_EQ(e.fehler, 1);
    EXPECT_FALSE(e.unerkannt);
}

TEST(Fehlerauswertung, OnlyAParagraphLeftWhileTextFollowsIsBrokenOff) {
    const QStringList vorgabe{s("der kleine Hund bellt laut "), QString(),
                              s("Die Katze schläft. ")};
    auswertung::Ergebnis e = fehlerAuswertung(
        uebung({s("der kleine Hund"), QString(), s("Die Katze schläft.")}, vorgabe));
    EXPECT_EQ(e.zeilen.mid(3), QStringList({s("der kleine Hund <------> "), QString(), QString(),
                                            s("|Die Katze schläft.| ")}));
    EXPECT_EQ(e.fehler, 1);

    // Stopped by the clock in the first paragraph: the untyped rest is no error.
    e = fehlerAuswertung(uebung({s("der kleine Hund")}, vorgabe));
    EXPECT_EQ(e.zeilen.mid(3), QStringList({s("|der kleine Hund| ")}));
    EXPECT_EQ(e.fehler, 0);
    e = fehlerAuswertung(uebung({s("der kleine Hnud")}, vorgabe));
    EXPECT_EQ(e.zeilen.mid(3), QStringList({s("der kleine @Hnud ")}));
    EXPECT_EQ(e.fehler, 1);

    // A paragraph the learner ended with Return twice is not cut.
    e = fehlerAuswertung(uebung({s("der kleine Hund"), QString()}, vorgabe));
    EXPECT_EQ(e.zeilen.mid(3), QStringList({s("der kleine Hund ")}));
}

TEST(Fehlerauswertung, TextBeyondTheReferenceStandsUnevaluated) {
    const auswertung::Ergebnis e = fehlerAuswertung(
        uebung({s("Eins."), QString(), s("Zwei  @."), QString(), s("Drei.")}, {s("Eins. ")}));
    EXPECT_EQ(e.zeilen.mid(3),
              QStringList({s("|Eins.| "), QString(), QString(), auswertung::kUeberschuss, QString(),
                           s("Zwei  @. "), QString(), QString(), s("Drei. ")}));
    EXPECT_EQ(e.fehler, 0);
    EXPECT_TRUE(e.unerkannt);
}

TEST(Fehlerauswertung, TheRepetitionSeparatorIsNoPartOfTheReference) {
    const QString trenner =
        s("[-----   Text-Wiederholung = 2-mal RETURN  -  sonst BEENDEN   -----]");
    const auswertung::Ergebnis e =
        fehlerAuswertung(uebung({s("Eins zwei.")}, {s("Eins zwei. ") + trenner}));
    EXPECT_EQ(e.zeilen.mid(3), QStringList({s("|Eins zwei.| ")}));
}

TEST(Fehlerauswertung, WithoutEvaluationTheTextIsOnlyLaidOut) {
    Uebung u = uebung({s("Das ist  falsch"), QString(), s("und |so|")}, {s("Das ist richtig. ")});
    u.auswertung = false;
    u.korrektur = false;
    u.minuten = 10;
    const auswertung::Ergebnis e = fehlerAuswertung(u);
    EXPECT_EQ(
        e.zeilen,
        QStringList({s("Namenlos"), s("Ohne Korrektur  120 Anschläge  Ohne Auswertung  10 Minuten"),
                     QString(), s("Das ist  falsch "), QString(), QString(), s("und |so| ")}));
    EXPECT_EQ(e.fehler, 0);
}

TEST(Fehlerauswertung, TheSummaryNamesEveryPart) {
    EXPECT_EQ(auswertung::zusammenfassung(true, 1432, true, 7, 10),
              s("Mit Korrektur  1432 Anschläge  7 Fehler  10 Minuten"));
    EXPECT_EQ(auswertung::zusammenfassung(false, 0, true, 0, 0),
              s("Ohne Korrektur  0 Anschläge  0 Fehler  "));
    EXPECT_EQ(auswertung::zusammenfassung(true, 50, true, 2, 1),
              s("Mit Korrektur  50 Anschläge  2 Fehler  1 Minute"));
}

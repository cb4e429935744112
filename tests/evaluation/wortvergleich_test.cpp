#include "evaluation/wortvergleich.h"

#include <gtest/gtest.h>

using auswertung::absatzVergleichen;

namespace {

struct Fall {
    const char* vorgabe;
    const char* getippt;
    const char* ergebnis;
    int fehler;
    bool unerkannt = false;
};

void pruefen(const Fall& f, bool weitereEingabe = false) {
    SCOPED_TRACE(f.getippt);
    const auswertung::Absatzvergleich v = absatzVergleichen(
        QString::fromUtf8(f.getippt), QString::fromUtf8(f.vorgabe), weitereEingabe);
    EXPECT_EQ(v.absatz, QString::fromUtf8(f.ergebnis));
    EXPECT_EQ(v.fehler, f.fehler);
    EXPECT_EQ(v.unerkannt, f.unerkannt);
}

} // namespace

TEST(Wortvergleich, TheWorkedCasesMarkOneErrorEach) {
    for (const Fall& f : {
             Fall{"Die Kraftwerke liefern", "Die Kraft werke liefern", "Die @Kraft~werke liefern",
                  1},
             Fall{"Die Kraft werke liefern", "Die Kraftwerke liefern", "Die @Kraftwerke liefern",
                  1},
             Fall{"ein alter Baum", "ein altre Baum", "ein @altre Baum", 1},
             Fall{"ein alter Baum", "ein Alter Baum", "ein @Alter Baum", 1},
             Fall{"der kleine Hund bellt", "der Hund bellt", "der @<--> Hund bellt", 1},
             Fall{"der Hund bellt", "der ältere Hund bellt", "der @<ältere> Hund bellt", 1},
         }) {
        pruefen(f);
    }
}

TEST(Wortvergleich, SlipsWithinAWordAreFoundLetterByLetter) {
    for (const Fall& f : {
             // a doubled blank marks the word before it
             Fall{"ein alter Baum", "ein  alter Baum", "@ein~ alter Baum", 1},
             // case of an umlaut only
             Fall{"über alles", "Über alles", "@Über alles", 1},
             // one wrong, one extra, one missing letter
             Fall{"das Haus steht", "das Hais steht", "das @Hais steht", 1},
             Fall{"ein Garten blüht", "ein Gartten blüht", "ein @Gartten blüht", 1},
             Fall{"ein Garten blüht", "ein Gaten blüht", "ein @Gaten blüht", 1},
             // a wrong word is recognised by the next word, or by the one
             // after it, or by a next word with one slip of its own
             Fall{"wir gehen heute heim", "wir gingen hxute heim", "wir @gingen @hxute heim", 2},
             Fall{"wir gehen nach Hause zurück", "wir laufen nch Hause zurück",
                  "wir @laufen @nch Hause zurück", 2},
         }) {
        pruefen(f);
    }
}

TEST(Wortvergleich, TheLastTypedWordIsComparedAsFarAsItWasTyped) {
    pruefen({"Die Sonne scheint hell", "Die Sonne sch", "Die Sonne sch", 0});
    pruefen({"Die Sonne scheint hell", "Die Sonne scg", "Die Sonne @scg", 1});
    // A word typed beyond the reference's last word.
    pruefen({"ein Baum", "ein Baum steht", "ein Baum @steht", 1});
}

TEST(Wortvergleich, AParagraphLeftBeforeItsEndCountsOnceWhenTextFollows) {
    const Fall f{"der kleine Hund bellt laut", "der kleine Hund", "der kleine Hund <------>", 1};
    pruefen(f, true);
    pruefen({f.vorgabe, f.getippt, "der kleine Hund", 0}, false);
}

TEST(Wortvergleich, SkippedAndReplacedReferenceWordsCountOnce) {
    pruefen({"Wir fahren morgen früh mit dem Zug nach Berlin", "Wir fahren mit dem Zug nach Berlin",
             "Wir fahren \\<----->\\ mit dem Zug nach Berlin", 1});
    pruefen({"Wir fahren morgen früh mit dem Zug nach Berlin",
             "Wir fahren bald mit dem Zug nach Berlin",
             "Wir fahren \\<-- bald -->\\mit dem Zug nach Berlin", 1});
}

TEST(Wortvergleich, ExtraTypedTextIsFencedOffWhereTheTextAgreesAgain) {
    const Fall f{"Der Zug fährt heute pünktlich ab",
                 "Der Zug kommt nie an fährt heute pünktlich ab",
                 "Der Zug \\kommt nie an \\fährt heute pünktlich ab", 0, true};
    pruefen(f);
    // The paragraph was typed to its end, even with text following it.
    pruefen(f, true);
}

TEST(Wortvergleich, TheThirdSearchFencesOffAndGoesOn) {
    // The typed text takes up again after fewer words than the reference
    // left out; what follows the last reference word cannot be aligned.
    pruefen({"Heute scheint die liebe Sonne sehr hell",
             "Heute regnet es sehr hell und kalt draußen",
             "Heute \\regnet es \\@<sehr> hell \\und kalt draußen\\", 1, true});
}

TEST(Wortvergleich, TextNoRuleAlignsIsFencedOffUncounted) {
    // More typed words than reference words: the reference is filled up
    // with words that never match.
    pruefen({"ein Baum", "ein Baum steht dort", "ein Baum \\steht dort\\", 0, true});
    pruefen({"Heute scheint die Sonne sehr hell", "Heute regnet es am Himmel",
             "Heute \\regnet es am Himmel\\", 0, true});
}

TEST(Wortvergleich, LongParagraphsAreComparedToTheirEnd) {
    // Two words typed as one far into a long paragraph close up the whole
    // rest of the reference.
    QString vorgabe;
    for (int n = 0; n < 600; ++n) {
        vorgabe += QStringLiteral("wort%1 ").arg(n);
    }
    vorgabe += QStringLiteral("Kraft werke liefern Strom");
    QString getippt = vorgabe;
    getippt.replace(QStringLiteral("Kraft werke"), QStringLiteral("Kraftwerke"));
    const auswertung::Absatzvergleich v = absatzVergleichen(getippt, vorgabe, false);
    EXPECT_EQ(v.fehler, 1);
    EXPECT_FALSE(v.unerkannt);
    EXPECT_TRUE(v.absatz.endsWith(QStringLiteral("@Kraftwerke liefern Strom")))
        << v.absatz.right(60).toStdString();

    // A paragraph of more words than the comparison looks at ends cleanly.
    const QString riesig = QStringLiteral("ab ").repeated(6000) + QStringLiteral("ab");
    const auswertung::Absatzvergleich r =
        absatzVergleichen(QStringLiteral("x ") + riesig, riesig, false);
    EXPECT_EQ(r.fehler, 1);
    EXPECT_TRUE(r.absatz.startsWith(QStringLiteral("@x ab ab"))) << r.absatz.left(40).toStdString();
}

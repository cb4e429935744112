#include "trainer/vorgabe.h"

#include <gtest/gtest.h>

// How the trainer turns a text file into its reference, and what its status
// displays read.

using namespace vorgabe;

TEST(Vorgabe, BlankLinesMakeOneParagraphBreakAndNoneAtStartOrEnd) {
    const QStringList datei{QString(),
                            QStringLiteral("  "),
                            QStringLiteral("Eins"),
                            QStringLiteral("zwei "),
                            QString(),
                            QString(),
                            QString(),
                            QStringLiteral("Drei"),
                            QString()};
    EXPECT_EQ(absaetze(datei),
              (QStringList{QStringLiteral("Eins zwei "), QString(), QStringLiteral("Drei ")}));
    EXPECT_TRUE(absaetze({QString(), QStringLiteral("   ")}).isEmpty());
}

TEST(Vorgabe, TheTextFollowsOnceMoreAfterTheSeparatorUnlessItsCodeForbids) {
    const QStringList datei{QStringLiteral("Eins"), QString(), QStringLiteral("Zwei")};
    const QStringList absatz{QStringLiteral("Eins "), QString(), QStringLiteral("Zwei ")};
    EXPECT_EQ(aufbereiten(datei, QStringLiteral("/tmp/texte/KP_TXT07.VER"), true),
              absatz + QStringList{kWiederholung} + absatz + QStringList{kEndemarke});
    // A print template has an empty line in the separator's place and no end marker.
    EXPECT_EQ(aufbereiten(datei, QStringLiteral("brief.st"), false),
              absatz + QStringList{QString()} + absatz);
    EXPECT_EQ(aufbereiten(datei, QStringLiteral("/tmp/KP_TS07C.VER"), true),
              absatz + QStringList{kEndemarke});
    for (const char* code : {"03C", "10C", "18C"}) {
        EXPECT_TRUE(ohneWiederholung(QStringLiteral("KP_TS%1.VER").arg(QLatin1String(code))));
    }
    EXPECT_FALSE(ohneWiederholung(QStringLiteral("KP_TS11C.VER")));
    EXPECT_FALSE(
        ohneWiederholung(QStringLiteral("/ordner07C/text.st"))); // the name, not the folder
}

TEST(Vorgabe, CaptionOfACatalogueTextNamesItsNumber) {
    const QString zusatz = QStringLiteral("                    Version  MiniKasp");
    EXPECT_EQ(fenstertitel(QStringLiteral("/tmp/KP_TXT07.VER"), zusatz),
              QString::fromUtf8(" Kasparo  2003          Fließtext-Training    Lerneinheit  07") +
                  zusatz);
    EXPECT_EQ(fenstertitel(QStringLiteral("/home/lena/brief.st"), QString()),
              QString::fromUtf8(" Kasparo  2003          Fließtext-Training    brief.st"));
}

TEST(Vorgabe, StatusTexts) {
    EXPECT_EQ(zeitvorgabe(1), QStringLiteral("  Zeit: 1 Minute"));
    EXPECT_EQ(zeitvorgabe(10), QStringLiteral("  Zeit: 10 Minuten"));
    EXPECT_EQ(zeitvorgabe(0), QStringLiteral("  Ohne Zeitvorgabe"));
    EXPECT_EQ(restzeit(599), QStringLiteral("  Restzeit  09:59"));
    EXPECT_EQ(restzeit(540), QStringLiteral("  Restzeit  09:00"));
    EXPECT_EQ(restzeit(60), QStringLiteral("  Restzeit  01:00"));
    EXPECT_EQ(restzeit(0), QStringLiteral("  Restzeit  00:00"));
    EXPECT_EQ(position(0, 7, 12), QStringLiteral("Zeile 01 von 12   Zeichen 07"));
    EXPECT_EQ(position(11, 42, -1), QStringLiteral("Zeile 12   Zeichen 42"));
}

#include "lektion.h"
#include "ui/panel.h"

#include <QGroupBox>

#include <numeric>

namespace {

// The state after one set-up step, as far as the exercises rely on it.
struct Stand {
    int zeile;
    QString modus;
    QString scriptLine;
    QChar erwartet;
    int zeilennummer;
    bool numpad;

    bool operator==(const Stand&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Stand& s) {
    return os << s.zeile << " " << s.modus.toStdString() << " '" << s.scriptLine.toStdString()
              << "' '" << QString(s.erwartet).toStdString() << "' " << s.zeilennummer << " "
              << s.numpad;
}

QString modusName(const DrillMode& m) {
    QStringList namen;
    const std::pair<bool, const char*> flags[] = {
        {m.Volltastei, "Voll"},    {m.Blindtastei, "Blind"},  {m.Bahntastei, "Bahn"},
        {m.Teiltastei, "Teil"},    {m.Wortaufbau, "Wort"},    {m.Abschreibtext, "Ab"},
        {m.Rasterzeile, "Raster"}, {m.Normalzeile, "Normal"}, {m.FreeMode, "Frei"},
    };
    for (const auto& [gesetzt, name] : flags) {
        if (gesetzt) {
            namen << QLatin1String(name);
        }
    }
    return namen.join(QLatin1Char('+'));
}

const QStringList kAlleBefehle = {
    QStringLiteral("//Korrektur: ein"),     // 0
    QStringLiteral("//Info: Willkommen"),   // 1
    QString::fromUtf8("//Info: zur Übung"), // 2
    QStringLiteral("//Volltastei"),         // 3
    QString::fromUtf8("asdf jklö"),         // 4
    QStringLiteral("//Blindtastei"),        // 5
    QString(),                              // 6
    QString::fromUtf8("fdsa ölkj"),         // 7
    QStringLiteral("//Teiltastei: er"),     // 8
    QStringLiteral("der reis"),             // 9
    QStringLiteral("//Bahntastei"),         // 10
    QStringLiteral("asdf"),                 // 11
    QStringLiteral("//Wortaufbau"),         // 12
    QStringLiteral("Wort"),                 // 13
    QStringLiteral("//Rasterzeile"),        // 14
    QStringLiteral("raster"),               // 15
    QStringLiteral("//Normalzeile"),        // 16
    QStringLiteral("Ein Satz."),            // 17
    QString(),                              // 18
    QStringLiteral("Noch einer."),          // 19
    QStringLiteral("//Abschreibtext"),      // 20
    QStringLiteral("Ein Text"),             // 21
    QStringLiteral("//Weg: g"),             // 22
    QStringLiteral("//Volltastei"),         // 23
    QStringLiteral("gag"),                  // 24
    QStringLiteral("//Gr"),                 // 25
    QStringLiteral("//Ziffernblock"),       // 26
    QStringLiteral("456"),                  // 27
    QStringLiteral("//Fr"),                 // 28
    QStringLiteral("frei"),                 // 29
    QStringLiteral("//Ende"),               // 30
};

} // namespace

using Lektionswalk = Lektion;

TEST_F(Lektionswalk, EveryCommandFromTheFirstLineToTheEnd) {
    std::vector<Stand> staende;
    const auto festhalten = [&] {
        staende.push_back({z().ScriptLineIndex, modusName(z().Modus), z().ScriptLine,
                           z().ExpectedChar, z().DrillLineNumber, st().NumpadMode});
    };
    starte(kAlleBefehle, Edition::School, 12);
    EXPECT_EQ(z().CorrectionMode, Korrekturmodus::Ein);
    EXPECT_EQ(fenster->InfoZeile2->caption(), QString::fromUtf8(" zur Übung"));
    festhalten();
    while (enden.empty() && z().ScriptLineIndex + 1 < kAlleBefehle.size()) {
        zeileFertig();
        festhalten();
    }

    const QChar keins;
    const std::vector<Stand> erwartet = {
        {4, "Voll", QString::fromUtf8("asdf jklö"), 'a', 1, false},
        {7, "Blind", QString::fromUtf8("fdsa ölkj"), 'f', 2, false},
        {9, "Teil", "der reis", 'd', 3, false},
        {11, "Bahn+Teil", "asdf", 'a', 4, false},
        {13, "Wort", "Wort", 'W', 5, false},
        {15, "Raster", "raster", 'r', 6, false},
        {17, "Normal", "Ein Satz.", keins, 7, false},
        {18, "Normal", "Ein Satz.", keins, 7, false}, // paragraph end: nothing to set up
        {19, "Normal", "Ein Satz.", keins, 8, false}, // the exercise goes on
        {21, "Ab+Normal", "Ein Text", keins, 9, false},
        {24, "Voll", "gag", 'g', 10, false},
        {27, "Voll", "456", '4', 11, true},
        {29, "Frei", "frei", keins, 12, false},
        {30, "Frei", "frei", keins, 12, false}, // ended: nothing more is set up
    };
    // The line exercises set their expected character themselves when primed.
    for (Stand& s : staende) {
        if (s.modus.contains(QLatin1String("Normal")) || s.modus == QLatin1String("Frei")) {
            s.erwartet = keins;
        }
    }
    EXPECT_EQ(staende, erwartet);
    EXPECT_EQ(z().TeilKeySet, QString());
    EXPECT_EQ(z().WegChars, QStringLiteral("g"));
    EXPECT_EQ(fenster->NormalzeilenFeld->title(), QString::fromUtf8("  Fließtext  "));
    EXPECT_EQ(enden, std::vector<bool>{true});
    EXPECT_EQ(fenster->Zeilennummern->caption(), QStringLiteral(" Zeile 12 von Zeile 12"));
    EXPECT_TRUE(platform.messages.empty());
    // The welcome block stood after a header line: the first line end holds
    // it; then the finger path (about half a minute) and the home row (about
    // two minutes) are shown.
    ASSERT_FALSE(platform.pauses.empty());
    EXPECT_EQ(platform.pauses.front(), 5000);
    EXPECT_EQ(std::accumulate(platform.pauses.begin(), platform.pauses.end(), 0),
              5000 + 27000 + 128000);
}

#include "lessons/pruefung.h"
#include "support/dateien.h"
#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>

namespace {

// Each finding as "line F|H text", so a whole result compares in one go.
QStringList befunde(const QStringList& skript) {
    QStringList texte;
    for (const Befund& befund : pruefeSkript(skript)) {
        texte << QStringLiteral("%1 %2 %3")
                     .arg(QString::number(befund.zeile),
                          befund.fehler ? QStringLiteral("F") : QStringLiteral("H"), befund.text);
    }
    return texte;
}

// The findings of a script that ends properly, without the note on the end.
QStringList mitEnde(QStringList skript) {
    skript << QStringLiteral("//Ende");
    return befunde(skript);
}

const QString kEndeFehlt = QStringLiteral("0 H //Ende fehlt.");

} // namespace

TEST(Pruefung, AProperScriptHasNoFinding) {
    EXPECT_EQ(mitEnde({"//Korrektur: ein", "//Gr", "//Info: Die Grundstellung.", "//Weg: k",
                       "// Volltastei", "Das Wetter ist schön, nicht wahr?", "",
                       "Café à la carte; 100 % @ Mühe", "//teiltastei: er", "der Reeder",
                       "//Bahntastei", "qwertz", "//Ziffernblock", "123,45"}),
              QStringList());
}

TEST(Pruefung, CommandsWithUnknownLettersOrTooShort) {
    EXPECT_EQ(
        mitEnde({"asdf", "//Xylophon", "//V", "//  V", "//volltastei", "// Blindtastei", "jklö"}),
        (QStringList{QString::fromUtf8("2 F Das Kommandowort \"//Xylophon\" hat unbekannte "
                                       "Kennbuchstaben \"Xy\"; die Zeile wird als "
                                       "Übungszeile geschrieben."),
                     QString::fromUtf8("3 F Die Befehlszeile \"//V\" ist kürzer als vier "
                                       "Zeichen und wird nicht als Kommandowort erkannt."),
                     QString::fromUtf8("4 F Die Befehlszeile \"//  V\" ist kürzer als vier "
                                       "Zeichen und wird nicht als Kommandowort erkannt.")}));
}

TEST(Pruefung, FingerPathWithoutCharacterOrWithoutKeyboard) {
    const QString ohneZeichen = QString::fromUtf8(
        " F Beim Kommandowort //Weg fehlt das Zeichen, dessen Weg erklärt werden soll.");
    const QString ersatz =
        QString::fromUtf8(" F Auf //Weg folgt eine Übungszeile statt eines Tastei- oder "
                          "Übungsbefehls; als Ersatz wird eine Volltastei verwendet.");
    EXPECT_EQ(mitEnde({"asdf", "//Weg: ", "//Volltastei", "asdf", "//Weg", "//Volltastei", "jklö",
                       "//We:", "//Volltastei", "asdf"}),
              (QStringList{"2" + ohneZeichen, "5" + ohneZeichen, "8" + ohneZeichen}));
    // The character without a colon is found; only a drill line right after it is a fault.
    EXPECT_EQ(
        mitEnde({"asdf", "//Wegk", "kkk kkk", "//Weg: l", "", "//Volltastei", "lll", "//Weg: ö"}),
        QStringList{"2" + ersatz});
}

TEST(Pruefung, FirstLineThatLeavesTheWindowEmpty) {
    EXPECT_EQ(mitEnde({"abc", "//Volltastei", "asdf"}),
              QStringList{QString::fromUtf8(
                  "1 F Die erste Zeile ist kürzer als vier Zeichen; das Übungsfenster "
                  "bleibt ohne Übung.")});
    // Loading drops empty lines before the first one, but not lines of blanks.
    EXPECT_EQ(mitEnde({"", "", "   ", "//Volltastei", "asdf"}),
              QStringList{QString::fromUtf8("3 F Die erste Zeile enthält nur Leerzeichen; das "
                                            "Übungsfenster bleibt ohne Übung.")});
    EXPECT_EQ(mitEnde({"", "  asdf  "}), QStringList());
    EXPECT_EQ(befunde({}), QStringList{QString::fromUtf8("0 F Das Skript ist leer; das "
                                                         "Übungsfenster bleibt ohne Übung.")});
}

TEST(Pruefung, CharactersNoKeyProducesOncePerLine) {
    EXPECT_EQ(
        mitEnde({"//Volltastei", QString::fromUtf8("5 € und 7 € sind 12 €"),
                 QString::fromUtf8("»Zitat« mit\u00a0Lücke"), QString::fromUtf8("Élan élan")}),
        (QStringList{QString::fromUtf8("2 F Zeichen \"€\" wird von keiner Taste erzeugt."),
                     QString::fromUtf8("3 F Zeichen \"»\" wird von keiner Taste erzeugt."),
                     QString::fromUtf8("3 F Zeichen \"«\" wird von keiner Taste erzeugt."),
                     QString::fromUtf8("3 F Zeichen U+00A0 wird von keiner Taste erzeugt."),
                     QString::fromUtf8("4 F Zeichen \"É\" wird von keiner Taste erzeugt.")}));
    // Tab, the at sign (Backspace) and the shifted characters all have their key.
    EXPECT_EQ(mitEnde({"//Volltastei", "a\tb @ !\"§$%&/()=? ' * _ : ; ` ´ # +"}), QStringList());
}

TEST(Pruefung, PartialKeyboardShowsOnlyItsKeys) {
    const auto fehlt = [](int zeile, int teil, const char* zeichen) {
        return QString::fromUtf8("%1 F Die Teiltastei aus Zeile %2 zeigt keine Taste für %3.")
            .arg(zeile)
            .arg(teil)
            .arg(QString::fromUtf8(zeichen));
    };
    // The home row is always there; capitals need only their letter, the
    // shifted sign or the plain one shows the whole key.
    EXPECT_EQ(mitEnde({"//Teiltastei: er?", "der Reeder las", "dies ist ß?",
                       "//Info: Weiter mit der Teiltastei.", "die", "//Volltastei", "die"}),
              (QStringList{fehlt(3, 1, "\"i\", \"t\""), fehlt(5, 1, "\"i\"")}));
    // Accented letters need the accent key and the vowel.
    EXPECT_EQ(mitEnde({"//Teiltastei: e´", QString::fromUtf8("é è"), "//Teiltastei: ea",
                       QString::fromUtf8("é")}),
              QStringList{fehlt(4, 3, "\"é\"")});
    // For hand-impaired learners the set stands as written, without the home row.
    EXPECT_EQ(mitEnde({"//Ha", "//Teiltastei: er", "der das"}),
              QStringList{fehlt(3, 2, "\"d\", \"a\", \"s\"")});
    // The finger-track keyboard labels no key and is typed by colour.
    EXPECT_EQ(mitEnde({"//Bahntastei", "qwertz"}), QStringList());
    // A finger path ends the block; its substitute keyboard is the full one.
    EXPECT_EQ(mitEnde({"//Teiltastei: e", "//Weg: r", "//Volltastei", "rot"}), QStringList());
}

TEST(Pruefung, MissingEndIsANoteAfterTheLineFindings) {
    const std::vector<Befund> ohneEnde = pruefeSkript({"//Volltastei", "asdf", "5 €"});
    ASSERT_EQ(ohneEnde.size(), 2u);
    EXPECT_EQ(ohneEnde[0].zeile, 3);
    EXPECT_TRUE(ohneEnde[0].fehler);
    EXPECT_EQ(ohneEnde[1].zeile, 0);
    EXPECT_FALSE(ohneEnde[1].fehler);
    EXPECT_EQ(befunde({"//Volltastei", "asdf", "//ENDE der Einheit"}), QStringList());
    EXPECT_EQ(befunde({"//Info: Ohne Schluss.", "asdf"}), QStringList{kEndeFehlt});
}

TEST(Pruefung, ACopyTextWithoutCommandsNeedsNoEnd) {
    EXPECT_EQ(befunde({"Ein Text zum Abschreiben,", "", "der mit seiner letzten Zeile endet."}),
              QStringList());
    // A shipped copy unit gets no finding at all.
    const Skriptdatei kopie = skriptLesen(QStringLiteral(KASPARO_SOURCE_DIR "/data/KP_TS11C.VER"));
    ASSERT_EQ(kopie.status, TextFileStatus::Ok);
    ASSERT_FALSE(kopie.zeilen.isEmpty());
    EXPECT_EQ(befunde(kopie.zeilen), QStringList());
}

// A header command right before a drill line starts the full keyboard with
// its switch button, as a drill line before any command does; an empty first
// line of a grid-line block is a paragraph end. Neither is a finding.
TEST(Pruefung, HeaderCommandBeforeADrillLineAndAnEmptyFirstGridLineAreFine) {
    EXPECT_EQ(befunde({"//Korrektur: ein", "asdf jklö", "//Ende"}), QStringList());
    EXPECT_EQ(befunde({"//Ha", "asdf jklö", "//Ende"}), QStringList());
    EXPECT_EQ(befunde({"//Korrektur: ein", "//Ha", "das Fass", "//Ende"}), QStringList());
    EXPECT_EQ(befunde({"//Volltastei", "asdf", "//Rasterzeile", "", "Das Haus ist alt.",
                       "Der Hof ist groß.", "//Ende"}),
              QStringList());
    const Pruefbericht bericht =
        pruefbericht(QStringLiteral("k.VER"),
                     {"//Korrektur: ein", "asdf", "//Rasterzeile", "", "jklö", "//Ende"});
    EXPECT_EQ(bericht.zeilen,
              QStringList{QString::fromUtf8("k.VER: 2 Übungszeilen (Katalog), 2 (eigene Datei)")});
    EXPECT_FALSE(bericht.fehler);
}

TEST(Pruefbericht, CountsByBothRulesAndOneLinePerFinding) {
    const QStringList skript{"asdf jklö",
                             "//Volltastei",
                             "der",
                             "/xyz",
                             "ab",
                             QString::fromUtf8("//Info: Zusatzübung - für Eilige"),
                             QString::fromUtf8("noch 5 €")};
    const Pruefbericht bericht = pruefbericht(QStringLiteral("data/X.VER"), skript);
    EXPECT_EQ(bericht.zeilen,
              (QStringList{QString::fromUtf8("data/X.VER: 2 Übungszeilen (Katalog), 3 (eigene "
                                             "Datei)"),
                           QString::fromUtf8("data/X.VER:7: Fehler: Zeichen \"€\" wird von "
                                             "keiner Taste erzeugt."),
                           QString::fromUtf8("data/X.VER: Hinweis: //Ende fehlt.")}));
    EXPECT_TRUE(bericht.fehler);
    const Pruefbericht notiz = pruefbericht(QStringLiteral("a"), {"//Volltastei", "asdf"});
    EXPECT_EQ(notiz.zeilen.size(), 2); // the counts and the note on the missing end
    EXPECT_FALSE(notiz.fehler);
}

TEST(Skriptdatei, PlainTextAndRtfGiveTheLinesTheDrillWindowGets) {
    QTemporaryDir verzeichnis;
    // Windows-1252 with CR LF; the last line break opens no further line.
    EXPECT_EQ(
        skriptLesen(dateiSchreiben(verzeichnis, "a.VER", "//Volltastei\r\n\r\nB\xe4r\r\n")).zeilen,
        (QStringList{"//Volltastei", "", QString::fromUtf8("Bär")}));
    EXPECT_EQ(skriptLesen(dateiSchreiben(verzeichnis, "b.ts",
                                         "Gr\xc3\xbc\xc3\x9f"
                                         "e\nx"))
                  .zeilen,
              (QStringList{QString::fromUtf8("Grüße"), "x"}));
    EXPECT_EQ(
        skriptLesen(dateiSchreiben(verzeichnis, "c.rtf",
                                   "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 //Volltastei\\par "
                                   "\\b F\\'fc\\'dfe\\b0\\par}"))
            .zeilen,
        (QStringList{"//Volltastei", QString::fromUtf8("Füße")}));
    const Skriptdatei leer = skriptLesen(dateiSchreiben(verzeichnis, "d.ts", "\r\n"));
    EXPECT_EQ(leer.status, TextFileStatus::Ok);
    EXPECT_TRUE(leer.zeilen.isEmpty());
    EXPECT_EQ(skriptLesen(dateiSchreiben(verzeichnis, "e.ts", QByteArray("a\0b", 3))).status,
              TextFileStatus::Binary);
    EXPECT_EQ(skriptLesen(verzeichnis.filePath("fehlt.ts")).status, TextFileStatus::Missing);
}

TEST(KasparoPruefen, ReportsAndExitStatus) {
    QTemporaryDir verzeichnis;
    const QString gut =
        dateiSchreiben(verzeichnis, "gut.VER", "//Volltastei\r\nasdf\r\n//Ende\r\n");
    const QString schlecht =
        dateiSchreiben(verzeichnis, "schlecht.VER", "//Volltastei\r\n5 \x80\r\n");
    const auto starte = [](const QStringList& dateien) {
        QProcess prozess;
        prozess.start(QStringLiteral(KASPARO_PRUEFEN), dateien);
        EXPECT_TRUE(prozess.waitForFinished(30000));
        return std::pair{prozess.exitCode(), QString::fromUtf8(prozess.readAllStandardOutput() +
                                                               prozess.readAllStandardError())};
    };
    EXPECT_EQ(
        starte({gut}),
        std::pair(0, gut + QString::fromUtf8(": 1 Übungszeilen (Katalog), 1 (eigene Datei)\n")));
    EXPECT_EQ(starte({gut, schlecht}),
              std::pair(1, gut +
                               QString::fromUtf8(": 1 Übungszeilen (Katalog), 1 (eigene Datei)\n") +
                               schlecht +
                               QString::fromUtf8(": 1 Übungszeilen (Katalog), 1 (eigene Datei)\n") +
                               schlecht +
                               QString::fromUtf8(":2: Fehler: Zeichen \"€\" wird von keiner Taste "
                                                 "erzeugt.\n") +
                               schlecht + QString::fromUtf8(": Hinweis: //Ende fehlt.\n")));
    const QString fehlt = verzeichnis.filePath("fehlt.VER");
    const auto [status, ausgabe] = starte({gut, fehlt});
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(
        ausgabe.contains(QString::fromUtf8("Die Datei \"%1\" ist nicht vorhanden.").arg(fehlt)))
        << ausgabe.toStdString();
    const QString binaer = dateiSchreiben(verzeichnis, "bild.VER", QByteArray("\x89PNG\0\0", 6));
    EXPECT_EQ(starte({binaer}).first, 2);
    EXPECT_EQ(starte({}).first, 2);
}

TEST(Pruefung, TheShippedLessonsHaveNoErrors) {
    const QDir daten(QStringLiteral(KASPARO_SOURCE_DIR "/data"));
    const QStringList dateien = daten.entryList({QStringLiteral("*.VER")}, QDir::Files);
    ASSERT_GE(dateien.size(), 36);
    for (const QString& datei : dateien) {
        const Skriptdatei gelesen = skriptLesen(daten.filePath(datei));
        ASSERT_EQ(gelesen.status, TextFileStatus::Ok) << datei.toStdString();
        for (const Befund& befund : pruefeSkript(gelesen.zeilen)) {
            EXPECT_FALSE(befund.fehler)
                << datei.toStdString() << ":" << befund.zeile << " " << befund.text.toStdString();
        }
    }
}

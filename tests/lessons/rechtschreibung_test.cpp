#include "support/qtprinters.h"
#include "ui/rtfreader.h"
#include "ui/textfile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>

// The shipped texts are spelt correctly: every word of the lesson scripts
// (info lines, drill lines, copy texts), of the information documents and of
// LIESMICH.txt goes through hunspell with the German dictionary.
//
// Rules for a word (a run of letters with inner hyphens or apostrophes, a
// trailing apostrophe included; single letters name keys and are skipped):
// - hunspell accepts it as written, or with a full stop after it when one
//   follows in the text (an abbreviation such as "usw.");
// - it is on the short allow list below (names, loanwords, terms of this
//   program that the dictionary lacks);
// - in the drill lines of units 1 to 3, before capitals are taught, and in
//   technical names (parts of a name joined with "_", a name after "$") a
//   noun stands in lower case: the word with its first letter capitalised
//   is accepted;
// - a word with hyphens is also accepted when each of its parts is (in
//   lower case under the rule above: tee-ei);
// - in the drill lines of units 1 to 10, which teach the letter keys, a key
//   pattern is exempt: one letter repeated (eee, Gg), two different letters
//   of which one is a home-row key (fjf, sws, ghg), or a run of home-row keys
//   in keyboard order or its reverse (asdf, jhgf).
// In a drill line each at sign stands for the correction key and deletes the
// character before it, so a drilled typo is checked as the corrected word;
// the documents quote such drill text in the same way. Their paragraphs in
// the fixed-width font quote whole example scripts and are not checked.

namespace {

const QString kDaten = QStringLiteral(KASPARO_SOURCE_DIR "/data");

const QSet<QString>& erlaubteWoerter() {
    static const QSet<QString> kErlaubt = [] {
        QSet<QString> woerter;
        for (const char* wort :
             {// names of people and places
              "Agnes", "Almería", "Bogotá", "Boyd", "Cefalù", "Clara", "Córdoba", "Daria", "Drais",
              "Dunlop", "Evi", "Forlì", "Fred", "Frieda", "Gera", "Ida", "Ines", "Jesús", "Jonas",
              "José", "Kemp", "Kolumbus", "Laura", "Lea", "Lena", "León", "Luise", "Lukas", "Lyon",
              "Málaga", "Mia", "Micha", "Moritz", "Niccolò", "Provence", "Raúl", "René", "Sara",
              "Starley", "Uli", "Vera", "Wendt", "Yilmaz", "Zoé",
              // loanwords, foreign phrases and an interjection
              "Apps", "bicycle", "Bohème", "Caprice", "caramel", "carte", "Crème", "Crémant",
              "Entrée", "Gratin", "la", "lait", "lento", "Madame", "Magnifique", "Misère", "Mount",
              "Na", "Pedelec", "più", "Première", "prochaine", "Quiche", "Résumé", "safety",
              "salsa", "Soirée", "T-Shirt",
              // German words the dictionary lacks
              "Draisine", "Gams", "Gamsbart", "Graureiher", "Handbehinderte", "Hefezopf",
              "Innungen", "Lektionsdateien", "Linkshändigkeit", "Luftfeuchte", "Matheunterricht",
              "Minze", "Philatelie", "Prise", "Prokrastination", "Tschadsee", "weiterschreiben",
              // letter groups an info line names
              "ch", "ck", "sch",
              // abbreviations, key names, file types
              "Backspace", "CR", "DWD", "LF", "LH", "Mbit", "Mi", "Mo", "Num", "OK", "Return",
              "RTF", "Tab", "ts", "txt", "UTF", "VER",
              // this program, its names for keys, keyboards and exercises, and a font
              "Abschreibtext", "Bahntastei", "Blindtastei", "Courier", "Kasparo", "kasparo-pruefen",
              "Kommataste", "Korrigiertaste", "Mittestrich", "Paragrafenzeichen", "Tabuliertaste",
              "Tastei", "TastaturSchreiben", "Tasteischemata", "Teiltastei", "Volltastei"}) {
            woerter.insert(QString::fromUtf8(wort));
        }
        return woerter;
    }();
    return kErlaubt;
}

enum class Herkunft {
    Text,                   // info lines, copy texts, documents
    UebungszeileFrueh,      // drill line of units 1 to 3
    UebungszeileBuchstaben, // drill line of units 4 to 10
    Uebungszeile,           // drill line of a later unit
};

struct Wort {
    QString text;
    bool technisch = false; // part of a file or variable name
    bool punktDanach = false;
    Herkunft herkunft = Herkunft::Text;
    QString ort;
};

// The unit of the keyboard course a file belongs to; an advance on the finger
// paths counts as the unit it follows.
int einheitNummer(const QString& datei) {
    constexpr int kFrueh = 1;
    constexpr int kMitGrossbuchstaben = 4;
    static const QRegularExpression kTs(QStringLiteral("^KP_TS(\\d\\d)"));
    static const QHash<QString, int> kVorgriff{{QStringLiteral("KP_FW_01.VER"), 1},
                                               {QStringLiteral("KP_FW_02.VER"), 2},
                                               {QStringLiteral("KP_FW_03.VER"), 3},
                                               {QStringLiteral("KP_FW_04.VER"), 5}};
    // The neutral course never teaches the shift keys: all of it is written
    // in small letters, as the first units of the keyboard course are. The
    // writing-and-layout course teaches them in its unit 03 B.
    static const QRegularExpression kFn(QStringLiteral("^KP_FN\\d\\d"));
    static const QRegularExpression kFi(QStringLiteral("^KP_FI(\\d\\d)(A|B)?"));
    // The course for hand-impaired learners brings the shift keys in its unit
    // 15; every unit, the advanced ones too, warms up with key patterns.
    static const QRegularExpression kHb(QStringLiteral("^KP_HB(\\d\\d)"));
    constexpr int kHbUmschaltung = 15;
    if (const QRegularExpressionMatch hb = kHb.match(datei); hb.hasMatch()) {
        return hb.captured(1).toInt() < kHbUmschaltung ? kFrueh : kMitGrossbuchstaben;
    }
    if (kFn.match(datei).hasMatch()) {
        return kFrueh;
    }
    if (const QRegularExpressionMatch fi = kFi.match(datei); fi.hasMatch()) {
        const int nummer = fi.captured(1).toInt();
        const bool gross = nummer > 3 || (nummer == 3 && fi.captured(2) != QLatin1String("A"));
        return gross ? kMitGrossbuchstaben : kFrueh;
    }
    const QRegularExpressionMatch treffer = kTs.match(datei);
    return treffer.hasMatch() ? treffer.captured(1).toInt() : kVorgriff.value(datei);
}

// Each at sign deletes the character before it, as the correction key does.
QString korrigiert(const QString& zeile) {
    QString ergebnis;
    for (QChar c : zeile) {
        if (c == QLatin1Char('@')) {
            ergebnis.chop(1);
        } else {
            ergebnis += c;
        }
    }
    return ergebnis;
}

void woerterVon(const QString& text, Herkunft herkunft, const QString& ort, QList<Wort>& woerter) {
    static const QRegularExpression kWort(QStringLiteral("[\\p{L}]+(?:[-'][\\p{L}]+)*'?"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    for (auto it = kWort.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch treffer = it.next();
        const QString wort = treffer.captured(0);
        if (wort.size() < 2) {
            continue;
        }
        const qsizetype vor = treffer.capturedStart(0) - 1;
        const qsizetype nach = treffer.capturedEnd(0);
        const QChar davor = vor >= 0 ? text.at(vor) : QChar();
        const QChar danach = nach < text.size() ? text.at(nach) : QChar();
        Wort eintrag;
        eintrag.text = wort;
        eintrag.technisch =
            davor == QLatin1Char('_') || davor == QLatin1Char('$') || danach == QLatin1Char('_');
        eintrag.punktDanach = danach == QLatin1Char('.');
        eintrag.herkunft = herkunft;
        eintrag.ort = ort;
        woerter.append(eintrag);
    }
}

bool istBefehl(const QString& zeile) {
    return zeile.startsWith(QLatin1String("//"));
}

bool istInfo(const QString& zeile) {
    const QString wort = zeile.mid(2).trimmed().left(2).toLower();
    return wort == QLatin1String("in") || wort == QLatin1String("ii");
}

void lektionLesen(const QString& datei, QList<Wort>& woerter) {
    const TextFile gelesen = readTextFile(QDir(kDaten).filePath(datei));
    ASSERT_EQ(gelesen.status, TextFileStatus::Ok) << datei.toStdString();
    QString text = gelesen.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    const int einheit = einheitNummer(datei);
    const bool kopie = datei.endsWith(QLatin1String("C.VER"));
    Herkunft uebung = Herkunft::Uebungszeile;
    if (!kopie && einheit >= 1 && einheit <= 3) {
        uebung = Herkunft::UebungszeileFrueh;
    } else if (!kopie && einheit >= 4 && einheit <= 10) {
        uebung = Herkunft::UebungszeileBuchstaben;
    }
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString zeile = zeilen.at(i).trimmed();
        const QString ort = QStringLiteral("%1:%2").arg(datei).arg(i + 1);
        if (istBefehl(zeile)) {
            if (istInfo(zeile)) {
                woerterVon(zeile.mid(zeile.indexOf(QLatin1Char(':')) + 1), Herkunft::Text, ort,
                           woerter);
            }
        } else {
            woerterVon(korrigiert(zeile), uebung, ort, woerter);
        }
    }
}

// A document's drill example such as "dsa@@as" is read as what it gives.
QString beispieleKorrigiert(const QString& zeile) {
    QStringList stuecke = zeile.split(QLatin1Char(' '));
    for (QString& stueck : stuecke) {
        if (stueck.contains(QLatin1Char('@'))) {
            stueck = korrigiert(stueck);
        }
    }
    return stuecke.join(QLatin1Char(' '));
}

void textLesen(const QString& name, const QStringList& zeilen, QList<Wort>& woerter) {
    for (int i = 0; i < zeilen.size(); ++i) {
        woerterVon(beispieleKorrigiert(zeilen.at(i)), Herkunft::Text,
                   QStringLiteral("%1:%2").arg(name).arg(i + 1), woerter);
    }
}

// The words hunspell rejects, out of `woerter`, asked all at once.
QSet<QString> abgelehnt(const QSet<QString>& woerter, QString& fehler) {
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-d"), QStringLiteral("de_DE"), QStringLiteral("-i"),
                    QStringLiteral("UTF-8"), QStringLiteral("-l")});
    if (!hunspell.waitForStarted(10000)) {
        fehler = QStringLiteral("hunspell is missing: install the packages hunspell and "
                                "hunspell-de-de (scripts/prepare does)");
        return {};
    }
    QStringList liste(woerter.begin(), woerter.end());
    hunspell.write(liste.join(QLatin1Char('\n')).toUtf8() + '\n');
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(60000) || hunspell.exitCode() != 0) {
        fehler = QStringLiteral("hunspell -d de_DE failed: ") +
                 QString::fromUtf8(hunspell.readAllStandardError());
        return {};
    }
    QSet<QString> ergebnis;
    for (const QString& zeile :
         QString::fromUtf8(hunspell.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (!zeile.isEmpty()) {
            ergebnis.insert(zeile);
        }
    }
    return ergebnis;
}

QString grossAnfang(const QString& wort) {
    return wort.left(1).toUpper() + wort.mid(1);
}

bool istTastenmuster(const QString& wort) {
    static const QString kGrundreihe = QString::fromUtf8("asdfghjklöä");
    const QString klein = wort.toLower();
    QString buchstaben;
    for (QChar c : klein) {
        if (!buchstaben.contains(c)) {
            buchstaben += c;
        }
    }
    if (buchstaben.size() == 1) {
        return true;
    }
    if (buchstaben.size() == 2) {
        for (QChar c : buchstaben) {
            if (kGrundreihe.contains(c)) {
                return true;
            }
        }
        return false;
    }
    QString rueckwaerts = kGrundreihe;
    std::reverse(rueckwaerts.begin(), rueckwaerts.end());
    return kGrundreihe.contains(klein) || rueckwaerts.contains(klein);
}

// Checks all words against hunspell's verdict; returns the misspelt ones.
QStringList pruefen(const QList<Wort>& woerter, QString& fehler) {
    QSet<QString> fragen;
    for (const Wort& wort : woerter) {
        fragen << wort.text << grossAnfang(wort.text) << wort.text + QLatin1Char('.');
        for (const QString& teil : wort.text.split(QLatin1Char('-'))) {
            fragen << teil << grossAnfang(teil);
        }
    }
    const QSet<QString> nein = abgelehnt(fragen, fehler);
    QStringList falsch;
    for (const Wort& wort : woerter) {
        if (!nein.contains(wort.text) || erlaubteWoerter().contains(wort.text)) {
            continue;
        }
        if (wort.punktDanach && !nein.contains(wort.text + QLatin1Char('.'))) {
            continue;
        }
        const bool klein = wort.herkunft == Herkunft::UebungszeileFrueh || wort.technisch;
        const QStringList teile = wort.text.split(QLatin1Char('-'));
        if (teile.size() > 1 && std::all_of(teile.begin(), teile.end(), [&](const QString& teil) {
                return !nein.contains(teil) || erlaubteWoerter().contains(teil) ||
                       (klein && !nein.contains(grossAnfang(teil)));
            })) {
            continue;
        }
        if (klein && !nein.contains(grossAnfang(wort.text))) {
            continue;
        }
        const bool muster = wort.herkunft == Herkunft::UebungszeileFrueh ||
                            wort.herkunft == Herkunft::UebungszeileBuchstaben;
        if (muster && istTastenmuster(wort.text)) {
            continue;
        }
        falsch << wort.ort + QStringLiteral(": ") + wort.text;
    }
    return falsch;
}

// The paragraphs of an information document, less those in the fixed-width font.
QStringList rtfAbsaetze(const QString& datei) {
    QFile rtf(QDir(kDaten).filePath(datei));
    EXPECT_TRUE(rtf.open(QIODevice::ReadOnly)) << datei.toStdString();
    QTextDocument dokument;
    readRtf(rtf.readAll(), dokument);
    QStringList absaetze;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        const QTextCharFormat format = QTextCursor(block).charFormat();
        const bool fest =
            format.fontFixedPitch() ||
            format.fontFamilies().toStringList().join(QString()).contains(QLatin1String("Courier"));
        absaetze << (fest ? QString() : block.text());
    }
    return absaetze;
}

} // namespace

TEST(Rechtschreibung, TheRulesCatchMisspellingsAndLetKeyPatternsPass) {
    QList<Wort> woerter;
    woerterVon(QStringLiteral("fjf asdf Gg ghg jhgf"), Herkunft::UebungszeileFrueh, "muster",
               woerter);
    woerterVon(QStringLiteral("das fass, der kurier, Hans' Hund, das tee-ei"),
               Herkunft::UebungszeileFrueh, "klein", woerter);
    woerterVon(korrigiert(QStringLiteral("Tiscj@h Regla@@al")), Herkunft::UebungszeileBuchstaben,
               "korrigiert", woerter);
    woerterVon(QStringLiteral("Die Datei bericht_neu, Mo und Mi usw."), Herkunft::Text, "text",
               woerter);
    woerterVon(QStringLiteral("Die Schuhle fjf"), Herkunft::Text, "fehler", woerter);
    woerterVon(QStringLiteral("der kurier ksk"), Herkunft::Uebungszeile, "spaet", woerter);
    woerterVon(QStringLiteral("Tsich sfdj"), Herkunft::UebungszeileBuchstaben, "buchstaben",
               woerter);
    QString fehler;
    const QStringList falsch = pruefen(woerter, fehler);
    ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
    EXPECT_EQ(falsch, (QStringList{"fehler: Schuhle", "fehler: fjf", "spaet: kurier", "spaet: ksk",
                                   "buchstaben: Tsich", "buchstaben: sfdj"}));
}

TEST(Rechtschreibung, TheShippedTextsAreSpeltCorrectly) {
    QList<Wort> woerter;
    const QDir daten(kDaten);
    const QStringList lektionen = daten.entryList({QStringLiteral("*.VER")}, QDir::Files);
    ASSERT_GE(lektionen.size(), 36);
    for (const QString& datei : lektionen) {
        lektionLesen(datei, woerter);
    }
    const QStringList dokumente = daten.entryList({QStringLiteral("*.RTF")}, QDir::Files);
    ASSERT_GE(dokumente.size(), 4);
    for (const QString& datei : dokumente) {
        const QStringList absaetze = rtfAbsaetze(datei);
        EXPECT_GT(absaetze.join(QString()).size(), 200) << datei.toStdString();
        textLesen(datei, absaetze, woerter);
    }
    const TextFile liesmich = readTextFile(daten.filePath(QStringLiteral("LIESMICH.txt")));
    ASSERT_EQ(liesmich.status, TextFileStatus::Ok);
    textLesen(QStringLiteral("LIESMICH.txt"), liesmich.text.split(QLatin1Char('\n')), woerter);
    ASSERT_GT(woerter.size(), 5000);

    QString fehler;
    const QStringList falsch = pruefen(woerter, fehler);
    ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
    EXPECT_TRUE(falsch.isEmpty()) << falsch.join(QLatin1Char('\n')).toStdString();
}

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "lessons/AuswahlLektionen.h"
#include "lessons/katalog.h"
#include "support/qtprinters.h"
#include "support/testplatform.h"
#include "ui/richtextfield.h"
#include "ui/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

// The shipped lessons: every drill unit of the compact list can be typed to
// its regular end, and uses only the keys its place in the course has taught.

namespace {

const QString kDaten = QStringLiteral(KASPARO_SOURCE_DIR "/data");

QStringList dateienDer(katalog::Liste liste) {
    QStringList dateien;
    const int anzahl = int(katalog::eintragTexte(liste).size());
    for (int i = 0; i < anzahl; ++i) {
        const QString datei = katalog::dateiZuEintrag(liste, i);
        if (!datei.isEmpty()) {
            dateien << datei;
        }
    }
    return dateien;
}

QStringList kompaktDateien() {
    return dateienDer(katalog::Liste::LerneinheitenOfficePuSelbstMini);
}

// What a unit adds to the characters a learner may type; the course runs in
// the order of the compact list, so the digit-row units come between unit 10
// and unit 11. A copy unit adds nothing to its main unit.
QString neueZeichen(const QString& datei) {
    static const QHash<QString, QString> kNeu = {
        {"KP_TS01.VER", QString::fromUtf8("asdfjklö,")},
        {"KP_TS02.VER", "eiru"},
        {"KP_TS03.VER", QString::fromUtf8("ghä.")},
        {"KP_TS04.VER", QString::fromUtf8("ASDFJKLÖEIRUGHÄ")},
        {"KP_TS05.VER", "vmcVMC"},
        {"KP_TS06.VER", "tzbnTZBN"},
        {"KP_TS07.VER", QString::fromUtf8("@ß?")},
        {"KP_TS08.VER", "woqpWOQP"},
        {"KP_TS09.VER", QString::fromUtf8("xyü-_XYÜ")},
        {"KP_TS10.VER", "\t"},
        {"KP_ZR_A.VER", "4589"},
        {"KP_ZR_B.VER", "670"},
        {"KP_ZR_C.VER", "123"},
        {"KP_ZR_D.VER", "!"},
        {"KP_TS11.VER", ":"},
        {"KP_TS12.VER", ";"},
        {"KP_TS13.VER", "'"},
        {"KP_TS15.VER", "\"+="},
        {"KP_TS16.VER", QString::fromUtf8("§%&")},
        {"KP_TS17.VER", QString::fromUtf8("éèáàóòúùíì$#")},
        {"KP_TS18.VER", "/()*"},
    };
    return kNeu.value(datei);
}

// Everything the units before `datei` have taught.
QString erlerntVor(const QString& datei) {
    QString erlernt;
    for (const QString& vorher : kompaktDateien()) {
        if (vorher == datei) {
            break;
        }
        erlernt += neueZeichen(vorher);
    }
    return erlernt;
}

QStringList zeilenVon(const QString& datei) {
    const TextFile gelesen = readTextFile(QDir(kDaten).filePath(datei));
    EXPECT_EQ(gelesen.status, TextFileStatus::Ok) << datei.toStdString();
    QString text = gelesen.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split(QLatin1Char('\n'));
}

bool istBefehl(const QString& zeile) {
    return zeile.trimmed().startsWith(QLatin1String("//"));
}

// The command word's two key letters, in lower case ("//Teiltastei: x" -> "te").
QString kennung(const QString& zeile) {
    QString befehl = zeile.trimmed().mid(2);
    while (befehl.startsWith(QLatin1Char(' '))) {
        befehl.remove(0, 1);
    }
    return befehl.left(2).toLower();
}

QString argument(const QString& zeile) {
    const qsizetype doppelpunkt = zeile.indexOf(QLatin1Char(':'));
    return doppelpunkt < 0 ? QString() : zeile.mid(doppelpunkt + 1).trimmed();
}

// Tab and the correction key, drilled as the at sign, have no character in a
// key set; an info line introduces them by the name of their key.
const QHash<QChar, QString>& tastenOhneZeichen() {
    static const QHash<QChar, QString> kNamen = {
        {QLatin1Char('\t'), QString::fromUtf8("Tabuliertaste")},
        {QLatin1Char('@'), QString::fromUtf8("Rücktaste")},
    };
    return kNamen;
}

// Whether a partial keyboard's key set lets the learner type `zeichen`: the
// home row is always part of it, a capital needs its small letter and an
// accented letter its accent key (´ or its shifted `) and its vowel.
bool imTastensatz(QChar zeichen, const QString& satz) {
    const QString tasten = satz + QStringLiteral("asdfjklö");
    if (tasten.contains(zeichen)) {
        return true;
    }
    if (zeichen.isUpper()) {
        return tasten.contains(zeichen.toLower());
    }
    const QString zerlegt = zeichen.decomposition();
    if (zerlegt.size() == 2 && zerlegt.at(0).isLetter()) {
        const QChar akzent = zerlegt.at(1) == QChar(0x0301) ? QChar(0xB4) : QLatin1Char('`');
        return tasten.contains(akzent) && tasten.contains(zerlegt.at(0));
    }
    return false;
}

// Whether `zeile` introduces the new character `zeichen`. The rule the shipped
// units follow: a //Weg: line for the character, or a //Teiltastei: line whose
// key set lets the learner type it, or for Tab and the correction key an info
// line that names the key. Drill lines after that line may use it.
bool fuehrtEin(const QString& zeile, QChar zeichen) {
    if (!istBefehl(zeile)) {
        return false;
    }
    const QString wort = kennung(zeile);
    if (wort == QLatin1String("we")) {
        return argument(zeile).contains(zeichen);
    }
    if (wort == QLatin1String("te")) {
        return imTastensatz(zeichen, argument(zeile));
    }
    if (wort == QLatin1String("in") && tastenOhneZeichen().contains(zeichen)) {
        return zeile.contains(tastenOhneZeichen().value(zeichen));
    }
    return false;
}

// The drill lines of a unit, by their 0-based index in the file.
QList<std::pair<int, QString>> uebungszeilen(const QString& datei) {
    QList<std::pair<int, QString>> gefunden;
    const QStringList zeilen = zeilenVon(datei);
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString zeile = zeilen.at(i).trimmed();
        if (!zeile.isEmpty() && !istBefehl(zeile)) {
            gefunden.append({i, zeilen.at(i)});
        }
    }
    return gefunden;
}

// The characters that a title of units 11 to 18 announces after
// "Sonderzeichen": single signs, and "Akzente" for the accented letters.
QString angekuendigt(const QString& datei) {
    const QString titel = katalog::tastaturschreibenTitel(datei, ProgramState{});
    const qsizetype ab = titel.indexOf(QLatin1String("Sonderzeichen"));
    if (ab < 0) {
        return {};
    }
    QString zeichen;
    for (const QString& wort : titel.mid(ab).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (wort == QLatin1String("Akzente")) {
            zeichen += QString::fromUtf8("éèáàóòúùíì");
        } else if (wort.size() == 1) {
            zeichen += wort;
        }
    }
    return zeichen;
}

} // namespace

TEST(MitgelieferteLektionen, AllUnitsOfTheCompactListAreThere) {
    const QStringList dateien = kompaktDateien();
    EXPECT_EQ(dateien.size(), 36);
    for (const QString& datei : dateien) {
        EXPECT_TRUE(QFileInfo::exists(QDir(kDaten).filePath(datei))) << datei.toStdString();
    }
    for (const char* info :
         {"InTastatur.RTF", "InEigene.RTF", "InEditSchul.RTF", "InZiffernblock.RTF"}) {
        EXPECT_TRUE(QFileInfo::exists(QDir(kDaten).filePath(QLatin1String(info)))) << info;
    }
}

// A unit may use what the units before it taught, and each of its own new
// characters from the line that introduces it on (see fuehrtEin). Copy units
// have no commands: they use what their main unit and those before taught.
TEST(MitgelieferteLektionen, DrillLinesUseOnlyTheKeysTaughtSoFar) {
    for (const QString& datei : kompaktDateien()) {
        if (datei.startsWith(QLatin1String("KP_ZB"))) {
            continue; // the keypad has its own keys
        }
        const QStringList zeilen = zeilenVon(datei);
        QString erlaubt = erlerntVor(datei) + QLatin1Char(' '); // the space bar is always there
        QString ausstehend = neueZeichen(datei);
        for (int i = 0; i < zeilen.size(); ++i) {
            const QString& zeile = zeilen.at(i);
            if (istBefehl(zeile)) {
                for (QChar c : QString(ausstehend)) {
                    if (fuehrtEin(zeile, c)) {
                        erlaubt += c;
                        ausstehend.remove(c);
                    }
                }
                continue;
            }
            QString fremd;
            for (QChar c : zeile) {
                if (!erlaubt.contains(c) && !fremd.contains(c)) {
                    fremd += c;
                }
            }
            EXPECT_TRUE(fremd.isEmpty()) << datei.toStdString() << ":" << i + 1 << " '"
                                         << fremd.toStdString() << "' in: " << zeile.toStdString();
        }
        EXPECT_TRUE(ausstehend.isEmpty())
            << datei.toStdString() << " never introduces '" << ausstehend.toStdString() << "'";
    }
}

// Each unit drills what it adds: every new character turns up in its drill lines.
TEST(MitgelieferteLektionen, EveryUnitDrillsItsNewCharacters) {
    for (const QString& datei : kompaktDateien()) {
        QString benutzt;
        for (const auto& [nummer, zeile] : uebungszeilen(datei)) {
            benutzt += zeile;
        }
        for (QChar c : neueZeichen(datei)) {
            EXPECT_TRUE(benutzt.contains(c))
                << datei.toStdString() << " never uses '" << QString(c).toStdString() << "'";
        }
    }
}

// Units 11 to 14 apply the digits in text and bring no sign that a later
// title announces; units 15 to 18 add exactly the characters of their title.
TEST(MitgelieferteLektionen, UnitsElevenToEighteenTeachWhatTheirTitlesAnnounce) {
    const QStringList einheiten{"KP_TS11.VER", "KP_TS12.VER", "KP_TS13.VER", "KP_TS14.VER",
                                "KP_TS15.VER", "KP_TS16.VER", "KP_TS17.VER", "KP_TS18.VER"};
    QString sonderzeichen;
    for (const QString& datei : einheiten) {
        sonderzeichen += angekuendigt(datei);
    }
    ASSERT_EQ(sonderzeichen.size(), 22) << sonderzeichen.toStdString();
    for (const QString& datei : einheiten) {
        const QString titel = angekuendigt(datei);
        const QString neu = neueZeichen(datei);
        if (datei < QLatin1String("KP_TS15.VER")) {
            EXPECT_TRUE(titel.isEmpty()) << datei.toStdString();
            for (QChar c : neu) {
                EXPECT_FALSE(sonderzeichen.contains(c))
                    << datei.toStdString() << " brings '" << QString(c).toStdString() << "'";
            }
            int mitZiffern = 0;
            const auto zeilen = uebungszeilen(datei);
            for (const auto& [nummer, zeile] : zeilen) {
                mitZiffern += zeile.contains(QRegularExpression(QStringLiteral("[0-9]"))) ? 1 : 0;
            }
            EXPECT_GE(mitZiffern * 2, zeilen.size()) << datei.toStdString();
        } else {
            QString sortiertNeu = neu;
            QString sortiertTitel = titel;
            std::sort(sortiertNeu.begin(), sortiertNeu.end());
            std::sort(sortiertTitel.begin(), sortiertTitel.end());
            EXPECT_EQ(sortiertNeu, sortiertTitel) << datei.toStdString();
        }
    }
}

namespace {

class Durchgang : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Compact);
        anwendung->state().StartDirectory = kDaten;
        drill = &anwendung->FensterTastaturschreiben();
        QObject::connect(drill, &TFensterTastaturschreiben::LerneinheitBeendet,
                         [this](bool regulaer) { enden.push_back(regulaer); });
    }

    void taste(QChar c) {
        int key = Qt::Key_unknown;
        QString text(c);
        if (c == QLatin1Char('\r')) {
            key = Qt::Key_Return;
        } else if (c == QLatin1Char('\t')) {
            key = Qt::Key_Tab;
        } else if (c == QLatin1Char('@') && drill->zustand().Modus.tastaturUebung()) {
            key = Qt::Key_Backspace; // the correction key is drilled as the at sign
            text = QStringLiteral("\b");
        } else if (c == QChar(0xAE)) {
            text = QStringLiteral(" "); // a copy text's line join is typed as a blank
        }
        QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(drill->Texteingabefeld, &druck);
    }

    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterTastaturschreiben* drill = nullptr;
    std::vector<bool> enden;

    // Opens the unit from the selection window and types each expected key
    // until the unit ends regularly.
    void durchtippen(const QString& datei);
};

} // namespace

void Durchgang::durchtippen(const QString& datei) {
    SetUp();
    platform.messages.clear();
    anwendung->FensterLektionen().Auswahl(datei);
    int anschlaege = 0;
    while (enden.empty() && anschlaege < 20000) {
        ASSERT_GE(drill->zustand().CharPos, 1) << datei.toStdString();
        ASSERT_LE(drill->zustand().CharPos, drill->zustand().ScriptLine.size())
            << datei.toStdString() << " line " << drill->zustand().ScriptLineIndex + 1 << ": '"
            << drill->zustand().ScriptLine.toStdString() << "'";
        const QChar c = drill->zustand().ScriptLine.at(drill->zustand().CharPos - 1);
        const auto vorher = std::tuple(drill->zustand().ScriptLineIndex, drill->zustand().CharPos,
                                       drill->Texteingabefeld->toPlainText().size());
        taste(c);
        ++anschlaege;
        ASSERT_NE(vorher, std::tuple(drill->zustand().ScriptLineIndex, drill->zustand().CharPos,
                                     drill->Texteingabefeld->toPlainText().size()))
            << datei.toStdString() << " stuck at line " << drill->zustand().ScriptLineIndex + 1
            << " on '" << QString(c).toStdString() << "'";
    }
    EXPECT_EQ(enden, std::vector<bool>{true}) << datei.toStdString();
    EXPECT_TRUE(platform.messages.empty())
        << datei.toStdString() << ": "
        << (platform.messages.empty() ? std::string() : platform.messages[0].text.toStdString());
    EXPECT_GT(anschlaege, 200) << datei.toStdString();
    enden.clear();
}

TEST_F(Durchgang, EveryDrillUnitIsTypedToItsRegularEnd) {
    for (const QString& datei : kompaktDateien()) {
        if (katalog::istCEinheit(datei)) {
            continue;
        }
        durchtippen(datei);
    }
}

// The school course with its sub-units and advance finger paths, the keypad
// course, the writing-and-layout course, the neutral course and the course
// for hand-impaired learners, beyond what the compact list holds.
TEST_F(Durchgang, EveryDrillUnitOfTheSchoolAndKeypadCoursesIsTypedToItsRegularEnd) {
    const QStringList kompakt = kompaktDateien();
    for (const katalog::Liste liste :
         {katalog::Liste::LerneinheitenSchul, katalog::Liste::LerneinheitenZiffernblock,
          katalog::Liste::LerneinheitenSchreibenUndGestaltenAmPC,
          katalog::Liste::LerneinheitenNeutral, katalog::Liste::LerneinheitenHandbehinderte}) {
        for (const QString& datei : dateienDer(liste)) {
            if (!katalog::istCEinheit(datei) && !kompakt.contains(datei)) {
                durchtippen(datei);
            }
        }
    }
}

// The fluency units are copy texts in the trainer and drill units in the
// selection window: as drill units each line is one drill line.
TEST_F(Durchgang, EveryFluencyUnitIsTypedAsADrillUnit) {
    for (int n = 1; n <= 18; ++n) {
        durchtippen(QStringLiteral("KP_GLS%1.VER").arg(n, 2, 10, QLatin1Char('0')));
    }
}

// Every item of every list names a file that is shipped.
TEST(Listen, EveryFileAListNamesIsShipped) {
    for (const katalog::Liste liste : katalog::kAlleListen) {
        for (const QString& datei : dateienDer(liste)) {
            EXPECT_TRUE(QFileInfo(QDir(kDaten).filePath(datei)).isFile()) << datei.toStdString();
        }
    }
}

namespace {

// The keys a unit's last partial keyboard shows, with the home row.
QSet<QChar> letzterTastensatz(const QString& datei) {
    QString satz;
    for (const QString& zeile : datei.isEmpty() ? QStringList() : zeilenVon(datei)) {
        if (istBefehl(zeile) && kennung(zeile) == QLatin1String("te")) {
            satz = argument(zeile);
        }
    }
    QSet<QChar> tasten;
    for (const QChar c : satz + QStringLiteral("asdfjklö")) {
        tasten.insert(c);
    }
    return tasten;
}

} // namespace

// A sub-unit A adds the first half of its main unit's keys to what the unit
// before taught; B adds the second half, so that it ends where its main unit
// ends. So in the keyboard course and in the writing-and-layout course.
TEST(Teileinheiten, EachHalfAddsItsKeysInTheOrderOfTheCourse) {
    struct Kurs {
        const char* vorsilbe;
        std::vector<int> einheiten;
    };
    for (const Kurs& kurs :
         {Kurs{"KP_TS", {2, 3, 5, 6, 8, 9}}, Kurs{"KP_FI", {1, 2, 3, 4, 5, 6, 7}}}) {
        for (const int einheit : kurs.einheiten) {
            const auto datei = [&kurs](int nummer, const char* zusatz) {
                return QStringLiteral("%1%2%3.VER")
                    .arg(QLatin1String(kurs.vorsilbe))
                    .arg(nummer, 2, 10, QLatin1Char('0'))
                    .arg(QLatin1String(zusatz));
            };
            SCOPED_TRACE(datei(einheit, "").toStdString());
            // Before the first unit only the home row is known.
            const QSet<QChar> basis =
                einheit > 1 ? letzterTastensatz(datei(einheit - 1, "")) : letzterTastensatz({});
            const QSet<QChar> a = letzterTastensatz(datei(einheit, "A"));
            const QSet<QChar> b = letzterTastensatz(datei(einheit, "B"));
            const QSet<QChar> haupt = letzterTastensatz(datei(einheit, ""));
            EXPECT_TRUE(a.contains(basis));
            EXPECT_GE(a.size(), basis.size());
            EXPECT_TRUE(b.contains(a));
            EXPECT_EQ(b, haupt);
        }
    }
}

namespace {

// What a title of the course for hand-impaired learners announces after the
// unit number: letters, signs by name, or the shift keys ("Umschaltung",
// given back as the capital letters of everything taught before).
QString handkursNeu(const QString& titel, const QString& bisher) {
    static const QHash<QString, QString> kZeichennamen = {
        {QStringLiteral("Komma"), QStringLiteral(",")},
        {QStringLiteral("Punkt"), QStringLiteral(".")},
        {QStringLiteral("Mittestrich"), QStringLiteral("-")},
    };
    const QStringList woerter = titel.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(3);
    QString neu;
    for (const QString& wort : woerter) {
        if (wort == QLatin1String("Umschaltung")) {
            for (const QChar c : bisher) {
                if (c.isLetter()) {
                    neu += c.toUpper();
                }
            }
        } else {
            neu += kZeichennamen.value(wort, wort.toLower());
        }
    }
    return neu;
}

// A key and, once the shift keys are known, the capital it gives.
QString mitGrossbuchstabe(QChar c, bool umschaltung) {
    QString zeichen(c);
    if (umschaltung && c.isLower() && c.toUpper() != c) {
        zeichen += c.toUpper();
    }
    return zeichen;
}

QString sortiert(QString text) {
    std::sort(text.begin(), text.end());
    return text;
}

} // namespace

// The course for hand-impaired learners marks every unit with //Ha, so that
// its partial keyboards show their key sets as written. The basic level adds
// the keys its titles announce, one unit after the other; a key is used from
// the line that introduces it on, each partial keyboard shows only keys
// taught so far, the last one all of them. The advanced level uses what the
// basic level taught and nothing more.
TEST(Handkurs, EachUnitTeachesWhatItsTitleAnnouncesInTheOrderOfTheList) {
    const katalog::Liste liste = katalog::Liste::LerneinheitenHandbehinderte;
    const QStringList titel = katalog::eintragTexte(liste);
    const QStringList dateien = dateienDer(liste);
    ASSERT_EQ(dateien.size(), 27);
    QString erlernt;
    QString tasten; // the keys themselves, without the capitals they give
    for (int i = 0; i < dateien.size(); ++i) {
        const QString& datei = dateien.at(i);
        SCOPED_TRACE(datei.toStdString());
        const QStringList zeilen = zeilenVon(datei);
        ASSERT_FALSE(zeilen.isEmpty());
        EXPECT_EQ(zeilen.first(), QStringLiteral("//Ha"));
        const bool umschaltung =
            std::any_of(erlernt.begin(), erlernt.end(), [](QChar c) { return c.isUpper(); });
        const QString neu = handkursNeu(titel.at(i), erlernt);
        const bool grossbuchstaben = !neu.isEmpty() && neu.at(0).isUpper();
        EXPECT_EQ(neu.isEmpty(), titel.at(i).startsWith(QLatin1String(" Aufbaustufe")));
        QString erlaubt = erlernt + QLatin1Char(' ');
        QString ausstehend = neu;
        QString letzterSatz;
        QString benutzt;
        for (int z = 0; z < zeilen.size(); ++z) {
            const QString& zeile = zeilen.at(z);
            if (!istBefehl(zeile)) {
                benutzt += zeile;
                for (const QChar c : zeile) {
                    EXPECT_TRUE(erlaubt.contains(c)) << "line " << z + 1 << " uses '"
                                                     << QString(c).toStdString() << "' too early";
                }
                continue;
            }
            const QString wort = kennung(zeile);
            if (wort == QLatin1String("te")) {
                letzterSatz = argument(zeile);
                for (const QChar c : letzterSatz) {
                    EXPECT_TRUE((tasten + neu).contains(c))
                        << "line " << z + 1 << " shows '" << QString(c).toStdString() << "'";
                }
            }
            // Capitals come with the shift keys, which an info line names.
            for (const QChar c : QString(ausstehend)) {
                const bool eingefuehrt =
                    c.isUpper() ? wort == QLatin1String("in") &&
                                      zeile.contains(QLatin1String("Umschalttaste"))
                                : (wort == QLatin1String("we") || wort == QLatin1String("te")) &&
                                      argument(zeile).contains(c);
                if (eingefuehrt) {
                    erlaubt += mitGrossbuchstabe(c, umschaltung);
                    ausstehend.remove(c);
                }
            }
        }
        EXPECT_TRUE(ausstehend.isEmpty())
            << "never introduces '" << ausstehend.toStdString() << "'";
        if (grossbuchstaben) {
            EXPECT_TRUE(std::any_of(neu.begin(), neu.end(),
                                    [&benutzt](QChar c) { return benutzt.contains(c); }));
        } else {
            for (const QChar c : neu) {
                EXPECT_TRUE(benutzt.contains(c))
                    << "never drills '" << QString(c).toStdString() << "'";
            }
        }
        for (const QChar c : neu) {
            erlernt += mitGrossbuchstabe(c, umschaltung);
        }
        if (!neu.isEmpty() && !grossbuchstaben) {
            tasten += neu;
            EXPECT_EQ(sortiert(letzterSatz), sortiert(tasten)) << "the last partial keyboard";
        }
    }
}

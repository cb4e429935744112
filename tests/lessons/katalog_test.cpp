#include "lessons/katalog.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include <vector>

using namespace katalog;
using enum katalog::Liste;

namespace {

const QString kKompaktZusatz = QStringLiteral("                    Version  MiniKasp");

QStringList dateien(Liste liste) {
    QStringList result;
    for (int i = 0; i < eintragTexte(liste).size(); ++i) {
        result.append(dateiZuEintrag(liste, i));
    }
    return result;
}

using Flag = bool ProgramState::*;

ProgramState mit(const std::vector<Flag>& flags) {
    ProgramState state;
    for (Flag flag : flags) {
        state.*flag = true;
    }
    return state;
}

ProgramState kompakt() {
    return mit({&ProgramState::EditionCompact});
}

} // namespace

TEST(KatalogListen, LengthsControlNamesAndCaptions) {
    struct Fall {
        const char* listBox;
        const char* groupBox;
        const char* caption; // nullptr: the title of the list's book
        int eintraege;
        int mitDatei;
    };
    const Fall faelle[] = {
        {"LerneinheitenOfficePuSelbstMini", "BoxOfficePuSelbstMiniLerneinheiten", nullptr, 39, 36},
        {"LerneinheitenSchul", "BoxSchulLerneinheiten", nullptr, 62, 53},
        {"LerneinheitenZiffernblock", "BoxZiffernblockLerneinheiten",
         " Lerneinheiten zum Ziffernblock ", 11, 10},
        {"LerneinheitenSchreibenUndGestaltenAmPC", "BoxSchreibenUndGestaltenAmPC", nullptr, 21, 21},
        {"LerneinheitenSchreibtrainer", "BoxSchreibtraining",
         " Lerneinheiten des Schreibtrainings ", 18, 18},
        {"LerneinheitenZeitschreibenPU", "BoxZeitschreibenPU", " 10-Minuten-Schreiben ", 18, 18},
        {"LerneinheitenHandbehinderte", "BoxHandbehinderteLerneinheiten", nullptr, 29, 27},
        {"LerneinheitenNeutral", "BoxLerneinheitenNeutral",
         " Neutrale Lerneinheiten - Fingerwege | Grundstellung ", 17, 16},
    };
    ASSERT_EQ(std::size(faelle), kAlleListen.size());
    for (std::size_t i = 0; i < kAlleListen.size(); ++i) {
        const Fall& fall = faelle[i];
        SCOPED_TRACE(fall.listBox);
        const Listenrahmen r = rahmen(kAlleListen[i]);
        EXPECT_EQ(r.listBox, QString::fromUtf8(fall.listBox));
        EXPECT_EQ(r.groupBox, QString::fromUtf8(fall.groupBox));
        if (fall.caption) {
            EXPECT_EQ(r.caption, QString::fromUtf8(fall.caption));
        }
        EXPECT_FALSE(r.caption.trimmed().isEmpty());
        EXPECT_EQ(eintragTexte(kAlleListen[i]).size(), fall.eintraege);
        EXPECT_EQ(dateien(kAlleListen[i]).size() - dateien(kAlleListen[i]).count(QString()),
                  fall.mitDatei);
    }
}

// First and last items, blank items and the texts whose blanks or spelling are easy to lose.
TEST(KatalogListen, TellingItemsKeepTheirTextAndFile) {
    struct Fall {
        Liste liste;
        int index;
        const char* text;
        const char* datei;
    };
    const Fall faelle[] = {
        {LerneinheitenOfficePuSelbstMini, 0, " Lerneinheit 01     Die Grundtasten und Komma",
         "KP_TS01.VER"},
        {LerneinheitenOfficePuSelbstMini, 7, " Lerneinheit 08     W  W  und  Q  P", "KP_TS08.VER"},
        {LerneinheitenOfficePuSelbstMini, 21,
         "                           Zusatz-Schreibübung (optional)", "KP_TS11C.VER"},
        {LerneinheitenOfficePuSelbstMini, 36, " ", ""},
        {LerneinheitenSchul, 22, " Lerneinheit 07   Die Korrigiertaste und ß   ?", "KP_TS07.VER"},
        {LerneinheitenSchul, 52, "                         Abschreibübung - Schreibtrainer",
         "KP_TS18C.VER"},
        {LerneinheitenSchul, 53, "", ""},
        {LerneinheitenSchul, 54, " ", ""},
        {LerneinheitenZiffernblock, 9, " 10   Ziffernblock           Zeilen-Training 2 ",
         "KP_ZB_10.VER"},
        {LerneinheitenZiffernblock, 10, " ", ""},
        {LerneinheitenSchreibenUndGestaltenAmPC, 8,
         "                           Lerneinheit 03 B    Großschreibung                ",
         "KP_FI03B.VER"},
        {LerneinheitenSchreibtrainer, 0, " Lerneinheit 01          Schreibtraining     ",
         "KP_GLS01.VER"},
        {LerneinheitenZeitschreibenPU, 1, " Lerneinheit 02          Fließtexttraining     ",
         "KP_TXT02.VER"},
        {LerneinheitenHandbehinderte, 16, " Grundstufe    Lerneinheit 17     ; : ? !",
         "KP_HB17.VER"},
        {LerneinheitenHandbehinderte, 28, "", ""},
        {LerneinheitenNeutral, 16, " ", ""},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message()
                     << rahmen(fall.liste).listBox.toStdString() << " #" << fall.index);
        EXPECT_EQ(eintragTexte(fall.liste).value(fall.index), QString::fromUtf8(fall.text));
        EXPECT_EQ(dateiZuEintrag(fall.liste, fall.index), QString::fromUtf8(fall.datei));
    }
}

TEST(KatalogListen, FilesFollowTheNamingSchemeOncePerListBlanksOnlyAtTheEnd) {
    const QRegularExpression schema(QStringLiteral("^KP_[A-Z0-9_]+\\.VER$"));
    for (Liste liste : kAlleListen) {
        SCOPED_TRACE(rahmen(liste).listBox.toStdString());
        QStringList mitDatei = dateien(liste);
        mitDatei.removeAll(QString());
        for (const QString& datei : mitDatei) {
            EXPECT_TRUE(schema.match(datei).hasMatch()) << datei.toStdString();
        }
        EXPECT_EQ(QSet<QString>(mitDatei.begin(), mitDatei.end()).size(), mitDatei.size());
        EXPECT_EQ(dateien(liste).mid(0, mitDatei.size()), mitDatei);
        // No selection and an index beyond the list stand for no file.
        EXPECT_TRUE(dateiZuEintrag(liste, -1).isEmpty());
        EXPECT_TRUE(dateiZuEintrag(liste, static_cast<int>(eintragTexte(liste).size())).isEmpty());
    }
}

TEST(KatalogListen, NumberPadUnitsBeyondFiveOnlyInTheNumberPadList) {
    for (Liste liste : kAlleListen) {
        const QStringList zb = dateien(liste).filter(QStringLiteral("KP_ZB_"));
        const qsizetype erwartet = liste == LerneinheitenOfficePuSelbstMini ? 5
                                   : liste == LerneinheitenZiffernblock     ? 10
                                                                            : 0;
        EXPECT_EQ(zb.size(), erwartet) << rahmen(liste).listBox.toStdString();
        EXPECT_EQ(zb, dateien(LerneinheitenZiffernblock).mid(0, zb.size()));
    }
}

// The item texts say which units are copied in the trainer; the names must agree.
TEST(Einheitsart, CatalogueItemsOfTheTrainerAreTheCUnits) {
    struct Fall {
        Liste liste;
        const char* trainerText;
        int cEinheiten;
    };
    const Fall faelle[] = {
        {LerneinheitenOfficePuSelbstMini, "Zusatz-Schreibübung", 8},
        {LerneinheitenSchul, "- Schreibtrainer", 14},
    };
    for (const Fall& fall : faelle) {
        const QStringList texte = eintragTexte(fall.liste);
        int gezaehlt = 0;
        for (int i = 0; i < texte.size(); ++i) {
            const QString datei = dateiZuEintrag(fall.liste, i);
            const bool imTrainer = texte[i].contains(QString::fromUtf8(fall.trainerText));
            gezaehlt += imTrainer ? 1 : 0;
            EXPECT_EQ(istCEinheit(datei), imTrainer) << datei.toStdString();
            EXPECT_EQ(einheitsart(datei, false),
                      imTrainer ? Einheitsart::Schreibtrainer : Einheitsart::Tastaturschreiben);
        }
        EXPECT_EQ(gezaehlt, fall.cEinheiten);
    }
}

TEST(Einheitsart, CCodeIsACaseSensitiveSubstringTheTenMinuteListComesFirst) {
    const std::pair<const char*, bool> faelle[] = {
        {"KP_TS12C.VER", true},  {"KP_HB12C.VER", true},  {"X12CX", true},
        {"KP_TS12c.VER", false}, {"KP_TS12.VER", false},  {"KP_TS04C.VER", false},
        {"KP_TS07C.VER", false}, {"KP_TS10C.VER", false}, {"KP_TS01C.VER", false},
    };
    for (const auto& [datei, cEinheit] : faelle) {
        EXPECT_EQ(istCEinheit(QString::fromUtf8(datei)), cEinheit) << datei;
    }
    for (const QString& datei : dateien(LerneinheitenZeitschreibenPU)) {
        EXPECT_EQ(einheitsart(datei, true), Einheitsart::Schreibtrainer);
        EXPECT_EQ(einheitsart(datei, false), Einheitsart::Tastaturschreiben);
    }
    EXPECT_EQ(einheitsart(QStringLiteral("KP_GLS07.VER"), false), Einheitsart::Tastaturschreiben);
}

TEST(Einheitsnummer, StripsExtensionThenLeadingCodeCharacters) {
    const std::pair<const char*, const char*> faelle[] = {
        {"KP_FI01A.VER", "01A"}, {"KP_HB27.VER", "27"},   {"KP_GLS05.VER", "05"},
        {"KP_ZB_-07.VER", "07"}, {"KP_ZR_A.VER", ""},     {"KP_FN3.X.VER", "3"},
        {"KP_FN12", "12"},       {"KP_fn12.VER", "fn12"},
    };
    for (const auto& [datei, nummer] : faelle) {
        EXPECT_EQ(einheitsnummer(QString::fromUtf8(datei)), QString::fromUtf8(nummer)) << datei;
    }
}

TEST(TastaturschreibenTitel, FixedTitlesWithTheCompactSuffix) {
    const std::pair<const char*, const char*> faelle[] = {
        {"KP_ZR_D.VER", " Kasparo 2003 - Ziffernreihe D     !   ?"},
        {"KP_ZB_05.VER", " Kasparo 2003 - Ziffernblock  Alle Ziffern  (kompakt = A - D)"},
        {"KP_FW_01.VER",
         " Kasparo 2003 - Vorgriff Fingerwege 1     q w e r   u i o p   y x c v   m , . -"},
        {"KP_TS02A.VER", " Kasparo 2003 - Lerneinheit 2 A      E  I"},
        {"KP_TS08.VER", " Kasparo 2003 - Lerneinheit 8      W  O   und   Q  P"},
        {"KP_TS09B.VER", " Kasparo 2003 - Lerneinheit 9 B      Ü  Mittestrich"},
        {"KP_TS15.VER",
         " Kasparo 2003 - Lerneinheit 15     Geläufigkeit  und  Sonderzeichen  \"  +  ="},
    };
    for (const auto& [datei, titel] : faelle) {
        EXPECT_EQ(tastaturschreibenTitel(QString::fromUtf8(datei), kompakt()),
                  QString::fromUtf8(titel) + kKompaktZusatz);
    }
}

// Every drill unit the keyboard-writing lists offer has a title of its own.
TEST(TastaturschreibenTitel, EveryListedDrillUnitOfTheFixedGroupsHasItsOwnTitle) {
    QSet<QString> titel;
    for (Liste liste :
         {LerneinheitenOfficePuSelbstMini, LerneinheitenSchul, LerneinheitenZiffernblock}) {
        for (const QString& datei : dateien(liste)) {
            if (datei.isEmpty() || istCEinheit(datei)) {
                continue;
            }
            const QString t = tastaturschreibenTitel(datei, kompakt());
            EXPECT_TRUE(t.startsWith(QStringLiteral(" Kasparo 2003 - "))) << datei.toStdString();
            titel.insert(t);
        }
    }
    EXPECT_EQ(titel.size(), 49); // 5 ZR, 10 ZB, 4 FW, 18 TS and 12 sub-units
}

TEST(TastaturschreibenTitel, ComposedAndGeneralTitles) {
    const std::pair<const char*, const char*> faelle[] = {
        {"KP_FI03B.VER", " Kasparo 2003 - Schreiben und Gestalten    Lerneinheit  03B"},
        {"KP_HB27.VER", " Kasparo 2003 - Handbehinderte    Lerneinheit  27"},
        {"KP_FN01.VER", " Kasparo 2003 - Neutrale Lernsoftware    Lerneinheit  01"},
        {"KP_GLS07.VER", " Kasparo 2003 - Geläufigkeits-Training    Lerneinheit  07"},
        {"KP_TXT05.VER", " Kasparo - Tastaturschulung"},
        // A name of a fixed-title group missing from the table.
        {"KP_ZR_Q.VER", " Kasparo - Tastaturschulung"},
        // The fixed-title groups are tested before the composed ones.
        {"KP_FI_KP_TS01.VER", " Kasparo - Tastaturschulung"},
        {"KP_GLS_KP_HB02.VER", " Kasparo 2003 - Handbehinderte    Lerneinheit  02"},
    };
    for (const auto& [datei, titel] : faelle) {
        EXPECT_EQ(tastaturschreibenTitel(QString::fromUtf8(datei), kompakt()),
                  QString::fromUtf8(titel) + kKompaktZusatz);
    }
}

TEST(TastaturschreibenTitel, EditionSuffixByTheFirstFlagSet) {
    using S = ProgramState;
    const std::pair<std::vector<Flag>, const char*> faelle[] = {
        {{}, ""},
        {{&S::EditionCompact}, "MiniKasp"},
        {{&S::EditionSchool, &S::EditionTeacher}, "Lehrer"},
        {{&S::EditionSchool}, "Schule"},
        {{&S::EditionProgrammed, &S::EditionOffice}, "Programmiert"},
        {{&S::EditionSelfStudy}, "Selbstlernen"},
        {{&S::EditionOffice}, "Büro"},
        {{&S::EditionCompact, &S::EditionHandImpaired}, "MiniKasp"},
        {{&S::EditionHandImpaired}, "Handicap"},
    };
    for (const auto& [flags, name] : faelle) {
        const QString zusatz =
            *name ? QString(20, u' ') + QStringLiteral("Version  ") + QString::fromUtf8(name)
                  : QString();
        EXPECT_EQ(editionsZusatz(mit(flags)), zusatz);
        EXPECT_EQ(tastaturschreibenTitel(QStringLiteral("KP_HB01.VER"), mit(flags)),
                  QStringLiteral(" Kasparo 2003 - Handbehinderte    Lerneinheit  01") + zusatz);
    }
}

TEST(SchreibtrainerTitel, CUnitsByTheirDigitsAndTheTenMinuteList) {
    EXPECT_EQ(schreibtrainerTitel(QStringLiteral("KP_TS11C.VER"), false),
              QStringLiteral("   Schreibtrainer - Lerneinheit 11"));
    // The digits are the unit's, also in a group code of three letters.
    EXPECT_EQ(schreibtrainerTitel(QStringLiteral("KP_GLS12C.VER"), false),
              QStringLiteral("   Schreibtrainer - Lerneinheit 12"));
    EXPECT_EQ(schreibtrainerTitel(QStringLiteral("KP_TXT05.VER"), true),
              QStringLiteral("      10-Minuten-Schreiben"));
    // The ten-minute list is tested first.
    EXPECT_EQ(schreibtrainerTitel(QStringLiteral("KP_TS12C.VER"), true),
              QStringLiteral("      10-Minuten-Schreiben"));
    EXPECT_TRUE(schreibtrainerTitel(QStringLiteral("KP_TXT05.VER"), false).isEmpty());
    EXPECT_TRUE(schreibtrainerTitel(QStringLiteral("KP_TS12.VER"), false).isEmpty());
}

TEST(Einstiegsliste, ByEntryAndEdition) {
    using S = ProgramState;
    using enum Einstieg;
    struct Fall {
        std::vector<Flag> flags;
        Einstieg einstieg;
        std::optional<Liste> liste;
        std::optional<bool> handImpairedMode;
    };
    const auto kein = std::nullopt;
    const Fall faelle[] = {
        {{&S::EditionCompact}, Tastaturschulung, LerneinheitenOfficePuSelbstMini, false},
        {{&S::EditionSchool, &S::NumpadMode}, Tastaturschulung, LerneinheitenZiffernblock, false},
        {{&S::EditionSchool, &S::EditionHandImpaired}, Tastaturschulung, LerneinheitenSchul, false},
        {{&S::EditionOffice, &S::EditionHandImpaired},
         Tastaturschulung,
         LerneinheitenOfficePuSelbstMini,
         false},
        {{&S::EditionHandImpaired}, Tastaturschulung, LerneinheitenHandbehinderte, true},
        {{}, Tastaturschulung, kein, false},
        {{&S::EditionSchool}, SundG_Fingerwege, LerneinheitenSchreibenUndGestaltenAmPC, false},
        {{&S::EditionSchool}, Handbehinderte, LerneinheitenHandbehinderte, kein},
        {{&S::EditionSchool}, Neutral, LerneinheitenNeutral, false},
        {{&S::EditionCompact}, Neutral, kein, kein},
        {{&S::EditionProgrammed}, Schreibtrainer, LerneinheitenSchreibtrainer, kein},
        {{&S::EditionCompact}, Schreibtrainer, kein, kein},
        {{&S::EditionHandImpaired}, Zeitschreiben, LerneinheitenZeitschreibenPU, kein},
        {{&S::EditionSchool}, Zeitschreiben, kein, kein},
    };
    for (std::size_t i = 0; i < std::size(faelle); ++i) {
        SCOPED_TRACE(i);
        const Einstiegsliste e = einstiegsliste(faelle[i].einstieg, mit(faelle[i].flags));
        EXPECT_EQ(e.liste, faelle[i].liste);
        EXPECT_EQ(e.handImpairedMode, faelle[i].handImpairedMode);
    }
}

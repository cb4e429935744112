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
#include <QHash>
#include <QKeyEvent>
#include <gtest/gtest.h>

// The shipped lessons: every drill unit of the compact list can be typed to
// its regular end, and uses only the keys its place in the course has taught.

namespace {

const QString kDaten = QStringLiteral(KASPARO_SOURCE_DIR "/data");

QStringList kompaktDateien() {
    QStringList dateien;
    const int anzahl =
        int(katalog::eintragTexte(katalog::Liste::LerneinheitenOfficePuSelbstMini).size());
    for (int i = 0; i < anzahl; ++i) {
        const QString datei =
            katalog::dateiZuEintrag(katalog::Liste::LerneinheitenOfficePuSelbstMini, i);
        if (!datei.isEmpty()) {
            dateien << datei;
        }
    }
    return dateien;
}

// What a unit adds to the keys a learner may type; the course runs in the
// order of the compact list.
QString neueTasten(const QString& datei) {
    static const QHash<QString, QString> kNeu = {
        {"KP_TS01.VER", QString::fromUtf8("asdfjklö, ")},
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
        {"KP_TS11.VER", QString::fromUtf8("\"§$%&/()=;:'#+*")},
        {"KP_TS17.VER", QString::fromUtf8("éèáàóòúùíì")},
    };
    return kNeu.value(datei);
}

QString erlaubtBis(const QString& datei) {
    QString erlaubt;
    for (const QString& vorher : kompaktDateien()) {
        erlaubt += neueTasten(vorher);
        if (vorher == datei) {
            break;
        }
    }
    return erlaubt;
}

QStringList zeilenVon(const QString& datei) {
    const TextFile gelesen = readTextFile(QDir(kDaten).filePath(datei));
    EXPECT_EQ(gelesen.status, TextFileStatus::Ok) << datei.toStdString();
    QString text = gelesen.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split(QLatin1Char('\n'));
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

TEST(MitgelieferteLektionen, DrillLinesUseOnlyTheKeysTaughtSoFar) {
    for (const QString& datei : kompaktDateien()) {
        if (datei.startsWith(QLatin1String("KP_ZB"))) {
            continue; // the keypad has its own keys
        }
        const QString erlaubt = erlaubtBis(datei) + QLatin1Char(' ');
        const QStringList zeilen = zeilenVon(datei);
        for (int i = 0; i < zeilen.size(); ++i) {
            const QString& zeile = zeilen.at(i);
            if (zeile.startsWith(QLatin1String("//"))) {
                continue;
            }
            for (QChar c : zeile) {
                EXPECT_TRUE(erlaubt.contains(c))
                    << datei.toStdString() << ":" << i + 1 << " '" << QString(c).toStdString()
                    << "' in: " << zeile.toStdString();
            }
        }
    }
}

namespace {

class Durchgang : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Compact);
        anwendung->FensterStart().StartDirectory = kDaten;
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
        } else if (c == QLatin1Char('@') && drill->Modus.tastaturUebung()) {
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
};

} // namespace

TEST_F(Durchgang, EveryDrillUnitIsTypedToItsRegularEnd) {
    for (const QString& datei : kompaktDateien()) {
        if (katalog::istCEinheit(datei)) {
            continue;
        }
        SetUp();
        platform.messages.clear();
        anwendung->FensterLektionen().Auswahl(datei);
        ProgramState& st = anwendung->state();
        int anschlaege = 0;
        while (enden.empty() && anschlaege < 20000) {
            ASSERT_GE(st.CharPos, 1) << datei.toStdString();
            ASSERT_LE(st.CharPos, st.ScriptLine.size())
                << datei.toStdString() << " line " << st.ScriptLineIndex + 1 << ": '"
                << st.ScriptLine.toStdString() << "'";
            const QChar c = st.ScriptLine.at(st.CharPos - 1);
            const auto vorher = std::tuple(st.ScriptLineIndex, st.CharPos,
                                           drill->Texteingabefeld->toPlainText().size());
            taste(c);
            ++anschlaege;
            ASSERT_NE(vorher, std::tuple(st.ScriptLineIndex, st.CharPos,
                                         drill->Texteingabefeld->toPlainText().size()))
                << datei.toStdString() << " stuck at line " << st.ScriptLineIndex + 1 << " on '"
                << QString(c).toStdString() << "'";
        }
        EXPECT_EQ(enden, std::vector<bool>{true}) << datei.toStdString();
        EXPECT_TRUE(platform.messages.empty())
            << datei.toStdString() << ": "
            << (platform.messages.empty() ? std::string()
                                          : platform.messages[0].text.toStdString());
        EXPECT_GT(anschlaege, 200) << datei.toStdString();
        enden.clear();
    }
}

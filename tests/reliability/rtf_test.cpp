#include "app/anwendung.h"
#include "editor/Texteditor.h"
#include "support/dateien.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/rtfreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <iostream>
#include <memory>

// Damaged and hostile RTF opened as an editor document and as a copy text:
// no crash, no hang, the text that can be read, and a window that goes on
// working.

namespace {

struct Fall {
    const char* name;
    QByteArray rtf;
    QString text; // what the document reads
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

QByteArray tief(int ebenen) {
    return "{\\rtf1 vorn " + QByteArray(ebenen, '{') + "\\b tief" + QByteArray(ebenen, '}') +
           " hinten}";
}

std::vector<Fall> faelle() {
    return {
        {"Abgeschnitten",
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Erste Zeile\\par {\\b fe",
         "Erste Zeile\nfe"},
        {"ZehntausendEbenen", tief(10000), "vorn tief hinten"},
        {"RiesigeSchrift", "{\\rtf1 {\\fs999999999 riesig} normal}", "riesig normal"},
        {"KaputtesHexzeichen", "{\\rtf1 a\\'zz b\\'e4\\'}", QString::fromUtf8("azz bä")},
        {"UnmoeglichesUnicodezeichen", "{\\rtf1 x\\u99999999?y\\u-99999999?z}", "xyz"},
        {"BinaerdatenUeberDasEnde", "{\\rtf1 vorher \\bin999999999 nachher}", "vorher "},
        {"NegativeBinaerlaenge", "{\\rtf1 a\\bin-5 b}", "ab"},
    };
}

class Rtf : public ::testing::TestWithParam<Fall> {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Teacher);
        anwendung->state().StartDirectory = verzeichnis.path();
    }

    QString datei(const QByteArray& rtf) {
        return dateiSchreiben(verzeichnis, QStringLiteral("dokument.rtf"), rtf);
    }

    void tippe(QWidget* feld, const QString& text) {
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(feld, &druck);
        }
    }

    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
};

} // namespace

TEST_P(Rtf, OpensInTheEditorWithTheTextThatCanBeRead) {
    const Fall& fall = GetParam();
    TFensterTexteditor& editor = anwendung->FensterTexteditor();
    editor.Leer();
    platform.fileAnswers = {datei(fall.rtf)};
    editor.Oeffnen1Click();

    EXPECT_TRUE(platform.messages.empty());
    RichTextField& feld = editor.Textfeld();
    EXPECT_EQ(feld.toPlainText(), fall.text);
    // No character is larger than word processors offer.
    for (QTextBlock b = feld.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            EXPECT_LE(it.fragment().charFormat().fontPointSize(), 1638.0);
        }
    }

    // Nothing to undo right after opening: the text stays.
    feld.undo();
    EXPECT_EQ(feld.toPlainText(), fall.text);

    // The document goes on working: typed at its start, saved and read back.
    feld.setCaretPosition(0);
    tippe(&feld, QStringLiteral("Neu "));
    EXPECT_TRUE(feld.toPlainText().startsWith(QStringLiteral("Neu ")));
    editor.Speichern1Click();
    EXPECT_TRUE(platform.messages.empty());
    QTextDocument gelesen;
    readRtf(dateiLesen(editor.Dateiname()), gelesen);
    EXPECT_EQ(gelesen.toPlainText(), QStringLiteral("Neu ") + fall.text);
}

TEST_P(Rtf, AsACopyTextGivesItsParagraphs) {
    const Fall& fall = GetParam();
    ProgramState& st = anwendung->state();
    st.TrainerScreenText = true;
    st.TrainerCorrection = true;
    st.TrainerEvaluation = true;
    TFensterSchreibtrainer& trainer = anwendung->FensterSchreibtrainer();
    trainer.TextVorgabe(datei(fall.rtf));

    EXPECT_TRUE(platform.messages.empty());
    ASSERT_FALSE(trainer.isHidden());
    // Lines without an empty one between them are one paragraph.
    const QString absatz = QString(fall.text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    EXPECT_EQ(trainer.Vorgabezeilen().value(0).trimmed(), absatz.trimmed());
}

INSTANTIATE_TEST_SUITE_P(Dateien, Rtf, ::testing::ValuesIn(faelle()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfGross, AParagraphOfFortyThousandFormatChangesOpensInBoundedTime) {
    // Before, every formatted run laid its whole paragraph out again: this
    // file took a minute and a half.
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 20000; ++i) {
        rtf += "{\\b fett}{\\i kursiv}";
    }
    rtf += "}";
    QTemporaryDir verzeichnis;
    TestPlatform platform;
    RichTextField feld(platform);
    QString fehler;
    QElapsedTimer uhr;
    uhr.start();
    ASSERT_TRUE(feld.loadFile(dateiSchreiben(verzeichnis, "runs.rtf", rtf), &fehler));
    const qint64 ms = uhr.elapsed();
    std::cout << "[          ] 40000 runs read in " << ms << " ms" << std::endl;
    EXPECT_EQ(feld.toPlainText().size(), 20000 * 10);
    EXPECT_TRUE(feld.document()->begin().begin().fragment().charFormat().font().bold());
    EXPECT_LT(ms, 10000); // generous: quadratic reading needs far longer
}

TEST(RtfGross, AParagraphOfMoreThanAMillionCharactersIsRefused) {
    QTemporaryDir verzeichnis;
    TestPlatform platform;
    RichTextField feld(platform);
    feld.setPlainText(QStringLiteral("bisher"));
    const QString pfad =
        dateiSchreiben(verzeichnis, "lang.rtf", "{\\rtf1 " + QByteArray(1'100'000, 'a') + "}");
    QString fehler;
    EXPECT_FALSE(feld.loadFile(pfad, &fehler));
    EXPECT_EQ(fehler, QString::fromUtf8("Die Datei \"%1\" enthält eine Zeile mit mehr als einer "
                                        "Million Zeichen.")
                          .arg(QDir::toNativeSeparators(pfad)));
    EXPECT_EQ(feld.toPlainText(), QStringLiteral("bisher"));
}

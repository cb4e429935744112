#include "schlechtedateien.h"

#include "app/anwendung.h"
#include "editor/Texteditor.h"
#include "support/dateien.h"
#include "support/testplatform.h"
#include "ui/richtextfield.h"
#include "ui/rtfreader.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <memory>

// Bad documents opened in the teacher edition's editor: a German message box,
// the document that was open stays as it was, and the next good file opens.

namespace {

const QByteArray kAlt = "//Volltastei\r\nasdf jkl\xf6\r\n";
const QString kAltText = QString::fromUtf8("//Volltastei\nasdf jklö");

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Teacher);
        anwendung->state().StartDirectory = dateien.verzeichnis();
        editor = &anwendung->FensterTexteditor();
        editor->Leer();
        alt = dateien.gut(QStringLiteral("alt.txt"), kAlt);
        oeffnen(alt);
        ASSERT_EQ(feld().toPlainText(), kAltText);
        platform.messages.clear();
        platform.fileDialogs.clear();
    }

    RichTextField& feld() { return editor->Textfeld(); }

    void oeffnen(const QString& pfad) {
        platform.fileAnswers = {pfad};
        editor->Oeffnen1Click();
    }

    void tippe(const QString& text) {
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&feld(), &druck);
        }
    }

    // The document open before is still there, unchanged, under its name.
    void altesDokumentDa() {
        EXPECT_FALSE(editor->isHidden());
        EXPECT_EQ(feld().toPlainText(), kAltText);
        EXPECT_EQ(editor->Dateiname(), alt);
        EXPECT_FALSE(feld().isModified());
        EXPECT_EQ(dateiLesen(alt), kAlt);
    }

    void gutesDokumentOeffnet() {
        const QString gut =
            dateien.gut(QStringLiteral("gut.txt"), QByteArray("Ein guter Text.\r\n"));
        const std::size_t vorher = platform.messages.size();
        oeffnen(gut);
        EXPECT_EQ(platform.messages.size(), vorher);
        EXPECT_EQ(feld().toPlainText(), QStringLiteral("Ein guter Text."));
        EXPECT_EQ(editor->Dateiname(), gut);
        tippe(QStringLiteral("Neu: "));
        EXPECT_EQ(feld().toPlainText(), QStringLiteral("Neu: Ein guter Text."));
    }

    SchlechteDateien dateien;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterTexteditor* editor = nullptr;
    QString alt;
};

class SchlechtesDokument : public Editor, public ::testing::WithParamInterface<Schlecht> {
protected:
    void SetUp() override {
        Editor::SetUp();
        if (GetParam() == Schlecht::Gesperrt && !dateien.sperreWirkt()) {
            GTEST_SKIP() << "runs with the right to read every file (root): no lock to test";
        }
    }
};

} // namespace

TEST_P(SchlechtesDokument, IsAnsweredAndTheOpenDocumentStays) {
    const Schlecht art = GetParam();
    const QString pfad = dateien.pfad(art);
    oeffnen(pfad);

    if (art == Schlecht::Leer) {
        // Documented: an empty file is an empty document.
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(feld().toPlainText().isEmpty());
        EXPECT_EQ(editor->Dateiname(), pfad);
        EXPECT_FALSE(feld().isModified());
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(platform.messages[0].text, art == Schlecht::Fehlt || art == Schlecht::Verzeichnis
                                                 ? nichtVorhanden(pfad)
                                                 : lesefehler(art, pfad));
        altesDokumentDa();
    }
    gutesDokumentOeffnet();
}

INSTANTIATE_TEST_SUITE_P(Dateien, SchlechtesDokument, ::testing::ValuesIn(SchlechteDateien::kAlle),
                         ArtName());

TEST_F(Editor, AFailedOpenLeavesNothingForASaveToDestroy) {
    // Before, the field was emptied and kept the old name: "Speichern" then
    // wrote the empty field over the document.
    oeffnen(dateien.pfad(Schlecht::PngKopf));
    editor->Speichern1Click();
    EXPECT_EQ(platform.messages.size(), 1u);
    QTextDocument gelesen;
    readRtf(dateiLesen(alt), gelesen);
    EXPECT_EQ(gelesen.toPlainText(), kAltText);
}

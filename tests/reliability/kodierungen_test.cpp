#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "editor/Texteditor.h"
#include "lessons/AuswahlLektionen.h"
#include "support/dateien.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "ui/cp1252.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// The same German text written in the encodings a learner's editor may
// choose: a lesson, a copy text and an editor document read it alike.

namespace {

enum class Kodierung { Utf8, Utf8MitBom, Utf16Le, Utf16Be, Windows1252 };

std::string kodierungName(Kodierung k) {
    switch (k) {
    case Kodierung::Utf8:
        return "Utf8";
    case Kodierung::Utf8MitBom:
        return "Utf8MitBom";
    case Kodierung::Utf16Le:
        return "Utf16Le";
    case Kodierung::Utf16Be:
        return "Utf16Be";
    case Kodierung::Windows1252:
        return "Windows1252";
    }
    return "?";
}

void PrintTo(Kodierung k, std::ostream* os) {
    *os << kodierungName(k);
}

QByteArray kodiert(const QString& text, Kodierung k) {
    switch (k) {
    case Kodierung::Utf8:
        return text.toUtf8();
    case Kodierung::Utf8MitBom:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case Kodierung::Utf16Le: {
        QStringEncoder utf16(QStringEncoder::Utf16LE);
        return "\xFF\xFE" + QByteArray(utf16.encode(text));
    }
    case Kodierung::Utf16Be: {
        QStringEncoder utf16(QStringEncoder::Utf16BE);
        return "\xFE\xFF" + QByteArray(utf16.encode(text));
    }
    case Kodierung::Windows1252:
        return cp1252::encode(text);
    }
    return {};
}

// Every character that differs between the encodings: umlauts, ß, the euro
// sign and typographic quotes (Windows-1252 has them above 0x80).
const QString kZeile = QString::fromUtf8("Grüße aus Köln: Äpfel, Öl und Süßes für 5 € „heute“");

class Kodierungen : public ::testing::TestWithParam<Kodierung> {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Teacher);
        anwendung->state().StartDirectory = verzeichnis.path();
    }

    QString datei(const QString& name, const QString& text) {
        return dateiSchreiben(verzeichnis, name, kodiert(text, GetParam()));
    }

    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
};

} // namespace

TEST_P(Kodierungen, ALessonReadsItsDrillLine) {
    const QString pfad =
        datei(QStringLiteral("lektion.ts"), QStringLiteral("//Volltastei\r\n") + kZeile + "\r\n");
    platform.fileAnswers = {pfad};
    anwendung->FensterLektionen().EigeneClick();

    EXPECT_TRUE(platform.messages.empty());
    TFensterTastaturschreiben& drill = anwendung->FensterTastaturschreiben();
    ASSERT_FALSE(drill.isHidden());
    EXPECT_EQ(drill.Steuerdatei->lines(), QStringList({QStringLiteral("//Volltastei"), kZeile}));
    EXPECT_EQ(drill.zustand().ExpectedChar, QLatin1Char('G'));
}

TEST_P(Kodierungen, ACopyTextReadsItsParagraph) {
    const QString pfad = datei(QStringLiteral("text.st"), kZeile + "\r\n\r\nZweiter Absatz.\r\n");
    ProgramState& st = anwendung->state();
    st.TrainerScreenText = true;
    st.TrainerCorrection = true;
    st.TrainerEvaluation = true;
    TFensterSchreibtrainer& trainer = anwendung->FensterSchreibtrainer();
    trainer.TextVorgabe(pfad);

    EXPECT_TRUE(platform.messages.empty());
    ASSERT_FALSE(trainer.isHidden());
    EXPECT_EQ(trainer.Vorgabezeilen().mid(0, 3), QStringList({kZeile + QLatin1Char(' '), QString(),
                                                              QStringLiteral("Zweiter Absatz. ")}));
}

TEST_P(Kodierungen, AnEditorDocumentOpensAndIsSavedAsWindows1252) {
    const QString pfad = datei(QStringLiteral("dokument.txt"), kZeile + "\r\nzweite Zeile\r\n");
    TFensterTexteditor& editor = anwendung->FensterTexteditor();
    editor.Leer();
    platform.fileAnswers = {pfad};
    editor.Oeffnen1Click();

    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(editor.Textfeld().toPlainText(), kZeile + QStringLiteral("\nzweite Zeile"));

    // Saved as plain text, the file boundary's code is Windows-1252.
    const QString kopie = verzeichnis.filePath(QStringLiteral("kopie.txt"));
    platform.fileAnswers = {kopie};
    editor.Speichernunter1Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(dateiLesen(kopie), cp1252::encode(kZeile) + "\r\nzweite Zeile\r\n");
}

INSTANTIATE_TEST_SUITE_P(Texte, Kodierungen,
                         ::testing::Values(Kodierung::Utf8, Kodierung::Utf8MitBom,
                                           Kodierung::Utf16Le, Kodierung::Utf16Be,
                                           Kodierung::Windows1252),
                         [](const auto& info) { return kodierungName(info.param); });

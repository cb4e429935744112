#include "schlechtedateien.h"

#include "../trainer/uebung.h"

#include <QGroupBox>

// Bad copy texts handed to the trainer, chosen in its file dialog or given by
// the selection: a German message box each time, and the next good text can
// be copied.

namespace {

const QString kAbsatz = QString::fromUtf8("Übung macht den Meister.");

class SchlechterAbschreibtext : public Uebung, public ::testing::WithParamInterface<Schlecht> {
protected:
    void SetUp() override {
        Uebung::SetUp();
        st().StartDirectory = dateien.verzeichnis();
        gut = dateien.gut(QStringLiteral("gut.st"), kAbsatz.toUtf8() + "\r\n");
        einstellen(true, true, 0, true);
        if (GetParam() == Schlecht::Gesperrt && !dateien.sperreWirkt()) {
            GTEST_SKIP() << "runs with the right to read every file (root): no lock to test";
        }
    }

    // Exactly one error box with this text.
    void eineMeldung(const QString& text) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(platform.messages[0].text, text);
        platform.messages.clear();
    }

    // The good text is on screen and takes what is typed.
    void guterTextLaeuft() {
        EXPECT_TRUE(platform.messages.empty());
        ASSERT_FALSE(trainer->isHidden());
        EXPECT_EQ(trainer->Zeile(0), kAbsatz + QLatin1Char(' '));
        tippe(QString::fromUtf8("Übung"));
        EXPECT_EQ(text(), QString::fromUtf8("Übung"));
    }

    SchlechteDateien dateien;
    QString gut;
};

} // namespace

TEST_P(SchlechterAbschreibtext, ChosenInTheDialogIsAnsweredAndTheNextChoiceRuns) {
    const Schlecht art = GetParam();
    const QString pfad = dateien.pfad(art);
    platform.fileAnswers = {pfad, gut};
    trainer->TextVorgabe(QString());

    if (art == Schlecht::Fehlt || art == Schlecht::Verzeichnis) {
        eineMeldung(nichtVorhanden(pfad));
    } else if (art == Schlecht::Leer) {
        eineMeldung(QStringLiteral("Die Datei \r") + QDir::toNativeSeparators(pfad) +
                    QString::fromUtf8("\r enthält keinen Text zum Abschreiben."));
    } else {
        eineMeldung(lesefehler(art, pfad));
    }
    EXPECT_EQ(platform.fileDialogs.size(), 2u);
    guterTextLaeuft();
}

TEST_P(SchlechterAbschreibtext, GivenByTheSelectionLeadsBackToTheMenu) {
    const Schlecht art = GetParam();
    const QString pfad = dateien.pfad(art);
    trainer->TextVorgabe(pfad);

    if (art == Schlecht::Leer) {
        eineMeldung(QStringLiteral("Die Datei \r") + QDir::toNativeSeparators(pfad) +
                    QString::fromUtf8("\r enthält keinen Text zum Abschreiben."));
    } else {
        eineMeldung(lesefehler(art, pfad));
    }
    EXPECT_TRUE(platform.fileDialogs.empty());
    EXPECT_TRUE(trainer->isHidden());
    TFensterStart& start = anwendung->FensterStart();
    EXPECT_FALSE(start.isHidden());
    EXPECT_FALSE(start.Startmenue->isHidden());

    einstellen(true, true, 0, true);
    trainer->TextVorgabe(gut);
    guterTextLaeuft();
}

INSTANTIATE_TEST_SUITE_P(Dateien, SchlechterAbschreibtext,
                         ::testing::ValuesIn(SchlechteDateien::kAlle), ArtName());

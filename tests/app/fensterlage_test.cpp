#include "app/anwendung.h"
#include "editor/Texteditor.h"
#include "evaluation/Textanzeige.h"
#include "support/lage.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "ui/fenster.h"
#include "ui/programstate.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every window in every screen class, as it is made: each control lies inside
// its window (or its group), and no two controls shown together overlap.

namespace {

struct Klasse {
    QSize bildschirm;
    const char* name;
};

class Fensterlage : public ::testing::TestWithParam<std::tuple<Klasse, Edition>> {};

} // namespace

TEST_P(Fensterlage, EveryControlInsideAndApart) {
    const auto& [klasse, ausgabe] = GetParam();
    TestPlatform platform;
    platform.screenSize = klasse.bildschirm;
    Anwendung anwendung(platform, ausgabe);
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (!qobject_cast<Fenster*>(fenster)) {
            continue;
        }
        const QStringList fehler = lagefehler(fenster, lage::kGewollt);
        EXPECT_TRUE(fehler.isEmpty())
            << klasse.name << " " << lage::name(fenster).toStdString() << "\n"
            << fehler.join(QLatin1Char('\n')).toStdString();
    }
}

TEST_P(Fensterlage, TheTrainerAndTheResultInsideAndApart) {
    const auto& [klasse, ausgabe] = GetParam();
    TestPlatform platform;
    platform.screenSize = klasse.bildschirm;
    Anwendung anwendung(platform, ausgabe);
    QTemporaryDir verzeichnis;
    const QString text = verzeichnis.filePath(QStringLiteral("text.st"));
    QFile datei(text);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Ein Absatz zum Abschreiben.\r\n\r\nUnd noch einer.\r\n");
    datei.close();
    ProgramState& st = anwendung.state();
    TFensterSchreibtrainer& trainer = anwendung.FensterSchreibtrainer();
    for (const bool amBildschirm : {true, false}) {
        st.trainerZuruecksetzen();
        st.TrainerScreenText = amBildschirm;
        st.TrainerPrintTemplate = !amBildschirm;
        st.TrainerEvaluation = true;
        st.TrainerCorrection = true;
        trainer.Vorbereiten();
        trainer.TextVorgabe(text);
        const QStringList fehler = lagefehler(&trainer, lage::kGewollt);
        EXPECT_TRUE(fehler.isEmpty())
            << klasse.name << (amBildschirm ? " Bildschirm" : " Papier") << "\n"
            << fehler.join(QLatin1Char('\n')).toStdString();
    }
    TFensterTextanzeige& ergebnis = anwendung.FensterTextanzeige();
    ergebnis.FehlerAuswertung({QStringLiteral("Ein Absatz.")}, {QStringLiteral("Ein Absatz. ")});
    const QStringList fehler = lagefehler(&ergebnis, lage::kGewollt);
    EXPECT_TRUE(fehler.isEmpty()) << klasse.name << "\n"
                                  << fehler.join(QLatin1Char('\n')).toStdString();
}

TEST_P(Fensterlage, TheEditorWithItsBoxAndFindingsInsideAndApart) {
    const auto& [klasse, ausgabe] = GetParam();
    TestPlatform platform;
    platform.screenSize = klasse.bildschirm;
    Anwendung anwendung(platform, ausgabe);
    TFensterTexteditor& editor = anwendung.FensterTexteditor();
    editor.Leer();
    editor.BefundeZeigen({{3, true, QStringLiteral("Ein Fehler.")}});
    editor.KommandowoerterButtonClick();
    const QStringList fehler = lagefehler(&editor, lage::kGewollt);
    EXPECT_TRUE(fehler.isEmpty()) << klasse.name << "\n"
                                  << fehler.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Klassen, Fensterlage,
    ::testing::Combine(::testing::Values(Klasse{{800, 600}, "800"}, Klasse{{1024, 768}, "1024"},
                                         Klasse{{1152, 864}, "1152"}, Klasse{{1280, 1024}, "1280"}),
                       ::testing::Values(Edition::Compact, Edition::School, Edition::Teacher)));

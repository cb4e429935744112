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

#include <memory>
#include <string>

// Every window in every screen class, as it is made: each control lies inside
// its window (or its group), and no two controls shown together overlap.

namespace {

struct Klasse {
    QSize bildschirm;
    const char* name;
};

// A fresh application on a screen of the class, and the check of one window
// in the state it is in, named in the message by `zustand`.
class Fensterlage : public ::testing::TestWithParam<std::tuple<Klasse, Edition>> {
protected:
    void SetUp() override {
        platform.screenSize = std::get<0>(GetParam()).bildschirm;
        anwendung = std::make_unique<Anwendung>(platform, std::get<1>(GetParam()));
    }

    void pruefen(QWidget* fenster, const std::string& zustand) {
        const QStringList fehler = lagefehler(fenster, lage::kGewollt);
        EXPECT_TRUE(fehler.isEmpty()) << std::get<0>(GetParam()).name << " " << zustand << "\n"
                                      << fehler.join(QLatin1Char('\n')).toStdString();
    }

    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
};

} // namespace

TEST_P(Fensterlage, EveryControlInsideAndApart) {
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (qobject_cast<Fenster*>(fenster)) {
            pruefen(fenster, lage::name(fenster).toStdString());
        }
    }
}

TEST_P(Fensterlage, TheTrainerAndTheResultInsideAndApart) {
    QTemporaryDir verzeichnis;
    const QString text = verzeichnis.filePath(QStringLiteral("text.st"));
    QFile datei(text);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Ein Absatz zum Abschreiben.\r\n\r\nUnd noch einer.\r\n");
    datei.close();
    ProgramState& st = anwendung->state();
    TFensterSchreibtrainer& trainer = anwendung->FensterSchreibtrainer();
    for (const bool amBildschirm : {true, false}) {
        st.trainerZuruecksetzen();
        st.TrainerScreenText = amBildschirm;
        st.TrainerPrintTemplate = !amBildschirm;
        st.TrainerEvaluation = true;
        st.TrainerCorrection = true;
        trainer.Vorbereiten();
        trainer.TextVorgabe(text);
        pruefen(&trainer, amBildschirm ? "Schreibtrainer, Bildschirm" : "Schreibtrainer, Papier");
    }
    TFensterTextanzeige& ergebnis = anwendung->FensterTextanzeige();
    ergebnis.FehlerAuswertung({QStringLiteral("Ein Absatz.")}, {QStringLiteral("Ein Absatz. ")});
    pruefen(&ergebnis, "Ergebnis");
}

TEST_P(Fensterlage, TheEditorWithItsBoxAndFindingsInsideAndApart) {
    TFensterTexteditor& editor = anwendung->FensterTexteditor();
    editor.Leer();
    editor.BefundeZeigen({{3, true, QStringLiteral("Ein Fehler.")}});
    editor.KommandowoerterButtonClick();
    pruefen(&editor, "Texteditor");
}

INSTANTIATE_TEST_SUITE_P(
    Klassen, Fensterlage,
    ::testing::Combine(::testing::Values(Klasse{{800, 600}, "800"}, Klasse{{1024, 768}, "1024"},
                                         Klasse{{1152, 864}, "1152"}, Klasse{{1280, 1024}, "1280"}),
                       ::testing::Values(Edition::Compact, Edition::School, Edition::Teacher)));

#pragma once

#include "app/anwendung.h"
#include "app/programstate.h"
#include "drill/Tastaturschreiben.h"
#include "support/testplatform.h"
#include "ui/richtextfield.h"

#include <gtest/gtest.h>

#include <memory>

// A lesson script loaded into the drill window of a fresh application, walked
// by the set-up step as the exercises call it.
class Lektion : public ::testing::Test {
protected:
    void starte(const QStringList& skript, Edition edition = Edition::School,
                int uebungszeilen = 0) {
        anwendung = std::make_unique<Anwendung>(platform, edition);
        fenster = &anwendung->FensterTastaturschreiben();
        QObject::connect(fenster, &TFensterTastaturschreiben::LerneinheitBeendet,
                         [this](bool regulaer) { enden.push_back(regulaer); });
        fenster->Steuerdatei->setLines(skript);
        st().ScriptLineIndex = 0;
        st().CharPos = 1;
        fenster->DrillLineCount = uebungszeilen;
        fenster->BildschirmEinrichten();
    }

    // What an exercise does when the learner has finished a drill line.
    void zeileFertig() {
        ++st().ScriptLineIndex;
        st().CharPos = 1;
        fenster->BildschirmEinrichten();
        fenster->InfoStopp();
    }

    ProgramState& st() { return anwendung->state(); }

    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterTastaturschreiben* fenster = nullptr;
    std::vector<bool> enden;
};

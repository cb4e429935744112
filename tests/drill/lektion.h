#pragma once

#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "support/qtprinters.h"
#include "support/testplatform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCoreApplication>
#include <QKeyEvent>
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
        fenster->EinheitUebernehmen(QString(), skript, uebungszeilen);
    }

    // What an exercise does when the learner has finished a drill line.
    void zeileFertig() { fenster->Zeilenende(); }

    ProgramState& st() { return anwendung->state(); }
    const Einheitszustand& z() const { return fenster->zustand(); }

    // Sends each character as a key press to the input field, as the
    // keyboard would: "\r" Return, "\b" Backspace, "\x1b" Escape.
    void tippe(const QString& text) {
        for (QChar c : text) {
            int key = Qt::Key_unknown;
            if (c == QLatin1Char('\r')) {
                key = Qt::Key_Return;
            } else if (c == QLatin1Char('\b')) {
                key = Qt::Key_Backspace;
            } else if (c == QChar(27)) {
                key = Qt::Key_Escape;
            } else if (c == QLatin1Char('\t')) {
                key = Qt::Key_Tab;
            }
            taste(key, QString(c));
        }
    }

    void taste(int key, const QString& text = {}) {
        QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(fenster->Texteingabefeld, &druck);
    }

    QString feld() const { return fenster->Texteingabefeld->toPlainText(); }

    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterTastaturschreiben* fenster = nullptr;
    std::vector<bool> enden;
};

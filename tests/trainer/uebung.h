#pragma once

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "support/dateien.h"
#include "support/qtprinters.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/anschlaege.h"
#include "ui/panel.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// One copy-typing exercise in the trainer window of a fresh application,
// typed as key events on the virtual clock.
class Uebung : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::School);
        st().StartDirectory = verzeichnis.path();
        trainer = &anwendung->FensterSchreibtrainer();
        QObject::connect(trainer, &TFensterSchreibtrainer::Auswertung,
                         [this] { ausgewertet.push_back(text()); });
    }

    ProgramState& st() { return anwendung->state(); }
    const Uebungszustand& z() const { return trainer->zustand(); }

    // The settings of an exercise, as the assistant or a list leaves them.
    void einstellen(bool amBildschirm, bool korrektur, int sekunden, bool auswertung) {
        st().trainerZuruecksetzen();
        st().TrainerScreenText = amBildschirm;
        st().TrainerPrintTemplate = !amBildschirm;
        st().TrainerCorrection = korrektur;
        st().TrainerTimed = sekunden > 0;
        st().TrainerTimeSeconds = sekunden;
        st().TrainerEvaluation = auswertung;
        trainer->Vorbereiten();
    }

    // Writes the text (lines joined by CR LF) and starts the exercise on it.
    void beginnen(const QString& name, const QStringList& zeilen) {
        const QString pfad =
            dateiSchreiben(verzeichnis, name, zeilen.join(QStringLiteral("\r\n")).toUtf8());
        trainer->TextVorgabe(pfad);
    }

    template <typename T> T* teil(const char* name) {
        return trainer->findChild<T*>(QLatin1String(name));
    }
    RichTextField* eingabe() { return teil<RichTextField>("Texteingabe"); }
    QString text() { return eingabe()->toPlainText(); }
    QString anzeige(const char* name) { return teil<Panel>(name)->caption(); }
    bool sichtbar(const char* name) { return !teil<QWidget>(name)->isHidden(); }

    // Each character as the keyboard sends it: capitals and the characters
    // above the digits with Shift; "\r" Return, "\b" Backspace.
    void tippe(const QString& zeichenfolge) {
        for (QChar c : zeichenfolge) {
            if (c == QLatin1Char('\r')) {
                taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            } else if (c == QLatin1Char('\b')) {
                taste(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
            } else {
                const Qt::KeyboardModifiers umschalt =
                    anschlaege::wert(c) == 2 ? Qt::ShiftModifier : Qt::NoModifier;
                taste(c.toUpper().unicode(), umschalt, QString(c));
            }
        }
    }

    void taste(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               const QString& zeichen = {}) {
        QKeyEvent druck(QEvent::KeyPress, key, modifiers, zeichen);
        QCoreApplication::sendEvent(eingabe(), &druck);
    }

    // The text of the last message box.
    QString meldung() const {
        return platform.messages.empty() ? QString() : platform.messages.back().text;
    }

    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterSchreibtrainer* trainer = nullptr;
    std::vector<QString> ausgewertet;
};

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "evaluation/Textanzeige.h"
#include "support/dateien.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "ui/panel.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <random>

// A storm of random keystrokes and clicks at the drill window in every kind
// of exercise and at the trainer: nothing crashes or hangs, the position in
// the drill line stays inside the line, and the typed text changes only as
// the judged key allows.

namespace {

constexpr int kAnschlaegeGesamt = 100000;
constexpr int kAnschlaegeTrainer = 20000;
constexpr unsigned kSaat = 20261209;

// One keystroke or click of the storm.
struct Ereignis {
    enum class Art { Taste, KlickZeile, TasteiZeile };
    Art art = Art::Taste;
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};

class Sturm {
public:
    explicit Sturm(unsigned saat) : zufall_(saat) {}

    int zahl(int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(zufall_); }

    // Mostly the key the exercise expects, so that the storm gets through the
    // lines, line ends and paragraphs; the rest anything a keyboard sends.
    Ereignis naechstes(QChar erwartet) {
        static const QString kZeichen = QString::fromUtf8(
            "abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ0123456789 .,;:-_!?\"§$%&/"
            "()=@´`+*#'<>");
        const int wurf = zahl(100);
        if (wurf < 45 && !erwartet.isNull()) {
            return zeichen(erwartet);
        }
        if (wurf < 65) {
            return zeichen(kZeichen.at(zahl(int(kZeichen.size()))));
        }
        if (wurf < 73) {
            return {Ereignis::Art::Taste, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")};
        }
        if (wurf < 78) {
            return {Ereignis::Art::Taste, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
        }
        if (wurf < 80) {
            return {Ereignis::Art::Taste, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27))};
        }
        if (wurf < 83) {
            return {Ereignis::Art::Taste, Qt::Key_F1 + zahl(12), Qt::NoModifier, {}};
        }
        if (wurf < 87) {
            static const int kPfeile[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,    Qt::Key_Down,
                                          Qt::Key_Home, Qt::Key_End,   Qt::Key_Delete};
            return {Ereignis::Art::Taste, kPfeile[zahl(7)], Qt::NoModifier, {}};
        }
        if (wurf < 93) {
            // Ctrl and Alt combinations: copy, cut, paste, undo, select all.
            const int buchstabe = Qt::Key_A + zahl(26);
            const bool strg = zahl(2) == 0;
            return {Ereignis::Art::Taste, buchstabe, strg ? Qt::ControlModifier : Qt::AltModifier,
                    strg ? QString(QChar(buchstabe - Qt::Key_A + 1)) : QString()};
        }
        if (wurf < 95) {
            return {Ereignis::Art::Taste, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")};
        }
        if (wurf < 98) {
            return {Ereignis::Art::KlickZeile, 0, Qt::NoModifier, {}};
        }
        return {Ereignis::Art::TasteiZeile, 0, Qt::NoModifier, {}};
    }

private:
    static Ereignis zeichen(QChar c) {
        const Qt::KeyboardModifiers umschalt = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        int key = c.toUpper().unicode();
        if (c == QLatin1Char('\r')) {
            key = Qt::Key_Return;
        } else if (c == QLatin1Char('\t')) {
            key = Qt::Key_Tab;
        }
        return {Ereignis::Art::Taste, key, umschalt, QString(c)};
    }

    std::mt19937 zufall_;
};

void tasteSenden(QWidget* ziel, const Ereignis& e) {
    QKeyEvent druck(QEvent::KeyPress, e.key, e.modifiers, e.text);
    QCoreApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, e.key, e.modifiers, e.text);
    QCoreApplication::sendEvent(ziel, &los);
}

void klicken(QWidget* ziel) {
    const QPointF mitte(ziel->width() / 2.0, ziel->height() / 2.0);
    QMouseEvent druck(QEvent::MouseButtonPress, mitte, ziel->mapToGlobal(mitte), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &druck);
}

// The text before and after one key: unchanged, one character more (with the
// line break or blank the drill adds itself), or with Backspace one less.
// Returns an empty string when the change is allowed, else what went wrong.
QString textaenderungPruefen(const QString& vorher, const QString& nachher, const Ereignis& e,
                             const Einheitszustand& davor, const Einheitszustand& danach) {
    if (nachher == vorher) {
        return {};
    }
    const bool backspace = e.key == Qt::Key_Backspace;
    if (nachher.size() < vorher.size()) {
        const bool einesWeniger =
            vorher.startsWith(nachher) && vorher.size() - nachher.size() == 1 && backspace;
        return einesWeniger ? QString() : QStringLiteral("text lost");
    }
    if (!nachher.startsWith(vorher)) {
        return QStringLiteral("text rewritten");
    }
    if (davor.CorrectionPending && !backspace) {
        return QStringLiteral("text grew while a correction was pending");
    }
    QString neu = nachher.mid(vorher.size());
    neu.remove(QChar::ParagraphSeparator);
    neu.remove(QLatin1Char('\n'));
    if (neu.isEmpty()) {
        return {};
    }
    // The keypad adds a blank of its own after a number.
    if (neu.size() == 2 && neu.endsWith(QLatin1Char(' '))) {
        neu.chop(1);
    }
    if (neu.size() != 1) {
        return QStringLiteral("more than one character went in: ") + neu;
    }
    const QChar getippt = e.text.isEmpty() ? QChar() : e.text.at(0);
    const QChar eingefuegt = neu.at(0);
    // The correction key is drilled as the at sign, the Tab key as Tab.
    if (eingefuegt != getippt &&
        !(getippt == QLatin1Char('\t') && eingefuegt == QLatin1Char('\t'))) {
        return QStringLiteral("another character than the key went in: ") + neu;
    }
    if (eingefuegt != davor.ExpectedChar && !danach.CorrectionPending) {
        return QStringLiteral("a wrong key went in without a correction to follow");
    }
    return {};
}

class Tastensturm : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::School);
        anwendung->state().StartDirectory = verzeichnis.path();
        drill = &anwendung->FensterTastaturschreiben();
        QObject::connect(drill, &TFensterTastaturschreiben::LerneinheitBeendet,
                         [this](bool) { beendet = true; });
    }

    // A unit that ended left its result; the learner closes it and starts again.
    void laden(const QStringList& skript) {
        anwendung->FensterTextanzeige().hide();
        beendet = false;
        drill->EinheitUebernehmen(QStringLiteral("Sturm"), skript, int(skript.size()));
    }

    // Storms one unit; reloads it whenever the storm ends it.
    void stuermen(const QStringList& skript, int anschlaege, Sturm& sturm) {
        laden(skript);
        for (int n = 0; n < anschlaege; ++n) {
            if (beendet) {
                laden(skript);
            }
            const Einheitszustand davor = drill->zustand();
            const Ereignis e = sturm.naechstes(davor.ExpectedChar);
            const QString vorher = drill->Texteingabefeld->toPlainText();
            // Escape asks whether to end the unit: mostly no, sometimes yes.
            platform.messageAnswers.push_back(sturm.zahl(5) == 0 ? MessageAnswer::Yes
                                                                 : MessageAnswer::No);
            switch (e.art) {
            case Ereignis::Art::Taste:
                tasteSenden(drill->Texteingabefeld, e);
                break;
            case Ereignis::Art::KlickZeile:
                klicken(drill->KlickZeile);
                drill->ZeilNumEingabe->setText(QString::number(sturm.zahl(12)));
                (sturm.zahl(3) == 0 ? drill->EscZeile : drill->OkZeile)->click();
                break;
            case Ereignis::Art::TasteiZeile:
                drill->TasteiZeileButton->click();
                break;
            }
            platform.messageAnswers.clear();
            if (beendet) {
                continue;
            }
            const Einheitszustand& danach = drill->zustand();
            if (!danach.ScriptLine.isEmpty()) {
                ASSERT_GE(danach.CharPos, 1) << "keystroke " << n;
                ASSERT_LE(danach.CharPos, danach.ScriptLine.size())
                    << "keystroke " << n << " in '" << danach.ScriptLine.toStdString() << "'";
            }
            if (e.art == Ereignis::Art::Taste && davor.ScriptLineIndex == danach.ScriptLineIndex &&
                !davor.Modus.FreeMode) {
                const QString fehler = textaenderungPruefen(
                    vorher, drill->Texteingabefeld->toPlainText(), e, davor, danach);
                ASSERT_TRUE(fehler.isEmpty())
                    << "keystroke " << n << " key " << e.key << " '" << e.text.toStdString()
                    << "': " << fehler.toStdString();
            }
        }
    }

    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterTastaturschreiben* drill = nullptr;
    bool beendet = false;
};

QStringList uebung(const QString& befehl, bool korrektur, const QStringList& zeilen) {
    QStringList skript{
        korrektur ? QStringLiteral("//Korrektur: ein") : QStringLiteral("//Korrektur: aus"),
        QStringLiteral("//Info: Ein Sturm zieht auf."), QStringLiteral("//Weg: r"), befehl};
    skript << zeilen;
    skript << QStringLiteral("//Ende");
    return skript;
}

} // namespace

TEST_F(Tastensturm, EveryExerciseKindAndTheTrainerWithstandRandomKeys) {
    const QStringList text{QString::fromUtf8("Über den Fluß fährt ein Boot."),
                           QString::fromUtf8("Anna las@@ss das Buch, Seite 12!"), QString(),
                           QString::fromUtf8("Der Zug hält um 8.45 Uhr; alle steigen ein?"),
                           QString::fromUtf8("a\tb\tc kurze Zeile")};
    const QStringList ziffern{QStringLiteral("456 789 123"), QStringLiteral("1,5 20 300"),
                              QStringLiteral("7 8 9 0")};
    const std::vector<std::pair<QString, QStringList>> arten{
        {QStringLiteral("//Volltastei"), text},
        {QStringLiteral("//Blindtastei"), text},
        {QStringLiteral("//Bahntastei"), text},
        {QString::fromUtf8("//Teiltastei: erüäß"), text},
        {QStringLiteral("//Wortaufbau"), text},
        {QStringLiteral("//Rasterzeile"), text},
        {QStringLiteral("//Normalzeile"), text},
        {QStringLiteral("//Abschreibtext"), text},
        {QStringLiteral("//Ziffernblock"), ziffern},
    };
    Sturm sturm(kSaat);
    const int jeUebung = (kAnschlaegeGesamt - kAnschlaegeTrainer) / int(arten.size() * 2);
    for (const auto& [befehl, zeilen] : arten) {
        for (const bool korrektur : {true, false}) {
            SCOPED_TRACE(befehl.toStdString() + (korrektur ? " with correction" : ""));
            stuermen(uebung(befehl, korrektur, zeilen), jeUebung, sturm);
        }
    }

    // The trainer: a text of several paragraphs, typed at by the storm. Its
    // field loses at most one character per correction key (Backspace or
    // Delete, which correct there).
    ProgramState& st = anwendung->state();
    st.trainerZuruecksetzen();
    st.TrainerScreenText = true;
    st.TrainerCorrection = true;
    st.TrainerEvaluation = true;
    TFensterSchreibtrainer& trainer = anwendung->FensterSchreibtrainer();
    QStringList absaetze;
    for (int i = 0; i < 30; ++i) {
        absaetze << text.at(i % 2) << QString();
    }
    const QString datei = dateiSchreiben(verzeichnis, QStringLiteral("sturm.st"),
                                         absaetze.join(QStringLiteral("\r\n")).toUtf8());
    const auto beginnen = [&] {
        trainer.Vorbereiten();
        trainer.TextVorgabe(datei);
    };
    beginnen();
    auto* eingabe = trainer.findChild<RichTextField*>(QStringLiteral("Texteingabe"));
    ASSERT_NE(eingabe, nullptr);
    for (int n = 0; n < kAnschlaegeTrainer; ++n) {
        if (!trainer.isVisible() || !eingabe->isVisible()) {
            beginnen();
        }
        const Ereignis e = sturm.naechstes(QChar());
        if (e.art != Ereignis::Art::Taste) {
            continue;
        }
        const QString vorher = eingabe->toPlainText();
        platform.messageAnswers.push_back(sturm.zahl(5) == 0 ? MessageAnswer::Yes
                                                             : MessageAnswer::No);
        tasteSenden(eingabe, e);
        platform.messageAnswers.clear();
        const QString nachher = eingabe->toPlainText();
        if (!trainer.isVisible() || !eingabe->isVisible()) {
            continue;
        }
        const bool weniger = nachher.size() < vorher.size();
        const bool korrekturtaste = e.key == Qt::Key_Backspace || e.key == Qt::Key_Delete;
        ASSERT_TRUE(!weniger || (korrekturtaste && vorher.size() - nachher.size() == 1))
            << "keystroke " << n << " key " << e.key << " took text away";
    }
}

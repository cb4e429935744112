#include "tastenlatenz.h"

#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "drill/tastenzeichen.h"
#include "evaluation/Textanzeige.h"
#include "support/testplatform.h"
#include "trainer/Schreibtrainer.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>

namespace {

const QSize kBildschirm1280(1280, 1024);
// Every so many keystrokes one goes wrong and is taken back.
constexpr int kFehlerAbstand = 10;

const QStringList kSaetze{
    QString::fromUtf8("Über den Fluss fährt am Morgen ein kleines Boot."),
    QString::fromUtf8("Anna liest das Buch bis zur Seite zwölf, dann schläft sie."),
    QString::fromUtf8("Der Zug hält um acht Uhr; alle steigen schnell ein."),
    QString::fromUtf8("Im Garten blühen Rosen, Tulpen und gelbe Narzissen."),
    QString::fromUtf8("Wir üben jeden Tag zehn Minuten und werden sicherer."),
    QString::fromUtf8("Die Katze sitzt am Fenster und schaut den Vögeln zu."),
};

// The key event a character comes from, as the keyboard sends it.
int tastencode(QChar c) {
    if (c == kReturn) {
        return Qt::Key_Return;
    }
    if (c == kTab) {
        return Qt::Key_Tab;
    }
    if (c == kBackspace) {
        return Qt::Key_Backspace;
    }
    return Qt::Key_unknown;
}

// Sends the key, press and release, and lets Qt paint what it changed: the
// posted update requests of every window are handled before this returns.
void tasteBisZumBild(QWidget* feld, QChar c) {
    const int key = tastencode(c);
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(feld, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(feld, &los);
    QCoreApplication::processEvents();
}

// A character the exercise does not expect now.
QChar falschesZeichen(QChar erwartet) {
    return erwartet == QLatin1Char('q') ? QLatin1Char('y') : QLatin1Char('q');
}

// Counts the paint events of all widgets: a measurement without any would
// time the judgement alone.
class Malzaehler : public QObject {
public:
    int anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++anzahl;
        }
        return false;
    }
};

void mussGemaltHaben(const Malzaehler& zaehler, int vorher, const QString& fall) {
    if (zaehler.anzahl == vorher) {
        throw std::runtime_error(fall.toStdString() + ": the keystrokes painted nothing");
    }
}

class Messplatz {
public:
    Messplatz() {
        platform_.screenSize = kBildschirm1280;
        // The waits of an animation pass on the virtual clock at once; the
        // steps between them are still painted.
        platform_.duringPause = [](int) { QCoreApplication::processEvents(); };
        QCoreApplication::instance()->installEventFilter(&maler_);
        anwendung_ = std::make_unique<Anwendung>(platform_, Edition::School);
        anwendung_->state().StartDirectory = verzeichnis_.path();
        if (!anwendung_->state().ScreenClass1280) {
            throw std::runtime_error("the windows are not laid out for the 1280 class");
        }
        drill_ = &anwendung_->FensterTastaturschreiben();
        QObject::connect(drill_, &TFensterTastaturschreiben::LerneinheitBeendet,
                         [this](bool) { beendet_ = true; });
    }

    // Types the exercise kind's unit again and again until the counts are
    // reached; the loading of a unit is not measured.
    void drillMessen(const QString& befehl, const Tastenumfang& umfang, Messreihe& richtig,
                     Messreihe& falsch) {
        const QStringList skript = einheit(befehl);
        laden(skript);
        const int gemalt = maler_.anzahl;
        int stillstand = 0;
        int fehler = 0;
        while (int(richtig.anzahl()) < umfang.richtig || fehler < umfang.falsch) {
            if (beendet_) {
                laden(skript);
            }
            const Einheitszustand& z = drill_->zustand();
            if (z.InputBlocked) {
                platform_.advance(1000);
                QCoreApplication::processEvents();
                continue;
            }
            if (z.CorrectionMode == Korrekturmodus::Aus) {
                throw std::runtime_error("the exercise " + befehl.toStdString() +
                                         " runs without correction");
            }
            const QChar erwartet = z.ExpectedChar.isNull() ? kReturn : z.ExpectedChar;
            const auto vorher = std::make_pair(z.ScriptLineIndex, z.CharPos);
            if (fehler < umfang.falsch && richtig.anzahl() % kFehlerAbstand == kFehlerAbstand - 1) {
                ++fehler;
                falsch.hinzu(messen([&] { tasteBisZumBild(feld(), falschesZeichen(erwartet)); }));
                if (drill_->zustand().CorrectionPending) {
                    falsch.hinzu(messen([&] { tasteBisZumBild(feld(), kBackspace); }));
                }
            }
            richtig.hinzu(messen([&] { tasteBisZumBild(feld(), erwartet); }));
            const Einheitszustand& danach = drill_->zustand();
            const bool weiter =
                beendet_ || std::make_pair(danach.ScriptLineIndex, danach.CharPos) != vorher;
            stillstand = weiter ? 0 : stillstand + 1;
            if (stillstand > kHoechsterStillstand) {
                throw std::runtime_error("the exercise " + befehl.toStdString() +
                                         " does not take its expected key");
            }
        }
        mussGemaltHaben(maler_, gemalt, befehl);
    }

    void trainerMessen(const Tastenumfang& umfang, Messreihe& reihe) {
        ProgramState& st = anwendung_->state();
        st.trainerZuruecksetzen();
        st.TrainerScreenText = true;
        st.TrainerCorrection = true;
        st.TrainerEvaluation = true;
        TFensterSchreibtrainer& trainer = anwendung_->FensterSchreibtrainer();
        QStringList absaetze;
        for (int i = 0; i < umfang.trainerAbsaetze; ++i) {
            absaetze << kSaetze.at(i % kSaetze.size()) + QLatin1Char(' ') +
                            kSaetze.at((i + 1) % kSaetze.size())
                     << QString();
        }
        const QString datei = QDir(verzeichnis_.path()).filePath(QStringLiteral("vorlage.txt"));
        QFile vorlage(datei);
        if (!vorlage.open(QIODevice::WriteOnly) ||
            vorlage.write(absaetze.join(QStringLiteral("\r\n")).toUtf8()) < 0 || !vorlage.flush()) {
            throw std::runtime_error("the reference text cannot be written");
        }
        vorlage.close();
        // The reference typed as it stands: Return twice between paragraphs.
        QString text = absaetze.join(QString(kReturn));
        trainer.Vorbereiten();
        trainer.TextVorgabe(datei);
        auto* eingabe = trainer.findChild<RichTextField*>(QStringLiteral("Texteingabe"));
        if (eingabe == nullptr || !eingabe->isVisible()) {
            throw std::runtime_error("the trainer shows no input field");
        }
        QCoreApplication::processEvents();
        const int gemalt = maler_.anzahl;
        for (int n = 0; n < umfang.trainer; ++n) {
            reihe.hinzu(messen([&] { tasteBisZumBild(eingabe, text.at(n % text.size())); }));
        }
        mussGemaltHaben(maler_, gemalt, QStringLiteral("trainer"));
        trainer.BeendenSchreibenClick();
    }

private:
    static constexpr int kHoechsterStillstand = 50;

    static QStringList einheit(const QString& befehl) {
        QStringList skript{QStringLiteral("//Korrektur: ein"), befehl};
        skript << kSaetze;
        skript << QStringLiteral("//Ende");
        return skript;
    }

    void laden(const QStringList& skript) {
        anwendung_->FensterTextanzeige().hide();
        beendet_ = false;
        drill_->EinheitUebernehmen(QStringLiteral("Messung"), skript, int(skript.size()));
        QCoreApplication::processEvents();
    }

    QWidget* feld() const { return drill_->Texteingabefeld; }

    Malzaehler maler_;
    QTemporaryDir verzeichnis_;
    TestPlatform platform_;
    std::unique_ptr<Anwendung> anwendung_;
    TFensterTastaturschreiben* drill_ = nullptr;
    bool beendet_ = false;
};

} // namespace

std::vector<Messreihe> tastenlatenzMessen(const Tastenumfang& umfang) {
    const std::vector<std::pair<QString, QString>> arten{
        {QStringLiteral("//Volltastei"), QStringLiteral("Volltastei")},
        {QStringLiteral("//Blindtastei"), QStringLiteral("Blindtastei")},
        {QString::fromUtf8("//Teiltastei: asdfjklöerui"), QStringLiteral("Teiltastei")},
        {QStringLiteral("//Normalzeile"), QStringLiteral("Normalzeile")},
        {QStringLiteral("//Rasterzeile"), QStringLiteral("Rasterzeile")},
        {QStringLiteral("//Wortaufbau"), QStringLiteral("Wortaufbau")},
    };
    std::vector<Messreihe> reihen;
    Messplatz platz;
    for (const auto& [befehl, name] : arten) {
        Messreihe richtig(name + QStringLiteral(", richtige Anschläge"));
        Messreihe falsch(name + QStringLiteral(", Fehler und Rücktaste"));
        platz.drillMessen(befehl, umfang, richtig, falsch);
        reihen.push_back(std::move(richtig));
        reihen.push_back(std::move(falsch));
    }
    Messreihe trainer(QStringLiteral("Schreibtrainer, %1 Absätze").arg(umfang.trainerAbsaetze));
    platz.trainerMessen(umfang, trainer);
    reihen.push_back(std::move(trainer));
    return reihen;
}

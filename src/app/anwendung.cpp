#include "app/anwendung.h"

#include "app/Ruvasko.h"
#include "drill/Tastaturschreiben.h"
#include "editor/Texteditor.h"
#include "evaluation/Lernfortschritt.h"
#include "evaluation/Textanzeige.h"
#include "evaluation/kennzahlen.h"
#include "evaluation/lernverlauf.h"
#include "keyboard/Informationen.h"
#include "layout/MonitorAnpassen.h"
#include "lessons/AuswahlLektionen.h"
#include "lessons/pruefung.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/TrainerAssi.h"

#include "ui/edition.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

template <typename T, typename... Weitere>
std::unique_ptr<T> Anwendung::erzeuge(Weitere&... weitere) {
    auto fenster = std::make_unique<T>(Umgebung{state_, platform_}, weitere...);
    fenster_.push_back(fenster.get());
    return fenster;
}

namespace {

template <typename T> bool sichtbar(const std::unique_ptr<T>& fenster) {
    return fenster && fenster->isVisible();
}

} // namespace

Anwendung::Anwendung(Platform& platform, Edition edition) : platform_(platform) {
    // The flags come first, so that every window's creation sees the final edition.
    setEditionFlags(state_, edition);

    fensterStart_ = erzeuge<TFensterStart>(*this);
    fensterBildschirmAnpassen_ = erzeuge<TFensterBildschirmAnpassen>();
    connect(fensterBildschirmAnpassen_.get(), &TFensterBildschirmAnpassen::Anordnen, this,
            &Anwendung::anordnen);
    // Determines the screen class; a window made later is laid out when it is made.
    fensterBildschirmAnpassen_->BildschirmAufloesung();

    fensterStart_->EditionAnpassen(startfensterAnpassung(state_));
    connect(fensterStart_.get(), &TFensterStart::Geschlossen, this, &Anwendung::beendet);
    // The event loop ends without asking the other windows: quit() would ask
    // each to close, and a running unit answers that with its abort question.
    connect(
        this, &Anwendung::beendet, this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

Anwendung::~Anwendung() = default;

void Anwendung::anordnen() {
    if (fensterTastaturschreiben_) {
        fensterTastaturschreiben_->Anordnen();
    }
    fensterStart_->Anordnen();
    if (fensterLektionen_) {
        fensterLektionen_->Anordnen();
    }
    if (fensterSchreibtrainer_) {
        fensterSchreibtrainer_->Anordnen();
    }
    if (fensterTextanzeige_) {
        fensterTextanzeige_->Anordnen();
    }
    if (fensterTexteditor_) {
        fensterTexteditor_->Anordnen();
    }
    if (fensterLernfortschritt_) {
        fensterLernfortschritt_->Anordnen();
    }
}

TFensterTastaturschreiben& Anwendung::FensterTastaturschreiben() {
    if (fensterTastaturschreiben_) {
        return *fensterTastaturschreiben_;
    }
    fensterTastaturschreiben_ = erzeuge<TFensterTastaturschreiben>();
    TFensterTastaturschreiben* drill = fensterTastaturschreiben_.get();
    TFensterTextanzeige& ergebnis = FensterTextanzeige();
    drill->Anschliessen(ergebnis, FensterInformationen());
    connect(drill, &Fenster::Hauptmenue, this, &Anwendung::zurueckNachModul);
    connect(drill, &TFensterTastaturschreiben::NeuAnordnen, fensterBildschirmAnpassen_.get(),
            &TFensterBildschirmAnpassen::Bildschirm);
    connect(drill, &TFensterTastaturschreiben::ErgebnisGezeigt, this,
            [this](const QString& titel, const kennzahlen::Kennzahlen& figuren) {
                lernverlaufEintragen(lernverlauf::einheitsname(titel), figuren);
            });
    drill->Anordnen();
    return *drill;
}

TFensterSchreibtrainer& Anwendung::FensterSchreibtrainer() {
    if (fensterSchreibtrainer_) {
        return *fensterSchreibtrainer_;
    }
    fensterSchreibtrainer_ = erzeuge<TFensterSchreibtrainer>();
    TFensterSchreibtrainer* trainer = fensterSchreibtrainer_.get();
    trainer->Anschliessen(FensterInformationen());
    connect(trainer, &Fenster::Hauptmenue, fensterStart_.get(), &TFensterStart::MenueZeigen);
    connect(trainer, &TFensterSchreibtrainer::Auswertung, this, [this, trainer] {
        TFensterTextanzeige& ergebnis = FensterTextanzeige();
        const qint64 schreibzeit = trainer->zustand().schreibzeitMs;
        ergebnis.FehlerAuswertung(trainer->Eingabezeilen(), trainer->Vorgabezeilen(), schreibzeit);
        if (state_.TrainerEvaluation) {
            lernverlaufEintragen(
                QFileInfo(trainer->zustand().datei).completeBaseName(),
                kennzahlen::von(state_.KeystrokeCount, ergebnis.ErrorCount(), schreibzeit));
        }
    });
    trainer->Anordnen();
    return *trainer;
}

TFensterTexteditor& Anwendung::FensterTexteditor() {
    if (fensterTexteditor_) {
        return *fensterTexteditor_;
    }
    fensterTexteditor_ = erzeuge<TFensterTexteditor>();
    TFensterTexteditor* editor = fensterTexteditor_.get();
    connect(editor, &Fenster::Hauptmenue, fensterStart_.get(), &TFensterStart::MenueZeigen);
    connect(editor, &TFensterTexteditor::PruefungVerlangt, this, [editor] {
        std::vector<TFensterTexteditor::Befundzeile> befunde;
        for (const Befund& b : pruefeSkript(editor->Skriptzeilen())) {
            befunde.push_back({b.zeile, b.fehler, b.text});
        }
        editor->BefundeZeigen(befunde);
    });
    connect(editor, &TFensterTexteditor::Ausprobieren, this,
            [this, editor](const QString& name, const QStringList& zeilen) {
                // As the start window prepares a unit of one's own.
                state_.NumpadMode = false;
                FensterTastaturschreiben().Zuruecksetzen();
                FensterTastaturschreiben().NormalTastei();
                editorWartet_ = FensterLektionen().EigeneLektionBeginnen(name, zeilen);
                if (!editorWartet_) {
                    editor->Wiederkehren();
                }
            });
    editor->Anordnen();
    return *editor;
}

TFensterLektionen& Anwendung::FensterLektionen() {
    if (fensterLektionen_) {
        return *fensterLektionen_;
    }
    TFensterTastaturschreiben& drill = FensterTastaturschreiben();
    TFensterSchreibtrainer& trainer = FensterSchreibtrainer();
    fensterLektionen_ = erzeuge<TFensterLektionen>(drill, trainer);
    TFensterLektionen* lektionen = fensterLektionen_.get();
    TFensterStart* start = fensterStart_.get();
    connect(lektionen, &Fenster::Hauptmenue, start, &TFensterStart::MenueZeigen);
    connect(&drill, &TFensterTastaturschreiben::LerneinheitBeendet, lektionen, &QWidget::hide);
    connect(lektionen, &TFensterLektionen::ModulGestartet, start, &QWidget::hide);
    connect(lektionen, &TFensterLektionen::ZumStartfenster, start, &QWidget::show);
    lektionen->Anordnen();
    return *lektionen;
}

TFensterInformationen& Anwendung::FensterInformationen() {
    if (fensterInformationen_) {
        return *fensterInformationen_;
    }
    fensterInformationen_ = erzeuge<TFensterInformationen>();
    connect(fensterInformationen_.get(), &Fenster::Hauptmenue, fensterStart_.get(),
            &TFensterStart::MenueZeigen);
    connect(fensterInformationen_.get(), &TFensterInformationen::Geschlossen, this,
            &Anwendung::startfensterNachInformationen);
    return *fensterInformationen_;
}

void Anwendung::zurueckNachModul() {
    // A lesson tried from the editor leads back to the editor.
    if (editorWartet_) {
        editorWartet_ = false;
        FensterTexteditor().Wiederkehren();
    } else {
        fensterStart_->MenueZeigen();
    }
}

void Anwendung::lernverlaufEintragen(const QString& einheit,
                                     const kennzahlen::Kennzahlen& figuren) {
    if (state_.LernverlaufDatei.isEmpty() || figuren.schreibzeitMs <= 0) {
        return;
    }
    constexpr double kMsJeMinute = 60000.0;
    const lernverlauf::Ergebnis eintrag{platform_.now(),
                                        editionsName(state_),
                                        einheit,
                                        figuren.schreibzeitMs / kMsJeMinute,
                                        kennzahlen::anschlaegeJeMinute(figuren),
                                        kennzahlen::fehlerquote(figuren)};
    QString fehler;
    if (!lernverlauf::anhaengen(state_.LernverlaufDatei, eintrag, &fehler) &&
        !lernverlaufFehlerGemeldet_) {
        lernverlaufFehlerGemeldet_ = true;
        platform_.message(MessageKind::Warning,
                          QStringLiteral("Der Lernverlauf kann nicht in \"%1\" gespeichert "
                                         "werden.\r%2\rDas Ergebnis bleibt auf dem Bildschirm.")
                              .arg(QDir::toNativeSeparators(state_.LernverlaufDatei), fehler));
    }
}

void Anwendung::startfensterNachInformationen() {
    const bool modulLaeuft = sichtbar(fensterLektionen_) || sichtbar(fensterTastaturschreiben_) ||
                             sichtbar(fensterSchreibtrainer_) || sichtbar(fensterTexteditor_) ||
                             sichtbar(fensterAssi_);
    if (!modulLaeuft) {
        fensterStart_->show();
    }
}

TFensterTextanzeige& Anwendung::FensterTextanzeige() {
    if (fensterTextanzeige_) {
        return *fensterTextanzeige_;
    }
    fensterTextanzeige_ = erzeuge<TFensterTextanzeige>();
    connect(fensterTextanzeige_.get(), &Fenster::Hauptmenue, this, &Anwendung::zurueckNachModul);
    fensterTextanzeige_->Anordnen();
    return *fensterTextanzeige_;
}

TFensterAssi& Anwendung::FensterAssi() {
    if (fensterAssi_) {
        return *fensterAssi_;
    }
    fensterAssi_ = erzeuge<TFensterAssi>(FensterSchreibtrainer());
    connect(fensterAssi_.get(), &Fenster::Hauptmenue, fensterStart_.get(),
            &TFensterStart::MenueZeigen);
    connect(fensterAssi_.get(), &TFensterAssi::LerneinheitGewaehlt, this,
            [this](const QString& datei) { FensterLektionen().Auswahl(datei); });
    return *fensterAssi_;
}

TFensterLernfortschritt& Anwendung::FensterLernfortschritt() {
    if (fensterLernfortschritt_) {
        return *fensterLernfortschritt_;
    }
    fensterLernfortschritt_ = erzeuge<TFensterLernfortschritt>();
    connect(fensterLernfortschritt_.get(), &Fenster::Hauptmenue, fensterStart_.get(),
            &TFensterStart::MenueZeigen);
    fensterLernfortschritt_->Anordnen();
    return *fensterLernfortschritt_;
}

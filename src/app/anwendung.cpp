#include "app/anwendung.h"

#include "app/Ruvasko.h"
#include "drill/Tastaturschreiben.h"
#include "editor/Texteditor.h"
#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "layout/MonitorAnpassen.h"
#include "lessons/AuswahlLektionen.h"
#include "lessons/pruefung.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/TrainerAssi.h"

#include <QCoreApplication>

template <typename T, typename... Weitere>
std::unique_ptr<T> Anwendung::erzeuge(Weitere&... weitere) {
    auto fenster = std::make_unique<T>(Umgebung{state_, platform_}, weitere...);
    fenster_.push_back(fenster.get());
    return fenster;
}

Anwendung::Anwendung(Platform& platform, Edition edition) : platform_(platform) {
    // The flags come first, so that every window's creation sees the final edition.
    setEditionFlags(state_, edition);

    // The nine windows in their fixed order; a window that needs another one
    // below it is given it when it is made, or once that one exists.
    fensterStart_ = erzeuge<TFensterStart>(*this);
    fensterTastaturschreiben_ = erzeuge<TFensterTastaturschreiben>();
    fensterSchreibtrainer_ = erzeuge<TFensterSchreibtrainer>();
    fensterTexteditor_ = erzeuge<TFensterTexteditor>();
    fensterLektionen_ =
        erzeuge<TFensterLektionen>(*fensterTastaturschreiben_, *fensterSchreibtrainer_);
    fensterInformationen_ = erzeuge<TFensterInformationen>();
    fensterTextanzeige_ = erzeuge<TFensterTextanzeige>();
    fensterTastaturschreiben_->Anschliessen(*fensterTextanzeige_, *fensterInformationen_);
    fensterSchreibtrainer_->Anschliessen(*fensterInformationen_);
    fensterBildschirmAnpassen_ = erzeuge<TFensterBildschirmAnpassen>();
    verbinden();
    // Determines the screen class and lays out the windows made before it.
    fensterBildschirmAnpassen_->BildschirmAufloesung();
    fensterAssi_ = erzeuge<TFensterAssi>(*fensterSchreibtrainer_);
    connect(fensterAssi_.get(), &Fenster::Hauptmenue, fensterStart_.get(),
            &TFensterStart::MenueZeigen);
    connect(fensterAssi_.get(), &TFensterAssi::LerneinheitGewaehlt, fensterLektionen_.get(),
            &TFensterLektionen::Auswahl);

    fensterStart_->EditionAnpassen(startfensterAnpassung(state_));
    connect(fensterStart_.get(), &TFensterStart::Geschlossen, this, &Anwendung::beendet);
    // The event loop ends without asking the other windows: quit() would ask
    // each to close, and a running unit answers that with its abort question.
    connect(
        this, &Anwendung::beendet, this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void Anwendung::verbinden() {
    TFensterStart* start = fensterStart_.get();
    for (Fenster* f :
         std::initializer_list<Fenster*>{fensterSchreibtrainer_.get(), fensterTexteditor_.get(),
                                         fensterLektionen_.get(), fensterInformationen_.get()}) {
        connect(f, &Fenster::Hauptmenue, start, &TFensterStart::MenueZeigen);
    }
    // A lesson tried from the editor leads back to the editor.
    for (Fenster* f : std::initializer_list<Fenster*>{fensterTastaturschreiben_.get(),
                                                      fensterTextanzeige_.get()}) {
        connect(f, &Fenster::Hauptmenue, this, [this] {
            if (editorWartet_) {
                editorWartet_ = false;
                fensterTexteditor_->Wiederkehren();
            } else {
                fensterStart_->MenueZeigen();
            }
        });
    }
    connect(fensterTexteditor_.get(), &TFensterTexteditor::PruefungVerlangt, this, [this] {
        std::vector<TFensterTexteditor::Befundzeile> befunde;
        for (const Befund& b : pruefeSkript(fensterTexteditor_->Skriptzeilen())) {
            befunde.push_back({b.zeile, b.fehler, b.text});
        }
        fensterTexteditor_->BefundeZeigen(befunde);
    });
    connect(fensterTexteditor_.get(), &TFensterTexteditor::Ausprobieren, this,
            [this](const QString& name, const QStringList& zeilen) {
                // As the start window prepares a unit of one's own.
                state_.NumpadMode = false;
                fensterTastaturschreiben_->Zuruecksetzen();
                fensterTastaturschreiben_->NormalTastei();
                editorWartet_ = fensterLektionen_->EigeneLektionBeginnen(name, zeilen);
                if (!editorWartet_) {
                    fensterTexteditor_->Wiederkehren();
                }
            });
    connect(fensterBildschirmAnpassen_.get(), &TFensterBildschirmAnpassen::Anordnen, this, [this] {
        fensterTastaturschreiben_->Anordnen();
        fensterStart_->Anordnen();
        fensterLektionen_->Anordnen();
        fensterSchreibtrainer_->Anordnen();
        fensterTextanzeige_->Anordnen();
        fensterTexteditor_->Anordnen();
    });
    connect(fensterSchreibtrainer_.get(), &TFensterSchreibtrainer::Auswertung, this, [this] {
        fensterTextanzeige_->FehlerAuswertung(fensterSchreibtrainer_->Eingabezeilen(),
                                              fensterSchreibtrainer_->Vorgabezeilen());
    });
    connect(fensterTastaturschreiben_.get(), &TFensterTastaturschreiben::NeuAnordnen,
            fensterBildschirmAnpassen_.get(), &TFensterBildschirmAnpassen::Bildschirm);
    connect(fensterTastaturschreiben_.get(), &TFensterTastaturschreiben::LerneinheitBeendet,
            fensterLektionen_.get(), &QWidget::hide);
    connect(fensterLektionen_.get(), &TFensterLektionen::ModulGestartet, start, &QWidget::hide);
    connect(fensterLektionen_.get(), &TFensterLektionen::ZumStartfenster, start, &QWidget::show);
    connect(fensterInformationen_.get(), &TFensterInformationen::Geschlossen, this, [this] {
        // Back to the menu unless a module is still at work.
        const bool modulLaeuft = fensterLektionen_->isVisible() ||
                                 fensterTastaturschreiben_->isVisible() ||
                                 fensterSchreibtrainer_->isVisible() ||
                                 fensterTexteditor_->isVisible() || fensterAssi_->isVisible();
        if (!modulLaeuft) {
            fensterStart_->show();
        }
    });
}

Anwendung::~Anwendung() = default;

#include "app/anwendung.h"

#include "app/Ruvasko.h"
#include "drill/Tastaturschreiben.h"
#include "editor/Texteditor.h"
#include "evaluation/Textanzeige.h"
#include "keyboard/Informationen.h"
#include "layout/MonitorAnpassen.h"
#include "lessons/AuswahlLektionen.h"
#include "trainer/Schreibtrainer.h"
#include "trainer/TrainerAssi.h"

#include <QCoreApplication>

template <typename T> std::unique_ptr<T> Anwendung::erzeuge() {
    auto fenster = std::make_unique<T>(*this);
    fenster_.push_back(fenster.get());
    return fenster;
}

Anwendung::Anwendung(Platform& platform, Edition edition) : platform_(platform) {
    // The flags come first, so that every window's creation sees the final edition.
    setEditionFlags(state_, edition);

    fensterStart_ = erzeuge<TFensterStart>();
    fensterTastaturschreiben_ = erzeuge<TFensterTastaturschreiben>();
    fensterSchreibtrainer_ = erzeuge<TFensterSchreibtrainer>();
    fensterTexteditor_ = erzeuge<TFensterTexteditor>();
    fensterLektionen_ = erzeuge<TFensterLektionen>();
    fensterInformationen_ = erzeuge<TFensterInformationen>();
    fensterTextanzeige_ = erzeuge<TFensterTextanzeige>();
    // Determines the screen class and lays out the windows created before it.
    fensterBildschirmAnpassen_ = erzeuge<TFensterBildschirmAnpassen>();
    fensterAssi_ = erzeuge<TFensterAssi>();

    fensterStart_->EditionAnpassen(startfensterAnpassung(state_));
    connect(fensterStart_.get(), &TFensterStart::Geschlossen, this, &Anwendung::beendet);
    // The event loop ends without asking the other windows: quit() would ask
    // each to close, and a running unit answers that with its abort question.
    connect(
        this, &Anwendung::beendet, this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

Anwendung::~Anwendung() = default;

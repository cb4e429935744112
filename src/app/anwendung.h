#pragma once

#include "app/editions.h"
#include "ui/programstate.h"

#include <QObject>

#include <memory>
#include <vector>

class Platform;
namespace kennzahlen {
struct Kennzahlen;
}
class QWidget;
class TFensterStart;
class TFensterTastaturschreiben;
class TFensterSchreibtrainer;
class TFensterTexteditor;
class TFensterLektionen;
class TFensterInformationen;
class TFensterTextanzeige;
class TFensterBildschirmAnpassen;
class TFensterAssi;
class TFensterLernfortschritt;

// The application object: sets the edition, makes the start window and holds
// the nine windows until the program ends. Windows reach each other through
// it; each of the others is made once, when it is first asked for (and with
// it the windows it works with), so that the start window appears without
// waiting for windows the learner may never open.
class Anwendung : public QObject {
    Q_OBJECT
public:
    Anwendung(Platform& platform, Edition edition);
    ~Anwendung() override;

    ProgramState& state() { return state_; }
    Platform& platform() { return platform_; }

    TFensterStart& FensterStart() { return *fensterStart_; }
    TFensterTastaturschreiben& FensterTastaturschreiben();
    TFensterSchreibtrainer& FensterSchreibtrainer();
    TFensterTexteditor& FensterTexteditor();
    TFensterLektionen& FensterLektionen();
    TFensterInformationen& FensterInformationen();
    TFensterTextanzeige& FensterTextanzeige();
    TFensterBildschirmAnpassen& FensterBildschirmAnpassen() { return *fensterBildschirmAnpassen_; }
    TFensterAssi& FensterAssi();
    TFensterLernfortschritt& FensterLernfortschritt();

    // The windows made so far, in the order they were made; the first is the
    // main window.
    const std::vector<QWidget*>& fenster() const { return fenster_; }

Q_SIGNALS:
    // The main window was closed: the program ends.
    void beendet();

private:
    template <typename T, typename... Weitere> std::unique_ptr<T> erzeuge(Weitere&... weitere);
    // Lays out the windows made so far for the screen class.
    void anordnen();
    // The way back from a unit or its result: to the editor it was tried
    // from, else to the menu.
    void zurueckNachModul();
    // Appends a shown result with its figures to the learner's history; a
    // failure is reported once per run.
    void lernverlaufEintragen(const QString& einheit, const kennzahlen::Kennzahlen& figuren);
    // Back to the start window unless a module is still at work.
    void startfensterNachInformationen();

    Platform& platform_;
    ProgramState state_;
    std::vector<QWidget*> fenster_;
    std::unique_ptr<TFensterStart> fensterStart_;
    std::unique_ptr<TFensterTastaturschreiben> fensterTastaturschreiben_;
    std::unique_ptr<TFensterSchreibtrainer> fensterSchreibtrainer_;
    std::unique_ptr<TFensterTexteditor> fensterTexteditor_;
    std::unique_ptr<TFensterLektionen> fensterLektionen_;
    std::unique_ptr<TFensterInformationen> fensterInformationen_;
    std::unique_ptr<TFensterTextanzeige> fensterTextanzeige_;
    std::unique_ptr<TFensterBildschirmAnpassen> fensterBildschirmAnpassen_;
    std::unique_ptr<TFensterAssi> fensterAssi_;
    std::unique_ptr<TFensterLernfortschritt> fensterLernfortschritt_;
    // A lesson runs that was tried from the editor.
    bool editorWartet_ = false;
    bool lernverlaufFehlerGemeldet_ = false;
};

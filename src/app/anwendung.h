#pragma once

#include "app/editions.h"
#include "ui/programstate.h"

#include <QObject>

#include <memory>
#include <vector>

class Platform;
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

// The application object: sets the edition, creates the nine windows once in
// their fixed order and holds them until the program ends. Windows reach each
// other through it.
class Anwendung : public QObject {
    Q_OBJECT
public:
    Anwendung(Platform& platform, Edition edition);
    ~Anwendung() override;

    ProgramState& state() { return state_; }
    Platform& platform() { return platform_; }

    TFensterStart& FensterStart() { return *fensterStart_; }
    TFensterTastaturschreiben& FensterTastaturschreiben() { return *fensterTastaturschreiben_; }
    TFensterSchreibtrainer& FensterSchreibtrainer() { return *fensterSchreibtrainer_; }
    TFensterTexteditor& FensterTexteditor() { return *fensterTexteditor_; }
    TFensterLektionen& FensterLektionen() { return *fensterLektionen_; }
    TFensterInformationen& FensterInformationen() { return *fensterInformationen_; }
    TFensterTextanzeige& FensterTextanzeige() { return *fensterTextanzeige_; }
    TFensterBildschirmAnpassen& FensterBildschirmAnpassen() { return *fensterBildschirmAnpassen_; }
    TFensterAssi& FensterAssi() { return *fensterAssi_; }

    // The windows in the order they were created; the first is the main window.
    const std::vector<QWidget*>& fenster() const { return fenster_; }

Q_SIGNALS:
    // The main window was closed: the program ends.
    void beendet();

private:
    template <typename T, typename... Weitere> std::unique_ptr<T> erzeuge(Weitere&... weitere);
    // The ways back and up between the windows.
    void verbinden();

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
    // A lesson runs that was tried from the editor.
    bool editorWartet_ = false;
};

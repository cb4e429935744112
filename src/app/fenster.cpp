#include "app/fenster.h"

#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "app/lessondirectory.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QDir>
#include <QGroupBox>

Fenster::Fenster(Anwendung& anwendung, const QString& name) : anwendung_(anwendung) {
    setObjectName(name);
}

ProgramState& Fenster::state() const {
    return anwendung_.state();
}

Platform& Fenster::platform() const {
    return anwendung_.platform();
}

bool Fenster::feldSpeichern(RichTextField& feld, const QString& titel, const QString& filter,
                            const QString& vorschlag, Speicherart art) {
    const QString pfad = platform().saveFileName(
        titel, filter, saveDirectory(anwendung_.FensterStart().StartDirectory, QDir::homePath()),
        vorschlag);
    if (pfad.isEmpty()) {
        return false;
    }
    QString fehler;
    const bool gespeichert =
        art == Speicherart::Rtf ? feld.saveRtf(pfad, &fehler) : feld.savePlainText(pfad, &fehler);
    if (!gespeichert) {
        platform().message(MessageKind::Error, fehler);
        return false;
    }
    feld.setModified(false);
    return true;
}

bool Fenster::ungespeichertesKlaeren(RichTextField& feld, const QString& frage,
                                     const QString& titel, const QString& filter,
                                     const QString& vorschlag, Speicherart art) {
    if (!feld.isModified() || feld.document()->isEmpty()) {
        return true;
    }
    switch (platform().message(MessageKind::Confirmation, frage, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return feldSpeichern(feld, titel, filter, vorschlag, art);
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void Fenster::zumHauptmenue() {
    hide();
    TFensterStart& start = anwendung_.FensterStart();
    start.Startmenue->show();
    start.show();
}

#include "ui/fenster.h"

#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/savedirectory.h"

#include <QDir>
#include <QGroupBox>

Fenster::Fenster(Umgebung umgebung, const QString& name)
    : state_(umgebung.state), platform_(umgebung.platform) {
    setObjectName(name);
}

bool Fenster::feldSpeichern(RichTextField& feld, const QString& titel, const QString& filter,
                            const QString& vorschlag, Speicherart art) {
    const QString pfad = platform().saveFileName(
        titel, filter, saveDirectory(state_.StartDirectory, QDir::homePath()),
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
    Q_EMIT Hauptmenue();
}

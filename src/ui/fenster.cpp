#include "ui/fenster.h"

#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/savedirectory.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>

Fenster::Fenster(Umgebung umgebung, const QString& name)
    : state_(umgebung.state), platform_(umgebung.platform) {
    setObjectName(name);
}

QString Fenster::feldSpeichern(RichTextField& feld, const QString& titel, const QString& filter,
                               const QString& vorschlag, Speicherart art) {
    QString pfad = platform().saveFileName(
        titel, filter, saveDirectory(state_.StartDirectory, QDir::homePath()), vorschlag);
    if (pfad.isEmpty()) {
        return {};
    }
    if (QFileInfo(pfad).suffix().isEmpty()) {
        pfad += art == Speicherart::Rtf ? QStringLiteral(".rtf") : QStringLiteral(".txt");
    }
    QString fehler;
    const bool gespeichert =
        art == Speicherart::Rtf ? feld.saveRtf(pfad, &fehler) : feld.savePlainText(pfad, &fehler);
    if (!gespeichert) {
        platform().message(MessageKind::Error, fehler);
        return {};
    }
    feld.setModified(false);
    return pfad;
}

void Fenster::mittigStellen() {
    const QRect flaeche = platform_.primaryScreen().windowArea();
    const QSize groesse = frameGeometry().size();
    move(flaeche.x() + std::max(0, (flaeche.width() - groesse.width()) / 2),
         flaeche.y() + std::max(0, (flaeche.height() - groesse.height()) / 2));
}

void Fenster::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (isWindow()) {
        mittigStellen();
    }
}

void Fenster::zumHauptmenue() {
    hide();
    Q_EMIT Hauptmenue();
}

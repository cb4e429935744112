#include "layout/MonitorAnpassen.h"

#include "layout/screenclass.h"
#include "ui/platform.h"

TFensterBildschirmAnpassen::TFensterBildschirmAnpassen(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterBildschirmAnpassen")) {}

void TFensterBildschirmAnpassen::BildschirmAufloesung() {
    const ScreenArea bildschirm = platform().primaryScreen();
    const ScreenClassChoice choice =
        screenClassFor(bildschirm.windowGeometry().size(), bildschirm.windowArea().size());
    if (choice.tooSmall) {
        platform().message(MessageKind::Information, kMonitorZuKlein);
    }
    setScreenClassFlags(state(), choice.screenClass);
    Bildschirm();
}

void TFensterBildschirmAnpassen::Bildschirm() {
    Q_EMIT Anordnen();
}

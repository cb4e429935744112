#include "layout/MonitorAnpassen.h"

#include "layout/screenclass.h"
#include "ui/platform.h"

TFensterBildschirmAnpassen::TFensterBildschirmAnpassen(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterBildschirmAnpassen")) {}

void TFensterBildschirmAnpassen::BildschirmAufloesung() {
    const ScreenClassChoice choice = screenClassForWidth(platform().primaryScreenWidth());
    if (choice.tooSmall) {
        platform().message(MessageKind::Information, kMonitorZuKlein);
    }
    setScreenClassFlags(state(), choice.screenClass);
    Bildschirm();
}

void TFensterBildschirmAnpassen::Bildschirm() {
    Q_EMIT Anordnen();
}

#pragma once

#include "ui/fenster.h"

// Never shown: determines the screen class and asks every window to lay
// itself out for it; the application connects the request to the windows.
class TFensterBildschirmAnpassen : public Fenster {
    Q_OBJECT
public:
    explicit TFensterBildschirmAnpassen(Umgebung umgebung);

    // The screen class from the primary screen's width, then the layout.
    void BildschirmAufloesung();
    // Every window again, for the current class and mode.
    void Bildschirm();

Q_SIGNALS:
    void Anordnen();
};

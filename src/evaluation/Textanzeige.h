#pragma once

#include "app/fenster.h"

// The result window of the drills and of the copy-typing trainer.
class TFensterTextanzeige : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTextanzeige(Anwendung& anwendung)
        : Fenster(anwendung, QStringLiteral("FensterTextanzeige")) {}
};

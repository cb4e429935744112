#pragma once

#include "app/fenster.h"

// The selection of lesson units and of one's own lesson files.
class TFensterLektionen : public Fenster {
    Q_OBJECT
public:
    explicit TFensterLektionen(Anwendung& anwendung)
        : Fenster(anwendung, QStringLiteral("FensterLektionen")) {}
};

#pragma once

#include "app/fenster.h"

// The settings assistant of the copy-typing trainer.
class TFensterAssi : public Fenster {
    Q_OBJECT
public:
    explicit TFensterAssi(Anwendung& anwendung)
        : Fenster(anwendung, QStringLiteral("FensterAssi")) {}
};

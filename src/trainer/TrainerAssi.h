#pragma once

#include "ui/fenster.h"

// The settings assistant of the copy-typing trainer.
class TFensterAssi : public Fenster {
    Q_OBJECT
public:
    explicit TFensterAssi(Umgebung umgebung) : Fenster(umgebung, QStringLiteral("FensterAssi")) {}
};

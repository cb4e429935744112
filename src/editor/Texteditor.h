#pragma once

#include "ui/fenster.h"

// The text editor for lesson scripts and texts.
class TFensterTexteditor : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTexteditor(Umgebung umgebung)
        : Fenster(umgebung, QStringLiteral("FensterTexteditor")) {}
};

#pragma once

#include "app/fenster.h"

// The text editor for lesson scripts and texts.
class TFensterTexteditor : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTexteditor(Anwendung& anwendung)
        : Fenster(anwendung, QStringLiteral("FensterTexteditor")) {}
};

#pragma once

#include "app/fenster.h"

// The copy-typing trainer, which also serves as the simple text editor.
class TFensterSchreibtrainer : public Fenster {
    Q_OBJECT
public:
    explicit TFensterSchreibtrainer(Anwendung& anwendung)
        : Fenster(anwendung, QStringLiteral("FensterSchreibtrainer")) {}
};

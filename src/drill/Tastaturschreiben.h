#pragma once

#include "app/fenster.h"

// The keyboard-writing drill window: lesson script, on-screen keyboard, exercises.
class TFensterTastaturschreiben : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTastaturschreiben(Anwendung& anwendung)
        : Fenster(anwendung, QStringLiteral("FensterTastaturschreiben")) {}
};

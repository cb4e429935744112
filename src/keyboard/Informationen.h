#pragma once

#include "app/fenster.h"

// The information window: finger paths, home row, hints and information documents.
class TFensterInformationen : public Fenster {
    Q_OBJECT
public:
    explicit TFensterInformationen(Anwendung& anwendung)
        : Fenster(anwendung, QStringLiteral("FensterInformationen")) {}
};

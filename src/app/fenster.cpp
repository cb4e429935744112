#include "app/fenster.h"

#include "app/anwendung.h"

Fenster::Fenster(Anwendung& anwendung, const QString& name) : anwendung_(anwendung) {
    setObjectName(name);
}

ProgramState& Fenster::state() const {
    return anwendung_.state();
}

Platform& Fenster::platform() const {
    return anwendung_.platform();
}

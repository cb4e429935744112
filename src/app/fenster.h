#pragma once

#include <QWidget>

class Anwendung;
class Platform;
struct ProgramState;

// Base of the nine windows: each exists once for the whole run and reaches
// the shared state, the platform and the other windows through the
// application object.
class Fenster : public QWidget {
    Q_OBJECT
public:
    Fenster(Anwendung& anwendung, const QString& name);

protected:
    Anwendung& anwendung() const { return anwendung_; }
    ProgramState& state() const;
    Platform& platform() const;

private:
    Anwendung& anwendung_;
};

#pragma once

#include <QWidget>

class Platform;
class RichTextField;
struct ProgramState;

// What every window is given when it is made.
struct Umgebung {
    ProgramState& state;
    Platform& platform;
};

// Base of the nine windows: each exists once for the whole run and is given
// the shared state and the platform. A window reaches no window above it; it
// goes back to the start window by the signal `Hauptmenue`, which the
// application connects.
class Fenster : public QWidget {
    Q_OBJECT
public:
    Fenster(Umgebung umgebung, const QString& name);

Q_SIGNALS:
    // The window has closed itself for the start window with its menu.
    void Hauptmenue();

protected:
    enum class Speicherart { Text, Rtf };

    // Asks for a file, in the start directory where one can be written, and
    // saves the field there; a name without extension gets the extension of
    // its kind. A failure is reported. The file saved to, or empty.
    QString feldSpeichern(RichTextField& feld, const QString& titel, const QString& filter,
                          const QString& vorschlag, Speicherart art);
    // Hides this window and asks for the start window with its menu.
    void zumHauptmenue();
    // In the middle of the screen's free area, or at its top left when the
    // window is larger; every window is placed so when it is shown.
    void mittigStellen();
    void showEvent(QShowEvent* event) override;
    ProgramState& state() const { return state_; }
    Platform& platform() const { return platform_; }

private:
    ProgramState& state_;
    Platform& platform_;
};

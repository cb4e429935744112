#pragma once

#include <QWidget>

class Anwendung;
class Platform;
class RichTextField;
struct ProgramState;

// Base of the nine windows: each exists once for the whole run and reaches
// the shared state, the platform and the other windows through the
// application object.
class Fenster : public QWidget {
    Q_OBJECT
public:
    Fenster(Anwendung& anwendung, const QString& name);

protected:
    enum class Speicherart { Text, Rtf };

    Anwendung& anwendung() const { return anwendung_; }
    // Asks for a file in the start directory and saves the field there; a
    // failure is reported. True when the field is saved.
    bool feldSpeichern(RichTextField& feld, const QString& titel, const QString& filter,
                       const QString& vorschlag, Speicherart art);
    // Before leaving: what the learner wrote is kept unless the learner says
    // otherwise. False when the learner stays.
    bool ungespeichertesKlaeren(RichTextField& feld, const QString& frage, const QString& titel,
                                const QString& filter, const QString& vorschlag, Speicherart art);
    // Hides this window and shows the start window with its menu.
    void zumHauptmenue();
    ProgramState& state() const;
    Platform& platform() const;

private:
    Anwendung& anwendung_;
};

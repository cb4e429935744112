#pragma once

#include "ui/fenster.h"

class QPushButton;
class RichTextField;

// The result window: what the learner typed in a drill or the trainer.
class TFensterTextanzeige : public Fenster {
    Q_OBJECT
public:
    explicit TFensterTextanzeige(Umgebung umgebung);

    // The typed text after two empty lines, read-only.
    void TextZeigen(const QString& text);
    // Shown in front, the text field ready to be read.
    void Anzeigen();
    void DruckenClick();
    void SpeichernClick();
    void BeendenClick();

    RichTextField* TextAnzeigeFeld;
    QPushButton* Drucken;
    QPushButton* Speichern;
    QPushButton* Beenden;

protected:
    // Closing the window by its frame does what its own way out does.
    void closeEvent(QCloseEvent* event) override;
};

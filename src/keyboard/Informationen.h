#pragma once

#include "ui/fenster.h"

class QPushButton;
class RichTextField;

// The information window: hints, demonstrations and the information documents
// of the start window's Info buttons.
class TFensterInformationen : public Fenster {
    Q_OBJECT
public:
    explicit TFensterInformationen(Umgebung umgebung);

    // Shows a rich-text document maximised, with the OK button only.
    bool DokumentZeigen(const QString& datei, QString* fehler);

    // What the words "ESC", "JA", "NEIN" and "OK" answer; a hint answers Abbruch.
    enum class Antwort { Abbruch = 0, Ja = 1, Nein = 2, Ok = 3 };
    // Shows a hint ("\r" breaks lines) with the buttons named in `knoepfe`
    // ("OK", "JA", "NEIN", "ESC"); the words themselves close the window and
    // give their answer.
    Antwort HinweisChange(const QString& text, int warteEinheiten, const QString& knoepfe);
    void InfoOkClick();
    void InfoJaClick();
    void InfoNeinClick();
    void InfoEscClick();

Q_SIGNALS:
    // Closed by its OK button.
    void Geschlossen();

public:
    RichTextField* Hinweis;
    QPushButton* InfoOk;
    QPushButton* InfoJa;
    QPushButton* InfoNein;
    QPushButton* InfoEsc;

private:
    void Information();

protected:
    // Closing the window by its frame does what its own way out does.
    void closeEvent(QCloseEvent* event) override;
};

#pragma once

#include "app/fenster.h"

class QPushButton;
class RichTextField;

// The information window: hints, demonstrations and the information documents
// of the start window's Info buttons.
class TFensterInformationen : public Fenster {
    Q_OBJECT
public:
    explicit TFensterInformationen(Anwendung& anwendung);

    // Shows a rich-text document maximised, with the OK button only.
    bool DokumentZeigen(const QString& datei, QString* fehler);
    void InfoOkClick();

    RichTextField* Hinweis;
    QPushButton* InfoOk;
    QPushButton* InfoJa;
    QPushButton* InfoNein;
    QPushButton* InfoEsc;
};

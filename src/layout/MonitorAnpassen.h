#pragma once

#include "app/fenster.h"

class TFensterTastaturschreiben;
namespace tastei {
struct KeyboardLayout;
}

// Never shown: determines the screen class when it is created and lays out
// the other windows for it.
class TFensterBildschirmAnpassen : public Fenster {
    Q_OBJECT
public:
    explicit TFensterBildschirmAnpassen(Anwendung& anwendung);

    void BildschirmAufloesung();
    void Bildschirm();
    void NormalTastei();
    void AuswahlFenster();
    void AuswahlLerneinheiten();

private:
    void tastaturschreibenFenster();
    void uebungszeilen(TFensterTastaturschreiben& f);
    void zeilenzaehlerUndSprung(TFensterTastaturschreiben& f, int schrift);
    void fingerwegNummern(TFensterTastaturschreiben& f, const tastei::KeyboardLayout& layout);
};

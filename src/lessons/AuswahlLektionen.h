#pragma once

#include "lessons/katalog.h"
#include "ui/fenster.h"

#include <array>

class QGroupBox;
class TFensterSchreibtrainer;
class TFensterTastaturschreiben;
class QListWidget;
class QPushButton;

// The selection of lesson units: a catalogue list of the edition, the school
// edition's menu, or a lesson file of one's own; the chosen unit is loaded
// and handed to the drill window or the trainer.
class TFensterLektionen : public Fenster {
    Q_OBJECT
public:
    TFensterLektionen(Umgebung umgebung, TFensterTastaturschreiben& drill,
                      TFensterSchreibtrainer& trainer);

    // Offered from the start window: the edition's list, or the school menu.
    void Anbieten();
    // Offered from the start window's trainer button: the copy-typing list.
    void SchreibtrainerAnbieten();
    // The ten-minute writing of the editions that have it.
    void ZeitschreibenAnbieten();
    // Offered from the start window's keypad button: the keypad list.
    void ZiffernblockAnbieten();
    void TastaturschulungClick();
    void SchreibenUndGestaltenClick();
    void TastaturschulungHandbehinderteClick();
    void NeutralSoftwareClick();
    void EigeneClick();
    // An own lesson given as its lines, run as an own file would; false when
    // there is nothing to run.
    bool EigeneLektionBeginnen(const QString& pfad, const QStringList& zeilen);
    void ZurueckClick();
    void AuswahlLeOKClick();
    void AuswahlLeEscClick();
    void Auswahl(const QString& fileName);
    // Lays the window out for the screen class.
    void Anordnen();

    QGroupBox* box(katalog::Liste liste) const;
    QListWidget* liste(katalog::Liste liste) const;
    // The list whose group box is shown, if any.
    std::optional<katalog::Liste> sichtbareListe() const;

    QString GewaehlteLerneinheit;
    QString Lerndatei;

    QGroupBox* BoxLernsoftware;
    QPushButton* Tastaturschulung;
    QPushButton* SundG_Fingerwege;
    QPushButton* Handbehinderte;
    QPushButton* Neutral;
    QPushButton* Eigene;
    QPushButton* Zurueck;
    QPushButton* AuswahlOK;
    QPushButton* AuswahlESC;

Q_SIGNALS:
    // A unit is handed over: the start window steps back.
    void ModulGestartet();
    // Back to the start window as it was left.
    void ZumStartfenster();

private:
    void einstiegAnbieten(katalog::Einstieg art);
    void listenAnordnen();
    void menueAnordnen();
    void listeZeigen(katalog::Liste liste);
    void eintragGewaehlt(katalog::Liste liste);
    void uebungBeginnen(const QString& titel, const QStringList& zeilen, int uebungszeilen);

    std::array<QGroupBox*, katalog::kAlleListen.size()> boxen_{};
    std::array<QListWidget*, katalog::kAlleListen.size()> listen_{};
    TFensterTastaturschreiben& drill_;
    TFensterSchreibtrainer& trainer_;

protected:
    // Closing the window by its frame does what its own way out does.
    void closeEvent(QCloseEvent* event) override;
};

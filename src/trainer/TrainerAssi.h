#pragma once

#include "ui/fenster.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QListWidget;
class QPushButton;
class QSpinBox;
class TFensterSchreibtrainer;

// The settings assistant of the copy-typing trainer: six steps, each a group
// of two choices, lead to the shared trainer settings and a text.
class TFensterAssi : public Fenster {
    Q_OBJECT
public:
    TFensterAssi(Umgebung umgebung, TFensterSchreibtrainer& trainer);

    // What set off a step: a choice in the visible group, "&Zurück" or "&Weiter".
    enum class Ausloeser { Wahl, Zurueck, Weiter };

    // Step 1 with the first choice of every step; the assistant in front.
    void Beginnen();
    // A click on choice `index` of step `schritt` (1 to 6); it acts at once.
    void Waehlen(int schritt, int index);
    void SchrittvonSchritte(Ausloeser ausloeser);
    // OK (`ok`) or cancel of the minutes panel.
    void MinutenEinstellen(bool ok);
    void MinutenSetzen(int minuten);
    // The right mouse button on "&Weiter": the standard settings at once.
    void AssiWeiterRechtsklick();
    void AssiAbbrechenClick();
    void AuswahlOKSchulClick();
    void AuswahlGelaeufigkeitOKClick();
    void AuswahlESCSchulClick();
    void AuswahlGelaeufigkeitEscClick();
    // The trainer's file dialog for an own text was cancelled: step 6 again.
    void EigeneDateiAbgebrochen();
    // Selects a row of the open list, as a click does.
    void ZeileWaehlen(int zeile);

    // The visible step (1 to 6), 0 when a list or no step is shown.
    int Schritt() const;
    QString WeiterText() const;
    bool ZeiteinstellungOffen() const;
    bool TextlisteOffen() const;
    bool GelaeufigkeitslisteOffen() const;
    QString ChosenTextFile() const { return chosenTextFile_; }

Q_SIGNALS:
    // A unit of the fluency training: the lesson selection runs it.
    void LerneinheitGewaehlt(const QString& datei);

private:
    int index(int schritt) const;
    void setIndex(int schritt, int index);
    void zeigeSchritt(int schritt);
    void beschriften(int schritt);
    void knoepfeZeigen(bool sichtbar);
    void textlisteOeffnen();
    void texteOeffnen(const QString& datei);
    // Takes the file of a list row: false, with the message, when there is
    // none or it is missing in the start directory.
    bool dateiGewaehlt(const QString& datei);
    bool MinutenUebernehmen();
    void anordnen();

    TFensterSchreibtrainer& trainer_;
    std::array<QGroupBox*, 6> schritte_{};
    std::array<QButtonGroup*, 6> gruppen_{};
    QPushButton* AssiAbbrechen;
    QPushButton* AssiZurueck;
    QPushButton* AssiWeiter;
    QGroupBox* Zeiteinstellung;
    QSpinBox* MinutenEingabe;
    QPushButton* OkButton;
    QPushButton* EscButton;
    QGroupBox* BoxSchreibtrainingSchul;
    QListWidget* LerneinheitenSchreibtrainerSchul;
    QGroupBox* BoxGelaeufigkeitsTraining;
    QListWidget* LerneinheitenGelaeufigkeit;
    QString chosenTextFile_;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

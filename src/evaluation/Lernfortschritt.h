#pragma once

#include "evaluation/lernverlauf.h"
#include "ui/fenster.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class Verlaufsdiagramm;

// "Lernfortschritt": the learner's history as a table and as a chart of
// speed and error rate over time, for all units or for one.
class TFensterLernfortschritt : public Fenster {
    Q_OBJECT
public:
    explicit TFensterLernfortschritt(Umgebung umgebung);

    // Reads the history file again and shows it; damaged lines are named in
    // a message and stay in the file as they are.
    void Zeigen();
    void Anordnen();
    void ZurueckClick();

    static inline const QString kAlle = QStringLiteral("Alle Einheiten und Texte");

    QComboBox* Auswahl;
    QTableWidget* Tabelle;
    Verlaufsdiagramm* Diagramm;
    QLabel* Zusammenfassung;
    QPushButton* Zurueck;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Table, chart and summary for the unit chosen in `Auswahl`.
    void auswahlZeigen();

    std::vector<lernverlauf::Ergebnis> ergebnisse_;
};

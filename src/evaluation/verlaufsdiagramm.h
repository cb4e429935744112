#pragma once

#include "evaluation/lernverlauf.h"

#include <QWidget>

#include <vector>

// The chart of the history: speed (strokes per minute, left scale, blue) and
// error rate (percent, right scale, red) of each result, oldest on the left.
// Drawn with QPainter: two lines and their scales need no chart library.
class Verlaufsdiagramm : public QWidget {
    Q_OBJECT
public:
    explicit Verlaufsdiagramm(QWidget* parent);

    void setErgebnisse(std::vector<lernverlauf::Ergebnis> ergebnisse);

    // The top of each scale: a round value above the largest result.
    static double skalenende(double groesster, double schritt);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<lernverlauf::Ergebnis> ergebnisse_;
};

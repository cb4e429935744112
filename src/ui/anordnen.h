#pragma once

class QColor;
class QWidget;

// Placing a control for the screen class: the tables of the windows give
// rectangles and font heights (written negative, as character heights).
struct Rechteck {
    int left, top, width, height;
};

struct Schriftzeile {
    int top, height, font;
};

void setzeRechteck(QWidget* widget, const Rechteck& r);
void setzeSchrift(QWidget* widget, int height);

// The control's ground in one colour, filled by the control itself.
void hintergrundFaerben(QWidget* widget, const QColor& farbe);

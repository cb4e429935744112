#include "ui/anordnen.h"

#include "ui/panel.h"

#include <QWidget>

void setzeRechteck(QWidget* widget, const Rechteck& r) {
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

void setzeSchrift(QWidget* widget, int height) {
    QFont font = widget->font();
    font.setPixelSize(pixelSizeForHeight(height));
    widget->setFont(font);
}

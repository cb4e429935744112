#include "ui/anordnen.h"

#include "ui/panel.h"

#include <QPalette>
#include <QWidget>

void setzeRechteck(QWidget* widget, const Rechteck& r) {
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

void setzeSchrift(QWidget* widget, int height) {
    QFont font = widget->font();
    font.setPixelSize(pixelSizeForHeight(height));
    widget->setFont(font);
}

void hintergrundFaerben(QWidget* widget, const QColor& farbe) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, farbe);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

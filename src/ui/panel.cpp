#include "ui/panel.h"

#include <QFont>
#include <QFontMetrics>
#include <QPalette>

int pixelSizeForHeight(int height) {
    return height < 0 ? -height : height;
}

Panel::Panel(QWidget* parent, const QString& name) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setLineWidth(2);
    color_ = palette().color(QPalette::Window);
    setBevel(Bevel::Raised);
    applyPalette();
}

void Panel::setCaption(const QString& caption) {
    setText(caption);
    setAccessibleName(caption);
}

void Panel::setColor(const QColor& color) {
    color_ = color;
    applyPalette();
}

void Panel::setFontColor(const QColor& color) {
    fontColor_ = color;
    applyPalette();
}

void Panel::setBevel(Bevel bevel) {
    bevel_ = bevel;
    switch (bevel) {
    case Bevel::Flat:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Bevel::Raised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case Bevel::Lowered:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
}

void Panel::setFont(const QString& family, int height, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSizeForHeight(height));
    font.setBold(bold);
    QLabel::setFont(font);
}

void Panel::shrinkFontToFit() {
    QFont font = this->font();
    const int room = contentsRect().width() - 2 * kFitMargin;
    while (font.pixelSize() > kSmallestFitPixels &&
           QFontMetrics(font).horizontalAdvance(text()) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    QLabel::setFont(font);
}

void Panel::setStateDescription(const QString& description) {
    setAccessibleDescription(description);
}

void Panel::applyPalette() {
    QPalette p = palette();
    p.setColor(QPalette::Window, color_);
    p.setColor(QPalette::WindowText, fontColor_);
    setPalette(p);
}

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

// The keyboard sets every key on every keystroke; a palette or caption set
// again to what it is costs more than the whole judgement of the key, so
// unchanged values are left alone.
void Panel::setCaption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    setAccessibleName(caption);
}

void Panel::setColor(const QColor& color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    applyPalette();
}

void Panel::setFontColor(const QColor& color) {
    if (color == fontColor_) {
        return;
    }
    fontColor_ = color;
    applyPalette();
}

void Panel::setBevel(Bevel bevel) {
    if (bevel == bevel_) {
        return;
    }
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
    const QFont& current = font();
    if (current.family() == family && current.pixelSize() == pixelSizeForHeight(height) &&
        current.bold() == bold) {
        return;
    }
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
    if (description == accessibleDescription()) {
        return;
    }
    setAccessibleDescription(description);
}

void Panel::applyPalette() {
    QPalette p = palette();
    p.setColor(QPalette::Window, color_);
    p.setColor(QPalette::WindowText, fontColor_);
    setPalette(p);
}

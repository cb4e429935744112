#include "ui/rtftables.h"

#include <algorithm>

void RtfTables::startFont(int index) {
    finishFont();
    fontIndex_ = index;
}

void RtfTables::addFontText(const QString& text) {
    for (QChar c : text) {
        if (c == u';') {
            finishFont();
        } else {
            fontName_.append(c);
        }
    }
}

void RtfTables::finishFont() {
    const QString name = fontName_.trimmed();
    if (!name.isEmpty()) {
        fonts_.insert(fontIndex_, name);
    }
    fontName_.clear();
}

void RtfTables::setColorComponent(const QByteArray& word, int value) {
    const int component = std::clamp(value, 0, 255);
    if (word == "red") {
        pendingColor_.setRed(component);
    } else if (word == "green") {
        pendingColor_.setGreen(component);
    } else if (word == "blue") {
        pendingColor_.setBlue(component);
    } else {
        return;
    }
    colorHasComponent_ = true;
}

void RtfTables::addColorText(const QString& text) {
    for (qsizetype i = text.count(u';'); i > 0; --i) {
        colors_.append(colorHasComponent_ ? pendingColor_ : QColor());
        pendingColor_ = QColor(0, 0, 0);
        colorHasComponent_ = false;
    }
}

QColor RtfTables::color(int index) const {
    return index >= 0 && index < colors_.size() ? colors_.at(index) : QColor();
}

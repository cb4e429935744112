#include "drill/tastenzeichen.h"

#include <Qt>

QChar beurteiltesZeichen(int key, const QString& text, bool rechtsAlsTab) {
    switch (key) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kReturn;
    case Qt::Key_Escape:
        return kEscape;
    case Qt::Key_Tab:
        return kTab;
    case Qt::Key_Right:
        return rechtsAlsTab ? kTab : QChar();
    default:
        break;
    }
    return text.size() == 1 && text.at(0).isPrint() ? text.at(0) : QChar();
}

QChar zeichenAn(const QString& zeile, int charPos) {
    return charPos >= 1 && charPos <= zeile.size() ? zeile.at(charPos - 1) : QChar();
}

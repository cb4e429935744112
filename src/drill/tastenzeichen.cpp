#include "drill/tastenzeichen.h"

#include <Qt>

QChar beurteiltesZeichen(int key, const QString& text, bool rechtsAlsTab) {
    switch (key) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    case Qt::Key_Tab:
        return QChar(9);
    case Qt::Key_Right:
        return rechtsAlsTab ? QChar(9) : QChar();
    default:
        break;
    }
    return text.size() == 1 && text.at(0).isPrint() ? text.at(0) : QChar();
}

#pragma once

#include "ui/platform.h"

#include <QString>
#include <QStringList>

// German captions and button texts of the message boxes.
QString messageCaption(MessageKind kind);
QStringList messageButtonTexts(MessageButtons buttons);
MessageAnswer messageAnswerAt(MessageButtons buttons, int index);

// Messages write line breaks as "\r"; the screen wants "\n".
QString messageDisplayText(const QString& text);

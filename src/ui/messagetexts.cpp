#include "ui/messagetexts.h"

QString messageCaption(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QStringLiteral("Information");
    case MessageKind::Warning:
        return QStringLiteral("Warnung");
    case MessageKind::Error:
        return QStringLiteral("Fehler");
    case MessageKind::Confirmation:
        return QStringLiteral("Bestätigen");
    }
    return {};
}

namespace {

std::vector<MessageAnswer> answers(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return {MessageAnswer::Ok};
    case MessageButtons::Cancel:
        return {MessageAnswer::Cancel};
    case MessageButtons::OkCancel:
        return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo:
        return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
        return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    }
    return {MessageAnswer::Ok};
}

QString answerText(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QStringLiteral("OK");
    case MessageAnswer::Cancel:
        return QStringLiteral("Abbrechen");
    case MessageAnswer::Yes:
        return QStringLiteral("&Ja");
    case MessageAnswer::No:
        return QStringLiteral("&Nein");
    }
    return {};
}

} // namespace

QStringList messageButtonTexts(MessageButtons buttons) {
    QStringList texts;
    for (MessageAnswer answer : answers(buttons)) {
        texts << answerText(answer);
    }
    return texts;
}

MessageAnswer messageAnswerAt(MessageButtons buttons, int index) {
    const auto all = answers(buttons);
    // Closing the box by its frame answers like its last button (Cancel/No/OK).
    if (index < 0 || index >= static_cast<int>(all.size())) {
        return all.back();
    }
    return all[static_cast<std::size_t>(index)];
}

QString messageDisplayText(const QString& text) {
    QString display = text;
    display.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

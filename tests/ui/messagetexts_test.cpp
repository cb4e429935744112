#include "ui/messagetexts.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageTexts, GermanCaptionsAndButtons) {
    EXPECT_EQ(messageCaption(MessageKind::Confirmation), QString::fromUtf8("Bestätigen"));
    EXPECT_EQ(messageCaption(MessageKind::Error), QStringLiteral("Fehler"));
    EXPECT_EQ(messageButtonTexts(MessageButtons::OkCancel),
              (QStringList{QStringLiteral("OK"), QStringLiteral("Abbrechen")}));
    EXPECT_EQ(
        messageButtonTexts(MessageButtons::YesNoCancel),
        (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen")}));
}

TEST(MessageTexts, ClosingTheBoxAnswersLikeItsLastButton) {
    EXPECT_EQ(messageAnswerAt(MessageButtons::YesNo, 0), MessageAnswer::Yes);
    EXPECT_EQ(messageAnswerAt(MessageButtons::YesNo, -1), MessageAnswer::No);
    EXPECT_EQ(messageAnswerAt(MessageButtons::OkCancel, 5), MessageAnswer::Cancel);
    EXPECT_EQ(messageAnswerAt(MessageButtons::Ok, -1), MessageAnswer::Ok);
}

TEST(MessageTexts, CarriageReturnsBreakTheLine) {
    EXPECT_EQ(messageDisplayText(QStringLiteral("Zeile 1\rZeile 2\r\nZeile 3")),
              QStringLiteral("Zeile 1\nZeile 2\nZeile 3"));
}

namespace {

// Presses the button with the given caption in the message box that is open.
void pressWhenShown(const QString& caption, QString* seenText) {
    QTimer::singleShot(0, [caption, seenText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *seenText = box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        box->reject();
    });
}

} // namespace

TEST(QtPlatformMessage, ShowsTheTextAndReturnsThePressedButton) {
    QtPlatform platform;
    QString seen;
    pressWhenShown(QStringLiteral("&Nein"), &seen);
    EXPECT_EQ(platform.message(MessageKind::Confirmation, QStringLiteral("Abbrechen?\rWirklich?"),
                               MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(seen, QStringLiteral("Abbrechen?\nWirklich?"));

    pressWhenShown(QStringLiteral("OK"), &seen);
    EXPECT_EQ(platform.message(MessageKind::Information, QStringLiteral("Hinweis")),
              MessageAnswer::Ok);
}

TEST(QtPlatformPause, KeepsHandlingEventsUntilTheTimeHasPassed) {
    QtPlatform platform;
    bool fired = false;
    QTimer::singleShot(5, [&fired] { fired = true; });
    const qint64 before = platform.tickMs();
    platform.pause(60);
    EXPECT_TRUE(fired);
    EXPECT_GE(platform.tickMs() - before, 60);
}

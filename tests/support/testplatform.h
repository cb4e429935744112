#pragma once

#include "ui/platform.h"
#include "ui/secondtimer.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// The platform of the tests: message boxes are recorded and answered from a
// queue, dialogs answer from queues, and time is a virtual clock that only
// moves when a pause or the test moves it.
class TestPlatform : public Platform {
public:
    struct Message {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
    };
    struct FileDialog {
        QString title;
        QString filter;
        QString directory;
    };
    struct PrintJob {
        QString title;
        QString text;
    };

    QString openFileName(const QString& title, const QString& filter,
                         const QString& directory) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& directory,
                         const QString& suggestedName) override;
    bool print(const QTextDocument& document, const QString& title) override;
    void printerSetup() override { ++printerSetups; }
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<FindRequest> askFind(const QString& initial, bool withReplace) override;
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    void clearClipboard() override { clipboard.clear(); }
    qint64 tickMs() override { return clockMs_; }
    QDateTime now() override { return startOfDay.addMSecs(clockMs_); }
    ScreenArea primaryScreen() override;
    void pause(int ms) override;
    std::unique_ptr<SecondTimer> createSecondTimer(QObject* parent) override;

    // Moves the virtual clock on; running second timers fire for every whole
    // second they pass.
    void advance(qint64 ms);

    // Scripted answers; when a queue is empty the first button is taken and
    // dialogs are cancelled.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<QString> fileAnswers;
    std::deque<FindRequest> findAnswers;
    std::deque<QFont> fontAnswers;
    bool printSucceeds = true;
    // When set, print jobs are really printed, to this PDF file.
    QString pdfPath;

    // What happened.
    std::vector<Message> messages;
    std::vector<FileDialog> fileDialogs;
    std::vector<PrintJob> printJobs;
    std::vector<int> pauses;
    int printerSetups = 0;

    // Called at the start of every pause, while the caller waits.
    std::function<void(int ms)> duringPause;

    QString clipboard;
    // The screen in its own pixels; without an available size all of it is free.
    QSize screenSize{1024, 768};
    QSize availableSize;
    qreal pixelRatio = 1;
    QDateTime startOfDay{QDate(2026, 12, 8), QTime(9, 0)};

protected:
    MessageAnswer showMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override;

private:
    class Timer;
    qint64 clockMs_ = 0;
    std::vector<Timer*> timers_;
};

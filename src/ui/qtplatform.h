#pragma once

#include "ui/platform.h"

#include <QElapsedTimer>

#include <memory>

class QPrinter;

// The platform of the running program, built on Qt's dialogs and event loop.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    QString openFileName(const QString& title, const QString& filter,
                         const QString& directory) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& directory,
                         const QString& suggestedName) override;
    bool print(const QTextDocument& document, const QString& title) override;
    void printerSetup() override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<FindRequest> askFind(const QString& initial, bool withReplace) override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void clearClipboard() override;
    qint64 tickMs() override;
    QDateTime now() override;
    ScreenArea primaryScreen() override;
    void pause(int ms) override;
    std::unique_ptr<SecondTimer> createSecondTimer(QObject* parent) override;

protected:
    MessageAnswer showMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override;

private:
    QPrinter& printer();

    QElapsedTimer clock_;
    std::unique_ptr<QPrinter> printer_; // keeps the printer set-up between jobs
};

#pragma once

#include <QDateTime>
#include <QFont>
#include <QRect>
#include <QString>
#include <QtMath>

#include <memory>
#include <optional>

class QObject;
class QTextDocument;
class SecondTimer;

// The four kinds of message box; their captions and icons follow the kind.
// The primary screen in its own pixels: the whole of it, the part not taken by
// panels, and how many of its pixels make one pixel of the windows (2 on most
// 4K screens).
struct ScreenArea {
    QRect geometry;
    QRect available;
    qreal devicePixelRatio = 1;
    // The rectangles in the pixels windows are placed and sized in.
    QRect windowGeometry() const { return inWindowPixels(geometry); }
    QRect windowArea() const { return inWindowPixels(available); }

private:
    QRect inWindowPixels(const QRect& r) const;
};

inline QRect ScreenArea::inWindowPixels(const QRect& r) const {
    const qreal v = devicePixelRatio > 0 ? devicePixelRatio : 1;
    return {QPoint(qFloor(r.x() / v), qFloor(r.y() / v)),
            QSize(qFloor(r.width() / v), qFloor(r.height() / v))};
}

enum class MessageKind { Information, Warning, Error, Confirmation };

enum class MessageButtons { Ok, Cancel, OkCancel, YesNo, YesNoCancel };

enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FindRequest {
    QString searchText;
    QString replaceText;
    bool matchCase = false;
    bool wholeWord = false;
    bool replaceAll = false;
};

// Everything that blocks, waits or asks the machine goes through here: the
// real implementation uses Qt, the test one answers from a script and keeps a
// virtual clock.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; `text` uses "\r" as line break.
    MessageAnswer message(MessageKind kind, const QString& text,
                          MessageButtons buttons = MessageButtons::Ok) {
        return showMessage(kind, text, buttons);
    }

    // `filter` is written as "Beschreibung|Muster|..."; an empty result means
    // the learner cancelled.
    virtual QString openFileName(const QString& title, const QString& filter,
                                 const QString& directory) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& directory, const QString& suggestedName) = 0;

    // Prints the document as one job named `title`; false when cancelled or failed.
    virtual bool print(const QTextDocument& document, const QString& title) = 0;
    virtual void printerSetup() = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    virtual std::optional<FindRequest> askFind(const QString& initial, bool withReplace) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual void clearClipboard() = 0;

    // Milliseconds since an arbitrary start; only differences count.
    virtual qint64 tickMs() = 0;
    virtual QDateTime now() = 0;
    virtual ScreenArea primaryScreen() = 0;

    // Waits `ms` milliseconds while window events go on being handled, so
    // clocks run and windows repaint.
    virtual void pause(int ms) = 0;

    // A timer that fires once a second while it runs.
    virtual std::unique_ptr<SecondTimer> createSecondTimer(QObject* parent) = 0;

protected:
    virtual MessageAnswer showMessage(MessageKind kind, const QString& text,
                                      MessageButtons buttons) = 0;
};

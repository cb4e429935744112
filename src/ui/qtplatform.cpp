#include "ui/qtplatform.h"

#include "ui/filefilter.h"
#include "ui/messagetexts.h"
#include "ui/printing.h"
#include "ui/secondtimer.h"
#include "ui/suchdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>

namespace {

class QtSecondTimer : public SecondTimer {
public:
    explicit QtSecondTimer(QObject* parent) : SecondTimer(parent) {
        timer_.setInterval(1000);
        QObject::connect(&timer_, &QTimer::timeout, this, &SecondTimer::timeout);
    }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

QMessageBox::Icon iconFor(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtPlatform::QtPlatform() {
    clock_.start();
}

// Made on the first print or set-up: the printer system (and its network
// libraries) need not load before the start window appears.
QPrinter& QtPlatform::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(MessageKind kind, const QString& text,
                                      MessageButtons buttons) {
    QMessageBox box(iconFor(kind), messageCaption(kind), messageDisplayText(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> added;
    for (const QString& caption : messageButtonTexts(buttons)) {
        added << box.addButton(caption, QMessageBox::ActionRole);
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    box.setEscapeButton(added.last());
    box.exec();
    return messageAnswerAt(buttons, static_cast<int>(added.indexOf(box.clickedButton())));
}

QString QtPlatform::openFileName(const QString& title, const QString& filter,
                                 const QString& directory) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, directory,
                                        qtFileFilter(filter));
}

QString QtPlatform::saveFileName(const QString& title, const QString& filter,
                                 const QString& directory, const QString& suggestedName) {
    const QString start = suggestedName.isEmpty() ? directory : directory + '/' + suggestedName;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, start,
                                        qtFileFilter(filter));
}

bool QtPlatform::print(const QTextDocument& document, const QString& title) {
    QPrintDialog dialog(&printer(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return printDocument(document, printer(), title);
}

void QtPlatform::printerSetup() {
    QPageSetupDialog dialog(&printer(), QApplication::activeWindow());
    dialog.exec();
}

std::optional<QFont> QtPlatform::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(),
                                            QStringLiteral("Schriftart"));
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<FindRequest> QtPlatform::askFind(const QString& initial, bool withReplace) {
    SuchDialog dialog(initial, withReplace, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.request();
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

qint64 QtPlatform::tickMs() {
    return clock_.elapsed();
}

QDateTime QtPlatform::now() {
    return QDateTime::currentDateTime();
}

ScreenArea QtPlatform::primaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return {};
    }
    // Qt reports in window pixels already; the seam speaks in the screen's own.
    const qreal verhaeltnis = screen->devicePixelRatio();
    const auto eigene = [verhaeltnis](const QRect& r) {
        return QRect(QPoint(qRound(r.x() * verhaeltnis), qRound(r.y() * verhaeltnis)),
                     QSize(qRound(r.width() * verhaeltnis), qRound(r.height() * verhaeltnis)));
    };
    return {eigene(screen->geometry()), eigene(screen->availableGeometry()), verhaeltnis};
}

void QtPlatform::pause(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

std::unique_ptr<SecondTimer> QtPlatform::createSecondTimer(QObject* parent) {
    return std::make_unique<QtSecondTimer>(parent);
}

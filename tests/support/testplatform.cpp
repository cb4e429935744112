#include "support/testplatform.h"

#include "ui/messagetexts.h"
#include "ui/printing.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>

namespace {

// The next scripted answer, or none when the script has run out.
template <typename T> std::optional<T> takeFront(std::deque<T>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<T> answer(std::move(queue.front()));
    queue.pop_front();
    return answer;
}

} // namespace

class TestPlatform::Timer : public SecondTimer {
public:
    Timer(TestPlatform& platform, QObject* parent) : SecondTimer(parent), platform_(platform) {
        platform_.timers_.push_back(this);
    }
    ~Timer() override { std::erase(platform_.timers_, this); }
    void start() override {
        active_ = true;
        startedAt_ = platform_.clockMs_;
        fired_ = 0;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    void catchUp(qint64 nowMs) {
        while (active_ && startedAt_ + (fired_ + 1) * 1000 <= nowMs) {
            ++fired_;
            Q_EMIT timeout();
        }
    }

private:
    TestPlatform& platform_;
    bool active_ = false;
    qint64 startedAt_ = 0;
    qint64 fired_ = 0;
};

MessageAnswer TestPlatform::showMessage(MessageKind kind, const QString& text,
                                        MessageButtons buttons) {
    messages.push_back({kind, text, buttons});
    return takeFront(messageAnswers).value_or(messageAnswerAt(buttons, 0));
}

QString TestPlatform::openFileName(const QString& title, const QString& filter,
                                   const QString& directory) {
    fileDialogs.push_back({title, filter, directory});
    return takeFront(fileAnswers).value_or(QString());
}

QString TestPlatform::saveFileName(const QString& title, const QString& filter,
                                   const QString& directory, const QString&) {
    return openFileName(title, filter, directory);
}

bool TestPlatform::print(const QTextDocument& document, const QString& title) {
    printJobs.push_back({title, document.toPlainText()});
    if (!printSucceeds) {
        return false;
    }
    if (pdfPath.isEmpty()) {
        return true;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return printDocument(document, printer, title);
}

std::optional<QFont> TestPlatform::chooseFont(const QFont&) {
    return takeFront(fontAnswers);
}

std::optional<FindRequest> TestPlatform::askFind(const QString&, bool) {
    return takeFront(findAnswers);
}

ScreenArea TestPlatform::primaryScreen() {
    const QRect ganz(QPoint(0, 0), screenSize);
    return {ganz, availableSize.isEmpty() ? ganz : QRect(QPoint(0, 0), availableSize), pixelRatio};
}

void TestPlatform::pause(int ms) {
    pauses.push_back(ms);
    if (duringPause) {
        duringPause(ms);
    }
    QCoreApplication::processEvents();
    advance(std::max(0, ms));
}

void TestPlatform::advance(qint64 ms) {
    clockMs_ += ms;
    // A timer may stop or start others while it fires; walk a copy.
    const std::vector<Timer*> running = timers_;
    for (Timer* timer : running) {
        if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end()) {
            timer->catchUp(clockMs_);
        }
    }
}

std::unique_ptr<SecondTimer> TestPlatform::createSecondTimer(QObject* parent) {
    return std::make_unique<Timer>(*this, parent);
}

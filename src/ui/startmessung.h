#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

// For measuring the start-up: with KASPARO_STARTMESSUNG set in the
// environment, the moment the window's first paint is finished is written to
// standard output as "erstes-bild <nanoseconds since 1970> <width>x<height>".
// The window or any of its controls may be painted first; the paint ends
// with the window's flush, and a zero timer fires after it.
class Startmessung : public QObject {
public:
    static void erstesBildMelden(QWidget* fenster) {
        if (qEnvironmentVariableIsSet("KASPARO_STARTMESSUNG")) {
            QCoreApplication::instance()->installEventFilter(new Startmessung(fenster));
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !gemeldet_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == fenster_) {
            gemeldet_ = true;
            QTimer::singleShot(0, fenster_, [fenster = fenster_] {
                const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
                std::printf(
                    "erstes-bild %lld %dx%d\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(jetzt).count()),
                    fenster->width(), fenster->height());
                std::fflush(stdout);
            });
        }
        return false;
    }

private:
    explicit Startmessung(QWidget* fenster) : QObject(fenster), fenster_(fenster) {}
    QWidget* fenster_;
    bool gemeldet_ = false;
};

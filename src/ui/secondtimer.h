#pragma once

#include <QObject>

// The one-second timer of the drill clock and the trainer clock. The platform
// makes it, so that tests can drive it from a virtual clock.
class SecondTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

Q_SIGNALS:
    void timeout();
};

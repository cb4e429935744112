#pragma once

#include "ui/programstate.h"

#include <QSize>
#include <QString>

#include <array>

enum class ScreenClass { C800, C1024, C1152, C1280 };

struct ScreenClassChoice {
    ScreenClass screenClass = ScreenClass::C800;
    bool tooSmall = false; // the learner is told the screen does not fit
};

inline const QString kMonitorZuKlein =
    QStringLiteral("Erforderlich ist ein Monitor von mindestens 800 x 600 Pixel.");

// The largest class whose window fits the screen's free area; both sizes in
// window pixels. Only a screen smaller than 800 x 600 brings the message, and
// the 800 class.
ScreenClassChoice screenClassFor(const QSize& bildschirm, const QSize& verfuegbar);

void setScreenClassFlags(ProgramState& state, ScreenClass screenClass);

// The flags tested in the order 800, 1024, 1152, 1280; the first set decides.
ScreenClass currentScreenClass(const ProgramState& state);

// One value per class, in the order 800, 1024, 1152, 1280.
template <typename T> T perClass(const ProgramState& state, const std::array<T, 4>& values) {
    return values[static_cast<std::size_t>(currentScreenClass(state))];
}

// The size of every window of each class, smallest first.
inline constexpr std::array<QSize, 4> kFenstergroessen{QSize(800, 600), QSize(1024, 768),
                                                       QSize(1152, 864), QSize(1280, 960)};

inline QSize fenstergroesse(const ProgramState& state) {
    return perClass(state, kFenstergroessen);
}

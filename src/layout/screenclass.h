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

// The four widths give their class; a screen wider than 1280 is laid out for
// 1280 (all windows fit), every other width for 800 after the message.
ScreenClassChoice screenClassForWidth(int width);

void setScreenClassFlags(ProgramState& state, ScreenClass screenClass);

// The flags tested in the order 800, 1024, 1152, 1280; the first set decides.
ScreenClass currentScreenClass(const ProgramState& state);

// One value per class, in the order 800, 1024, 1152, 1280.
template <typename T> T perClass(const ProgramState& state, const std::array<T, 4>& values) {
    return values[static_cast<std::size_t>(currentScreenClass(state))];
}

// The size of every window of the class.
inline QSize fenstergroesse(const ProgramState& state) {
    return perClass(
        state, std::array{QSize(800, 600), QSize(1024, 768), QSize(1152, 864), QSize(1280, 960)});
}

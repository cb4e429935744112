#pragma once

#include "keyboard/keytable.h"
#include "layout/screenclass.h"

#include <QRect>
#include <QSize>

#include <array>
#include <vector>

// Where the keys stand in the group box NormalTastatur, per screen class:
// the letter keyboard and the numeric keypad the panels are rearranged into.
namespace tastei {

// Staggered like a real keyboard with a gap between the hands, or aligned so
// that each finger's keys form one straight column.
enum class RowStarts { Staggered, Aligned };

// The blind scheme and lessons for hand-impaired learners use the aligned starts.
RowStarts rowStartsFor(bool blindtastei, bool handImpairedMode);

struct KeyboardLayout {
    QRect group; // NormalTastatur in the drill window
    std::array<QRect, kKeyCount> keys;
    QSize wegTaste;    // the finger walking a path has the size of one key
    int keyFontHeight; // negative: character height in pixels

    const QRect& operator[](KeyId key) const { return keys[indexOf(key)]; }
};

KeyboardLayout NormalTastei(ScreenClass screenClass, RowStarts starts);

struct KeyPlacement {
    KeyId key;
    QRect rect;
};

// The panels that form the numeric keypad and the ones framing it.
std::vector<KeyPlacement> keypadArrangement(ScreenClass screenClass);

// The panels the keypad has no use for are pushed to the group's left edge;
// they keep their top and size.
inline constexpr int kKeypadParkLeft = 10;
const std::vector<KeyId>& keypadParkedKeys();

} // namespace tastei

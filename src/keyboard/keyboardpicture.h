#pragma once

#include "keyboard/keygeometry.h"
#include "keyboard/keylook.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>

// Everything the on-screen keyboard shows, as data: a view copies each key's
// state onto its panel, the group caption onto NormalTastatur and the
// visibility onto the finger-number strip.
namespace tastei {

struct KeyState {
    QRect geometry;
    QColor color = farbe::Silber;
    QString caption = kNoLabel;
    QColor fontColor = farbe::Weiss;
    KeyBevel bevel = KeyBevel::Flat;
    KeyLook look = KeyLook::Hidden;
};

struct KeyboardPicture {
    std::array<KeyState, kKeyCount> keys;
    QString groupCaption;
    bool fingerNumbersVisible = false; // NummernFingerwege

    KeyState& operator[](KeyId key) { return keys[indexOf(key)]; }
    const KeyState& operator[](KeyId key) const { return keys[indexOf(key)]; }

    void apply(const KeyPaint& paint);
    // Runs the key operation and keeps what it painted.
    void paint(KeyId key, bool shifted, KeyLook look, const KeyContext& context = {});
    // Puts every key where the layout wants it; looks stay.
    void place(const KeyboardLayout& layout);
};

} // namespace tastei

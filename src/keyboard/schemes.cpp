#include "keyboard/schemes.h"

#include <QLocale>

#include <algorithm>

namespace tastei {
namespace {

using enum KeyId;

// Lessons for hand-impaired learners show the finger numbers instead of a caption.
void setCaption(KeyboardPicture& picture, const QString& caption, const SchemeState& state) {
    picture.groupCaption = state.HandImpairedMode ? QString() : caption;
    picture.fingerNumbersVisible = state.HandImpairedMode;
}

} // namespace

LookChoice teilKeyLook(KeyId key, const QString& keySet) {
    const KeyDef& def = keyDef(key);
    if (def.isSpecial()) {
        return {KeyLook::Shown, false};
    }
    const QString set = QLocale(QLocale::German).toLower(keySet);
    if (set.contains(def.character)) {
        return {KeyLook::Shown, false};
    }
    if (def.hasShiftedLabel() && set.contains(def.shiftedCharacter)) {
        return {KeyLook::Shown, true};
    }
    return {KeyLook::Blank, false};
}

KeyboardPicture VollTastatur(KeyboardPicture picture, const SchemeState& state) {
    for (const KeyDef& def : keyTable()) {
        picture.paint(def.id, false, KeyLook::Shown);
    }
    setCaption(picture, kCaptionVolltastei, state);
    return picture;
}

KeyboardPicture BlindTastatur(KeyboardPicture picture, const SchemeState& state) {
    picture[Key_1].geometry.moveTopLeft(picture[Key_2].geometry.topLeft());
    // Key_1 paints the 2 panel from now on; the 1 panel itself goes silver so
    // that nothing of its old look shows next to the 2 panel.
    picture.paint(Key_1, false, KeyLook::Hidden);
    // The resting look leaves the eleven home-row keys as blank colour fields.
    const KeyContext blind{.Blindtastei = true};
    for (const KeyDef& def : keyTable()) {
        picture.paint(def.id, true, KeyLook::BlindRest, blind);
    }
    setCaption(picture, kCaptionBlindtastei, state);
    return picture;
}

KeyboardPicture TeilTastatur(KeyboardPicture picture, const QString& keySet,
                             const SchemeState& state) {
    for (const KeyDef& def : keyTable()) {
        const LookChoice choice = teilKeyLook(def.id, keySet);
        picture.paint(def.id, choice.shifted, choice.look);
    }
    setCaption(picture, state.Bahntastei ? kCaptionBahntastei : kCaptionTeiltastei, state);
    return picture;
}

KeyboardPicture ZiffernblockTastatur(KeyboardPicture picture, const SchemeState& state) {
    const std::vector<KeyPlacement> keypad = keypadArrangement(state.screenClass);
    const auto onKeypad = [&keypad](KeyId key) {
        return std::any_of(keypad.begin(), keypad.end(),
                           [key](const KeyPlacement& placement) { return placement.key == key; });
    };
    const KeyContext numpad{.NumpadMode = true};
    for (const KeyDef& def : keyTable()) {
        picture.paint(def.id, false, onKeypad(def.id) ? KeyLook::Shown : KeyLook::Hidden, numpad);
    }
    for (KeyId key : keypadParkedKeys()) {
        picture[key].geometry.moveLeft(kKeypadParkLeft);
    }
    for (const KeyPlacement& placement : keypad) {
        KeyState& key = picture[placement.key];
        key.geometry = placement.rect;
        key.caption = keypadTwinLabel(placement.key).value_or(key.caption);
    }
    picture.groupCaption = kCaptionZiffernblock;
    picture.fingerNumbersVisible = false;
    return picture;
}

} // namespace tastei

#include "keyboard/keylook.h"

#include <algorithm>
#include <array>

namespace tastei {
namespace {

using enum KeyId;

// On the numeric keypad the keys belong to other fingers: index 1 4 7 0,
// middle 2 5 8 ÷, ring 3 6 9 * and the decimal comma, little - + Enter. Tab and
// the full stop only frame the keypad, in the window's silver.
struct KeypadColor {
    KeyId key;
    QColor color;
};
const std::array<KeypadColor, 18> kKeypadColors{{
    {Key_1, farbe::Weiss},
    {Key_2, farbe::Gelb},
    {Key_3, farbe::Lime},
    {Key_4, farbe::Weiss},
    {Key_5, farbe::Gelb},
    {Key_6, farbe::Lime},
    {Key_7, farbe::Weiss},
    {Key_8, farbe::Gelb},
    {Key_9, farbe::Lime},
    {Key_Null, farbe::Weiss},
    {Key_D, farbe::Gelb},
    {Key_S, farbe::Lime},
    {Key_Komma, farbe::Lime},
    {Key_Mitte, farbe::Blau},
    {Key_Plus, farbe::Blau},
    {Key_Return, farbe::Blau},
    {Key_Punkt, farbe::Silber},
    {Key_Tab, farbe::Silber},
}};

QColor shownColor(KeyId key, bool numpadMode) {
    if (numpadMode) {
        const auto it = std::find_if(kKeypadColors.begin(), kKeypadColors.end(),
                                     [key](const KeypadColor& entry) { return entry.key == key; });
        if (it != kKeypadColors.end()) {
            return it->color;
        }
    }
    return fingerColor(keyDef(key).finger);
}

// On the keypad the second character of these keys sits on a panel of its
// own, so the key keeps its plain label and the other panel is painted.
struct KeypadTwin {
    KeyId key;
    KeyId panel;
    QStringView label;
    QChar character;
    bool shownAlways; // restore the twin with every Shown, not only while its character is due
};
const std::array<KeypadTwin, 2> kKeypadTwins{{
    {Key_7, Key_D, u"÷", u'/', false},
    {Key_Plus, Key_S, u"*", u'*', true},
}};

const KeypadTwin* keypadTwin(KeyId key, const KeyContext& context) {
    if (!context.NumpadMode) {
        return nullptr;
    }
    const auto it = std::find_if(kKeypadTwins.begin(), kKeypadTwins.end(),
                                 [key](const KeypadTwin& twin) { return twin.key == key; });
    return it == kKeypadTwins.end() ? nullptr : &*it;
}

bool twinMeant(const KeypadTwin& twin, bool shifted, const KeyContext& context) {
    return shifted || context.ExpectedChar == twin.character;
}

PanelPaint twinPaint(const KeypadTwin& twin, KeyLook look) {
    const QColor color = look == KeyLook::Marked ? farbe::Rot : shownColor(twin.panel, true);
    return {twin.panel, KeyBevel::Raised, color, twin.label.toString(), labelColorOn(color), look};
}

// The number row and the special keys clear their label colour on every
// call; the letters and + # , . - leave it to the looks that show a label.
bool resetsLabelColor(const KeyDef& def) {
    return def.row == 0 || def.isSpecial();
}

// The blind scheme lays the 1 panel under the 2 panel and paints the 1 there.
KeyId panelFor(KeyId key, const KeyContext& context) {
    return key == Key_1 && context.Blindtastei ? Key_2 : key;
}

KeyLook resolved(KeyId key, KeyLook look) {
    if (look != KeyLook::BlindRest) {
        return look;
    }
    return isBlindHomeRowKey(key) ? KeyLook::Blank : KeyLook::Hidden;
}

} // namespace

KeyPaint paintKey(KeyId key, bool shifted, KeyLook look, const KeyContext& context) {
    const KeyDef& def = keyDef(key);
    const KeypadTwin* twin = keypadTwin(key, context);
    const QString label = twin ? def.label.toString() : def.labelFor(shifted);

    PanelPaint own{panelFor(key, context)};
    if (resetsLabelColor(def)) {
        own.fontColor = farbe::Weiss;
    }
    look = resolved(key, look);
    switch (look) {
    case KeyLook::Hidden:
        own.bevel = KeyBevel::Flat;
        own.color = farbe::Silber;
        own.caption = kNoLabel;
        own.look = look;
        return {own};
    case KeyLook::Blank:
        own.color = fingerColor(def.finger);
        own.caption = kNoLabel;
        own.look = look;
        return {own};
    case KeyLook::Shown: {
        const QColor color = shownColor(key, context.NumpadMode);
        own.color = color;
        own.caption = label;
        own.fontColor = labelColorOn(color);
        own.look = look;
        if (twin && (twin->shownAlways || twinMeant(*twin, shifted, context))) {
            return {own, twinPaint(*twin, look)};
        }
        return {own};
    }
    case KeyLook::Marked:
        if (twin && twinMeant(*twin, shifted, context)) {
            // The key itself stays as the keypad shows it.
            own.caption = label;
            own.fontColor = labelColorOn(shownColor(key, true));
            return {own, twinPaint(*twin, look)};
        }
        own.color = farbe::Rot;
        own.caption = label;
        own.fontColor = farbe::Weiss;
        own.look = look;
        return {own};
    default:
        return {own};
    }
}

std::optional<QString> keypadTwinLabel(KeyId panel) {
    const auto it = std::find_if(kKeypadTwins.begin(), kKeypadTwins.end(),
                                 [panel](const KeypadTwin& twin) { return twin.panel == panel; });
    if (it == kKeypadTwins.end()) {
        return std::nullopt;
    }
    return it->label.toString();
}

} // namespace tastei

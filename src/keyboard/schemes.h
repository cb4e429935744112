#pragma once

#include "keyboard/keyboardpicture.h"
#include "layout/screenclass.h"

#include <QString>

// The keyboard schemes a lesson selects. Each takes the picture as it stands
// and returns it with every key's look set (and, for the blind scheme and the
// keypad, panels moved); a view then shows the result.
namespace tastei {

struct SchemeState {
    bool HandImpairedMode = false;
    bool Bahntastei = false; // TeilTastatur then draws the finger-path scheme
    ScreenClass screenClass = ScreenClass::C800;
};

inline const QString kCaptionVolltastei =
    QStringLiteral("  Dynamisches Tasteischema als Volltastei  ");
inline const QString kCaptionBlindtastei =
    QStringLiteral("  Dynamisches Tasteischema als Blindtastei  ");
inline const QString kCaptionTeiltastei =
    QStringLiteral("  Dynamisches Tasteischema als Teiltastei  ");
inline const QString kCaptionBahntastei =
    QStringLiteral("  Dynamisches Tasteischema als Bahntastei  ");
inline const QString kCaptionZiffernblock =
    QStringLiteral("  Dynamisches Tasteischema als Ziffernblock-Tastei  ");

KeyboardPicture VollTastatur(KeyboardPicture picture, const SchemeState& state);
// Expects the aligned layout, in which the 1 panel can lie under the 2 panel.
KeyboardPicture BlindTastatur(KeyboardPicture picture, const SchemeState& state);
KeyboardPicture TeilTastatur(KeyboardPicture picture, const QString& keySet,
                             const SchemeState& state);
KeyboardPicture ZiffernblockTastatur(KeyboardPicture picture, const SchemeState& state);

struct LookChoice {
    KeyLook look;
    bool shifted;
};
// A key's look in the partial scheme: labelled once the lesson has introduced
// one of its characters (upper or lower case alike), otherwise a colour field.
LookChoice teilKeyLook(KeyId key, const QString& keySet);

} // namespace tastei

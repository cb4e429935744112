#pragma once

#include <QChar>
#include <QColor>
#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

// The 52 keys of the on-screen keyboard as plain data: where they stand, what
// they show, which finger strikes them. Panels and key operations share one
// id: `Taste_X` is painted by `Key_X`.
namespace tastei {

// In the order of the key table, number row first.
// clang-format off
enum class KeyId {
    Key_1, Key_2, Key_3, Key_4, Key_5, Key_6, Key_7, Key_8, Key_9, Key_Null, Key_Sz, Key_Acc,
    Key_Back,
    Key_Tab, Key_Q, Key_W, Key_E, Key_R, Key_T, Key_Z, Key_U, Key_I, Key_O, Key_P, Key_Ue,
    Key_Plus, Key_Return,
    Key_A, Key_S, Key_D, Key_F, Key_G, Key_H, Key_J, Key_K, Key_L, Key_Oe, Key_Ae, Key_Num,
    Key_ShiftLinks, Key_Y, Key_X, Key_C, Key_V, Key_B, Key_N, Key_M, Key_Komma, Key_Punkt,
    Key_Mitte, Key_ShiftRechts,
    Key_Leer,
};
// clang-format on

inline constexpr std::size_t kKeyCount = 52;

constexpr std::size_t indexOf(KeyId key) {
    return static_cast<std::size_t>(key);
}
constexpr KeyId keyAt(std::size_t index) {
    return static_cast<KeyId>(index);
}

enum class Finger {
    LeftLittle,
    LeftRing,
    LeftMiddle,
    LeftIndex,
    RightIndex,
    RightMiddle,
    RightRing,
    RightLittle,
    Thumbs,
};

struct KeyDef {
    KeyId id;
    int row; // 0 number row, 2 home row, 4 space bar; Return starts in row 1 and reaches row 2
    QStringView panel;
    QStringView operation;
    QStringView label;
    QStringView shiftedLabel; // empty for keys that carry one character
    QChar character;          // what the plain label types; null for the special keys
    QChar shiftedCharacter;
    Finger finger;

    bool hasShiftedLabel() const { return !shiftedLabel.isEmpty(); }
    bool isSpecial() const { return character.isNull(); }
    bool isLetter() const { return !isSpecial() && !hasShiftedLabel(); }
    QString labelFor(bool shifted) const {
        return (shifted && hasShiftedLabel() ? shiftedLabel : label).toString();
    }
};

const std::array<KeyDef, kKeyCount>& keyTable();
const KeyDef& keyDef(KeyId key);

namespace farbe {
inline const QColor Blau(0x00, 0x00, 0xFF);
inline const QColor Lime(0x00, 0xFF, 0x00);
inline const QColor Gelb(0xFF, 0xFF, 0x00);
inline const QColor Weiss(0xFF, 0xFF, 0xFF);
inline const QColor Silber(0xC0, 0xC0, 0xC0);
inline const QColor Rot(0xFF, 0x00, 0x00);
inline const QColor Navy(0x00, 0x00, 0x80);
} // namespace farbe

QColor fingerColor(Finger finger);
// Navy reads on the light finger colours, white on blue, silver and red.
QColor labelColorOn(const QColor& keyColor);
// The label colour of a key in the look Shown on the letter keyboard.
QColor shownLabelColor(KeyId key);

// The key a finger rests on; the thumbs have none.
std::optional<KeyId> homeKey(Finger finger);
// A S D F J K L Ö.
bool isHomeKey(KeyId key);
// The wider home row that stays as colour fields in the blind scheme: A S D F G H J K L Ö Ä.
bool isBlindHomeRowKey(KeyId key);
inline const QString kHomeRowChars = QStringLiteral("asdfjklö");

} // namespace tastei

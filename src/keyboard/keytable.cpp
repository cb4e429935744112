#include "keyboard/keytable.h"

#include <algorithm>

namespace tastei {
namespace {

using enum KeyId;
using enum Finger;

// The arrows stand in for the Symbol-font glyphs of the special keys.
const std::array<KeyDef, kKeyCount> kKeys{{
    {Key_1, 0, u"Taste_1", u"Key_1", u"1", u"!", u'1', u'!', LeftLittle},
    {Key_2, 0, u"Taste_2", u"Key_2", u"2", u"\"", u'2', u'"', LeftLittle},
    {Key_3, 0, u"Taste_3", u"Key_3", u"3", u"§", u'3', u'§', LeftRing},
    {Key_4, 0, u"Taste_4", u"Key_4", u"4", u"$", u'4', u'$', LeftMiddle},
    {Key_5, 0, u"Taste_5", u"Key_5", u"5", u"%", u'5', u'%', LeftIndex},
    {Key_6, 0, u"Taste_6", u"Key_6", u"6", u"&", u'6', u'&', LeftIndex},
    {Key_7, 0, u"Taste_7", u"Key_7", u"7", u"/", u'7', u'/', RightIndex},
    {Key_8, 0, u"Taste_8", u"Key_8", u"8", u"(", u'8', u'(', RightIndex},
    {Key_9, 0, u"Taste_9", u"Key_9", u"9", u")", u'9', u')', RightMiddle},
    {Key_Null, 0, u"Taste_Null", u"Key_Null", u"0", u"=", u'0', u'=', RightRing},
    {Key_Sz, 0, u"Taste_Sz", u"Key_Sz", u"ß", u"?", u'ß', u'?', RightLittle},
    {Key_Acc, 0, u"Taste_Acc", u"Key_Acc", u"´", u"`", u'´', u'`', RightLittle},
    {Key_Back, 0, u"Taste_Back", u"Key_Back", u"←", u"", {}, {}, RightLittle},
    {Key_Tab, 1, u"Taste_Tab", u"Key_Tab", u"→", u"", {}, {}, LeftLittle},
    {Key_Q, 1, u"Taste_Q", u"Key_Q", u"Q", u"", u'q', {}, LeftLittle},
    {Key_W, 1, u"Taste_W", u"Key_W", u"W", u"", u'w', {}, LeftRing},
    {Key_E, 1, u"Taste_E", u"Key_E", u"E", u"", u'e', {}, LeftMiddle},
    {Key_R, 1, u"Taste_R", u"Key_R", u"R", u"", u'r', {}, LeftIndex},
    {Key_T, 1, u"Taste_T", u"Key_T", u"T", u"", u't', {}, LeftIndex},
    {Key_Z, 1, u"Taste_Z", u"Key_Z", u"Z", u"", u'z', {}, RightIndex},
    {Key_U, 1, u"Taste_U", u"Key_U", u"U", u"", u'u', {}, RightIndex},
    {Key_I, 1, u"Taste_I", u"Key_I", u"I", u"", u'i', {}, RightMiddle},
    {Key_O, 1, u"Taste_O", u"Key_O", u"O", u"", u'o', {}, RightRing},
    {Key_P, 1, u"Taste_P", u"Key_P", u"P", u"", u'p', {}, RightLittle},
    {Key_Ue, 1, u"Taste_UE", u"Key_Ue", u"Ü", u"", u'ü', {}, RightLittle},
    {Key_Plus, 1, u"Taste_Plus", u"Key_Plus", u"+", u"*", u'+', u'*', RightLittle},
    {Key_Return, 1, u"Taste_Return", u"Key_Return", u"↵", u"", {}, {}, RightLittle},
    {Key_A, 2, u"Taste_A", u"Key_A", u"A", u"", u'a', {}, LeftLittle},
    {Key_S, 2, u"Taste_S", u"Key_S", u"S", u"", u's', {}, LeftRing},
    {Key_D, 2, u"Taste_D", u"Key_D", u"D", u"", u'd', {}, LeftMiddle},
    {Key_F, 2, u"Taste_F", u"Key_F", u"F", u"", u'f', {}, LeftIndex},
    {Key_G, 2, u"Taste_G", u"Key_G", u"G", u"", u'g', {}, LeftIndex},
    {Key_H, 2, u"Taste_H", u"Key_H", u"H", u"", u'h', {}, RightIndex},
    {Key_J, 2, u"Taste_J", u"Key_J", u"J", u"", u'j', {}, RightIndex},
    {Key_K, 2, u"Taste_K", u"Key_K", u"K", u"", u'k', {}, RightMiddle},
    {Key_L, 2, u"Taste_L", u"Key_L", u"L", u"", u'l', {}, RightRing},
    {Key_Oe, 2, u"Taste_Oe", u"Key_Oe", u"Ö", u"", u'ö', {}, RightLittle},
    {Key_Ae, 2, u"Taste_Ae", u"Key_Ae", u"Ä", u"", u'ä', {}, RightLittle},
    {Key_Num, 2, u"Taste_Num", u"Key_Num", u"#", u"'", u'#', u'\'', RightLittle},
    {Key_ShiftLinks, 3, u"Taste_ShiftLinks", u"Key_ShiftLinks", u"↑", u"", {}, {}, LeftLittle},
    {Key_Y, 3, u"Taste_Y", u"Key_Y", u"Y", u"", u'y', {}, LeftLittle},
    {Key_X, 3, u"Taste_X", u"Key_X", u"X", u"", u'x', {}, LeftRing},
    {Key_C, 3, u"Taste_C", u"Key_C", u"C", u"", u'c', {}, LeftMiddle},
    {Key_V, 3, u"Taste_V", u"Key_V", u"V", u"", u'v', {}, LeftIndex},
    {Key_B, 3, u"Taste_B", u"Key_B", u"B", u"", u'b', {}, LeftIndex},
    {Key_N, 3, u"Taste_N", u"Key_N", u"N", u"", u'n', {}, RightIndex},
    {Key_M, 3, u"Taste_M", u"Key_M", u"M", u"", u'm', {}, RightIndex},
    {Key_Komma, 3, u"Taste_Komma", u"Key_Komma", u",", u";", u',', u';', RightMiddle},
    {Key_Punkt, 3, u"Taste_Punkt", u"Key_Punkt", u".", u":", u'.', u':', RightRing},
    // Labelled with an en dash, typed as the hyphen.
    {Key_Mitte, 3, u"Taste_Mitte", u"Key_Mitte", u"–", u"_", u'-', u'_', RightLittle},
    {Key_ShiftRechts, 3, u"Taste_ShiftRechts", u"Key_ShiftRechts", u"↑", u"", {}, {}, RightLittle},
    {Key_Leer, 4, u"Taste_Leer", u"Key_Leer", u"Leer", u"", {}, {}, Thumbs},
}};

// In the order of Finger, so that a finger finds its home key by position.
constexpr std::array kHomeKeys{Key_A, Key_S, Key_D, Key_F, Key_J, Key_K, Key_L, Key_Oe};
constexpr std::array kBlindHomeRow{Key_A, Key_S, Key_D, Key_F,  Key_G, Key_H,
                                   Key_J, Key_K, Key_L, Key_Oe, Key_Ae};

template <std::size_t N> bool contains(const std::array<KeyId, N>& keys, KeyId key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

const std::array<KeyDef, kKeyCount>& keyTable() {
    return kKeys;
}

const KeyDef& keyDef(KeyId key) {
    return kKeys[indexOf(key)];
}

QColor fingerColor(Finger finger) {
    switch (finger) {
    case LeftLittle:
    case RightLittle:
        return farbe::Blau;
    case LeftRing:
    case RightRing:
        return farbe::Lime;
    case LeftMiddle:
    case RightMiddle:
        return farbe::Gelb;
    case LeftIndex:
    case RightIndex:
        return farbe::Weiss;
    case Thumbs:
        break;
    }
    return farbe::Silber;
}

QColor labelColorOn(const QColor& keyColor) {
    const bool light =
        keyColor == farbe::Lime || keyColor == farbe::Gelb || keyColor == farbe::Weiss;
    return light ? farbe::Navy : farbe::Weiss;
}

QColor shownLabelColor(KeyId key) {
    return labelColorOn(fingerColor(keyDef(key).finger));
}

std::optional<KeyId> homeKey(Finger finger) {
    if (finger == Thumbs) {
        return std::nullopt;
    }
    return kHomeKeys[static_cast<std::size_t>(finger)];
}

bool isHomeKey(KeyId key) {
    return contains(kHomeKeys, key);
}

bool isBlindHomeRowKey(KeyId key) {
    return contains(kBlindHomeRow, key);
}

} // namespace tastei

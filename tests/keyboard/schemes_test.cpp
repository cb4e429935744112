#include "keyboard/schemes.h"

#include <gtest/gtest.h>

using namespace tastei;
using enum KeyId;

namespace {

KeyboardPicture placed(RowStarts starts, ScreenClass screenClass = ScreenClass::C800) {
    KeyboardPicture picture;
    picture.place(NormalTastei(screenClass, starts));
    return picture;
}

KeyboardPicture teil(const QString& keySet, bool bahntastei = false) {
    return TeilTastatur(placed(RowStarts::Staggered), keySet, {.Bahntastei = bahntastei});
}

bool sameLooks(const KeyboardPicture& a, const KeyboardPicture& b) {
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        if (a.keys[i].look != b.keys[i].look || a.keys[i].caption != b.keys[i].caption ||
            a.keys[i].color != b.keys[i].color) {
            return false;
        }
    }
    return true;
}

QString shownCaptions(const KeyboardPicture& picture) {
    QString captions;
    for (const KeyDef& def : keyTable()) {
        if (picture[def.id].look == KeyLook::Shown && !def.isSpecial()) {
            captions += picture[def.id].caption;
        }
    }
    return captions;
}

} // namespace

TEST(Volltastei, ShowsEveryKeyPlainInItsFingerColour) {
    const KeyboardPicture picture = VollTastatur(placed(RowStarts::Staggered), {});
    for (const KeyDef& def : keyTable()) {
        EXPECT_EQ(picture[def.id].look, KeyLook::Shown);
        EXPECT_EQ(picture[def.id].caption, def.label.toString());
        EXPECT_EQ(picture[def.id].color, fingerColor(def.finger));
    }
    EXPECT_EQ(picture.groupCaption, kCaptionVolltastei);
    EXPECT_FALSE(picture.fingerNumbersVisible);
}

TEST(Blindtastei, ElevenBlankHomeKeysAndTheOneUnderTheTwo) {
    const KeyboardPicture full = VollTastatur(placed(RowStarts::Aligned), {});
    KeyboardPicture picture = BlindTastatur(full, {});
    int blank = 0;
    for (const KeyDef& def : keyTable()) {
        const KeyState& key = picture[def.id];
        EXPECT_EQ(key.caption, kNoLabel);
        if (key.look == KeyLook::Blank) {
            ++blank;
            EXPECT_TRUE(isBlindHomeRowKey(def.id));
            EXPECT_EQ(key.color, fingerColor(def.finger));
        } else {
            EXPECT_EQ(key.look, KeyLook::Hidden);
            EXPECT_EQ(key.bevel, KeyBevel::Flat);
        }
    }
    EXPECT_EQ(blank, 11);
    EXPECT_EQ(picture[Key_1].geometry, full[Key_2].geometry);
    EXPECT_EQ(picture[Key_2].geometry, full[Key_2].geometry);
    EXPECT_EQ(picture.groupCaption, kCaptionBlindtastei);

    // Revealing the 1 key shows it on the 2 panel.
    picture.paint(Key_1, false, KeyLook::Shown, {.Blindtastei = true});
    EXPECT_EQ(picture[Key_2].caption, "1");
    EXPECT_EQ(picture[Key_2].color, farbe::Blau);
    EXPECT_EQ(picture[Key_1].look, KeyLook::Hidden);
}

TEST(Teiltastei, LabelsOnlyTheKeysOfTheSet) {
    const KeyboardPicture picture = teil(QStringLiteral("asdfjklöe"));
    EXPECT_EQ(shownCaptions(picture), QStringLiteral("EASDFJKLÖ"));
    for (KeyId special :
         {Key_Tab, Key_Back, Key_Return, Key_ShiftLinks, Key_ShiftRechts, Key_Leer}) {
        EXPECT_EQ(picture[special].look, KeyLook::Shown);
    }
    EXPECT_EQ(picture[Key_R].look, KeyLook::Blank);
    EXPECT_EQ(picture[Key_R].color, farbe::Weiss);
    EXPECT_EQ(picture.groupCaption, kCaptionTeiltastei);
}

TEST(Teiltastei, TwoCharacterKeysPreferThePlainCharacter) {
    EXPECT_EQ(teil(QStringLiteral("!"))[Key_1].caption, "!");
    EXPECT_EQ(teil(QStringLiteral("!1"))[Key_1].caption, "1");
    EXPECT_EQ(teil(QStringLiteral("1!"))[Key_1].caption, "1");
    EXPECT_EQ(teil(QStringLiteral("?"))[Key_Sz].caption, "?");
    EXPECT_EQ(teil(QStringLiteral("-"))[Key_Mitte].caption, "–");
    EXPECT_EQ(teil(QStringLiteral("_"))[Key_Mitte].caption, "_");
    EXPECT_EQ(teil(QStringLiteral("a"))[Key_1].look, KeyLook::Blank);
}

TEST(Teiltastei, CapitalsCountAsTheirLowerCaseLetters) {
    EXPECT_TRUE(sameLooks(teil(QStringLiteral("ASDF")), teil(QStringLiteral("asdf"))));
    const KeyboardPicture umlauts = teil(QStringLiteral("ÄÖÜ"));
    for (KeyId key : {Key_Ae, Key_Oe, Key_Ue}) {
        EXPECT_EQ(umlauts[key].look, KeyLook::Shown);
    }
}

TEST(Bahntastei, ColourBandsWithTheSpecialKeysLabelled) {
    const KeyboardPicture bahn = teil(QString(), true);
    for (const KeyDef& def : keyTable()) {
        EXPECT_EQ(bahn[def.id].look, def.isSpecial() ? KeyLook::Shown : KeyLook::Blank);
    }
    EXPECT_EQ(bahn.groupCaption, kCaptionBahntastei);
    // An empty set looks the same but keeps the partial scheme's caption.
    const KeyboardPicture empty = teil(QString());
    EXPECT_TRUE(sameLooks(bahn, empty));
    EXPECT_EQ(empty.groupCaption, kCaptionTeiltastei);
}

TEST(Schemes, HandImpairedLessonsShowFingerNumbersInsteadOfCaptions) {
    const SchemeState hand{.HandImpairedMode = true};
    const KeyboardPicture start = placed(RowStarts::Aligned);
    const KeyboardPicture pictures[] = {
        VollTastatur(start, hand), BlindTastatur(start, hand),
        TeilTastatur(start, QStringLiteral("asdf"), hand),
        TeilTastatur(start, QString(), {.HandImpairedMode = true, .Bahntastei = true})};
    for (const KeyboardPicture& picture : pictures) {
        EXPECT_TRUE(picture.groupCaption.isEmpty());
        EXPECT_TRUE(picture.fingerNumbersVisible);
    }
    const KeyboardPicture keypad = ZiffernblockTastatur(start, hand);
    EXPECT_EQ(keypad.groupCaption, kCaptionZiffernblock);
    EXPECT_FALSE(keypad.fingerNumbersVisible);
}

TEST(Ziffernblock, RearrangesThePanelsIntoAKeypadForEveryClass) {
    struct Keypad {
        ScreenClass screenClass;
        int h, w, g, t, x;
    };
    const Keypad keypads[] = {{ScreenClass::C800, 50, 48, 8, 24, 378},
                              {ScreenClass::C1024, 65, 60, 10, 30, 478},
                              {ScreenClass::C1152, 72, 66, 11, 30, 530},
                              {ScreenClass::C1280, 80, 72, 12, 33, 580}};
    for (const Keypad& k : keypads) {
        SCOPED_TRACE(int(k.screenClass));
        const KeyboardPicture before = placed(RowStarts::Staggered, k.screenClass);
        const KeyboardPicture picture =
            ZiffernblockTastatur(before, {.screenClass = k.screenClass});
        const int c2 = k.x + k.w + k.g;
        const int c4 = k.x + 3 * (k.w + k.g) + k.g;
        const auto row = [&k](int r) { return k.t + r * (k.h + k.g); };
        EXPECT_EQ(picture[Key_D].geometry, QRect(c2, row(0), k.w, k.h));
        EXPECT_EQ(picture[Key_Mitte].geometry, QRect(c4, row(0), k.w, k.h));
        EXPECT_EQ(picture[Key_7].geometry, QRect(k.x, row(1), k.w, k.h));
        EXPECT_EQ(picture[Key_Plus].geometry, QRect(c4, row(1), k.w, 2 * k.h + k.g));
        EXPECT_EQ(picture[Key_3].geometry.topLeft(), QPoint(k.x + 2 * (k.w + k.g), row(3)));
        EXPECT_EQ(picture[Key_Return].geometry, QRect(c4, row(3), k.w, 2 * k.h + k.g));
        EXPECT_EQ(picture[Key_Null].geometry, QRect(k.x, row(4), 2 * k.w + k.g, k.h));
        EXPECT_EQ(picture[Key_Tab].geometry, QRect(k.w, row(1), 2 * k.w, k.h));
        EXPECT_EQ(picture[Key_Leer].geometry, QRect(k.w, row(4), 4 * k.w, k.h));
        EXPECT_EQ(picture[Key_Punkt].geometry, QRect(6 * k.w, row(4), k.w, k.h));
        for (KeyId parked : keypadParkedKeys()) {
            EXPECT_EQ(picture[parked].geometry,
                      before[parked].geometry.translated(10 - before[parked].geometry.left(), 0));
        }
        EXPECT_EQ(picture[Key_Q].geometry, before[Key_Q].geometry);
    }
}

TEST(Ziffernblock, ShowsTheKeypadInKeypadFingerColours) {
    const KeyboardPicture picture =
        ZiffernblockTastatur(VollTastatur(placed(RowStarts::Staggered), {}), {});
    int shown = 0;
    for (const KeyDef& def : keyTable()) {
        shown += picture[def.id].look == KeyLook::Shown;
    }
    EXPECT_EQ(shown, 19);
    EXPECT_EQ(picture[Key_D].caption, "÷");
    EXPECT_EQ(picture[Key_D].color, farbe::Gelb);
    EXPECT_EQ(picture[Key_S].caption, "*");
    EXPECT_EQ(picture[Key_S].color, farbe::Lime);
    EXPECT_EQ(picture[Key_1].color, farbe::Weiss);
    EXPECT_EQ(picture[Key_2].color, farbe::Gelb);
    EXPECT_EQ(picture[Key_Komma].color, farbe::Lime);
    EXPECT_EQ(picture[Key_Punkt].color, farbe::Silber);
    EXPECT_EQ(picture[Key_Punkt].fontColor, farbe::Weiss);
    for (KeyId hidden : {Key_A, Key_Sz, Key_Back, Key_Num, Key_ShiftLinks, Key_Ue}) {
        EXPECT_EQ(picture[hidden].look, KeyLook::Hidden);
    }
    EXPECT_EQ(picture.groupCaption, kCaptionZiffernblock);
}

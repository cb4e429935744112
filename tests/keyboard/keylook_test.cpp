#include "keyboard/keyboardpicture.h"
#include "keyboard/keylook.h"

#include <gtest/gtest.h>

using namespace tastei;

namespace {

// The picture a single key operation leaves, starting from an all-hidden keyboard.
KeyboardPicture painted(KeyId key, bool shifted, KeyLook look, const KeyContext& context = {}) {
    KeyboardPicture picture;
    picture.paint(key, shifted, look, context);
    return picture;
}

std::string name(KeyId key) {
    return keyDef(key).operation.toString().toStdString();
}

const KeyContext kNumpad{.NumpadMode = true};

} // namespace

TEST(KeyLook, EveryKeyFollowsTheCommonRuleForTheFourLooks) {
    for (const KeyDef& def : keyTable()) {
        const QColor finger = fingerColor(def.finger);

        const KeyState hidden = painted(def.id, false, KeyLook::Hidden)[def.id];
        EXPECT_EQ(hidden.color, farbe::Silber) << name(def.id);
        EXPECT_EQ(hidden.caption, kNoLabel) << name(def.id);
        EXPECT_EQ(hidden.bevel, KeyBevel::Flat) << name(def.id);

        const KeyState blank = painted(def.id, false, KeyLook::Blank)[def.id];
        EXPECT_EQ(blank.color, finger) << name(def.id);
        EXPECT_EQ(blank.caption, kNoLabel) << name(def.id);
        EXPECT_EQ(blank.bevel, KeyBevel::Raised) << name(def.id);

        const KeyState shown = painted(def.id, false, KeyLook::Shown)[def.id];
        EXPECT_EQ(shown.color, finger) << name(def.id);
        EXPECT_EQ(shown.caption, def.label.toString()) << name(def.id);
        EXPECT_EQ(shown.fontColor, shownLabelColor(def.id)) << name(def.id);
        EXPECT_EQ(shown.look, KeyLook::Shown) << name(def.id);

        const KeyState marked = painted(def.id, true, KeyLook::Marked)[def.id];
        EXPECT_EQ(marked.color, farbe::Rot) << name(def.id);
        EXPECT_EQ(marked.caption, def.labelFor(true)) << name(def.id);
        EXPECT_EQ(marked.fontColor, farbe::Weiss) << name(def.id);
        EXPECT_EQ(marked.bevel, KeyBevel::Raised) << name(def.id);
    }
}

TEST(KeyLook, ShiftedLabelsOnlyWhereAKeyHasOne) {
    EXPECT_EQ(painted(KeyId::Key_4, true, KeyLook::Shown)[KeyId::Key_4].caption, "$");
    EXPECT_EQ(painted(KeyId::Key_4, false, KeyLook::Marked)[KeyId::Key_4].caption, "4");
    EXPECT_EQ(painted(KeyId::Key_Q, true, KeyLook::Shown)[KeyId::Key_Q].caption, "Q");
    EXPECT_EQ(painted(KeyId::Key_Mitte, true, KeyLook::Marked)[KeyId::Key_Mitte].caption, "_");
    EXPECT_EQ(painted(KeyId::Key_4, true, KeyLook::Blank)[KeyId::Key_4].caption, kNoLabel);
}

TEST(KeyLook, BlindRestKeepsOnlyTheHomeRowAsColourFields) {
    const KeyState a = painted(KeyId::Key_A, false, KeyLook::BlindRest)[KeyId::Key_A];
    EXPECT_EQ(a.color, farbe::Blau);
    EXPECT_EQ(a.caption, kNoLabel);
    EXPECT_EQ(a.bevel, KeyBevel::Raised);
    EXPECT_EQ(a.look, KeyLook::Blank);

    const KeyState q = painted(KeyId::Key_Q, false, KeyLook::BlindRest)[KeyId::Key_Q];
    EXPECT_EQ(q.color, farbe::Silber);
    EXPECT_EQ(q.bevel, KeyBevel::Flat);
    EXPECT_EQ(q.look, KeyLook::Hidden);

    EXPECT_EQ(painted(KeyId::Key_Ae, false, KeyLook::BlindRest)[KeyId::Key_Ae].look,
              KeyLook::Blank);
    EXPECT_EQ(painted(KeyId::Key_Num, false, KeyLook::BlindRest)[KeyId::Key_Num].look,
              KeyLook::Hidden);
}

TEST(KeyLook, LooksPastFourChangeOnlyBevelAndResetLabelColour) {
    for (int value : {5, 9}) {
        const auto look = static_cast<KeyLook>(value);
        for (KeyId key : {KeyId::Key_4, KeyId::Key_Sz, KeyId::Key_Tab, KeyId::Key_Leer}) {
            const KeyPaint paint = paintKey(key, false, look);
            ASSERT_EQ(paint.size(), 1u) << name(key);
            EXPECT_EQ(paint[0].bevel, KeyBevel::Raised);
            EXPECT_EQ(paint[0].fontColor, farbe::Weiss) << name(key);
            EXPECT_FALSE(paint[0].color || paint[0].caption || paint[0].look) << name(key);
        }
        for (KeyId key : {KeyId::Key_A, KeyId::Key_Plus, KeyId::Key_Punkt}) {
            const KeyPaint paint = paintKey(key, false, look);
            ASSERT_EQ(paint.size(), 1u) << name(key);
            EXPECT_EQ(paint[0].bevel, KeyBevel::Raised);
            EXPECT_FALSE(paint[0].color || paint[0].caption || paint[0].fontColor || paint[0].look)
                << name(key);
        }
    }
    // A shown key keeps its picture and only rises.
    KeyboardPicture picture = painted(KeyId::Key_E, false, KeyLook::Shown);
    const KeyState before = picture[KeyId::Key_E];
    picture.paint(KeyId::Key_E, false, static_cast<KeyLook>(5));
    EXPECT_EQ(picture[KeyId::Key_E].color, before.color);
    EXPECT_EQ(picture[KeyId::Key_E].caption, before.caption);
    EXPECT_EQ(picture[KeyId::Key_E].fontColor, before.fontColor);
}

TEST(KeyLook, LettersLeaveTheLabelColourWhereNoLabelShows) {
    EXPECT_FALSE(paintKey(KeyId::Key_S, false, KeyLook::Hidden)[0].fontColor);
    EXPECT_FALSE(paintKey(KeyId::Key_S, false, KeyLook::Blank)[0].fontColor);
    EXPECT_EQ(paintKey(KeyId::Key_3, false, KeyLook::Blank)[0].fontColor, farbe::Weiss);
}

TEST(KeyLook, TheOneKeyPaintsTheTwoPanelInTheBlindScheme) {
    const KeyContext blind{.Blindtastei = true};
    const KeyboardPicture picture = painted(KeyId::Key_1, true, KeyLook::Shown, blind);
    EXPECT_EQ(picture[KeyId::Key_2].color, farbe::Blau);
    EXPECT_EQ(picture[KeyId::Key_2].caption, "!");
    EXPECT_EQ(picture[KeyId::Key_2].fontColor, farbe::Weiss);
    EXPECT_EQ(picture[KeyId::Key_1].look, KeyLook::Hidden); // untouched
    EXPECT_EQ(painted(KeyId::Key_1, false, KeyLook::Marked, blind)[KeyId::Key_2].caption, "1");
}

TEST(KeyLook, TheNumericKeypadUsesItsOwnFingerColours) {
    const std::pair<KeyId, QColor> keypad[] = {
        {KeyId::Key_1, farbe::Weiss},    {KeyId::Key_2, farbe::Gelb},
        {KeyId::Key_3, farbe::Lime},     {KeyId::Key_4, farbe::Weiss},
        {KeyId::Key_5, farbe::Gelb},     {KeyId::Key_6, farbe::Lime},
        {KeyId::Key_8, farbe::Gelb},     {KeyId::Key_9, farbe::Lime},
        {KeyId::Key_Null, farbe::Weiss}, {KeyId::Key_Komma, farbe::Lime},
        {KeyId::Key_Mitte, farbe::Blau},
    };
    for (const auto& [key, color] : keypad) {
        const KeyState shown = painted(key, false, KeyLook::Shown, kNumpad)[key];
        EXPECT_EQ(shown.color, color) << name(key);
        EXPECT_EQ(shown.fontColor, labelColorOn(color)) << name(key);
        // Marked stays red on the keypad.
        EXPECT_EQ(painted(key, false, KeyLook::Marked, kNumpad)[key].color, farbe::Rot);
    }
    for (KeyId frame : {KeyId::Key_Punkt, KeyId::Key_Tab}) {
        const KeyState shown = painted(frame, false, KeyLook::Shown, kNumpad)[frame];
        EXPECT_EQ(shown.color, farbe::Silber) << name(frame);
        EXPECT_EQ(shown.fontColor, farbe::Weiss) << name(frame);
        EXPECT_EQ(shown.caption, keyDef(frame).label.toString());
    }
    EXPECT_EQ(painted(KeyId::Key_4, false, KeyLook::Shown)[KeyId::Key_4].color, farbe::Gelb);
}

TEST(KeyLook, SevenAndTheDivideKeyOnTheKeypad) {
    const KeyContext slash{.NumpadMode = true, .ExpectedChar = u'/'};
    KeyboardPicture picture = painted(KeyId::Key_7, false, KeyLook::Shown, kNumpad);
    picture.paint(KeyId::Key_7, true, KeyLook::Marked, slash);
    EXPECT_EQ(picture[KeyId::Key_D].color, farbe::Rot);
    EXPECT_EQ(picture[KeyId::Key_D].caption, "÷");
    EXPECT_EQ(picture[KeyId::Key_D].fontColor, farbe::Weiss);
    EXPECT_EQ(picture[KeyId::Key_7].color, farbe::Weiss);
    EXPECT_EQ(picture[KeyId::Key_7].caption, "7");
    EXPECT_EQ(picture[KeyId::Key_7].fontColor, farbe::Navy);

    // Typed: the divide key returns to yellow, the 7 key still reads 7.
    picture.paint(KeyId::Key_7, true, KeyLook::Shown, slash);
    EXPECT_EQ(picture[KeyId::Key_D].color, farbe::Gelb);
    EXPECT_EQ(picture[KeyId::Key_D].fontColor, farbe::Navy);
    EXPECT_EQ(picture[KeyId::Key_7].caption, "7");

    const KeyContext seven{.NumpadMode = true, .ExpectedChar = u'7'};
    const KeyPaint marked = paintKey(KeyId::Key_7, false, KeyLook::Marked, seven);
    ASSERT_EQ(marked.size(), 1u);
    EXPECT_EQ(marked[0].color, farbe::Rot);
    EXPECT_EQ(marked[0].caption, "7");
    EXPECT_EQ(paintKey(KeyId::Key_7, false, KeyLook::Shown, seven).size(), 1u);
}

TEST(KeyLook, PlusAndTheAsteriskKeyOnTheKeypad) {
    const KeyboardPicture shown = painted(KeyId::Key_Plus, true, KeyLook::Shown, kNumpad);
    EXPECT_EQ(shown[KeyId::Key_Plus].caption, "+");
    EXPECT_EQ(shown[KeyId::Key_Plus].color, farbe::Blau);
    EXPECT_EQ(shown[KeyId::Key_S].caption, "*");
    EXPECT_EQ(shown[KeyId::Key_S].color, farbe::Lime);
    EXPECT_EQ(shown[KeyId::Key_S].fontColor, farbe::Navy);

    // Only the asterisk key is marked, not the plus key as well.
    const KeyContext star{.NumpadMode = true, .ExpectedChar = u'*'};
    KeyboardPicture marked = shown;
    marked.paint(KeyId::Key_Plus, true, KeyLook::Marked, star);
    EXPECT_EQ(marked[KeyId::Key_S].color, farbe::Rot);
    EXPECT_EQ(marked[KeyId::Key_S].caption, "*");
    EXPECT_EQ(marked[KeyId::Key_Plus].color, farbe::Blau);
    EXPECT_EQ(marked[KeyId::Key_Plus].caption, "+");

    marked.paint(KeyId::Key_Plus, false, KeyLook::Marked, kNumpad);
    EXPECT_EQ(marked[KeyId::Key_Plus].color, farbe::Rot);
}

TEST(KeyLook, SpaceBar) {
    const KeyState marked = painted(KeyId::Key_Leer, false, KeyLook::Marked)[KeyId::Key_Leer];
    EXPECT_EQ(marked.color, farbe::Rot);
    EXPECT_EQ(marked.caption, "Leer");
    const KeyState blank = painted(KeyId::Key_Leer, false, KeyLook::Blank)[KeyId::Key_Leer];
    EXPECT_EQ(blank.color, farbe::Silber);
    EXPECT_EQ(blank.caption, kNoLabel);
    EXPECT_EQ(blank.bevel, KeyBevel::Raised);
}

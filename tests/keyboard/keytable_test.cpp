#include "keyboard/keytable.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>

using namespace tastei;

TEST(KeyTable, FiftyTwoKeysWithUniqueNamesInRowOrder) {
    QSet<QString> panels;
    QSet<QString> operations;
    std::map<int, int> perRow;
    int previousRow = 0;
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        const KeyDef& def = keyTable()[i];
        EXPECT_EQ(def.id, keyAt(i));
        EXPECT_TRUE(def.panel.startsWith(u"Taste_")) << def.panel.toString().toStdString();
        EXPECT_TRUE(def.operation.startsWith(u"Key_")) << def.operation.toString().toStdString();
        EXPECT_GE(def.row, previousRow);
        previousRow = def.row;
        panels.insert(def.panel.toString());
        operations.insert(def.operation.toString());
        ++perRow[def.row];
    }
    EXPECT_EQ(panels.size(), 52);
    EXPECT_EQ(operations.size(), 52);
    EXPECT_EQ(perRow, (std::map<int, int>{{0, 13}, {1, 14}, {2, 12}, {3, 12}, {4, 1}}));
    // The one pair whose names are spelled differently.
    EXPECT_EQ(keyDef(KeyId::Key_Ue).panel, u"Taste_UE");
    EXPECT_EQ(keyDef(KeyId::Key_Ue).operation, u"Key_Ue");
}

TEST(KeyTable, ColoursFollowTheFingersMirroredOnBothHands) {
    EXPECT_EQ(fingerColor(Finger::LeftLittle), QColor(0x0000FFu));
    EXPECT_EQ(fingerColor(Finger::RightRing), QColor(0x00FF00u));
    EXPECT_EQ(fingerColor(Finger::LeftMiddle), QColor(0xFFFF00u));
    EXPECT_EQ(fingerColor(Finger::RightIndex), QColor(0xFFFFFFu));
    EXPECT_EQ(fingerColor(Finger::Thumbs), QColor(0xC0C0C0u));
    const std::pair<Finger, Finger> mirrored[] = {{Finger::LeftLittle, Finger::RightLittle},
                                                  {Finger::LeftRing, Finger::RightRing},
                                                  {Finger::LeftMiddle, Finger::RightMiddle},
                                                  {Finger::LeftIndex, Finger::RightIndex}};
    for (const auto& [left, right] : mirrored) {
        EXPECT_EQ(fingerColor(left), fingerColor(right));
    }
    // Telling rows of the key table: colour and the label colour when shown.
    const std::tuple<KeyId, QColor, QColor> rows[] = {
        {KeyId::Key_1, farbe::Blau, farbe::Weiss},
        {KeyId::Key_3, farbe::Lime, farbe::Navy},
        {KeyId::Key_4, farbe::Gelb, farbe::Navy},
        {KeyId::Key_6, farbe::Weiss, farbe::Navy},
        {KeyId::Key_7, farbe::Weiss, farbe::Navy},
        {KeyId::Key_Null, farbe::Lime, farbe::Navy},
        {KeyId::Key_Ae, farbe::Blau, farbe::Weiss},
        {KeyId::Key_Komma, farbe::Gelb, farbe::Navy},
        {KeyId::Key_Mitte, farbe::Blau, farbe::Weiss},
        {KeyId::Key_Leer, farbe::Silber, farbe::Weiss},
    };
    for (const auto& [key, color, labelColor] : rows) {
        EXPECT_EQ(fingerColor(keyDef(key).finger), color)
            << keyDef(key).panel.toString().toStdString();
        EXPECT_EQ(shownLabelColor(key), labelColor) << keyDef(key).panel.toString().toStdString();
    }
}

TEST(KeyTable, HomeKeysAndTheWiderBlindHomeRow) {
    QString homeChars;
    int blindRow = 0;
    for (const KeyDef& def : keyTable()) {
        if (isHomeKey(def.id)) {
            homeChars += def.character;
            EXPECT_EQ(homeKey(def.finger), def.id);
        }
        if (isBlindHomeRowKey(def.id)) {
            ++blindRow;
            EXPECT_EQ(def.row, 2);
        }
        // Every finger's keys are reached from a home key in the home row.
        if (const auto home = homeKey(def.finger)) {
            EXPECT_EQ(keyDef(*home).row, 2);
        }
    }
    EXPECT_EQ(homeChars, kHomeRowChars);
    EXPECT_EQ(blindRow, 11);
    EXPECT_FALSE(isBlindHomeRowKey(KeyId::Key_Num));
    EXPECT_FALSE(homeKey(Finger::Thumbs).has_value());
    EXPECT_EQ(homeKey(keyDef(KeyId::Key_Sz).finger), KeyId::Key_Oe);
    EXPECT_EQ(homeKey(keyDef(KeyId::Key_G).finger), KeyId::Key_F);
}

TEST(KeyTable, LabelsAndTheCharactersTheyType) {
    int twoCharacter = 0;
    int letters = 0;
    for (const KeyDef& def : keyTable()) {
        if (def.hasShiftedLabel()) {
            ++twoCharacter;
            EXPECT_FALSE(def.shiftedCharacter.isNull());
        } else if (def.isLetter()) {
            ++letters;
            // Letter keys are labelled with the capital of the letter they type.
            EXPECT_EQ(def.label, QString(def.character).toUpper());
        }
    }
    EXPECT_EQ(twoCharacter, 17);
    EXPECT_EQ(letters, 29);
    const KeyDef& mitte = keyDef(KeyId::Key_Mitte);
    EXPECT_EQ(mitte.label, u"–");
    EXPECT_EQ(mitte.character, u'-');
    EXPECT_EQ(keyDef(KeyId::Key_Acc).labelFor(true), QStringLiteral("`"));
    EXPECT_EQ(keyDef(KeyId::Key_Q).labelFor(true), QStringLiteral("Q"));
    for (KeyId special : {KeyId::Key_Back, KeyId::Key_Tab, KeyId::Key_Return, KeyId::Key_ShiftLinks,
                          KeyId::Key_ShiftRechts, KeyId::Key_Leer}) {
        EXPECT_TRUE(keyDef(special).isSpecial());
    }
}

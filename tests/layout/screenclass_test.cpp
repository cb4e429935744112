#include "layout/screenclass.h"

#include <gtest/gtest.h>

TEST(ScreenClass, TheFourWidthsGiveTheirClass) {
    EXPECT_EQ(screenClassForWidth(800).screenClass, ScreenClass::C800);
    EXPECT_EQ(screenClassForWidth(1024).screenClass, ScreenClass::C1024);
    EXPECT_EQ(screenClassForWidth(1152).screenClass, ScreenClass::C1152);
    EXPECT_EQ(screenClassForWidth(1280).screenClass, ScreenClass::C1280);
    for (int width : {800, 1024, 1152, 1280}) {
        EXPECT_FALSE(screenClassForWidth(width).tooSmall) << width;
    }
}

TEST(ScreenClass, OtherWidthsFallBackWithTheMessage) {
    for (int width : {640, 1000, 1100, 1200, 0}) {
        const auto choice = screenClassForWidth(width);
        EXPECT_EQ(choice.screenClass, ScreenClass::C800) << width;
        EXPECT_TRUE(choice.tooSmall) << width;
    }
}

TEST(ScreenClass, WiderScreensUseTheLargestClassSilently) {
    for (int width : {1366, 1920, 2560}) {
        const auto choice = screenClassForWidth(width);
        EXPECT_EQ(choice.screenClass, ScreenClass::C1280) << width;
        EXPECT_FALSE(choice.tooSmall) << width;
    }
}

TEST(ScreenClass, ExactlyOneFlagAndPerClassValues) {
    ProgramState state;
    EXPECT_EQ(perClass(state, std::array{-16, -19, -21, -23}), -16);
    setScreenClassFlags(state, ScreenClass::C1152);
    EXPECT_EQ(int(state.ScreenClass800) + state.ScreenClass1024 + state.ScreenClass1152 +
                  state.ScreenClass1280,
              1);
    EXPECT_EQ(perClass(state, std::array{-16, -19, -21, -23}), -21);
    // Flags are tested from the smallest class up.
    state.ScreenClass1024 = true;
    EXPECT_EQ(currentScreenClass(state), ScreenClass::C1024);
}

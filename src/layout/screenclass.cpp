#include "layout/screenclass.h"

ScreenClassChoice screenClassForWidth(int width) {
    switch (width) {
    case 800:
        return {ScreenClass::C800, false};
    case 1024:
        return {ScreenClass::C1024, false};
    case 1152:
        return {ScreenClass::C1152, false};
    case 1280:
        return {ScreenClass::C1280, false};
    default:
        return width > 1280 ? ScreenClassChoice{ScreenClass::C1280, false}
                            : ScreenClassChoice{ScreenClass::C800, true};
    }
}

void setScreenClassFlags(ProgramState& state, ScreenClass screenClass) {
    state.ScreenClass800 = screenClass == ScreenClass::C800;
    state.ScreenClass1024 = screenClass == ScreenClass::C1024;
    state.ScreenClass1152 = screenClass == ScreenClass::C1152;
    state.ScreenClass1280 = screenClass == ScreenClass::C1280;
}

ScreenClass currentScreenClass(const ProgramState& state) {
    if (state.ScreenClass800) {
        return ScreenClass::C800;
    }
    if (state.ScreenClass1024) {
        return ScreenClass::C1024;
    }
    if (state.ScreenClass1152) {
        return ScreenClass::C1152;
    }
    if (state.ScreenClass1280) {
        return ScreenClass::C1280;
    }
    return ScreenClass::C800;
}

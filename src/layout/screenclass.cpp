#include "layout/screenclass.h"

ScreenClassChoice screenClassFor(const QSize& bildschirm, const QSize& verfuegbar) {
    const QSize& kleinste = kFenstergroessen.front();
    const bool zuKlein =
        bildschirm.width() < kleinste.width() || bildschirm.height() < kleinste.height();
    for (std::size_t k = kFenstergroessen.size(); k-- > 1;) {
        const QSize& fenster = kFenstergroessen[k];
        if (fenster.width() <= verfuegbar.width() && fenster.height() <= verfuegbar.height()) {
            return {static_cast<ScreenClass>(k), false};
        }
    }
    return {ScreenClass::C800, zuKlein};
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

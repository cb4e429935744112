#include "keyboard/keyboardpicture.h"

namespace tastei {

void KeyboardPicture::apply(const KeyPaint& paint) {
    for (const PanelPaint& panel : paint) {
        KeyState& state = (*this)[panel.panel];
        state.bevel = panel.bevel;
        state.color = panel.color.value_or(state.color);
        state.caption = panel.caption.value_or(state.caption);
        state.fontColor = panel.fontColor.value_or(state.fontColor);
        state.look = panel.look.value_or(state.look);
    }
}

void KeyboardPicture::paint(KeyId key, bool shifted, KeyLook look, const KeyContext& context) {
    apply(paintKey(key, shifted, look, context));
}

void KeyboardPicture::place(const KeyboardLayout& layout) {
    for (std::size_t i = 0; i < kKeyCount; ++i) {
        keys[i].geometry = layout.keys[i];
    }
}

} // namespace tastei

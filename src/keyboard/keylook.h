#pragma once

#include "keyboard/keytable.h"

#include <QChar>
#include <QColor>
#include <QString>

#include <optional>
#include <vector>

// How one key operation paints: the result of `Key_X` with a look, as data a
// view (or the keyboard picture) applies to the panels named in it.
namespace tastei {

// The value a lesson hands to a key operation; values past BlindRest are
// possible and change only the bevel (and for some keys the label colour).
enum class KeyLook : int {
    Hidden = 0,
    Blank = 1,
    Shown = 2,
    Marked = 3,
    BlindRest = 4,
};

enum class KeyBevel { Raised, Flat };

// The drill state a key operation reads.
struct KeyContext {
    bool Blindtastei = false;
    bool NumpadMode = false;
    QChar ExpectedChar{};
};

// What happens to one panel. Unset fields keep what the panel shows.
struct PanelPaint {
    KeyId panel;
    KeyBevel bevel = KeyBevel::Raised;
    std::optional<QColor> color{};
    std::optional<QString> caption{};
    std::optional<QColor> fontColor{};
    // The look the panel ends in, BlindRest already resolved to Blank or Hidden.
    std::optional<KeyLook> look{};
};

// One or two panels: on the numeric keypad a key may also paint the panel
// that carries its second character there.
using KeyPaint = std::vector<PanelPaint>;

// The caption of a panel that shows no character.
inline const QString kNoLabel = QStringLiteral(" ");

KeyPaint paintKey(KeyId key, bool shifted, KeyLook look, const KeyContext& context = {});

// The label a panel carries on the numeric keypad when it stands for another
// key's second character there (÷ for the slash, * for the asterisk).
std::optional<QString> keypadTwinLabel(KeyId panel);

} // namespace tastei

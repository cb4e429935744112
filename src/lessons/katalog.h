#pragma once

#include "ui/edition.h"
#include "ui/programstate.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The publisher's lesson units: eight lists whose items stand for files in the
// start directory, and what the windows make of such a file name (its kind and
// the caption of the window that runs it). File names are bare catalogue names
// such as "KP_TS01.VER", compared case-sensitively.
namespace katalog {

// Named after the list boxes, in the order the selection window holds them.
enum class Liste {
    LerneinheitenOfficePuSelbstMini,
    LerneinheitenSchul,
    LerneinheitenZiffernblock,
    LerneinheitenSchreibenUndGestaltenAmPC,
    LerneinheitenSchreibtrainer,
    LerneinheitenZeitschreibenPU,
    LerneinheitenHandbehinderte,
    LerneinheitenNeutral,
};

inline constexpr std::array kAlleListen = {
    Liste::LerneinheitenOfficePuSelbstMini, Liste::LerneinheitenSchul,
    Liste::LerneinheitenZiffernblock,       Liste::LerneinheitenSchreibenUndGestaltenAmPC,
    Liste::LerneinheitenSchreibtrainer,     Liste::LerneinheitenZeitschreibenPU,
    Liste::LerneinheitenHandbehinderte,     Liste::LerneinheitenNeutral,
};

// The controls that show a list: the list box alone in its group box.
struct Listenrahmen {
    QString listBox;
    QString groupBox;
    QString caption;
};

Listenrahmen rahmen(Liste liste);

// The item texts in order, as the list box shows them.
QStringList eintragTexte(Liste liste);

// The file the item at `index` stands for; empty for a blank item and for an
// index outside the list (-1 is a list box without selection).
QString dateiZuEintrag(Liste liste, int index);

enum class Einheitsart {
    Tastaturschreiben, // a lesson script for the keyboard-writing window
    Schreibtrainer,    // a copy text for the copy-typing trainer
};

// The C units of the keyboard training: the name contains "02C" ... "18C".
bool istCEinheit(const QString& datei);

// `ausZeitschreiben`: the unit was chosen from the ten-minute list, that is its
// group box `BoxZeitschreibenPU` is visible. Such a unit is always copy-typed.
Einheitsart einheitsart(const QString& datei, bool ausZeitschreiben);

// What is left of the name without its extension (from the first dot on) and
// without the leading dashes, underscores and capitals: "KP_FI01A.VER" -> "01A".
QString einheitsnummer(const QString& datei);

// The caption of the keyboard-writing window for a drill unit.
QString tastaturschreibenTitel(const QString& datei, const ProgramState& state);

// The caption of the trainer window for a copy-typing unit; empty for a name
// that is none.
QString schreibtrainerTitel(const QString& datei, bool ausZeitschreiben);

// The ways into a catalogue list: the keyboard-writing entry, the three
// buttons of the school menu, and the start window's copy-typing and
// ten-minute entries.
enum class Einstieg {
    Tastaturschulung,
    SundG_Fingerwege,
    Handbehinderte,
    Neutral,
    Schreibtrainer,
    Zeitschreiben,
};

struct Einstiegsliste {
    std::optional<Liste> liste;           // none when the edition offers none
    std::optional<bool> handImpairedMode; // the new HandImpairedMode; none leaves it
};

Einstiegsliste einstiegsliste(Einstieg einstieg, const ProgramState& state);

} // namespace katalog

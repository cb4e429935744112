#pragma once

#include "ui/programstate.h"

#include <QString>

#include <optional>

// Each edition is its own executable; its start-up code names the edition.
enum class Edition { Compact, School, Teacher, Programmed, SelfStudy, Office, HandImpaired };

// Sets the seven edition flags (the teacher edition is a school edition) and
// clears HandImpairedMode.
void setEditionFlags(ProgramState& state, Edition edition);

// What the edition changes on the start window; an empty field stays as the
// window was created.
struct StartfensterAnpassung {
    std::optional<QString> caption;
    std::optional<QString> schreibtrainerCaption;
    std::optional<bool> schreibtrainerVisible; // with InfoSchreibtrainer
    std::optional<QString> texteditorCaption;
    std::optional<QString> texteditorHint;
    std::optional<bool> texteditorVisible;
    std::optional<bool> infoTexteditorVisible;
    std::optional<bool> ziffernblockVisible; // with InfoZiffernblock
};

// The flags are tested in a fixed order and the first that applies decides.
StartfensterAnpassung startfensterAnpassung(const ProgramState& state);

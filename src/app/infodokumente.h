#pragma once

#include "ui/programstate.h"

#include <QString>

// The information document behind each Info button of the start window.
enum class InfoKnopf { Tastaturschreiben, Schreibtrainer, Texteditor, Ziffernblock };

// The flags are tested from the school edition on; with no edition flag only
// the keypad has a document. Empty when there is none.
QString infoDokument(InfoKnopf knopf, const ProgramState& state);

#pragma once

#include <QString>

#include <array>

// The command words of a lesson script as the editor's box offers them, and
// what each inserts at the caret. A command that takes an argument ends in a
// blank, so that the writer types the argument next; the others end the line.
namespace kommandowoerter {

struct Eintrag {
    const char* eintrag;
    const char* text;
};

inline constexpr std::array<Eintrag, 13> kListe{{
    {" Weg ...", "//Weg: "},
    {" Teiltastei ... ", "//Teiltastei: "},
    {" Bahntastei", "//Bahntastei\n"},
    {" Volltastei", "//Volltastei\n"},
    {" Blindtastei", "//Blindtastei\n"},
    {" Wortaufbau", "//Wortaufbau\n"},
    {" Rasterzeile", "//Rasterzeile\n"},
    {" Normalzeile", "//Normalzeile\n"},
    {" Abschreibtext", "//Abschreibtext\n"},
    {" Info ...", "//Info: "},
    {" Korrektur ...", "//Korrektur: "},
    {" Ziffernblock", "//Ziffernblock\n"},
    {" Ende", "//Ende"},
}};

} // namespace kommandowoerter

#pragma once

#include "ui/programstate.h"

#include <QString>

#include <array>

// The edition's name, as the start window labels it.
inline QString editionsName(const ProgramState& state) {
    struct Editionsname {
        bool ProgramState::*flag;
        const char16_t* name;
    };
    // In the order the flags are tested.
    static constexpr std::array<Editionsname, 7> kNamen = {{
        {&ProgramState::EditionTeacher, u"Lehrer"},
        {&ProgramState::EditionSchool, u"Schule"},
        {&ProgramState::EditionProgrammed, u"Programmiert"},
        {&ProgramState::EditionSelfStudy, u"Selbstlernen"},
        {&ProgramState::EditionOffice, u"Büro"},
        {&ProgramState::EditionCompact, u"MiniKasp"},
        {&ProgramState::EditionHandImpaired, u"Handicap"},
    }};
    for (const Editionsname& edition : kNamen) {
        if (state.*edition.flag) {
            return QString::fromUtf16(edition.name);
        }
    }
    return {};
}

// What a window caption adds for the running edition: "Version" and the
// edition's name.
inline QString editionsZusatz(const ProgramState& state) {
    const QString name = editionsName(state);
    return name.isEmpty() ? QString() : QStringLiteral("                    Version  ") + name;
}

#include "app/editions.h"

#include <gtest/gtest.h>

namespace {

ProgramState stateFor(Edition edition) {
    ProgramState state;
    state.HandImpairedMode = true;
    setEditionFlags(state, edition);
    return state;
}

StartfensterAnpassung adaptationFor(Edition edition) {
    return startfensterAnpassung(stateFor(edition));
}

} // namespace

TEST(EditionFlags, EachEditionSetsItsFlagsAndOnlyThose) {
    const ProgramState compact = stateFor(Edition::Compact);
    EXPECT_TRUE(compact.EditionCompact);
    EXPECT_FALSE(compact.EditionSchool || compact.EditionTeacher || compact.EditionProgrammed ||
                 compact.EditionSelfStudy || compact.EditionOffice || compact.EditionHandImpaired ||
                 compact.HandImpairedMode);

    const ProgramState teacher = stateFor(Edition::Teacher);
    EXPECT_TRUE(teacher.EditionSchool && teacher.EditionTeacher);
    EXPECT_FALSE(teacher.EditionCompact);

    const ProgramState school = stateFor(Edition::School);
    EXPECT_TRUE(school.EditionSchool);
    EXPECT_FALSE(school.EditionTeacher);

    EXPECT_TRUE(stateFor(Edition::HandImpaired).EditionHandImpaired);
    EXPECT_FALSE(stateFor(Edition::HandImpaired).HandImpairedMode);
    EXPECT_TRUE(stateFor(Edition::Office).EditionOffice);
    EXPECT_TRUE(stateFor(Edition::SelfStudy).EditionSelfStudy);
    EXPECT_TRUE(stateFor(Edition::Programmed).EditionProgrammed);
}

TEST(StartWindowAdaptation, CompactEdition) {
    const auto a = adaptationFor(Edition::Compact);
    EXPECT_EQ(a.caption, QStringLiteral(" Kasparo 2003          MiniKasp"));
    EXPECT_EQ(a.schreibtrainerCaption, QStringLiteral("Eigene &Lernsoftware"));
    EXPECT_EQ(a.schreibtrainerVisible, true);
    EXPECT_EQ(a.texteditorCaption, QStringLiteral("&Einfacher Texteditor"));
    EXPECT_EQ(a.texteditorVisible, true);
    EXPECT_EQ(a.infoTexteditorVisible, true);
    EXPECT_EQ(a.ziffernblockVisible, false);
    EXPECT_FALSE(a.texteditorHint);
}

TEST(StartWindowAdaptation, SchoolAndTeacherEditions) {
    const auto teacher = adaptationFor(Edition::Teacher);
    EXPECT_FALSE(teacher.schreibtrainerVisible);
    EXPECT_FALSE(teacher.schreibtrainerCaption);
    EXPECT_EQ(teacher.texteditorCaption, QStringLiteral("Text&Editor"));
    EXPECT_EQ(teacher.texteditorVisible, true);
    EXPECT_EQ(teacher.infoTexteditorVisible, true);
    EXPECT_FALSE(teacher.ziffernblockVisible);

    const auto school = adaptationFor(Edition::School);
    EXPECT_EQ(school.schreibtrainerVisible, true);
    EXPECT_EQ(school.texteditorCaption, QStringLiteral("&Einfacher Texteditor"));
    EXPECT_EQ(school.texteditorVisible, true);
    EXPECT_FALSE(school.infoTexteditorVisible);
    EXPECT_FALSE(school.ziffernblockVisible);
    EXPECT_NE(school.caption, teacher.caption);
}

TEST(StartWindowAdaptation, TimedWritingEditions) {
    const QString zehnMinuten = QStringLiteral("10-&Minuten-Schreiben");
    const QString hint = QStringLiteral("Modul zum Zeitschreiben");

    const auto programmed = adaptationFor(Edition::Programmed);
    EXPECT_EQ(programmed.schreibtrainerVisible, true);
    EXPECT_EQ(programmed.texteditorCaption, zehnMinuten);
    EXPECT_EQ(programmed.texteditorHint, hint);
    EXPECT_EQ(programmed.infoTexteditorVisible, true);
    EXPECT_EQ(programmed.ziffernblockVisible, false);

    for (Edition edition : {Edition::SelfStudy, Edition::Office}) {
        const auto a = adaptationFor(edition);
        EXPECT_FALSE(a.schreibtrainerVisible);
        EXPECT_EQ(a.texteditorCaption, zehnMinuten);
        EXPECT_FALSE(a.texteditorHint);
        EXPECT_EQ(a.texteditorVisible, true);
        EXPECT_EQ(a.infoTexteditorVisible, true);
        EXPECT_EQ(a.ziffernblockVisible, false);
    }
    EXPECT_NE(adaptationFor(Edition::SelfStudy).caption, adaptationFor(Edition::Office).caption);

    const auto hand = adaptationFor(Edition::HandImpaired);
    EXPECT_EQ(hand.schreibtrainerVisible, true);
    EXPECT_EQ(hand.texteditorCaption, zehnMinuten);
    EXPECT_EQ(hand.texteditorHint, hint);
    EXPECT_EQ(hand.infoTexteditorVisible, true);
    EXPECT_FALSE(hand.ziffernblockVisible);
}

TEST(StartWindowAdaptation, FirstFlagInOrderDecides) {
    ProgramState state;
    EXPECT_FALSE(startfensterAnpassung(state).caption); // no edition: nothing changes
    state.EditionCompact = true;
    state.EditionOffice = true;
    EXPECT_EQ(startfensterAnpassung(state).texteditorCaption,
              QStringLiteral("10-&Minuten-Schreiben"));
    state.EditionSchool = true;
    EXPECT_EQ(startfensterAnpassung(state).texteditorCaption,
              QStringLiteral("&Einfacher Texteditor"));
}

#include "app/editions.h"
#include "app/infodokumente.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

QString dokument(InfoKnopf knopf, Edition edition) {
    ProgramState state;
    setEditionFlags(state, edition);
    return infoDokument(knopf, state);
}

} // namespace

TEST(InfoDokumente, EachEditionHasItsDocuments) {
    EXPECT_EQ(dokument(InfoKnopf::Schreibtrainer, Edition::Compact),
              QStringLiteral("InEigene.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Texteditor, Edition::Compact), QStringLiteral("InEditSchul.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Tastaturschreiben, Edition::Compact),
              QStringLiteral("InTastatur.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Texteditor, Edition::Teacher),
              QStringLiteral("InEditLehrer.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Texteditor, Edition::School), QStringLiteral("InEditSchul.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Tastaturschreiben, Edition::School),
              QStringLiteral("InTastaturSchul.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Schreibtrainer, Edition::Office),
              QStringLiteral("InGelSchreib.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Texteditor, Edition::Programmed),
              QStringLiteral("InZeitSchreib.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Tastaturschreiben, Edition::HandImpaired),
              QStringLiteral("InHandTast.RTF"));
    EXPECT_EQ(dokument(InfoKnopf::Ziffernblock, Edition::SelfStudy),
              QStringLiteral("InZiffernblock.RTF"));
}

TEST(InfoDokumente, WithoutAnEditionOnlyTheKeypadHasOne) {
    const ProgramState ohne;
    EXPECT_EQ(infoDokument(InfoKnopf::Ziffernblock, ohne), QStringLiteral("InZiffernblock.RTF"));
    EXPECT_TRUE(infoDokument(InfoKnopf::Tastaturschreiben, ohne).isEmpty());
    EXPECT_TRUE(infoDokument(InfoKnopf::Texteditor, ohne).isEmpty());
}

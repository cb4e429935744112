#include "ui/filefilter.h"

#include <gtest/gtest.h>

TEST(FileFilter, PairsBecomeQtFilters) {
    const QString pairs = QStringLiteral(
        "Tastaturschulung(*.ts)|*.ts|Textdateien(*.txt)|*.txt|Verlagslernsoftware(*.ver)|*.ver|"
        "Alle Dateien(*.*)|*.*");
    EXPECT_EQ(qtFileFilter(pairs), QStringLiteral("Tastaturschulung (*.ts);;Textdateien (*.txt);;"
                                                  "Verlagslernsoftware (*.ver);;Alle Dateien (*)"));
}

TEST(FileFilter, SeveralPatternsAndADanglingDescription) {
    EXPECT_EQ(qtFileFilter(QStringLiteral("Texte|*.txt;*.rtf|Rest")),
              QStringLiteral("Texte (*.txt *.rtf)"));
    EXPECT_EQ(qtFileFilter(QString()), QString());
}

TEST(FileFilter, IndexOfAChosenFilter) {
    const QString pairs = QStringLiteral("Text(*.txt)|*.txt|RTF(*.rtf)|*.rtf");
    EXPECT_EQ(fileFilterIndex(pairs, QStringLiteral("RTF (*.rtf)")), 1);
    EXPECT_EQ(fileFilterIndex(pairs, QStringLiteral("unbekannt")), 0);
}

#include "lessons/lektionsdatei.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

TEST(Leerzeilen, RunsBecomeOneAndTheEndsGo) {
    EXPECT_EQ(leerzeilenNormalisieren({"Text", "", "", "mehr", ""}),
              (QStringList{"Text", "", "mehr"}));
    EXPECT_EQ(leerzeilenNormalisieren({"", "", "a", "b", "", "", "", "c", "", ""}),
              (QStringList{"a", "b", "", "c"}));
    EXPECT_EQ(leerzeilenNormalisieren({"", ""}), QStringList());
}

TEST(Uebungszeilen, CatalogueCountStopsAtTheAdditionalExercise) {
    const QStringList skript{"asdf jklö", // the first line never counts
                             "//Teiltastei: er",
                             "der",
                             "/xyz",
                             "ab",
                             QString::fromUtf8("//Info: Zusatzübung - für Eilige"),
                             "noch eine Zeile"};
    EXPECT_EQ(katalogUebungszeilen(skript), 2); // "der" and "/xyz"
    EXPECT_EQ(eigeneUebungszeilen(skript), 3);  // first line, "der", the last one
    EXPECT_EQ(katalogUebungszeilen({"nur eine"}), 0);
    EXPECT_EQ(katalogUebungszeilen({}), 0);
}

TEST(EigenerTitel, NameUpToTheLastDot) {
    EXPECT_EQ(eigenerTitel("/home/lea/meine.lektion.ts", true),
              QStringLiteral(" Kasparo 2003        Lerneinheit  meine.lektion"
                             "               Version  MiniKasp"));
    EXPECT_EQ(eigenerTitel("/tmp/ohnepunkt", false),
              QStringLiteral(" Kasparo 2003        Lerneinheit  ohnepunkt"));
}

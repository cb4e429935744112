#include "app/Ruvasko.h"
#include "app/anwendung.h"
#include "drill/Tastaturschreiben.h"
#include "editor/Texteditor.h"
#include "editor/kommandowoerter.h"
#include "evaluation/Textanzeige.h"
#include "lessons/AuswahlLektionen.h"
#include "lessons/pruefung.h"
#include "support/dateien.h"
#include "support/qtprinters.h"
#include "support/testplatform.h"
#include "ui/cp1252.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

// The teacher edition's editor, worked through its operations on the test
// platform.
class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Teacher);
        anwendung->state().StartDirectory = verzeichnis.path();
        editor = &anwendung->FensterTexteditor();
        editor->Leer();
    }

    RichTextField& feld() { return editor->Textfeld(); }
    QString meldung() const {
        return platform.messages.empty() ? QString() : platform.messages.back().text;
    }
    void schreibe(const QString& text) {
        feld().setPlainText(text);
        feld().setModified(true);
    }

    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterTexteditor* editor = nullptr;
};

TEST_F(Editor, TheTeacherEditionOpensItEmptyFromTheStartWindow) {
    editor->hide();
    TFensterStart& start = anwendung->FensterStart();
    start.show();
    start.Texteditor->click();
    EXPECT_FALSE(editor->isHidden());
    EXPECT_TRUE(start.isHidden());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral(" Ohne Namen"));
    EXPECT_TRUE(feld().toPlainText().isEmpty());
    EXPECT_FALSE(feld().isModified());
    // Leaving without changes asks nothing and shows the menu again.
    editor->Beenden1Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(editor->isHidden());
    EXPECT_FALSE(start.isHidden());
}

TEST_F(Editor, SavingAnUnnamedDocumentAsksForANameAndACancelKeepsEverything) {
    schreibe(QStringLiteral("//Volltastei\nasdf"));
    editor->Speichern1Click(); // the dialog is cancelled
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(platform.fileDialogs[0].filter,
              QStringLiteral("Nur Text (*.txt)|*.txt|RichTextFormat(*.rtf)|*.rtf|"
                             "Tastaturschulung(*.ts)|*.ts|Schreibtrainer(*.st)|*.st|"
                             "Verlagslernsoftware(*.ver)|*.ver"));
    EXPECT_EQ(feld().toPlainText(), QStringLiteral("//Volltastei\nasdf"));
    EXPECT_TRUE(feld().isModified());
    EXPECT_TRUE(editor->Dateiname().isEmpty());

    // Leaving asks; Yes with a cancelled dialog stays with the text.
    platform.messageAnswers = {MessageAnswer::Yes};
    editor->Beenden1Click();
    EXPECT_EQ(meldung(), QString::fromUtf8("Sollen die Änderungen gespeichert werden?"));
    EXPECT_FALSE(editor->isHidden());
    platform.messageAnswers = {MessageAnswer::Yes};
    editor->close();
    EXPECT_FALSE(editor->isHidden());
    EXPECT_TRUE(feld().isModified());
    // Cancel stays too; No leaves.
    platform.messageAnswers = {MessageAnswer::Cancel};
    editor->Neu1Click();
    EXPECT_EQ(feld().toPlainText(), QStringLiteral("//Volltastei\nasdf"));
    platform.messageAnswers = {MessageAnswer::No};
    editor->Beenden1Click();
    EXPECT_TRUE(editor->isHidden());
}

TEST_F(Editor, TheNameDecidesTheModeOfSaveAs) {
    schreibe(QStringLiteral("Erste Zeile\nZweite Zeile"));
    const QString gross = verzeichnis.filePath(QStringLiteral("TEXT.RTF"));
    platform.fileAnswers = {gross};
    editor->Speichernunter1Click();
    // Only ".rtf" in small letters makes rich text.
    EXPECT_FALSE(editor->RichTextModus());
    EXPECT_EQ(dateiLesen(gross), QByteArray("Erste Zeile\r\nZweite Zeile\r\n"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("TEXT.RTF"));
    EXPECT_FALSE(feld().isModified());

    const QString klein = verzeichnis.filePath(QStringLiteral("text.rtf"));
    platform.fileAnswers = {klein};
    editor->Speichernunter1Click();
    EXPECT_TRUE(editor->RichTextModus());
    EXPECT_TRUE(dateiLesen(klein).startsWith("{\\rtf1"));

    // Without an extension the name gets ".txt".
    platform.fileAnswers = {verzeichnis.filePath(QStringLiteral("ohne"))};
    editor->Speichernunter1Click();
    EXPECT_EQ(editor->Dateiname(), verzeichnis.filePath(QStringLiteral("ohne.txt")));
    EXPECT_TRUE(QFile::exists(verzeichnis.filePath(QStringLiteral("ohne.txt"))));
}

TEST_F(Editor, ALessonOpenedAndSavedIsStillALesson) {
    const QString pfad = dateiSchreiben(verzeichnis, QStringLiteral("eigen.ts"),
                                        "//Teiltastei: fj\r\nfff jjj\r\n//Ende\r\n");
    platform.fileAnswers = {pfad};
    editor->Oeffnen1Click();
    EXPECT_EQ(platform.fileDialogs.back().directory, verzeichnis.path());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("eigen.ts"));
    EXPECT_EQ(feld().toPlainText(), QStringLiteral("//Teiltastei: fj\nfff jjj\n//Ende"));
    QTextCursor ende(feld().document());
    ende.movePosition(QTextCursor::End);
    ende.insertText(QStringLiteral("\nEine neue Zeile"));
    editor->Speichern1Click();
    // "Speichern" writes rich text under the same name; the lessons read it.
    EXPECT_TRUE(dateiLesen(pfad).startsWith("{\\rtf1"));
    const Skriptdatei gelesen = skriptLesen(pfad);
    EXPECT_EQ(gelesen.zeilen,
              QStringList({QStringLiteral("//Teiltastei: fj"), QStringLiteral("fff jjj"),
                           QStringLiteral("//Ende"), QStringLiteral("Eine neue Zeile")}));
}

TEST_F(Editor, AMissingFileIsAskedForAgainAndAFailedSaveKeepsTheText) {
    const QString fehlt = verzeichnis.filePath(QStringLiteral("fehlt.ts"));
    platform.fileAnswers = {fehlt};
    editor->Oeffnen1Click();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Die Datei ") +
                                             QDir::toNativeSeparators(fehlt) +
                                             QStringLiteral("\r ist nicht vorhanden."));
    EXPECT_EQ(platform.fileDialogs.size(), 2u); // asked again, then cancelled

    schreibe(QStringLiteral("Wichtiger Text"));
    platform.fileAnswers = {verzeichnis.filePath(QStringLiteral("gibtsnicht/text.txt"))};
    editor->Speichernunter1Click();
    EXPECT_EQ(platform.messages.back().kind, MessageKind::Error);
    EXPECT_TRUE(feld().isModified());
    EXPECT_EQ(feld().toPlainText(), QStringLiteral("Wichtiger Text"));
}

TEST_F(Editor, TheCommandWordBoxInsertsEachOfItsTexts) {
    auto* box = editor->findChild<QListWidget*>(QStringLiteral("BoxKommandowoerter"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isHidden());
    ASSERT_EQ(box->count(), 13);
    for (int i = 0; i < box->count(); ++i) {
        feld().clearText();
        editor->KommandowoerterButtonClick();
        EXPECT_FALSE(box->isHidden()) << i;
        EXPECT_EQ(box->item(i)->text(),
                  QString::fromUtf8(kommandowoerter::kListe[static_cast<std::size_t>(i)].eintrag));
        editor->BoxKommandowoerterClick(i);
        EXPECT_TRUE(box->isHidden()) << i;
        EXPECT_EQ(feld().toPlainText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')),
                  QString::fromUtf8(kommandowoerter::kListe[static_cast<std::size_t>(i)].text))
            << i;
    }
    // A selection is replaced by the command.
    feld().setPlainText(QStringLiteral("alt"));
    feld().setSelection(0, 3);
    editor->BoxKommandowoerterClick(12);
    EXPECT_EQ(feld().toPlainText(), QStringLiteral("//Ende"));
    EXPECT_EQ(kommandowoerter::kListe[0].text, std::string_view("//Weg: "));
    EXPECT_EQ(kommandowoerter::kListe[3].text, std::string_view("//Volltastei\n"));
}

TEST_F(Editor, TheConversionMendsDosTextAndLeavesTheClipboard) {
    platform.clipboard = QStringLiteral("Merkzettel");
    feld().setPlainText(cp1252::decode(" 1)\x84pfel und Birnen\n12)\n\xb3 Rahmen \xb3"));
    editor->ASCIInachANSI1Click();
    EXPECT_EQ(feld().toPlainText(), QString::fromUtf8("äpfel und Birnen\n12)\n") +
                                        QString::fromLatin1("\xb3 Rahmen \xb3"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("Merkzettel"));
    EXPECT_TRUE(feld().isModified());
}

TEST_F(Editor, SearchingWrapsOnlyAfterAMatchInThisPass) {
    feld().setPlainText(QStringLiteral("Hund und Katze, Maus und Hund"));
    // From the middle, the only match of "Katze" lies before the caret.
    feld().setCaretPosition(20);
    platform.findAnswers = {FindRequest{QStringLiteral("Katze"), {}, false, false, false}};
    editor->SuchenClick();
    EXPECT_EQ(meldung(), QStringLiteral("Keine weitere Textstelle gefunden."));

    // "und" from the middle: the later one, then around to the earlier one.
    platform.messages.clear();
    feld().setCaretPosition(10);
    platform.findAnswers = {FindRequest{QStringLiteral("und"), {}, true, true, false},
                            FindRequest{QStringLiteral("und"), {}, true, true, false},
                            FindRequest{QStringLiteral("und"), {}, true, true, false}};
    editor->SuchenClick();
    EXPECT_EQ(platform.messages.size(), 1u);
    // Whole words and case: "Hund" never counts, and the pass ended at the
    // start after the wrapped match.
    EXPECT_EQ(feld().selectionStart(), 5);
    EXPECT_EQ(meldung(), QStringLiteral("Keine weitere Textstelle gefunden."));
}

TEST_F(Editor, ReplaceAllEndsAfterOnePass) {
    for (const int caret : {0, 3}) {
        SCOPED_TRACE(caret);
        feld().setPlainText(QStringLiteral("a x a b a"));
        feld().setCaretPosition(caret);
        platform.messages.clear();
        platform.findAnswers = {
            FindRequest{QStringLiteral("a"), QStringLiteral("aa"), false, false, true}};
        editor->ErsetzenClick();
        EXPECT_EQ(feld().toPlainText(), QStringLiteral("aa x aa b aa"));
        EXPECT_EQ(meldung(), QStringLiteral("Keine weitere Textstelle gefunden."));
    }
    // One at a time: replace the selected match, then select the next.
    feld().setPlainText(QStringLiteral("rot und rot"));
    feld().setCaretPosition(0);
    const FindRequest einzeln{QStringLiteral("rot"), QStringLiteral("blau"), false, false, false};
    platform.findAnswers = {einzeln, einzeln};
    editor->ErsetzenClick();
    EXPECT_EQ(feld().toPlainText(), QStringLiteral("blau und rot"));
    EXPECT_EQ(feld().selectedPlainText(), QStringLiteral("rot"));
}

TEST_F(Editor, StylesToggleAndPrintingLeavesTheTextAsItWas) {
    feld().setPlainText(QStringLiteral("fett und kursiv"));
    feld().setSelection(0, 4);
    editor->SchriftschnittClick(TFensterTexteditor::Schnitt::Fett);
    QTextCursor c(feld().document());
    c.setPosition(2);
    EXPECT_TRUE(c.charFormat().font().bold());
    // A second press takes the style away.
    feld().setSelection(0, 4);
    editor->SchriftschnittClick(TFensterTexteditor::Schnitt::Fett);
    c.setPosition(2);
    EXPECT_FALSE(c.charFormat().font().bold());

    editor->ButtonAusrichtenClick(TFensterTexteditor::Ausrichtung::Zentriert);
    EXPECT_EQ(feld().document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    editor->AufzaehlungClick();
    EXPECT_TRUE(feld().textCursor().currentList());
    editor->AufzaehlungClick();
    EXPECT_FALSE(feld().textCursor().currentList());

    platform.clipboard = QStringLiteral("Merkzettel");
    editor->Drucken1Click();
    ASSERT_EQ(platform.printJobs.size(), 1u);
    EXPECT_EQ(platform.printJobs[0].text, QStringLiteral("fett und kursiv"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("Merkzettel"));
    EXPECT_EQ(feld().document()->firstBlock().blockFormat().textIndent(), 0);
}

TEST_F(Editor, TheCheckListsABrokenLineAndLeadsToIt) {
    schreibe(QString::fromUtf8("//Volltastei\nasdf jklö\n5 € 6\n//Ende"));
    editor->PruefenClick();
    auto* liste = editor->findChild<QListWidget*>(QStringLiteral("Befunde"));
    ASSERT_TRUE(liste);
    ASSERT_FALSE(liste->isHidden());
    int zeile3 = -1;
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->item(i)->text().startsWith(QStringLiteral("Zeile 3: Fehler: "))) {
            zeile3 = i;
        }
    }
    ASSERT_GE(zeile3, 0);
    EXPECT_TRUE(liste->item(zeile3)->text().contains(QString::fromUtf8("€")));
    editor->BefundGewaehlt(zeile3);
    EXPECT_EQ(feld().caretLine(), 2);
    EXPECT_EQ(feld().caretColumn(), 0);
    // The text is untouched by the check, and a sound script says so.
    EXPECT_TRUE(feld().isModified());
    schreibe(QString::fromUtf8("//Volltastei\nasdf jklö\n//Ende"));
    editor->PruefenClick();
    EXPECT_TRUE(liste->isHidden());
    EXPECT_TRUE(meldung().startsWith(QStringLiteral("Die Lektion ist in Ordnung")));
}

TEST_F(Editor, ALessonTriedRunsInTheDrillWindowAndTheEditorComesBack) {
    const QString text = QStringLiteral("//Volltastei\nasdf\njkl");
    schreibe(text);
    editor->AusprobierenClick();
    TFensterTastaturschreiben& drill = anwendung->FensterTastaturschreiben();
    EXPECT_TRUE(editor->isHidden());
    ASSERT_FALSE(drill.isHidden());
    EXPECT_TRUE(drill.zustand().Modus.Volltastei);
    // Aborted before a key: straight back to the editor, text and mark kept.
    platform.messageAnswers = {MessageAnswer::Yes};
    drill.AbbrechenButton->click();
    EXPECT_TRUE(drill.isHidden());
    EXPECT_FALSE(editor->isHidden());
    EXPECT_TRUE(anwendung->FensterStart().isHidden());
    EXPECT_EQ(feld().toPlainText(), text);
    EXPECT_TRUE(feld().isModified());

    // With something typed the result comes first, then the editor.
    editor->AusprobierenClick();
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(drill.Texteingabefeld, &taste);
    platform.messageAnswers = {MessageAnswer::Yes};
    drill.AbbrechenButton->click();
    TFensterTextanzeige& ergebnis = anwendung->FensterTextanzeige();
    ASSERT_FALSE(ergebnis.isHidden());
    platform.messageAnswers = {MessageAnswer::No};
    ergebnis.BeendenClick();
    EXPECT_FALSE(editor->isHidden());
    EXPECT_EQ(feld().toPlainText(), text);

    // Afterwards a unit of the start window leads back to the menu as before.
    editor->hide();
    ASSERT_TRUE(anwendung->FensterLektionen().EigeneLektionBeginnen(QStringLiteral("eigen.ts"),
                                                                    {QStringLiteral("asdf")}));
    platform.messageAnswers = {MessageAnswer::Yes};
    drill.AbbrechenButton->click();
    EXPECT_TRUE(editor->isHidden());
    EXPECT_FALSE(anwendung->FensterStart().isHidden());
}

#include "vollerdatentraeger.h"

#include "../trainer/uebung.h"

#include "editor/Texteditor.h"
#include "ui/rtfreader.h"

#include <QDir>
#include <QLineEdit>
#include <QTextDocument>

// Saves that cannot succeed: a folder without write permission, a folder
// that is a file, and a disk that fills up while the file is written. Each is
// answered with a German message box; the result or the document stays
// unsaved, on screen and in the file it had, and a later save goes through.

namespace {

// Whoever may write where the permissions forbid it (root) writes anyway.
bool schreibschutzWirkt(const QString& verzeichnis) {
    QFile probe(QDir(verzeichnis).filePath(QStringLiteral(".probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return false;
    }
    return true;
}

// Files in the folder, the temporary ones of a save included.
QStringList inhalt(const QString& verzeichnis) {
    return QDir(verzeichnis).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// One message box, an error, that names the file it could not save.
void speicherfehlerGemeldet(const TestPlatform& platform, const QString& pfad) {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(platform.messages[0].text.startsWith(
        QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\r")
            .arg(QDir::toNativeSeparators(pfad))))
        << platform.messages[0].text.toStdString();
}

const QString kAbsatz1 = QString::fromUtf8("Der Zug fährt heute pünktlich ab.");
const QString kAbsatz2 = QStringLiteral("Alle steigen ein.");
const QString kGetippt1 = QString::fromUtf8("Der Zug fährt heute pünktlcih ab.");

class Ergebnis : public Uebung {
protected:
    void SetUp() override {
        Uebung::SetUp();
        einstellen(true, false, 0, true);
        beginnen(QStringLiteral("abschrift.st"), {kAbsatz1, QString(), kAbsatz2});
        tippe(kGetippt1 + QStringLiteral("\r\r") + kAbsatz2);
        platform.messageAnswers = {MessageAnswer::Yes};
        teil<QPushButton>("BeendenSchreiben")->click();
        ASSERT_FALSE(fenster().isHidden());
        name()->setText(QStringLiteral("Anna Berg"));
        anzeige = fenster().Anzeigezeilen();
        platform.messages.clear();
        ordner = verzeichnis.filePath(QStringLiteral("ablage"));
        ASSERT_TRUE(QDir().mkpath(ordner));
    }
    void TearDown() override {
        QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }

    TFensterTextanzeige& fenster() { return anwendung->FensterTextanzeige(); }
    QLineEdit* name() { return fenster().findChild<QLineEdit*>(QStringLiteral("NameEingabe")); }

    void speichern(const QString& pfad) {
        platform.fileAnswers = {pfad};
        fenster().SpeichernClick();
    }

    // One German error box; the result is unchanged and still unsaved:
    // "Beenden" asks, and a cancelled save keeps the window.
    void nichtGespeichert(const QString& pfad) {
        ASSERT_NO_FATAL_FAILURE(speicherfehlerGemeldet(platform, pfad));
        EXPECT_EQ(fenster().windowTitle(), QStringLiteral(" ... Textanzeige"));
        EXPECT_EQ(fenster().Anzeigezeilen(), anzeige);
        EXPECT_EQ(name()->text(), QStringLiteral("Anna Berg"));

        platform.messages.clear();
        platform.messageAnswers = {MessageAnswer::Yes};
        fenster().BeendenClick(); // the dialog of the save is cancelled
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, QStringLiteral("Wollen Sie den Text speichern?"));
        EXPECT_FALSE(fenster().isHidden());
        platform.messages.clear();
    }

    // A later save to a good place writes the whole result.
    void gehtDanach() {
        const QString gut = verzeichnis.filePath(QStringLiteral("gut.rtf"));
        speichern(gut);
        EXPECT_EQ(fenster().windowTitle(), QStringLiteral("gut.rtf"));
        EXPECT_TRUE(dateiLesen(gut).contains("Anna Berg"));
    }

    QStringList anzeige;
    QString ordner;
};

} // namespace

TEST_F(Ergebnis, AFolderWithoutWritePermissionIsReported) {
    ASSERT_TRUE(QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (!schreibschutzWirkt(ordner)) {
        GTEST_SKIP() << "runs with the right to write everywhere (root): no protection to test";
    }
    const QString pfad = QDir(ordner).filePath(QStringLiteral("ergebnis.rtf"));
    speichern(pfad);
    nichtGespeichert(pfad);
    EXPECT_TRUE(inhalt(ordner).isEmpty());
    gehtDanach();
}

TEST_F(Ergebnis, AFolderThatIsAFileIsReported) {
    // Not even root can write below a file.
    const QString datei = dateiSchreiben(verzeichnis, QStringLiteral("kein-ordner"), "x");
    const QString pfad = datei + QStringLiteral("/ergebnis.rtf");
    speichern(pfad);
    nichtGespeichert(pfad);
    EXPECT_EQ(dateiLesen(datei), QByteArray("x"));
    gehtDanach();
}

TEST_F(Ergebnis, AFullDiskLeavesTheFileSavedBeforeAsItWas) {
    const QString pfad = QDir(ordner).filePath(QStringLiteral("ergebnis.rtf"));
    const QByteArray frueher = "{\\rtf1 das Ergebnis von gestern\\par}";
    dateiSchreiben(pfad, frueher);
    {
        const VollerDatentraeger voll(64);
        ASSERT_TRUE(voll.ok());
        speichern(pfad);
    }
    nichtGespeichert(pfad);
    EXPECT_EQ(dateiLesen(pfad), frueher);
    // No half-written temporary file is left beside it.
    EXPECT_EQ(inhalt(ordner), QStringList{QStringLiteral("ergebnis.rtf")});
    gehtDanach();
}

// The editor of the teacher edition with a named, changed document.
class Dokument : public ::testing::Test {
protected:
    void SetUp() override {
        anwendung = std::make_unique<Anwendung>(platform, Edition::Teacher);
        anwendung->state().StartDirectory = verzeichnis.path();
        editor = &anwendung->FensterTexteditor();
        editor->Leer();
        pfad = dateiSchreiben(verzeichnis, QStringLiteral("lektion.txt"), kGespeichert);
        platform.fileAnswers = {pfad};
        editor->Oeffnen1Click();
        ASSERT_EQ(editor->Dateiname(), pfad);
        tippe(QStringLiteral("//Info: Neu\r"));
        ASSERT_EQ(feld().toPlainText(), kGetippt);
        ASSERT_TRUE(feld().isModified());
    }

    RichTextField& feld() { return editor->Textfeld(); }

    void tippe(const QString& text) {
        for (QChar c : text) {
            const int key = c == QLatin1Char('\r') ? Qt::Key_Return : Qt::Key_unknown;
            QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&feld(), &druck);
        }
    }

    // One German error box; everything typed is still there, unsaved, under
    // the name it had, and the file holds what it held.
    void nichtGespeichert(const QString& ziel) {
        ASSERT_NO_FATAL_FAILURE(speicherfehlerGemeldet(platform, ziel));
        EXPECT_EQ(feld().toPlainText(), kGetippt);
        EXPECT_TRUE(feld().isModified());
        EXPECT_EQ(editor->Dateiname(), pfad);
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("lektion.txt"));
        EXPECT_EQ(dateiLesen(pfad), kGespeichert);
        EXPECT_FALSE(editor->isHidden());
        platform.messages.clear();
    }

    // Saved at last, as RTF under its name as an opened document is: the
    // file holds what was typed.
    void gehtDanach() {
        editor->Speichern1Click();
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_FALSE(feld().isModified());
        QTextDocument gelesen;
        readRtf(dateiLesen(pfad), gelesen);
        EXPECT_EQ(gelesen.toPlainText(), kGetippt);
    }

    const QByteArray kGespeichert = "//Volltastei\r\nasdf\r\n";
    const QString kGetippt = QStringLiteral("//Info: Neu\n//Volltastei\nasdf");
    QTemporaryDir verzeichnis;
    TestPlatform platform;
    std::unique_ptr<Anwendung> anwendung;
    TFensterTexteditor* editor = nullptr;
    QString pfad;
};

TEST_F(Dokument, AFullDiskKeepsTheTextAndTheFile) {
    {
        const VollerDatentraeger voll(8);
        ASSERT_TRUE(voll.ok());
        editor->Speichern1Click();
    }
    nichtGespeichert(pfad);
    EXPECT_EQ(inhalt(verzeichnis.path()), QStringList{QStringLiteral("lektion.txt")});

    // Leaving asks; "Ja" with the disk still full stays with the text.
    {
        const VollerDatentraeger voll(8);
        platform.messageAnswers = {MessageAnswer::Yes};
        editor->Beenden1Click();
    }
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Confirmation);
    platform.messages.erase(platform.messages.begin());
    nichtGespeichert(pfad);
    gehtDanach();
}

TEST_F(Dokument, SavingAsBelowAFileKeepsTheName) {
    // Not even root can write below a file.
    const QString ziel = pfad + QStringLiteral("/kopie.txt");
    platform.fileAnswers = {ziel};
    editor->Speichernunter1Click();
    nichtGespeichert(ziel);
    EXPECT_TRUE(editor->RichTextModus());
    gehtDanach();
}

TEST_F(Dokument, SavingAsIntoAFolderWithoutWritePermissionKeepsTheName) {
    const QString ordner = verzeichnis.filePath(QStringLiteral("schreibgeschuetzt"));
    ASSERT_TRUE(QDir().mkpath(ordner));
    ASSERT_TRUE(QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (!schreibschutzWirkt(ordner)) {
        GTEST_SKIP() << "runs with the right to write everywhere (root): no protection to test";
    }
    const QString ziel = QDir(ordner).filePath(QStringLiteral("kopie.txt"));
    platform.fileAnswers = {ziel};
    editor->Speichernunter1Click();
    nichtGespeichert(ziel);
    EXPECT_TRUE(editor->RichTextModus());
    EXPECT_TRUE(inhalt(ordner).isEmpty());
    gehtDanach();
}

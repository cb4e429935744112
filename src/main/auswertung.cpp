#include "evaluation/ergebnisdokument.h"
#include "evaluation/fehlerauswertung.h"
#include "trainer/anschlaege.h"
#include "trainer/vorgabe.h"
#include "ui/rtfwriter.h"
#include "ui/textfile.h"

#include <QFont>
#include <QGuiApplication>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

const QString kAufruf =
    QStringLiteral("Aufruf: kasparo-auswertung VORGABE EINGABE [--ohne-korrektur] "
                   "[--ohne-auswertung] [--minuten N] [--name NAME] [--rtf DATEI]");
constexpr int kHoechsteMinuten = 999;
// The font of the printed result.
const QString kSchrift = QStringLiteral("Courier New");
constexpr int kSchriftPixel = 16;

struct Aufruf {
    QString vorgabe;
    QString eingabe;
    bool korrektur = true;
    bool auswertung = true;
    int minuten = 0;
    QString name;
    QString rtf; // empty without --rtf
    QString fehler;
};

void ausgeben(std::FILE* ziel, QString text) {
    // Messages meant for a message box break their lines with CR.
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fputs(text.toUtf8().constData(), ziel);
    std::fputc('\n', ziel);
}

Aufruf aufrufLesen(const QStringList& argumente) {
    Aufruf aufruf;
    QStringList dateien;
    for (qsizetype i = 0; i < argumente.size() && aufruf.fehler.isEmpty(); ++i) {
        const QString& argument = argumente[i];
        const bool hatWert = i + 1 < argumente.size();
        if (argument == QLatin1String("--ohne-korrektur")) {
            aufruf.korrektur = false;
        } else if (argument == QLatin1String("--ohne-auswertung")) {
            aufruf.auswertung = false;
        } else if (argument == QLatin1String("--minuten")) {
            bool zahl = false;
            aufruf.minuten = hatWert ? argumente[++i].toInt(&zahl) : 0;
            if (!zahl || aufruf.minuten < 0 || aufruf.minuten > kHoechsteMinuten) {
                aufruf.fehler =
                    QStringLiteral("Die Option --minuten verlangt eine ganze Zahl von 0 bis %1.")
                        .arg(kHoechsteMinuten);
            }
        } else if (argument == QLatin1String("--name")) {
            if (hatWert) {
                aufruf.name = argumente[++i];
            } else {
                aufruf.fehler = QStringLiteral("Die Option --name verlangt einen Namen.");
            }
        } else if (argument == QLatin1String("--rtf")) {
            aufruf.rtf = hatWert ? argumente[++i] : QString();
            if (aufruf.rtf.isEmpty()) {
                aufruf.fehler = QStringLiteral("Die Option --rtf verlangt einen Dateinamen.");
            }
        } else if (argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            aufruf.fehler = QStringLiteral("Unbekannte Option: ") + argument;
        } else {
            dateien << argument;
        }
    }
    if (!aufruf.fehler.isEmpty()) {
        return aufruf;
    }
    if (dateien.isEmpty()) {
        aufruf.fehler = QStringLiteral("Es fehlen die Vorgabedatei und die Eingabedatei.");
    } else if (dateien.size() == 1) {
        aufruf.fehler = QStringLiteral("Es fehlt die Eingabedatei.");
    } else if (dateien.size() > 2) {
        aufruf.fehler = QString::fromUtf8("Überzähliges Argument: ") + dateien[2];
    } else {
        aufruf.vorgabe = dateien[0];
        aufruf.eingabe = dateien[1];
    }
    return aufruf;
}

// The lines of a text file as the trainer takes them; false after telling why
// the file could not be read.
bool zeilenLesen(const QString& pfad, QStringList& zeilen) {
    const TextFile datei = readTextFile(pfad);
    if (datei.status != TextFileStatus::Ok) {
        ausgeben(stderr, readFailureMessage(datei.status, pfad));
        return false;
    }
    zeilen = withoutFinalLineBreak(datei.text).split(QLatin1Char('\n'));
    return true;
}

// The blanks around a line break give way to the one blank it stands for.
void anfuegen(QString& absatz, const QString& zeile) {
    while (absatz.endsWith(QLatin1Char(' '))) {
        absatz.chop(1);
    }
    qsizetype anfang = 0;
    while (anfang < zeile.size() && zeile[anfang] == QLatin1Char(' ')) {
        ++anfang;
    }
    absatz += QLatin1Char(' ') + zeile.mid(anfang);
}

// The typed file as the trainer's input field would hold it: a paragraph is
// one line, an empty line between two. A line break inside a paragraph is
// where an editor wrapped the text, not a key the learner pressed.
QStringList getipptAufbereiten(const QStringList& dateizeilen) {
    QStringList zeilen;
    QString absatz;
    for (const QString& zeile : dateizeilen) {
        if (zeile.trimmed().isEmpty()) {
            if (!absatz.isEmpty()) {
                zeilen << absatz << QString();
                absatz.clear();
            }
        } else if (absatz.isEmpty()) {
            absatz = zeile;
        } else {
            anfuegen(absatz, zeile);
        }
    }
    if (!absatz.isEmpty()) {
        zeilen << absatz;
    } else if (!zeilen.isEmpty()) {
        zeilen.removeLast();
    }
    return zeilen;
}

// The result lines with "Namenlos" in the name line.
QStringList ergebnis(const Aufruf& aufruf, const QStringList& vorgabezeilen,
                     const QStringList& eingabezeilen) {
    auswertung::Uebung uebung;
    uebung.getippt = getipptAufbereiten(eingabezeilen);
    uebung.vorgabe = vorgabe::absaetze(vorgabezeilen);
    uebung.korrektur = aufruf.korrektur;
    uebung.auswertung = aufruf.auswertung;
    uebung.minuten = aufruf.minuten;
    uebung.anschlaege = anschlaege::neuZaehlen(uebung.getippt);
    return auswertung::fehlerAuswertung(uebung).zeilen;
}

// The result set in the print font, with the marks as styles unless the
// exercise went without evaluation, as RTF into the file of --rtf.
bool rtfSchreiben(const Aufruf& aufruf, const QStringList& zeilen, char* programm) {
    // Setting text in a font needs an application object; it shows nothing,
    // so without a choice of the caller it needs no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt sees none of the command's options.
    int anzahl = 1;
    char* argumente[] = {programm, nullptr};
    QGuiApplication anwendung(anzahl, argumente);
    QFont schrift(kSchrift);
    schrift.setPixelSize(kSchriftPixel);
    QTextDocument dokument;
    auswertung::ergebnisSetzen(dokument, zeilen, aufruf.auswertung, schrift);
    if (!aufruf.name.isEmpty()) {
        // Set after the marks, so that a character of the name is never one.
        QTextCursor cursor(dokument.firstBlock());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(aufruf.name);
    }
    QString fehler;
    if (!writeFileSafely(aufruf.rtf, writeRtf(dokument), &fehler)) {
        ausgeben(stderr, fehler);
        return false;
    }
    return true;
}

} // namespace

// Evaluates a typed text against its reference as the result window of the
// trainer does, for teachers who collect the texts as files. Exit status: 0,
// or 2 when the call is wrong or a file cannot be read or written.
int main(int argc, char** argv) {
    QStringList argumente;
    for (int i = 1; i < argc; ++i) {
        argumente << QString::fromLocal8Bit(argv[i]);
    }
    const Aufruf aufruf = aufrufLesen(argumente);
    if (!aufruf.fehler.isEmpty()) {
        ausgeben(stderr, kAufruf);
        ausgeben(stderr, aufruf.fehler);
        return 2;
    }
    QStringList vorgabezeilen;
    QStringList eingabezeilen;
    const bool vorgabeGelesen = zeilenLesen(aufruf.vorgabe, vorgabezeilen);
    if (!zeilenLesen(aufruf.eingabe, eingabezeilen) || !vorgabeGelesen) {
        return 2;
    }
    QStringList zeilen = ergebnis(aufruf, vorgabezeilen, eingabezeilen);
    if (!aufruf.rtf.isEmpty() && !rtfSchreiben(aufruf, zeilen, argv[0])) {
        return 2;
    }
    if (!aufruf.name.isEmpty()) {
        zeilen.first() = aufruf.name;
    }
    for (const QString& zeile : zeilen) {
        ausgeben(stdout, zeile);
    }
    return 0;
}

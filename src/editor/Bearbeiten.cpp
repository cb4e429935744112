// The editing operations of the editor: clipboard, fonts and styles,
// paragraphs, the command words, the conversion of DOS text, printing.
#include "editor/Texteditor.h"

#include "editor/kommandowoerter.h"
#include "editor/konvertierung.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QAction>
#include <QListWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <memory>

namespace {

// The indents of a printed page, in points.
constexpr qreal kDruckEinzug = 50;
constexpr qreal kDruckRechts = 30;
constexpr int kKonvertiertSchrift = -19;

} // namespace

void TFensterTexteditor::Ausschneiden1Click() {
    textfeld_->cutToClipboard();
}

void TFensterTexteditor::Kopieren1Click() {
    textfeld_->copyToClipboard();
}

void TFensterTexteditor::Einfuegen1Click() {
    textfeld_->pasteFromClipboard();
}

void TFensterTexteditor::Loeschen1Click() {
    textfeld_->deleteSelection();
}

void TFensterTexteditor::Allesmarkieren1Click() {
    textfeld_->selectAll();
}

void TFensterTexteditor::Schriftart1Click() {
    if (const std::optional<QFont> schrift = platform().chooseFont(dialogSchrift_)) {
        dialogSchrift_ = *schrift;
        QTextCharFormat format;
        format.setFont(dialogSchrift_);
        textfeld_->mergeCurrentCharFormat(format);
    }
}

void TFensterTexteditor::SchriftschnittClick(Schnitt schnitt) {
    const bool ohneSchnitt =
        !dialogSchrift_.bold() && !dialogSchrift_.italic() && !dialogSchrift_.underline();
    if (ohneSchnitt) {
        dialogSchrift_ = textfeld_->document()->defaultFont();
        dialogSchrift_.setBold(schnitt == Schnitt::Fett);
        dialogSchrift_.setItalic(schnitt == Schnitt::Kursiv);
        dialogSchrift_.setUnderline(schnitt == Schnitt::Unterstrich);
    } else {
        dialogSchrift_.setBold(false);
        dialogSchrift_.setItalic(false);
        dialogSchrift_.setUnderline(false);
    }
    QTextCharFormat format;
    format.setFont(dialogSchrift_);
    textfeld_->mergeCurrentCharFormat(format);
    textfeld_->setFocus();
}

void TFensterTexteditor::AusrichtenClick(Ausrichtung ausrichtung) {
    links_->setChecked(ausrichtung == Ausrichtung::Links);
    rechts_->setChecked(ausrichtung == Ausrichtung::Rechts);
    zentriert_->setChecked(ausrichtung == Ausrichtung::Zentriert);
    textfeld_->setAlignment(ausrichtung == Ausrichtung::Links    ? Qt::AlignLeft
                            : ausrichtung == Ausrichtung::Rechts ? Qt::AlignRight
                                                                 : Qt::AlignHCenter);
}

void TFensterTexteditor::ButtonAusrichtenClick(Ausrichtung ausrichtung) {
    AusrichtenClick(ausrichtung);
    for (QAction* a : {links_, rechts_, zentriert_}) {
        a->setChecked(false);
    }
    textfeld_->setFocus();
}

void TFensterTexteditor::AufzaehlungClick() {
    QTextCursor cursor = textfeld_->textCursor();
    if (QTextList* liste = cursor.currentList()) {
        // Off again: the paragraph leaves its list and keeps its indent zero.
        liste->remove(cursor.block());
        QTextBlockFormat format = cursor.blockFormat();
        format.setIndent(0);
        cursor.setBlockFormat(format);
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
    textfeld_->setFocus();
}

void TFensterTexteditor::kommandowoerterZeigen(bool sichtbar) {
    kommandoBox_->setVisible(sichtbar);
    if (sichtbar) {
        kommandoBox_->raise();
    } else {
        textfeld_->setFocus();
    }
}

void TFensterTexteditor::KommandowoerterButtonClick() {
    kommandowoerterZeigen(kommandoBox_->isHidden());
}

void TFensterTexteditor::BoxKommandowoerterClick(int index) {
    if (index >= 0 && index < static_cast<int>(kommandowoerter::kListe.size())) {
        textfeld_->insertPlainText(
            QString::fromUtf8(kommandowoerter::kListe[static_cast<std::size_t>(index)].text));
    }
    kommandowoerterZeigen(false);
}

void TFensterTexteditor::ASCIInachANSI1Click() {
    // Line by line, so that the styles of the other lines stay as they are.
    QTextDocument* dokument = textfeld_->document();
    QTextCursor cursor(dokument);
    cursor.beginEditBlock();
    for (QTextBlock block = dokument->begin(); block.isValid(); block = block.next()) {
        const QString neu = konvertierung::asciiNachAnsi(block.text());
        if (neu != block.text()) {
            QTextCursor zeile(block);
            zeile.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            zeile.insertText(neu);
        }
    }
    cursor.endEditBlock();
    // The whole text in the editor's font; the clipboard is not touched.
    textfeld_->setTextFont(QStringLiteral("Courier New"), kKonvertiertSchrift);
    textfeld_->setFocus();
}

void TFensterTexteditor::Drucken1Click() {
    // A copy gets the page indents, so the text on screen and the clipboard
    // stay as they were.
    std::unique_ptr<QTextDocument> druck(textfeld_->document()->clone());
    QTextCursor alles(druck.get());
    alles.select(QTextCursor::Document);
    QTextBlockFormat einzug;
    einzug.setTextIndent(kDruckEinzug);
    einzug.setRightMargin(kDruckRechts);
    alles.mergeBlockFormat(einzug);
    platform().print(*druck, dateiname_);
}

void TFensterTexteditor::Druckereinrichten1Click() {
    platform().printerSetup();
}

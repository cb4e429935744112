// Search and replace in the editor. Every search runs forward from where the
// last one stopped and wraps to the top once a match after the starting
// point has been found in this pass, up to the starting point.
#include "editor/Texteditor.h"

#include "ui/platform.h"
#include "ui/richtextfield.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace {

constexpr int kBisZumEnde = std::numeric_limits<int>::max();
const QString kNichtGefunden = QStringLiteral("Keine weitere Textstelle gefunden.");

} // namespace

int TFensterTexteditor::finden(const FindRequest& anfrage, int von, int laenge) const {
    QTextDocument::FindFlags optionen;
    if (anfrage.matchCase) {
        optionen |= QTextDocument::FindCaseSensitively;
    }
    if (anfrage.wholeWord) {
        optionen |= QTextDocument::FindWholeWords;
    }
    const QTextCursor fund = textfeld_->document()->find(anfrage.searchText, von, optionen);
    if (fund.isNull() || anfrage.searchText.isEmpty()) {
        return -1;
    }
    const qint64 grenze = static_cast<qint64>(von) + laenge;
    return fund.selectionEnd() <= grenze ? fund.selectionStart() : -1;
}

bool TFensterTexteditor::FindDialog1Find(const FindRequest& anfrage) {
    const int auswahl = textfeld_->selectionStart();
    fundstelle_ = finden(anfrage, suchPosition_, suchLaenge_);
    // Back to the top only after a match beyond the starting point.
    if (fundstelle_ < 0 && !umgebrochen_ && auswahl > suchAnfang_) {
        fundstelle_ = finden(anfrage, 0, suchAnfang_);
        umgebrochen_ = fundstelle_ >= 0;
    }
    const bool gefunden = fundstelle_ >= 0;
    if (gefunden) {
        const int laenge = static_cast<int>(anfrage.searchText.size());
        textfeld_->setSelection(fundstelle_, laenge);
        suchPosition_ = fundstelle_ + laenge;
        // After the wrap the pass ends at its starting point.
        if (umgebrochen_) {
            suchLaenge_ = std::max(0, suchAnfang_ - suchPosition_);
        }
    } else {
        platform().message(MessageKind::Information, kNichtGefunden);
    }
    textfeld_->setFocus();
    return gefunden;
}

bool TFensterTexteditor::ReplaceDialogReplace(const FindRequest& anfrage) {
    bool gefunden = true;
    do {
        if (textfeld_->selectionLength() > 0 && textfeld_->selectionStart() < suchPosition_) {
            const int anfang = textfeld_->selectionStart();
            textfeld_->replaceSelection(anfrage.replaceText);
            suchPosition_ = anfang + static_cast<int>(anfrage.replaceText.size());
            // The starting point moves with the text before it.
            if (anfang < suchAnfang_) {
                suchAnfang_ += static_cast<int>(anfrage.replaceText.size()) -
                               static_cast<int>(anfrage.searchText.size());
                suchLaenge_ = std::max(0, suchAnfang_ - suchPosition_);
            }
        }
        gefunden = FindDialog1Find(anfrage);
    } while (anfrage.replaceAll && gefunden);
    return gefunden;
}

void TFensterTexteditor::suchbeginn() {
    suchPosition_ = textfeld_->caretPosition();
    suchAnfang_ = suchPosition_;
    suchLaenge_ = kBisZumEnde;
    umgebrochen_ = false;
}

void TFensterTexteditor::SuchenClick() {
    suchbeginn();
    // The dialog stays until the writer closes it or nothing more is found.
    QString text = textfeld_->selectedPlainText();
    while (const std::optional<FindRequest> anfrage = platform().askFind(text, false)) {
        text = anfrage->searchText;
        if (!FindDialog1Find(*anfrage)) {
            break;
        }
    }
}

void TFensterTexteditor::ErsetzenClick() {
    suchbeginn();
    QString text = textfeld_->selectedPlainText();
    while (const std::optional<FindRequest> anfrage = platform().askFind(text, true)) {
        text = anfrage->searchText;
        if (!ReplaceDialogReplace(*anfrage)) {
            break;
        }
    }
}

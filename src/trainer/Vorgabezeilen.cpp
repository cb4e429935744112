// The seven reference lines above the input field: which lines of the
// reference they show, which one is marked, and the paragraph-end panel.
#include "trainer/Schreibtrainer.h"

#include "trainer/vorgabe.h"
#include "ui/panel.h"
#include "ui/richtextfield.h"

#include <QLineEdit>

namespace {

constexpr int kLetzteBox = 6;

void faerben(QLineEdit* box, const QColor& grund, const QColor& schrift) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, grund);
    palette.setColor(QPalette::Text, schrift);
    box->setPalette(palette);
}

} // namespace

QString TFensterSchreibtrainer::vorgabezeile(int index) const {
    return index >= 0 && index < vorgabezeilenzahl() ? Vorgabetext->displayLine(index) : QString();
}

int TFensterSchreibtrainer::vorgabezeilenzahl() const {
    return Vorgabetext->lineCount() == 0 ? 0 : Vorgabetext->displayLineCount();
}

void TFensterSchreibtrainer::vorgabezeileLeeren(int index) {
    const int absatz = Vorgabetext->paragraphOfDisplayLine(index);
    if (absatz >= 0) {
        Vorgabetext->setLine(absatz, QString());
    }
}

QString TFensterSchreibtrainer::Zeile(int box) const {
    return box >= 0 && box < static_cast<int>(zeilen_.size())
               ? zeilen_[static_cast<std::size_t>(box)]->text()
               : QString();
}

int TFensterSchreibtrainer::MarkierteZeile() const {
    return uebung_.CurrentRefLine - uebung_.ersteZeile;
}

void TFensterSchreibtrainer::zeilenZeichnen(int erste) {
    uebung_.ersteZeile = std::max(0, erste);
    const int markiert = MarkierteZeile();
    const bool folgendeVerdeckt = !Absatzende->isHidden();
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const int box = static_cast<int>(i);
        const QString text = vorgabezeile(uebung_.ersteZeile + box);
        zeilen_[i]->setText(text);
        zeilen_[i]->setCursorPosition(0);
        QColor schrift = text.contains(vorgabe::kRoteZeile) ? Qt::red : Qt::black;
        if (folgendeVerdeckt && box > markiert) {
            schrift = Qt::white;
        }
        faerben(zeilen_[i], box == markiert ? Qt::yellow : Qt::white, schrift);
    }
}

void TFensterSchreibtrainer::markieren(int zeile) {
    uebung_.CurrentRefLine = zeile;
    if (MarkierteZeile() >= kLetzteBox || MarkierteZeile() < 0) {
        // The mark keeps the line before it in view.
        zeilenZeichnen(zeile - 1);
    } else {
        zeilenZeichnen(uebung_.ersteZeile);
    }
}

void TFensterSchreibtrainer::absatzendeZeigen() {
    const int darunter = MarkierteZeile() + 1;
    if (darunter < static_cast<int>(zeilen_.size())) {
        const QRect box = zeilen_[static_cast<std::size_t>(darunter)]->geometry();
        Absatzende->setGeometry(box.translated(TextvorgabeBereich->pos()));
    }
    Absatzende->setVisible(!uebung_.ParagraphEndPending);
    Absatzende->raise();
    // The following paragraph is hidden until this one has ended.
    zeilenZeichnen(uebung_.ersteZeile);
}

void TFensterSchreibtrainer::letzteAbsatzzeileBestimmen() {
    const QString naechste = vorgabezeile(uebung_.CurrentRefLine + 1);
    uebung_.ParagraphLastLine = naechste.contains(vorgabe::kWiederholungsKennung) ||
                                naechste.contains(vorgabe::kEndeKennung) ||
                                naechste.trimmed().isEmpty() ||
                                vorgabezeile(uebung_.CurrentRefLine).trimmed().isEmpty();
}

#include "evaluation/Textanzeige.h"

#include "evaluation/drucktext.h"
#include "evaluation/ergebnisdokument.h"
#include "evaluation/fehlerauswertung.h"
#include "evaluation/fehlerkarte.h"
#include "evaluation/kennzahlen.h"
#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "ui/anordnen.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kSchrift = QStringLiteral("Courier New");
// The print text keeps one size whatever the screen.
constexpr int kDruckSchrift = -16;
const QString kTitel = QStringLiteral(" ... Textanzeige");
const QString kSpeichernTitel = QStringLiteral("Speichern unter");
const QString kFilter = QStringLiteral("RichTextFormat(*.rtf)|*.rtf|Alle Dateien(*.*)|*.*");
const QString kDruckauftrag = QStringLiteral("Kasparo - Ergebnis");
const QString kSpeichernFrage = QStringLiteral("Wollen Sie den Text speichern?");
const QString kFehlerkarte = QStringLiteral("Fehler&karte");
constexpr int kFeldrand = 8;

// The lines into the field in its font; with `markiert` the marks become
// styles.
void darstellen(RichTextField& feld, const QStringList& zeilen, bool markiert, int schrift) {
    feld.setReadOnly(false);
    feld.clearText();
    feld.setTextFont(kSchrift, schrift);
    auswertung::ergebnisSetzen(*feld.document(), zeilen, markiert, feld.font());
    feld.setReadOnly(true);
}

} // namespace

TFensterTextanzeige::TFensterTextanzeige(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterTextanzeige")) {
    setWindowTitle(kTitel);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(QFont(QStringLiteral("Arial")));
    TextAnzeigeFeld = new RichTextField(platform(), this, QStringLiteral("TextAnzeigeFeld"));
    TextAnzeigeFeld->setReadOnly(true);
    TextAnzeigeFeld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextAnzeigeFeld->document()->setDocumentMargin(kFeldrand);
    PanelName = new QWidget(this);
    PanelName->setObjectName(QStringLiteral("PanelName"));
    EingabeAufforderung = new QLabel(QStringLiteral("Geben Sie Ihren Namen ein:"), PanelName);
    EingabeAufforderung->setObjectName(QStringLiteral("EingabeAufforderung"));
    NameEingabe = new QLineEdit(PanelName);
    NameEingabe->setObjectName(QStringLiteral("NameEingabe"));
    EingabeAufforderung->setBuddy(NameEingabe);
    Speichern = new QPushButton(QStringLiteral("&Speichern"), PanelName);
    Speichern->setObjectName(QStringLiteral("Speichern"));
    Drucken = new QPushButton(QStringLiteral("&Drucken"), PanelName);
    Drucken->setObjectName(QStringLiteral("Drucken"));
    Beenden = new QPushButton(QStringLiteral("&Beenden"), PanelName);
    Beenden->setObjectName(QStringLiteral("Beenden"));
    FehlerkarteButton = new QPushButton(kFehlerkarte, PanelName);
    FehlerkarteButton->setObjectName(QStringLiteral("FehlerkarteButton"));
    FehlerkarteButton->hide();
    FehlerkarteAnzeige = new Fehlerkarte(this);
    FehlerkarteAnzeige->hide();
    DruckText = new RichTextField(platform(), this, QStringLiteral("DruckText"));
    DruckText->setReadOnly(true);
    DruckText->hide();
    connect(NameEingabe, &QLineEdit::textChanged, this, &TFensterTextanzeige::NamenEinfuegen);
    connect(Drucken, &QPushButton::clicked, this, &TFensterTextanzeige::DruckenClick);
    connect(Speichern, &QPushButton::clicked, this, &TFensterTextanzeige::SpeichernClick);
    connect(Beenden, &QPushButton::clicked, this, &TFensterTextanzeige::BeendenClick);
    connect(FehlerkarteButton, &QPushButton::clicked, this, &TFensterTextanzeige::FehlerkarteClick);
    Anordnen();
}

void TFensterTextanzeige::Anordnen() {
    const tabellen::Ergebnisfenster& t = tabellen::ergebnisfenster(currentScreenClass(state()));
    setFixedSize(fenstergroesse(state()));
    TextAnzeigeFeld->setGeometry(t.anzeige);
    FehlerkarteAnzeige->setGeometry(t.anzeige);
    PanelName->setGeometry(t.leiste);
    // Two rows inside the bar: the name entry, then the buttons.
    const int rand = t.leiste.height() / 8;
    const int zeile = (t.leiste.height() - 3 * rand) / 2;
    const int breite = t.leiste.width() - 2 * rand;
    const int textBreite = breite * 2 / 5;
    const int knopfBreite = breite / 5;
    EingabeAufforderung->setGeometry(rand, rand, textBreite, zeile);
    NameEingabe->setGeometry(rand + textBreite, rand, breite - textBreite, zeile);
    const int unten = 2 * rand + zeile;
    Speichern->setGeometry(rand, unten, knopfBreite, zeile);
    Drucken->setGeometry(2 * rand + knopfBreite, unten, knopfBreite, zeile);
    FehlerkarteButton->setGeometry(3 * rand + 2 * knopfBreite, unten, knopfBreite, zeile);
    Beenden->setGeometry(rand + breite - knopfBreite, unten, knopfBreite, zeile);
    for (QWidget* w : PanelName->findChildren<QWidget*>()) {
        setzeSchrift(w, t.leistenSchrift);
    }
}

void TFensterTextanzeige::FehlerAuswertung(const QStringList& getippt, const QStringList& vorgabe,
                                           qint64 schreibzeitMs) {
    ProgramState& st = state();
    auswertung::Uebung uebung;
    uebung.getippt = getippt;
    uebung.vorgabe = vorgabe;
    uebung.korrektur = st.TrainerCorrection;
    uebung.auswertung = st.TrainerEvaluation;
    uebung.minuten = st.TrainerMinutes;
    uebung.anschlaege = st.KeystrokeCount;
    const auswertung::Ergebnis ergebnis = auswertung::fehlerAuswertung(uebung);
    errorCount_ = ergebnis.fehler;
    st.UnrecognisedErrors = st.UnrecognisedErrors || ergebnis.unerkannt;
    QStringList zeilen = ergebnis.zeilen;
    if (st.TrainerEvaluation) {
        zeilen +=
            kennzahlen::zeilen(kennzahlen::von(st.KeystrokeCount, ergebnis.fehler, schreibzeitMs));
    }
    fuellen(zeilen, st.TrainerEvaluation);
    FehlerkarteButton->hide();
    // A name given for the last result stands on this one too.
    if (!NameEingabe->text().isEmpty()) {
        TextAnzeigeFeld->setLine(0, NameEingabe->text());
    }
    kopfzeilenSchreiben(st.UnrecognisedErrors);
    EingabeAufforderung->show();
    NameEingabe->show();
    Anzeigen();
    NameEingabe->setFocus();
}

void TFensterTextanzeige::TextZeigen(const QString& text, bool mitNamen,
                                     const kennzahlen::Kennzahlen& figuren) {
    fuellen(QStringList{QString(), QString()} + text.split(QLatin1Char('\n')) +
                kennzahlen::zeilen(figuren),
            false);
    FehlerkarteAnzeige->setKennzahlen(figuren);
    FehlerkarteButton->setVisible(!figuren.verlangtJeTaste.empty());
    kopfzeilenSchreiben(false);
    EingabeAufforderung->setVisible(mitNamen);
    NameEingabe->setVisible(mitNamen);
}

void TFensterTextanzeige::FehlerkarteClick() {
    const bool zeigen = FehlerkarteAnzeige->isHidden();
    FehlerkarteAnzeige->setVisible(zeigen);
    FehlerkarteAnzeige->raise();
    FehlerkarteButton->setText(zeigen ? QStringLiteral("&Text") : kFehlerkarte);
}

void TFensterTextanzeige::fuellen(const QStringList& anzeige, bool markiert) {
    // A new result shows its text first.
    FehlerkarteAnzeige->hide();
    FehlerkarteButton->setText(kFehlerkarte);
    const auswertung::Drucktext druck = auswertung::drucktextBauen(anzeige);
    kopfzeilen_ = druck.kopfzeilen;
    seitenanfaenge_ = druck.seitenanfaenge();
    darstellen(*TextAnzeigeFeld, anzeige, markiert,
               tabellen::ergebnisfenster(currentScreenClass(state())).schrift);
    darstellen(*DruckText, druck.zeilen, markiert, kDruckSchrift);
    // The first way out asks whether to keep the new result.
    TextAnzeigeFeld->setModified(true);
    TextAnzeigeFeld->setCaretPosition(0);
}

void TFensterTextanzeige::Anzeigen() {
    show();
    raise();
    activateWindow();
    TextAnzeigeFeld->setFocus();
}

void TFensterTextanzeige::NamenEinfuegen() {
    const bool geaendert = TextAnzeigeFeld->isModified();
    const QString name = NameEingabe->text();
    TextAnzeigeFeld->setLine(0, name.isEmpty() ? auswertung::kNamenlos : name);
    TextAnzeigeFeld->setModified(geaendert);
    // The hint on stretches not aligned goes with the next change of the name.
    kopfzeilenSchreiben(state().UnrecognisedErrors);
    state().UnrecognisedErrors = false;
}

void TFensterTextanzeige::kopfzeilenSchreiben(bool hinweis) {
    const QString datum = QLocale::system().toString(platform().now().date(), QLocale::ShortFormat);
    const QStringList kopf = auswertung::kopfzeilen(static_cast<int>(kopfzeilen_.size()),
                                                    NameEingabe->text(), datum, hinweis);
    const bool geaendert = DruckText->isModified();
    for (qsizetype s = 0; s < kopfzeilen_.size(); ++s) {
        DruckText->setLine(kopfzeilen_[s], kopf[s]);
    }
    DruckText->setModified(geaendert);
}

std::unique_ptr<QTextDocument> TFensterTextanzeige::druckvorlage() const {
    std::unique_ptr<QTextDocument> vorlage(DruckText->document()->clone());
    for (const int anfang : seitenanfaenge_) {
        QTextCursor cursor(vorlage->findBlockByNumber(anfang));
        QTextBlockFormat format = cursor.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
    }
    // A page as tall as its lines and as wide as a sheet's proportion asks:
    // printing scales it to the sheet, so every page holds its lines.
    vorlage->setTextWidth(DruckText->document()->idealWidth());
    const qreal zeile = vorlage->documentLayout()->blockBoundingRect(vorlage->begin()).height();
    const qreal hoehe = auswertung::kSeitenzeilen * zeile + 2 * vorlage->documentMargin() + 1;
    const QSizeF blatt = QPageSize(QPageSize::A4).size(QPageSize::Point);
    vorlage->setPageSize(QSizeF(hoehe * blatt.width() / blatt.height(), hoehe));
    return vorlage;
}

void TFensterTextanzeige::DruckenClick() {
    if (TextAnzeigeFeld->line(0).isEmpty()) {
        if (NameEingabe->text().isEmpty()) {
            NamenEinfuegen();
        } else {
            NameEingabe->clear();
        }
    }
    const std::unique_ptr<QTextDocument> vorlage = druckvorlage();
    if (!platform().print(*vorlage,
                          gespeichertUnter_.isEmpty() ? kDruckauftrag : gespeichertUnter_)) {
        NameEingabe->setFocus();
    }
}

void TFensterTextanzeige::SpeichernClick() {
    if (!TextAnzeigeFeld->isModified()) {
        return;
    }
    const QString pfad =
        feldSpeichern(*TextAnzeigeFeld, kSpeichernTitel, kFilter, QString(), Speicherart::Rtf);
    if (!pfad.isEmpty()) {
        gespeichertUnter_ = pfad;
        setWindowTitle(QFileInfo(pfad).fileName());
    }
}

void TFensterTextanzeige::BeendenClick() {
    if (TextAnzeigeFeld->isModified()) {
        if (platform().message(MessageKind::Confirmation, kSpeichernFrage, MessageButtons::YesNo) ==
            MessageAnswer::Yes) {
            SpeichernClick();
            // A cancelled or failed save keeps the result on screen.
            if (TextAnzeigeFeld->isModified()) {
                return;
            }
        }
    }
    zumHauptmenue();
}

QStringList TFensterTextanzeige::Anzeigezeilen() const {
    return TextAnzeigeFeld->lines();
}

QStringList TFensterTextanzeige::Druckzeilen() const {
    return DruckText->lines();
}

void TFensterTextanzeige::closeEvent(QCloseEvent* event) {
    event->ignore();
    BeendenClick();
}

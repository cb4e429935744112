#include "trainer/Schreibtrainer.h"

#include "keyboard/Informationen.h"
#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "trainer/vorgabe.h"
#include "ui/anordnen.h"
#include "ui/edition.h"
#include "ui/panel.h"
#include "ui/platform.h"
#include "ui/richtextfield.h"
#include "ui/secondtimer.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>

namespace {

const QString kFilter = QStringLiteral(
    "Schreibtrainer (*.st)|*.st|Zeitschreiben (*.zs)|*.zs|Verlagslernsoftware(*.ver)|*.ver|"
    "Textdateien (*.txt)|*.txt|Alle Dateien(*.*)|*.*");
const QString kStandardendung = QStringLiteral("st");
const QString kEditorTitel = QStringLiteral(" Kasparo  2003          Einfacher Texteditor ");
const QString kOhneText = QString::fromUtf8("Da Sie keinen Text gewählt haben, können Sie\rnur von "
                                            "einer Druck-Vorlage abschreiben.\rDiese Wahl ist im "
                                            "zweiten Schritt zu treffen.");
const QString kWiederholtAbschreiben =
    QString::fromUtf8("Sie können den Text einmal wiederholt abschreiben.");

const QString kHinweisMitKorrektur = QString::fromUtf8(
    "-  Halten Sie die Absätze der Textvorlage (oben) ein.     \r-  Drücken Sie nur am Absatz-Ende "
    "2-mal die Return-Taste. \r-  Korrigieren Sie möglichst nur im aktuellen Absatz.     \r-  "
    "Weitere Korrekturmöglichkeiten nach dem Texterfassen.  \r\rWenn Sie Absätze abweichend von "
    "der Textvorlage machen,   \rkann der Vorgabetext nicht zeilengerecht angezeigt werden.");
const QString kHinweisOhneKorrektur = QString::fromUtf8(
    "                                                          \r-  Halten Sie die Absätze der "
    "Textvorlage (oben) ein.     \r-  Drücken Sie nur am Absatz-Ende 2-mal die Return-Taste. "
    "\r\rWenn Sie Absätze abweichend von der Textvorlage machen,   \rkann der Vorgabetext nicht "
    "zeilengerecht angezeigt werden.");
const QString kHinweisDruckvorlage = QString::fromUtf8(
    "-  Halten Sie die Absätze Ihrer Textvorlage genau ein.    \r-  Drücken Sie nur am Absatz-Ende "
    "2-mal die Return-Taste. \r-  Sie können den Text einmal wiederholt abschreiben.     \r\rWenn "
    "Sie Absätze abweichend von Ihrer Textvorlage machen, \rkann der von Ihnen erfasste Text nicht "
    "ausgewertet werden.");
// The opening hint shows its OK button after three waits of 800 ms.
constexpr int kHinweisWarten = 3;

// Room the input field keeps beside its text: the frame on both sides and a
// vertical scroll bar for the correction phase.
constexpr int kFeldrahmen = 2;
constexpr int kRollbalken = 18;

Panel* anzeige(QWidget* parent, const QString& name, const QString& caption = {}) {
    auto* panel = new Panel(parent, name);
    panel->setCaption(caption);
    panel->setBevel(Panel::Bevel::Lowered);
    return panel;
}

Panel* hinweiszeile(QWidget* parent, const QString& name, const char* text) {
    Panel* zeile = anzeige(parent, name, QString::fromUtf8(text));
    zeile->setBevel(Panel::Bevel::Flat);
    return zeile;
}

} // namespace

TFensterSchreibtrainer::TFensterSchreibtrainer(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterSchreibtrainer")),
      Timer1(platform().createSecondTimer(this)) {
    setFont(QFont(QStringLiteral("Arial")));

    Vorgabetext = new RichTextField(platform(), this, QStringLiteral("Vorgabetext"));
    Vorgabetext->setReadOnly(true);
    Vorgabetext->hide();

    Kopfleiste = new QWidget(this);
    Kopfleiste->setObjectName(QStringLiteral("Kopfleiste"));
    HinweisZeile1 = hinweiszeile(Kopfleiste, QStringLiteral("HinweisZeile1"),
                                 "Die Zeilen von Textvorlage und Eingabefeld können "
                                 "unterschiedlich breit sein.");
    HinweisZeile2 = hinweiszeile(Kopfleiste, QStringLiteral("HinweisZeile2"),
                                 "Schreiben Sie Fließtext. - Nur Absätze beenden Sie mit der "
                                 "RETURN-Taste.");
    Hinweiszeile3 = hinweiszeile(Kopfleiste, QStringLiteral("Hinweiszeile3"),
                                 "Bei Problemen: Sprung zum Anfang des nächstens "
                                 "Absatzes:Taste F1.");
    ZeilenNummernAnzeige = anzeige(Kopfleiste, QStringLiteral("ZeilenNummernAnzeige"));
    BeendenSchreiben = new QPushButton(QStringLiteral("  &Beenden"), Kopfleiste);
    BeendenSchreiben->setObjectName(QStringLiteral("BeendenSchreiben"));
    BeendenSchreiben->setFocusPolicy(Qt::NoFocus);

    TextvorgabeBereich = new QWidget(this);
    TextvorgabeBereich->setObjectName(QStringLiteral("TextvorgabeBereich"));
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        auto* box = new QLineEdit(TextvorgabeBereich);
        box->setObjectName(QStringLiteral("Zeile%1").arg(i));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->installEventFilter(this);
        zeilen_[i] = box;
    }

    Texteingabe = new RichTextField(platform(), this, QStringLiteral("Texteingabe"));
    Texteingabe->setAcceptRichText(false);
    Texteingabe->setContextMenuPolicy(Qt::NoContextMenu);
    Texteingabe->setAcceptDrops(false);
    Texteingabe->installEventFilter(this);
    Texteingabe->viewport()->installEventFilter(this);

    Absatzende = new Panel(this, QStringLiteral("Absatzende"));
    Absatzende->setCaption(QStringLiteral("Beginnen Sie einen neuen Absatz!"));
    Absatzende->setColor(Qt::red);
    Absatzende->setFontColor(Qt::white);
    Absatzende->setAlignment(Qt::AlignCenter);
    Absatzende->hide();

    KorrekturAnzeige = anzeige(this, QStringLiteral("KorrekturAnzeige"));
    KorrekturAnzeige->installEventFilter(this);
    KlickMitKorrektur =
        anzeige(this, QStringLiteral("KlickMitKorrektur"), QStringLiteral("Klick = Mit Korrektur"));
    KlickMitKorrektur->setToolTip(QStringLiteral("Umschalten Schreiben mit Korrektur"));
    KlickMitKorrektur->installEventFilter(this);
    AnschlagsAnzeige = anzeige(this, QStringLiteral("AnschlagsAnzeige"));
    ZeitAnzeige = anzeige(this, QStringLiteral("ZeitAnzeige"));

    HinweisKorrektur = anzeige(this, QStringLiteral("HinweisKorrektur"));
    HinweisKorrektur->hide();
    WeiterNachKorrektur = new QPushButton(QStringLiteral("  &Weiter"), this);
    WeiterNachKorrektur->setObjectName(QStringLiteral("WeiterNachKorrektur"));
    WeiterNachKorrektur->setFocusPolicy(Qt::NoFocus);
    WeiterNachKorrektur->hide();

    connect(BeendenSchreiben, &QPushButton::clicked, this,
            &TFensterSchreibtrainer::BeendenSchreibenClick);
    connect(WeiterNachKorrektur, &QPushButton::clicked, this,
            &TFensterSchreibtrainer::WeiterNachKorrekturClick);
    connect(Texteingabe, &QTextEdit::cursorPositionChanged, this,
            &TFensterSchreibtrainer::TexteingabeChange);
    connect(Timer1.get(), &SecondTimer::timeout, this, &TFensterSchreibtrainer::Timer1Timer);
}

TFensterSchreibtrainer::~TFensterSchreibtrainer() = default;

void TFensterSchreibtrainer::Anschliessen(TFensterInformationen& informationen) {
    informationen_ = &informationen;
    // Once the hint is read, the learner types on where the text is.
    connect(&informationen, &TFensterInformationen::Geschlossen, this, [this] {
        if (isVisible() && !Texteingabe->isHidden()) {
            activateWindow();
            Texteingabe->setFocus();
        }
    });
}

void TFensterSchreibtrainer::Anordnen() {
    anordnenBildschirm(state().TrainerPrintTemplate && !state().TrainerScreenText);
}

void TFensterSchreibtrainer::anordnenBildschirm(bool druckvorlage) {
    const tabellen::Schreibtrainerfenster& t =
        tabellen::schreibtrainerfenster(currentScreenClass(state()));
    setFixedSize(t.fenster);

    const QRect eingabe = druckvorlage ? t.druckEingabe : t.eingabe;
    Texteingabe->setGeometry(eingabe);
    // The reference wraps exactly as the input field does, so that a line
    // typed as it stands ends where its reference line ends.
    const int umbruch = t.eingabe.width() - 2 * kFeldrahmen - kRollbalken;
    for (RichTextField* feld : {Texteingabe, Vorgabetext}) {
        feld->document()->setDocumentMargin(t.rand);
        feld->setFixedWrapWidth(druckvorlage && feld == Texteingabe
                                    ? eingabe.width() - 2 * kFeldrahmen - kRollbalken
                                    : umbruch);
    }
    Vorgabetext->setTextFont(QStringLiteral("Arial"), t.schrift);
    Texteingabe->setTextFont(QStringLiteral("Arial"), t.schrift);

    Kopfleiste->setGeometry(t.kopf);
    const int zeilenhoehe = t.kopf.height() / 3;
    const int rechts = t.kopf.width() / 4;
    const int knopfBreite = rechts * 2 / 3;
    int oben = 0;
    for (Panel* zeile : {HinweisZeile1, HinweisZeile2, Hinweiszeile3}) {
        zeile->setGeometry(0, oben, t.kopf.width() - rechts, zeilenhoehe);
        zeile->setFont(QStringLiteral("Arial"), t.hinweisSchrift);
        oben += zeilenhoehe;
    }
    BeendenSchreiben->setGeometry(t.kopf.width() - knopfBreite, 0, knopfBreite,
                                  zeilenhoehe * 3 / 2);
    setzeSchrift(BeendenSchreiben, t.statusSchrift);
    ZeilenNummernAnzeige->setGeometry(t.kopf.width() - rechts, zeilenhoehe * 2, rechts,
                                      zeilenhoehe);
    ZeilenNummernAnzeige->setFont(QStringLiteral("Arial"), t.hinweisSchrift);

    TextvorgabeBereich->setGeometry(t.eingabe.left(), t.vorgabeOben, t.eingabe.width(),
                                    t.zeilenhoehe * static_cast<int>(zeilen_.size()));
    QFont zeilenschrift(QStringLiteral("Arial"));
    zeilenschrift.setPixelSize(-t.schrift);
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        zeilen_[i]->setGeometry(0, static_cast<int>(i) * t.zeilenhoehe, t.eingabe.width(),
                                t.zeilenhoehe);
        zeilen_[i]->setFont(zeilenschrift);
        zeilen_[i]->setTextMargins(t.rand - kFeldrahmen, 0, 0, 0);
    }
    Absatzende->setFont(QStringLiteral("Arial"), t.schrift, true);

    // The status panels stand in a row below the input field.
    const int statusOben = druckvorlage ? eingabe.bottom() + t.statusHoehe / 2 : t.statusOben;
    const int breite = eingabe.width() / 4;
    int links = eingabe.left();
    for (Panel* panel : {KorrekturAnzeige, KlickMitKorrektur, AnschlagsAnzeige, ZeitAnzeige}) {
        panel->setGeometry(links, statusOben, breite - 8, t.statusHoehe);
        panel->setFont(QStringLiteral("Arial"), t.statusSchrift);
        links += breite;
    }
    // The correction phase speaks in the header's place.
    HinweisKorrektur->setGeometry(t.kopf.left(), t.kopf.top() + zeilenhoehe / 2,
                                  t.kopf.width() - rechts - 10, zeilenhoehe * 2);
    HinweisKorrektur->setFont(QStringLiteral("Arial"), t.statusSchrift, true);
    WeiterNachKorrektur->setGeometry(t.kopf.right() - knopfBreite, t.kopf.top() + zeilenhoehe / 2,
                                     knopfBreite, zeilenhoehe * 2);
    setzeSchrift(WeiterNachKorrektur, t.statusSchrift);
}

void TFensterSchreibtrainer::Vorbereiten() {
    Absatzende->hide();
    ZeitAnzeige->hide();
    Texteingabe->setReadOnly(false);
    Texteingabe->setModified(false);
    Texteingabe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Texteingabe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QString TFensterSchreibtrainer::dateiWaehlen() {
    while (true) {
        const QString pfad =
            platform().openFileName(QStringLiteral("Öffnen"), kFilter, state().StartDirectory);
        if (pfad.isEmpty()) {
            return {};
        }
        const QString mitEndung =
            QFileInfo(pfad).suffix().isEmpty() ? pfad + QLatin1Char('.') + kStandardendung : pfad;
        const QString gewaehlt = QFileInfo::exists(pfad) ? pfad : mitEndung;
        if (QFileInfo(gewaehlt).isFile()) {
            return gewaehlt;
        }
        platform().message(MessageKind::Error, QStringLiteral("Die Datei ") +
                                                   QDir::toNativeSeparators(pfad) +
                                                   QStringLiteral("\r ist nicht vorhanden."));
    }
}

bool TFensterSchreibtrainer::vorgabeLaden(const QString& pfad) {
    RichTextField datei(platform());
    QString fehler;
    if (!datei.loadFile(pfad, &fehler)) {
        platform().message(MessageKind::Error, fehler);
        return false;
    }
    const QStringList zeilen = vorgabe::aufbereiten(datei.lines(), pfad, state().TrainerScreenText);
    if (vorgabe::absaetze(datei.lines()).isEmpty()) {
        platform().message(MessageKind::Error,
                           QStringLiteral("Die Datei \r") + QDir::toNativeSeparators(pfad) +
                               QStringLiteral("\r enthält keinen Text zum Abschreiben."));
        return false;
    }
    Vorgabetext->setLines(zeilen);
    // The separator and the end marker stay one line each.
    for (QTextBlock block = Vorgabetext->document()->begin(); block.isValid();
         block = block.next()) {
        if (block.text().startsWith(vorgabe::kMarkeAnfang)) {
            QTextCursor cursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setNonBreakableLines(true);
            cursor.setBlockFormat(format);
        }
    }
    return true;
}

void TFensterSchreibtrainer::TextVorgabe(const QString& fileName) {
    ProgramState& st = state();
    uebung_ = Uebungszustand{};
    st.UnrecognisedErrors = false;
    Timer1->stop();
    const bool druckvorlage = !st.TrainerScreenText;
    anordnenBildschirm(druckvorlage);
    WeiterNachKorrektur->hide();
    HinweisKorrektur->hide();
    Vorgabetext->clearText();
    setWindowTitle(vorgabe::fenstertitel(QString(), editionsZusatz(st)));

    if (st.TrainerEvaluation || st.TrainerScreenText) {
        QString pfad = fileName;
        while (true) {
            if (pfad.isEmpty()) {
                pfad = dateiWaehlen();
                if (pfad.isEmpty()) {
                    Q_EMIT DateiwahlAbgebrochen();
                    platform().message(MessageKind::Information, kOhneText);
                    return;
                }
            }
            if (vorgabeLaden(pfad)) {
                break;
            }
            if (!fileName.isEmpty()) {
                zurueckZumStart();
                return;
            }
            pfad.clear();
        }
        Q_EMIT DateiGewaehlt();
        uebung_.datei = pfad;
        setWindowTitle(vorgabe::fenstertitel(pfad, editionsZusatz(st)));
    }
    show();
    raise();
    activateWindow();

    Texteingabe->setReadOnly(false);
    Texteingabe->clearText();
    // The scroll bar belongs to the correction phase of the exercise before.
    Texteingabe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Texteingabe->show();
    Texteingabe->setModified(false);
    Kopfleiste->show();
    BeendenSchreiben->show();
    HinweisZeile1->show();
    HinweisZeile2->show();
    if (st.TrainerScreenText) {
        zeilenZeichnen(0);
        markieren(0);
        letzteAbsatzzeileBestimmen();
        Hinweiszeile3->setCaption(
            QString::fromUtf8("Bei Problemen: Sprung zum Anfang des nächstens Absatzes:Taste F1."));
        Hinweiszeile3->show();
        TextvorgabeBereich->show();
    } else {
        TextvorgabeBereich->hide();
        Hinweiszeile3->setCaption(kWiederholtAbschreiben);
        Hinweiszeile3->setVisible(st.TrainerEvaluation);
    }
    Texteingabe->setFocus();
    statusZeigen();
    TexteingabeChange();
    eroeffnungshinweis();
}

void TFensterSchreibtrainer::statusZeigen() {
    ProgramState& st = state();
    ZeilenNummernAnzeige->show();
    Absatzende->hide();
    KorrekturAnzeige->setCaption(st.TrainerCorrection ? QStringLiteral("  Mit Korrektur")
                                                      : QStringLiteral("  Ohne Korrektur"));
    st.KeystrokeCount = 0;
    AnschlagsAnzeige->setCaption(QString::fromUtf8("  Anschläge: 0"));
    st.TrainerMinutes = st.TrainerTimeSeconds / 60;
    ZeitAnzeige->setCaption(vorgabe::zeitvorgabe(st.TrainerMinutes));
    KorrekturAnzeige->show();
    ZeitAnzeige->show();
    AnschlagsAnzeige->show();
    KlickMitKorrektur->hide();
}

void TFensterSchreibtrainer::eroeffnungshinweis() {
    const ProgramState& st = state();
    QString text;
    if (st.TrainerScreenText) {
        text = st.TrainerCorrection ? kHinweisMitKorrektur : kHinweisOhneKorrektur;
    } else if (st.TrainerEvaluation) {
        text = kHinweisDruckvorlage;
    }
    if (!text.isEmpty() && informationen_) {
        informationen_->HinweisChange(text, kHinweisWarten, QStringLiteral("OK"));
    }
}

void TFensterSchreibtrainer::EinfachenEditorOeffnen() {
    ProgramState& st = state();
    ZeitAnzeige->hide();
    TextVorgabe(QString());
    uebung_.einfacherEditor = true;
    setWindowTitle(kEditorTitel);
    HinweisZeile1->hide();
    KlickMitKorrektur->show();
    // No time runs in the editor.
    ZeitAnzeige->hide();
    Texteingabe->setReadOnly(false);
    Texteingabe->clearText();
    Texteingabe->setModified(false);
    Texteingabe->setTextFont(QStringLiteral("Courier New"),
                             tabellen::editorSchrift(currentScreenClass(st)));
    Texteingabe->setFocus();
}

QStringList TFensterSchreibtrainer::Eingabezeilen() const {
    return Texteingabe->lines();
}

QStringList TFensterSchreibtrainer::Vorgabezeilen() const {
    return Vorgabetext->lines();
}

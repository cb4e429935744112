// The editor window: its menu, tool buttons and text field, and the file
// operations with the question on unsaved changes.
#include "editor/Texteditor.h"

#include "editor/kommandowoerter.h"
#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "ui/anordnen.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"
#include "ui/savedirectory.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace {

const QString kOhneNamen = QStringLiteral(" Ohne Namen");
const QString kOeffnenFilter = QString::fromUtf8(
    "Alle Dateien(*.*)|*.*|Tastaturschulung(*.ts)|*.ts|Schreibtrainer(*.st)|*.st|"
    "Zeitschreiben(*.zs)|*.zs|Verlagslernsoftware(*.ver)|*.ver|Nur Text(*.txt)|*.txt|"
    "RichTextFormat(*.rtf)|*.rtf");
const QString kSpeichernFilter =
    QStringLiteral("Nur Text (*.txt)|*.txt|RichTextFormat(*.rtf)|*.rtf|Tastaturschulung(*.ts)|*.ts|"
                   "Schreibtrainer(*.st)|*.st|Verlagslernsoftware(*.ver)|*.ver");
const QString kStandardendung = QStringLiteral("txt");
const QString kFrage = QString::fromUtf8("Sollen die Änderungen gespeichert werden?");
const QString kSchrift = QStringLiteral("Courier New");
// The window's frame around its controls.
constexpr int kRand = 5;
// Height of the row of tool buttons, and of one line of the command-word box.
constexpr std::array<int, 4> kLeistenhoehe{34, 38, 42, 46};
constexpr int kKnopfAbstand = 2;
// The list of findings takes this part of the window's height.
constexpr int kBefundAnteil = 4;
constexpr int kKommandoZeile = 23;
constexpr int kKommandoBreite = 220;
constexpr int kKommandoSchrift = 19;

} // namespace

TFensterTexteditor::TFensterTexteditor(Umgebung umgebung)
    : Fenster(umgebung, QStringLiteral("FensterTexteditor")) {
    setWindowTitle(QStringLiteral("  ... TextEditor - Ruvasko"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint);
    hintergrundFaerben(this, QColor(0xC0, 0xC0, 0xC0));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    setFont(arial);

    textfeld_ = new RichTextField(platform(), this, QStringLiteral("Textfeld"));
    textfeld_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textfeld_->setTabChangesFocus(false);
    textfeld_->setAcceptRichText(true);
    textfeld_->setTextFont(kSchrift, -19);
    textfeld_->viewport()->installEventFilter(this);
    dialogSchrift_ = QFont(kSchrift);
    dialogSchrift_.setPointSize(16);

    menueBauen();
    werkzeugeBauen();

    kommandoBox_ = new QListWidget(this);
    kommandoBox_->setObjectName(QStringLiteral("BoxKommandowoerter"));
    for (const kommandowoerter::Eintrag& e : kommandowoerter::kListe) {
        kommandoBox_->addItem(QString::fromUtf8(e.eintrag));
    }
    QFont lila(QStringLiteral("Arial"));
    lila.setPixelSize(kKommandoSchrift);
    kommandoBox_->setFont(lila);
    kommandoBox_->setStyleSheet(QStringLiteral("QListWidget { color: purple; background: silver; }"
                                               "QListWidget::item { height: %1px; }")
                                    .arg(kKommandoZeile));
    befundListe_ = new QListWidget(this);
    befundListe_->setObjectName(QStringLiteral("Befunde"));
    befundListe_->hide();
    connect(befundListe_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { BefundGewaehlt(befundListe_->row(item)); });
    kommandoBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    kommandoBox_->hide();
    connect(kommandoBox_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { BoxKommandowoerterClick(kommandoBox_->row(item)); });
    Anordnen();
}

void TFensterTexteditor::menueBauen() {
    menue_ = new QMenuBar(this);
    menue_->setObjectName(QStringLiteral("MainMenu"));
    const auto eintrag = [this](QMenu* menu, const QString& text, void (TFensterTexteditor::*op)(),
                                const QKeySequence& taste = {}) {
        QAction* a = menu->addAction(text, this, op);
        a->setShortcut(taste);
        return a;
    };
    QMenu* datei = menue_->addMenu(QStringLiteral("&Datei"));
    eintrag(datei, QStringLiteral("&Neu"), &TFensterTexteditor::Neu1Click,
            QKeySequence(Qt::CTRL | Qt::Key_N));
    eintrag(datei, QString::fromUtf8("Ö&ffnen"), &TFensterTexteditor::Oeffnen1Click,
            QKeySequence(Qt::CTRL | Qt::Key_O));
    eintrag(datei, QString::fromUtf8("S&chließen"), &TFensterTexteditor::Neu1Click);
    datei->addSeparator();
    eintrag(datei, QStringLiteral("&Speichern"), &TFensterTexteditor::Speichern1Click,
            QKeySequence(Qt::CTRL | Qt::Key_S));
    eintrag(datei, QStringLiteral("Speichern &unter"), &TFensterTexteditor::Speichernunter1Click);
    datei->addSeparator();
    eintrag(datei, QStringLiteral("&Drucken"), &TFensterTexteditor::Drucken1Click,
            QKeySequence(Qt::CTRL | Qt::Key_P));
    eintrag(datei, QStringLiteral("Drucker &einrichten"),
            &TFensterTexteditor::Druckereinrichten1Click);
    datei->addSeparator();
    eintrag(datei, QStringLiteral("&Beenden"), &TFensterTexteditor::Beenden1Click);

    QMenu* bearbeiten = menue_->addMenu(QStringLiteral("&Bearbeiten"));
    eintrag(bearbeiten, QStringLiteral("&Ausschneiden"), &TFensterTexteditor::Ausschneiden1Click,
            QKeySequence(Qt::CTRL | Qt::Key_X));
    eintrag(bearbeiten, QStringLiteral("&Kopieren"), &TFensterTexteditor::Kopieren1Click,
            QKeySequence(Qt::CTRL | Qt::Key_C));
    eintrag(bearbeiten, QString::fromUtf8("E&infügen"), &TFensterTexteditor::Einfuegen1Click,
            QKeySequence(Qt::CTRL | Qt::Key_V));
    eintrag(bearbeiten, QString::fromUtf8("&Löschen"), &TFensterTexteditor::Loeschen1Click,
            QKeySequence(Qt::Key_Delete));
    bearbeiten->addSeparator();
    eintrag(bearbeiten, QStringLiteral("&Alles markieren"),
            &TFensterTexteditor::Allesmarkieren1Click, QKeySequence(Qt::CTRL | Qt::Key_A));
    bearbeiten->addSeparator();
    eintrag(bearbeiten, QStringLiteral("&Suchen"), &TFensterTexteditor::SuchenClick,
            QKeySequence(Qt::CTRL | Qt::Key_F));
    eintrag(bearbeiten, QStringLiteral("&Ersetzen"), &TFensterTexteditor::ErsetzenClick,
            QKeySequence(Qt::CTRL | Qt::Key_H));

    QMenu* lektion = menue_->addMenu(QStringLiteral("&Lektion"));
    eintrag(lektion, QString::fromUtf8("Lektion &prüfen"), &TFensterTexteditor::PruefenClick,
            QKeySequence(Qt::Key_F9));
    eintrag(lektion, QStringLiteral("Lektion &ausprobieren"),
            &TFensterTexteditor::AusprobierenClick, QKeySequence(Qt::Key_F5));

    QMenu* format = menue_->addMenu(QStringLiteral("Forma&t"));
    eintrag(format, QStringLiteral("&Schriftart"), &TFensterTexteditor::Schriftart1Click);
    format->addSeparator();
    const auto ausrichtung = [this, format](const QString& text, Ausrichtung a) {
        QAction* aktion = format->addAction(text, this, [this, a] { AusrichtenClick(a); });
        aktion->setCheckable(true);
        return aktion;
    };
    links_ = ausrichtung(QStringLiteral("&Links"), Ausrichtung::Links);
    rechts_ = ausrichtung(QStringLiteral("&Rechts"), Ausrichtung::Rechts);
    zentriert_ = ausrichtung(QStringLiteral("&Zentriert"), Ausrichtung::Zentriert);
    // Shortcuts work while the text field has the focus.
    for (QAction* a : menue_->findChildren<QAction*>()) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
}

QToolButton* TFensterTexteditor::werkzeug(const QString& name, const QString& hinweis,
                                          const Symbol& symbol,
                                          const std::function<void()>& operation) {
    auto* knopf = new QToolButton(werkzeugleiste_);
    knopf->setObjectName(name);
    knopf->setToolTip(hinweis);
    knopf->setAccessibleName(hinweis);
    // The desktop's icon where its theme has one, else one of Qt's own, else
    // a short label of ours.
    if (!symbol.thema.isEmpty() && QIcon::hasThemeIcon(symbol.thema)) {
        knopf->setIcon(QIcon::fromTheme(symbol.thema));
    } else if (symbol.eigenes) {
        knopf->setIcon(style()->standardIcon(*symbol.eigenes));
    } else {
        knopf->setText(symbol.text);
    }
    connect(knopf, &QToolButton::clicked, this, operation);
    knoepfe_.push_back(knopf);
    return knopf;
}

void TFensterTexteditor::werkzeugeBauen() {
    werkzeugleiste_ = new QWidget(this);
    werkzeugleiste_->setObjectName(QStringLiteral("Werkzeugleiste"));
    using T = TFensterTexteditor;
    using S = QStyle;
    const auto op = [this](void (T::*f)()) { return [this, f] { (this->*f)(); }; };
    const auto text = [](const char* thema, const char* kurz) {
        return Symbol{QString::fromLatin1(thema), std::nullopt, QString::fromUtf8(kurz)};
    };
    const auto eigen = [](const char* thema, S::StandardPixmap bild) {
        return Symbol{QString::fromLatin1(thema), bild, QString()};
    };
    werkzeug(QStringLiteral("NeuButton"), QStringLiteral("Neues Dokument"),
             eigen("document-new", S::SP_FileIcon), op(&T::Neu1Click));
    werkzeug(QStringLiteral("OeffnenButton"), QString::fromUtf8("Öffnen eines Dokumentes"),
             eigen("document-open", S::SP_DialogOpenButton), op(&T::Oeffnen1Click));
    werkzeug(QStringLiteral("SchliessenButton"), QString::fromUtf8("Schließen des Dokumentes"),
             eigen("document-close", S::SP_DialogCloseButton), op(&T::Neu1Click));
    werkzeug(QStringLiteral("SpeichernButton"), QStringLiteral("Speichern des Dokumentes"),
             eigen("document-save", S::SP_DialogSaveButton), op(&T::Speichern1Click));
    werkzeug(QStringLiteral("DruckenButton"), QStringLiteral("Drucken des Dokumentes"),
             text("document-print", "Dr"), op(&T::Drucken1Click));
    werkzeug(QStringLiteral("CutButton"), QStringLiteral("Ausschneiden in Zwischenablage"),
             text("edit-cut", "Aus"), op(&T::Ausschneiden1Click));
    werkzeug(QStringLiteral("KopButton"), QStringLiteral("Kopieren in Zwischenablage"),
             text("edit-copy", "Ko"), op(&T::Kopieren1Click));
    werkzeug(QStringLiteral("EinfgButton"), QString::fromUtf8("Einfügen aus Zwischenablage"),
             text("edit-paste", "Ein"), op(&T::Einfuegen1Click));
    werkzeug(QStringLiteral("KonvertierenButton"), QStringLiteral("Konvertieren ASCII-ANSI"),
             text("", "Ä"), op(&T::ASCIInachANSI1Click));
    kommandoKnopf_ = werkzeug(QStringLiteral("KommandoWoerterButton"),
                              QString::fromUtf8("Kommandowörter für Steuerdateien"), text("", "//"),
                              op(&T::KommandowoerterButtonClick));
    werkzeug(QStringLiteral("FettButton"), QStringLiteral("Fett-Schrift"),
             text("format-text-bold", "F"), [this] { SchriftschnittClick(Schnitt::Fett); });
    werkzeug(QStringLiteral("KursivButton"), QStringLiteral("Kursiv-Schrift"),
             text("format-text-italic", "K"), [this] { SchriftschnittClick(Schnitt::Kursiv); });
    werkzeug(QStringLiteral("UnterstrichButton"), QStringLiteral("Unterstrich"),
             text("format-text-underline", "U"),
             [this] { SchriftschnittClick(Schnitt::Unterstrich); });
    werkzeug(QStringLiteral("LinksButton"), QString::fromUtf8("Linksbündig"),
             text("format-justify-left", "Li"),
             [this] { ButtonAusrichtenClick(Ausrichtung::Links); });
    werkzeug(QStringLiteral("ZentriertButton"), QStringLiteral("Zentriert"),
             text("format-justify-center", "Mi"),
             [this] { ButtonAusrichtenClick(Ausrichtung::Zentriert); });
    werkzeug(QStringLiteral("RechtsButton"), QString::fromUtf8("Rechtsbündig"),
             text("format-justify-right", "Re"),
             [this] { ButtonAusrichtenClick(Ausrichtung::Rechts); });
    werkzeug(QStringLiteral("AufzaehlungButton"), QString::fromUtf8("Aufzählungszeichen"),
             text("format-list-unordered", "\u2022"), op(&T::AufzaehlungClick));
    werkzeug(QStringLiteral("PruefenButton"), QString::fromUtf8("Lektion prüfen"),
             text("tools-check-spelling", "\u2713"), op(&T::PruefenClick));
    werkzeug(QStringLiteral("AusprobierenButton"), QStringLiteral("Lektion ausprobieren"),
             eigen("media-playback-start", S::SP_MediaPlay), op(&T::AusprobierenClick));
    werkzeug(QStringLiteral("ZurueckButton"), QStringLiteral("Beenden Texteditor"),
             eigen("application-exit", S::SP_DialogCancelButton), op(&T::Beenden1Click));
}

void TFensterTexteditor::Anordnen() {
    const ScreenClass klasse = currentScreenClass(state());
    setFixedSize(fenstergroesse(state()));
    const int menuehoehe = menue_->sizeHint().height();
    menue_->setGeometry(0, 0, width(), menuehoehe);
    const int leiste = kLeistenhoehe[static_cast<std::size_t>(klasse)];
    werkzeugleiste_->setGeometry(kRand, menuehoehe + kRand, width() - 2 * kRand, leiste);
    // A row of square buttons.
    for (std::size_t i = 0; i < knoepfe_.size(); ++i) {
        knoepfe_[i]->setGeometry(static_cast<int>(i) * (leiste + kKnopfAbstand), 0, leiste, leiste);
        knoepfe_[i]->setIconSize(QSize(leiste * 2 / 3, leiste * 2 / 3));
    }
    const int oben = menuehoehe + leiste + 2 * kRand;
    // The findings of a check take the lower part while they are shown.
    const int befunde = befundListe_->isHidden() ? 0 : height() / kBefundAnteil;
    textfeld_->setGeometry(kRand, oben, width() - 2 * kRand,
                           height() - oben - kRand - (befunde > 0 ? befunde + kRand : 0));
    befundListe_->setGeometry(kRand, height() - kRand - befunde, width() - 2 * kRand, befunde);
    // All thirteen command words at once, without a scroll bar.
    const int zeilen = kommandoBox_->count();
    kommandoBox_->setGeometry(
        std::min(kommandoKnopf_->x() + kRand, width() - kKommandoBreite - kRand), oben,
        kKommandoBreite, zeilen * kommandoBox_->sizeHintForRow(0) + 2 * kommandoBox_->frameWidth());
    kommandoBox_->raise();
    schriftFuerKlasse();
}

void TFensterTexteditor::schriftFuerKlasse() {
    const ProgramState& st = state();
    if (st.ScreenClass800 || st.ScreenClass1024 || st.ScreenClass1152 || st.ScreenClass1280) {
        textfeld_->setTextFont(kSchrift, tabellen::editorSchrift(currentScreenClass(st)));
    }
}

void TFensterTexteditor::Leer() {
    textfeld_->clearText();
    textfeld_->setModified(false);
    schriftFuerKlasse();
    dateiname_.clear();
    richText_ = true;
    titelSetzen();
    show();
    raise();
    activateWindow();
    textfeld_->setFocus();
}

void TFensterTexteditor::titelSetzen() {
    setWindowTitle(dateiname_.isEmpty() ? kOhneNamen : QFileInfo(dateiname_).fileName());
}

bool TFensterTexteditor::aenderungenKlaeren() {
    if (!textfeld_->isModified()) {
        return true;
    }
    switch (platform().message(MessageKind::Confirmation, kFrage, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        Speichern1Click();
        // A cancelled or failed save keeps the text here: nothing is lost.
        return !textfeld_->isModified();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void TFensterTexteditor::Neu1Click() {
    if (!aenderungenKlaeren()) {
        return;
    }
    textfeld_->clearText();
    show();
    textfeld_->setModified(false);
    richText_ = true;
    dateiname_.clear();
    titelSetzen();
}

QString TFensterTexteditor::dateiWaehlen() {
    for (;;) {
        const QString pfad = platform().openFileName(QString::fromUtf8("Öffnen"), kOeffnenFilter,
                                                     state().StartDirectory);
        if (pfad.isEmpty() || QFileInfo(pfad).isFile()) {
            return pfad;
        }
        platform().message(MessageKind::Error, QStringLiteral("Die Datei ") +
                                                   QDir::toNativeSeparators(pfad) +
                                                   QStringLiteral("\r ist nicht vorhanden."));
    }
}

void TFensterTexteditor::Oeffnen1Click() {
    if (!aenderungenKlaeren()) {
        return;
    }
    const QString pfad = dateiWaehlen();
    if (pfad.isEmpty()) {
        return;
    }
    QString fehler;
    // A file that cannot be read leaves the open document as it was: its
    // name must not end up on an empty field that a save would write.
    const bool geladen = textfeld_->loadFile(pfad, &fehler, [this] {
        textfeld_->clearText();
        schriftFuerKlasse();
    });
    if (!geladen) {
        platform().message(MessageKind::Error, fehler);
        return;
    }
    dateiname_ = pfad;
    titelSetzen();
    richText_ = true;
    textfeld_->setCaretPosition(0);
    textfeld_->setModified(false);
}

bool TFensterTexteditor::schreiben() {
    QString fehler;
    const bool gespeichert = richText_ ? textfeld_->saveRtf(dateiname_, &fehler)
                                       : textfeld_->savePlainText(dateiname_, &fehler);
    if (!gespeichert) {
        platform().message(MessageKind::Error, fehler);
        return false;
    }
    textfeld_->setModified(false);
    return true;
}

void TFensterTexteditor::Speichern1Click() {
    if (dateiname_.isEmpty()) {
        Speichernunter1Click();
        return;
    }
    schreiben();
}

void TFensterTexteditor::Speichernunter1Click() {
    QString pfad = platform().saveFileName(
        QStringLiteral("Speichern unter"), kSpeichernFilter,
        dateiname_.isEmpty() ? saveDirectory(state().StartDirectory, QDir::homePath())
                             : QFileInfo(dateiname_).absolutePath(),
        QFileInfo(dateiname_).fileName());
    if (pfad.isEmpty()) {
        return;
    }
    if (QFileInfo(pfad).suffix().isEmpty()) {
        pfad += QLatin1Char('.') + kStandardendung;
    }
    const QString bisher = dateiname_;
    const bool bisherRichText = richText_;
    dateiname_ = pfad;
    titelSetzen();
    // The name decides the mode, as written: only ".rtf" in small letters.
    richText_ = windowTitle().contains(QStringLiteral(".rtf"));
    if (!schreiben()) {
        // Nothing was written there: the document keeps the name it had.
        dateiname_ = bisher;
        richText_ = bisherRichText;
        titelSetzen();
    }
}

void TFensterTexteditor::Beenden1Click() {
    if (!aenderungenKlaeren()) {
        return;
    }
    kommandowoerterZeigen(false);
    zumHauptmenue();
}

void TFensterTexteditor::closeEvent(QCloseEvent* event) {
    event->ignore();
    Beenden1Click();
}

bool TFensterTexteditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textfeld_->viewport() && event->type() == QEvent::MouseButtonPress) {
        kommandowoerterZeigen(false);
    }
    return Fenster::eventFilter(watched, event);
}

QStringList TFensterTexteditor::Skriptzeilen() const {
    return textfeld_->lines();
}

void TFensterTexteditor::PruefenClick() {
    kommandowoerterZeigen(false);
    Q_EMIT PruefungVerlangt();
}

void TFensterTexteditor::BefundeZeigen(const std::vector<Befundzeile>& befunde) {
    befundListe_->clear();
    befundZeilen_.clear();
    if (befunde.empty()) {
        befundListe_->hide();
        Anordnen();
        platform().message(MessageKind::Information,
                           QString::fromUtf8("Die Lektion ist in Ordnung: keine Fehler, keine "
                                             "Hinweise."));
        return;
    }
    for (const Befundzeile& b : befunde) {
        const QString art = b.fehler ? QStringLiteral("Fehler") : QStringLiteral("Hinweis");
        befundListe_->addItem(
            b.zeile > 0
                ? QStringLiteral("Zeile %1: %2: %3").arg(QString::number(b.zeile), art, b.text)
                : QStringLiteral("%1: %2").arg(art, b.text));
        befundZeilen_.push_back(b.zeile);
    }
    befundListe_->show();
    Anordnen();
}

void TFensterTexteditor::BefundGewaehlt(int index) {
    if (index < 0 || index >= static_cast<int>(befundZeilen_.size())) {
        return;
    }
    const int zeile = befundZeilen_[static_cast<std::size_t>(index)];
    const QTextBlock block = textfeld_->document()->findBlockByNumber(std::max(0, zeile - 1));
    if (block.isValid() && zeile > 0) {
        textfeld_->setCaretPosition(block.position());
    }
    textfeld_->setFocus();
}

void TFensterTexteditor::AusprobierenClick() {
    kommandowoerterZeigen(false);
    const QStringList zeilen = Skriptzeilen();
    if (zeilen.isEmpty()) {
        platform().message(MessageKind::Information, QStringLiteral("Diese Lerneinheit ist leer."));
        return;
    }
    hide();
    Q_EMIT Ausprobieren(dateiname_.isEmpty() ? kOhneNamen.trimmed() : dateiname_, zeilen);
}

void TFensterTexteditor::Wiederkehren() {
    show();
    raise();
    activateWindow();
    textfeld_->setFocus();
}

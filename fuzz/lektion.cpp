#include "qtstart.h"

#include "app/anwendung.h"
#include "app/editions.h"
#include "drill/Tastaturschreiben.h"
#include "drill/normalzeile.h"
#include "drill/tastenzeichen.h"
#include "lessons/lektionsdatei.h"
#include "support/testplatform.h"
#include "ui/panel.h"
#include "ui/programstate.h"
#include "ui/richtextfield.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextDocument>

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

// The lesson-script interpreter and the drill window fed a whole script and
// the keystrokes of a learner. The input: one byte of settings, the script
// (Windows-1252 lines), a zero byte, then one byte per keystroke or click.
// After each the drill must hold together: while an exercise runs the
// position in the drill line stays within the line (one past its end at the
// most), and the typed text grows only by what the judged key lets in: a
// dropped key leaves it unchanged, and only a Backspace that a correction
// asks for takes the last character back.

namespace {

const QChar kAt(QLatin1Char('@'));

// Settings byte: bits 0-2 the edition, bits 3-4 the screen, bit 5 whether the
// drill lines are counted as in an own file or as in a catalogue unit.
constexpr std::array<Edition, 7> kEditionen = {
    Edition::Compact,   Edition::School, Edition::Teacher,     Edition::Programmed,
    Edition::SelfStudy, Edition::Office, Edition::HandImpaired};
constexpr std::array<QSize, 4> kBildschirme = {QSize(1024, 768), QSize(800, 600), QSize(1152, 864),
                                               QSize(1280, 960)};

struct Taste {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};

// What a keystroke byte stands for. Bytes below kErwartet type the key the
// drill waits for, so that a run gets through lines, line ends and commands;
// the others are characters and keys from the tables below, and clicks.
enum class Art {
    Taste,
    EscapeJa,
    EscapeNein,
    ImWarten, // the next keystroke arrives while the drill waits in a pause
    Sprung,   // go to the line the next byte names
    SprungAbbrechen,
    TasteiZeile,
    AbbrechenJa,
    AbbrechenNein,
    Schliessen,
    KlickInsFeld,
    Sekunde,
};

struct Ereignis {
    Art art = Art::Taste;
    Taste taste;
};

constexpr std::uint8_t kErwartet = 0x60;

const QString& zeichenTabelle() {
    static const QString kZeichen = QString::fromUtf8(
        "abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ0123456789 .,;:-!?@´`&'\"§$%/"
        "()=+*#_<>éèáàóòúùíìÉ");
    return kZeichen;
}

Taste zeichenTaste(QChar c) {
    if (c == kReturn) {
        return {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
    }
    if (c == kTab) {
        return {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")};
    }
    if (c == kBackspace) {
        return {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")};
    }
    const bool gross = c.isUpper();
    const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
    return {key, gross ? Qt::ShiftModifier : Qt::NoModifier, QString(c)};
}

const std::vector<Ereignis>& sonderTabelle() {
    static const std::vector<Ereignis> kSonder = [] {
        std::vector<Ereignis> s;
        const auto taste = [&s](int key, Qt::KeyboardModifiers mod = Qt::NoModifier,
                                QString text = {}) {
            s.push_back({Art::Taste, {key, mod, std::move(text)}});
        };
        taste(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        taste(Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
        taste(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        s.push_back({Art::EscapeJa, {Qt::Key_Escape, Qt::NoModifier, QString(kEscape)}});
        s.push_back({Art::EscapeNein, {Qt::Key_Escape, Qt::NoModifier, QString(kEscape)}});
        for (int f = Qt::Key_F1; f <= Qt::Key_F12; ++f) {
            taste(f);
        }
        for (int k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                      Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete,
                      Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock}) {
            taste(k);
        }
        // Ctrl gives a control character, Alt the letter, AltGr+Q the at sign.
        for (char c : {'A', 'C', 'V', 'X', 'Z'}) {
            taste(c, Qt::ControlModifier, QString(QChar(c - 'A' + 1)));
        }
        taste(Qt::Key_Backspace, Qt::ControlModifier, QStringLiteral("\b"));
        taste(Qt::Key_A, Qt::AltModifier, QStringLiteral("a"));
        taste(Qt::Key_F4, Qt::AltModifier);
        taste(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@"));
        taste(Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
        for (Art a :
             {Art::ImWarten, Art::Sprung, Art::SprungAbbrechen, Art::TasteiZeile, Art::AbbrechenJa,
              Art::AbbrechenNein, Art::Schliessen, Art::KlickInsFeld, Art::Sekunde}) {
            s.push_back({a, {}});
        }
        return s;
    }();
    return kSonder;
}

// The key the drill waits for: Backspace during a correction (and for the at
// sign of a keyboard exercise), the key of the next character otherwise.
Taste erwarteteTaste(const Einheitszustand& z) {
    if (z.CorrectionPending) {
        return zeichenTaste(kBackspace);
    }
    QChar c = z.CharPos >= 1 && z.CharPos <= z.ScriptLine.size() ? z.ScriptLine.at(z.CharPos - 1)
                                                                 : z.ExpectedChar;
    if (c == kZeilenfuge || c.isNull()) {
        c = QLatin1Char(' ');
    }
    if (c == kAt && z.Modus.tastaturUebung()) {
        c = kBackspace;
    }
    return zeichenTaste(c);
}

// Keys that may take the last character back: Backspace, and the at sign
// that stands for it in a keyboard exercise.
bool loescht(const Taste& t) {
    return t.key == Qt::Key_Backspace || t.text == QLatin1String("@");
}

class Durchlauf {
public:
    Durchlauf(std::uint8_t einstellung, const QStringList& skript) {
        platform_.screenSize = kBildschirme[(einstellung >> 3) & 3];
        anwendung_ = std::make_unique<Anwendung>(platform_,
                                                 kEditionen[(einstellung & 7) % kEditionen.size()]);
        anwendung_->state().StartDirectory = QStringLiteral(KASPARO_DATEN);
        drill_ = &anwendung_->FensterTastaturschreiben();
        // The windows do not repaint themselves after each change, or every
        // pause of the drill would paint them all; an event below paints the
        // drill window on purpose. All are made now, so that none escapes.
        anwendung_->FensterTexteditor();
        anwendung_->FensterLektionen();
        anwendung_->FensterAssi();
        for (QWidget* fenster : anwendung_->fenster()) {
            fenster->setUpdatesEnabled(false);
        }
        QObject::connect(drill_, &TFensterTastaturschreiben::LerneinheitBeendet,
                         [this](bool) { ++enden_; });
        platform_.duringPause = [this](int) { imWartenZustellen(); };
        const int zeilen =
            einstellung & 32 ? eigeneUebungszeilen(skript) : katalogUebungszeilen(skript);
        // As the lesson selection starts a unit.
        drill_->EinheitUebernehmen(QStringLiteral("Fuzz"), leerzeilenNormalisieren(skript), zeilen);
        drill_->Startpause();
        if (enden_ == 0 && !feld().isEmpty()) {
            fuzzstart::verletzt("Lektion: Eingabefeld nicht leer beim Beginn", feld());
        }
        positionPruefen("Beginn");
    }

    ~Durchlauf() {
        platform_.duringPause = nullptr;
        anwendung_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool laeuft() const { return enden_ == 0; }

    // One byte of the input; `naechstes` is the byte after it, for what
    // needs an argument (then `verbraucht` is set).
    void ereignis(std::uint8_t byte, int naechstes, bool& verbraucht) {
        verbraucht = false;
        const Ereignis e = ereignisFuer(byte);
        switch (e.art) {
        case Art::ImWarten:
            if (naechstes >= 0) {
                verbraucht = true;
                const Ereignis warten = ereignisFuer(static_cast<std::uint8_t>(naechstes));
                // A click cannot wait in a pause; the learner presses Escape instead.
                imWarten_.push_back(warten.art == Art::Taste
                                        ? warten.taste
                                        : Taste{Qt::Key_Escape, Qt::NoModifier, QString(kEscape)});
            }
            return;
        case Art::Sprung:
        case Art::SprungAbbrechen:
        case Art::TasteiZeile:
        case Art::AbbrechenJa:
        case Art::AbbrechenNein:
        case Art::Schliessen:
        case Art::KlickInsFeld:
        case Art::Sekunde:
            klick(e.art, naechstes, verbraucht);
            return;
        case Art::EscapeJa:
        case Art::EscapeNein:
        case Art::Taste:
            break;
        }
        const QString vorher = feld();
        const Einheitszustand davor = drill_->zustand();
        const int endenVorher = enden_;
        const bool rechtsAlsTab = anwendung_->state().NumpadMode && drill_->punktTasteAlsTab();
        zugestellt_ = 0;
        rueckschritte_ = loescht(e.taste) ? 1 : 0;
        platform_.messageAnswers.clear();
        if (e.art != Art::Taste) {
            platform_.messageAnswers.push_back(e.art == Art::EscapeJa ? MessageAnswer::Yes
                                                                      : MessageAnswer::No);
        }
        senden(e.taste);
        platform_.messageAnswers.clear();
        const QChar c = beurteiltesZeichen(e.taste.key, e.taste.text, rechtsAlsTab);
        // Without an exercise (a set-up that stopped, as at a //Weg: without
        // a character) nothing is judged and every key goes in; in free mode
        // Backspace deletes too.
        if (!davor.Modus.FreeMode) {
            if (zugestellt_ > 0 || !davor.Modus.irgendeiner()) {
                nichtsVerloren(vorher, "Taste ohne Übung oder mit Tasten in einer Pause");
            } else {
                textPruefen(vorher, davor, c, endenVorher != enden_);
            }
        }
        positionPruefen("Taste");
    }

private:
    Ereignis ereignisFuer(std::uint8_t byte) const {
        if (byte < kErwartet) {
            return {Art::Taste, erwarteteTaste(drill_->zustand())};
        }
        const QString& zeichen = zeichenTabelle();
        const auto& sonder = sonderTabelle();
        const int k = (byte - kErwartet) % static_cast<int>(zeichen.size() + sonder.size());
        if (k < zeichen.size()) {
            return {Art::Taste, zeichenTaste(zeichen.at(k))};
        }
        return sonder[static_cast<std::size_t>(k - zeichen.size())];
    }

    // The field's text as typed: the plain text would turn a typed
    // non-breaking space into a blank.
    QString feld() const {
        QString text = drill_->Texteingabefeld->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }

    void senden(const Taste& t) {
        QKeyEvent druck(QEvent::KeyPress, t.key, t.modifiers, t.text);
        QCoreApplication::sendEvent(drill_->Texteingabefeld, &druck);
        QKeyEvent los(QEvent::KeyRelease, t.key, t.modifiers, t.text);
        QCoreApplication::sendEvent(drill_->Texteingabefeld, &los);
    }

    // A pause lets window events through, so a key typed meanwhile arrives
    // in the middle of whatever waits.
    void imWartenZustellen() {
        if (imWarten_.empty() || enden_ > 0) {
            return;
        }
        const Taste t = imWarten_.front();
        imWarten_.pop_front();
        ++zugestellt_;
        rueckschritte_ += loescht(t) ? 1 : 0;
        senden(t);
    }

    void klick(Art art, int naechstes, bool& verbraucht) {
        const QString vorher = feld();
        zugestellt_ = 0;
        rueckschritte_ = 0;
        platform_.messageAnswers.clear();
        switch (art) {
        case Art::Sprung: {
            int zahl = 0;
            if (naechstes >= 0) {
                verbraucht = true;
                zahl = naechstes;
            }
            drill_->ZeilenNummernClick();
            // Mostly a line of the unit, now and then an entry it refuses.
            QString eingabe;
            if (zahl >= 250) {
                eingabe = zahl == 250 ? QString() : QStringLiteral("3a");
            } else {
                eingabe = QString::number(zahl % (drill_->zustand().DrillLineCount + 3));
            }
            drill_->ZeilNumEingabe->setText(eingabe);
            drill_->OkZeile->click();
            if (!drill_->GeheZuZeile->isHidden()) {
                drill_->EscZeile->click();
            }
            break;
        }
        case Art::SprungAbbrechen:
            drill_->ZeilenNummernClick();
            drill_->EscZeile->click();
            break;
        case Art::TasteiZeile:
            if (!drill_->TasteiZeileButton->isHidden()) {
                drill_->TasteiZeileButton->click();
            }
            break;
        case Art::AbbrechenJa:
        case Art::AbbrechenNein:
            platform_.messageAnswers.push_back(art == Art::AbbrechenJa ? MessageAnswer::Yes
                                                                       : MessageAnswer::No);
            if (!drill_->AbbrechenButton->isHidden()) {
                drill_->AbbrechenButton->click();
            }
            break;
        case Art::Schliessen:
            platform_.messageAnswers.push_back(naechstes % 2 ? MessageAnswer::Yes
                                                             : MessageAnswer::No);
            drill_->close();
            break;
        case Art::KlickInsFeld: {
            QWidget* flaeche = drill_->Texteingabefeld->viewport();
            const QPointF mitte(flaeche->width() / 2.0, flaeche->height() / 2.0);
            QMouseEvent druck(QEvent::MouseButtonPress, mitte, flaeche->mapToGlobal(mitte),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(flaeche, &druck);
            break;
        }
        case Art::Sekunde:
            platform_.advance(1000);
            drill_->setUpdatesEnabled(true);
            (void)drill_->grab();
            drill_->setUpdatesEnabled(false);
            break;
        default:
            break;
        }
        platform_.messageAnswers.clear();
        // A jump or a display switch inside a line closes it with a line
        // break; nothing typed goes.
        if (!drill_->zustand().Modus.FreeMode) {
            nurZeilenumbruch(vorher, "Klick");
        }
        positionPruefen("Klick");
    }

    // The text keeps what it had, less one character for each Backspace
    // that arrived.
    void nichtsVerloren(const QString& vorher, const char* wobei) {
        const QString nachher = feld();
        const qsizetype bleibt = std::max<qsizetype>(0, vorher.size() - rueckschritte_);
        if (!nachher.startsWith(vorher.left(bleibt))) {
            fuzzstart::verletzt("Lektion: Text verloren",
                                QLatin1String(wobei) + QLatin1String("\nvorher: ") + vorher +
                                    QLatin1String("\nnachher: ") + nachher);
        }
    }

    // A click adds at most the line break that closes a line begun.
    void nurZeilenumbruch(const QString& vorher, const char* wobei) {
        nichtsVerloren(vorher, wobei);
        if (zugestellt_ > 0) {
            return;
        }
        const QString nachher = feld();
        const QString neu = nachher.mid(vorher.size());
        if (!neu.isEmpty() && neu != QLatin1String("\n")) {
            fuzzstart::verletzt("Lektion: ohne Taste Text hinzugekommen",
                                QLatin1String(wobei) + QLatin1String("\nvorher: ") + vorher +
                                    QLatin1String("\nnachher: ") + nachher);
        }
    }

    // The change one keystroke made to the typed text: the key's character
    // when the drill took it (with the line break or keypad blank the drill
    // adds), a line break for Return, one character less for a Backspace
    // that a correction asked for, or nothing.
    void textPruefen(const QString& vorher, const Einheitszustand& davor, QChar c, bool beendet) {
        const QString nachher = feld();
        if (nachher == vorher) {
            return;
        }
        const auto fehler = [&](const char* was) {
            fuzzstart::verletzt(was, QLatin1String("Taste ") + QString::number(c.unicode()) +
                                         QLatin1String(" Zeile '") + davor.ScriptLine +
                                         QLatin1String("' Position ") +
                                         QString::number(davor.CharPos) +
                                         QLatin1String("\nvorher: ") + vorher +
                                         QLatin1String("\nnachher: ") + nachher);
        };
        if (c.isNull() || c == kEscape) {
            fehler("Lektion: Taste ohne Zeichen hat den Text geändert");
        }
        // In a keyboard exercise the at sign stands for Backspace, and an
        // at sign typed as such is judged as one.
        const bool wieRueckschritt = c == kBackspace || (c == kAt && davor.Modus.tastaturUebung());
        QString basis = vorher;
        if (wieRueckschritt && davor.CorrectionPending && !nachher.startsWith(vorher)) {
            basis.chop(1);
        }
        if (!nachher.startsWith(basis)) {
            fehler("Lektion: Text verloren oder überschrieben");
        }
        const QString neu = nachher.mid(basis.size());
        const QString zeichen = c == kBackspace || c == kReturn ? QString() : QString(c);
        const bool erlaubt = neu.isEmpty() || neu == QLatin1String("\n") ||
                             (!zeichen.isEmpty() &&
                              (neu == zeichen || neu == zeichen + u'\n' || neu == zeichen + u' '));
        if (!erlaubt) {
            fehler("Lektion: unerwartete Zeichen hinzugekommen");
        }
        if (neu == QLatin1String("\n") && !zeichen.isEmpty() && !wieRueckschritt) {
            fehler("Lektion: Zeilenumbruch statt des Zeichens");
        }
        if (neu.startsWith(zeichen) && !zeichen.isEmpty() && !beendet) {
            // A character that is not the one expected goes in only to be
            // corrected: the correction must be pending now.
            const Taste erwartet = erwarteteTaste(davor);
            const QChar soll = beurteiltesZeichen(erwartet.key, erwartet.text);
            if (c != soll && !(wieRueckschritt && soll == kBackspace) &&
                !drill_->zustand().CorrectionPending) {
                fehler("Lektion: falsche Taste ohne Korrektur im Text");
            }
        }
    }

    void positionPruefen(const char* wobei) {
        if (enden_ > 0) {
            return;
        }
        const Einheitszustand& z = drill_->zustand();
        if (!z.Modus.irgendeiner() || z.Modus.FreeMode) {
            return;
        }
        if (z.CharPos < 1 || z.CharPos > z.ScriptLine.size() + 1) {
            fuzzstart::verletzt("Lektion: CharPos außerhalb der Zeile",
                                QLatin1String(wobei) + QLatin1String(": CharPos ") +
                                    QString::number(z.CharPos) + QLatin1String(" in '") +
                                    z.ScriptLine + QLatin1String("' (Skriptzeile ") +
                                    QString::number(z.ScriptLineIndex) + QLatin1Char(')'));
        }
    }

    TestPlatform platform_;
    std::unique_ptr<Anwendung> anwendung_;
    TFensterTastaturschreiben* drill_ = nullptr;
    int enden_ = 0;
    std::deque<Taste> imWarten_;
    int zugestellt_ = 0;
    int rueckschritte_ = 0;
};

QStringList skriptZeilen(const QByteArray& bytes) {
    QString text = fuzzstart::text(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzstart::anwendungErzeugen(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 2) {
        return 0;
    }
    const QByteArray rest(reinterpret_cast<const char*>(daten + 1),
                          static_cast<qsizetype>(groesse - 1));
    const qsizetype trenner = rest.indexOf('\0');
    const QByteArray skript = trenner < 0 ? rest : rest.left(trenner);
    const QByteArray tasten = trenner < 0 ? QByteArray() : rest.mid(trenner + 1);

    Durchlauf lauf(daten[0], skriptZeilen(skript));
    for (qsizetype i = 0; i < tasten.size() && lauf.laeuft(); ++i) {
        const int naechstes =
            i + 1 < tasten.size() ? static_cast<std::uint8_t>(tasten.at(i + 1)) : -1;
        bool verbraucht = false;
        lauf.ereignis(static_cast<std::uint8_t>(tasten.at(i)), naechstes, verbraucht);
        if (verbraucht) {
            ++i;
        }
    }
    return 0;
}

#include "drill/Tastaturschreiben.h"

#include "keyboard/hervorhebung.h"
#include "layout/screenclass.h"
#include "layout/tabellen.h"
#include "ui/panel.h"
#include "ui/programstate.h"

#include <QGroupBox>
#include <QPushButton>

// The instruction sequences of the drill window: the script's info lines, the
// introduction of the home row and the demonstration of a new finger path.
// They are timed shows; the learner's keys are held off meanwhile.

using tastei::KeyId;
using tastei::KeyLook;

namespace {

const QColor kLime(0, 255, 0);

} // namespace

void TFensterTastaturschreiben::InfozeilenNormal() {
    const ProgramState& st = state();
    const QSize groesse =
        perClass(st, std::array{QSize(670, 27), QSize(845, 30), QSize(940, 33), QSize(1050, 36)});
    const int schrift = perClass(st, std::array{18, 23, 26, 29});
    for (int nummer = 1; nummer <= 5; ++nummer) {
        Panel* zeile = Infozeile(nummer);
        zeile->setCaption(QString());
        zeile->show();
        zeile->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        zeile->setColor(kLime);
        zeile->setFontColor(Qt::black);
        zeile->setFont(QStringLiteral("Arial"), -schrift);
        // Inside the information field's frame, also where the class's line
        // width would reach past it.
        zeile->resize(
            std::min(groesse.width(), InfoFeld->width() - zeile->x() - tabellen::kInfoRand),
            groesse.height());
    }
}

void TFensterTastaturschreiben::InfoImInfofeld(const QString& zeile, int nummer) {
    InfoFeld->show();
    InfoFeld->raise();
    if (nummer <= 100) {
        if (Panel* info = Infozeile(nummer)) {
            info->setCaption(infoText(zeile));
            info->shrinkFontToFit();
        }
        return;
    }
    einheit_.InputBlocked = true;
    Pause((nummer - 100) * 3000);
    InfoFeld->hide();
    einheit_.InputBlocked = false;
}

void TFensterTastaturschreiben::anleitungBeginnen() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{AbbrechenButton, Zeilennummern, KlickZeile, Uhr}) {
        w->hide();
    }
    einheit_.InputBlocked = true;
    bereichZeigen(NormalTastatur);
    InfozeilenNormal();
    InfoFeld->show();
    InfoFeld->raise();
}

void TFensterTastaturschreiben::anleitungBeenden() {
    InfoFeld->hide();
    einheit_.InputBlocked = false;
    for (QWidget* w :
         std::initializer_list<QWidget*>{Uhr, KlickZeile, Zeilennummern, AbbrechenButton}) {
        w->show();
    }
}

void TFensterTastaturschreiben::zeigen(int nummer, const QString& text, Qt::Alignment ausrichtung) {
    Panel* zeile = Infozeile(nummer);
    zeile->setAlignment(ausrichtung | Qt::AlignVCenter);
    zeile->setCaption(text);
    zeile->shrinkFontToFit();
}

void TFensterTastaturschreiben::tasteZeigen(KeyId taste, KeyLook look, bool zweitbelegung) {
    tasteMalen(taste, zweitbelegung, look);
    TastaturZeigen();
}

void TFensterTastaturschreiben::handZeigen(
    const std::array<std::pair<KeyId, const char*>, 4>& tasten, int wartezeit) {
    // Each key of the hand lights up while its line names the finger.
    for (std::size_t i = 0; i < tasten.size(); ++i) {
        tasteZeigen(tasten[i].first, KeyLook::Marked);
        zeigen(int(i) + 2, QString::fromUtf8(tasten[i].second));
        Pause(wartezeit);
        tasteZeigen(tasten[i].first, KeyLook::Shown);
    }
}

void TFensterTastaturschreiben::Grundstellung() {
    anleitungBeginnen();
    TeilTastatur(kGrundreihe);
    raise();
    zeigen(1, QStringLiteral("Das ist das Tasteischema. Es ist in Fingerwege aufgeteilt."));
    zeigen(3, QStringLiteral("Jeder Finger bewegt sich in seiner Fingerbahn, die Sie an"));
    zeigen(4, QStringLiteral("der jeweiligen Farbe erkennen."));
    Pause(15000);

    const std::array<std::tuple<const char*, QColor, QColor>, 4> legende = {{
        {"Zeigefinger", Qt::white, Qt::black},
        {"Mittelfinger", Qt::yellow, Qt::black},
        {"Ringfinger", kLime, Qt::black},
        {"Kleiner Finger", Qt::blue, Qt::white},
    }};
    for (std::size_t i = 0; i < legende.size(); ++i) {
        const auto& [text, farbe, schrift] = legende[i];
        Panel* zeile = Infozeile(int(i) + 1);
        zeigen(int(i) + 1, QString::fromUtf8(text), Qt::AlignHCenter);
        zeile->setColor(farbe);
        zeile->setFontColor(schrift);
    }
    Pause(8000);

    InfozeilenNormal();
    zeigen(1, QStringLiteral("Sie beginnen mit dieser Grundstellung der Finger."),
           Qt::AlignHCenter);
    InfoZeile4->hide();
    InfoZeile3->resize(InfoZeile3->width(), 40);
    InfoZeile3->setFont(QStringLiteral("Arial"), -32);
    InfoZeile3->setFontColor(Qt::red);
    zeigen(3, QString::fromUtf8("Linke Hand:  A S D F        Rechte Hand:  J K L Ö"),
           Qt::AlignHCenter);
    raise();
    Pause(15000);

    InfozeilenNormal();
    zeigen(1, QStringLiteral("Setzen Sie die Finger der linken Hand auf folgende Tasten:"),
           Qt::AlignHCenter);
    Pause(5000);
    const std::array<std::pair<KeyId, const char*>, 4> links = {{
        {KeyId::Key_A, "      A  Kleiner Finger"},
        {KeyId::Key_S, "      S  Ringfinger    "},
        {KeyId::Key_D, "      D  Mittelfinger  "},
        {KeyId::Key_F, "      F  Zeigefinger   "},
    }};
    for (std::size_t i = 0; i < links.size(); ++i) {
        Panel* zeile = Infozeile(int(i) + 2);
        zeile->setFont(QStringLiteral("Courier New"), zeile->font().pixelSize() * -1, true);
        zeile->setFontColor(Qt::red);
    }
    handZeigen(links, 3000);
    zeigen(1, QString());
    Pause(5000);
    zeigen(1, QStringLiteral("Und die Finger der rechten Hand setzen Sie auf die Tasten:"),
           Qt::AlignHCenter);
    Pause(1000);
    const std::array<std::pair<KeyId, const char*>, 4> rechts = {{
        {KeyId::Key_J, "      A  Kleiner Finger        J  Zeigefinger   "},
        {KeyId::Key_K, "      S  Ringfinger            K  Mittelfinger  "},
        {KeyId::Key_L, "      D  Mittelfinger          L  Ringfinger    "},
        {KeyId::Key_Oe, "      F  Zeigefinger           Ö  Kleiner Finger"},
    }};
    handZeigen(rechts, 4000);
    Pause(3000);

    InfozeilenNormal();
    zeigen(3, QString::fromUtf8("Die beiden Daumen befinden sich über der Leertaste."),
           Qt::AlignHCenter);
    Pause(4000);
    InfoZeile3->setFontColor(Qt::red);
    zeigen(3, QString::fromUtf8("Drücken Sie eine Taste nieder, wenn sie ROT markiert ist."),
           Qt::AlignHCenter);
    Pause(4000);
    const std::array reihe{KeyId::Key_A, KeyId::Key_S, KeyId::Key_D, KeyId::Key_F, KeyId::Key_Leer,
                           KeyId::Key_J, KeyId::Key_K, KeyId::Key_L, KeyId::Key_Oe};
    for (int runde = 0; runde < 3; ++runde) {
        for (KeyId taste : reihe) {
            tasteZeigen(taste, KeyLook::Marked);
            Pause(1000);
            tasteZeigen(taste, KeyLook::Shown);
        }
    }

    InfozeilenNormal();
    zeigen(2, QString::fromUtf8("Bei den folgenden Übungen bestimmen Sie das Tempo selbst."));
    Pause(3000);
    zeigen(3, QStringLiteral("Nur wenn Sie die richtige Taste niedergedrückt haben, wird die"));
    zeigen(4, QStringLiteral("folgende Taste rot markiert und Sie können weiter schreiben."));
    Pause(10000);
    InfozeilenNormal();
    anleitungBeenden();
}

void TFensterTastaturschreiben::FingerWegZeigen(const QString& wegChars) {
    einheit_.WegChars = wegChars;
    const ProgramState& st = state();
    const QChar c = einheit_.WegChars.isEmpty() ? QChar() : einheit_.WegChars.at(0);
    anleitungBeginnen();
    Infozeile1->resize(Infozeile1->width(), perClass(st, std::array{36, 40, 44, 48}));
    // At 800 x 600 a 38-pixel font would cut the descenders off the 36-pixel
    // line; 30 pixels fit it.
    Infozeile1->setFont(QStringLiteral("Arial"), -perClass(st, std::array{30, 33, 38, 43}));
    Infozeile1->setFontColor(Qt::red);
    zeigen(1, tastei::fingerwegText(c));
    InfoZeile2->hide();
    zeigen(3, QStringLiteral("Den Finger erkennen Sie an der Farbe der Fingerbahn."));
    zeigen(4,
           QString::fromUtf8("Der Finger geht von der Grundstellung zur neuen Taste und zurück."));
    zeigen(5, QString());

    const QChar klein = c.toLower();
    const auto heim = tastei::vorfuehrungHeimtaste(klein);
    const auto ziel = c == u'{' ? std::optional(KeyId::Key_Tab) : tastei::tasteFuer(c);
    QString menge;
    if (heim) {
        menge = QString(c) + tastei::keyDef(*heim).label.toString().toLower();
    }
    TeilTastatur(menge);
    for (KeyId taste : {KeyId::Key_Return, KeyId::Key_ShiftLinks, KeyId::Key_ShiftRechts}) {
        tasteMalen(taste, false, KeyLook::Blank);
    }
    if (c != u'@') {
        tasteMalen(KeyId::Key_Back, false, KeyLook::Blank);
    }
    if (c != u'{') {
        tasteMalen(KeyId::Key_Tab, false, KeyLook::Blank);
    }
    TastaturZeigen();
    raise();

    if (heim && ziel) {
        const bool zweit = tastei::istZweitbelegung(c);
        Pause(3000);
        for (int runde = 0; runde < 10; ++runde) {
            tasteZeigen(*ziel, KeyLook::Blank, zweit);
            Pause(900);
            tasteMalen(*heim, false, KeyLook::Blank);
            tasteZeigen(*ziel, KeyLook::Shown, zweit);
            Pause(900);
            tasteZeigen(*heim, KeyLook::Shown);
        }
    }

    InfozeilenNormal();
    InfoZeile2->setFontColor(Qt::red);
    zeigen(2, QString::fromUtf8("Gehen Sie nach jedem Anschlag mit dem Finger in die "
                                "Grundstellung zurück."));
    Pause(6000);
    InfoZeile2->setFontColor(Qt::black);
    for (KeyId taste : {KeyId::Key_Tab, KeyId::Key_Back, KeyId::Key_Return, KeyId::Key_ShiftLinks,
                        KeyId::Key_ShiftRechts}) {
        tasteMalen(taste, false, KeyLook::Shown);
    }
    TastaturZeigen();
    anleitungBeenden();
}

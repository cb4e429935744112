#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

#include <set>
#include <utility>

// Where the controls of a window lie: each inside its window or group, and
// no two shown side by side on top of each other.

using Paare = std::set<std::pair<QString, QString>>;

namespace lage {

// Siblings that lie on each other on purpose:
// - the table of the 1280 class lets the drill window's bar (top 30, height
//   38) reach one pixel into the keyboard's frame (top 67);
// - the information field takes the input field's place while it shows, and
//   in the 800 class its table reaches 5 pixels into the keyboard's frame;
// - the information lines are 27 pixels high on a step of 24 in the 800
//   class, lime on lime;
// - the blind keyboard lays the 1 key under the 2 key;
// - the editor's command words open as a list over the text.
inline const Paare kGewollt{
    {QStringLiteral("NormalTastatur"), QStringLiteral("Uhr")},
    {QStringLiteral("NormalTastatur"), QStringLiteral("TasteiZeileButton")},
    {QStringLiteral("NormalTastatur"), QStringLiteral("Zeilennummern")},
    {QStringLiteral("NormalTastatur"), QStringLiteral("KlickZeile")},
    {QStringLiteral("NormalTastatur"), QStringLiteral("AbbrechenButton")},
    {QStringLiteral("Texteingabefeld"), QStringLiteral("InfoFeld")},
    {QStringLiteral("NormalTastatur"), QStringLiteral("InfoFeld")},
    {QStringLiteral("Infozeile1"), QStringLiteral("InfoZeile2")},
    {QStringLiteral("InfoZeile2"), QStringLiteral("InfoZeile3")},
    {QStringLiteral("InfoZeile3"), QStringLiteral("InfoZeile4")},
    {QStringLiteral("InfoZeile4"), QStringLiteral("InfoZeile5")},
    {QStringLiteral("Taste_1"), QStringLiteral("Taste_2")},
    {QStringLiteral("BoxKommandowoerter"), QStringLiteral("Textfeld")},
};

// Controls whose inner parts are Qt's own business.
inline bool geschlossen(const QWidget* w) {
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QMenuBar*>(w);
}

inline QString name(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

inline QString pfad(const QWidget* w) {
    QString p = name(w);
    for (const QWidget* v = w->parentWidget(); v; v = v->parentWidget()) {
        p = name(v) + QLatin1Char('/') + p;
    }
    return p;
}

inline QList<QWidget*> kinder(const QWidget* w) {
    return w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

// Pairs of siblings placed on top of each other on purpose, by name.
inline bool gewollt(const QWidget* a, const QWidget* b, const Paare& paare) {
    return paare.count({name(a), name(b)}) > 0 || paare.count({name(b), name(a)}) > 0;
}

inline void pruefen(const QWidget* eltern, const Paare& paare, QStringList& fehler) {
    if (geschlossen(eltern)) {
        return;
    }
    const QList<QWidget*> liste = kinder(eltern);
    for (const QWidget* k : liste) {
        if (k->isWindow()) {
            continue;
        }
        if (!eltern->rect().contains(k->geometry())) {
            fehler << QStringLiteral("ausserhalb: %1 %2 in %3")
                          .arg(pfad(k))
                          .arg(QStringLiteral("%1,%2 %3x%4")
                                   .arg(k->x())
                                   .arg(k->y())
                                   .arg(k->width())
                                   .arg(k->height()))
                          .arg(QStringLiteral("%1x%2").arg(eltern->width()).arg(eltern->height()));
        }
        pruefen(k, paare, fehler);
    }
    for (qsizetype i = 0; i < liste.size(); ++i) {
        for (qsizetype j = i + 1; j < liste.size(); ++j) {
            const QWidget* a = liste[i];
            const QWidget* b = liste[j];
            if (a->isWindow() || b->isWindow() || a->isHidden() || b->isHidden() ||
                gewollt(a, b, paare)) {
                continue;
            }
            if (a->geometry().intersects(b->geometry())) {
                fehler << QStringLiteral("ueberlappen: %1 / %2").arg(pfad(a), name(b));
            }
        }
    }
}

} // namespace lage

// What is wrong with the places of the window's controls, one line each;
// `gewollt` names the pairs of siblings that lie on each other on purpose.
inline QStringList lagefehler(QWidget* fenster, const Paare& gewollt = {}) {
    // Controls placed by a layout get their places as when shown.
    QList<QWidget*> alle{fenster};
    alle << fenster->findChildren<QWidget*>();
    for (QWidget* w : alle) {
        if (w->layout()) {
            w->layout()->activate();
        }
    }
    QStringList fehler;
    lage::pruefen(fenster, gewollt, fehler);
    return fehler;
}

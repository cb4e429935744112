#pragma once

#include <QString>
#include <QStringList>

// The normal line shows 36 cells of the drill line; it scrolls only when the
// current cell passes the last break (blank, line join or Tab) in view.

inline constexpr int kNormalzellen = 36;
inline constexpr QChar kZeilenfuge(0xAE);     // joins the script lines of a copy text
inline constexpr QChar kKorrekturmarke(0xBB); // where a correction started

struct Normalzeilenfenster {
    QString zellen;  // always 36 characters in view, then what follows
    int aktuell = 1; // 1-based cell of the next character
    int umbruch = 0; // last break within the first 36 cells, 0 for none

    QString sichtbar() const { return zellen.left(kNormalzellen); }
};

Normalzeilenfenster normalzeileBeginnen(const QString& scriptLine);

// After a correct key: the current cell moves on and, past the break, the
// window scrolls the text up to the break off its front.
void normalzeileWeiter(Normalzeilenfenster& fenster);

// What a cell shows of its character.
QString normalzellenText(QChar zeichen, bool aktuell);

// The drill line as the learner types it at its first key: a copy text takes
// the following script lines joined by the line join, a blank before a join
// goes, and a line followed by a drill line gets the blank that joins them.
struct Zeilenvorbereitung {
    bool abschreibtext = false;
    bool numpadMode = false;
};
QString normalzeileVorbereiten(const QStringList& skript, int index, const QString& scriptLine,
                               Zeilenvorbereitung art);

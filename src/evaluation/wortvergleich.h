#pragma once

#include <QString>

// The comparison of one typed paragraph with its reference paragraph, word by
// word: every error is marked in the typed paragraph where it happened.
namespace auswertung {

struct Absatzvergleich {
    QString absatz;         // the typed paragraph with its marks
    int fehler = 0;         // counted errors
    bool unerkannt = false; // a stretch was fenced off with "\" and not counted
};

// `weitereEingabe`: more typed text follows this paragraph, so a paragraph
// the learner left before its end is an error (" <------>").
Absatzvergleich absatzVergleichen(const QString& eingabe, const QString& vorgabe,
                                  bool weitereEingabe);

} // namespace auswertung

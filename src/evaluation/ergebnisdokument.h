#pragma once

#include <QStringList>

class QFont;
class QTextDocument;

namespace auswertung {

// The lines into the document in `schrift`; with `markiert` the marks become
// italic, bold and underline and are removed.
void ergebnisSetzen(QTextDocument& dokument, const QStringList& zeilen, bool markiert,
                    const QFont& schrift);

} // namespace auswertung

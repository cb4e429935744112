#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

// Prints the document on a printer that is already set up, as one job named
// `title`; false when the printer reports an error.
bool printDocument(const QTextDocument& document, QPrinter& printer, const QString& title);

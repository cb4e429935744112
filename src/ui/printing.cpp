#include "ui/printing.h"

#include <QPrinter>
#include <QTextDocument>

bool printDocument(const QTextDocument& document, QPrinter& printer, const QString& title) {
    printer.setDocName(title);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

#include "qtstart.h"

#include "ui/rtfreader.h"

#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// The RTF reader fed arbitrary bytes: it must neither crash nor run away, and
// every character of the document must come from at least one byte of the
// file (a reader that makes text out of nothing is a reader in a loop).

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzstart::anwendungErzeugen(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    QTextDocument dokument;
    readRtf(bytes, dokument);
    // One more for the end of the last paragraph, which every document has.
    if (dokument.characterCount() > bytes.size() + 1) {
        fuzzstart::verletzt("RTF: mehr Zeichen im Dokument als Bytes in der Datei",
                            QString::number(dokument.characterCount()) + QLatin1String(" > ") +
                                QString::number(bytes.size() + 1));
    }
    // The windows lay the document out to show it.
    dokument.setTextWidth(600);
    (void)dokument.size();
    (void)dokument.toPlainText();
    (void)looksLikeRtf(bytes);
    return 0;
}

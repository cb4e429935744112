#include "qtstart.h"

#include "ui/cp1252.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

// A finding of the undefined-behaviour check must stop the run like a crash,
// or libFuzzer would go on past it.
extern "C" const char* __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}

// Fontconfig keeps what it finds at the first use of a font for the rest of
// the process; that is a cache, no leak of the input's work.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace fuzzstart {

namespace {

// Warnings of Qt about the fuzzed input are no finding; a fatal message is.
void meldung(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtFatalMsg) {
        std::fprintf(stderr, "Qt: %s\n", qPrintable(text));
        std::abort();
    }
}

} // namespace

void anwendungErzeugen(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(meldung);
    // Qt sees only the program's name: it would take options of libFuzzer
    // that look like its own out of the list. Both live as long as the
    // process, which libFuzzer ends with exit().
    static int anzahl = 1;
    static char* argumente[] = {*argc > 0 ? (*argv)[0] : nullptr, nullptr};
    static QApplication* anwendung = new QApplication(anzahl, argumente);
    QApplication::setQuitOnLastWindowClosed(false);
    (void)anwendung;
}

void verletzt(const char* regel, const QString& einzelheiten) {
    std::fprintf(stderr, "\n*** Regel verletzt: %s\n%s\n", regel, qPrintable(einzelheiten));
    std::abort();
}

QString text(const QByteArray& bytes) {
    return cp1252::decode(bytes);
}

} // namespace fuzzstart

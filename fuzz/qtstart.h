#pragma once

#include <QByteArray>
#include <QString>

// What every fuzz target needs before its first input: one application object
// on the offscreen platform, and Qt's messages kept off the fuzzer's output.
namespace fuzzstart {

void anwendungErzeugen(int* argc, char*** argv);

// Stops the run with a message that names the broken rule; libFuzzer then
// keeps the input as a finding.
[[noreturn]] void verletzt(const char* regel, const QString& einzelheiten = {});

// A fuzz input's bytes as the files of the program hold them (Windows-1252).
QString text(const QByteArray& bytes);

} // namespace fuzzstart

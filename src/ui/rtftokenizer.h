#pragma once

#include <QByteArray>

#include <utility>

// Splits RTF bytes into groups, control words, control symbols and text.
// Lexical matters stay here: parameters are clamped, overlong words are cut,
// and the data of \binN is stepped over, so the parser never sees it.

struct RtfToken {
    enum class Kind { GroupStart, GroupEnd, Word, Symbol, HexByte, Text, End };

    explicit RtfToken(Kind kind, QByteArray word = {}, int param = 0)
        : kind(kind), word(std::move(word)), param(param) {}

    Kind kind;
    QByteArray word; // control word name, or the bytes of a text run
    int param = 0;   // parameter of a word, byte of \'hh, character of a symbol
    bool hasParam = false;
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray& bytes) : bytes_(bytes) {}

    RtfToken next();

private:
    RtfToken readControl();
    RtfToken readWord();
    RtfToken readHexByte();
    RtfToken readText();
    int readParam(bool* hasParam);
    bool atEnd() const { return pos_ >= bytes_.size(); }
    char peek() const { return bytes_.at(pos_); }

    QByteArray bytes_;
    qsizetype pos_ = 0;
};

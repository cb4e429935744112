#include "ui/rtftokenizer.h"

#include <algorithm>

namespace {

// Longer names are no RTF words; the rest of such a name is read and dropped.
constexpr int kMaxWordLength = 32;
// Far beyond any sensible parameter, and far below overflow.
constexpr qint64 kMaxParam = 1'000'000'000;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Line breaks in the file carry no meaning; other control bytes are junk.
bool isIgnorable(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t';
}

} // namespace

RtfToken RtfTokenizer::next() {
    while (!atEnd()) {
        switch (peek()) {
        case '{':
            ++pos_;
            return RtfToken{RtfToken::Kind::GroupStart};
        case '}':
            ++pos_;
            return RtfToken{RtfToken::Kind::GroupEnd};
        case '\\':
            return readControl();
        default:
            if (RtfToken text = readText(); !text.word.isEmpty()) {
                return text;
            }
        }
    }
    return RtfToken{RtfToken::Kind::End};
}

RtfToken RtfTokenizer::readControl() {
    ++pos_;
    if (atEnd()) {
        return RtfToken{RtfToken::Kind::End};
    }
    const char c = peek();
    if (isLetter(c)) {
        return readWord();
    }
    if (c == '\'') {
        return readHexByte();
    }
    ++pos_;
    if (c == '\r' || c == '\n') {
        return RtfToken{RtfToken::Kind::Word, "par"};
    }
    return RtfToken{RtfToken::Kind::Symbol, {}, static_cast<unsigned char>(c)};
}

RtfToken RtfTokenizer::readWord() {
    RtfToken token(RtfToken::Kind::Word);
    while (!atEnd() && isLetter(peek())) {
        if (token.word.size() < kMaxWordLength) {
            token.word.append(peek());
        }
        ++pos_;
    }
    token.param = readParam(&token.hasParam);
    if (!atEnd() && peek() == ' ') {
        ++pos_;
    }
    if (token.word == "bin" && token.param > 0) {
        pos_ += std::min<qsizetype>(token.param, bytes_.size() - pos_);
    }
    return token;
}

int RtfTokenizer::readParam(bool* hasParam) {
    const bool negative =
        !atEnd() && peek() == '-' && pos_ + 1 < bytes_.size() && isDigit(bytes_.at(pos_ + 1));
    if (negative) {
        ++pos_;
    }
    *hasParam = !atEnd() && isDigit(peek());
    qint64 value = 0;
    while (!atEnd() && isDigit(peek())) {
        value = std::min(kMaxParam, value * 10 + (peek() - '0'));
        ++pos_;
    }
    return static_cast<int>(negative ? -value : value);
}

RtfToken RtfTokenizer::readHexByte() {
    ++pos_;
    int value = 0;
    int digits = 0;
    while (digits < 2 && !atEnd() && hexValue(peek()) >= 0) {
        value = value * 16 + hexValue(peek());
        ++pos_;
        ++digits;
    }
    if (digits == 0) {
        return RtfToken{RtfToken::Kind::Symbol, {}, '\''};
    }
    return RtfToken{RtfToken::Kind::HexByte, {}, value};
}

RtfToken RtfTokenizer::readText() {
    RtfToken token(RtfToken::Kind::Text);
    while (!atEnd()) {
        const char c = peek();
        if (c == '{' || c == '}' || c == '\\') {
            break;
        }
        if (!isIgnorable(c)) {
            token.word.append(c);
        }
        ++pos_;
    }
    return token;
}

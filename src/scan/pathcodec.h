#pragma once

#include <QByteArray>
#include <QString>

// File names on Unix are bytes, not text: a name need not be valid UTF-8. The
// program keeps such names exact by decoding each byte that is not part of a
// valid UTF-8 sequence to a lone surrogate U+DC80..U+DCFF and encoding it back
// to the same byte, so a path survives a round trip through QString. Every
// place where a path crosses between the system and the program (the walk,
// the command line, "Show in folder", file operations) goes through this one
// pair of functions.
namespace pathcodec {

// The bytes of a local file name as text: UTF-8, with every undecodable byte
// as U+DC00 + byte. Each valid UTF-8 sequence is its one character, wherever
// it stands: a U+FEFF is kept (QString::fromUtf8 drops one at the start), so
// are the noncharacters.
QString fromNative(const QByteArray &bytes);
QString fromNative(const char *bytes, qsizetype length);
// Appends fromNative(bytes, length) to text without a temporary string.
void appendNative(QString &text, const char *bytes, qsizetype length);

// The exact inverse of fromNative: lone surrogates U+DC80..U+DCFF become the
// byte they stand for, everything else is written as UTF-8.
QByteArray toNative(const QString &path);

// Compares two paths as their toNative() bytes compare (negative, zero or
// positive): the one order of paths that is the same on every system and
// for every name, whatever the names' bytes. Needs no conversion.
int compareNative(QStringView a, QStringView b);
inline bool nativeLess(QStringView a, QStringView b)
{
    return compareNative(a, b) < 0;
}

// True when the path holds a byte that fromNative could not decode.
bool hasUndecodable(const QString &path);

// The path with only its undecodable bytes written as \xFF, every character
// as it is (control characters too): the exact name as text.
QString bytesEscaped(const QString &path);

// The path as it is shown on one line: undecodable bytes as \xFF, control
// characters as \n, \t, \r or \x1b (C1 controls as \u0085); everything else
// as it is.
QString displayText(const QString &path);

// The path as written to a line-oriented stream (terminal, pipe): like
// displayText, and a backslash is written as \\ so the escapes are unambiguous.
QString escapedLine(const QString &path);

} // namespace pathcodec

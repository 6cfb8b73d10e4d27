#include "scan/pathcodec.h"

namespace pathcodec {

namespace {

constexpr char16_t byteBase = 0xdc00;

bool isEscapedByte(char16_t c)
{
    return c >= 0xdc80 && c <= 0xdcff;
}

// Whether text[i] stands for an undecodable byte: a low surrogate in the
// escape range that is not the second half of a character outside the BMP
// (U+1F480 is U+D83D U+DC80).
bool isEscapedAt(QStringView text, qsizetype i)
{
    return isEscapedByte(text.at(i).unicode()) && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

// Decodes the valid UTF-8 sequence starting at s[0] (at most `left` bytes)
// into value and returns its length, or returns 0 when it is not one:
// overlong forms, surrogates and values above U+10FFFF are invalid, as in any
// strict decoder. Every other value is a character of its own, U+FEFF and the
// noncharacters included: a name keeps them wherever they stand.
int decodeSequence(const unsigned char *s, qsizetype left, char32_t &value)
{
    const unsigned char c = s[0];
    int length;
    char32_t minimum;
    if (c < 0x80) {
        value = c;
        return 1;
    }
    if (c >= 0xc2 && c <= 0xdf) {
        length = 2;
        minimum = 0x80;
        value = c & 0x1f;
    } else if (c >= 0xe0 && c <= 0xef) {
        length = 3;
        minimum = 0x800;
        value = c & 0x0f;
    } else if (c >= 0xf0 && c <= 0xf4) {
        length = 4;
        minimum = 0x10000;
        value = c & 0x07;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((s[i] & 0xc0) != 0x80)
            return 0;
        value = (value << 6) | (s[i] & 0x3f);
    }
    if (value < minimum || value > 0x10ffff || (value >= 0xd800 && value <= 0xdfff))
        return 0;
    return length;
}

enum class Escapes { Bytes, Display, Line };

QString escape(const QString &path, Escapes escapes)
{
    QString text;
    text.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar qc = path.at(i);
        const char16_t c = qc.unicode();
        if (isEscapedAt(path, i)) {
            text += QStringLiteral("\\x%1").arg(unsigned(c - byteBase), 2, 16, QLatin1Char('0'));
        } else if (escapes == Escapes::Bytes) {
            text += qc;
        } else if (c == '\n') {
            text += QLatin1String("\\n");
        } else if (c == '\t') {
            text += QLatin1String("\\t");
        } else if (c == '\r') {
            text += QLatin1String("\\r");
        } else if (c < 0x20 || c == 0x7f) {
            text += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
        } else if (c >= 0x80 && c < 0xa0) {
            // A C1 control character is valid text, two bytes in UTF-8: written
            // as \u0085 so it cannot be taken for the undecodable byte \x85.
            text += QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
        } else if (c == '\\' && escapes == Escapes::Line) {
            text += QLatin1String("\\\\");
        } else {
            text += qc;
        }
    }
    return text;
}

} // namespace

QString fromNative(const char *bytes, qsizetype length)
{
    QString text;
    appendNative(text, bytes, length);
    return text;
}

void appendNative(QString &text, const char *bytes, qsizetype length)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes);
    // Nearly every name is plain ASCII: copy those at once.
    qsizetype i = 0;
    while (i < length && s[i] < 0x80)
        ++i;
    text.append(QLatin1StringView(bytes, i));
    if (i == length)
        return;
    text.reserve(text.size() + length - i);
    // Decoded here rather than by QString::fromUtf8, which takes a U+FEFF at
    // the start of its input for a byte-order mark and drops it.
    while (i < length) {
        char32_t value = 0;
        const int n = decodeSequence(s + i, length - i, value);
        if (n == 0) {
            text += QChar(char16_t(byteBase + s[i]));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(value)) {
            text += QChar(QChar::highSurrogate(value));
            text += QChar(QChar::lowSurrogate(value));
        } else {
            text += QChar(char16_t(value));
        }
        i += n;
    }
}

QString fromNative(const QByteArray &bytes)
{
    return fromNative(bytes.constData(), bytes.size());
}

QByteArray toNative(const QString &path)
{
    if (!hasUndecodable(path))
        return path.toUtf8();
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path.at(i).unicode();
        if (isEscapedAt(path, i)) {
            bytes += QStringView(path).mid(start, i - start).toUtf8();
            bytes += char(c - byteBase);
            start = i + 1;
        }
    }
    bytes += QStringView(path).mid(start).toUtf8();
    return bytes;
}

namespace {

// The bytes toNative() would write for a path, one at a time.
class NativeBytes
{
public:
    NativeBytes(QStringView text, qsizetype from) : text(text), next(from) { }

    // The next byte, or -1 at the end.
    int take()
    {
        if (taken == filled) {
            if (next == text.size())
                return -1;
            fill();
        }
        return bytes[taken++];
    }

private:
    void fill()
    {
        taken = 0;
        char32_t c = text.at(next++).unicode();
        if (isEscapedByte(char16_t(c))) {
            bytes[0] = int(c - byteBase);
            filled = 1;
            return;
        }
        if (QChar::isHighSurrogate(c) && next < text.size() && text.at(next).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text.at(next++).unicode());
        else if (QChar::isSurrogate(c))
            c = 0xfffd; // a lone surrogate, which toUtf8() writes as U+FFFD
        if (c < 0x80) {
            bytes[0] = int(c);
            filled = 1;
        } else if (c < 0x800) {
            bytes[0] = int(0xc0 | (c >> 6));
            bytes[1] = int(0x80 | (c & 0x3f));
            filled = 2;
        } else if (c < 0x10000) {
            bytes[0] = int(0xe0 | (c >> 12));
            bytes[1] = int(0x80 | ((c >> 6) & 0x3f));
            bytes[2] = int(0x80 | (c & 0x3f));
            filled = 3;
        } else {
            bytes[0] = int(0xf0 | (c >> 18));
            bytes[1] = int(0x80 | ((c >> 12) & 0x3f));
            bytes[2] = int(0x80 | ((c >> 6) & 0x3f));
            bytes[3] = int(0x80 | (c & 0x3f));
            filled = 4;
        }
    }

    QStringView text;
    qsizetype next;
    int bytes[4] = {};
    int filled = 0;
    int taken = 0;
};

} // namespace

int compareNative(QStringView a, QStringView b)
{
    // Equal code units give equal bytes: skip the common start, stepping back
    // to the start of a surrogate pair the difference falls into.
    qsizetype common = 0;
    const qsizetype shorter = qMin(a.size(), b.size());
    while (common < shorter && a.at(common) == b.at(common))
        ++common;
    if (common > 0 && a.at(common - 1).isHighSurrogate())
        --common;
    NativeBytes left(a, common);
    NativeBytes right(b, common);
    for (;;) {
        const int x = left.take();
        const int y = right.take();
        if (x != y || x < 0)
            return x - y;
    }
}

bool hasUndecodable(const QString &path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapedAt(path, i))
            return true;
    }
    return false;
}

QString bytesEscaped(const QString &path)
{
    return escape(path, Escapes::Bytes);
}

QString displayText(const QString &path)
{
    return escape(path, Escapes::Display);
}

QString escapedLine(const QString &path)
{
    return escape(path, Escapes::Line);
}

} // namespace pathcodec

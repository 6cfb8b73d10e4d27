#include "scan/pathcodec.h"

namespace pathcodec {

namespace {

constexpr char16_t byteBase = 0xdc00;

bool isEscapedByte(char16_t c)
{
    return c >= 0xdc80 && c <= 0xdcff;
}

// Length of the valid UTF-8 sequence starting at s[0] (at most `left` bytes),
// or 0 when it is not one: overlong forms, surrogates and values above
// U+10FFFF are invalid, as in any strict decoder.
int validSequenceLength(const unsigned char *s, qsizetype left)
{
    const unsigned char c = s[0];
    int length;
    char32_t minimum;
    char32_t value;
    if (c < 0x80)
        return 1;
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

QString escape(const QString &path, bool escapeBackslash)
{
    QString text;
    text.reserve(path.size());
    for (const QChar qc : path) {
        const char16_t c = qc.unicode();
        if (isEscapedByte(c)) {
            text += QStringLiteral("\\x%1").arg(unsigned(c - byteBase), 2, 16, QLatin1Char('0'));
        } else if (c == '\n') {
            text += QLatin1String("\\n");
        } else if (c == '\t') {
            text += QLatin1String("\\t");
        } else if (c == '\r') {
            text += QLatin1String("\\r");
        } else if (c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0)) {
            text += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
        } else if (c == '\\' && escapeBackslash) {
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
    const auto *s = reinterpret_cast<const unsigned char *>(bytes);
    // Nearly every name is plain ASCII or valid UTF-8: decode those at once.
    qsizetype i = 0;
    while (i < length && s[i] < 0x80)
        ++i;
    if (i == length)
        return QString::fromLatin1(bytes, length);

    QString text = QString::fromLatin1(bytes, i);
    text.reserve(length);
    while (i < length) {
        const int n = validSequenceLength(s + i, length - i);
        if (n == 0) {
            text += QChar(char16_t(byteBase + s[i]));
            ++i;
        } else {
            text += QString::fromUtf8(bytes + i, n);
            i += n;
        }
    }
    return text;
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
        if (isEscapedByte(c)) {
            bytes += QStringView(path).mid(start, i - start).toUtf8();
            bytes += char(c - byteBase);
            start = i + 1;
        }
    }
    bytes += QStringView(path).mid(start).toUtf8();
    return bytes;
}

bool hasUndecodable(const QString &path)
{
    for (const QChar c : path) {
        if (isEscapedByte(c.unicode()))
            return true;
    }
    return false;
}

QString displayText(const QString &path)
{
    return escape(path, false);
}

QString escapedLine(const QString &path)
{
    return escape(path, true);
}

} // namespace pathcodec

#include "net/updateprotocol.h"

#include <QStringList>

namespace updateprotocol {

QString version()
{
    return QStringLiteral(VASTREL_VERSION);
}

QString checkUpdatePath()
{
    return QStringLiteral("/vastrel/checkupdate");
}

namespace {

// "host" or "host:port" with a port from 1 to 65535; false if malformed.
bool parseServer(const QString &value, Server &out)
{
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() > 2 || parts.first().isEmpty() || value.contains(QLatin1Char(' ')))
        return false;
    Server parsed {parts.first(), 80};
    if (parts.size() == 2) {
        bool ok = false;
        const uint port = parts.at(1).toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return false;
        parsed.port = quint16(port);
    }
    out = parsed;
    return true;
}

} // namespace

Server server()
{
    Server result {QStringLiteral(VASTREL_UPDATE_HOST), 80};
    const QString configured = qEnvironmentVariable("VASTREL_UPDATE_HOST").trimmed();
    if (!configured.isEmpty())
        parseServer(configured, result);
    return result;
}

QString answerText(const QByteArray &body)
{
    const qsizetype nul = body.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? body : body.left(nul));
}

QString debugExcerpt(const QByteArray &body)
{
    return debugExcerpt(answerText(body));
}

QString debugExcerpt(const QString &text)
{
    if (text.size() <= debugExcerptLength)
        return text;
    return text.left(debugExcerptLength) +
        QStringLiteral("... (%1 more characters)").arg(text.size() - debugExcerptLength);
}

Verdict judge(const QByteArray &body)
{
    const QString text = answerText(body);
    if (text.isEmpty())
        return {Verdict::Empty, {}, {}};
    if (text.contains(version()))
        return {Verdict::UpToDate, {}, {}};
    const QString separator = QStringLiteral("##");
    if (text.contains(separator)) {
        const QStringList fields = text.split(separator, Qt::KeepEmptyParts);
        return {Verdict::NewVersion, fields.at(0), fields.at(1)};
    }
    return {Verdict::Maintenance, {}, {}};
}

QString capped(const QString &text, int max)
{
    if (text.size() <= max)
        return text;
    int end = qMax(max, 0);
    if (end > 0 && text.at(end - 1).isHighSurrogate())
        --end;
    return text.left(end);
}

QString feedbackPath(const QString &message, const QString &mail)
{
    const auto encode = [](const QString &text) {
        return QString::fromLatin1(text.toUtf8().toPercentEncoding());
    };
    return QStringLiteral("/vastrel/fedback?msg=") + encode(capped(message, maxFeedbackLength)) +
        QStringLiteral("&email=") + encode(capped(mail, maxMailLength));
}

QUrl downloadUrl(const QString &address)
{
    const QUrl url(address.trimmed(), QUrl::TolerantMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

} // namespace updateprotocol

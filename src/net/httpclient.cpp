#include "net/httpclient.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkRequest>
#include <QUrl>

#include <utility>

namespace {

// Loopback never goes through a proxy, whatever the application sets for the
// rest of the world; elsewhere the application's proxy setting applies.
QNetworkProxy proxyFor(const QString &host)
{
    const QHostAddress address(host);
    const bool loopback = host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
        (!address.isNull() && address.isLoopback());
    return QNetworkProxy(loopback ? QNetworkProxy::NoProxy : QNetworkProxy::DefaultProxy);
}

} // namespace

HttpClient::HttpClient(QObject *parent)
    : QObject(parent), manager(std::make_unique<QNetworkAccessManager>())
{
    qRegisterMetaType<HttpResponseHeader>();
    manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    deadlineTimer.setSingleShot(true);
    // A coarse timer may fire 5% late: 1.5 s past a 30 s deadline.
    deadlineTimer.setTimerType(Qt::PreciseTimer);
    connect(&deadlineTimer, &QTimer::timeout, this, [this] { giveUp(timedOutText(deadline)); });
}

HttpClient::~HttpClient()
{
    // Replies still running are aborted when the manager goes; their last
    // finished() must not reach a client that is half destroyed.
    const auto replies = manager->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies)
        reply->disconnect(this);
}

int HttpClient::setHost(const QString &newHost, quint16 newPort)
{
    return enqueue({0, false, newHost, newPort, {}});
}

int HttpClient::get(const QString &path)
{
    return enqueue({0, true, {}, 0, path});
}

QByteArray HttpClient::readAll()
{
    return std::exchange(body, {});
}

QString HttpClient::errorString() const
{
    return error;
}

void HttpClient::setSizeLimit(qint64 bytes)
{
    limit = qMax<qint64>(bytes, 0);
}

qint64 HttpClient::sizeLimit() const
{
    return limit;
}

void HttpClient::setDeadline(int milliseconds)
{
    deadline = qMax(milliseconds, 1);
}

int HttpClient::deadlineMs() const
{
    return deadline;
}

QString HttpClient::tooLargeText(qint64 limit)
{
    const QString size =
        limit % 1024 == 0 ? tr("%1 KiB").arg(limit / 1024) : tr("%1 bytes").arg(limit);
    return tr("The server's answer was too large (more than %1); it was cut off.").arg(size);
}

QString HttpClient::timedOutText(int milliseconds)
{
    return tr("The request timed out: no complete answer within %1 seconds.")
        .arg(QString::number(milliseconds / 1000.0));
}

bool HttpClient::isTransportFailure(QNetworkReply::NetworkError error, bool hasStatus)
{
    if (error == QNetworkReply::NoError)
        return false;
    // Errors below 200 are connection, transfer and proxy failures; a protocol
    // failure is a reply that could not be read as HTTP. The rest only mirror
    // the status code of an answer that did arrive.
    return !hasStatus || error < QNetworkReply::ContentAccessDenied ||
        error == QNetworkReply::ProtocolFailure;
}

int HttpClient::enqueue(Request request)
{
    request.id = ++lastId;
    queue.enqueue(request);
    // Start from the event loop, so that every requestFinished() reaches the
    // caller after it has seen the id this call returns.
    if (!busy) {
        busy = true;
        QMetaObject::invokeMethod(this, &HttpClient::startNext, Qt::QueuedConnection);
    }
    return request.id;
}

void HttpClient::startNext()
{
    while (!queue.isEmpty()) {
        const Request request = queue.dequeue();
        if (request.isGet) {
            startGet(request);
            return;
        }
        host = request.host;
        port = request.port;
        manager->setProxy(proxyFor(host));
        emit requestFinished(request.id, false);
    }
    busy = false;
}

void HttpClient::startGet(const Request &request)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    const qsizetype query = request.path.indexOf(QLatin1Char('?'));
    url.setPath(request.path.left(query), QUrl::TolerantMode);
    if (query >= 0)
        url.setQuery(request.path.mid(query + 1), QUrl::TolerantMode);

    QNetworkRequest networkRequest(url);
    networkRequest.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // Qt would inflate a compressed body before it is counted here, so a small
    // answer could unpack into gigabytes; asking for none keeps the bytes
    // counted the bytes that arrived (a body compressed anyway stays packed).
    networkRequest.setRawHeader("Accept-Encoding", "identity");
    received.clear();
    abortReason.clear();
    QNetworkReply *reply = manager->get(networkRequest);
    current = reply;
    // Qt stops reading from the socket while this much waits unread, so a
    // fast server cannot pile up more than the limit behind readPart().
    reply->setReadBufferSize(limit + 1);
    const int id = request.id;
    connect(reply, &QNetworkReply::metaDataChanged, this, &HttpClient::checkAnnouncedLength);
    connect(reply, &QIODevice::readyRead, this, &HttpClient::readPart);
    connect(reply, &QNetworkReply::finished, this, [this, id, reply] { getFinished(id, reply); });
    // The deadline covers the whole exchange, so a server that sends a byte
    // now and then cannot keep the request, and every one queued behind it,
    // alive for ever.
    deadlineTimer.start(deadline);
}

// Takes what has arrived, one byte more than the limit at most, and gives the
// GET up as soon as the body has grown past the limit.
void HttpClient::readPart()
{
    if (!current || !abortReason.isEmpty())
        return;
    received += current->read(limit + 1 - received.size());
    if (received.size() > limit)
        giveUp(tooLargeText(limit));
}

// A body announced larger than the limit is refused before it arrives.
void HttpClient::checkAnnouncedLength()
{
    if (!current)
        return;
    const QVariant length = current->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > limit)
        giveUp(tooLargeText(limit));
}

void HttpClient::giveUp(const QString &why)
{
    if (!current || !abortReason.isEmpty())
        return;
    abortReason = why;
    // Ends the reply with finished(), which reports the error and starts the
    // next request.
    current->abort();
}

void HttpClient::getFinished(int id, QNetworkReply *reply)
{
    deadlineTimer.stop();
    reply->disconnect(this);
    reply->deleteLater();
    current = nullptr;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    bool failed = true;
    if (!abortReason.isEmpty()) {
        error = std::exchange(abortReason, {});
    } else if (isTransportFailure(reply->error(), status.isValid())) {
        error = reply->errorString();
    } else {
        received += reply->read(limit + 1 - received.size());
        failed = received.size() > limit || reply->bytesAvailable() > 0;
        if (failed)
            error = tooLargeText(limit);
    }
    if (failed) {
        received.clear();
    } else {
        body = std::exchange(received, {});
        if (!body.isEmpty()) {
            HttpResponseHeader header;
            header.statusCode = status.toInt();
            header.reasonPhrase =
                reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
            emit readyRead(header);
        }
    }
    emit requestFinished(id, failed);
    startNext();
}

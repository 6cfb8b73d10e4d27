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
    networkRequest.setTransferTimeout(transferTimeoutMs);
    QNetworkReply *reply = manager->get(networkRequest);
    const int id = request.id;
    connect(reply, &QNetworkReply::finished, this, [this, id, reply] { getFinished(id, reply); });
}

void HttpClient::getFinished(int id, QNetworkReply *reply)
{
    reply->deleteLater();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool failed = isTransportFailure(reply->error(), status.isValid());
    if (failed) {
        error = reply->errorString();
    } else {
        body = reply->readAll();
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

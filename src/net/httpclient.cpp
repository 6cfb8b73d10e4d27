#include "net/httpclient.h"

#include "net/httpresponse.h"

#include <climits>

#include <QHostAddress>
#include <QNetworkProxy>
#include <QTcpSocket>
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

// Read in pieces of this size, so one burst of a fast server never takes more
// than this past the limits before they are checked.
constexpr qint64 readPiece = 16 * 1024;

} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<HttpResponseHeader>();
    deadlineTimer.setSingleShot(true);
    // A coarse timer may fire 5% late: 1.5 s past a 30 s deadline.
    deadlineTimer.setTimerType(Qt::PreciseTimer);
    connect(&deadlineTimer, &QTimer::timeout, this, [this] { endGet(timedOutText(deadline)); });
}

HttpClient::~HttpClient()
{
    // A connection still open goes first: its last signals must not reach a
    // client that is half destroyed.
    if (socket) {
        socket->disconnect(this);
        delete socket;
    }
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
    const QString size = limit % 1024 == 0
        ? tr("%1 KiB").arg(limit / 1024)
        : tr("%1 bytes", nullptr, int(qMin<qint64>(limit, INT_MAX))).arg(limit);
    return tr("The server's answer was too large (more than %1); it was cut off.").arg(size);
}

QString HttpClient::timedOutText(int milliseconds)
{
    return tr("The request timed out: no complete answer within %1 seconds.")
        .arg(QString::number(milliseconds / 1000.0));
}

// By hand rather than QByteArray::toPercentEncoding(), which always encodes
// "%" and so would encode again a query the caller has encoded already.
QByteArray HttpClient::requestTarget(const QString &path)
{
    static const QByteArray unsafe("#\"<>\\^`{|}");
    QByteArray target = path.startsWith(QLatin1Char('/')) ? QByteArray() : QByteArray("/");
    static const char hex[] = "0123456789ABCDEF";
    for (const char c : path.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7f || unsafe.contains(c))
            target.append('%').append(hex[byte >> 4]).append(hex[byte & 0xf]);
        else
            target.append(c);
    }
    return target;
}

QByteArray HttpClient::requestBytes(const QString &host, quint16 port, const QString &path)
{
    QByteArray hostField = QUrl::toAce(host);
    if (hostField.isEmpty())
        hostField = requestTarget(host).mid(1);
    if (hostField.contains(':'))
        hostField = '[' + hostField + ']'; // an IPv6 address
    if (port != 80)
        hostField += ':' + QByteArray::number(port);
    return "GET " + requestTarget(path) + " HTTP/1.1\r\nHost: " + hostField +
        "\r\nUser-Agent: Vastrel/" VASTREL_VERSION
        "\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
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
        emit requestFinished(request.id, false);
    }
    busy = false;
}

void HttpClient::startGet(const Request &request)
{
    currentId = request.id;
    answer = std::make_unique<HttpResponseParser>(limit);
    socket = new QTcpSocket(this);
    socket->setProxy(proxyFor(host));
    // The socket takes no more from the system than one piece ahead of what
    // readAnswer() has judged.
    socket->setReadBufferSize(readPiece);
    const QByteArray bytes = requestBytes(host, port, request.path);
    connect(socket, &QTcpSocket::connected, this, [this, bytes] { socket->write(bytes); });
    connect(socket, &QTcpSocket::readyRead, this, &HttpClient::readAnswer);
    connect(socket, &QTcpSocket::errorOccurred, this, &HttpClient::socketFailed);
    connect(socket, &QTcpSocket::disconnected, this,
            [this] { socketFailed(QAbstractSocket::RemoteHostClosedError); });
    // The deadline covers the whole exchange, so a server that sends a byte
    // now and then cannot keep the request, and every one queued behind it,
    // alive for ever.
    deadlineTimer.start(deadline);
    socket->connectToHost(host, port);
}

// Hands what has arrived to the answer, a piece at a time, and ends the GET
// as soon as the answer is complete or has failed.
void HttpClient::readAnswer()
{
    while (socket && socket->bytesAvailable() > 0) {
        if (answer->feed(socket->read(readPiece)) != HttpResponseParser::State::Incomplete) {
            endGet(failureText());
            return;
        }
    }
}

void HttpClient::socketFailed(QAbstractSocket::SocketError socketError)
{
    if (!socket)
        return;
    if (socketError == QAbstractSocket::RemoteHostClosedError) {
        // The end of the connection may be the end of the answer.
        readAnswer();
        if (socket) {
            answer->close();
            endGet(failureText());
        }
        return;
    }
    endGet(socket->errorString());
}

QString HttpClient::failureText() const
{
    switch (answer->failure()) {
    case HttpResponseParser::Failure::None:
        return QString();
    case HttpResponseParser::Failure::BodyTooLarge:
        return tooLargeText(limit);
    case HttpResponseParser::Failure::HeadTooLarge:
        return tooLargeText(HttpResponseParser::defaultHeadLimit);
    case HttpResponseParser::Failure::NotHttp:
        return tr("The server's answer is not HTTP.");
    case HttpResponseParser::Failure::NoAnswer:
        return tr("The server closed the connection without answering.");
    case HttpResponseParser::Failure::Truncated:
        return tr("The server closed the connection before the answer was complete.");
    }
    return QString();
}

// Ends the GET in flight: successful when failure is empty, else with failure
// as the error text; then the next request goes out.
void HttpClient::endGet(const QString &failure)
{
    if (!socket)
        return;
    deadlineTimer.stop();
    QTcpSocket *done = std::exchange(socket, nullptr);
    done->disconnect(this);
    done->abort();
    done->deleteLater();

    const bool failed = !failure.isEmpty();
    if (failed) {
        error = failure;
    } else {
        body = answer->takeBody();
        if (!body.isEmpty()) {
            HttpResponseHeader header;
            header.statusCode = answer->statusCode();
            header.reasonPhrase = answer->reasonPhrase();
            emit readyRead(header);
        }
    }
    answer.reset();
    emit requestFinished(currentId, failed);
    startNext();
}

#include "fakeupdateserver.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

QByteArray reasonFor(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

FakeUpdateServer::FakeUpdateServer(QObject *parent) : QObject(parent)
{
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            ++open;
            connect(socket, &QTcpSocket::disconnected, this, [this] { --open; });
        }
    });
}

bool FakeUpdateServer::start()
{
    return server.listen(QHostAddress::LocalHost, 0);
}

quint16 FakeUpdateServer::port() const
{
    return server.serverPort();
}

QByteArray FakeUpdateServer::hostAndPort() const
{
    return "127.0.0.1:" + QByteArray::number(port());
}

void FakeUpdateServer::setAnswer(int newStatus, const QByteArray &body)
{
    setAnswer(newStatus, QList<QByteArray> {body});
}

void FakeUpdateServer::setAnswer(int newStatus, const QList<QByteArray> &newPieces)
{
    status = newStatus;
    pieces = newPieces;
    closeWithoutAnswer = false;
}

void FakeUpdateServer::setExtraHeaders(const QByteArray &headers)
{
    extraHeaders = headers;
}

void FakeUpdateServer::setCloseWithoutAnswer()
{
    closeWithoutAnswer = true;
}

void FakeUpdateServer::setHostile(Hostile kind)
{
    hostile = kind;
}

int FakeUpdateServer::openConnections() const
{
    return open;
}

QStringList FakeUpdateServer::requests() const
{
    return received;
}

void FakeUpdateServer::readFrom(QTcpSocket *socket)
{
    // The request is complete once its header block has ended (a GET has no
    // body); until then the bytes wait in the socket.
    if (!socket->peek(1 << 16).contains("\r\n\r\n"))
        return;
    const QByteArray head = socket->readAll();
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString target = QString::fromLatin1(requestLine.value(1));
    received.append(target);
    emit requestReceived(target);

    switch (hostile) {
    case Hostile::None:
        break;
    case Hostile::EndlessBody:
        writeHead(socket, -1);
        stream(socket, -1, QByteArray(16 * 1024, 'x'));
        return;
    case Hostile::HugeBody:
        writeHead(socket, hugeBodySize);
        stream(socket, hugeBodySize, QByteArray(16 * 1024, 'x'));
        return;
    case Hostile::EndlessHeaders:
        socket->write("HTTP/1.1 200 OK\r\n");
        stream(socket, -1, QByteArray("X-Filler: ") + QByteArray(1000, 'y') + "\r\n");
        return;
    case Hostile::Drip:
        writeHead(socket, dripLength);
        drip(socket);
        return;
    case Hostile::Silent:
        return;
    }
    if (closeWithoutAnswer) {
        socket->disconnectFromHost();
        return;
    }
    qsizetype total = 0;
    for (const QByteArray &piece : std::as_const(pieces))
        total += piece.size();
    const QByteArray length = QByteArray::number(total);
    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonFor(status) + "\r\n" +
                  "Content-Type: text/plain\r\nContent-Length: " + length +
                  "\r\nConnection: close\r\n" + extraHeaders + "\r\n");
    writePieces(socket, pieces);
}

void FakeUpdateServer::writePieces(QTcpSocket *socket, QList<QByteArray> rest)
{
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    socket->write(rest.takeFirst());
    socket->flush();
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    const QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(pieceIntervalMs, this, [this, guard, rest] {
        if (guard)
            writePieces(guard, rest);
    });
}

// Status line and headers of a 200 answer; a negative length sends none, so
// the body lasts until the connection closes.
void FakeUpdateServer::writeHead(QTcpSocket *socket, qint64 length)
{
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n";
    if (length >= 0)
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    socket->write(head + "Connection: close\r\n\r\n");
}

// Writes length bytes of blocks (negative: without end), topping the socket up
// whenever the client has taken what was written, so the server itself holds
// little and the client decides how fast it goes.
void FakeUpdateServer::stream(QTcpSocket *socket, qint64 length, const QByteArray &block)
{
    auto remaining = std::make_shared<qint64>(length);
    const auto refill = [this, socket, remaining, block] {
        while (*remaining != 0 && socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < 4 * block.size()) {
            const qint64 size =
                *remaining < 0 ? block.size() : qMin<qint64>(block.size(), *remaining);
            socket->write(block.constData(), size);
            if (*remaining > 0)
                *remaining -= size;
        }
        if (*remaining == 0)
            socket->disconnectFromHost();
    };
    connect(socket, &QTcpSocket::bytesWritten, this, refill);
    refill();
}

// One body byte every dripIntervalMs until dripLength are sent.
void FakeUpdateServer::drip(QTcpSocket *socket)
{
    auto *timer = new QTimer(socket);
    auto remaining = std::make_shared<qint64>(dripLength);
    connect(timer, &QTimer::timeout, socket, [this, socket, timer, remaining] {
        socket->write("x", 1);
        if (--*remaining == 0) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(dripIntervalMs);
}

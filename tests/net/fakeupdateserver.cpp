#include "fakeupdateserver.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

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

#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A scripted HTTP server on 127.0.0.1 for tests: it records the request target
// of every GET it receives and answers each one with the answer set last
// (status, body, optionally written in pieces with a pause between them, or no
// answer at all and a closed connection). Every answer closes its connection.
// It can also play a hostile server that never stops, drips, or never answers.
class FakeUpdateServer : public QObject
{
    Q_OBJECT

public:
    explicit FakeUpdateServer(QObject *parent = nullptr);

    // Listens on 127.0.0.1 at a free port; false if that failed.
    bool start();
    quint16 port() const;
    // "127.0.0.1:<port>", the value for VASTREL_UPDATE_HOST.
    QByteArray hostAndPort() const;

    // Answer with status and body, in one write.
    void setAnswer(int status, const QByteArray &body);
    // Answer with status and a body written piece by piece, with a pause of
    // pieceIntervalMs between two pieces so that they arrive separately.
    void setAnswer(int status, const QList<QByteArray> &pieces);
    // Extra header lines ("Name: value\r\n" each) for the following answers.
    void setExtraHeaders(const QByteArray &headers);
    // Read the request, then close the connection without any answer.
    void setCloseWithoutAnswer();

    enum class Hostile {
        None, // the scripted answer above
        EndlessBody, // 200 without a length, then a body that never ends
        HugeBody, // 200 announcing hugeBodySize bytes, and sending them
        Drip, // 200 announcing dripLength bytes, sent one every dripIntervalMs
        Silent, // accepts and reads the request, never answers, never closes
        EndlessHeaders, // a status line, then header lines that never end
    };
    // Answers every following request the hostile way; None returns to the
    // scripted answer. Bodies are written only as fast as the client reads.
    void setHostile(Hostile kind);
    static constexpr qint64 hugeBodySize = qint64(512) << 20;
    static constexpr qint64 dripLength = 1000;
    static constexpr int dripIntervalMs = 20;

    // Connections accepted and not yet closed by either side.
    int openConnections() const;

    // The request targets received so far, in order.
    QStringList requests() const;

    static constexpr int pieceIntervalMs = 30;

signals:
    // Emitted when a request has been read, before its answer is written.
    void requestReceived(const QString &target);

private:
    void readFrom(QTcpSocket *socket);
    void writePieces(QTcpSocket *socket, QList<QByteArray> pieces);
    void writeHead(QTcpSocket *socket, qint64 length);
    void stream(QTcpSocket *socket, qint64 length, const QByteArray &block);
    void drip(QTcpSocket *socket);

    QTcpServer server;
    QStringList received;
    int status = 200;
    QList<QByteArray> pieces;
    QByteArray extraHeaders;
    bool closeWithoutAnswer = false;
    Hostile hostile = Hostile::None;
    int open = 0;
};

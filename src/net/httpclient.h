#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <memory>

class HttpResponseParser;
class QTcpSocket;

// Status line of one HTTP answer, handed to readyRead().
struct HttpResponseHeader
{
    int statusCode = 0;
    QByteArray reasonPhrase;
};
Q_DECLARE_METATYPE(HttpResponseHeader)

// A small sequential HTTP/1.1 client: setHost() and get() are queued as
// requests of their own and carried out one at a time, in the order they were
// made. Every request ends with requestFinished(id, error); a GET whose answer
// has a non-empty body first delivers it, complete, through one readyRead().
//
// The error flag means that no answer arrived: the connection failed, the
// transfer broke off, or the reply was not HTTP. An HTTP error status (404,
// 500, ...) is an answer like any other, and redirects are handed back as
// answers rather than followed.
//
// Whatever the server does, a GET is bounded: an answer whose body grows past
// sizeLimit() bytes, or whose headers pass 16 KiB, is cut off at once, and a
// GET not complete deadlineMs() after it was sent is given up; both end with an
// error that says why, and the next request in the queue goes out. The client
// speaks HTTP itself on a socket in the caller's thread, so nothing it does
// for one answer can outlast that answer's bounds.
class HttpClient : public QObject
{
    Q_OBJECT

public:
    explicit HttpClient(QObject *parent = nullptr);
    ~HttpClient() override;

    // Queue a change of the server that later GETs go to. Returns the id.
    int setHost(const QString &host, quint16 port = 80);
    // Queue a GET of path, the request target sent as given (already
    // percent-encoded where needed; bytes a request line cannot carry are
    // percent-encoded). Returns the id.
    int get(const QString &path);

    // The complete body of the last answer; reading empties it.
    QByteArray readAll();
    // Why the last failed request failed.
    QString errorString() const;

    // The program's answers are a version line or an acknowledgement, so
    // anything near these bounds is not one of them.
    static constexpr qint64 defaultSizeLimit = 64 * 1024;
    static constexpr int defaultDeadlineMs = 30000;

    // Bounds for the GETs sent from now on (tests shorten them).
    void setSizeLimit(qint64 bytes);
    qint64 sizeLimit() const;
    void setDeadline(int milliseconds);
    int deadlineMs() const;

    // The error texts of a GET cut off for its size or its time.
    static QString tooLargeText(qint64 limit);
    static QString timedOutText(int milliseconds);

    // The request line's target for path: UTF-8, with every byte that a
    // request line cannot carry as it is (controls, blanks, non-ASCII, '#',
    // '"', '<', '>', '\', '^', '`', '{', '|', '}') percent-encoded.
    static QByteArray requestTarget(const QString &path);
    // The bytes of a GET of target from host:port, closing the connection
    // after the answer.
    static QByteArray requestBytes(const QString &host, quint16 port, const QString &path);

signals:
    void readyRead(const HttpResponseHeader &resp);
    void requestFinished(int id, bool error);

private:
    struct Request
    {
        int id;
        bool isGet;
        QString host;
        quint16 port;
        QString path;
    };

    int enqueue(Request request);
    void startNext();
    void startGet(const Request &request);
    void readAnswer();
    void socketFailed(QAbstractSocket::SocketError socketError);
    void endGet(const QString &failure);
    QString failureText() const;

    QQueue<Request> queue;
    bool busy = false;
    int lastId = 0;
    QString host;
    quint16 port = 80;
    QByteArray body;
    QString error;

    qint64 limit = defaultSizeLimit;
    int deadline = defaultDeadlineMs;
    // The GET in flight: its id, connection and answer so far.
    int currentId = 0;
    QTcpSocket *socket = nullptr;
    std::unique_ptr<HttpResponseParser> answer;
    QTimer deadlineTimer;
};

#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <memory>

class QNetworkAccessManager;

// Status line of one HTTP answer, handed to readyRead().
struct HttpResponseHeader
{
    int statusCode = 0;
    QByteArray reasonPhrase;
};
Q_DECLARE_METATYPE(HttpResponseHeader)

// A small sequential HTTP client: setHost() and get() are queued as requests
// of their own and carried out one at a time, in the order they were made.
// Every request ends with requestFinished(id, error); a GET whose answer has a
// non-empty body first delivers it, complete, through one readyRead().
//
// The error flag means that no answer arrived: the connection failed, the
// transfer broke off, or the reply was not HTTP. An HTTP error status (404,
// 500, ...) is an answer like any other, and redirects are handed back as
// answers rather than followed.
//
// Whatever the server does, a GET is bounded: an answer whose body grows past
// sizeLimit() bytes is cut off at once, and a GET not complete deadlineMs()
// after it was sent is given up; both end with an error that says why, and the
// next request in the queue goes out.
class HttpClient : public QObject
{
    Q_OBJECT

public:
    explicit HttpClient(QObject *parent = nullptr);
    ~HttpClient() override;

    // Queue a change of the server that later GETs go to. Returns the id.
    int setHost(const QString &host, quint16 port = 80);
    // Queue a GET of path, the request target sent as given (already
    // percent-encoded where needed). Returns the id.
    int get(const QString &path);

    // The complete body of the last answer; reading empties it.
    QByteArray readAll();
    // Why the last failed request failed.
    QString errorString() const;

    // A GET has no answer if it failed in the transport, not if the server
    // answered with an error status.
    static bool isTransportFailure(QNetworkReply::NetworkError error, bool hasStatus);

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
    void readPart();
    void checkAnnouncedLength();
    void giveUp(const QString &why);
    void getFinished(int id, QNetworkReply *reply);

    std::unique_ptr<QNetworkAccessManager> manager;
    QQueue<Request> queue;
    bool busy = false;
    int lastId = 0;
    QString host;
    quint16 port = 80;
    QByteArray body;
    QString error;

    qint64 limit = defaultSizeLimit;
    int deadline = defaultDeadlineMs;
    // The GET in flight, what it has received so far, and why it was given up
    // (empty while it runs).
    QPointer<QNetworkReply> current;
    QByteArray received;
    QString abortReason;
    QTimer deadlineTimer;
};

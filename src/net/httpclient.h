#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QNetworkReply>
#include <QObject>
#include <QQueue>
#include <QString>

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
// transfer broke off or timed out, or the reply was not HTTP. An HTTP error
// status (404, 500, ...) is an answer like any other, and redirects are handed
// back as answers rather than followed.
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

    // No byte for this long ends a GET with an error, so nothing hangs forever.
    static constexpr int transferTimeoutMs = 30000;

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
    void getFinished(int id, QNetworkReply *reply);

    std::unique_ptr<QNetworkAccessManager> manager;
    QQueue<Request> queue;
    bool busy = false;
    int lastId = 0;
    QString host;
    quint16 port = 80;
    QByteArray body;
    QString error;
};

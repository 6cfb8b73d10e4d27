#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Reads one HTTP/1.x answer from the bytes of a connection as they arrive:
// status line, headers, and a body delimited by Content-Length, by chunked
// transfer coding or by the end of the connection. Interim 1xx answers are
// skipped. It never holds more than its limits allow: the status line and the
// headers (interim answers and chunk trailers included) may take headLimit
// bytes, the body bodyLimit bytes; past either the answer fails at once.
class HttpResponseParser
{
public:
    enum class State { Incomplete, Complete, Failed };
    enum class Failure {
        None,
        HeadTooLarge, // status line and headers passed headLimit
        BodyTooLarge, // the body passed bodyLimit (or announced more)
        NotHttp, // the bytes do not read as an HTTP/1.x answer
        NoAnswer, // the connection ended before any byte
        Truncated, // the connection ended inside the answer
    };

    static constexpr qsizetype defaultHeadLimit = 16 * 1024;

    explicit HttpResponseParser(qint64 bodyLimit, qsizetype headLimit = defaultHeadLimit);

    // Takes the next bytes of the connection; bytes after a complete answer
    // are ignored.
    State feed(QByteArrayView bytes);
    // The connection has ended: a body delimited by the end is now complete;
    // any other unfinished answer has failed.
    State close();

    Failure failure() const { return why; }
    // Status code and reason phrase of the final answer, once its head is read.
    int statusCode() const { return status; }
    QByteArray reasonPhrase() const { return reason; }
    // The body received so far (the whole body once Complete); reading empties it.
    QByteArray takeBody();

private:
    enum class Phase { Head, Length, UntilClose, ChunkSize, ChunkData, ChunkEnd, Trailers, Done };

    bool takeLine(QByteArray &line, qsizetype maxLength);
    bool readStatusLine(const QByteArray &line);
    void headComplete();
    void appendBody(QByteArrayView bytes);
    void fail(Failure failure);
    void process();

    qint64 bodyLimit;
    qsizetype headLimit;
    State current = State::Incomplete;
    Failure why = Failure::None;
    Phase phase = Phase::Head;
    QByteArray pending; // received, not yet taken apart
    qsizetype headBytes = 0; // head, interim answers and trailers so far
    bool anyByte = false;
    bool statusRead = false;
    int status = 0;
    QByteArray reason;
    qint64 contentLength = -1;
    bool chunked = false;
    qint64 remaining = 0; // of the body (Length) or of the chunk (ChunkData)
    QByteArray body;
};

#include "net/httpresponse.h"

#include <QList>

#include <utility>

namespace {

// A chunk-size line is a hexadecimal number and optional extensions.
constexpr qsizetype maxChunkLine = 1024;

bool isDigits(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

HttpResponseParser::HttpResponseParser(qint64 bodyLimit, qsizetype headLimit)
    : bodyLimit(bodyLimit), headLimit(headLimit)
{ }

HttpResponseParser::State HttpResponseParser::feed(QByteArrayView bytes)
{
    if (current != State::Incomplete || bytes.isEmpty())
        return current;
    anyByte = true;
    pending.append(bytes);
    process();
    return current;
}

HttpResponseParser::State HttpResponseParser::close()
{
    if (current != State::Incomplete)
        return current;
    if (phase == Phase::UntilClose) {
        phase = Phase::Done;
        current = State::Complete;
    } else {
        fail(anyByte ? Failure::Truncated : Failure::NoAnswer);
    }
    return current;
}

QByteArray HttpResponseParser::takeBody()
{
    return std::exchange(body, {});
}

void HttpResponseParser::fail(Failure failure)
{
    why = failure;
    current = State::Failed;
    pending.clear();
    body.clear();
}

// Takes one line ending in LF (a CR before it dropped) off the pending bytes;
// false while none is complete, or when the line grows past maxLength.
bool HttpResponseParser::takeLine(QByteArray &line, qsizetype maxLength)
{
    const qsizetype end = pending.indexOf('\n');
    if (end < 0 || end >= maxLength) {
        if ((end < 0 ? pending.size() : end) >= maxLength)
            fail(phase == Phase::ChunkSize || phase == Phase::ChunkEnd ? Failure::NotHttp
                                                                       : Failure::HeadTooLarge);
        return false;
    }
    line = pending.left(end);
    pending.remove(0, end + 1);
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

// "HTTP/1.x NNN reason" (the reason may be missing).
bool HttpResponseParser::readStatusLine(const QByteArray &line)
{
    if (!line.startsWith("HTTP/1.") || line.size() < 12 || !isDigits(line.mid(7, 1)) ||
        line.at(8) != ' ' || !isDigits(line.mid(9, 3)) || (line.size() > 12 && line.at(12) != ' '))
        return false;
    status = line.mid(9, 3).toInt();
    reason = line.mid(13);
    return true;
}

void HttpResponseParser::headComplete()
{
    if (status < 200) {
        // An interim answer: the final one follows.
        statusRead = false;
        contentLength = -1;
        chunked = false;
        return;
    }
    if (status == 204 || status == 304) {
        phase = Phase::Done;
    } else if (chunked) {
        phase = Phase::ChunkSize;
    } else if (contentLength >= 0) {
        if (contentLength > bodyLimit) {
            fail(Failure::BodyTooLarge);
            return;
        }
        remaining = contentLength;
        phase = contentLength == 0 ? Phase::Done : Phase::Length;
    } else {
        phase = Phase::UntilClose;
    }
}

void HttpResponseParser::appendBody(QByteArrayView bytes)
{
    if (body.size() + bytes.size() > bodyLimit) {
        fail(Failure::BodyTooLarge);
        return;
    }
    body.append(bytes);
}

void HttpResponseParser::process()
{
    QByteArray line;
    while (current == State::Incomplete) {
        switch (phase) {
        case Phase::Head:
        case Phase::Trailers: {
            const qsizetype before = pending.size();
            if (!takeLine(line, headLimit - headBytes + 1))
                return;
            headBytes += before - pending.size();
            if (headBytes > headLimit) {
                fail(Failure::HeadTooLarge);
                return;
            }
            if (phase == Phase::Trailers) {
                if (line.isEmpty())
                    phase = Phase::Done;
            } else if (!statusRead) {
                if (!readStatusLine(line)) {
                    fail(Failure::NotHttp);
                    return;
                }
                statusRead = true;
            } else if (line.isEmpty()) {
                headComplete();
            } else {
                const qsizetype colon = line.indexOf(':');
                if (colon <= 0)
                    continue; // not a header field; nothing in it is needed
                const QByteArray name = line.left(colon).trimmed().toLower();
                const QByteArray value = line.mid(colon + 1).trimmed();
                if (name == "content-length") {
                    if (!isDigits(value) || value.size() > 18 ||
                        (contentLength >= 0 && contentLength != value.toLongLong())) {
                        fail(Failure::NotHttp);
                        return;
                    }
                    contentLength = value.toLongLong();
                } else if (name == "transfer-encoding") {
                    const QList<QByteArray> codings = value.toLower().split(',');
                    chunked = codings.last().trimmed() == "chunked";
                }
            }
            break;
        }
        case Phase::Length: {
            if (pending.isEmpty())
                return;
            const qsizetype size = qsizetype(qMin<qint64>(remaining, pending.size()));
            appendBody(QByteArrayView(pending).first(size));
            pending.clear(); // anything after the body is not part of the answer
            remaining -= size;
            if (remaining == 0)
                phase = Phase::Done;
            break;
        }
        case Phase::UntilClose:
            appendBody(pending);
            pending.clear();
            return;
        case Phase::ChunkSize: {
            if (!takeLine(line, maxChunkLine))
                return;
            const qsizetype extensions = line.indexOf(';');
            const QByteArray digits = (extensions < 0 ? line : line.left(extensions)).trimmed();
            bool ok = !digits.isEmpty() && digits.size() <= 15;
            const qint64 size = ok ? digits.toLongLong(&ok, 16) : 0;
            if (!ok || size < 0) {
                fail(Failure::NotHttp);
                return;
            }
            if (body.size() + size > bodyLimit) {
                fail(Failure::BodyTooLarge);
                return;
            }
            remaining = size;
            phase = size == 0 ? Phase::Trailers : Phase::ChunkData;
            break;
        }
        case Phase::ChunkData: {
            const qsizetype size = qsizetype(qMin<qint64>(remaining, pending.size()));
            if (size == 0)
                return;
            appendBody(QByteArrayView(pending).first(size));
            pending.remove(0, size);
            remaining -= size;
            if (remaining == 0)
                phase = Phase::ChunkEnd;
            break;
        }
        case Phase::ChunkEnd:
            if (!takeLine(line, maxChunkLine))
                return;
            if (!line.isEmpty()) {
                fail(Failure::NotHttp);
                return;
            }
            phase = Phase::ChunkSize;
            break;
        case Phase::Done:
            pending.clear();
            current = State::Complete;
            return;
        }
    }
}

#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The update server's protocol: where requests go, what they ask, and how an
// answer to the update check is read. Plain functions, so every rule can be
// checked without a network.
namespace updateprotocol {

// The version this build calls itself, e.g. "2.0.0".
QString version();

// Request target of the update check.
QString checkUpdatePath();

struct Server
{
    QString host;
    quint16 port = 80;
};

// The update server: VASTREL_UPDATE_HOST from the environment ("host" or
// "host:port") when it is set and well formed, else the host built in, port
// 80. A malformed value is ignored in favour of the built-in host.
Server server();

// The answer as text: Latin-1, cut at the first NUL byte.
QString answerText(const QByteArray &body);

// What of a server's answer goes to the debug channel: its text (as
// answerText()) up to debugExcerptLength characters, and for a longer one a
// note of how many characters were left out. The QString form takes a text
// already read from an answer, such as a field of it.
constexpr int debugExcerptLength = 200;
QString debugExcerpt(const QByteArray &body);
QString debugExcerpt(const QString &text);

// What an update answer says. Judged once, on the complete body:
// - Empty: no text at all; nothing is to change.
// - UpToDate: the text contains this build's version anywhere.
// - NewVersion: otherwise, the text contains "##"; the field before the first
//   "##" is the version, the one after it the download address.
// - Maintenance: anything else; the server is out of service.
struct Verdict
{
    enum Kind { Empty, UpToDate, NewVersion, Maintenance } kind = Empty;
    QString version;
    QString url;
};
Verdict judge(const QByteArray &body);

// The longest feedback message, in UTF-16 code units, and the longest mail
// address: one request line stays a few kilobytes.
constexpr int maxFeedbackLength = 2000;
constexpr int maxMailLength = 254;

// A text cut to at most max UTF-16 code units, never between the two halves
// of a character outside the Basic Multilingual Plane.
QString capped(const QString &text, int max);

// Request target of a feedback message. Message and mail are cut to their
// longest lengths and sent as UTF-8 with every byte outside the URI
// unreserved set percent-encoded, so the server decodes exactly what was
// typed.
QString feedbackPath(const QString &message, const QString &mail);

// The download page to open for an announced address: only an http or https
// address with a host (surrounding blanks ignored); anything else gives an
// empty QUrl. The address arrives over plain HTTP, so it must never be able to
// open a local file or start another handler.
QUrl downloadUrl(const QString &address);

} // namespace updateprotocol

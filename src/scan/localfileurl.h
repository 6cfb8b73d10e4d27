#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The file: URI of a local path, exact for every name: "file://" and the
// path's bytes, each byte outside what a URI path may hold as it is
// (unreserved characters, sub-delimiters, ":", "@" and "/") percent-encoded.
// A name with bytes that are not valid UTF-8 (held as lone surrogates, see
// pathcodec.h) keeps them as %XX escapes, where QUrl::fromLocalFile would
// turn them into U+FFFD and name a file that does not exist. A relative path
// is taken against the current directory; an empty path gives nothing.
QByteArray localFileUri(const QString &path);

// The same URI as a QUrl, for the desktop's URL handler.
QUrl localFileUrl(const QString &path);

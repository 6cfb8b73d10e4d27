#pragma once

#include <QString>
#include <QUrl>

// The file: URL of a local path, exact for every name: a name with bytes that
// are not valid UTF-8 (held as lone surrogates, see pathcodec.h) keeps those
// bytes as %XX escapes instead of turning them into U+FFFD, so whatever opens
// the URL (the desktop's URL handler, a file manager) reaches the same file.
// Other paths give what QUrl::fromLocalFile gives.
QUrl localFileUrl(const QString &path);

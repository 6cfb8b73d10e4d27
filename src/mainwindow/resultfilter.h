#pragma once

#include "scan/foundfile.h"

#include <QList>
#include <QString>

// The rule of the results' search field, one for every view: a row is shown
// when its path, as the row shows it (undecodable bytes as \xFF, control
// characters escaped, see pathcodec), contains the typed text, ignoring case.
namespace resultfilter {

bool matches(const QString &path, const QString &text);
// The files whose paths match, in their order.
QList<FoundFile> filtered(const QList<FoundFile> &files, const QString &text);
// "12 of 100 shown" for the status line.
QString shownText(int shown, int total);

} // namespace resultfilter

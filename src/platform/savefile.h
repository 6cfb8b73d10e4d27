#pragma once

#include <QByteArray>
#include <QString>

// Saving a whole file in one step: the old file stays as it was until every
// byte of the new one is on disk, and any failure on the way (a full disk
// included) is reported instead of being taken for success.
namespace savefile {

// Replaces fileName with bytes. The bytes go to a temporary file beside it,
// written unbuffered and synced, which then takes the name. On failure the
// old file is untouched, the temporary file is gone, and errorText (when
// given) holds a plain-text reason such as "No space left on device".
bool save(const QString &fileName, const QByteArray &bytes, QString *errorText);

} // namespace savefile

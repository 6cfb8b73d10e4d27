#pragma once

#include <QString>

// Writes the "Find Vastrel Here" entries of the common Linux file managers for
// directories below dataHome (the XDG data home): a Dolphin service menu, a
// Nautilus script and a Nemo action, each starting program with the chosen
// directory as its one argument. Existing entries are replaced, so a moved
// program points them at its new place on its next start. Returns true when
// every entry was written; a failure writes nothing to the debug channel. An
// empty program leaves every entry as it is and returns false.
namespace menuentries {

bool write(const QString &dataHome, const QString &program);

} // namespace menuentries

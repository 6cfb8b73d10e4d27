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

// Whether the entries may point at program: true when nobody but the user and
// root can put another program at its path. The program file and every
// folder above it must belong to root or the user and be writable by nobody
// else; a folder above may be writable by others only when it is sticky
// (like /tmp), since its entry on the path belongs to root or the user and
// cannot be replaced then. The program's own folder never may: once the copy
// is deleted, anyone could put a program of their own under its name. When
// false, reason says which file or folder and why, as plain text.
bool isTrustedLocation(const QString &program, QString *reason);

} // namespace menuentries

#pragma once

#include <QString>

// Windows' shell (Explorer, ShellExecute, the Recycle Bin) takes paths of
// fewer than MAX_PATH (260) characters only, while the walk reaches paths up
// to 32,767 characters through the \\?\ form. A longer path is handed to the
// shell in its short 8.3 form, which the system gives for the \\?\ form,
// when that is short enough.
namespace shellpath {

// The native path the shell can take for the file or folder at path: the
// path itself with backslashes when it is short enough, else its short
// form; empty when neither fits (or no short names are kept on that drive).
QString forShell(const QString &path);

} // namespace shellpath

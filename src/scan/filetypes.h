#pragma once

#include <QString>
#include <QStringList>

// File types as the user gives them, in the window's field, the settings file
// and vastrel-top's --type alike: words separated by blanks, commas or
// semicolons, each an extension with or without a leading "." or "*."
// ("mkv", ".ISO", "*.MKV; .iso", "tar.gz"). This is the one place they are
// read, so every front end takes the same words for the same types.
namespace filetypes {

// The words of one entry, as they were typed.
QStringList words(const QString &entry);

// One word as an extension is kept: lower case, without a leading "*." or
// dots. Empty when the word is no extension: nothing left, or a path
// separator or wildcard in it.
QString extension(const QString &word);

// The extensions in every entry, each once, in the order given; words that
// are no extension are left out.
QStringList extensions(const QStringList &entries);

// The words of entry that are no extension, as they were typed.
QStringList rejectedWords(const QString &entry);

} // namespace filetypes

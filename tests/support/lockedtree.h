#pragma once

// Linux only, like the walk tests that use it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A tree with a folder its owner may not read, in a temporary directory T:
//   T/locked/secret.bin  T/locked/inner/deeper.bin  T/open/seen.bin
// each 10 bytes, and T/locked with no permissions at all (mode 0). The
// destructor gives T/locked its permissions back, so the directory can be
// removed even when a test ends early.
class LockedTree
{
    Q_DISABLE_COPY(LockedTree)

public:
    LockedTree();
    ~LockedTree();

    // True when the whole tree was made and T/locked locked.
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    // Gives T/locked its permissions (0755) back; true when chmod succeeded.
    bool unlock();

private:
    QTemporaryDir m_dir;
    QByteArray m_locked;
    bool m_valid = false;
};

} // namespace testsupport

#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// Makes the process's current directory one that has been removed, as a
// user who removed the folder a shell is in leaves it; the old current
// directory comes back when this object goes. isValid() says whether it worked.
class RemovedCurrentDirectory
{
public:
    RemovedCurrentDirectory();
    ~RemovedCurrentDirectory();
    Q_DISABLE_COPY(RemovedCurrentDirectory)

    bool isValid() const { return valid; }

private:
    QTemporaryDir dir;
    QString previous;
    bool valid = false;
};

} // namespace testsupport

#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace testsupport {

// A temporary home for a whole test program, so that nothing it writes reaches
// the real home directory, the user's settings or a real session bus: HOME
// points at a temporary directory, XDG_CONFIG_HOME at its "config" and
// XDG_DATA_HOME at its "data" folder, and DBUS_SESSION_BUS_ADDRESS at a bus
// that does not exist; the scan history goes to its "data/Vastrel" folder
// on every system. Make it in main() before the application object, which
// reads these variables; the directory goes when the sandbox is destroyed.
class Sandbox
{
public:
    Sandbox();

    // False when the temporary directory could not be made; nothing was changed then.
    bool isValid() const { return m_home.isValid(); }
    QString path() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
};

// Runs the Qt Test object Test in a sandbox with an application object of
// type Application; returns what QTest::qExec returns, or 1 without a sandbox.
template<typename Application, typename Test> int runSandboxed(int argc, char *argv[])
{
    Sandbox sandbox;
    if (!sandbox.isValid())
        return 1;
    Application app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace testsupport

// QTEST_MAIN and QTEST_GUILESS_MAIN in a sandbox: a main() that sets up the
// temporary home before the application object and runs the test object.
#define VASTREL_SANDBOXED_TEST_MAIN(TestObject)                                                    \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        return testsupport::runSandboxed<QApplication, TestObject>(argc, argv);                    \
    }

#define VASTREL_SANDBOXED_TEST_GUILESS_MAIN(TestObject)                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        return testsupport::runSandboxed<QCoreApplication, TestObject>(argc, argv);                \
    }

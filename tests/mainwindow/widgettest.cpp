#include "widgettest.h"

#include "customdir/customdir.h"
#include "store/scanstore.h"
#include "support/sandbox.h"
#include "widgets/directorychooser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>

#include <functional>

#ifdef Q_OS_WIN
#include "platform/platform.h"
#endif

namespace widgettest {

void writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
}

#ifdef Q_OS_WIN
// Windows: the registry the window writes its Explorer verb to is a scratch
// key (the process's HKEY_CLASSES_ROOT and HKEY_CURRENT_USER mapped onto it),
// and Explorer is never started: the command is recorded and the start
// reported as failed, so the window falls back to the folder's URL.
QStringList startedCommands;

class WindowsSandbox
{
public:
    WindowsSandbox()
    {
        name = L"Software\\Vastrel test " + std::to_wstring(GetCurrentProcessId());
        RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegOverridePredefKey(HKEY_CLASSES_ROOT, key);
        RegOverridePredefKey(HKEY_CURRENT_USER, key);
        platform::setDetachedStartForTests([](const QString &program, const QString &arguments) {
            startedCommands << program + ' ' + arguments;
            return false;
        });
    }
    ~WindowsSandbox()
    {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    }
    HKEY key = nullptr;

private:
    std::wstring name;
};
WindowsSandbox *windowsSandbox = nullptr;

HKEY sandboxKey()
{
    return windowsSandbox->key;
}
#endif

} // namespace widgettest

void WidgetTest::initTestCase()
{
    log = std::make_unique<testsupport::MessageCapture>();
}

void WidgetTest::init()
{
    resetSettings();
    // Every case starts without a scan history.
    for (const QString &suffix : {"", "-wal", "-shm"})
        QFile::remove(ScanStore::defaultPath() + suffix);
    log->clear();
    tree = std::make_unique<QTemporaryDir>();
    QVERIFY(tree->isValid());
    Widget::systemTrayAvailable = [] {
        return true;
    };
}

void WidgetTest::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(widget) || qobject_cast<CustomDir *>(widget))
            widget->close();
    }
    directorychooser::setChooser({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WidgetTest::cleanupTestCase()
{
    settingsDir.reset();
    log.reset();
}

int WidgetTest::run(int argc, char *argv[],
                    const std::function<std::unique_ptr<QObject>(const QString &)> &make)
{
    // Everything the window writes (settings, file manager entries) stays in
    // a sandbox, and nothing reaches a real session bus or update server.
    testsupport::Sandbox sandbox;
    if (!sandbox.isValid())
        return 1;
    qputenv("VASTREL_UPDATE_HOST", "127.0.0.1:9");
#ifdef Q_OS_WIN
    widgettest::WindowsSandbox windows;
    widgettest::windowsSandbox = &windows;
#endif

    QApplication app(argc, argv);
    // Figures are written in English whatever the machine's locale.
    QLocale::setDefault(QLocale::c());
    const std::unique_ptr<QObject> test = make(sandbox.path());
    return QTest::qExec(test.get(), argc, argv);
}

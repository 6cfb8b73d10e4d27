#include "app/commandline.h"
#include "platform/platform.h"
#include "platform/shellpath.h"
#include "scan/directoryreader_windows.h"
#include "scan/localfileurl.h"
#include "scan/scansession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <qt_windows.h>
#include <sddl.h>

#include <memory>
#include <vector>

// What the program asks of Windows itself: the Explorer verb in the registry
// (every user's key, and the user's own when that one is refused), the drive
// list, and the icon resource of the program file. The registry is never the
// real one: the process's HKEY_CLASSES_ROOT and HKEY_CURRENT_USER are mapped
// onto a scratch key for the test's duration.
class tst_PlatformWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void directoryVerb_data();
    void directoryVerb();
    void driveList();
    void programIcon_data();
    void programIcon();
    void programManifest_data();
    void programManifest();
    void programVersion_data();
    void programVersion();
    void longPaths();
};

namespace {

// The verb's three places below the classes key: on a folder, on a drive, on
// the background of an open folder.
const wchar_t *const verbSubKeys[] = {
    L"Directory\\shell\\Find Vastrel Here\\Command",
    L"Drive\\shell\\Find Vastrel Here\\Command",
    L"Directory\\Background\\shell\\Find Vastrel Here\\Command",
};

// The default value of a key below parent, or a null string.
QString defaultValue(HKEY parent, const wchar_t *subKey)
{
    wchar_t buffer[1024];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(parent, subKey, nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return QString();
    return QString::fromWCharArray(buffer);
}

// Gives a key the access rights of a security descriptor string.
bool setKeySecurity(HKEY key, const wchar_t *sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                              nullptr))
        return false;
    const bool ok = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    LocalFree(descriptor);
    return ok;
}

// Read access for everyone and nothing more, or every access.
const wchar_t readOnly[] = L"D:P(A;;KR;;;WD)";
const wchar_t fullAccess[] = L"D:P(A;;KA;;;WD)";

// A scratch key below the real HKEY_CURRENT_USER with two subkeys, "classes"
// and "user", which stand in for this process's HKEY_CLASSES_ROOT and
// HKEY_CURRENT_USER (RegOverridePredefKey) until it is destroyed. With
// classesWritable false, the verb's key exists below classes and may only be
// read, so the write is refused as it is for a user without administrative
// rights.
class RegistrySandbox
{
public:
    explicit RegistrySandbox(bool classesWritable)
    {
        name = QStringLiteral("Software\\Vastrel test %1-%2")
                   .arg(GetCurrentProcessId())
                   .arg(GetTickCount64())
                   .toStdWString();
        ok = RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &root, nullptr) == ERROR_SUCCESS &&
            RegCreateKeyExW(root, L"classes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &classes,
                            nullptr) == ERROR_SUCCESS &&
            RegCreateKeyExW(root, L"user", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &user,
                            nullptr) == ERROR_SUCCESS &&
            RegOverridePredefKey(HKEY_CLASSES_ROOT, classes) == ERROR_SUCCESS &&
            RegOverridePredefKey(HKEY_CURRENT_USER, user) == ERROR_SUCCESS;
        if (ok && !classesWritable) {
            for (const wchar_t *subKey : verbSubKeys) {
                HKEY key = nullptr;
                ok = ok &&
                    RegCreateKeyExW(classes, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                    nullptr) == ERROR_SUCCESS;
                if (key)
                    locked.push_back(key);
                ok = ok && setKeySecurity(key, readOnly);
            }
        }
    }
    ~RegistrySandbox()
    {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        for (HKEY key : locked) {
            setKeySecurity(key, fullAccess);
            RegCloseKey(key);
        }
        for (HKEY key : {user, classes, root}) {
            if (key)
                RegCloseKey(key);
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    }

    bool ok = false;
    HKEY root = nullptr;
    HKEY classes = nullptr;
    HKEY user = nullptr;

private:
    std::vector<HKEY> locked;
    std::wstring name;
};

// What the verb must run: the quoted Vastrel.exe beside the program, then the
// quoted argument.
QString expectedVerbCommand(const QString &argument)
{
    const QString program =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/Vastrel.exe");
    return '"' + program + "\" " + argument;
}

} // namespace

void tst_PlatformWindows::directoryVerb_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("for every user") << false;
    QTest::newRow("for the user, when refused for all") << true;
}

void tst_PlatformWindows::directoryVerb()
{
    QFETCH(bool, refused);
    RegistrySandbox registry(!refused);
    QVERIFY(registry.ok);
    platform::registerDirectoryVerb();
    // Each place, with what Explorer puts in and the directory the program
    // then scans: a drive's root must not lose its backslash to the quote.
    const struct
    {
        const wchar_t *subKey;
        QString argument;
        QString placeholder;
        QString given;
        QString scanned;
    } places[] = {
        {verbSubKeys[0], "\"%1\"", "%1", "D:\\My Folder", "D:/My Folder"},
        {verbSubKeys[1], "\"%1\\.\"", "%1", "C:\\", "C:/"},
        {verbSubKeys[2], "\"%V\\.\"", "%V", "D:\\My Folder", "D:/My Folder"},
    };
    for (const auto &place : places) {
        const QString forAll = defaultValue(registry.classes, place.subKey);
        const QString forUser = defaultValue(
            registry.user, (L"Software\\Classes\\" + std::wstring(place.subKey)).c_str());
        const QString command = refused ? forUser : forAll;
        QCOMPARE(command, expectedVerbCommand(place.argument));
        QVERIFY((refused ? forAll : forUser).isNull());

        QString started = command;
        started.replace(place.placeholder, place.given);
        int count = 0;
        LPWSTR *arguments = CommandLineToArgvW(started.toStdWString().c_str(), &count);
        QVERIFY(arguments);
        const auto release = qScopeGuard([&] { LocalFree(arguments); });
        QCOMPARE(count, 2);
        QCOMPARE(commandline::directoryArgument(QString::fromWCharArray(arguments[1]), "C:/"),
                 place.scanned);
    }
}

void tst_PlatformWindows::driveList()
{
    // A drive letter whose target folder does not exist, as a drive without
    // its medium: listed by the system, left out of the scan's drives.
    const DWORD used = GetLogicalDrives();
    wchar_t letter = L'Q';
    while (letter <= L'Y' && (used & (1u << (letter - L'A'))))
        ++letter;
    QVERIFY(letter <= L'Y');
    const wchar_t device[] = {letter, L':', L'\0'};
    const std::wstring missing = QDir::toNativeSeparators(QDir::tempPath()).toStdWString() +
        L"\\vastrel-no-such-folder-" + std::to_wstring(GetCurrentProcessId());
    QVERIFY(DefineDosDeviceW(0, device, missing.c_str()));
    const auto undefine = qScopeGuard([&] {
        DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, device,
                         missing.c_str());
    });
    const QString missingRoot = QString(QChar(letter)) + ":/";
    QVERIFY2(ScanSession::allDriveRoots().contains(missingRoot),
             qPrintable(ScanSession::allDriveRoots().join(' ')));

    const QStringList roots = ScanSession::readableDriveRoots();
    QVERIFY2(!roots.contains(missingRoot), qPrintable(roots.join(' ')));
    // The system's own drive is listed, as a root in Qt's form.
    wchar_t windows[MAX_PATH];
    QVERIFY(GetWindowsDirectoryW(windows, MAX_PATH) > 2);
    const QString systemRoot = QString::fromWCharArray(windows, 2).toUpper() + '/';
    QVERIFY2(roots.contains(systemRoot), qPrintable(roots.join(' ')));
    for (const QString &root : roots)
        QVERIFY2(root.size() == 3 && root.endsWith(":/"), qPrintable(root));
}

void tst_PlatformWindows::programIcon_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("vastrel") << QStringLiteral(VASTREL_PROGRAM_FILE_NAME);
    QTest::newRow("vastrel-top") << QStringLiteral(VASTREL_TOP_FILE_NAME);
}

void tst_PlatformWindows::programIcon()
{
    // The program file's icon group IDI_ICON1 in US English: one image,
    // 48 x 48 pixels, 32 bits per pixel (GRPICONDIR, then its 14-byte entry).
    QFETCH(QString, program);
    const QString path =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/" + program);
    const HMODULE module =
        LoadLibraryExW(path.toStdWString().c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    QVERIFY2(module, qPrintable(path));
    const auto unload = qScopeGuard([&] { FreeLibrary(module); });
    const HRSRC group = FindResourceExW(module, RT_GROUP_ICON, L"IDI_ICON1",
                                        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    QVERIFY(group);
    const auto *bytes = static_cast<const quint8 *>(LockResource(LoadResource(module, group)));
    QVERIFY(bytes);
    const auto word = [&](int offset) {
        return bytes[offset] | bytes[offset + 1] << 8;
    };
    QCOMPARE(word(2), 1); // icons
    QCOMPARE(word(4), 1); // one image
    QCOMPARE(bytes[6], 48);
    QCOMPARE(bytes[7], 48);
    QCOMPARE(word(12), 32);
    QVERIFY(FindResourceExW(module, RT_ICON, MAKEINTRESOURCEW(word(18)),
                            MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
}

void tst_PlatformWindows::programManifest_data()
{
    programIcon_data();
}

void tst_PlatformWindows::programManifest()
{
    // The manifest the loader reads (resource 1 of type RT_MANIFEST).
    QFETCH(QString, program);
    const QString path =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/" + program);
    const HMODULE module =
        LoadLibraryExW(path.toStdWString().c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    QVERIFY2(module, qPrintable(path));
    const auto unload = qScopeGuard([&] { FreeLibrary(module); });
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    QVERIFY(resource);
    const QByteArray manifest(
        static_cast<const char *>(LockResource(LoadResource(module, resource))),
        int(SizeofResource(module, resource)));
    // Element texts and supportedOS ids by namespace and name.
    QMap<QString, QString> texts;
    QStringList systems;
    QXmlStreamReader xml(manifest);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString key = xml.namespaceUri().toString() + '|' + xml.name().toString();
        if (xml.name() == QLatin1String("supportedOS"))
            systems << xml.attributes().value("Id").toString();
        else if (xml.namespaceUri().contains(QLatin1String("WindowsSettings")))
            texts.insert(key, xml.readElementText());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    const QString ws2016 = "http://schemas.microsoft.com/SMI/2016/WindowsSettings|";
    QCOMPARE(texts.value("http://schemas.microsoft.com/SMI/2019/WindowsSettings|activeCodePage"),
             "UTF-8");
    QCOMPARE(texts.value(ws2016 + "longPathAware"), "true");
    QVERIFY(texts.value(ws2016 + "dpiAwareness").startsWith("PerMonitorV2"));
    // Windows 10 and 11.
    QVERIFY(systems.contains("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"));
}

void tst_PlatformWindows::programVersion_data()
{
    programIcon_data();
}

void tst_PlatformWindows::programVersion()
{
    // What Explorer's Properties show: product, version 2.0.0, description.
    QFETCH(QString, program);
    const std::wstring path =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/" + program)
            .toStdWString();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    QVERIFY(size > 0);
    std::vector<char> info(size);
    QVERIFY(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    QCOMPARE(fixed->dwProductVersionMS, DWORD(0x00020000));
    QCOMPARE(fixed->dwProductVersionLS, DWORD(0));
    QCOMPARE(fixed->dwFileVersionMS, DWORD(0x00020000));
    const auto value = [&](const wchar_t *name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        wchar_t *text = nullptr;
        UINT chars = 0;
        if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void **>(&text), &chars))
            return QString();
        return QString::fromWCharArray(text);
    };
    QCOMPARE(value(L"ProductName"), "Vastrel");
    QCOMPARE(value(L"ProductVersion"), "2.0.0");
    QCOMPARE(value(L"OriginalFilename"), program);
    QVERIFY(!value(L"FileDescription").isEmpty());
}

void tst_PlatformWindows::longPaths()
{
    // A file 500 characters deep: Explorer is given its short form, which
    // names the same file; a folder path the shell cannot take at all shows
    // the nearest folder it can.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QString deep = tmp.path();
    std::wstring native = windowslisting::extendedPath(deep);
    for (int level = 0; level < 12; ++level) {
        const QString part = QStringLiteral("level%1-").arg(level) + QString(32, 'x');
        deep += '/' + part;
        native += L"\\" + part.toStdWString();
        QVERIFY(CreateDirectoryW(native.c_str(), nullptr));
    }
    const QString file = deep + "/deep file.bin";
    HANDLE handle = CreateFileW((native + L"\\deep file.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_NEW, 0, nullptr);
    QVERIFY(handle != INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    QVERIFY(file.size() > 400);

    const QString shell = shellpath::forShell(file);
    QVERIFY(!shell.isEmpty());
    QVERIFY(shell.size() < MAX_PATH);
    QVERIFY(QFileInfo::exists(shell));
    // Short paths stay as they are.
    QCOMPARE(shellpath::forShell(tmp.path()), QDir::toNativeSeparators(tmp.path()));

    QStringList started;
    platform::setDetachedStartForTests([&](const QString &program, const QString &arguments) {
        started << program + ' ' + arguments;
        return true;
    });
    const auto restore = qScopeGuard([] { platform::setDetachedStartForTests({}); });
    platform::revealFile(file);
    QCOMPARE(started.size(), 1);
    QVERIFY2(started.first().endsWith("explorer.exe /select,\"" + shell + '"'),
             qPrintable(started.first()));

    // Opened by its short form too.
    QList<QUrl> opened;
    platform::setUrlOpenerForTests([&](const QUrl &url) {
        opened << url;
        return true;
    });
    const auto restoreOpener = qScopeGuard([] { platform::setUrlOpenerForTests({}); });
    platform::openUrl(localFileUrl(file), nullptr, {});
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QDir::toNativeSeparators(opened.first().toLocalFile()), shell);
}

QTEST_GUILESS_MAIN(tst_PlatformWindows)
#include "tst_platform_windows.moc"

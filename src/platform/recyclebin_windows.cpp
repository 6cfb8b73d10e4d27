#include "platform/recyclebin.h"

#include "platform/shellpath.h"

#include "scan/directoryreader_windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace recyclebin {

namespace {

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
}

// COM for this thread for as long as the object lives, when it was not
// already there in a compatible mode.
struct ComScope
{
    ComScope() : hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) { }
    ~ComScope()
    {
        if (SUCCEEDED(hr))
            CoUninitialize();
    }
    bool usable() const { return SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE; }
    const HRESULT hr;
};

template<typename T> struct Released
{
    T *pointer = nullptr;
    ~Released()
    {
        if (pointer)
            pointer->Release();
    }
};

QString hresultText(HRESULT hr)
{
    return QStringLiteral("0x%1").arg(quint32(hr), 8, 16, QLatin1Char('0'));
}

} // namespace

HRESULT STDMETHODCALLTYPE DeleteSink::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IFileOperationProgressSink)) {
        *object = static_cast<IFileOperationProgressSink *>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE DeleteSink::PreDeleteItem(DWORD flags, IShellItem *)
{
    // Without this flag the item would be destroyed, not recycled: abort
    // before anything is removed.
    if (flags & TSF_DELETE_RECYCLE_IF_POSSIBLE)
        return S_OK;
    wouldDelete = true;
    return E_ABORT;
}

HRESULT STDMETHODCALLTYPE DeleteSink::PostDeleteItem(DWORD, IShellItem *, HRESULT hrDelete,
                                                     IShellItem *)
{
    reported = true;
    result = hrDelete;
    return S_OK;
}

QString outcomeProblem(const DeleteOutcome &outcome)
{
    if (outcome.wouldDelete)
        return QCoreApplication::translate(
            "ResultActions",
            "the Recycle Bin would not take it; Windows would have deleted it for good");
    const HRESULT failure = FAILED(outcome.operation) ? outcome.operation
        : FAILED(outcome.itemResult)                  ? outcome.itemResult
                                                      : S_OK;
    if (failure != S_OK)
        return QCoreApplication::translate("ResultActions",
                                           "the Recycle Bin would not take it (%1)")
            .arg(hresultText(failure));
    // Success claimed without the delete happening, or with the file still
    // in its place, is no success.
    if (outcome.aborted || !outcome.reported || outcome.stillThere)
        return QCoreApplication::translate("ResultActions", "the Recycle Bin did not take it");
    return QString();
}

QString missingRecycleBin(const QString &path)
{
    const std::wstring native = nativePath(path);
    if (native.compare(0, 2, L"\\\\") == 0)
        return QCoreApplication::translate("ResultActions",
                                           "it is on a network drive, which has no Recycle Bin");
    std::wstring root(native.size() + 1, L'\0');
    if (native.size() < MAX_PATH) {
        if (!GetVolumePathNameW(native.c_str(), root.data(), DWORD(root.size())))
            return QCoreApplication::translate("ResultActions", "its drive cannot be found");
        root.resize(wcslen(root.c_str()));
    } else {
        root = native.substr(0, 3); // the drive, "C:\"
    }
    switch (windowslisting::driveType(root.c_str())) {
    case DRIVE_FIXED:
        return QString();
    case DRIVE_REMOTE:
        return QCoreApplication::translate("ResultActions",
                                           "it is on a network drive, which has no Recycle Bin");
    case DRIVE_REMOVABLE:
        return QCoreApplication::translate("ResultActions",
                                           "it is on a removable drive, which has no Recycle Bin");
    case DRIVE_CDROM:
        return QCoreApplication::translate("ResultActions",
                                           "it is on an optical drive, which has no Recycle Bin");
    case DRIVE_RAMDISK:
        return QCoreApplication::translate("ResultActions",
                                           "it is on a RAM disk, which has no Recycle Bin");
    default:
        return QCoreApplication::translate("ResultActions", "its drive has no Recycle Bin");
    }
}

bool moveToRecycleBin(const QString &path, QString *reason)
{
    const QString missing = missingRecycleBin(path);
    if (!missing.isEmpty()) {
        *reason = missing;
        return false;
    }
    const ComScope com;
    if (!com.usable()) {
        *reason =
            QCoreApplication::translate("ResultActions", "the Recycle Bin cannot be reached (%1)")
                .arg(hresultText(com.hr));
        return false;
    }
    Released<IFileOperation> operation;
    HRESULT hr = CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL,
                                  IID_PPV_ARGS(&operation.pointer));
    // Recycle, ask nothing, show nothing, and warn (a system dialog) should
    // the system still be about to destroy the file, as it is when the file
    // is larger than the bin holds: that cannot be told in advance.
    if (SUCCEEDED(hr))
        hr = operation.pointer->SetOperationFlags(FOF_ALLOWUNDO | FOFX_RECYCLEONDELETE |
                                                  FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI |
                                                  FOF_WANTNUKEWARNING);
    // The shell parses display paths, not the \\?\ form: a longer path goes
    // by its short name, or not at all.
    const QString shell = shellpath::forShell(path);
    if (shell.isEmpty()) {
        *reason = QCoreApplication::translate("ResultActions",
                                              "its path is too long for the Recycle Bin");
        return false;
    }
    const std::wstring native = shell.toStdWString();
    Released<IShellItem> item;
    if (SUCCEEDED(hr))
        hr = SHCreateItemFromParsingName(native.c_str(), nullptr, IID_PPV_ARGS(&item.pointer));
    DeleteSink sink;
    if (SUCCEEDED(hr))
        hr = operation.pointer->DeleteItem(item.pointer, &sink);
    if (SUCCEEDED(hr))
        hr = operation.pointer->PerformOperations();
    DeleteOutcome outcome;
    outcome.operation = hr;
    BOOL aborted = FALSE;
    if (operation.pointer)
        operation.pointer->GetAnyOperationsAborted(&aborted);
    outcome.aborted = aborted != FALSE;
    outcome.wouldDelete = sink.wouldDelete;
    outcome.reported = sink.reported;
    outcome.itemResult = sink.result;
    outcome.stillThere = GetFileAttributesW(native.c_str()) != INVALID_FILE_ATTRIBUTES;
    *reason = outcomeProblem(outcome);
    if (!reason->isEmpty())
        return false;
    return true;
}

} // namespace recyclebin

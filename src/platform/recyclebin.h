#pragma once

#include <QString>

#include <qt_windows.h>
#include <shobjidl.h>

// The Windows Recycle Bin, which never deletes: a file goes into it or stays
// where it is. Windows itself deletes outright what its Recycle Bin will not
// take (on network and removable drives, over the bin's size) when asked not
// to confirm, so both the drive and each step of the operation are checked.
namespace recyclebin {

// Why the drive that holds path has no Recycle Bin (a network, removable or
// optical drive, a RAM disk, a drive that is not there), or an empty text
// when it has one. Only fixed drives have one.
QString missingRecycleBin(const QString &path);

// Moves the file, or the folder with all in it, at path to the Recycle Bin.
// False, with it left where it was and a plain-text reason, when the drive
// has no Recycle Bin, when the system announces a delete that would not
// recycle (the operation is then aborted before anything is removed), or when
// the operation fails.
bool moveToRecycleBin(const QString &path, QString *reason);

// Watches the one delete of an operation: lets it go ahead only as a move
// into the Recycle Bin (PreDeleteItem without TSF_DELETE_RECYCLE_IF_POSSIBLE
// is aborted), and keeps what the system says of it. It lives on the
// caller's stack, beyond the operation, so reference counts are not kept.
class DeleteSink : public IFileOperationProgressSink
{
public:
    bool wouldDelete = false; // the system meant to delete for good
    bool reported = false; // PostDeleteItem came
    HRESULT result = E_FAIL; // the delete's own result

    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD flags, IShellItem *item) override;
    HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD flags, IShellItem *item, HRESULT hrDelete,
                                             IShellItem *newlyCreated) override;
    // Nothing but the one delete is asked for: no renames or copies.
    HRESULT STDMETHODCALLTYPE StartOperations() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FinishOperations(HRESULT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PreRenameItem(DWORD, IShellItem *, LPCWSTR) override
    {
        return E_ABORT;
    }
    HRESULT STDMETHODCALLTYPE PostRenameItem(DWORD, IShellItem *, LPCWSTR, HRESULT,
                                             IShellItem *) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreMoveItem(DWORD, IShellItem *, IShellItem *, LPCWSTR) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PostMoveItem(DWORD, IShellItem *, IShellItem *, LPCWSTR, HRESULT,
                                           IShellItem *) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreCopyItem(DWORD, IShellItem *, IShellItem *, LPCWSTR) override
    {
        return E_ABORT;
    }
    HRESULT STDMETHODCALLTYPE PostCopyItem(DWORD, IShellItem *, IShellItem *, LPCWSTR, HRESULT,
                                           IShellItem *) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreNewItem(DWORD, IShellItem *, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostNewItem(DWORD, IShellItem *, LPCWSTR, LPCWSTR, DWORD, HRESULT,
                                          IShellItem *) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UpdateProgress(UINT, UINT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResetTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PauseTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResumeTimer() override { return S_OK; }
};

// What one delete operation came to.
struct DeleteOutcome
{
    HRESULT operation = E_FAIL; // from creating the operation to PerformOperations
    bool aborted = false; // GetAnyOperationsAborted
    bool wouldDelete = false; // the sink saw a delete that would not recycle
    bool reported = false; // the sink heard of the delete
    HRESULT itemResult = E_FAIL; // the delete's own result
    bool stillThere = false; // the file is still at its path
};

// Why the file is not in the Recycle Bin after the operation, or an empty
// text when it is: every step must have succeeded and the file be gone.
QString outcomeProblem(const DeleteOutcome &outcome);

} // namespace recyclebin

#pragma once

#include <QByteArray>

#include <functional>

typedef struct _GError GError;

// The Linux trash's one call into GIO, replaceable so that a test can see
// how each of its answers is taken.
namespace platform {

// Moves the file or folder at path (its exact bytes) to the trash, as
// g_file_trash() does: true when it says it did, else false with error set.
using TrashCall = std::function<bool(const QByteArray &path, GError **error)>;

// For tests: moveToTrash and moveFolderToTrash hand the checked path to call
// instead of GIO. An empty function restores GIO.
void setTrashCallForTests(TrashCall call);

} // namespace platform

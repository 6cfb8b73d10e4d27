#pragma once

#include "scan/fileidentity.h"
#include "scan/foundfile.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringView>

#include <atomic>
#include <memory>
#include <vector>

// What lies below one folder: every regular file in it or in a folder below
// it, a file with several names counted once.
struct FolderSize
{
    QString path;
    // The files' lengths, in bytes.
    qint64 size = 0;
    // The space they take on disk, in bytes.
    qint64 allocated = 0;
    qint64 files = 0;
    // False when the folder or one below it could not be read (or a file in
    // them could not be examined): the totals are then lower bounds.
    bool complete = true;
};

// The folders a walk met, each with the files found directly in it, summed
// up the tree on request. The walk's threads add folders and files while it
// runs; largest() may be called at any time from any thread, and is exact
// once the walk has ended.
//
// Memory grows with the folders alone: a folder costs one fixed-size record
// and its name, kept in large shared blocks; the files are only counted.
// Files with several names are remembered by identity (device and inode),
// and counted in the folder of their name first in byte order, the name the
// ranking shows them under. A root that lies inside a root walked before
// (or is the same) is not counted again; a root that holds a root walked
// before takes that root's place.
class FolderTree
{
public:
    using Index = quint32;
    static constexpr Index none = ~Index(0);

    FolderTree();
    ~FolderTree();
    FolderTree(const FolderTree &) = delete;
    FolderTree &operator=(const FolderTree &) = delete;

    // Forgets every folder; only while no walk adds to the tree.
    void clear();

    // A root about to be walked (absolute and clean); none when it is already
    // counted under a root added before, or memory ran out.
    Index addRoot(const QString &path);
    // A folder found in parent; none when parent is none.
    Index addChild(Index parent, QStringView name);
    // The folder turned out not to be entered (another file system, a loop):
    // it is left out of the lists.
    void markSkipped(Index folder);
    // The folder, or an entry in it, could not be read.
    void markUnreadable(Index folder);
    // Files found directly in the folder, each with one name.
    void addFiles(Index folder, qint64 files, qint64 size, qint64 allocated);
    // A file found directly in the folder that has more than one name; path
    // is its full path.
    void addLinked(Index folder, const QString &path, qint64 size, qint64 allocated, quint64 device,
                   quint64 inode);

    // How many folders are counted.
    qint64 folderCount() const;
    // The count largest folders by the chosen size, largest first; equal
    // sizes by path in byte order.
    QList<FolderSize> largest(int count, SizeKind by) const;
    // Every counted folder, in no particular order.
    QList<FolderSize> all() const;

private:
    struct Node;
    struct Sums;
    struct Linked
    {
        Index folder;
        qint64 size;
        qint64 allocated;
        QString path;
    };
    using Key = FileIdentity;

    Index add(Index parent, quint32 root, QStringView name);
    Node &node(Index index) const;
    bool rootCounted(quint32 root) const;
    std::vector<Sums> sums(Index &count) const;
    QString pathOf(Index index) const;

    // Guards the blocks, the roots and the count; nodes themselves are
    // written once before they are counted, and their sums are atomic.
    mutable QMutex mutex;
    std::vector<std::unique_ptr<Node[]>> blocks;
    // The blocks by number, in a table that never moves, so that a node is
    // found without the mutex while blocks are added.
    struct FreeTable
    {
        void operator()(Node **table) const;
    };
    std::unique_ptr<Node *[], FreeTable> table;
    std::vector<std::unique_ptr<char16_t[]>> nameBlocks;
    qsizetype nameUsed = 0;
    std::atomic<Index> count {0};
    struct Root
    {
        QString path;
        bool counted;
    };
    std::vector<Root> roots;
    QMutex linkedMutex;
    QHash<Key, Linked> linked;
};

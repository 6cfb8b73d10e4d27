#include "store/scanrecord.h"

#include "scan/foundfile.h"
#include "scan/pathcodec.h"
#include "scan/scansession.h"

#include <algorithm>

namespace {

QStringList cleanPaths(const QStringList &paths)
{
    QStringList clean;
    for (const QString &path : paths)
        clean << ScanSession::cleanRoot(path);
    std::sort(clean.begin(), clean.end(),
              [](const QString &a, const QString &b) { return pathcodec::nativeLess(a, b); });
    clean.erase(std::unique(clean.begin(), clean.end()), clean.end());
    return clean;
}

QStringList cleanTypes(const QStringList &types)
{
    QStringList clean;
    for (QString type : types) {
        if (type.startsWith(QLatin1Char('.')))
            type.remove(0, 1);
        clean << type.toLower();
    }
    clean.sort();
    clean.removeDuplicates();
    return clean;
}

} // namespace

ScanTarget ScanTarget::of(const QStringList &roots, const ScanOptions &options)
{
    ScanTarget target;
    target.roots = cleanPaths(roots);
    target.includeHidden = options.includeHidden;
    target.oneFileSystem = options.oneFileSystem;
    target.skipNetwork = options.skipNetwork;
    target.excludes = cleanPaths(options.excludes);
    return target;
}

QString ScanTarget::key() const
{
    QString key = QStringLiteral("target 1\n");
    for (const QString &root : roots)
        key += QLatin1String("root ") + pathcodec::escapedLine(root) + QLatin1Char('\n');
    for (const QString &exclude : excludes)
        key += QLatin1String("exclude ") + pathcodec::escapedLine(exclude) + QLatin1Char('\n');
    key += QStringLiteral("hidden %1\none-file-system %2\nskip-network %3\n")
               .arg(int(includeHidden))
               .arg(int(oneFileSystem))
               .arg(int(skipNetwork));
    return key;
}

ListingRule ListingRule::of(int count, const ScanOptions &options)
{
    ListingRule rule;
    rule.count = count;
    rule.minSize = options.minSize;
    rule.types = cleanTypes(options.types);
    rule.olderThanDays = options.olderThanDays;
    return rule;
}

bool ListingRule::operator==(const ListingRule &other) const
{
    return count == other.count && minSize == other.minSize && types == other.types &&
        olderThanDays == other.olderThanDays;
}

ScanRecord scanRecordOf(const ScanSession &session, const QStringList &roots,
                        const QList<FoundFile> &listed)
{
    ScanRecord scan;
    scan.target = ScanTarget::of(roots, session.options());
    ScanSummary &summary = scan.summary;
    summary.durationMs = session.elapsedMs();
    summary.started = QDateTime::currentDateTimeUtc().addMSecs(-summary.durationMs);
    summary.partial = session.wasStopped();
    summary.fileCount = session.fileCount();
    summary.byteCount = session.byteCount();
    summary.unreadableCount = session.unreadableCount();
    summary.listing = ListingRule::of(session.resultCount(), session.options());
    summary.listedCount = listed.size();
    for (const FoundFile &file : listed) {
        StoredFile stored;
        stored.path = file.path;
        stored.size = file.size;
        stored.device = file.device;
        stored.inode = file.inode;
        scan.files << stored;
    }
    return scan;
}

#include "mainwindow/folderspage.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

// The "Folders" view on its own: the size it goes by, each folder's share of
// the scan, sorting by a header click and the filter text.
class tst_FoldersPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shareAndSize_data();
    void shareAndSize();
    void sortsAndFilters();
    void trashedFoldersLeave();
};

static QList<FolderSize> tree()
{
    // A root, two folders below it, and a second root.
    return {{"/data", 800, 400, 3},
            {"/data/Movies", 600, 200, 1},
            {"/data/music", 200, 200, 2},
            {"/srv", 200, 600, 9}};
}

static QString cell(const QAbstractItemModel *model, int row, int column)
{
    return model->index(row, column).data().toString();
}

void tst_FoldersPage::shareAndSize_data()
{
    QTest::addColumn<SizeKind>("by");
    QTest::addColumn<QString>("movieShare");
    QTest::addColumn<QString>("srvShare");
    QTest::newRow("file size") << SizeKind::Apparent << "60.0%"
                               << "20.0%";
    QTest::newRow("space on disk") << SizeKind::OnDisk << "20.0%"
                                   << "60.0%";
}

void tst_FoldersPage::shareAndSize()
{
    QFETCH(SizeKind, by);
    QFETCH(QString, movieShare);
    QFETCH(QString, srvShare);
    FoldersPage page;
    page.setFolders(tree(), by);
    const FolderModel *model = page.model();
    QCOMPARE(cell(model, 1, FolderModel::ShareColumn), movieShare);
    QCOMPARE(cell(model, 3, FolderModel::ShareColumn), srvShare);
    QCOMPARE(cell(model, 3, FolderModel::FilesColumn), QStringLiteral("9"));
    QCOMPARE(model->index(3, FolderModel::SizeColumn).data(FolderModel::BytesRole).toLongLong(),
             by == SizeKind::OnDisk ? 600 : 200);
}

void tst_FoldersPage::sortsAndFilters()
{
    FoldersPage page;
    page.show();
    QSignalSpy counts(&page, &FoldersPage::shownCountChanged);
    page.setFolders(tree(), SizeKind::Apparent);
    const QAbstractItemModel *shown = page.table()->model();
    QCOMPARE(cell(shown, 0, FolderModel::PathColumn), QStringLiteral("/data"));
    // A click on "Files" sorts by the file count, the largest first after a
    // second click.
    QHeaderView *header = page.table()->horizontalHeader();
    const auto clickFiles = [&] {
        const int x = header->sectionViewportPosition(FolderModel::FilesColumn) + 5;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    };
    clickFiles();
    const QString first = cell(shown, 0, FolderModel::PathColumn);
    clickFiles();
    QVERIFY(first != cell(shown, 0, FolderModel::PathColumn));
    QCOMPARE(QSet<QString>({first, cell(shown, 0, FolderModel::PathColumn)}),
             QSet<QString>({"/data/Movies", "/srv"}));

    page.setFilterText(QStringLiteral("MUSIC"));
    QCOMPARE(shown->rowCount(), 1);
    QCOMPARE(cell(shown, 0, FolderModel::PathColumn), QStringLiteral("/data/music"));
    QCOMPARE(counts.last(), (QList<QVariant> {1, 4}));
    page.setFilterText(QString());
    QCOMPARE(shown->rowCount(), 4);
}

// A live update keeps the chosen row and the widths the user set; a folder
// gone to the trash takes its row and those below it, and the folders above
// hold that much less.
void tst_FoldersPage::trashedFoldersLeave()
{
    FoldersPage page;
    page.setFolders(tree(), SizeKind::Apparent);
    page.table()->selectRow(2);
    QCOMPARE(page.chosenPath(), QStringLiteral("/data/music"));
    // A column the user widened stays so.
    page.table()->setColumnWidth(FolderModel::FilesColumn, 300);
    page.setFolders(tree().mid(1), SizeKind::Apparent);
    QCOMPARE(page.chosenPath(), QStringLiteral("/data/music"));
    QCOMPARE(page.table()->columnWidth(FolderModel::FilesColumn), 300);
    page.setFolders(tree() + QList<FolderSize>({{"/data/Movies/old", 500, 100, 1}}),
                    SizeKind::Apparent);
    page.removeFolders({"/data/Movies"});
    QStringList left;
    for (const FolderSize &folder : page.model()->folders())
        left << folder.path;
    QCOMPARE(left, QStringList({"/data", "/data/music", "/srv"}));
    const FolderSize data = page.model()->folders().first();
    QCOMPARE(data.size, 200);
    QCOMPARE(data.allocated, 200);
    QCOMPARE(data.files, 2);
}

QTEST_MAIN(tst_FoldersPage)

#include "tst_folderspage.moc"

#include "customdir/customdir.h"
#include "widgets/directorychooser.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The custom directory dialog as the main window uses it: built from an
// initial list, extended through the (replaced) directory chooser, ticked and
// renamed through its list view, answered, then gone.
class tst_CustomDir : public QObject
{
    Q_OBJECT

public:
    enum Answer { Ok, Cancel, CloseButton, Escape };
    Q_ENUM(Answer)

private:
    QList<QPointer<CustomDir>> opened;

    static QListView *view(CustomDir *d) { return d->findChild<QListView *>("listView"); }
    static QAbstractItemModel *model(CustomDir *d) { return view(d)->model(); }

    // A shown dialog with the initial entries, then one chooser row per path of `added`.
    QPointer<CustomDir> open(const QStringList &initial, const QStringList &added = {})
    {
        QPointer<CustomDir> d = new CustomDir; // releases itself once answered
        opened.append(d);
        d->setDirList(initial);
        d->initDirList();
        d->show();
        for (const QString &path : added) {
            directorychooser::setChooser([path](QWidget *, const QString &, const QString &,
                                                QFileDialog::Options) { return path; });
            d->findChild<QPushButton *>("adddirb")->click();
        }
        return d;
    }

    // Toggles a row's check box the way the user does from the keyboard.
    static void toggle(CustomDir *d, int row)
    {
        view(d)->setCurrentIndex(model(d)->index(row, 0));
        QTest::keyClick(view(d), Qt::Key_Space);
    }

    static void answer(CustomDir *d, Answer how)
    {
        auto *box = d->findChild<QDialogButtonBox *>("buttonBox");
        switch (how) {
        case Ok:
            box->button(QDialogButtonBox::Ok)->click();
            break;
        case Cancel:
            box->button(QDialogButtonBox::Cancel)->click();
            break;
        case CloseButton:
            d->findChild<QPushButton *>("exitb")->click();
            break;
        case Escape:
            QTest::keyClick(d, Qt::Key_Escape);
            break;
        }
    }

private Q_SLOTS:
    void cleanup();
    void form();
    void initDirList_data();
    void initDirList();
    void addDir_data();
    void addDir();
    void result_data();
    void result();
    void answerWithoutList_data();
    void answerWithoutList();
    void closingDoesNotQuit_data();
    void closingDoesNotQuit();
    void fitsLargerFontsAndResizing_data();
    void fitsLargerFontsAndResizing();
};

void tst_CustomDir::cleanup()
{
    directorychooser::setChooser({});
    // A dialog a failed check left unanswered must not linger into the next test.
    for (const QPointer<CustomDir> &d : std::as_const(opened))
        delete d.data();
    opened.clear();
}

void tst_CustomDir::form()
{
    QPointer<CustomDir> d = open({});
    // What Alt+Tab and the task bar show, never the form's internal name.
    QCOMPARE(d->windowTitle(), "Custom Scan - Vastrel");
    QCOMPARE(d->size(), QSize(400, 310));
    QVERIFY(d->isModal());

    auto *box = d->findChild<QDialogButtonBox *>("buttonBox");
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(d->findChild<QPushButton *>("adddirb")->text(), "Add");
    QCOMPARE(d->findChild<QPushButton *>("exitb")->text(), QString());
}

void tst_CustomDir::initDirList_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("calls");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("in order") << QStringList {"C:/", "/home", "D:/Work"} << 1
                              << QStringList {"C:/", "/home", "D:/Work"};
    QTest::newRow("empty entry skipped")
        << QStringList {"C:/", "", "D:/"} << 1 << QStringList {"C:/", "D:/"};
    QTest::newRow("twice appends twice")
        << QStringList {"C:/", "D:/"} << 2 << QStringList {"C:/", "D:/", "C:/", "D:/"};
    QTest::newRow("nothing") << QStringList {} << 1 << QStringList {};
}

void tst_CustomDir::initDirList()
{
    QFETCH(QStringList, entries);
    QFETCH(int, calls);
    QFETCH(QStringList, rows);

    QPointer<CustomDir> d = open({});
    d->setDirList(entries);
    for (int i = 0; i < calls; ++i)
        d->initDirList();

    QAbstractItemModel *m = model(d);
    QCOMPARE(m->rowCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const QModelIndex index = m->index(row, 0);
        QCOMPARE(index.data().toString(), rows[row]);
        QCOMPARE(index.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(index.flags() & Qt::ItemIsUserCheckable);
        QVERIFY(index.flags() & Qt::ItemIsEditable);
    }
}

void tst_CustomDir::addDir_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("rows");

    QTest::newRow("a directory") << "/srv/music" << 2;
    QTest::newRow("chooser cancelled") << QString() << 1;
}

void tst_CustomDir::addDir()
{
    QFETCH(QString, chosen);
    QFETCH(int, rows);

    QPointer<CustomDir> d = open({"C:/"});
    QWidget *askedParent = nullptr;
    QString askedCaption, askedDir;
    QFileDialog::Options askedOptions;
    directorychooser::setChooser([&](QWidget *parent, const QString &caption, const QString &dir,
                                     QFileDialog::Options options) {
        askedParent = parent;
        askedCaption = caption;
        askedDir = dir;
        askedOptions = options;
        return chosen;
    });
    d->findChild<QPushButton *>("adddirb")->click();

    QCOMPARE(askedParent, d.data());
    QCOMPARE(askedCaption, "Open Directory");
    QCOMPARE(askedDir, QDir::homePath());
    QCOMPARE(askedOptions, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);

    QAbstractItemModel *m = model(d);
    QCOMPARE(m->rowCount(), rows);
    if (rows == 2) {
        const QModelIndex added = m->index(1, 0);
        QCOMPARE(added.data().toString(), chosen);
        QCOMPARE(added.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(added.flags() & Qt::ItemIsUserCheckable);
        QVERIFY(!(added.flags() & Qt::ItemIsEditable));
    }

    // Using the dialog does not release it; only an answer does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!d.isNull());
    QVERIFY(d->isVisible());
}

// Each row: initial entries, chooser rows, an optional rename through the
// view's editor (row -1: none), the rows whose check boxes are toggled in that
// order, then the answer to OK: the list text, or a null string for a cancel.
void tst_CustomDir::result_data()
{
    QTest::addColumn<QStringList>("initial");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<int>("editRow");
    QTest::addColumn<QString>("editText");
    QTest::addColumn<QList<int>>("toggles");
    QTest::addColumn<QString>("cdirlist");

    const QStringList three {"C:/", "D:/", "E:/Work"};
    QTest::newRow("third row only")
        << three << QStringList {} << -1 << QString() << QList<int> {2} << "E:/Work";
    QTest::newRow("display order, not tick order")
        << three << QStringList {} << -1 << QString() << QList<int> {2, 0} << "C:/;E:/Work";
    QTest::newRow("untick leaves it out")
        << three << QStringList {} << -1 << QString() << QList<int> {0, 1, 0} << "D:/";
    QTest::newRow("nothing ticked")
        << three << QStringList {} << -1 << QString() << QList<int> {} << QString();
    QTest::newRow("initial and chooser rows")
        << QStringList {"C:/"} << QStringList {"/home/u/Music"} << -1 << QString()
        << QList<int> {1, 0} << "C:/;/home/u/Music";
    QTest::newRow("same directory added twice")
        << QStringList {} << QStringList {"/srv/music", "/srv/music"} << -1 << QString()
        << QList<int> {0, 1} << "/srv/music;/srv/music";
    QTest::newRow("path containing ;") << QStringList {"/c"} << QStringList {"/data/a;b"} << -1
                                       << QString() << QList<int> {0, 1} << "/c;/data/a;b";
    QTest::newRow("renamed row sends its new text")
        << QStringList {"C:/", "D:/"} << QStringList {} << 1 << "D:/Photos" << QList<int> {1}
        << "D:/Photos";
    QTest::newRow("chooser row cannot be renamed") << QStringList {} << QStringList {"/srv/x"} << 0
                                                   << "/elsewhere" << QList<int> {0} << "/srv/x";
    // A row the user emptied is still a ticked row: its empty path is sent.
    QTest::newRow("row emptied, ticked alone")
        << QStringList {"C:/"} << QStringList {} << 0 << "" << QList<int> {0} << QString("");
    QTest::newRow("row emptied, beside a ticked row")
        << QStringList {"C:/", "D:/"} << QStringList {} << 0 << "" << QList<int> {0, 1} << ";D:/";
}

void tst_CustomDir::result()
{
    QFETCH(QStringList, initial);
    QFETCH(QStringList, added);
    QFETCH(int, editRow);
    QFETCH(QString, editText);
    QFETCH(QList<int>, toggles);
    QFETCH(QString, cdirlist);

    QPointer<CustomDir> d = open(initial, added);
    QSignalSpy complete(d.data(), &CustomDir::customdircomplete);
    QSignalSpy cancel(d.data(), &CustomDir::customdircancel);

    if (editRow >= 0) {
        view(d)->setCurrentIndex(model(d)->index(editRow, 0));
        QTest::keyClick(view(d), Qt::Key_F2);
        if (auto *editor = view(d)->findChild<QLineEdit *>()) {
            editor->clear();
            QTest::keyClicks(editor, editText);
            QTest::keyClick(editor, Qt::Key_Return); // commits through a queued call
            QTRY_COMPARE(model(d)->index(editRow, 0).data().toString(), editText);
        }
    }
    for (int row : toggles)
        toggle(d, row);
    answer(d, Ok);

    QVERIFY(!d.isNull()); // released only after the answer has been delivered
    QVERIFY(!d->isVisible());
    if (cdirlist.isNull()) {
        QCOMPARE(complete.count(), 0);
        QCOMPARE(cancel.count(), 1);
    } else {
        QCOMPARE(cancel.count(), 0);
        QCOMPARE(complete.count(), 1);
        QCOMPARE(complete.at(0).at(0).toString(), cdirlist);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(d.isNull());
}

void tst_CustomDir::answerWithoutList_data()
{
    QTest::addColumn<Answer>("how");
    QTest::addColumn<int>("cancels");

    QTest::newRow("Cancel") << Cancel << 1;
    QTest::newRow("close button") << CloseButton << 1;
    QTest::newRow("OK, nothing ticked") << Ok << 1;
    QTest::newRow("Escape") << Escape << 0;
}

// Ticked rows do not matter to any answer but OK; none of these sends a list.
void tst_CustomDir::answerWithoutList()
{
    QFETCH(Answer, how);
    QFETCH(int, cancels);

    QPointer<CustomDir> d = open({"C:/", "D:/"});
    if (how != Ok)
        toggle(d, 1);
    QSignalSpy complete(d.data(), &CustomDir::customdircomplete);
    QSignalSpy cancel(d.data(), &CustomDir::customdircancel);

    answer(d, how);
    QVERIFY(!d.isNull());
    QVERIFY(!d->isVisible());
    QCOMPARE(complete.count(), 0);
    QCOMPARE(cancel.count(), cancels);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(d.isNull());
}

void tst_CustomDir::closingDoesNotQuit_data()
{
    answerWithoutList_data();
}

// With the main window hidden in the tray the dialog is the only visible
// window; answering it must leave the application's event loop running.
void tst_CustomDir::closingDoesNotQuit()
{
    QFETCH(Answer, how);

    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<CustomDir> d = open({"C:/"});
    if (how == Ok)
        toggle(d, 0);

    QTimer::singleShot(0, d, [&] {
        answer(d, how);
        // Queued behind anything the close posted, such as a quit.
        QTimer::singleShot(0, [] { QCoreApplication::exit(42); });
    });
    QCOMPARE(QCoreApplication::exec(), 42);
    QCOMPARE(lastClosed.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(d.isNull());
}

// The buttons show their whole text at the usual desktop font sizes, and
// the list takes the room of a dialog made larger.
void tst_CustomDir::fitsLargerFontsAndResizing_data()
{
    QTest::addColumn<int>("points");
    for (int points : {8, 10, 12})
        QTest::addRow("%d pt", points) << points;
}

void tst_CustomDir::fitsLargerFontsAndResizing()
{
    QFETCH(int, points);
    const QFont original = QApplication::font();
    QFont font = original;
    font.setPointSize(points);
    QApplication::setFont(font);
    QPointer<CustomDir> d = open({"/"});
    QVERIFY(QTest::qWaitForWindowExposed(d));
    for (QPushButton *button : d->findChildren<QPushButton *>()) {
        if (!button->text().isEmpty())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    }
    const int listHeight = view(d)->height();
    d->resize(d->width() + 200, d->height() + 200);
    QTRY_COMPARE(view(d)->height(), listHeight + 200);
    answer(d, Cancel);
    QApplication::setFont(original);
}

QTEST_MAIN(tst_CustomDir)
#include "tst_customdir.moc"

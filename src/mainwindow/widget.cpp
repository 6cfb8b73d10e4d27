#include "mainwindow/widget.h"
#include "ui_widget.h"

#include "app/scansettings.h"
#include "app/settings.h"
#include "config/config.h"
#include "customdir/customdir.h"
#include "customdir/directorychooser.h"
#include "frameless/screenfit.h"
#include "frameless/windowdrag.h"
#include "mainwindow/plaintext.h"
#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsmenu.h"
#include "net/updateprotocol.h"
#include "platform/platform.h"
#include "scan/pathcodec.h"
#include "scan/scansession.h"
#include "scan/sizetext.h"

#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QSizeGrip>
#include <QStandardItemModel>

#include <algorithm>

bool (*Widget::systemTrayAvailable)() = &QSystemTrayIcon::isSystemTrayAvailable;

namespace {

// Three slots keep names whose signals Qt 6 no longer has (QAction::activated,
// QComboBox::currentIndexChanged(QString)) or whose object the form lacks
// (adddirb); they are connected explicitly, so the form's by-name binding has
// nothing to say about them. This keeps its complaints out of the log while
// the form is built.
class QuietSlotsByName
{
public:
    QuietSlotsByName() { previous = QLoggingCategory::installFilter(&filter); }
    ~QuietSlotsByName() { QLoggingCategory::installFilter(previous); }

private:
    static void filter(QLoggingCategory *category)
    {
        if (previous)
            previous(category);
        if (qstrcmp(category->categoryName(), "qt.core.qmetaobject.connectslotsbyname") == 0)
            category->setEnabled(QtWarningMsg, false);
    }
    static inline QLoggingCategory::CategoryFilter previous = nullptr;
};

// What a combo item stands for; kept in the item's data, so a directory
// named like one of the fixed items is still a directory.
enum TargetKind { AllDisksTarget = 0, RootsTarget = 1, CustomScanTarget = 2 };
constexpr int TargetKindRole = Qt::UserRole;
// The exact roots of a RootsTarget item (its text is for display).
constexpr int RootsRole = Qt::UserRole + 1;

// Text on the window's own background picture: dark on its light body,
// light on its dark title strip, whatever colours the desktop theme has.
const QColor bodyTextColor(0x14, 0x1c, 0x2e);
const QColor titleTextColor(0xf0, 0xf4, 0xfa);

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// Writes a list of paths to the debug channel as ("a", "b"): Qt 6 would
// prefix its own list notation with the type name.
void debugPathList(const QStringList &paths)
{
    QDebug line = qDebug().nospace();
    line << "(";
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (i > 0)
            line << ", ";
        line << paths.at(i);
    }
    line << ")";
}

} // namespace


Widget::Widget(QWidget *parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::Widget>()),
      dragPosition(0, 0),
      mousePressed(false),
      resultmodel(nullptr),
      dirmodel(nullptr),
      trayicon(nullptr),
      configwindow(nullptr),
      useargdirlist(false),
      topcount(0),
      trayMenu(nullptr),
      resultMenu(nullptr),
      sizeGrip(nullptr)
{
    {
        QuietSlotsByName quiet;
        ui->setupUi(this);
    }
    // Qt 6 renamed or dropped the signals these slots were named after.
    connect(ui->actionOpen_in_Dir, &QAction::triggered, this,
            &Widget::on_actionOpen_in_Dir_activated);
    connect(ui->actionShow, &QAction::triggered, this, &Widget::on_actionShow_activated);
    // Connected before the combo is filled, so its first item sets the scan
    // target while the window is being built.
    connect(ui->dircombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            on_dircombo_currentIndexChanged(ui->dircombo->itemText(index));
    });

    initSetting();
    topcount = scanstatus::clampResultCount(settings::topNumber());

    resultmodel = new ResultModel(this);
    dirmodel = new QStandardItemModel(this);
    ui->dirlist->setModel(dirmodel);
    // The form's small directory list is read by nothing and lies outside
    // the window; it takes no room, no clicks and no keyboard focus.
    for (QWidget *unused : {static_cast<QWidget *>(ui->dirlist), static_cast<QWidget *>(ui->add),
                            static_cast<QWidget *>(ui->deleteb), static_cast<QWidget *>(ui->okb)}) {
        unused->setFocusPolicy(Qt::NoFocus);
        unused->hide();
    }
    setupResultsTable();
    setupKeyboard();

    session = std::make_unique<ScanSession>();

    trayicon = new QSystemTrayIcon(QIcon(QStringLiteral(":/image/image/systemsearch.png")), this);
    trayicon->setToolTip(tr("Vastrel"));
    trayMenu = new QMenu(this);
    trayMenu->addAction(ui->actionShow);
    trayMenu->addAction(ui->actionExit);

    setWindowTitle(QStringLiteral("Vastrel"));
    setTextColor(ui->currentfile, bodyTextColor);
    setTextColor(ui->scanstats, bodyTextColor);
    setTextColor(ui->label_3, titleTextColor);

    // The status line takes the walk's latest path on its own beat rather
    // than hearing of every file, which would slow the walk.
    pathTimer.setInterval(statusPathMs);
    connect(&pathTimer, &QTimer::timeout, this, &Widget::showRecentPath);
    connect(session.get(), &ScanSession::finished, this, &Widget::scancomplete);
    liveTimer.setInterval(liveUpdateMs);
    connect(&liveTimer, &QTimer::timeout, this, &Widget::liveUpdate);
    connect(trayicon, &QSystemTrayIcon::activated, this, &Widget::iconActivated);
    connect(trayicon, &QSystemTrayIcon::messageClicked, this, &Widget::maxWindow);
    connect(&updateclient, &HttpClient::readyRead, this, &Widget::autoupdatecheckdone);

    setDirCommbo();
    platform::registerDirectoryVerb();
    if (settings::autoUpdateCheck())
        autoupdatecheck();
}

Widget::~Widget()
{
    session.reset(); // stops a running walk and waits for it
    delete configwindow;
}

void Widget::setupResultsTable()
{
    QTableView *table = ui->tableView;
    table->setModel(resultmodel);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QHeaderView *header = table->horizontalHeader();
    // A long path makes its column wider than the view; its title stays in
    // sight at the column's start.
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSortIndicator(ResultModel::SizeColumn, Qt::DescendingOrder);
    table->setSortingEnabled(true);
    connect(table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            on_actionOpen_in_Dir_activated();
    });
    table->installEventFilter(this);

    resultMenu = new QMenu(this);
    resultMenu->addAction(ui->actionOpen_in_Dir);
    resultActions = new ResultsMenu(
        table, [this] { return selectedResults(); }, [this] { return resultmodel->files(); });
    for (QAction *action : resultActions->actions()) {
        if (action)
            resultMenu->addAction(action);
        else
            resultMenu->addSeparator();
    }
    connect(resultActions, &ResultsMenu::trashed, this, &Widget::removeResults);
    connect(resultActions, &ResultsMenu::statusMessage, ui->currentfile, &QLabel::setText);

    // A frameless window has no border to pull; the grip in its corner
    // resizes it while the results are shown.
    sizeGrip = new QSizeGrip(ui->widget);
    sizeGrip->setToolTip(tr("Resize"));
    ui->widget->installEventFilter(this);
    showResults(false);
}

void Widget::setupKeyboard()
{
    // The title buttons take focus from the keyboard only, and Enter presses
    // the one that has it.
    for (QPushButton *button : {ui->config, ui->minb, ui->exitb}) {
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(true);
    }
    setTabOrder(ui->dircombo, ui->scanb);
    setTabOrder(ui->scanb, ui->tableView);
    setTabOrder(ui->tableView, ui->config);
    setTabOrder(ui->config, ui->minb);
    setTabOrder(ui->minb, ui->exitb);
    ui->dircombo->setFocus();
}

void Widget::setArgDirList(QStringList dirs)
{
    qDebug("set ture");
    useargdirlist = true;
    argdirlist = std::move(dirs);
    // The combo shows what the next scan walks.
    int at = ui->dircombo->count();
    for (int i = 0; i < ui->dircombo->count(); ++i) {
        if (ui->dircombo->itemData(i, TargetKindRole).toInt() == CustomScanTarget)
            at = i + 1;
    }
    addTarget(pathcodec::displayText(argdirlist.join(QLatin1Char(';'))), argdirlist, at);
}

// Scan and results ----------------------------------------------------------

void Widget::on_scanb_clicked()
{
    if (!session->isRunning()) {
        startScan();
    } else if (!session->wasStopped()) {
        ui->scanb->setText(tr("Scan"));
        // The walk winds down on its own; the button waits for its end.
        ui->scanb->setEnabled(false);
        session->stop();
    }
}

void Widget::startScan()
{
    const QStringList roots = scanDirList();
    debugPathList(roots);
    session->setRoots(roots);
    session->setResultCount(topcount);
    session->setOptions(scansettings::load());
    resultmodel->clear();
    const QDateTime started = QDateTime::currentDateTime();
    if (!session->start())
        return;
    // One line while paths pass by: a wrapping label would be measured
    // again for every path.
    ui->currentfile->setWordWrap(false);
    resultActions->setScanStarted(started);
    resultActions->setScanRunning(true);
    ui->currentfile->clear();
    ui->scanstats->clear();
    ui->scanb->setText(tr("Stop"));
    liveTimer.start();
    pathTimer.start();
}

QStringList Widget::scanDirList()
{
    if (useargdirlist) {
        useargdirlist = false;
        return argdirlist;
    }
    if (!scandirlist.isEmpty())
        return scandirlist;
    return ScanSession::allDriveRoots();
}

QStringList Widget::driveList() const
{
    return ScanSession::readableDriveRoots();
}

scanstatus::Figures Widget::figures() const
{
    return {session->fileCount(), session->byteCount(), session->elapsedMs(),
            session->unreadableCount()};
}

void Widget::showfile(const QString &path)
{
    // The middle of a long path gives way, so the file name stays in sight.
    // Measuring a text costs as much as drawing it, so a path that is
    // plainly short enough is not measured.
    QLabel *label = ui->currentfile;
    const QString shown = pathcodec::displayText(path);
    const QFontMetrics metrics = label->fontMetrics();
    if (shown.size() * qint64(metrics.maxWidth()) <= label->width())
        label->setText(shown);
    else
        label->setText(metrics.elidedText(shown, Qt::ElideMiddle, label->width()));
}

void Widget::showRecentPath()
{
    const QString path = session->takeRecentPath();
    if (!path.isEmpty())
        showfile(path);
}

void Widget::liveUpdate()
{
    const QList<FoundFile> files = session->snapshot();
    if (!files.isEmpty())
        showResults(true);
    const int rowsBefore = resultmodel->rowCount();
    resultmodel->setFiles(files);
    if (resultmodel->rowCount() != rowsBefore)
        fitColumns();
    ui->scanstats->setText(scanstatus::progress(figures(), scanstatus::numberLocale()));
}

void Widget::scancomplete()
{
    liveTimer.stop();
    pathTimer.stop();
    resultActions->setScanRunning(false);
    const bool stopped = session->wasStopped();
    ui->currentfile->setWordWrap(true); // the summary may need two lines at large fonts
    ui->currentfile->setText(scanstatus::summary(figures(), stopped, scanstatus::numberLocale()));
    ui->scanstats->clear();
    ui->scanb->setText(QStringLiteral("Scan"));
    ui->scanb->setEnabled(true);
    showResults(true);

    const QList<FoundFile> results = session->results();
    if (results.isEmpty())
        showEmptyResultMessage();
    for (const FoundFile &found : results)
        qDebug() << megabytes(found.size) << ":" << found.path;
    resultmodel->setFiles(results);
    fitColumns();
    if (!stopped)
        completeMsg();
}

void Widget::fitColumns()
{
    // Each column as wide as its widest text, a long path included (the
    // view scrolls sideways); the path column takes any room left over.
    QTableView *table = ui->tableView;
    table->resizeColumnsToContents();
    const int rest = table->viewport()->width() - table->columnWidth(ResultModel::SizeColumn);
    if (table->columnWidth(ResultModel::PathColumn) < rest)
        table->setColumnWidth(ResultModel::PathColumn, rest);
}

void Widget::showResults(bool shown)
{
    if (ui->resultsarea->isHidden() != shown)
        return;
    ui->resultsarea->setVisible(shown);
    sizeGrip->setVisible(shown);
    if (isMaximized() || isFullScreen())
        return;
    // The compact window shows the controls above the table, the full one
    // the table as well; larger fonts may need more than either.
    layout()->activate();
    resize(width(), qMax(shown ? 400 : 150, minimumSizeHint().height()));
    screenfit::keepOnScreen(this);
}

void Widget::showEmptyResultMessage()
{
    // Shown without blocking the window's event handling; it must not end
    // the program when it closes while the window is hidden in the tray.
    auto *box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    box->setText(tr("There is NO file in your selected Dir!"));
    box->show();
}

void Widget::completeMsg()
{
    if (trayicon)
        trayicon->showMessage(tr("Complete"), tr("The Scan is complete"),
                              QSystemTrayIcon::Information, 10000);
}

void Widget::topNumberChanged(ulong ptopnumber)
{
    // ulong is 64 bits wide on Linux; the count keeps the low 32 bits, and
    // the window lists between 1 and 10000 rows.
    topcount = scanstatus::clampResultCount(qint32(quint32(ptopnumber & 0xffffffffUL)));
}

// Keyboard ---------------------------------------------------------------------

void Widget::keyPressEvent(QKeyEvent *event)
{
    // Keys that no control took: Enter presses the scan button, Escape
    // stops a running scan.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ui->scanb->isEnabled())
            ui->scanb->click();
        return;
    case Qt::Key_Escape:
        if (session->isRunning() && !session->wasStopped())
            on_scanb_clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool Widget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->tableView && event->type() == QEvent::Resize) {
        fitColumns();
    } else if (watched == ui->tableView && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && ui->tableView->currentIndex().isValid()) {
            on_actionOpen_in_Dir_activated();
            return true;
        }
    } else if (watched == ui->widget && event->type() == QEvent::Resize) {
        const QSize grip = sizeGrip->sizeHint();
        sizeGrip->setGeometry(QRect(QPoint(ui->widget->width() - grip.width(),
                                           ui->widget->height() - grip.height()),
                                    grip));
        sizeGrip->raise();
    }
    return QWidget::eventFilter(watched, event);
}

// Scan target ----------------------------------------------------------------

void Widget::setDirCommbo()
{
    QComboBox *combo = ui->dircombo;
    combo->addItem(tr("All Disks"), AllDisksTarget);
    for (const QString &root : driveList()) {
        combo->addItem(pathcodec::displayText(root), RootsTarget);
        combo->setItemData(combo->count() - 1, QStringList {root}, RootsRole);
    }
    combo->addItem(tr("Custom Scan"), CustomScanTarget);
}

void Widget::addTarget(const QString &text, const QStringList &roots, int at)
{
    QComboBox *combo = ui->dircombo;
    combo->insertItem(at, text, RootsTarget);
    combo->setItemData(at, roots, RootsRole);
    if (combo->currentIndex() == at)
        on_dircombo_currentIndexChanged(text); // took the place of the current item
    else
        combo->setCurrentIndex(at);
}

void Widget::on_dircombo_currentIndexChanged(const QString &text)
{
    QComboBox *combo = ui->dircombo;
    const int index = combo->currentIndex();
    combo->setToolTip(plaintext::toolTip(text));
    switch (combo->itemData(index, TargetKindRole).toInt()) {
    case AllDisksTarget:
        scandirlist = driveList();
        break;
    case CustomScanTarget:
        on_adddirb_clicked();
        return;
    default:
        scandirlist = combo->itemData(index, RootsRole).toStringList();
        break;
    }
    lastTarget = QPersistentModelIndex(combo->model()->index(index, combo->modelColumn()));
}

void Widget::on_adddirb_clicked()
{
    customdirdialog = new CustomDir; // releases itself once it has answered
    customdirdialog->setDirList(driveList());
    customdirdialog->initDirList();
    customdirdialog->setVisible(true);
    connect(customdirdialog, &CustomDir::customdircomplete, this, &Widget::customdiraccepted);
    connect(customdirdialog, &CustomDir::customdircancel, this, &Widget::customdircancel);
    // The dialog closes before it sends its answer; what the answer changed
    // is seen once the event loop comes round again.
    connect(customdirdialog, &QDialog::finished, this, &Widget::customDialogClosed,
            Qt::QueuedConnection);
}

void Widget::customDialogClosed()
{
    // Dismissed without an answer (Escape): back to the target of before, so
    // the combo shows what the next scan walks and "Custom Scan" can be
    // chosen again.
    QComboBox *combo = ui->dircombo;
    if (combo->itemData(combo->currentIndex(), TargetKindRole).toInt() != CustomScanTarget)
        return;
    combo->setCurrentIndex(lastTarget.isValid() ? lastTarget.row() : 0);
}

void Widget::customdiraccepted(const QString &cdirlist)
{
    qDebug() << cdirlist;
    addTarget(pathcodec::displayText(cdirlist),
              cdirlist.split(QLatin1Char(';'), Qt::KeepEmptyParts, Qt::CaseSensitive),
              ui->dircombo->currentIndex() + 1);
}

void Widget::customdircancel()
{
    ui->dircombo->setCurrentIndex(0);
}

void Widget::on_add_clicked()
{
    const QString dir = directorychooser::getExistingDirectory(
        this, tr("Open Directory"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!dir.isEmpty())
        dirmodel->appendRow(new QStandardItem(dir));
}

void Widget::on_deleteb_clicked()
{
    const int row = ui->dirlist->currentIndex().row();
    if (row >= 0)
        dirmodel->removeRow(row);
}

void Widget::on_okb_clicked()
{
    showResults(false);
}

// Tray, window controls and the results menu --------------------------------

void Widget::on_minb_clicked()
{
    minWindow();
}

void Widget::minWindow()
{
    // Without a tray the hidden window could never be brought back.
    if (!trayicon || !systemTrayAvailable()) {
        showMinimized();
        return;
    }
    trayMaximized = isMaximized();
    trayGeometry = trayMaximized ? normalGeometry() : geometry();
    hide();
    trayicon->show();
    trayicon->setContextMenu(trayMenu);
}

void Widget::maxWindow()
{
    if (!trayicon)
        return;
    trayicon->hide();
    // A window manager may place a window that is mapped again as if it were
    // new; the window comes back where it was.
    if (trayGeometry.isValid())
        setGeometry(trayGeometry);
    if (trayMaximized)
        showMaximized();
    else
        show();
    raise();
    activateWindow();
}

void Widget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        maxWindow();
}

void Widget::on_actionShow_activated()
{
    maxWindow();
}

void Widget::on_exitb_clicked()
{
    delete configwindow;
    configwindow = nullptr;
    delete trayicon;
    trayicon = nullptr;
    close();
    // Closing a window hidden in the tray does not end the event loop.
    QCoreApplication::quit();
}

void Widget::on_actionExit_triggered()
{
    on_exitb_clicked();
}

void Widget::on_tableView_customContextMenuRequested(const QPoint &)
{
    resultActions->updateActions();
    resultMenu->popup(QCursor::pos());
}

QList<FoundFile> Widget::selectedResults() const
{
    QList<int> rows;
    for (const QModelIndex &index : ui->tableView->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<FoundFile> files;
    for (int row : rows)
        files << resultmodel->file(row);
    return files;
}

void Widget::removeResults(const QList<FoundFile> &files)
{
    QSet<QString> gone;
    for (const FoundFile &file : files)
        gone.insert(file.path);
    QList<FoundFile> rest;
    for (const FoundFile &file : resultmodel->files()) {
        if (!gone.contains(file.path))
            rest << file;
    }
    resultmodel->setFiles(rest);
}

void Widget::on_actionOpen_in_Dir_activated()
{
    const QModelIndex current = ui->tableView->currentIndex();
    QString path;
    if (current.isValid())
        path = resultmodel->file(current.row()).path;
    qDebug() << path;
    if (path.isEmpty())
        return;
    qDebug() << platform::revealCommand(path);
    platform::revealFile(path);
}

void Widget::mousePressEvent(QMouseEvent *event)
{
    windowdrag::press(this, event, dragPosition, mousePressed);
}

void Widget::mouseReleaseEvent(QMouseEvent *event)
{
    windowdrag::release(event, mousePressed);
}

void Widget::mouseMoveEvent(QMouseEvent *event)
{
    windowdrag::move(this, event, dragPosition, mousePressed);
}

// Settings, configuration window and update check ----------------------------

void Widget::initSetting()
{
    settings::initSetting();
}

void Widget::createConfig()
{
    if (configwindow)
        return;
    configwindow = new Config(this);
    connect(configwindow, &Config::topNumberChange, this, &Widget::topNumberChanged);
}

void Widget::on_config_clicked()
{
    createConfig();
    configwindow->show();
}

void Widget::autoupdatecheck()
{
    const updateprotocol::Server server = updateprotocol::server();
    updateclient.setHost(server.host, server.port);
    updateclient.get(updateprotocol::checkUpdatePath());
}

void Widget::autoupdatecheckdone(const HttpResponseHeader &)
{
    const updateprotocol::Verdict verdict = updateprotocol::judge(updateclient.readAll());
    switch (verdict.kind) {
    case updateprotocol::Verdict::Empty:
        break;
    case updateprotocol::Verdict::UpToDate:
        qDebug() << "Already The Latest Version!";
        break;
    case updateprotocol::Verdict::NewVersion:
        qDebug() << updateprotocol::debugExcerpt(verdict.version)
                 << updateprotocol::debugExcerpt(verdict.url);
        createConfig();
        configwindow->setCurrentTab(3);
        configwindow->on_checkupdateb_clicked();
        configwindow->show();
        break;
    case updateprotocol::Verdict::Maintenance:
        qDebug("Sorry.update server maintain.");
        break;
    }
}

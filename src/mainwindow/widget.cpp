#include "mainwindow/widget.h"
#include "mainwindow/resultsmenu.h"
#include "ui_widget.h"

#include "config/config.h"
#include "customdir/customdir.h"
#include "frameless/screenfit.h"
#include "frameless/windowdrag.h"
#include "mainwindow/copylookup.h"
#include "mainwindow/cornergrip.h"
#include "mainwindow/folderdrop.h"
#include "mainwindow/historyviews.h"
#include "mainwindow/picturetext.h"
#include "mainwindow/quietslotsbyname.h"
#include "mainwindow/resultsarea.h"
#include "mainwindow/scanhistory.h"
#include "mainwindow/scanprogress.h"
#include "mainwindow/scantargets.h"
#include "mainwindow/sparedirlist.h"
#include "mainwindow/statusline.h"
#include "mainwindow/targetcombo.h"
#include "mainwindow/windowmemory.h"
#include "mainwindow/windowtray.h"
#include "platform/platform.h"
#include "scan/scansession.h"
#include "settings/scansettings.h"
#include "settings/settings.h"
#include "store/scanstore.h"

#include <QDateTime>
#include <QDebug>
#include <QKeyEvent>

bool (*Widget::systemTrayAvailable)() = &QSystemTrayIcon::isSystemTrayAvailable;

Widget::Widget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::Widget>()), targets(new ScanTargets(this))
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
    targetCombo = new TargetCombo(ui->dircombo, targets, this);
    connect(targetCombo, &TargetCombo::customScanChosen, this, &Widget::on_adddirb_clicked);
    connect(targetCombo, &TargetCombo::targetChosen, this, &Widget::showStoredScanOf);
    connect(ui->dircombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            on_dircombo_currentIndexChanged(ui->dircombo->itemText(index));
    });

    initSetting();
    topcount = scanstatus::clampResultCount(settings::topNumber());

    spareDirs = new SpareDirList(ui->dirlist, ui->add, ui->deleteb, ui->okb);
    setupResultsArea();
    memory = new WindowMemory(this, results, ui->label_3->sizeHint().height());
    memory->restore();
    // The title buttons take focus from the keyboard only (the form sets
    // them so, in the tab order it gives), and Enter presses the one that
    // has it.
    ui->dircombo->setFocus();

    session = std::make_unique<ScanSession>();
    progress = new ScanProgress(session.get(), this);

    tray = new WindowTray(this, ui->actionShow, ui->actionExit);

    setWindowTitle(QStringLiteral("Vastrel"));
    picturetext::onBody(ui->currentfile);
    picturetext::onBody(ui->scanstats);
    picturetext::onTitle(ui->label_3);

    connect(session.get(), &ScanSession::finished, this, &Widget::scancomplete);
    connect(progress, &ScanProgress::pathWalked, this, &Widget::showfile);
    connect(progress, &ScanProgress::live, this, &Widget::liveUpdate);
    connect(progress, &ScanProgress::liveFolders, results, &ResultsArea::showFolders);
    connect(tray->icon(), &QSystemTrayIcon::activated, this, &Widget::iconActivated);
    connect(&updatecheck, &UpdateCheck::readyRead, this, &Widget::autoupdatecheckdone);

    setUpHistory();
    setDirCommbo();
    platform::registerDirectoryVerb();
    if (settings::autoUpdateCheck())
        autoupdatecheck();
}

Widget::~Widget()
{
    session.reset(); // stops a running walk and waits for it
}

void Widget::setupResultsArea()
{
    results = ui->resultsarea;
    results->setUp(ui->tableView, ui->actionOpen_in_Dir);
    connect(results, &ResultsArea::showInFolderRequested, this,
            &Widget::on_actionOpen_in_Dir_activated);
    statusLine = new StatusLine(ui->currentfile);
    results->reportTo(statusLine);
    results->placeInTabOrderAfter(ui->scanb);
    auto *drops = new FolderDropTarget(this, [this] { return session->isRunning(); });
    connect(drops, &FolderDropTarget::refused, statusLine, &StatusLine::showMessage);
    connect(drops, &FolderDropTarget::foldersDropped, this, [this](const QStringList &folders) {
        setArgDirList(folders);
        on_scanb_clicked();
    });
    connect(results->copies(), &CopyLookup::runningChanged, this,
            [this](bool running) { ui->scanb->setText(running ? tr("Stop") : tr("Scan")); });

    // Shown with the results.
    sizeGrip = new CornerGrip(ui->widget);
    sizeGrip->setToolTip(tr("Resize"));
    showResults(false);
}

void Widget::setUpHistory()
{
    history = new ScanHistory(ScanStore::defaultPath(), this);
    history->setKeep(settings::keepScanHistory());
    connect(history, &ScanHistory::fault, statusLine, &StatusLine::showMessage);
    auto *views = new HistoryViews(history, results, statusLine, this,
                                   [this] { return session->isRunning(); });
    connect(views, &HistoryViews::pastScanShown, this, [this] { showResults(true); });
}

void Widget::setArgDirList(QStringList dirs)
{
    qDebug("set ture");
    // The combo shows what the next scan walks.
    targetCombo->makeCurrent(targets->addCommandLine(dirs));
}

// Scan and results ----------------------------------------------------------

void Widget::on_scanb_clicked()
{
    if (results->copies()->isRunning()) {
        results->copies()->stop();
    } else if (!session->isRunning()) {
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
    ScanTargets::debugRoots(roots);
    session->setRoots(roots);
    session->setResultCount(topcount);
    session->setOptions(scansettings::load());
    results->clear();
    history->setKeep(settings::keepScanHistory());
    history->scanStarted(ScanTarget::of(roots, session->options()));
    scannedRoots = roots;
    const QDateTime started = QDateTime::currentDateTime();
    if (!session->start())
        return;
    results->startScan(started, roots);
    statusLine->clear();
    ui->scanstats->clear();
    ui->scanb->setText(tr("Stop"));
    progress->start();
}

QStringList Widget::scanDirList()
{
    return targets->nextRoots();
}

QStringList Widget::driveList() const
{
    return ScanSession::readableDriveRoots();
}

void Widget::showfile(const QString &path)
{
    statusLine->showPath(path);
}

void Widget::liveUpdate(const QList<FoundFile> &files, const QString &figures)
{
    if (!files.isEmpty())
        showResults(true);
    results->showLive(files);
    ui->scanstats->setText(figures);
}

void Widget::scancomplete()
{
    progress->stop();
    results->setScanRunning(false);
    const bool stopped = session->wasStopped() || session->outOfMemory();
    statusLine->setFigures(
        (session->outOfMemory() ? tr("Out of memory. ") : QString()) +
        scanstatus::summary(progress->figures(), stopped, scanstatus::numberLocale()));
    statusLine->setUnreadable(progress->unreadableText());
    ui->scanstats->clear();
    ui->scanb->setText(tr("Scan"));
    ui->scanb->setEnabled(true);
    showResults(true);

    const QList<FoundFile> found = session->results();
    if (found.isEmpty())
        showEmptyResultMessage();
    results->showFinal(found);
    results->showFolders(session->largestFolders(100, session->options().rankBy),
                         session->options().rankBy);
    history->scanEnded(scanRecordOf(*session, scannedRoots, found));
    if (stopped)
        return;
    completeMsg();
    results->copies()->start();
}

void Widget::showResults(bool shown)
{
    if (ui->resultsarea->isHidden() != shown)
        return;
    if (memory)
        memory->noteFullSize(!shown);
    ui->resultsarea->setVisible(shown);
    sizeGrip->setVisible(shown);
    if (isMaximized() || isFullScreen())
        return;
    // The compact window shows the controls above the table, the full one
    // the table as well; larger fonts may need more than either.
    layout()->activate();
    resize(width(), qMax(shown ? memory->fullHeight(400) : 150, minimumSizeHint().height()));
    screenfit::keepOnScreen(this);
}

void Widget::showEmptyResultMessage()
{
    results->showEmptyMessage();
}

void Widget::completeMsg()
{
    tray->showMessage(tr("Complete"), tr("The Scan is complete"));
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
    // stops a running scan or search for copies.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ui->scanb->isEnabled())
            ui->scanb->click();
        return;
    case Qt::Key_Escape:
        if ((session->isRunning() && !session->wasStopped()) || results->copies()->isRunning())
            on_scanb_clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// Scan target ----------------------------------------------------------------

void Widget::setDirCommbo()
{
    targets->fill();
}

void Widget::on_dircombo_currentIndexChanged(const QString &)
{
    targetCombo->currentChanged();
}

void Widget::showStoredScanOf(const QStringList &roots)
{
    if (!history)
        return;
    history->setKeep(settings::keepScanHistory());
    history->showTarget(
        ScanTarget::of(roots.isEmpty() ? targets->allDrives() : roots, scansettings::load()));
}

void Widget::on_adddirb_clicked()
{
    CustomDir *dialog = targetCombo->openCustomDir(driveList());
    connect(dialog, &CustomDir::customdircomplete, this, &Widget::customdiraccepted);
    connect(dialog, &CustomDir::customdircancel, this, &Widget::customdircancel);
}

void Widget::customdiraccepted(const QString &cdirlist)
{
    qDebug() << cdirlist;
    targetCombo->acceptCustomList(cdirlist);
}

void Widget::customdircancel()
{
    ui->dircombo->setCurrentIndex(0);
}

void Widget::on_add_clicked()
{
    spareDirs->add();
}

void Widget::on_deleteb_clicked()
{
    spareDirs->removeCurrent();
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
    tray->hideWindow(systemTrayAvailable());
}

void Widget::maxWindow()
{
    tray->restoreWindow();
}

void Widget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (WindowTray::restores(reason))
        maxWindow();
}

void Widget::on_actionShow_activated()
{
    maxWindow();
}

void Widget::on_exitb_clicked()
{
    configwindow.reset();
    tray->remove();
    close();
    // Closing a window hidden in the tray does not end the event loop.
    QCoreApplication::quit();
}

void Widget::closeEvent(QCloseEvent *event)
{
    memory->save();
    QWidget::closeEvent(event);
}

void Widget::on_actionExit_triggered()
{
    on_exitb_clicked();
}

void Widget::on_tableView_customContextMenuRequested(const QPoint &)
{
    results->popupMenu();
}

void Widget::on_actionOpen_in_Dir_activated()
{
    const QString path = results->chosenPath();
    qDebug() << path;
    if (path.isEmpty())
        return;
    qDebug() << platform::revealCommand(path);
    results->actions()->reveal(path);
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

void Widget::mouseDoubleClickEvent(QMouseEvent *event)
{
    windowdrag::doubleClick(this, event, ui->titleLayout->geometry());
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
    configwindow = std::make_unique<Config>(this);
    connect(configwindow.get(), &Config::topNumberChange, this, &Widget::topNumberChanged);
}

void Widget::on_config_clicked()
{
    createConfig();
    configwindow->show();
}

void Widget::autoupdatecheck()
{
    updatecheck.start();
}

void Widget::autoupdatecheckdone(const HttpResponseHeader &)
{
    // An announced version opens the configuration window on its Update tab,
    // which asks the server again itself.
    if (updatecheck.takeAnswer() != updateprotocol::Verdict::NewVersion)
        return;
    createConfig();
    configwindow->setCurrentTab(3);
    configwindow->on_checkupdateb_clicked();
    configwindow->show();
}

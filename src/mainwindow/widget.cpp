#include "mainwindow/widget.h"
#include "ui_widget.h"

#include "app/scansettings.h"
#include "app/settings.h"
#include "config/config.h"
#include "customdir/customdir.h"
#include "customdir/directorychooser.h"
#include "frameless/windowdrag.h"
#include "mainwindow/cornergrip.h"
#include "mainwindow/plaintext.h"
#include "mainwindow/quietslotsbyname.h"
#include "mainwindow/resultmodel.h"
#include "mainwindow/resultsarea.h"
#include "mainwindow/resultsmenu.h"
#include "mainwindow/resultsview.h"
#include "mainwindow/scantargets.h"
#include "mainwindow/statusline.h"
#include "mainwindow/windowtray.h"
#include "platform/platform.h"
#include "scan/pathcodec.h"
#include "scan/scansession.h"
#include "scan/sizetext.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QKeyEvent>
#include <QStandardItemModel>

bool (*Widget::systemTrayAvailable)() = &QSystemTrayIcon::isSystemTrayAvailable;

namespace {

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
    ui->dircombo->setModel(targets->model());
    connect(ui->dircombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            on_dircombo_currentIndexChanged(ui->dircombo->itemText(index));
    });

    initSetting();
    topcount = scanstatus::clampResultCount(settings::topNumber());

    dirmodel = new QStandardItemModel(this);
    ui->dirlist->setModel(dirmodel);
    // The form's small directory list is read by nothing and lies outside
    // the window; it takes no room, no clicks and no keyboard focus.
    for (QWidget *unused : {static_cast<QWidget *>(ui->dirlist), static_cast<QWidget *>(ui->add),
                            static_cast<QWidget *>(ui->deleteb), static_cast<QWidget *>(ui->okb)}) {
        unused->setFocusPolicy(Qt::NoFocus);
        unused->hide();
    }
    setupResultsArea();
    setupKeyboard();

    session = std::make_unique<ScanSession>();

    tray = new WindowTray(this, ui->actionShow, ui->actionExit);

    setWindowTitle(QStringLiteral("Vastrel"));
    setTextColor(ui->currentfile, bodyTextColor);
    setTextColor(ui->scanstats, bodyTextColor);
    setTextColor(ui->label_3, titleTextColor);

    // The status line takes the walk's latest path on its own beat rather
    // than hearing of every file, which would slow the walk.
    pathTimer.setInterval(statusPathMs);
    connect(&pathTimer, &QTimer::timeout, this, &Widget::showRecentPath);
    connect(session.get(), &ScanSession::finished, this, &Widget::scancomplete);
    // Heard in the walk threads themselves: the list keeps the first
    // thousand, so a tree of locked folders sends the window nothing.
    connect(session.get(), &ScanSession::folderUnreadable, this,
            [this](const QString &path, const QString &reason) { unreadable.add(path, reason); },
            Qt::DirectConnection);
    liveTimer.setInterval(liveUpdateMs);
    connect(&liveTimer, &QTimer::timeout, this, &Widget::liveUpdate);
    connect(tray->icon(), &QSystemTrayIcon::activated, this, &Widget::iconActivated);
    connect(&updatecheck, &UpdateCheck::readyRead, this, &Widget::autoupdatecheckdone);

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
    connect(results, &ResultsArea::statusMessage, statusLine, &StatusLine::showMessage);

    // Shown with the results.
    sizeGrip = new CornerGrip(ui->widget);
    sizeGrip->setToolTip(tr("Resize"));
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
    // The combo shows what the next scan walks.
    addTarget(targets->addCommandLine(dirs));
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
    results->model()->clear();
    const QDateTime started = QDateTime::currentDateTime();
    if (!session->start())
        return;
    // One line while paths pass by: a wrapping label would be measured
    // again for every path.
    ui->currentfile->setWordWrap(false);
    results->startScan(started);
    unreadable.clear();
    statusLine->clear();
    ui->scanstats->clear();
    ui->scanb->setText(tr("Stop"));
    liveTimer.start();
    pathTimer.start();
}

QStringList Widget::scanDirList()
{
    return targets->nextRoots();
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
    statusLine->showPath(path);
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
    results->showLive(files);
    ui->scanstats->setText(scanstatus::progress(figures(), scanstatus::numberLocale()));
}

void Widget::scancomplete()
{
    liveTimer.stop();
    pathTimer.stop();
    results->setScanRunning(false);
    const bool stopped = session->wasStopped();
    ui->currentfile->setWordWrap(true); // the summary may need two lines at large fonts
    statusLine->setFigures(scanstatus::summary(figures(), stopped, scanstatus::numberLocale()));
    if (session->unreadableCount() > 0)
        statusLine->setUnreadable(
            UnreadableList::text(unreadable.entries(), session->unreadableCount()));
    ui->scanstats->clear();
    ui->scanb->setText(QStringLiteral("Scan"));
    ui->scanb->setEnabled(true);
    showResults(true);

    const QList<FoundFile> found = session->results();
    if (found.isEmpty())
        showEmptyResultMessage();
    for (const FoundFile &file : found)
        qDebug() << megabytes(file.size) << ":" << file.path;
    results->showFinal(found);
    if (!stopped)
        completeMsg();
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

// Scan target ----------------------------------------------------------------

void Widget::setDirCommbo()
{
    targets->fill();
}

void Widget::addTarget(int row)
{
    QComboBox *combo = ui->dircombo;
    if (combo->currentIndex() == row)
        on_dircombo_currentIndexChanged(combo->itemText(row)); // took the current item's place
    else
        combo->setCurrentIndex(row);
}

void Widget::on_dircombo_currentIndexChanged(const QString &text)
{
    ui->dircombo->setToolTip(plaintext::toolTip(text));
    if (targets->choose(ui->dircombo->currentIndex()) == ScanTargets::CustomScanChosen)
        on_adddirb_clicked();
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
    if (targets->isCustomScan(ui->dircombo->currentIndex()))
        ui->dircombo->setCurrentIndex(targets->rowBeforeCustomScan());
}

void Widget::customdiraccepted(const QString &cdirlist)
{
    qDebug() << cdirlist;
    addTarget(targets->addCustomList(cdirlist, ui->dircombo->currentIndex() + 1));
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

#include "mainwindow/widget.h"
#include "ui_widget.h"

#include "app/settings.h"
#include "config/config.h"
#include "customdir/customdir.h"
#include "customdir/directorychooser.h"
#include "frameless/windowdrag.h"
#include "mainwindow/statusrelay.h"
#include "net/updateprotocol.h"
#include "platform/platform.h"
#include "scan/sizetext.h"
#include "scan/topfilemap.h"
#include "scan/walker.h"

#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QStandardItemModel>

#include <limits>

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

// The ranking's capacity for a result count: the count plus a margin of 100,
// kept inside the range of int instead of wrapping round.
int rankingCapacity(int resultCount)
{
    const qint64 wanted = qint64(resultCount) + 100;
    return int(qMin<qint64>(wanted, std::numeric_limits<int>::max()));
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
      ui(new Ui::Widget),
      scanner(nullptr),
      dragPosition(0, 0),
      mousePressed(false),
      resultmodel(nullptr),
      dirmodel(nullptr),
      trayicon(nullptr),
      configwindow(nullptr),
      useargdirlist(false),
      topcount(0),
      statusRelay(nullptr),
      trayMenu(nullptr),
      resultMenu(nullptr)
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
    topcount = 10;

    ui->tableView->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);

    resultmodel = new QStandardItemModel(this);
    dirmodel = new QStandardItemModel(this);
    ui->dirlist->setModel(dirmodel);

    resize(500, 150);

    scanner = new walker;

    trayicon = new QSystemTrayIcon(QIcon(QStringLiteral(":/image/image/systemsearch.png")), this);
    trayicon->setToolTip(tr("Vastrel"));
    trayMenu = new QMenu(this);
    trayMenu->addAction(ui->actionShow);
    trayMenu->addAction(ui->actionExit);
    resultMenu = new QMenu(this);
    resultMenu->addAction(ui->actionOpen_in_Dir);

    setWindowTitle(QStringLiteral("Vastrel"));
    // The title is drawn on the background's dark title strip.
    QPalette titlePalette = ui->label_3->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0xf0, 0xf4, 0xfa));
    ui->label_3->setPalette(titlePalette);

    // Every file the walker meets is reported through the relay, which keeps
    // at most one status update waiting in the GUI thread.
    statusRelay = new StatusRelay(this);
    connect(scanner, &walker::walkfile, statusRelay, &StatusRelay::offer, Qt::DirectConnection);
    connect(statusRelay, &StatusRelay::pathChanged, this, &Widget::showfile);
    connect(scanner, &QThread::finished, this, &Widget::scancomplete);
    connect(trayicon, &QSystemTrayIcon::activated, this, &Widget::iconActivated);
    connect(&updateclient, &HttpClient::readyRead, this, &Widget::autoupdatecheckdone);

    setDirCommbo();
    platform::registerDirectoryVerb();
    if (settings::autoUpdateCheck())
        autoupdatecheck();
}

Widget::~Widget()
{
    scanner->stop();
    delete scanner; // waits for a running walk to end
    delete ui;
    delete configwindow;
}

void Widget::setArgDirList(QStringList dirs)
{
    qDebug("set ture");
    useargdirlist = true;
    argdirlist = std::move(dirs);
}

// Scan and results ----------------------------------------------------------

void Widget::on_scanb_clicked()
{
    if (ui->scanb->text() == tr("Scan")) {
        resize(500, 150);
        TopFileMap::instance()->clear();
        resultmodel->clear();
        TopFileMap::instance()->setCapacity(rankingCapacity(topcount));
        startScan();
        ui->scanb->setText(tr("Stop"));
    } else {
        ui->scanb->setText(tr("Scan"));
        // The walk winds down on its own; until it has, a new scan would
        // clear the ranking under it, so the button waits for the end.
        ui->scanb->setEnabled(false);
        scanner->stop();
    }
}

void Widget::startScan()
{
    const QStringList roots = scanDirList();
    debugPathList(roots);
    scanner->setDirs(roots);
    scanner->start();
}

QStringList Widget::scanDirList()
{
    if (useargdirlist) {
        useargdirlist = false;
        return argdirlist;
    }
    if (!scandirlist.isEmpty())
        return scandirlist;
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absolutePath();
    return roots;
}

QStringList Widget::driveList() const
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives()) {
        const QDir root(drive.absolutePath());
        if (root.count() != 0)
            roots << root.absolutePath();
    }
    return roots;
}

void Widget::showfile(const QString &path)
{
    ui->currentfile->setText(path);
}

void Widget::scancomplete()
{
    ui->currentfile->setText(tr("Scan Complete!"));
    ui->scanb->setText(QStringLiteral("Scan"));
    ui->scanb->setEnabled(true);
    resize(500, 400);

    const QMultiMap<qint64, QString> result = TopFileMap::instance()->top(topcount);
    if (result.isEmpty())
        showEmptyResultMessage();

    // Largest first; equal sizes in the order the walker met them, which is
    // the map's order read backwards.
    for (auto it = result.cend(); it != result.cbegin();) {
        --it;
        auto *size = new QStandardItem(megabytesText(it.key()));
        auto *path = new QStandardItem(it.value());
        qDebug() << megabytes(it.key()) << ":" << it.value();
        resultmodel->appendRow({size, path});
    }
    resultmodel->setHorizontalHeaderLabels({tr("Size(Mb)"), tr("Path")});
    ui->tableView->setModel(resultmodel);
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    ui->tableView->resizeColumnsToContents();
    ui->tableView->setTextElideMode(Qt::ElideNone);
    completeMsg();
}

void Widget::showEmptyResultMessage()
{
    // Shown without blocking the window's event handling; it must not end
    // the program when it closes while the window is hidden in the tray.
    auto *box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->setWindowModality(Qt::ApplicationModal);
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
    // ulong is 64 bits wide on Linux; the count keeps the low 32 bits.
    topcount = int(quint32(ptopnumber & 0xffffffffUL));
}

// Scan target ----------------------------------------------------------------

void Widget::setDirCommbo()
{
    ui->dircombo->addItem(tr("All Disks"));
    ui->dircombo->addItems(driveList());
    ui->dircombo->addItem(tr("Custom Scan"));
}

void Widget::on_dircombo_currentIndexChanged(const QString &text)
{
    ui->dircombo->setToolTip(text);
    if (text == tr("All Disks"))
        scandirlist = driveList();
    else if (text == tr("Custom Scan"))
        on_adddirb_clicked();
    else
        scandirlist = text.split(QLatin1Char(';'), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

void Widget::on_adddirb_clicked()
{
    customdirdialog = new CustomDir; // releases itself once it has answered
    customdirdialog->setDirList(driveList());
    customdirdialog->initDirList();
    customdirdialog->setVisible(true);
    connect(customdirdialog, &CustomDir::customdircomplete, this, &Widget::customdiraccepted);
    connect(customdirdialog, &CustomDir::customdircancel, this, &Widget::customdircancel);
}

void Widget::customdiraccepted(const QString &cdirlist)
{
    qDebug() << cdirlist;
    const int at = ui->dircombo->currentIndex() + 1;
    ui->dircombo->insertItem(at, cdirlist);
    ui->dircombo->setCurrentIndex(at);
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
    resize(500, 150);
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
    hide();
    trayicon->show();
    trayicon->setContextMenu(trayMenu);
}

void Widget::maxWindow()
{
    if (!trayicon)
        return;
    trayicon->hide();
    show();
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
    resultMenu->popup(QCursor::pos());
}

void Widget::on_actionOpen_in_Dir_activated()
{
    const QModelIndex current = ui->tableView->currentIndex();
    QString path;
    if (current.isValid())
        path = resultmodel->index(current.row(), 1).data().toString();
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

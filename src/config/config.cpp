#include "config/config.h"

#include "app/scansettings.h"
#include "app/settings.h"
#include "config/countvalidator.h"
#include "config/scangroup.h"
#include "net/updateprotocol.h"
#include "ui_config.h"

#include <QDebug>
#include <QDesktopServices>

Config::Config(QWidget *) : FramelessWindow(nullptr), ui(new Ui::Config), http(this)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Settings - Vastrel"));
    ui->currentversion->setText(tr("Version:") + updateprotocol::version());
    // The contact address is chosen when the program is built, so it is
    // appended here rather than written into the form.
    const QString mail = QStringLiteral(VASTREL_CONTACT_MAIL);
    ui->label->setText(ui->label->text() + mail);
    ui->plainTextEdit->setPlainText(ui->plainTextEdit->toPlainText() + mail);
    ui->customtopb->setValidator(new CountValidator(this));
    ui->updatenowb->hide();

    {
        const auto file = settings::open();
        appliedCount = file->value(QStringLiteral("topnumber"), 100).toInt();
        const bool autoCheck = file->value(QStringLiteral("autoupdatecheck"), true).toBool();
        ui->customtopb->setText(QString::number(appliedCount));
        ui->autocheckupdateb->setChecked(autoCheck);
    }

    // What a scan counts, below the basic settings; saved with them.
    scanGroup = new ScanGroup(ui->tab_1);
    ui->settingLayout->insertWidget(ui->settingLayout->indexOf(ui->groupBox_5) + 1, scanGroup);
    scanGroup->setOptions(scansettings::load());

    connect(&http, &HttpClient::readyRead, this, &Config::readHttp);
    connect(&http, &HttpClient::requestFinished, this, &Config::httpDone);
}

Config::~Config()
{
    delete ui;
}

void Config::setCurrentTab(int index)
{
    ui->configtab->setCurrentIndex(index);
}

int Config::sendRequest(const QString &path)
{
    const updateprotocol::Server server = updateprotocol::server();
    http.setHost(server.host, server.port);
    return http.get(path);
}

void Config::on_checkupdateb_clicked()
{
    requestType = UpdateRequest;
    sendRequest(updateprotocol::checkUpdatePath());
}

void Config::on_sendfedbackb_clicked()
{
    requestType = FeedbackRequest;
    ui->sendresult->clear();
    const QString mail = ui->fedbackmail->text();
    const QString message = ui->fedbackmsg->document()->toPlainText();
    feedbackRequests.insert(sendRequest(updateprotocol::feedbackPath(message, mail)));
}

void Config::readHttp(const HttpResponseHeader &)
{
    const QByteArray body = http.readAll();
    qDebug() << updateprotocol::debugExcerpt(body);
    if (requestType != UpdateRequest)
        return;
    const updateprotocol::Verdict verdict = updateprotocol::judge(body);
    switch (verdict.kind) {
    case updateprotocol::Verdict::Empty:
        break;
    case updateprotocol::Verdict::UpToDate:
        ui->latestversion->setText(tr("Already The Latest Version!"));
        break;
    case updateprotocol::Verdict::NewVersion:
        ui->latestversion->setText(tr("Latest Version:") + verdict.version);
        updateUrl = verdict.url;
        ui->updatenowb->show();
        break;
    case updateprotocol::Verdict::Maintenance:
        ui->latestversion->setText(tr("Sorry.update server maintain."));
        break;
    }
}

void Config::httpDone(int id, bool err)
{
    const bool feedbackGet = feedbackRequests.remove(id);
    if (requestType == FeedbackRequest) {
        if (err)
            ui->sendresult->setText(http.errorString());
        else if (feedbackGet)
            ui->sendresult->setText(tr("Success!"));
    } else if (requestType == UpdateRequest && err) {
        ui->latestversion->setText(http.errorString());
    }
}

void Config::on_updatenowb_clicked()
{
    if (updateUrl.isEmpty())
        return;
    qDebug() << updateUrl;
    const QUrl url = updateprotocol::downloadUrl(updateUrl);
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}

void Config::on_pushButton_clicked()
{
    const std::optional<int> count = CountValidator::count(ui->customtopb->text());
    if (count) {
        appliedCount = *count;
        emit topNumberChange(ulong(*count));
    } else {
        ui->customtopb->setText(QString::number(appliedCount));
    }
    const auto file = settings::open();
    if (count)
        file->setValue(QStringLiteral("topnumber"), *count);
    file->setValue(QStringLiteral("autoupdatecheck"), int(ui->autocheckupdateb->checkState()));
    scansettings::save(*file, scanGroup->options());
    // Shown as saved: extensions cleaned, words that were no type dropped.
    scanGroup->setOptions(scansettings::load(*file));
}

void Config::on_exitb_clicked()
{
    close();
}

#include "config/config.h"

#include "config/countvalidator.h"
#include "config/scangroup.h"
#include "net/updateprotocol.h"
#include "platform/platform.h"
#include "settings/scansettings.h"
#include "settings/settings.h"
#include "ui_config.h"
#include "widgets/plaintext.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

namespace {

// Where "Update Now" goes, in full, before it is pressed: the address as it
// will be opened (host and path encoded, so look-alike letters show), or why
// nothing will be opened.
QString downloadToolTip(const QString &address)
{
    const QUrl url = updateprotocol::downloadUrl(address);
    if (url.isEmpty())
        return plaintext::toolTip(
            QCoreApplication::translate("Config", "Not a web address, so it is not opened: %1")
                .arg(address));
    return plaintext::toolTip(url.toString(QUrl::FullyEncoded));
}

// WCAG's relative luminance and contrast ratio (1 to 21).
double luminance(const QColor &color)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
        0.0722 * channel(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The stretches of a document whose character format passes a test, as
// (start, end) positions; collected first, since formatting them changes the
// fragments.
template<class Test> QList<std::pair<int, int>> fragments(const QTextDocument &document, Test test)
{
    QList<std::pair<int, int>> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (test(fragment.charFormat()))
                found.append({fragment.position(), fragment.position() + fragment.length()});
        }
    }
    return found;
}

void mergeFormat(QTextDocument *document, int from, int to, const QTextCharFormat &format)
{
    QTextCursor cursor(document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

// Marks the help text's highlighted words, so they can be coloured again when
// the palette changes.
constexpr int HighlightProperty = QTextFormat::UserProperty + 1;

} // namespace

Config::Config(QWidget *) : FramelessWindow(nullptr), ui(std::make_unique<Ui::Config>()), http(this)
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
    markHelpHighlights();
    colourHelpHighlights();
    ui->fedbackmail->setMaxLength(updateprotocol::maxMailLength);
    connect(ui->fedbackmsg, &QPlainTextEdit::textChanged, this, &Config::capFeedbackMessage);
    capFeedbackMessage();

    // What a scan counts, below the basic settings; saved with them.
    scanGroup = new ScanGroup(ui->tab_1);
    ui->settingLayout->insertWidget(ui->settingLayout->indexOf(ui->groupBox_5) + 1, scanGroup);
    connect(ui->keephistoryb, &QCheckBox::toggled, ui->keepcountb, &QWidget::setEnabled);
    showSavedSettings();

    connect(&http, &HttpClient::readyRead, this, &Config::readHttp);
    connect(&http, &HttpClient::requestFinished, this, &Config::httpDone);
}

Config::~Config() = default;

void Config::markHelpHighlights()
{
    // The help text names its headings in the blue of links; blue stays on a
    // light theme, a dark one gives its own link colour.
    QTextDocument *document = ui->textBrowser->document();
    QTextCharFormat mark;
    mark.setProperty(HighlightProperty, true);
    const QColor blue(0x00, 0x00, 0xff);
    for (const auto &[from, to] : fragments(*document, [&](const QTextCharFormat &format) {
             return format.foreground().color() == blue;
         }))
        mergeFormat(document, from, to, mark);
}

void Config::colourHelpHighlights()
{
    // Asked of the window: while an application palette spreads, the window
    // hears of it before or after the browser, and both get the same one.
    QColor colour = palette().color(QPalette::Link);
    if (contrast(colour, palette().color(QPalette::Base)) < 3.0)
        colour = palette().color(QPalette::Text);
    QTextDocument *document = ui->textBrowser->document();
    QTextCharFormat format;
    format.setForeground(colour);
    for (const auto &[from, to] : fragments(*document, [](const QTextCharFormat &format) {
             return format.boolProperty(HighlightProperty);
         }))
        mergeFormat(document, from, to, format);
}

void Config::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        colourHelpHighlights();
    FramelessWindow::changeEvent(event);
}

void Config::showSavedSettings()
{
    const auto file = settings::open();
    appliedCount = settings::topNumber();
    const bool autoCheck = file->value(QStringLiteral("autoupdatecheck"), true).toBool();
    ui->customtopb->setText(QString::number(appliedCount));
    ui->autocheckupdateb->setChecked(autoCheck);
    const int keep = settings::keepScanHistory(*file);
    ui->keephistoryb->setChecked(keep > 0);
    ui->keepcountb->setValue(keep > 0 ? keep : settings::defaultKeptScans);
    ui->keepcountb->setEnabled(keep > 0);
    scanGroup->setOptions(scansettings::load(*file));
}

void Config::showEvent(QShowEvent *event)
{
    // Opened again after edits that were closed without "Apply": the Setting
    // tab shows what the next scan will use, not what was left typed.
    if (!event->spontaneous() && !firstShow)
        showSavedSettings();
    firstShow = false;
    FramelessWindow::showEvent(event);
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

void Config::capFeedbackMessage()
{
    QTextDocument *document = ui->fedbackmsg->document();
    const QString text = document->toPlainText();
    const QString kept = updateprotocol::capped(text, updateprotocol::maxFeedbackLength);
    if (kept.size() < text.size()) {
        // Cut at the end, where the pasted or typed surplus went; the
        // change calls this again and finds the text short enough.
        QTextCursor cursor(document);
        cursor.setPosition(int(kept.size()));
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        return;
    }
    const qsizetype left = updateprotocol::maxFeedbackLength - text.size();
    ui->fedbackleft->setText(left == 1 ? tr("1 character left")
                                       : tr("%1 characters left", nullptr, int(left)).arg(left));
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
        ui->updatenowb->setToolTip(downloadToolTip(updateUrl));
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
        platform::openUrl(url, this, [this](const QString &reason) {
            ui->latestversion->setText(tr("The download page could not be opened: %1").arg(reason));
        });
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
    settings::setKeepScanHistory(*file,
                                 ui->keephistoryb->isChecked() ? ui->keepcountb->value() : 0);
    scansettings::save(*file, scanGroup->options());
    // Shown as saved: extensions cleaned, words that were no type dropped.
    scanGroup->setOptions(scansettings::load(*file));
}

void Config::on_exitb_clicked()
{
    close();
}

#include "mainwindow/statusline.h"

#include "scan/pathcodec.h"
#include "widgets/plaintext.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A list's first lines for a tool-tip, and an ellipsis for the rest.
QStringList firstLines(const QString &list)
{
    QStringList lines = list.split(QLatin1Char('\n'));
    const bool more = lines.size() > StatusLine::toolTipLines;
    lines = lines.mid(0, StatusLine::toolTipLines);
    if (more)
        lines << QStringLiteral("…");
    return lines;
}

} // namespace

StatusLine::StatusLine(QLabel *statusLabel) : QObject(statusLabel), label(statusLabel)
{
    messageTimer.setSingleShot(true);
    messageTimer.setInterval(messageMs);
    connect(&messageTimer, &QTimer::timeout, this, [this] { label->setText(lastingText()); });
    label->installEventFilter(this);
}

StatusLine::~StatusLine()
{
    delete listDialog;
}

void StatusLine::setFigures(const QString &text)
{
    messageTimer.stop();
    figures = text;
    label->setWordWrap(true); // the summary may need two lines at large fonts
    label->setText(lastingText());
}

void StatusLine::setShownCount(const QString &text)
{
    if (text == shownCount)
        return;
    shownCount = text;
    // A passing message or the paths of a running scan keep the line.
    if (!messageTimer.isActive() && !figures.isEmpty())
        label->setText(lastingText());
}

void StatusLine::setFollowUp(const QString &text, const QString &leftOutList)
{
    followUp = text;
    if (!messageTimer.isActive())
        label->setText(lastingText());
    if (leftOut != leftOutList) {
        leftOut = leftOutList;
        updateLists();
    }
}

QString StatusLine::lastingText() const
{
    QString text = figures;
    if (!shownCount.isEmpty() && !figures.isEmpty())
        text += QStringLiteral(" · ") + shownCount;
    if (!followUp.isEmpty())
        text = text.isEmpty() ? followUp : text + QLatin1Char('\n') + followUp;
    return text;
}

void StatusLine::showPath(const QString &path)
{
    // Measuring a text costs as much as drawing it, so a path that is
    // plainly short enough is not measured.
    const QString shown = pathcodec::displayText(path);
    const QFontMetrics metrics = label->fontMetrics();
    if (shown.size() * qint64(metrics.maxWidth()) <= label->width())
        label->setText(shown);
    else
        label->setText(metrics.elidedText(shown, Qt::ElideMiddle, label->width()));
}

void StatusLine::showMessage(const QString &text)
{
    label->setText(text);
    messageTimer.start();
}

void StatusLine::clear()
{
    messageTimer.stop();
    figures.clear();
    // One line while paths pass by: a wrapping label would be measured
    // again for every path.
    label->setWordWrap(false);
    label->clear();
    followUp.clear();
    leftOut.clear();
    setUnreadable({});
}

void StatusLine::setUnreadable(const QString &list)
{
    unreadable = list;
    updateLists();
}

void StatusLine::updateLists()
{
    if (unreadable.isEmpty() && leftOut.isEmpty()) {
        label->setToolTip({});
        label->unsetCursor();
        if (listDialog)
            listDialog->close();
        return;
    }
    QStringList lines;
    if (leftOut.isEmpty()) {
        lines << firstLines(unreadable) << QString()
              << tr("Click for the list of folders that could not be read.");
    } else if (unreadable.isEmpty()) {
        lines << firstLines(leftOut) << QString()
              << tr("Click for the list of files left out of the comparison.");
    } else {
        lines << tr("Folders that could not be read:") << firstLines(unreadable) << QString()
              << tr("Files left out of the comparison:") << firstLines(leftOut) << QString()
              << tr("Click for the full lists.");
    }
    label->setToolTip(plaintext::toolTip(lines.join(QLatin1Char('\n'))));
    label->setCursor(Qt::PointingHandCursor);
    if (listDialog) {
        listDialog->setWindowTitle(listTitle());
        listDialog->findChild<QPlainTextEdit *>()->setPlainText(listText());
    }
}

QString StatusLine::listTitle() const
{
    if (leftOut.isEmpty())
        return tr("Folders that could not be read");
    if (unreadable.isEmpty())
        return tr("Files left out of the comparison");
    return tr("Folders and files that could not be read");
}

QString StatusLine::listText() const
{
    if (leftOut.isEmpty())
        return unreadable;
    if (unreadable.isEmpty())
        return leftOut;
    return tr("Folders that could not be read:") + QLatin1Char('\n') + unreadable +
        QStringLiteral("\n\n") + tr("Files left out of the comparison:") + QLatin1Char('\n') +
        leftOut;
}

void StatusLine::showUnreadable()
{
    if (unreadable.isEmpty() && leftOut.isEmpty())
        return;
    if (!listDialog) {
        auto *dialog = new QDialog(label->window());
        dialog->setObjectName(QStringLiteral("unreadablelist"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAttribute(Qt::WA_QuitOnClose, false);
        auto *text = new QPlainTextEdit(dialog);
        text->setObjectName(QStringLiteral("unreadabletext"));
        text->setReadOnly(true);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        QPushButton *copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
        copy->setObjectName(QStringLiteral("copyb"));
        connect(copy, &QPushButton::clicked, dialog,
                [text] { QApplication::clipboard()->setText(text->toPlainText()); });
        connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
        auto *layout = new QVBoxLayout(dialog);
        layout->addWidget(text);
        layout->addWidget(buttons);
        dialog->resize(560, 320);
        listDialog = dialog;
    }
    listDialog->setWindowTitle(listTitle());
    listDialog->findChild<QPlainTextEdit *>()->setPlainText(listText());
    listDialog->show();
    listDialog->raise();
    listDialog->activateWindow();
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event)
{
    // The events go on to the window either way, which drags itself by them.
    const bool mouseEvent =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
    if (watched == label && mouseEvent && !(unreadable.isEmpty() && leftOut.isEmpty())) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            pressedAt = mouse->globalPosition().toPoint();
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   mouse->button() == Qt::LeftButton &&
                   (mouse->globalPosition().toPoint() - pressedAt).manhattanLength() <
                       QApplication::startDragDistance()) {
            // Opened once the release has reached the window.
            QTimer::singleShot(0, this, &StatusLine::showUnreadable);
        }
    }
    return QObject::eventFilter(watched, event);
}

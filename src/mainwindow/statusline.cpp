#include "mainwindow/statusline.h"

#include "widgets/plaintext.h"
#include "scan/pathcodec.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

QString StatusLine::lastingText() const
{
    if (shownCount.isEmpty() || figures.isEmpty())
        return figures;
    return figures + QStringLiteral(" · ") + shownCount;
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
    setUnreadable({});
}

void StatusLine::setUnreadable(const QString &list)
{
    unreadable = list;
    if (list.isEmpty()) {
        label->setToolTip({});
        label->unsetCursor();
        if (listDialog)
            listDialog->close();
        return;
    }
    QStringList lines = list.split(QLatin1Char('\n'));
    const bool more = lines.size() > toolTipLines;
    lines = lines.mid(0, toolTipLines);
    if (more)
        lines << QStringLiteral("…");
    lines << QString() << tr("Click for the list of folders that could not be read.");
    label->setToolTip(plaintext::toolTip(lines.join(QLatin1Char('\n'))));
    label->setCursor(Qt::PointingHandCursor);
}

void StatusLine::showUnreadable()
{
    if (unreadable.isEmpty())
        return;
    if (!listDialog) {
        auto *dialog = new QDialog(label->window());
        dialog->setObjectName(QStringLiteral("unreadablelist"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAttribute(Qt::WA_QuitOnClose, false);
        dialog->setWindowTitle(tr("Folders that could not be read"));
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
    listDialog->findChild<QPlainTextEdit *>()->setPlainText(unreadable);
    listDialog->show();
    listDialog->raise();
    listDialog->activateWindow();
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event)
{
    // The events go on to the window either way, which drags itself by them.
    const bool mouseEvent = event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::MouseButtonRelease;
    if (watched == label && mouseEvent && !unreadable.isEmpty()) {
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

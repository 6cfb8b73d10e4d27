#include "messagecapture.h"

#include <QMutex>

#include <utility>

namespace testsupport {

namespace {

// Guards the current capture and what it has recorded: the handler runs on
// whichever thread writes a message.
QMutex mutex;
MessageCapture *current = nullptr;

QStringList debugLines(const QList<CapturedMessage> &messages)
{
    QStringList lines;
    for (const CapturedMessage &message : messages) {
        if (message.type == QtDebugMsg)
            lines << message.text;
    }
    return lines;
}

} // namespace

MessageCapture::MessageCapture()
{
    QMutexLocker lock(&mutex);
    Q_ASSERT_X(!current, "MessageCapture", "only one capture at a time");
    current = this;
    m_previous = qInstallMessageHandler(handle);
}

MessageCapture::~MessageCapture()
{
    QMutexLocker lock(&mutex);
    qInstallMessageHandler(m_previous);
    current = nullptr;
}

void MessageCapture::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    QtMessageHandler forward = nullptr;
    {
        QMutexLocker lock(&mutex);
        if (!current)
            return; // written while the capture was being taken down
        current->m_messages.append({type, text});
        if (type == QtDebugMsg)
            return;
        forward = current->m_previous;
    }
    // Outside the lock: the previous handler may write a message of its own.
    if (forward)
        forward(type, context, text);
}

QStringList MessageCapture::lines() const
{
    return debugLines(messages());
}

QList<CapturedMessage> MessageCapture::messages() const
{
    QMutexLocker lock(&mutex);
    return m_messages;
}

QStringList MessageCapture::take()
{
    return debugLines(takeAll());
}

QList<CapturedMessage> MessageCapture::takeAll()
{
    QMutexLocker lock(&mutex);
    return std::exchange(m_messages, {});
}

void MessageCapture::clear()
{
    takeAll();
}

} // namespace testsupport

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace testsupport {

// One message as the program wrote it.
struct CapturedMessage
{
    QtMsgType type;
    QString text;
};

// Records the messages (qDebug, qWarning, ...) written while it lives, from
// any thread: it installs its own message handler when made and puts the
// previous one back when destroyed. Debug lines are only recorded; other
// messages are also handed on to the previous handler, so QTest still sees
// warnings (and QTest::ignoreMessage still works). One capture at a time:
// make it after QTest has installed its handler (in initTestCase(), init()
// or a test function) and destroy it before QTest ends.
class MessageCapture
{
    Q_DISABLE_COPY(MessageCapture)

public:
    MessageCapture();
    ~MessageCapture();

    // The debug lines recorded so far, in the order they were written.
    QStringList lines() const;
    // Every message recorded so far, of any type, with its type.
    QList<CapturedMessage> messages() const;
    // The debug lines recorded so far; forgets every recorded message.
    QStringList take();
    // Every message recorded so far; forgets them.
    QList<CapturedMessage> takeAll();
    // Forgets every recorded message.
    void clear();

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

    QtMessageHandler m_previous = nullptr;
    QList<CapturedMessage> m_messages;
};

} // namespace testsupport

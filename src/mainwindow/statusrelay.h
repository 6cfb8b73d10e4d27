#pragma once

#include <QAtomicInt>
#include <QObject>
#include <QString>
#include <QTimer>

// Hands the path of the file being examined from the walker's thread to the
// GUI thread without ever queueing more than one update. The walker reports
// every file; while an update is still waiting to be shown, further reports
// are dropped, so a busy GUI never falls behind and memory stays flat however
// many files are walked. After each update it rests for restMilliseconds
// (about one screen refresh by default) before it takes the next report.
// Reports made before the walk's end are shown before the end is handled,
// because both travel through the same event queue.
class StatusRelay : public QObject
{
    Q_OBJECT

public:
    explicit StatusRelay(QObject *parent = nullptr, int restMilliseconds = 16);

    // Called from the walker's thread for every regular file.
    void offer(const QString &path);

Q_SIGNALS:
    // Emitted in the relay's own thread with the most recently posted path.
    void pathChanged(const QString &path);

private:
    void deliver();

    QAtomicInt pending;
    QString latest;
    QTimer rest;
};

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

class QDialog;
class QLabel;

// The main window's status line: the scan's figures, which stay, with a
// second line for what followed the scan (the search for copies), and
// passing messages ("Saved the list to …"), which give way to the figures
// again after messageMs. When the scan met folders it could not read, or the
// search left files out, the line names them in its tool-tip and a click on
// it opens the list, which can be copied.
class StatusLine : public QObject
{
    Q_OBJECT

public:
    explicit StatusLine(QLabel *label);
    ~StatusLine() override;

    // How long a passing message stays.
    static constexpr int messageMs = 4000;
    // How many folders or files the tool-tip names of each list.
    static constexpr int toolTipLines = 10;

    // The text that stays (the figures of the last scan).
    void setFigures(const QString &text);
    // How many results a filter lets through ("12 of 100 shown"), kept after
    // the figures; empty when none is in force.
    void setShownCount(const QString &text);
    // The path the walk is at; its middle gives way to keep the name in sight.
    void showPath(const QString &path);
    // A message shown for messageMs, then the figures again.
    void showMessage(const QString &text);
    // Stops a passing message and empties the line for the paths of a scan
    // that starts.
    void clear();
    // The folders that could not be read, as plain text lines; empty when
    // there were none.
    void setUnreadable(const QString &list);
    // The line below the figures, and the files it left out, one plain
    // text line each; empty texts for none.
    void setFollowUp(const QString &text, const QString &leftOutList = QString());
    // Opens the list of folders that could not be read, and of files left
    // out.
    void showUnreadable();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString lastingText() const;
    void updateLists();
    QString listTitle() const;
    QString listText() const;

    QLabel *label;
    QString figures;
    QString shownCount;
    QString followUp;
    QString unreadable;
    QString leftOut;
    QTimer messageTimer;
    // Where a press on the line was, to tell a click from a drag of the
    // window (the line passes its mouse events on to the window).
    QPoint pressedAt;
    QPointer<QDialog> listDialog;
};

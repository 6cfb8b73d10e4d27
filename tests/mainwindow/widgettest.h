#pragma once

// The main window's tests share this fixture: a fresh sandboxed settings
// file for every case, a fresh temporary tree, the debug lines captured,
// and helpers that find the window's controls and run a scan to its end.

#include "mainwindow/widget.h"
#include "scan/scansession.h"
#include "support/messagecapture.h"
#include "support/settingsdir.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <functional>
#include <memory>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace widgettest {

void writeFile(const QString &path, qint64 size);

#ifdef Q_OS_WIN
// The commands the window started (recorded, never run), and the scratch
// registry key.
extern QStringList startedCommands;
HKEY sandboxKey();
#endif

} // namespace widgettest

class WidgetTest : public QObject
{
    Q_OBJECT

public:
    explicit WidgetTest(const QString &sandbox) : sandbox(sandbox) { }

    // Runs the test object T with the sandbox that every case relies on.
    template<class T> static int run(int argc, char *argv[])
    {
        return run(argc, argv, [](const QString &sandbox) -> std::unique_ptr<QObject> {
            return std::make_unique<T>(sandbox);
        });
    }

protected:
    // A fresh settings file with the start-up update check off, so a window
    // built by a test sends nothing unless the test asks for it.
    void resetSettings(bool autoUpdateCheck = false)
    {
        settingsDir = std::make_unique<testsupport::SettingsDir>();
        QVERIFY(settingsDir->isValid());
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue("init", true);
        ini.setValue("autoupdatecheck", autoUpdateCheck);
        ini.setValue("topnumber", 100);
    }
    QString iniPath() const { return settingsDir->iniPath(); }

    static QPushButton *button(Widget &w, const char *name)
    {
        return w.findChild<QPushButton *>(name);
    }
    static QLabel *status(Widget &w) { return w.findChild<QLabel *>("currentfile"); }
    static QComboBox *combo(Widget &w) { return w.findChild<QComboBox *>("dircombo"); }
    static QTableView *table(Widget &w) { return w.findChild<QTableView *>("tableView"); }

    // Starts a scan from the button and waits for its end.
    static bool scanToCompletion(Widget &w)
    {
        QSignalSpy finished(w.scanSession(), &ScanSession::finished);
        button(w, "scanb")->click();
        return finished.wait(20000) && status(w)->text().startsWith("Scan Complete! ");
    }
    // Shows the window, makes it active and scans root to its end.
    static bool scanShown(Widget &w, const QString &root)
    {
        w.show();
        w.setArgDirList({root});
        return QTest::qWaitForWindowActive(&w) && scanToCompletion(w);
    }
    // What a tool-tip shows: rich text as a reader sees it.
    static QString shownToolTip(const QString &tip)
    {
        if (!Qt::mightBeRichText(tip))
            return tip;
        QTextDocument document;
        document.setHtml(tip);
        return document.toPlainText();
    }
    static void makeTree(const QString &root, int dirs, int files)
    {
        for (int d = 0; d < dirs; ++d) {
            const QString dir = QString("%1/d%2").arg(root).arg(d);
            QVERIFY(QDir().mkpath(dir));
            for (int f = 0; f < files; ++f)
                widgettest::writeFile(QString("%1/f%2").arg(dir).arg(f), f);
        }
    }

    QStringList walkLines() const
    {
        QStringList lines;
        const QStringList all = log->lines();
        for (const QString &line : all) {
            if (line.startsWith("walk! "))
                lines << line.mid(6);
        }
        return lines;
    }

    static QStringList rowsOf(Widget &w, int column)
    {
        QStringList rows;
        const QAbstractItemModel *model = table(w)->model();
        for (int row = 0; model && row < model->rowCount(); ++row)
            rows << model->index(row, column).data().toString();
        return rows;
    }

    template<class T> static QList<T *> topLevel()
    {
        QList<T *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *t = qobject_cast<T *>(widget); t && t->isVisible())
                found << t;
        }
        return found;
    }

    QString sandbox;
    // The program's folder, with its settings file; a fresh one every case.
    std::unique_ptr<testsupport::SettingsDir> settingsDir;
    std::unique_ptr<QTemporaryDir> tree;
    // Debug lines written while the test runs.
    std::unique_ptr<testsupport::MessageCapture> log;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

private:
    static int run(int argc, char *argv[],
                   const std::function<std::unique_ptr<QObject>(const QString &)> &make);
};

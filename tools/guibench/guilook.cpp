// vastrel-guilook [--dark] [--points N] [--maximized] [--scan DIR] [--config]:
// the main window as the program shows it, with a dark palette or another
// font size on request, for looking at the window under a desktop without
// those settings (screenshots under Xvfb). Settings and file-manager entries
// go to a throwaway directory; nothing is sent to an update server.

#include "guisandbox.h"
#include "mainwindow/widget.h"

#include <QApplication>
#include <QPushButton>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    const GuiSandbox sandbox(false);
    if (!sandbox.isValid())
        return 1;
    QApplication app(argc, argv);
    sandbox.writeSettings(100);

    const QStringList args = QCoreApplication::arguments();
    if (args.contains("--dark")) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2f));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x22));
        dark.setColor(QPalette::AlternateBase, QColor(0x2b, 0x2b, 0x2f));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x3a));
        dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Highlight, QColor(0x3d, 0x6e, 0xb4));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        dark.setColor(QPalette::ToolTipBase, QColor(0x35, 0x35, 0x3a));
        dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
    }
    if (const qsizetype at = args.indexOf("--points"); at > 0 && at + 1 < args.size()) {
        QFont font = QApplication::font();
        font.setPointSize(args.at(at + 1).toInt());
        QApplication::setFont(font);
    }

    Widget window;
    window.setWindowIcon(QIcon(QStringLiteral(":/image/image/systemsearch.png")));
    window.setWindowFlags(Qt::FramelessWindowHint);
    if (args.contains("--maximized"))
        window.showMaximized();
    else
        window.show();
    if (const qsizetype at = args.indexOf("--scan"); at > 0 && at + 1 < args.size()) {
        window.setArgDirList({args.at(at + 1)});
        window.on_scanb_clicked();
    }
    if (args.contains("--config"))
        window.findChild<QPushButton *>("config")->click();
    return app.exec();
}

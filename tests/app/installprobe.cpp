// Started by tst_installdir from a copy placed where the test chooses: does
// what the program does at start with its own location (settings defaults,
// file manager entries) and prints where the settings file went.

#include "platform/platform.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vastrel"));
    settings::initSetting();
    platform::registerDirectoryVerb();
    QTextStream(stdout) << settings::filePath() << '\n';
    return 0;
}

#include "scan/localpaths.h"
#include "top/topcommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return topcommand::run(localpaths::commandLineArguments(argc, argv));
}

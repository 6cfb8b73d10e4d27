#include "scan/localpaths.h"
#include "scan/standardstreams.h"
#include "top/topcommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    standardstreams::reserve();
    QCoreApplication app(argc, argv);
    return topcommand::run(localpaths::commandLineArguments(argc, argv));
}

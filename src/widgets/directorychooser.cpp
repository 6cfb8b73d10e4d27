#include "widgets/directorychooser.h"

namespace directorychooser {

namespace {

// The replacement installed by a test; empty means the real chooser.
Chooser &installed()
{
    static Chooser chooser;
    return chooser;
}

} // namespace

QString getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir,
                             QFileDialog::Options options)
{
    if (const Chooser &chooser = installed())
        return chooser(parent, caption, dir, options);
    return QFileDialog::getExistingDirectory(parent, caption, dir, options);
}

void setChooser(Chooser chooser)
{
    installed() = std::move(chooser);
}

} // namespace directorychooser

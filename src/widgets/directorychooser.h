#pragma once

#include <QFileDialog>
#include <QString>

#include <functional>

class QWidget;

// The one place that asks the user for a directory. Every "Add" button goes
// through here, so a test can answer in place of the platform's modal chooser
// instead of blocking on it.
namespace directorychooser {

using Chooser = std::function<QString(QWidget *parent, const QString &caption, const QString &dir,
                                      QFileDialog::Options options)>;

// Asks for a directory: QFileDialog::getExistingDirectory unless a test has installed a
// replacement.
QString getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir,
                             QFileDialog::Options options);

// Replaces the chooser (tests); an empty function restores the real one.
void setChooser(Chooser chooser);

} // namespace directorychooser

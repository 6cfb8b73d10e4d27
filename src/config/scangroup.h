#pragma once

#include "scan/scanoptions.h"

#include <QGroupBox>
#include <QStringList>

#include <memory>

namespace Ui {
class ScanGroup;
}

// The "Scan" group of the configuration window's Setting tab: which entries a
// scan walks (hidden names, other file systems, network file systems,
// excluded folders) and which files it offers to the ranking (at least a
// size, only some types, not modified for some days) and whether they rank by
// file size or by space on disk. It shows one
// ScanOptions and hands back what the user made of it; saving is the
// window's business.
class ScanGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit ScanGroup(QWidget *parent = nullptr);
    ~ScanGroup() override;

    void setOptions(const ScanOptions &options);
    ScanOptions options() const;

    // A size as the form shows it: a value with one decimal and a unit, 0 to
    // 4 for bytes, KB, MB, GB and TB (powers of 1024). The largest unit that
    // shows the size exactly is taken.
    struct SizeInUnit
    {
        double value = 0;
        int unit = 0;
    };
    static SizeInUnit sizeInUnit(qint64 bytes);
    static qint64 sizeInBytes(double value, int unit);

    // The words of the types field (separated by blanks, commas or
    // semicolons) that are extensions, cleaned, and those that are not.
    static QStringList typesIn(const QString &text);
    static QStringList rejectedTypesIn(const QString &text);

private:
    void addExclude();
    void removeSelectedExcludes();
    void appendExclude(const QString &path);
    void updateTypesNote();

    std::unique_ptr<Ui::ScanGroup> ui;
};

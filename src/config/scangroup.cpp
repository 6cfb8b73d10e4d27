#include "config/scangroup.h"
#include "ui_scangroup.h"

#include "scan/filetypes.h"
#include "scan/pathcodec.h"
#include "widgets/directorychooser.h"
#include "widgets/plaintext.h"

#include <QDir>

#include <cmath>

namespace {

constexpr int unitCount = 5; // bytes, KB, MB, GB, TB

qint64 unitBytes(int unit)
{
    return qint64(1) << (10 * unit);
}

} // namespace

ScanGroup::ScanGroup(QWidget *parent) : QGroupBox(parent), ui(std::make_unique<Ui::ScanGroup>())
{
    ui->setupUi(this);
    ui->typesnote->hide();

    // A filter's value can be edited only while its box is ticked.
    auto follow = [](QCheckBox *box, std::initializer_list<QWidget *> fields) {
        for (QWidget *field : fields) {
            field->setEnabled(box->isChecked());
            connect(box, &QCheckBox::toggled, field, &QWidget::setEnabled);
        }
    };
    follow(ui->minsizeb, {ui->minsizevalue, ui->minsizeunit});
    follow(ui->typesb, {ui->typesedit});
    follow(ui->olderb, {ui->olderdays});

    connect(ui->addexcludeb, &QPushButton::clicked, this, &ScanGroup::addExclude);
    connect(ui->removeexcludeb, &QPushButton::clicked, this, &ScanGroup::removeSelectedExcludes);
    connect(ui->excludelist, &QListWidget::itemSelectionChanged, this, [this] {
        ui->removeexcludeb->setEnabled(!ui->excludelist->selectedItems().isEmpty());
    });
    ui->removeexcludeb->setEnabled(false);
    connect(ui->typesedit, &QLineEdit::textChanged, this, &ScanGroup::updateTypesNote);
    connect(ui->typesb, &QCheckBox::toggled, this, &ScanGroup::updateTypesNote);

    setOptions(defaultScanOptions());
}

ScanGroup::~ScanGroup() = default;

void ScanGroup::setOptions(const ScanOptions &options)
{
    ui->hiddenb->setChecked(options.includeHidden);
    ui->onefilesystemb->setChecked(options.oneFileSystem);
    ui->skipnetworkb->setChecked(options.skipNetwork);

    ui->excludelist->clear();
    for (const QString &dir : options.excludes)
        appendExclude(dir);

    // Without a size filter the field suggests 100 MB, as the days field
    // suggests a year.
    ui->minsizeb->setChecked(options.minSize > 0);
    const SizeInUnit size = options.minSize > 0 ? sizeInUnit(options.minSize) : SizeInUnit {100, 2};
    ui->minsizeunit->setCurrentIndex(size.unit);
    ui->minsizevalue->setValue(size.value);

    ui->typesb->setChecked(!options.types.isEmpty());
    ui->typesedit->setText(options.types.join(QLatin1Char(' ')));

    ui->olderb->setChecked(options.olderThanDays > 0);
    if (options.olderThanDays > 0)
        ui->olderdays->setValue(options.olderThanDays);

    // The choices are in the order of SizeKind's values.
    ui->rankby->setCurrentIndex(options.rankBy == SizeKind::OnDisk ? 1 : 0);
}

ScanOptions ScanGroup::options() const
{
    ScanOptions options;
    options.includeHidden = ui->hiddenb->isChecked();
    options.oneFileSystem = ui->onefilesystemb->isChecked();
    options.skipNetwork = ui->skipnetworkb->isChecked();
    for (int row = 0; row < ui->excludelist->count(); ++row)
        options.excludes << ui->excludelist->item(row)->data(Qt::UserRole).toString();
    if (ui->minsizeb->isChecked())
        options.minSize = sizeInBytes(ui->minsizevalue->value(), ui->minsizeunit->currentIndex());
    if (ui->typesb->isChecked())
        options.types = typesIn(ui->typesedit->text());
    if (ui->olderb->isChecked())
        options.olderThanDays = ui->olderdays->value();
    options.rankBy = ui->rankby->currentIndex() == 1 ? SizeKind::OnDisk : SizeKind::Apparent;
    return options;
}

ScanGroup::SizeInUnit ScanGroup::sizeInUnit(qint64 bytes)
{
    const double largest = 999999.9; // what the value field takes
    // Exact with one decimal: bytes × 10 is a multiple of the unit, that is
    // bytes is a multiple of half the unit (every unit above bytes is even).
    for (int unit = unitCount - 1; unit > 0; --unit) {
        if (bytes % (unitBytes(unit) / 2) == 0 && double(bytes) / unitBytes(unit) <= largest)
            return {double(bytes) / unitBytes(unit), unit};
    }
    if (double(bytes) <= largest)
        return {double(bytes), 0};
    // Not exact in any unit (a value written by hand): the nearest tenth of
    // the smallest unit that holds it.
    for (int unit = 1; unit < unitCount; ++unit) {
        const double value = std::round(double(bytes) / unitBytes(unit) * 10) / 10;
        if (value <= largest)
            return {value, unit};
    }
    return {largest, unitCount - 1};
}

qint64 ScanGroup::sizeInBytes(double value, int unit)
{
    if (unit < 0 || unit >= unitCount || !(value > 0))
        return 0;
    return qRound64(value * double(unitBytes(unit)));
}

QStringList ScanGroup::typesIn(const QString &text)
{
    return filetypes::extensions({text});
}

QStringList ScanGroup::rejectedTypesIn(const QString &text)
{
    return filetypes::rejectedWords(text);
}

void ScanGroup::addExclude()
{
    const QString dir = directorychooser::getExistingDirectory(
        this, tr("Exclude folder"), QDir::homePath(), QFileDialog::ShowDirsOnly);
    if (!dir.isEmpty())
        appendExclude(dir);
}

void ScanGroup::appendExclude(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    for (int row = 0; row < ui->excludelist->count(); ++row) {
        QListWidgetItem *item = ui->excludelist->item(row);
        if (item->data(Qt::UserRole).toString() == clean) {
            ui->excludelist->setCurrentItem(item);
            return;
        }
    }
    auto *item = new QListWidgetItem(pathcodec::displayText(clean), ui->excludelist);
    item->setData(Qt::UserRole, clean);
    // Long paths are elided in the list; the tool tip shows the whole path,
    // never read as markup.
    item->setToolTip(plaintext::toolTip(pathcodec::displayText(clean)));
}

void ScanGroup::removeSelectedExcludes()
{
    qDeleteAll(ui->excludelist->selectedItems());
}

void ScanGroup::updateTypesNote()
{
    const QStringList rejected =
        ui->typesb->isChecked() ? rejectedTypesIn(ui->typesedit->text()) : QStringList();
    ui->typesnote->setVisible(!rejected.isEmpty());
    ui->typesnote->setText(
        rejected.isEmpty()
            ? QString()
            : tr("Not file types, left out: %1").arg(rejected.join(QLatin1Char(' '))));
}

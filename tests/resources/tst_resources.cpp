// Checks the compiled-in pictures and the desktop entry. The test links only
// the product library and never registers anything itself, so every picture
// found here also proves that the collection's static registration survived
// linking.

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void loads_data();
    void loads();
    void collectionHoldsExactlyTheListedFiles();
    void singleImageSegmentDoesNotResolve_data();
    void singleImageSegmentDoesNotResolve();
    void iconFileHoldsOne48PixelImage();
    void buttonStatesLookDifferent_data();
    void buttonStatesLookDifferent();
    void desktopEntry_data();
    void desktopEntry();
    void desktopEntryHasNoMimeType();
};

static const QString base = QStringLiteral(":/image/image/");

// Every picture of the collection: name, file format, pixel size, and whether
// it carries an alpha channel (the BMP button faces are 24-bit, without one).
void TestResources::loads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");

    for (const char *name :
         {"close.bmp", "close_hover.bmp", "close_down.bmp", "menu.bmp", "menu_hover.bmp",
          "menu_down.bmp", "min.bmp", "min_hover.bmp", "min_down.bmp"})
        QTest::newRow(name) << QString::fromLatin1(name) << QByteArray("bmp") << QSize(26, 23)
                            << false;
    QTest::newRow("newback.png") << "newback.png" << QByteArray("png") << QSize(500, 400) << true;
    QTest::newRow("systemsearch.png")
        << "systemsearch.png" << QByteArray("png") << QSize(32, 32) << true;
    QTest::newRow("system-search.ico")
        << "system-search.ico" << QByteArray("ico") << QSize(48, 48) << true;
    for (const char *name :
         {"configure.png", "window-close.png", "window-close1.png", "mingray.png", "minred.png"})
        QTest::newRow(name) << QString::fromLatin1(name) << QByteArray("png") << QSize(16, 16)
                            << true;
}

void TestResources::loads()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);

    QImageReader reader(base + name);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
}

// A stray or forgotten entry in the collection file shows up here.
void TestResources::collectionHoldsExactlyTheListedFiles()
{
    QCOMPARE(QDir(base).entryList(QDir::Files).size(), 17);
    QCOMPARE(QDir(QStringLiteral(":/image")).entryList(), QStringList {"image"});
}

void TestResources::singleImageSegmentDoesNotResolve_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("close.bmp") << "close.bmp";
    QTest::newRow("newback.png") << "newback.png";
    QTest::newRow("systemsearch.png") << "systemsearch.png";
}

void TestResources::singleImageSegmentDoesNotResolve()
{
    QFETCH(QString, name);
    QVERIFY(QFile::exists(base + name));
    QVERIFY(!QFile::exists(QStringLiteral(":/image/") + name));
    QVERIFY(QImage(QStringLiteral(":/image/") + name).isNull());
}

// The same picture as the program file's Windows icon: one image, 48 x 48,
// with real transparency around the drawing.
void TestResources::iconFileHoldsOne48PixelImage()
{
    QImageReader reader(base + "system-search.ico");
    QCOMPARE(reader.imageCount(), 1);
    const QImage icon = reader.read();
    QCOMPARE(icon.size(), QSize(48, 48));
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(icon.pixelColor(12, 30).alpha(), 255); // the disk's body
}

// Normal, hover and pressed faces of a title button must be told apart at
// the 20 x 16 pixels the style sheets draw them in.
void TestResources::buttonStatesLookDifferent_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("close") << "close";
    QTest::newRow("menu") << "menu";
    QTest::newRow("min") << "min";
}

static double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * a.width() * a.height());
}

void TestResources::buttonStatesLookDifferent()
{
    QFETCH(QString, button);
    const auto shown = [&](const QString &suffix) {
        return QImage(base + button + suffix + ".bmp")
            .scaled(20, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage normal = shown(""), hover = shown("_hover"), pressed = shown("_down");
    QVERIFY(!normal.isNull() && !hover.isNull() && !pressed.isNull());
    QVERIFY2(meanDifference(normal, hover) > 8, "normal and hover look alike");
    QVERIFY2(meanDifference(normal, pressed) > 8, "normal and pressed look alike");
    QVERIFY2(meanDifference(hover, pressed) > 8, "hover and pressed look alike");
}

// Reads the "[Desktop Entry]" group of the installed desktop file as key=value lines.
static QMap<QString, QString> readDesktopEntry()
{
    QFile file(QStringLiteral(VASTREL_DESKTOP_FILE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    QMap<QString, QString> keys;
    if (lines.value(0) != QLatin1String("[Desktop Entry]"))
        return keys;
    for (const QString &line : lines.mid(1)) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

void TestResources::desktopEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("Type") << "Type"
                          << "Application";
    QTest::newRow("Name") << "Name"
                          << "Vastrel";
    // started from the menu without arguments; a folder to scan only ever
    // comes from the file manager's own entries
    QTest::newRow("Exec") << "Exec"
                          << "vastrel";
    QTest::newRow("Icon") << "Icon"
                          << "vastrel";
    QTest::newRow("Terminal") << "Terminal"
                              << "false";
}

void TestResources::desktopEntry()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const auto keys = readDesktopEntry();
    QVERIFY2(!keys.isEmpty(), "desktop file missing or without its [Desktop Entry] header");
    QCOMPARE(keys.value(key), value);
}

// A MimeType line would offer the program as an opener of folders and could
// make it the default one; it must never be there.
void TestResources::desktopEntryHasNoMimeType()
{
    const auto keys = readDesktopEntry();
    QVERIFY(!keys.isEmpty());
    QVERIFY(!keys.contains(QStringLiteral("MimeType")));
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"

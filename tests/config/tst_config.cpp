#include "config/config.h"
#include "fakeupdateserver.h"
#include "net/httpclient.h"
#include "settings/settings.h"
#include "support/sandbox.h"
#include "support/settingsdir.h"
#include "support/urlcatcher.h"
#include "widgets/directorychooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <memory>

// The configuration window: its form, "Apply" and the settings file, closing,
// and the update check and feedback against a scripted server on 127.0.0.1.
class tst_Config : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testsupport::SettingsDir> appDir;
    // Every scheme a link in the window could have: nothing is really opened.
    testsupport::UrlCatcher catcher {{"http", "https", "file", "ftp", "smb", "javascript"}};

    QString iniPath() const { return appDir->iniPath(); }
    QString iniValue(const QString &key) const { return appDir->value(key).toString(); }
    template<class T> static T *child(const Config &config, const char *name)
    {
        T *found = config.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    static QString decoded(const QString &query, const QString &key)
    {
        for (const QString &field : query.split(QLatin1Char('&'))) {
            const QStringList pair = field.split(QLatin1Char('='));
            if (pair.size() == 2 && pair.at(0) == key)
                return QString::fromUtf8(QByteArray::fromPercentEncoding(pair.at(1).toLatin1()));
        }
        return QStringLiteral("<missing>");
    }

private Q_SLOTS:
    void init();
    void cleanupTestCase();

    void firstOpening();
    void typing_data();
    void typing();
    void apply_data();
    void apply();
    void applyRestoresLastAppliedCount();
    void keepScanHistory_data();
    void keepScanHistory();
    void reopeningShowsWhatIsInForce();
    void closingNeverQuits();
    void updateAnswer_data();
    void updateAnswer();
    void updateCheckFails();
    void feedback_data();
    void feedback();
    void sendClearsLastResult();
    void feedbackIsCapped();
    void outsideTextShownLiterally_data();
    void outsideTextShownLiterally();
    void helpReadableUnderADarkPalette_data();
    void helpReadableUnderADarkPalette();
    void textFitsAtEveryFontSize_data();
    void textFitsAtEveryFontSize();
};

void tst_Config::init()
{
    appDir = std::make_unique<testsupport::SettingsDir>();
    QVERIFY(appDir->isValid());
    settings::initSetting();
    catcher.urls.clear();
    qunsetenv("VASTREL_UPDATE_HOST");
}

void tst_Config::cleanupTestCase()
{
    appDir.reset();
}

void tst_Config::firstOpening()
{
    Config config;
    QVERIFY(config.isWindow());
    QCOMPARE(config.metaObject()->className(), "Config");
    QCOMPARE(config.windowTitle(), QStringLiteral("Settings - Vastrel"));
    QCOMPARE(config.size(), QSize(400, 300));
    QCOMPARE(child<QLineEdit>(config, "customtopb")->text(), QStringLiteral("100"));
    QVERIFY(child<QCheckBox>(config, "autocheckupdateb")->isChecked());
    QCOMPARE(child<QLabel>(config, "currentversion")->text(), QStringLiteral("Version:2.0.0"));
    QVERIFY(child<QPushButton>(config, "updatenowb")->isHidden());

    auto *tabs = child<QTabWidget>(config, "configtab");
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList pages {"tab_1", "tab", "tab_2", "tab_3", "tab_4"};
    const QStringList titles {"Setting", "About", "Fedback", "Update", "Help"};
    QCOMPARE(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), pages.at(i));
        QCOMPARE(tabs->tabText(i), titles.at(i));
    }
    config.setCurrentTab(3);
    QCOMPARE(tabs->currentIndex(), 3);

    const QString mail = QStringLiteral(VASTREL_CONTACT_MAIL);
    QCOMPARE(child<QLabel>(config, "label")->text(), QStringLiteral("You can mail to:") + mail);
    QCOMPARE(
        child<QPlainTextEdit>(config, "plainTextEdit")->toPlainText(),
        QStringLiteral("This tool can help you to find out the large file on you disk. It's "
                       "very useful when you want to free some space but do not know which "
                       "file eats you space.This tool is what you really want!\n\nEnjoy!\n\n") +
            mail);
    QCOMPARE(child<QLabel>(config, "label_4")->text(), QStringLiteral("Your msg: "));

    auto *help = child<QTextBrowser>(config, "textBrowser");
    QCOMPARE(help->toPlainText(),
             QStringLiteral("SCAN:\nEverything is in the combobox.just select what you want,then "
                            "push scan,wait the program tell you which file eats your space.\n\n"
                            "Right click the file listed, go to the folder, to see if you want to "
                            "delete it or not.\n\nlol"));
    const QTextCharFormat scan = help->document()->begin().begin().fragment().charFormat();
    QCOMPARE(scan.foreground().color(), QColor(0x00, 0x00, 0xff));
}

void tst_Config::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("in range") << "250"
                              << "250";
    QTest::newRow("top") << "10000"
                         << "10000";
    QTest::newRow("above the top refused") << "20000"
                                           << "2000";
    QTest::newRow("five digits above the top") << "10001"
                                               << "1000";
    QTest::newRow("0 refused") << "0"
                               << "";
    QTest::newRow("0 refused after a digit") << "50"
                                             << "50";
    QTest::newRow("group separator refused") << "1,000"
                                             << "1000";
    QTest::newRow("decimal point refused") << "1.5"
                                           << "15";
    QTest::newRow("letters refused") << "abc"
                                     << "";
    QTest::newRow("minus refused") << "-5"
                                   << "5";
}

// Typing goes through the field's validator, key by key.
void tst_Config::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Config config;
    auto *field = child<QLineEdit>(config, "customtopb");
    field->clear();
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), shown);
}

void tst_Config::apply_data()
{
    QTest::addColumn<QByteArray>("file"); // "" keeps the first-run file
    QTest::addColumn<QString>("text"); // "-" leaves the field as it was filled
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QList<qulonglong>>("emitted");
    QTest::addColumn<QString>("topnumber");
    QTest::addColumn<QString>("autoupdatecheck");
    QTest::addColumn<QString>("shown");

    using L = QList<qulonglong>;
    QTest::newRow("250") << QByteArray() << "250" << true << L {250} << "250"
                         << "2"
                         << "250";
    QTest::newRow("250 unchecked") << QByteArray() << "250" << false << L {250} << "250"
                                   << "0"
                                   << "250";
    QTest::newRow("empty field") << QByteArray() << "" << false << L {} << "100"
                                 << "0"
                                 << "100";
    QTest::newRow("0") << QByteArray() << "0" << true << L {} << "100"
                       << "2"
                       << "100";
    QTest::newRow("1,000 set past the validator")
        << QByteArray() << "1,000" << true << L {} << "100"
        << "2"
        << "100";
    QTest::newRow("50000 from the file") << QByteArray("[General]\ninit=true\ntopnumber=50000\n")
                                         << "-" << true << L {50000} << "50000"
                                         << "2"
                                         << "50000";
    QTest::newRow("not a number in the file, read as the window reads it")
        << QByteArray("[General]\ninit=true\ntopnumber=abc\n") << "-" << true << L {100} << "100"
        << "2"
        << "100";
}

void tst_Config::apply()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(bool, checked);
    QFETCH(QList<qulonglong>, emitted);
    QFETCH(QString, topnumber);
    QFETCH(QString, autoupdatecheck);
    QFETCH(QString, shown);

    if (!file.isEmpty()) {
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(file);
    }
    Config config;
    QSignalSpy counts(&config, &Config::topNumberChange);
    auto *field = child<QLineEdit>(config, "customtopb");
    if (text != QLatin1String("-"))
        field->setText(text);
    child<QCheckBox>(config, "autocheckupdateb")->setChecked(checked);
    child<QCheckBox>(config, "hiddenb")->setChecked(checked); // in the Scan group
    child<QPushButton>(config, "pushButton")->click();

    QCOMPARE(iniValue(QStringLiteral("scan/includehidden")), QString(checked ? "true" : "false"));
    QList<qulonglong> got;
    for (const QVariantList &args : std::as_const(counts))
        got << args.at(0).value<ulong>();
    QCOMPARE(got, emitted);
    QCOMPARE(iniValue(QStringLiteral("topnumber")), topnumber);
    QCOMPARE(iniValue(QStringLiteral("autoupdatecheck")), autoupdatecheck);
    QCOMPARE(settings::autoUpdateCheck(), checked);
    QCOMPARE(field->text(), shown);
}

void tst_Config::keepScanHistory_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("inForce");

    QTest::newRow("default, kept") << "" << true << 20 << "20" << 20;
    QTest::newRow("turned off") << "20" << false << 20 << "0" << 0;
    QTest::newRow("off, turned on with 5") << "0" << true << 5 << "5" << 5;
    QTest::newRow("not a number reads as the default") << "many" << true << 20 << "20" << 20;
}

void tst_Config::keepScanHistory()
{
    QFETCH(QString, stored);
    QFETCH(bool, keep);
    QFETCH(int, count);
    QFETCH(QString, written);
    QFETCH(int, inForce);

    if (!stored.isEmpty()) {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue("history/keep", stored);
    }
    Config config;
    auto *box = child<QCheckBox>(config, "keephistoryb");
    auto *spin = child<QSpinBox>(config, "keepcountb");
    QCOMPARE(box->isChecked(), stored != "0");
    box->setChecked(keep);
    QCOMPARE(spin->isEnabled(), keep);
    spin->setValue(count);
    child<QPushButton>(config, "pushButton")->click();
    QCOMPARE(iniValue(QStringLiteral("history/keep")), written);
    QCOMPARE(settings::keepScanHistory(), inForce);
}

void tst_Config::applyRestoresLastAppliedCount()
{
    Config config;
    QSignalSpy counts(&config, &Config::topNumberChange);
    auto *field = child<QLineEdit>(config, "customtopb");
    auto *apply = child<QPushButton>(config, "pushButton");

    field->setText(QStringLiteral("250"));
    apply->click();
    field->setText(QString());
    apply->click();
    QCOMPARE(counts.size(), 1);
    QCOMPARE(field->text(), QStringLiteral("250"));
    QCOMPARE(iniValue(QStringLiteral("topnumber")), QStringLiteral("250"));

    // A typed count that is never applied changes neither the file nor the
    // main window, and is gone when the window is shown again: it shows the
    // count in force.
    config.show();
    field->setText(QStringLiteral("77"));
    child<QPushButton>(config, "exitb")->click();
    QVERIFY(!config.isVisible());
    config.show();
    QCOMPARE(field->text(), QStringLiteral("250"));
    QCOMPARE(counts.size(), 1);
    QCOMPARE(iniValue(QStringLiteral("topnumber")), QStringLiteral("250"));
}

// Edits closed without "Apply" are not shown again: reopened, the Setting tab
// shows what the settings file holds, which is what the next scan uses.
void tst_Config::reopeningShowsWhatIsInForce()
{
    QTemporaryDir excluded;
    QVERIFY(excluded.isValid());
    Config config;
    config.show();
    QVERIFY(QTest::qWaitForWindowExposed(&config));
    auto *autoCheck = child<QCheckBox>(config, "autocheckupdateb");
    auto *hidden = child<QCheckBox>(config, "hiddenb");
    auto *excludes = child<QListWidget>(config, "excludelist");
    const bool hiddenBefore = hidden->isChecked();
    const int excludesBefore = excludes->count();
    autoCheck->setChecked(false);
    hidden->setChecked(!hiddenBefore);
    directorychooser::setChooser([&](QWidget *, const QString &, const QString &,
                                     QFileDialog::Options) { return excluded.path(); });
    child<QPushButton>(config, "addexcludeb")->click();
    directorychooser::setChooser({});
    QCOMPARE(excludes->count(), excludesBefore + 1);

    child<QPushButton>(config, "exitb")->click();
    config.show();
    QVERIFY(autoCheck->isChecked());
    QCOMPARE(hidden->isChecked(), hiddenBefore);
    QCOMPARE(excludes->count(), excludesBefore);
}

// With the main window hidden in the tray the configuration window may be the
// only visible window; closing it must not end the event loop.
void tst_Config::closingNeverQuits()
{
    Config config;
    config.show();
    QVERIFY(QTest::qWaitForWindowExposed(&config));
    // Qt decides on quitting, and says so with lastWindowClosed(), only while
    // the event loop runs; the close happens inside it.
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, &config, [&config] {
        QTest::mouseClick(child<QPushButton>(config, "exitb"), Qt::LeftButton);
        QCoreApplication::exit(42);
    });
    QCOMPARE(QCoreApplication::exec(), 42);
    QVERIFY(!config.isVisible());
    QCOMPARE(lastWindowClosed.size(), 0);
}

void tst_Config::updateAnswer_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<bool>("updateNow");
    QTest::addColumn<QString>("opened"); // what "Update Now" opens, "" for nothing

    using P = QList<QByteArray>;
    const QString before = QStringLiteral("before");
    QTest::newRow("rule 1") << 200 << P {"2.0.0"} << "Already The Latest Version!" << false << "";
    QTest::newRow("rule 1 by containment")
        << 200 << P {"12.0.0##http://x/"} << "Already The Latest Version!" << false << "";
    QTest::newRow("rule 2") << 200 << P {"2.0.1##http://example.org/get"} << "Latest Version:2.0.1"
                            << true << "http://example.org/get";
    QTest::newRow("rule 2 split inside ##")
        << 200 << P {"2.0.1#", "#https://example.org/get"} << "Latest Version:2.0.1" << true
        << "https://example.org/get";
    QTest::newRow("rule 2 in a 404") << 404 << P {"3.0##http://example.org/"}
                                     << "Latest Version:3.0" << true << "http://example.org/";
    QTest::newRow("rule 3") << 200 << P {"<html>busy</html>"} << "Sorry.update server maintain."
                            << false << "";
    QTest::newRow("error page") << 500 << P {"Internal Server Error"}
                                << "Sorry.update server maintain." << false << "";
    QTest::newRow("NUL ends the answer")
        << 200 << P {QByteArray("2.0.1##http://a.example/\0002.0.0", 29)} << "Latest Version:2.0.1"
        << true << "http://a.example/";
    QTest::newRow("empty body changes nothing") << 200 << P {""} << before << false << "";
    QTest::newRow("address without a host")
        << 200 << P {"2.1##"} << "Latest Version:2.1" << true << "";
    QTest::newRow("local file never opened")
        << 200 << P {"2.1##file:///etc/passwd"} << "Latest Version:2.1" << true << "";
    QTest::newRow("markup in the address")
        << 200 << P {"2.1##http://example.org/<b>x</b>"} << "Latest Version:2.1" << true
        << "http://example.org/%3Cb%3Ex%3C/b%3E";
    QTest::newRow("other scheme never opened")
        << 200 << P {"2.1##smb://host/share"} << "Latest Version:2.1" << true << "";
}

void tst_Config::updateAnswer()
{
    QFETCH(int, status);
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QString, latest);
    QFETCH(bool, updateNow);
    QFETCH(QString, opened);

    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(status, pieces);
    qputenv("VASTREL_UPDATE_HOST", server.hostAndPort());

    Config config;
    auto *http = config.findChild<HttpClient *>();
    QVERIFY(http);
    QSignalSpy finished(http, &HttpClient::requestFinished);
    auto *label = child<QLabel>(config, "latestversion");
    label->setText(QStringLiteral("before"));

    child<QPushButton>(config, "checkupdateb")->click();
    QTRY_COMPARE(finished.size(), 2);
    QCOMPARE(server.requests(), QStringList {QStringLiteral("/vastrel/checkupdate")});
    QCOMPARE(label->text(), latest);

    auto *now = child<QPushButton>(config, "updatenowb");
    QCOMPARE(!now->isHidden(), updateNow);
    // The button says where it goes before it is pressed, as plain text.
    if (updateNow) {
        QTextDocument tip;
        tip.setHtml(now->toolTip());
        if (opened.isEmpty())
            QVERIFY2(tip.toPlainText().startsWith(QLatin1String("Not a web address")),
                     qPrintable(now->toolTip()));
        else
            QCOMPARE(tip.toPlainText(), opened);
    }
    now->click();
    QCOMPARE(catcher.urls, opened.isEmpty() ? QList<QUrl> {} : QList<QUrl> {QUrl(opened)});
}

void tst_Config::updateCheckFails()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const QByteArray closed = "127.0.0.1:" + QByteArray::number(probe.serverPort());
    probe.close();
    qputenv("VASTREL_UPDATE_HOST", closed);

    Config config;
    QSignalSpy finished(config.findChild<HttpClient *>(), &HttpClient::requestFinished);
    child<QPushButton>(config, "checkupdateb")->click();
    QTRY_COMPARE(finished.size(), 2);
    const QString shown = child<QLabel>(config, "latestversion")->text();
    QVERIFY2(shown.contains(QLatin1String("refused"), Qt::CaseInsensitive), qPrintable(shown));
    QVERIFY(child<QPushButton>(config, "updatenowb")->isHidden());
}

void tst_Config::feedback_data()
{
    QTest::addColumn<bool>("answered");
    QTest::newRow("answered") << true;
    QTest::newRow("connection closed without answer") << false;
}

// The message and the address reach the server exactly as typed, and
// "Success!" appears only once the feedback GET itself has ended well.
void tst_Config::feedback()
{
    QFETCH(bool, answered);

    FakeUpdateServer server;
    QVERIFY(server.start());
    if (answered)
        server.setAnswer(200, QByteArray("thanks"));
    else
        server.setCloseWithoutAnswer();
    qputenv("VASTREL_UPDATE_HOST", server.hostAndPort());

    Config config;
    QSignalSpy finished(config.findChild<HttpClient *>(), &HttpClient::requestFinished);
    auto *result = child<QLabel>(config, "sendresult");
    QStringList shownAtRequest;
    connect(&server, &FakeUpdateServer::requestReceived, this,
            [&] { shownAtRequest << result->text(); });

    const QString message = QStringLiteral("a&b=c+d#e%f\nzweite Zeile \u00e8");
    const QString mail = QStringLiteral("me+vastrel@example.org");
    child<QPlainTextEdit>(config, "fedbackmsg")->setPlainText(message);
    child<QLineEdit>(config, "fedbackmail")->setText(mail);
    child<QPushButton>(config, "sendfedbackb")->click();
    QTRY_COMPARE(finished.size(), 2);

    QVERIFY(!server.requests().isEmpty());
    QVERIFY(!shownAtRequest.contains(QStringLiteral("Success!")));
    const QString target = server.requests().first();
    const QString prefix = QStringLiteral("/vastrel/fedback?");
    QVERIFY2(target.startsWith(prefix), qPrintable(target));
    const QString query = target.mid(prefix.size());
    QCOMPARE(query.count(QLatin1Char('&')), 1);
    QCOMPARE(decoded(query, QStringLiteral("msg")), message);
    QCOMPARE(decoded(query, QStringLiteral("email")), mail);
    if (answered) {
        QCOMPARE(result->text(), QStringLiteral("Success!"));
    } else {
        QVERIFY(!result->text().isEmpty());
        QVERIFY(result->text() != QLatin1String("Success!"));
    }
}

// While a message is on its way, the result of the one before is gone, so an
// old "Success!" never stands for the message being sent.
void tst_Config::sendClearsLastResult()
{
    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(200, QByteArray("thanks"));
    qputenv("VASTREL_UPDATE_HOST", server.hostAndPort());

    Config config;
    QSignalSpy finished(config.findChild<HttpClient *>(), &HttpClient::requestFinished);
    auto *result = child<QLabel>(config, "sendresult");
    QStringList shownWhilePending;
    connect(&server, &FakeUpdateServer::requestReceived, this,
            [&] { shownWhilePending << result->text(); });
    for (int sent = 1; sent <= 2; ++sent) {
        child<QPushButton>(config, "sendfedbackb")->click();
        shownWhilePending << result->text();
        QTRY_COMPARE(finished.size(), 2 * sent);
        QCOMPARE(result->text(), QStringLiteral("Success!"));
    }
    QCOMPARE(shownWhilePending, QStringList(4, QString()));
}

// A pasted message longer than the form takes is cut to its longest length,
// the form counts down what is left, and the request stays that short.
void tst_Config::feedbackIsCapped()
{
    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(200, QByteArray("thanks"));
    qputenv("VASTREL_UPDATE_HOST", server.hostAndPort());

    Config config;
    auto *message = child<QPlainTextEdit>(config, "fedbackmsg");
    auto *left = child<QLabel>(config, "fedbackleft");
    QCOMPARE(left->text(), QStringLiteral("2000 characters left"));
    message->setFocus();
    QTest::keyClicks(message, QStringLiteral("hi"));
    QCOMPARE(left->text(), QStringLiteral("1998 characters left"));

    message->setPlainText(QString(200000, QLatin1Char('x')));
    QCOMPARE(message->toPlainText(), QString(2000, QLatin1Char('x')));
    QCOMPARE(left->text(), QStringLiteral("0 characters left"));
    QTest::keyClicks(message, QStringLiteral("yz"));
    QCOMPARE(message->toPlainText().size(), 2000);

    QSignalSpy finished(config.findChild<HttpClient *>(), &HttpClient::requestFinished);
    child<QPushButton>(config, "sendfedbackb")->click();
    QTRY_COMPARE(finished.size(), 2);
    const QString target = server.requests().value(0);
    QVERIFY2(target.size() < 2100, qPrintable(QString::number(target.size())));
    QCOMPARE(decoded(target.mid(target.indexOf('?') + 1), QStringLiteral("msg")).size(), 2000);
}

// What a server answers or an error says is shown as it is: markup neither
// formats the label nor loads a picture.
void tst_Config::outsideTextShownLiterally_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("answer"); // empty: the text is put in directly
    QTest::addColumn<QString>("text");
    const QString picture = QStringLiteral("<img src=\":/image/image/newback.png\">");
    const QString red = QStringLiteral("<b><font color=red>X</font></b>");
    QTest::newRow("update answer, picture")
        << "latestversion" << (picture + "##http://example.org/").toUtf8()
        << "Latest Version:" + picture;
    QTest::newRow("update answer, colour")
        << "latestversion" << (red + "##http://example.org/").toUtf8() << "Latest Version:" + red;
    QTest::newRow("feedback error") << "sendresult" << QByteArray() << picture;
    QTest::newRow("version") << "currentversion" << QByteArray() << red;
}

void tst_Config::outsideTextShownLiterally()
{
    QFETCH(QString, label);
    QFETCH(QByteArray, answer);
    QFETCH(QString, text);
    FakeUpdateServer server;
    QVERIFY(server.start());
    server.setAnswer(200, answer);
    qputenv("VASTREL_UPDATE_HOST", server.hostAndPort());

    Config config;
    auto *shown = child<QLabel>(config, label.toLatin1().constData());
    if (answer.isEmpty()) {
        shown->setText(text);
    } else {
        config.on_checkupdateb_clicked();
        QTRY_COMPARE(shown->text(), text);
    }
    // Drawn as plain text, the label is as wide as the characters and one
    // line high; as rich text it would be a short word or a 400-pixel picture.
    const QFontMetrics metrics(shown->font());
    QVERIFY(shown->sizeHint().width() >= metrics.horizontalAdvance(text));
    QVERIFY(shown->sizeHint().height() < 3 * metrics.height());
}

// Under a dark theme the help text's highlighted heading takes the theme's
// colours, whether the theme was there first or came later.
void tst_Config::helpReadableUnderADarkPalette_data()
{
    QTest::addColumn<bool>("before");
    QTest::newRow("dark at construction") << true;
    QTest::newRow("dark afterwards") << false;
}

void tst_Config::helpReadableUnderADarkPalette()
{
    QFETCH(bool, before);
    const QPalette original = QApplication::palette();
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(0x2a, 0x2a, 0x2e));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    if (before)
        QApplication::setPalette(dark);
    {
        Config config;
        if (!before)
            QApplication::setPalette(dark);
        auto *help = child<QTextBrowser>(config, "textBrowser");
        const QTextFragment scan = help->document()->begin().begin().fragment();
        QCOMPARE(scan.text(), QStringLiteral("SCAN"));
        const QColor text = scan.charFormat().foreground().color();
        const QColor base = help->palette().color(QPalette::Base);
        QVERIFY2(qAbs(text.lightnessF() - base.lightnessF()) >= 0.4, qPrintable(text.name()));
    }
    QApplication::setPalette(original);
}

// Every label, check box and button shows its whole text at the usual
// desktop font sizes.
void tst_Config::textFitsAtEveryFontSize_data()
{
    QTest::addColumn<int>("points");
    for (int points : {8, 10, 12})
        QTest::addRow("%d pt", points) << points;
}

void tst_Config::textFitsAtEveryFontSize()
{
    QFETCH(int, points);
    const QFont original = QApplication::font();
    QFont font = original;
    font.setPointSize(points);
    QApplication::setFont(font);
    {
        Config config;
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        auto *tabs = child<QTabWidget>(config, "configtab");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            for (QWidget *control : tabs->widget(tab)->findChildren<QWidget *>()) {
                if (!control->isVisible() ||
                    !(qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control)))
                    continue;
                QVERIFY2(control->width() >= control->sizeHint().width() &&
                             control->height() >= control->minimumSizeHint().height(),
                         qPrintable(control->objectName()));
            }
        }
    }
    QApplication::setFont(original);
}

// HOME and XDG_CONFIG_HOME point into a temporary directory before Qt starts,
// so no settings can reach the real home directory.
VASTREL_SANDBOXED_TEST_MAIN(tst_Config)

#include "tst_config.moc"

#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace testsupport {

// Takes the place of the desktop's URL handler for the given schemes while it
// lives, so nothing is really opened: QDesktopServices::openUrl and
// platform::openUrl hand every such URL to open(), which keeps it in urls.
// The handlers are removed again when it is destroyed.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    explicit UrlCatcher(const QStringList &schemes = {QStringLiteral("file")});
    ~UrlCatcher() override;

    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url);

private:
    const QStringList m_schemes;
};

} // namespace testsupport

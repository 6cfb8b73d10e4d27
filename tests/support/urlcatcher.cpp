#include "urlcatcher.h"

#include "platform/platform.h"

#include <QDesktopServices>

namespace testsupport {

UrlCatcher::UrlCatcher(const QStringList &schemes) : m_schemes(schemes)
{
    for (const QString &scheme : m_schemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
    // The program opens URLs through xdg-open where it is installed, which
    // would bypass the handlers: send them to Qt's URL handling instead.
    platform::setUrlOpenerForTests([](const QUrl &url) { return QDesktopServices::openUrl(url); });
}

UrlCatcher::~UrlCatcher()
{
    platform::setUrlOpenerForTests({});
    for (const QString &scheme : m_schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void UrlCatcher::open(const QUrl &url)
{
    urls << url;
}

} // namespace testsupport

#include "widgets/plaintext.h"

namespace plaintext {

QString toolTip(const QString &text)
{
    if (text.isEmpty())
        return {};
    // The <p> makes the tip rich text whatever the content, so the escaped
    // characters come out as themselves and nothing in the text is a tag.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() +
        QStringLiteral("</p>");
}

} // namespace plaintext

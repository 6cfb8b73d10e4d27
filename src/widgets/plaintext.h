#pragma once

#include <QString>

// Tool-tips guess rich text from their content, so a file name such as
// <img src="/dev/zero">.bin would be rendered as HTML. These build tool-tips
// that always show their text literally.
namespace plaintext {

// A tool-tip showing text exactly as it is: escaped inside an explicit rich
// text paragraph that keeps blanks and breaks long lines.
QString toolTip(const QString &text);

} // namespace plaintext

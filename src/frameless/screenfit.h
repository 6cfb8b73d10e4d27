#pragma once

#include <QRect>

class QWidget;

// Keeps a window that grows within the screen's available area (the screen
// without the task bar or panels): a window placed for its small first size
// would otherwise reach below the screen once it shows its results.
namespace screenfit {

// The window's rectangle moved, as little as it takes, into available; one
// larger than available is first cut to its size. An empty available area
// leaves the window as it is.
QRect fitted(const QRect &window, const QRect &available);

// Applies fitted() to a top-level window, its frame included, on the screen
// it is on.
void keepOnScreen(QWidget *window);

} // namespace screenfit

#pragma once

#include <QList>
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

// Where a window saved at saved goes on the screens there are now, given
// their available areas (primary first). It stays where it was when the
// grip of its title bar (its top titleHeight pixels) lies on one of them,
// shrunk to that screen's size if larger; otherwise it goes onto the primary
// screen, shrunk to fit: moved as little as it takes when it overlaps it,
// centred when it does not. No screens leaves it as it is.
QRect placedOnScreens(const QRect &saved, const QList<QRect> &screens, int titleHeight);

// Applies fitted() to a top-level window, its frame included, on the screen
// it is on.
void keepOnScreen(QWidget *window);

} // namespace screenfit

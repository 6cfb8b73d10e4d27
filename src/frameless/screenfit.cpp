#include "frameless/screenfit.h"

#include <QScreen>
#include <QWidget>

namespace screenfit {

QRect fitted(const QRect &window, const QRect &available)
{
    if (!available.isValid() || !window.isValid())
        return window;
    QRect result(window.topLeft(), window.size().boundedTo(available.size()));
    if (result.right() > available.right())
        result.moveRight(available.right());
    if (result.bottom() > available.bottom())
        result.moveBottom(available.bottom());
    if (result.left() < available.left())
        result.moveLeft(available.left());
    if (result.top() < available.top())
        result.moveTop(available.top());
    return result;
}

QRect placedOnScreens(const QRect &saved, const QList<QRect> &screens, int titleHeight)
{
    if (screens.isEmpty() || !saved.isValid())
        return saved;
    // Enough of the title bar to take hold of and drag.
    const QRect title(saved.topLeft(),
                      QSize(saved.width(), qBound(1, titleHeight, saved.height())));
    const int grip = qMin(title.width(), 64);
    for (const QRect &screen : screens) {
        const QRect onScreen = title.intersected(screen);
        if (onScreen.height() == title.height() && onScreen.width() >= grip)
            return QRect(saved.topLeft(), saved.size().boundedTo(screen.size()));
    }

    const QRect &primary = screens.first();
    QRect placed(saved.topLeft(), saved.size().boundedTo(primary.size()));
    if (!placed.intersects(primary))
        placed.moveCenter(primary.center());
    return fitted(placed, primary);
}

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen || !window->isWindow())
        return;
    const QRect frame = window->frameGeometry();
    const QRect target = fitted(frame, screen->availableGeometry());
    if (target == frame)
        return;
    // The frame's margins stay as they are; the client area follows.
    const QSize margins = frame.size() - window->size();
    window->resize(target.size() - margins);
    window->move(target.topLeft());
}

} // namespace screenfit

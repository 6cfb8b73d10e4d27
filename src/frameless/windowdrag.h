#pragma once

#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

// Drag-to-move for windows that draw their own chrome. The main window and the
// two frameless bases keep the drag state in their own fields and hand it here,
// so the rule exists once: a left press remembers where the window was grabbed,
// every move while grabbed puts that point back under the cursor, and a left
// release ends the drag. Other buttons change nothing.
namespace windowdrag {

void press(QWidget *window, const QMouseEvent *event, QPoint &dragPosition, bool &mousePressed);
void move(QWidget *window, const QMouseEvent *event, const QPoint &dragPosition, bool mousePressed);
void release(const QMouseEvent *event, bool &mousePressed);
// A left double click inside titleBar (window coordinates) maximises the
// window, or restores a maximised one.
void doubleClick(QWidget *window, const QMouseEvent *event, const QRect &titleBar);

} // namespace windowdrag

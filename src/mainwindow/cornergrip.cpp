#include "mainwindow/cornergrip.h"

#include <QEvent>

CornerGrip::CornerGrip(QWidget *parent) : QSizeGrip(parent)
{
    parent->installEventFilter(this);
}

bool CornerGrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        const QSize grip = sizeHint();
        setGeometry(QRect(QPoint(parentWidget()->width() - grip.width(),
                                 parentWidget()->height() - grip.height()),
                          grip));
        raise();
    }
    return QSizeGrip::eventFilter(watched, event);
}

#pragma once

#include <QSizeGrip>

// A size grip that keeps itself in the bottom-right corner of the widget it
// is made in, above its other children: a frameless window has no border to
// pull, so the grip resizes it.
class CornerGrip : public QSizeGrip
{
    Q_OBJECT

public:
    explicit CornerGrip(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

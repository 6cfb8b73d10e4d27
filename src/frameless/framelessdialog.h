#pragma once

#include <QDialog>
#include <QPoint>

// Base of the secondary dialogs: no native frame, modal, moved by dragging
// any uncovered part of it with the left mouse button.
class framelessdialog : public QDialog
{
    Q_OBJECT

public:
    explicit framelessdialog(QWidget *parent = nullptr);
    ~framelessdialog() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    QPoint dragPosition;
    bool mousePressed;
};

#pragma once

#include <QPoint>
#include <QWidget>

// Base of the secondary top-level windows: no native frame, application-modal,
// moved by dragging any uncovered part of it with the left mouse button.
class FramelessWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FramelessWindow(QWidget *parent = nullptr);
    ~FramelessWindow() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    QPoint dragPosition;
    bool mousePressed;
};

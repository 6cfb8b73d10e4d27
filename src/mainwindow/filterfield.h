#pragma once

#include <QLineEdit>

// The results' search field. Ctrl+F anywhere in the window puts the cursor in
// it with its text selected; Escape in it clears the text. Escape in an empty
// field goes on to the window, where it stops a running scan as elsewhere.
class FilterField : public QLineEdit
{
    Q_OBJECT

public:
    explicit FilterField(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

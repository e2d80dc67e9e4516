#pragma once

#include <QPlainTextEdit>

// The message area: shows the task text or the last verdict, which the
// player may select and copy but not edit.
//
// It never starts a drag of its text. A text drag begun as the pointer
// leaves the area keeps hold of the mouse, and the rest of the window stops
// answering until the area is clicked again.
class MessageArea : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MessageArea(QWidget *parent = nullptr);

    void showText(const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

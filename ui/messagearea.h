// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// The message area: shows the task text or the last verdict, which the
// player may select and copy (Ctrl+A, Ctrl+C) but not edit.
//
// Nothing done there spoils a later verdict or the next click: it never
// starts a drag of its text (a text drag begun as the pointer leaves the
// area keeps hold of the mouse, and the rest of the window stops answering
// until the area is clicked again), Ctrl with the wheel scrolls instead of
// zooming, and it has no context menu, which would take the next click.
//
// A screen reader that starts while the area has the focus is told, when
// the focus leaves it, that the area lost it: otherwise it may go on taking
// the area for the focus, and speak and show the next verdict's text as
// the pupil's place before the verdict itself.
class MessageArea : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MessageArea(QWidget *parent = nullptr);

    void showText(const QString &text);

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};

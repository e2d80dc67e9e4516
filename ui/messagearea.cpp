// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagearea.h"

#include "texts.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QScrollBar>

MessageArea::MessageArea(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

// The form breaks lines with CR LF; the area shows them as plain breaks.
void MessageArea::showText(const QString &text)
{
    setPlainText(withPlainLineBreaks(text));
}

// The area has the focus when the window opens, before a screen reader
// started later listens; it would never hear that the area lost it, as
// Qt tells a loss of focus only to follow a gain it has told. Telling the
// focus here, as it leaves, makes sure it is told. (A screen reader that
// followed the focus to the area hears nothing new.)
void MessageArea::focusOutEvent(QFocusEvent *event)
{
    if (QAccessible::isActive() && event->reason() != Qt::ActiveWindowFocusReason
        && event->reason() != Qt::PopupFocusReason) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    QPlainTextEdit::focusOutEvent(event);
}

// A press inside the selection is where a text drag would begin: make it
// an ordinary press that starts a new selection instead.
void MessageArea::mousePressEvent(QMouseEvent *event)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection() && event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier)) {
        const int at = cursorForPosition(event->position().toPoint()).position();
        if (at >= cursor.selectionStart() && at <= cursor.selectionEnd()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
    QPlainTextEdit::mousePressEvent(event);
}

// A read-only text zooms with Ctrl and the wheel; this one only scrolls.
void MessageArea::wheelEvent(QWheelEvent *event)
{
    QAbstractScrollArea::wheelEvent(event);
}

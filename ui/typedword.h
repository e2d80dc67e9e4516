// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// A word typed into a list: each letter moves the frame at once, and the
// word chooses one item when typing pauses, the one it framed last.
//
// It searches as a list does: a word's first letter looks from the item
// after the frame, every further letter from the frame itself, and both
// wrap round at the end; a letter typed again and again ("н", "нн", ...)
// goes on to the next item with that letter. Case does not matter.
class TypedWord : public QObject
{
    Q_OBJECT

public:
    explicit TypedWord(int pauseMs, QObject *parent = nullptr);

    // Types text (a letter, or a space inside a word) in a list of items
    // with the frame on row `frame` (-1: none). Returns the row to frame,
    // or -1 when no item starts with the word.
    int type(const QString &text, const QStringList &items, int frame);

    bool isPending() const { return m_pause.isActive(); }
    // The word ends now, as at a pause.
    void finish();
    // The word ends choosing nothing, as when the pupil moves the frame.
    void cancel();

signals:
    // Typing paused; the word framed this row last.
    void ended(int row);

private:
    QString m_word;
    int m_found = -1;
    QTimer m_pause;
};

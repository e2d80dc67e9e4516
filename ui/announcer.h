// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QAbstractItemView;
class QLabel;
struct Judgment;

// All a screen reader hears beyond the widgets' own news, decided in one
// place for every platform:
// - where the frame is, when the pupil enters a list or moves its frame:
//   the framed item with its place, after the list's own news;
// - each verdict with the tally it raised; the item that slid into the
//   frame is not spoken until the pupil's next move;
// - a new deal, in one sentence, as the window shows it only by full lists
//   and empty tallies.
// The keyboard focus stays in the list the pupil is playing in.
//
// Verdicts and the new deal go out as the platform's screen readers expect
// such news: on Windows as an announcement, which UI Automation raises as
// a notification; elsewhere as a notification that appears,
// which is what this widget is, taking no room and no focus, shown anew for
// each news with the news as its text, which a screen reader speaks and
// flashes on a braille display.
//
// A braille display (on Linux) shows where the pupil is, also where speech
// says nothing: after a verdict the entry that is now framed, once the
// verdict's flash is over, and on entering a list the list with its heading
// and framed entry.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void frameMoved(QAbstractItemView *list);
    void judged(const Judgment &judgment);
    void restarted(int states, int capitals);

    // The last news, as a screen reader is told it, line by line.
    QString news() const { return m_news; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tellWhereTheFrameIs();
    void announce();
    void showOnBraille(QAbstractItemView *list, int row) const;

    QPointer<QAbstractItemView> m_framedList;
    QTimer m_frameNews;           // after the news of the moment, such as entering the list
    bool m_entered = false;       // the frame's next news is the first in the list
    QString m_news;
    bool m_judged = false;        // the news is a verdict: the frame has moved unsaid
    QTimer m_pending;             // after the focus moves that a judgment causes
    QLabel *m_text;               // the news, as the notification shows it
    bool m_lastInputMoved = false;  // the last key moved a frame, or the mouse was pressed
};

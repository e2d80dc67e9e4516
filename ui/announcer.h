#pragma once

#include <QTimer>
#include <QWidget>

class Marvendo;

// Tells a screen reader what the window shows but no focus reaches: each
// verdict with the tally it raised, and a new deal. The keyboard focus stays
// in the list the pupil is playing in. (Where the frame is, and what is
// chosen, the lists tell themselves.)
//
// On Linux a screen reader speaks a notification that appears: this widget
// is that notification, taking no room and no focus, named after the news
// and shown anew for each. Windows' UI Automation speaks a value change of
// text as a notification instead.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    Announcer(Marvendo &form, QWidget *parent);

    // The news as a screen reader is told it, line by line.
    QString news() const { return m_news; }

private:
    void verdict(bool right);
    void newDeal();
    void announce();

    Marvendo &m_form;
    QString m_news;
    QTimer m_pending;  // after the focus moves that a judgment causes
};

#pragma once

#include <QTimer>
#include <QWidget>

class TextBox;

// Tells a screen reader each verdict as it appears, while the keyboard focus
// stays in the list the pupil is playing in.
//
// A screen reader does not speak a text change in the message area, which
// has no focus then; it does speak a notification that appears. This widget
// is that notification: it takes no room and no focus, is named after the
// verdict and is shown anew for each one.
class VerdictAnnouncer : public QWidget
{
    Q_OBJECT

public:
    VerdictAnnouncer(TextBox &message, QWidget *parent);

private:
    void announce();

    TextBox &m_message;
    QTimer m_pending;  // a verdict is written in steps: announce the last one
};

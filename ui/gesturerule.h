#pragma once

#include <QPoint>
#include <QtGlobal>

// Which of the player's presses may choose an item.
//
// A gesture chooses at most once. For the mouse a gesture is a burst: a run
// of left presses, each within the double-click time and distance of the
// one before it anywhere in the window; moving with the button down and
// releasing it never choose. For the keyboard it is a key held down with its
// autorepeat. Once a gesture's choice has judged a pair, the rest of it
// chooses nothing: the item that moved up under the pointer or the frame was
// never aimed at. Every other press chooses.
class GestureRule
{
public:
    struct Limits
    {
        int doubleClickMs;
        int doubleClickDistance;
    };

    explicit GestureRule(Limits limits) : m_limits(limits) {}

    // A left press anywhere in the window, in screen pixels, at a time in
    // milliseconds. The same press delivered again is noticed once.
    void press(QPoint at, quint64 time);
    void keyPress(int key, bool autoRepeat);
    void keyRelease(int key, bool autoRepeat);
    // A choice made by no press, such as the end of a typed word.
    void choiceByPause();
    // The choice of the input being handled has just judged a pair.
    void judged();
    // The list lost the keyboard focus or the window was hidden: every
    // gesture ends.
    void reset();

    bool pressMayChoose() const { return !m_burstJudged; }
    bool keyMayChoose() const { return !m_keyJudged; }

private:
    enum class Input { None, Mouse, Key };

    bool continuesBurst(QPoint at, quint64 time) const;

    Limits m_limits;
    Input m_handling = Input::None;
    bool m_hasPress = false;
    QPoint m_lastPressAt;
    quint64 m_lastPressTime = 0;
    bool m_burstJudged = false;
    int m_key = 0;
    bool m_keyJudged = false;
};

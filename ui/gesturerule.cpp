#include "gesturerule.h"

bool GestureRule::continuesBurst(QPoint at, quint64 time) const
{
    return m_hasPress && time >= m_lastPressTime && time - m_lastPressTime <= quint64(m_limits.doubleClickMs)
           && (at - m_lastPressAt).manhattanLength() <= m_limits.doubleClickDistance;
}

void GestureRule::press(QPoint at, quint64 time)
{
    m_handling = Input::Mouse;
    if (m_hasPress && at == m_lastPressAt && time == m_lastPressTime)
        return;
    if (!continuesBurst(at, time))
        m_burstJudged = false;
    m_hasPress = true;
    m_lastPressAt = at;
    m_lastPressTime = time;
}

void GestureRule::keyPress(int key, bool autoRepeat)
{
    m_handling = Input::Key;
    if (!autoRepeat || key != m_key) {
        m_key = key;
        m_keyJudged = false;
    }
}

void GestureRule::keyRelease(int key, bool autoRepeat)
{
    if (!autoRepeat && key == m_key)
        m_keyJudged = false;
}

void GestureRule::choiceByPause()
{
    m_handling = Input::None;
}

void GestureRule::judged()
{
    if (m_handling == Input::Mouse)
        m_burstJudged = true;
    else if (m_handling == Input::Key)
        m_keyJudged = true;
}

void GestureRule::reset()
{
    m_handling = Input::None;
    m_hasPress = false;
    m_burstJudged = false;
    m_keyJudged = false;
}

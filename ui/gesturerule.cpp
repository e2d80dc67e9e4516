// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gesturerule.h"

bool GestureRule::continuesBurst(QPoint at, quint64 time) const
{
    return m_burst && time >= m_burst->lastTime && time - m_burst->lastTime <= quint64(m_limits.doubleClickMs)
           && (at - m_burst->lastAt).manhattanLength() <= m_limits.doubleClickDistance;
}

void GestureRule::press(QPoint at, quint64 time)
{
    m_last = Input::Press;
    if (continuesBurst(at, time)) {
        m_burst->lastAt = at;
        m_burst->lastTime = time;
    } else {
        m_burst = Burst{at, time};
    }
}

void GestureRule::keyPress(int key, bool autoRepeat)
{
    m_last = Input::Key;
    if (!autoRepeat || !m_heldKey || m_heldKey->key != key)
        m_heldKey = HeldKey{key};
}

void GestureRule::keyRelease(int key, bool autoRepeat)
{
    if (!autoRepeat && m_heldKey && m_heldKey->key == key)
        m_heldKey.reset();
}

void GestureRule::judged()
{
    if (m_last == Input::Press && m_burst)
        m_burst->judged = true;
    else if (m_last == Input::Key && m_heldKey)
        m_heldKey->judged = true;
}

void GestureRule::reset()
{
    m_last = Input::None;
    m_burst.reset();
    m_heldKey.reset();
}

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

// A press of the key held down, marked or not, is its repeat; so is one at
// the time of the key's release.
void GestureRule::keyPress(int key, bool autoRepeat, quint64 time)
{
    m_last = Input::Key;
    const bool repeats = m_heldKey && m_heldKey->key == key
                         && (autoRepeat || !m_heldKey->releasedAt || (time != 0 && m_heldKey->releasedAt == time));
    if (repeats)
        m_heldKey->releasedAt.reset();
    else
        m_heldKey = HeldKey{key, false, {}};
}

// A release ends the held key unless a press of it follows at the same time.
void GestureRule::keyRelease(int key, bool autoRepeat, quint64 time)
{
    if (!autoRepeat && m_heldKey && m_heldKey->key == key)
        m_heldKey->releasedAt = time;
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

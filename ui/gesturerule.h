// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QtGlobal>

#include <optional>
#include <utility>

// Which of the player's presses and keys may choose an item.
//
// A gesture chooses at most once. For the mouse a gesture is a burst: a run
// of left presses, each within the double-click time and distance of the
// one before it anywhere in the window; moving with the button down and
// releasing it never choose. For the keyboard it is a key held down with its
// autorepeat, marked as such or not: presses of the key with no release
// between them, or a release and a press of it at one time, as an X server
// tells a repeat, which a busy program may read unmarked. Once a gesture's
// choice has judged a pair, the rest of it
// chooses nothing: the item that moved up under the pointer or the frame was
// never aimed at. Every other press and key chooses.
class GestureRule
{
    // The input whose choice a judgment comes from: the last press or key.
    enum class Input { None, Press, Key };

public:
    struct Limits
    {
        int doubleClickMs;
        int doubleClickDistance;
    };

    explicit GestureRule(Limits limits) : m_limits(limits) {}

    // Each left press anywhere in the window, once, in screen pixels, at its
    // time in milliseconds.
    void press(QPoint at, quint64 time);
    // Each key press in a list and each key release in the window, once,
    // at its time in milliseconds (0: not known).
    void keyPress(int key, bool autoRepeat, quint64 time);
    void keyRelease(int key, bool autoRepeat, quint64 time);
    // A pair has been judged: the gesture of the last press or key chooses
    // no more.
    void judged();
    // The keyboard focus left the list, or the window was hidden: every
    // gesture ends.
    void reset();

    bool pressMayChoose() const { return !m_burst || !m_burst->judged; }
    bool keyMayChoose() const { return !m_heldKey || m_heldKey->releasedAt || !m_heldKey->judged; }

    // While one lives, a choice is made by no press or key, as when a typed
    // word ends: a judgment then ends no gesture, and the gestures going on
    // are left as they were.
    class Pause
    {
    public:
        explicit Pause(GestureRule &rule) : m_rule(rule), m_was(std::exchange(rule.m_last, Input::None)) {}
        ~Pause() { m_rule.m_last = m_was; }
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        GestureRule &m_rule;
        Input m_was;
    };

private:
    struct Burst
    {
        QPoint lastAt;
        quint64 lastTime;
        bool judged = false;
    };
    struct HeldKey
    {
        int key;
        bool judged = false;
        std::optional<quint64> releasedAt;  // none while down; a press at this time is its repeat
    };

    bool continuesBurst(QPoint at, quint64 time) const;

    Limits m_limits;
    std::optional<Burst> m_burst;
    std::optional<HeldKey> m_heldKey;
    Input m_last = Input::None;
};

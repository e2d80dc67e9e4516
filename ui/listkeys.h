// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>

// What a key does in a list of choices. The list has one column, so Left
// and Right move as Up and Down do.
namespace ListKeys {

enum class Action {
    Other,         // not the list's: Tab, Return, shortcuts
    Choose,        // move the frame, then choose the item framed
    Look,          // move the frame only (with Ctrl)
    ChooseFramed,  // Space: choose the item framed
    Type,          // a letter of a word
};

enum class Move { None, Up, Down, Home, End, PageUp, PageDown };

struct Meaning
{
    Action action = Action::Other;
    Move move = Move::None;
};

Meaning meaning(int key, Qt::KeyboardModifiers modifiers, const QString &text);

} // namespace ListKeys

// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listkeys.h"

#include <algorithm>

namespace ListKeys {

namespace {

Move moveOf(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return Move::Up;
    case Qt::Key_Down:
    case Qt::Key_Right:
        return Move::Down;
    case Qt::Key_Home: return Move::Home;
    case Qt::Key_End: return Move::End;
    case Qt::Key_PageUp: return Move::PageUp;
    case Qt::Key_PageDown: return Move::PageDown;
    default: return Move::None;
    }
}

} // namespace

Meaning meaning(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (const Move move = moveOf(key); move != Move::None)
        return {ctrl ? Action::Look : Action::Choose, move};
    if (key == Qt::Key_Space || key == Qt::Key_Select)
        return {Action::ChooseFramed};
    const bool shortcut = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool printable = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
    if (!text.isEmpty() && printable && !shortcut)
        return {Action::Type};
    return {};
}

} // namespace ListKeys

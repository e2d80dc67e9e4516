// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listkeys.h"
#include "typedword.h"

#include <QListView>

class GestureRule;

// A list the player chooses one item from, as in a classic list box: it
// turns the pupil's presses and keys into choices, as the gesture rule
// allows, and nothing more.
//
// Only a left press chooses, the item under it; moving with the button
// down and releasing it never choose, and a quick second press is a press
// like any other. A movement key moves the frame and chooses the item it
// reaches (at the top or the bottom, the item framed); with Ctrl it moves
// the frame only, and Space chooses the framed item. Letters make a typed
// word, which chooses when typing pauses or the list is left. A choice can
// be moved but never cleared by the player.
class ChoiceListView : public QListView
{
    Q_OBJECT

public:
    ChoiceListView(GestureRule &rule, QWidget *parent = nullptr);

    // Letters make a typed word; the list's own search is not used.
    void keyboardSearch(const QString &) override {}

signals:
    // The frame has moved while the list has the keyboard focus, or the
    // list has just been entered.
    void frameMoved();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void moveFrame(ListKeys::Move move, bool choose);
    void chooseByKey(const QModelIndex &item);
    void type(const QString &text);
    void chooseWordEnd(int row);

    GestureRule &m_rule;
    TypedWord m_word;
};

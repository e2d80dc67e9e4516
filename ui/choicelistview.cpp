// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choicelistview.h"

#include "gesturerule.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

ChoiceListView::ChoiceListView(GestureRule &rule, QWidget *parent)
    : QListView(parent), m_rule(rule), m_word(QApplication::keyboardInputInterval(), this)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    // No context menu, not even the scroll bar's: it would take the next press.
    setContextMenuPolicy(Qt::NoContextMenu);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    connect(&m_word, &TypedWord::ended, this, &ChoiceListView::chooseWordEnd);
}

// How a press changes the choice, when the list's own press handling asks:
// a left press chooses as the gesture rule allows; nothing else ever does,
// never a deselection, and no second Click for the item already chosen.
QItemSelectionModel::SelectionFlags ChoiceListView::selectionCommand(const QModelIndex &index,
                                                                     const QEvent *event) const
{
    const bool leftPress = event && event->type() == QEvent::MouseButtonPress
                           && static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (!leftPress || !index.isValid() || !m_rule.pressMayChoose() || selectionModel()->isSelected(index))
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

void ChoiceListView::keyPressEvent(QKeyEvent *event)
{
    using ListKeys::Action;
    m_rule.keyPress(event->key(), event->isAutoRepeat(), event->timestamp());
    const ListKeys::Meaning meaning = ListKeys::meaning(event->key(), event->modifiers(), event->text());
    switch (meaning.action) {
    case Action::Choose:
    case Action::Look:
        m_word.cancel();  // the pupil moved on from the word
        moveFrame(meaning.move, meaning.action == Action::Choose);
        break;
    case Action::ChooseFramed:
        if (m_word.isPending())
            type(QStringLiteral(" "));  // a space inside a word
        else
            chooseByKey(currentIndex());
        break;
    case Action::Type:
        type(event->text());
        break;
    case Action::Other:
        QListView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ChoiceListView::keyReleaseEvent(QKeyEvent *event)
{
    m_rule.keyRelease(event->key(), event->isAutoRepeat(), event->timestamp());
    QListView::keyReleaseEvent(event);
}

// At the top or the bottom the frame cannot move; like a classic list box,
// the key then chooses the item framed.
void ChoiceListView::moveFrame(ListKeys::Move move, bool choose)
{
    using ListKeys::Move;
    CursorAction action = MoveDown;
    switch (move) {
    case Move::Up: action = MoveUp; break;
    case Move::Down: action = MoveDown; break;
    case Move::Home: action = MoveHome; break;
    case Move::End: action = MoveEnd; break;
    case Move::PageUp: action = MovePageUp; break;
    case Move::PageDown: action = MovePageDown; break;
    case Move::None: return;
    }
    const QModelIndex next = moveCursor(action, Qt::NoModifier);
    if (!next.isValid())
        return;
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    if (choose)
        chooseByKey(next);
}

void ChoiceListView::chooseByKey(const QModelIndex &item)
{
    if (item.isValid() && m_rule.keyMayChoose() && !selectionModel()->isSelected(item))
        selectionModel()->select(item, QItemSelectionModel::ClearAndSelect);
}

void ChoiceListView::type(const QString &text)
{
    QStringList items;
    for (int row = 0; row < model()->rowCount(); ++row)
        items << model()->index(row, 0).data().toString();
    const int row = m_word.type(text, items, currentIndex().row());
    if (row >= 0)
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

// The word chooses the item it framed, if the frame is still there.
void ChoiceListView::chooseWordEnd(int row)
{
    const QModelIndex item = model()->index(row, 0);
    if (item != currentIndex() || selectionModel()->isSelected(item))
        return;
    const GestureRule::Pause pause(m_rule);
    selectionModel()->select(item, QItemSelectionModel::ClearAndSelect);
}

void ChoiceListView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_word.cancel();
    QListView::mousePressEvent(event);
}

// Dragging to an edge scrolls the list until the button is released.
void ChoiceListView::mouseReleaseEvent(QMouseEvent *event)
{
    stopAutoScroll();
    event->accept();
    if (event->button() == Qt::LeftButton)
        QListView::mouseReleaseEvent(event);
}

// The window system may call any quick second press a double click, also
// when the first one missed every item. It is a press like any other.
void ChoiceListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers(), event->pointingDevice());
    press.setTimestamp(event->timestamp());
    mousePressEvent(&press);
    event->setAccepted(press.isAccepted());
}

void ChoiceListView::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    emit frameMoved();
}

// Leaving the list ends every gesture, and the word. (A press that takes
// the focus elsewhere is the gesture rule's already, and starts its own.)
void ChoiceListView::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::MouseFocusReason)
        m_rule.reset();
    m_word.finish();
    QListView::focusOutEvent(event);
}

void ChoiceListView::hideEvent(QHideEvent *event)
{
    m_rule.reset();
    QListView::hideEvent(event);
}

// The frame's news is the announcer's to tell (the list's own would come
// at once, also where a judgment moved the frame).
void ChoiceListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (hasFocus())
        emit frameMoved();
}

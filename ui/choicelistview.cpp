#include "choicelistview.h"

#include <QKeyEvent>
#include <QMouseEvent>

ChoiceListView::ChoiceListView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
}

QItemSelectionModel::SelectionFlags ChoiceListView::selectionCommand(const QModelIndex &index,
                                                                     const QEvent *) const
{
    // Never a deselection, and no second Click for the item already chosen.
    if (!index.isValid() || selectionModel()->isSelected(index))
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

void ChoiceListView::keyPressEvent(QKeyEvent *event)
{
    if (moveFocusFrame(event))
        return;
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        selectFramedItem();
        event->accept();
        return;
    }
    const QPersistentModelIndex framed = currentIndex();
    const int changes = m_selectionChanges;
    QListView::keyPressEvent(event);
    // At the top or the bottom a movement key cannot move the frame; like a
    // classic list box, it then chooses the framed item if nothing is chosen.
    if (isMovementKey(event) && changes == m_selectionChanges && framed.isValid() && framed == currentIndex())
        selectFramedItem();
}

bool ChoiceListView::isMovementKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

void ChoiceListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    ++m_selectionChanges;
    QListView::selectionChanged(selected, deselected);
}

bool ChoiceListView::moveFocusFrame(QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    CursorAction action;
    switch (event->key()) {
    case Qt::Key_Up: action = MoveUp; break;
    case Qt::Key_Down: action = MoveDown; break;
    case Qt::Key_Home: action = MoveHome; break;
    case Qt::Key_End: action = MoveEnd; break;
    case Qt::Key_PageUp: action = MovePageUp; break;
    case Qt::Key_PageDown: action = MovePageDown; break;
    default: return false;
    }
    const QModelIndex next = moveCursor(action, Qt::NoModifier);
    if (next.isValid())
        selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    event->accept();
    return true;
}

void ChoiceListView::selectFramedItem()
{
    const QModelIndex framed = currentIndex();
    const auto command = selectionCommand(framed);
    if (command != QItemSelectionModel::NoUpdate)
        selectionModel()->select(framed, command);
}

void ChoiceListView::mousePressEvent(QMouseEvent *event)
{
    const QPersistentModelIndex pressed = indexAt(event->position().toPoint());
    const bool onItem = pressed.isValid();
    QListView::mousePressEvent(event);
    m_pressTookItem = onItem && !pressed.isValid();
}

void ChoiceListView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressTookItem && (event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QListView::mouseMoveEvent(event);
}

// The second press of a double click arrives as this event alone. It adds
// nothing: the first press already chose, and the item under the pointer may
// since have changed.
void ChoiceListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

#include "choicelistview.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleHints>
#include <QToolTip>

ChoiceListView::ChoiceListView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    // No context menu, not even the scroll bar's.
    setContextMenuPolicy(Qt::NoContextMenu);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

QItemSelectionModel::SelectionFlags ChoiceListView::selectionCommand(const QModelIndex &index,
                                                                     const QEvent *) const
{
    // Never a deselection, no second Click for the item already chosen, and
    // nothing for the rest of a gesture that has judged.
    if (!index.isValid() || selectionModel()->isSelected(index) || (m_buttonDown && m_judgedInBurst))
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect;
}

void ChoiceListView::keyPressEvent(QKeyEvent *event)
{
    // One column: Left and Right move as Up and Down do.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        QKeyEvent vertical(event->type(), event->key() == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           event->modifiers(), event->text(), event->isAutoRepeat(), event->count());
        keyPressEvent(&vertical);
        event->setAccepted(vertical.isAccepted());
        return;
    }
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

bool ChoiceListView::continuesBurst(const QMouseEvent *event)
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    const QPoint at = event->position().toPoint();
    const quint64 time = event->timestamp();
    const bool continues = time >= m_lastPressTime
                           && time - m_lastPressTime <= quint64(hints->mouseDoubleClickInterval())
                           && (at - m_lastPressAt).manhattanLength() <= hints->mouseDoubleClickDistance();
    m_lastPressAt = at;
    m_lastPressTime = time;
    return continues;
}

// Only the left button chooses, as in a classic list box.
void ChoiceListView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_ignoringPress = continuesBurst(event) && m_judgedInBurst;
    if (m_ignoringPress)
        return;
    m_judgedInBurst = false;
    m_buttonDown = true;
    QListView::mousePressEvent(event);
}

void ChoiceListView::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && (m_ignoringPress || m_judgedInBurst)) {
        event->accept();
        return;
    }
    QListView::mouseMoveEvent(event);
}

void ChoiceListView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_ignoringPress)
        QListView::mouseReleaseEvent(event);
    m_ignoringPress = false;
    m_buttonDown = false;
}

// The second press of a double click arrives as this event alone. It adds
// nothing: the first press already chose, and the item under the pointer may
// since have changed. It still counts towards its burst.
void ChoiceListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton) {
        continuesBurst(event);
        m_ignoringPress = true;
    }
}

void ChoiceListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (m_buttonDown)
        m_judgedInBurst = true;
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

// Only the list that has the keyboard focus tells a screen reader where its
// focus frame went; a judgment moves the frame of the other list too.
void ChoiceListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus())
        QListView::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

bool ChoiceListView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return showToolTip(event);
    return QListView::viewportEvent(event);
}

// An item too wide for the list shows its whole text in a tooltip.
bool ChoiceListView::showToolTip(QEvent *event)
{
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QRect rect = visualRect(index);
    const QString text = index.data().toString();
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    if (!index.isValid() || fontMetrics().horizontalAdvance(text) + 2 * margin <= rect.width())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport(), rect);
    return true;
}

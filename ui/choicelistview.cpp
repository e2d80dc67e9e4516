#include "choicelistview.h"

#include "gesturerule.h"
#include "listaccessible.h"
#include "wholetextdelegate.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

ChoiceListView::ChoiceListView(GestureRule &rule, QWidget *parent) : QListView(parent), m_rule(rule)
{
    static const bool described = (QAccessible::installFactory(ListAccessible::describe), true);
    Q_UNUSED(described);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new WholeTextDelegate(this));
    // The items are as wide as the last one, which changes as items go; with
    // no sideways scroll bar the items are as wide as the list.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No context menu, not even the scroll bar's.
    setContextMenuPolicy(Qt::NoContextMenu);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);

    m_wordPause.setSingleShot(true);
    connect(&m_wordPause, &QTimer::timeout, this, &ChoiceListView::chooseTypedWord);
    m_frameNews.setSingleShot(true);
    m_frameNews.setInterval(0);
    connect(&m_frameNews, &QTimer::timeout, this, &ChoiceListView::tellWhereTheFrameIs);
}

// A left press or a key chooses, as the gesture rule allows; moves and
// releases never do. Never a deselection, and no second Click for the item
// already chosen.
QItemSelectionModel::SelectionFlags ChoiceListView::selectionCommand(const QModelIndex &index,
                                                                     const QEvent *event) const
{
    if (!index.isValid() || !event || m_typing || selectionModel()->isSelected(index))
        return QItemSelectionModel::NoUpdate;
    bool chooses = false;
    if (event->type() == QEvent::MouseButtonPress)
        chooses = static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton && m_rule.pressMayChoose();
    else if (event->type() == QEvent::KeyPress)
        chooses = m_rule.keyMayChoose();
    return chooses ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

void ChoiceListView::keyPressEvent(QKeyEvent *event)
{
    m_judgedInThisInput = false;
    m_rule.keyPress(event->key(), event->isAutoRepeat());
    handleKey(event);
}

void ChoiceListView::keyReleaseEvent(QKeyEvent *event)
{
    m_rule.keyRelease(event->key(), event->isAutoRepeat());
    QListView::keyReleaseEvent(event);
}

void ChoiceListView::handleKey(QKeyEvent *event)
{
    // One column: Left and Right move as Up and Down do.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        QKeyEvent vertical(event->type(), event->key() == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           event->modifiers(), event->text(), event->isAutoRepeat(), event->count());
        handleKey(&vertical);
        event->setAccepted(vertical.isAccepted());
        return;
    }
    if (isMovementKey(event))
        m_wordPause.stop();  // the player moved on from the word
    if (moveFocusFrame(event))
        return;
    if (event->key() == Qt::Key_Space && m_wordPause.isActive()) {
        keyboardSearch(event->text());  // a space inside a typed word
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        chooseFramedItem(event);
        event->accept();
        return;
    }
    const QPersistentModelIndex framed = currentIndex();
    const int changes = m_selectionChanges;
    QListView::keyPressEvent(event);
    // At the top or the bottom a movement key cannot move the frame; like a
    // classic list box, it then chooses the framed item if nothing is chosen.
    if (isMovementKey(event) && changes == m_selectionChanges && framed.isValid() && framed == currentIndex())
        chooseFramedItem(event);
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

void ChoiceListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    ++m_selectionChanges;
    QListView::selectionChanged(selected, deselected);
}

void ChoiceListView::chooseFramedItem(const QEvent *event)
{
    const QModelIndex framed = currentIndex();
    const auto command = selectionCommand(framed, event);
    if (command != QItemSelectionModel::NoUpdate)
        selectionModel()->select(framed, command);
}

// Typing moves the frame at once, to the first item that starts with what
// was typed; the choice waits until typing pauses, so a word is one choice.
void ChoiceListView::keyboardSearch(const QString &search)
{
    // A new word after a pause, counted as the list's own search counts it.
    const bool newWord =
        !m_sinceLastLetter.isValid() || m_sinceLastLetter.elapsed() > QApplication::keyboardInputInterval();
    m_sinceLastLetter.start();
    if (newWord)
        m_word.clear();
    m_word += search;
    m_typing = true;
    QListView::keyboardSearch(search);
    m_typing = false;
    const QModelIndex framed = currentIndex();
    m_wordMatch = framed.data().toString().startsWith(m_word, Qt::CaseInsensitive) ? framed : QModelIndex();
    m_wordPause.start(QApplication::keyboardInputInterval());
}

void ChoiceListView::chooseTypedWord()
{
    m_wordPause.stop();
    const QModelIndex match = std::exchange(m_wordMatch, {});
    if (!match.isValid() || match != currentIndex() || selectionModel()->isSelected(match))
        return;
    m_rule.choiceByPause();
    selectionModel()->select(match, QItemSelectionModel::ClearAndSelect);
}

// Only the left button chooses, as in a classic list box.
void ChoiceListView::mousePressEvent(QMouseEvent *event)
{
    m_judgedInThisInput = false;
    event->accept();
    if (event->button() == Qt::LeftButton)
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
    m_judgedInThisInput = false;
    QListView::focusInEvent(event);
    m_frameNews.start();
}

void ChoiceListView::focusOutEvent(QFocusEvent *event)
{
    m_rule.reset();
    if (m_wordPause.isActive())
        chooseTypedWord();  // leaving ends the word
    QListView::focusOutEvent(event);
}

void ChoiceListView::hideEvent(QHideEvent *event)
{
    m_rule.reset();
    QListView::hideEvent(event);
}

// The frame's news waits until the events of the moment are out: entering
// the list, a screen reader first hears the list and then the framed item.
// After a judgment the frame's place is no news until the next input: the
// pupil hears the verdict, not the item that slid into the frame. (The
// frame's move of a key that judged is told only after the removal.)
void ChoiceListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (hasFocus() && !m_judgedInThisInput)
        m_frameNews.start();
}

// Only a judgment removes rows.
void ChoiceListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QListView::rowsAboutToBeRemoved(parent, start, end);
    m_judgedInThisInput = true;
    m_frameNews.stop();
}

// A new deal is shown from its first item, wherever the last one was left.
void ChoiceListView::reset()
{
    QListView::reset();
    stopAutoScroll();
    scrollToTop();
}

void ChoiceListView::tellWhereTheFrameIs()
{
    const QModelIndex framed = currentIndex();
    if (!hasFocus() || !framed.isValid() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(framed.row());
    QAccessible::updateAccessibility(&event);
}

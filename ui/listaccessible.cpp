// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listaccessible.h"

#include <QAbstractItemView>
#include <QAccessible>

#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionModel>
#include <QList>
#include <QPersistentModelIndex>
#include <QPointer>

namespace {

// One item, followed while the items above it come and go; gone with it.
// Its text can be read, not edited or selected; its caret stays at the
// start, and a screen reader is told it moved when the frame comes to the
// item unsaid (see Announcer).
class ItemDescription : public QAccessibleInterface,
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
                        public QAccessibleAttributesInterface,
#endif
                        public QAccessibleTextInterface
{
public:
    ItemDescription(QAbstractItemView *view, const QModelIndex &index) : m_view(view), m_index(index) {}

    bool isValid() const override { return m_view && m_index.isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text type) const override
    {
        return isValid() && type == QAccessible::Name ? m_index.data(Qt::AccessibleTextRole).toString() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        return m_view->visualRect(m_index).translated(m_view->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    // As Qt describes an item of a list: out of sight when scrolled away.
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        const QRect shown(m_view->viewport()->mapToGlobal(QPoint(0, 0)), m_view->viewport()->size());
        state.invisible = !shown.intersects(rect());
        state.selected = m_view->selectionModel()->isSelected(m_index);
        state.focused = m_view->selectionModel()->currentIndex() == m_index;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (type == QAccessible::AttributesInterface)
            return static_cast<QAccessibleAttributesInterface *>(this);
#endif
        return nullptr;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return entry().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(entry().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The place among all the items, counted from 1, as "posinset" and
    // "setsize" say it on the web.
    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override
    {
        if (key != QAccessible::Attribute::Custom || !isValid())
            return {};
        const QHash<QString, QString> place{
            {QStringLiteral("posinset"), QString::number(m_index.row() + 1)},
            {QStringLiteral("setsize"), QString::number(m_view->model()->rowCount())},
        };
        return QVariant::fromValue(place);
    }
#endif

private:
    QString entry() const { return text(QAccessible::Name); }

    QPointer<QAbstractItemView> m_view;
    QPersistentModelIndex m_index;
};

// The list with its items, one column of rows as Qt describes a list. A
// choice is made with the keys and the mouse the pupil uses, never by the
// screen reader: the selection can be read, not changed. Being a table, the
// list manages its items: a screen reader takes their news from the items
// themselves, not from the list's report that its selection changed, which
// can reach it after the pupil has moved on to the other list.
class ListDescription : public QAccessibleWidget,
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
                        public QAccessibleSelectionInterface,
#endif
                        public QAccessibleTableInterface
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
                      , public QAccessibleAttributesInterface
#endif
{
public:
    explicit ListDescription(QAbstractItemView *view) : QAccessibleWidget(view, QAccessible::List) {}

    ~ListDescription() override
    {
        for (const Item &item : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(item.id);
    }

    int childCount() const override { return model() ? model()->rowCount() : 0; }

    QAccessibleInterface *child(int row) const override
    {
        if (row < 0 || row >= childCount())
            return nullptr;
        forgetItemsGone();
        for (const Item &item : std::as_const(m_items))
            if (item.index.row() == row)
                return QAccessible::accessibleInterface(item.id);
        const QModelIndex index = model()->index(row, 0);
        auto *item = new ItemDescription(view(), index);
        m_items.append({index, QAccessible::registerAccessibleInterface(item)});
        return item;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
        for (const Item &item : std::as_const(m_items))
            if (item.id == id)
                return item.index.row();  // -1 once the item is gone
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        const QModelIndex current = view()->currentIndex();
        return current.isValid() ? child(current.row()) : nullptr;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
        if (type == QAccessible::SelectionInterface)
            return static_cast<QAccessibleSelectionInterface *>(this);
#endif
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (type == QAccessible::AttributesInterface)
            return static_cast<QAccessibleAttributesInterface *>(this);
#endif
        return QAccessibleWidget::interface_cast(type);
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The number of items, for a screen reader that counts them itself.
    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override
    {
        if (key != QAccessible::Attribute::Custom)
            return {};
        return QVariant::fromValue(QHash<QString, QString>{{QStringLiteral("setsize"), QString::number(childCount())}});
    }
#endif

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    int selectedItemCount() const override { return selectedCellCount(); }
    QList<QAccessibleInterface *> selectedItems() const override { return selectedCells(); }
    bool select(QAccessibleInterface *) override { return false; }
    bool unselect(QAccessibleInterface *) override { return false; }
    bool selectAll() override { return false; }
    bool clear() override { return false; }
#endif

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override { return column == 0 ? child(row) : nullptr; }
    int selectedCellCount() const override { return int(selected().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> items;
        for (const QModelIndex &index : selected())
            items << child(index.row());
        return items;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return selectedCellCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        for (const QModelIndex &index : selected())
            rows << index.row();
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { forgetItemsGone(); }

private:
    QAbstractItemView *view() const { return static_cast<QAbstractItemView *>(widget()); }
    QAbstractItemModel *model() const { return view()->model(); }
    QModelIndexList selected() const
    {
        return view()->selectionModel() ? view()->selectionModel()->selectedIndexes() : QModelIndexList();
    }

    // Items removed from the list, or dealt away, are described no more.
    void forgetItemsGone() const
    {
        m_items.removeIf([](const Item &item) {
            if (item.index.isValid())
                return false;
            QAccessible::deleteAccessibleInterface(item.id);
            return true;
        });
    }

    struct Item
    {
        QPersistentModelIndex index;  // follows the item as others come and go
        QAccessible::Id id;
    };
    mutable QList<Item> m_items;
};

} // namespace

QAccessibleInterface *ListAccessible::describe(const QString &className, QObject *object)
{
#if defined(Q_OS_WIN) && QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // UI Automation reads Qt's own description of a list; the list's label
    // and its items' text are for screen readers on Linux.
    Q_UNUSED(className);
    Q_UNUSED(object);
    return nullptr;
#else
    if (className == QLatin1String("ChoiceListView") && object->isWidgetType())
        return new ListDescription(static_cast<QAbstractItemView *>(object));
    return nullptr;
#endif
}


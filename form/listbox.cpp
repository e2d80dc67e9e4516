// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listbox.h"

#include <algorithm>

// Marks a change made by the program: selection changes during it are not
// the player's and raise no Click.
class ListBox::ProgramChange
{
public:
    explicit ProgramChange(ListBox &list) : m_list(list) { ++m_list.m_programChanges; }
    ~ProgramChange() { --m_list.m_programChanges; }
    ProgramChange(const ProgramChange &) = delete;
    ProgramChange &operator=(const ProgramChange &) = delete;

private:
    ListBox &m_list;
};

ListBox::ListBox(Order order, QObject *parent)
    : QAbstractListModel(parent), m_selection(this), m_sorted(order == Order::Sorted)
{
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) { selectionChanged(selected); });
}

QString ListBox::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return {};
    return m_items.at(index).text;
}

int ListBox::ListIndex() const
{
    const QItemSelection selection = m_selection.selection();
    if (selection.isEmpty())
        return -1;
    return selection.first().top();
}

void ListBox::AddItem(const QString &item)
{
    ProgramChange change(*this);
    Item entry{item, item.toLower()};
    const qsizetype row = m_sorted ? placeFor(entry.key) : m_items.size();
    beginInsertRows({}, int(row), int(row));
    m_items.insert(row, std::move(entry));
    endInsertRows();
}

// Compares the lower-cased texts by their character codes, never by the
// machine's locale, so every machine sorts the lists alike.
qsizetype ListBox::placeFor(const QString &key) const
{
    const auto place = std::upper_bound(m_items.cbegin(), m_items.cend(), key,
                                        [](const QString &k, const Item &item) { return k < item.key; });
    return place - m_items.cbegin();
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount())
        return;
    ProgramChange change(*this);
    beginRemoveRows({}, index, index);
    m_items.removeAt(index);
    endRemoveRows();
}

void ListBox::Clear()
{
    ProgramChange change(*this);
    beginResetModel();
    m_items.clear();
    endResetModel();  // the selection model forgets the selection with the items
}

void ListBox::setListIndex(int index)
{
    ProgramChange change(*this);
    if (index < 0 || index >= ListCount())
        m_selection.clearSelection();
    else
        m_selection.setCurrentIndex(this->index(index), QItemSelectionModel::ClearAndSelect);
}

void ListBox::choose(int index)
{
    if (index < 0 || index >= ListCount())
        return;
    m_selection.setCurrentIndex(this->index(index), QItemSelectionModel::ClearAndSelect);
}

int ListBox::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ListCount();
}

QVariant ListBox::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_items.at(index.row()).text;
    return {};
}

void ListBox::selectionChanged(const QItemSelection &selected)
{
    if (m_programChanges == 0 && !selected.isEmpty())
        emit Click();
}

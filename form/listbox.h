// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QList>
#include <QString>

// A single-selection list box: the items, the selection and the Click event.
//
// The list is an item model, and its selection model is the one the view
// shows, so the widget never holds a copy of its own. The program changes the
// list through AddItem, RemoveItem, Clear and setListIndex, none of which
// raises Click; the player's selection (choose, or a view sharing the
// selection model) raises Click once per change.
class ListBox : public QAbstractListModel
{
    Q_OBJECT

public:
    enum class Order { Unsorted, Sorted };

    explicit ListBox(Order order, QObject *parent = nullptr);

    bool Sorted() const { return m_sorted; }
    int ListCount() const { return int(m_items.size()); }
    QString List(int index) const;
    int ListIndex() const;

    void AddItem(const QString &item);
    void RemoveItem(int index);
    void Clear();

    void setListIndex(int index);
    void choose(int index);

    QItemSelectionModel *selectionModel() { return &m_selection; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    void Click();

private:
    struct Item
    {
        QString text;
        QString key;  // lower-cased text, the sort key of a sorted list
    };

    class ProgramChange;

    qsizetype placeFor(const QString &key) const;
    void selectionChanged(const QItemSelection &selected);

    QList<Item> m_items;
    QItemSelectionModel m_selection;
    const bool m_sorted;
    int m_programChanges = 0;
};

// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listbox.h"
#include "testhelpers.h"

#include <QSignalSpy>
#include <QTest>

class TestListBox : public QObject
{
    Q_OBJECT

private slots:
    void sortedListInsertsAtItsPlace_data();
    void sortedListInsertsAtItsPlace();
    void unsortedListAppends();
    void removingShiftsTheRest();
    void removingTheSelectedItemLeavesNoSelection();
    void removingAnotherItemKeepsTheSelectedText();
    void clearEmptiesAndDeselects();
    void programChangesRaiseNoClick();
    void playerChoiceRaisesOneClickPerChange();
    void outOfRangeIsHarmless();
    void viewSeesEveryChange();
};

void TestListBox::sortedListInsertsAtItsPlace_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Анаполис before Атланта")
        << QStringList{QStringLiteral("Атланта-Atlanta"), QStringLiteral("Анаполис-Annapolis")}
        << QStringList{QStringLiteral("Анаполис-Annapolis"), QStringLiteral("Атланта-Atlanta")};
    QTest::newRow("letter case is ignored")
        << QStringList{QStringLiteral("б"), QStringLiteral("А"), QStringLiteral("в"), QStringLiteral("Б2")}
        << QStringList{QStringLiteral("А"), QStringLiteral("б"), QStringLiteral("Б2"), QStringLiteral("в")};
    QTest::newRow("latin case is ignored")
        << QStringList{QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("C")}
        << QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("C")};
    QTest::newRow("space sorts before letters")
        << QStringList{QStringLiteral("Ню Йорк-New York"), QStringLiteral("Нюарк-Newark"),
                       QStringLiteral("Ню Джърси-New Jersey")}
        << QStringList{QStringLiteral("Ню Джърси-New Jersey"), QStringLiteral("Ню Йорк-New York"),
                       QStringLiteral("Нюарк-Newark")};
    QTest::newRow("Cyrillic by code, Ъ before Ю and Я")
        << QStringList{QStringLiteral("Я"), QStringLiteral("ъ"), QStringLiteral("Ю")}
        << QStringList{QStringLiteral("ъ"), QStringLiteral("Ю"), QStringLiteral("Я")};
}

void TestListBox::sortedListInsertsAtItsPlace()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    ListBox list(ListBox::Order::Sorted);
    for (const QString &item : added)
        list.AddItem(item);
    QCOMPARE(items(list), expected);
}

void TestListBox::unsortedListAppends()
{
    ListBox list(ListBox::Order::Unsorted);
    list.AddItem(QStringLiteral("Юта-Utah"));
    list.AddItem(QStringLiteral("Айдахо-Idaho"));
    QCOMPARE(items(list), (QStringList{QStringLiteral("Юта-Utah"), QStringLiteral("Айдахо-Idaho")}));
    QVERIFY(!list.Sorted());
}

void TestListBox::removingShiftsTheRest()
{
    ListBox list(ListBox::Order::Unsorted);
    for (const char *item : {"a", "b", "c", "d"})
        list.AddItem(QString::fromLatin1(item));
    list.RemoveItem(1);
    QCOMPARE(items(list), (QStringList{"a", "c", "d"}));
    list.RemoveItem(2);
    QCOMPARE(items(list), (QStringList{"a", "c"}));
    QCOMPARE(list.ListCount(), 2);
}

void TestListBox::removingTheSelectedItemLeavesNoSelection()
{
    ListBox list(ListBox::Order::Sorted);
    for (const char *item : {"a", "b", "c"})
        list.AddItem(QString::fromLatin1(item));
    list.choose(1);
    QCOMPARE(list.ListIndex(), 1);
    QSignalSpy clicks(&list, &ListBox::Click);
    list.RemoveItem(1);
    QCOMPARE(list.ListIndex(), -1);
    QVERIFY(!list.selectionModel()->hasSelection());
    QCOMPARE(clicks.count(), 0);
}

void TestListBox::removingAnotherItemKeepsTheSelectedText()
{
    ListBox list(ListBox::Order::Sorted);
    for (const char *item : {"a", "b", "c"})
        list.AddItem(QString::fromLatin1(item));
    list.choose(2);
    list.RemoveItem(0);
    QCOMPARE(list.ListIndex(), 1);
    QCOMPARE(list.List(list.ListIndex()), QStringLiteral("c"));
    list.AddItem(QStringLiteral("0"));
    QCOMPARE(list.List(list.ListIndex()), QStringLiteral("c"));
}

void TestListBox::clearEmptiesAndDeselects()
{
    ListBox list(ListBox::Order::Sorted);
    list.AddItem(QStringLiteral("x"));
    list.choose(0);
    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.ListIndex(), -1);
    list.AddItem(QStringLiteral("y"));
    QCOMPARE(list.ListIndex(), -1);
}

void TestListBox::programChangesRaiseNoClick()
{
    ListBox list(ListBox::Order::Sorted);
    QSignalSpy clicks(&list, &ListBox::Click);
    list.AddItem(QStringLiteral("b"));
    list.AddItem(QStringLiteral("a"));
    list.setListIndex(1);
    QCOMPARE(list.ListIndex(), 1);
    list.AddItem(QStringLiteral("0"));
    list.RemoveItem(0);
    list.RemoveItem(list.ListIndex());
    list.setListIndex(0);
    list.Clear();
    QCOMPARE(clicks.count(), 0);
}

void TestListBox::playerChoiceRaisesOneClickPerChange()
{
    ListBox list(ListBox::Order::Sorted);
    for (const char *item : {"a", "b", "c"})
        list.AddItem(QString::fromLatin1(item));
    QSignalSpy clicks(&list, &ListBox::Click);
    list.choose(0);
    QCOMPARE(clicks.count(), 1);
    list.choose(0);
    QCOMPARE(clicks.count(), 1);
    list.choose(2);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(list.ListIndex(), 2);
}

void TestListBox::outOfRangeIsHarmless()
{
    ListBox list(ListBox::Order::Sorted);
    list.AddItem(QStringLiteral("a"));
    QSignalSpy clicks(&list, &ListBox::Click);
    list.RemoveItem(5);
    list.RemoveItem(-1);
    list.choose(3);
    QCOMPARE(list.ListCount(), 1);
    QCOMPARE(list.List(1), QString());
    QCOMPARE(list.List(-1), QString());
    QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(clicks.count(), 0);
}

void TestListBox::viewSeesEveryChange()
{
    ListBox list(ListBox::Order::Sorted);
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    list.AddItem(QStringLiteral("b"));
    list.AddItem(QStringLiteral("a"));
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.last().at(1).toInt(), 0);
    QCOMPARE(list.data(list.index(0)).toString(), QStringLiteral("a"));
    list.RemoveItem(1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(list.rowCount(), 1);
}

QTEST_APPLESS_MAIN(TestListBox)
#include "tst_listbox.moc"

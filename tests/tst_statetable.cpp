// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statetable.h"
#include "texts.h"

#include <QCryptographicHash>
#include <QSet>
#include <QString>
#include <QTest>

namespace {

// Windows-1251 holds ASCII and the whole basic Cyrillic block; the table
// needs nothing else.
bool fitsWindows1251(const QString &s)
{
    for (QChar ch : s) {
        const char16_t c = ch.unicode();
        const bool ascii = c >= 0x20 && c < 0x7f;
        const bool cyrillic = c >= 0x0410 && c <= 0x044f;
        if (!ascii && !cyrillic)
            return false;
    }
    return true;
}

} // namespace

class TestStateTable : public QObject
{
    Q_OBJECT

private slots:
    void everyCellIsAsPublished();
    void firstAndLastRows();
    void statesAndCapitalsAreUnique();
    void everyCellIsOneItemText();
    void stateColumnIsInSortedOrder();
    void largestCitiesKeepTheirOwnSpelling();
};

// Any change to any cell, a letter, a space or the order of the rows, changes
// this fingerprint of the table as published: one row a line, tab between
// the cells, UTF-8.
void TestStateTable::everyCellIsAsPublished()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const StateRow &row : shippedStateTable()) {
        const std::string_view cells[] = {row.state, row.capital, row.largestCity};
        for (std::size_t i = 0; i < std::size(cells); ++i) {
            hash.addData(QByteArrayView(cells[i].data(), qsizetype(cells[i].size())));
            hash.addData(i + 1 < std::size(cells) ? "\t" : "\n");
        }
    }
    QCOMPARE(hash.result().toHex(), QByteArray("3a8f5f028bcd8db64ff58a1ef9454b844b3b108470e59b7c3faa83d4dc8837e6"));
}

void TestStateTable::firstAndLastRows()
{
    const StateTable table = shippedStateTable();
    QCOMPARE(table.size(), std::size_t(50));
    QCOMPARE(cellText(table.front().state), QStringLiteral("Айдахо-Idaho"));
    QCOMPARE(cellText(table.front().capital), QStringLiteral("Бойзи-Boise"));
    QCOMPARE(cellText(table.back().state), QStringLiteral("Юта-Utah"));
    QCOMPARE(cellText(table.back().capital), QStringLiteral("Солт Лейк Сити-Salt Lake City"));
    QCOMPARE(cellText(table[23].capital), QStringLiteral("Сейнт Пол-St. Paul"));
    QCOMPARE(cellText(table[31].largestCity), QStringLiteral("Ню Йорк-New York"));
}

void TestStateTable::statesAndCapitalsAreUnique()
{
    QSet<QString> states, capitals;
    for (const StateRow &row : shippedStateTable()) {
        states.insert(cellText(row.state));
        capitals.insert(cellText(row.capital));
    }
    QCOMPARE(states.size(), qsizetype(shippedStateTable().size()));
    QCOMPARE(capitals.size(), qsizetype(shippedStateTable().size()));
}

void TestStateTable::everyCellIsOneItemText()
{
    for (const StateRow &row : shippedStateTable()) {
        for (std::string_view cell : {row.state, row.capital, row.largestCity}) {
            const QString item = cellText(cell);
            QVERIFY2(item.count(u'-') == 1, qPrintable(item));
            QVERIFY2(!item.contains(QLatin1String(" -")) && !item.contains(QLatin1String("- ")),
                     qPrintable(item));
            QVERIFY2(item == item.trimmed(), qPrintable(item));
            QVERIFY2(fitsWindows1251(item), qPrintable(item));
            QVERIFY2(item.size() <= 31, qPrintable(item));
        }
    }
}

void TestStateTable::stateColumnIsInSortedOrder()
{
    const StateTable table = shippedStateTable();
    for (std::size_t k = 1; k < table.size(); ++k) {
        const QString before = cellText(table[k - 1].state).toLower();
        const QString after = cellText(table[k].state).toLower();
        QVERIFY2(before < after, qPrintable(before + QLatin1String(" / ") + after));
    }
}

void TestStateTable::largestCitiesKeepTheirOwnSpelling()
{
    const StateTable table = shippedStateTable();
    QCOMPARE(cellText(table[21].largestCity), QStringLiteral("Портланд-Portland"));
    QCOMPARE(cellText(table[35].largestCity), QStringLiteral("Портланд-Portland"));
    QCOMPARE(cellText(table[34].largestCity), QStringLiteral("Оклахома сити-Oklahoma City"));
    QCOMPARE(cellText(table[38].largestCity), QStringLiteral("Провиданс-Providence"));
    QCOMPARE(cellText(table[49].largestCity), QStringLiteral("Солт Лейк сити-Salt Lake City"));
    int capitalIsLargest = 0;
    for (const StateRow &row : table)
        capitalIsLargest += row.capital == row.largestCity;
    QCOMPARE(capitalIsLargest, 14);
}

QTEST_APPLESS_MAIN(TestStateTable)
#include "tst_statetable.moc"

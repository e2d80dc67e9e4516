// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typedword.h"

#include <QSignalSpy>
#include <QTest>

class TestTypedWord : public QObject
{
    Q_OBJECT

private slots:
    void framesAndChooses_data();
    void framesAndChooses();
};

// The items of a short list, the frame's row before typing, what is typed
// ("|": typing pauses), the row framed after each letter (-1: no item
// starts with the word) and the rows chosen, one for each word.
void TestTypedWord::framesAndChooses_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("framed");
    QTest::addColumn<QList<int>>("chosen");

    QTest::newRow("a first letter looks from the item after the frame") << 0 << "а" << QList{1} << QList{1};
    QTest::newRow("a further letter looks from the frame") << 0 << "ал" << QList{1, 2} << QList{2};
    QTest::newRow("a letter typed again goes on to the next item with it") << 0 << "нн" << QList{3, 4} << QList{4};
    QTest::newRow("and again") << 0 << "ннн" << QList{3, 4, 5} << QList{5};
    QTest::newRow("the search wraps round") << 6 << "а" << QList{0} << QList{0};
    QTest::newRow("no frame: from the first item") << -1 << "а" << QList{0} << QList{0};
    QTest::newRow("case does not matter") << 0 << "НЕВ" << QList{3, 3, 4} << QList{4};
    QTest::newRow("a space inside a word") << 0 << "ню й" << QList{3, 5, 5, 6} << QList{6};
    QTest::newRow("no item starts with it: nothing chosen") << 2 << "щ" << QList{-1} << QList<int>{};
    QTest::newRow("a word that stops matching chooses nothing") << 0 << "нюх" << QList{3, 5, -1} << QList<int>{};
    QTest::newRow("a pause: one word, one choice") << 0 << "н|н" << QList{3, 4} << QList{3, 4};
}

void TestTypedWord::framesAndChooses()
{
    QFETCH(int, frame);
    QFETCH(QString, typed);
    QFETCH(QList<int>, framed);
    QFETCH(QList<int>, chosen);
    const QStringList items = {QStringLiteral("Айдахо"),    QStringLiteral("Айова"),    QStringLiteral("Алабама"),
                               QStringLiteral("Небраска"),  QStringLiteral("Невада"),   QStringLiteral("Ню Джърси"),
                               QStringLiteral("Ню Йорк")};
    TypedWord word(3600000);  // an hour: only the test ends a word
    QSignalSpy ended(&word, &TypedWord::ended);

    QList<int> frames;
    for (QChar c : typed) {
        if (c == QLatin1Char('|')) {
            word.finish();
            continue;
        }
        const int row = word.type(QString(c), items, frame);
        frames << row;
        if (row >= 0)
            frame = row;
        QVERIFY(word.isPending());
    }
    word.finish();
    QVERIFY(!word.isPending());

    QCOMPARE(frames, framed);
    QList<int> rows;
    for (const QList<QVariant> &signal : ended)
        rows << signal.at(0).toInt();
    QCOMPARE(rows, chosen);
}

QTEST_GUILESS_MAIN(TestTypedWord)
#include "tst_typedword.moc"
